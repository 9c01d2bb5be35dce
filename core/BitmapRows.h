// Row kernels of the nearest-neighbour stretch; StretchDraw picks the fastest this processor runs.
#pragma once

#include <QtGlobal>

namespace festoon {

// Copies pixels 0.. of a stretched row, out[i] = the 3 bytes at sourceRow + column[i], eight at a time,
// and returns how many it copied (a multiple of 8). It reads 4 bytes at each offset, so it only takes
// pixels below `fourByteSafeCount`, and writes 32 bytes per eight pixels, so it stops 11 pixels short
// of `count`; the caller copies the rest. It asks for the same columns of nextSourceRow in advance:
// the rows a shrink picks are unevenly spaced, which the processor's own prefetching does not follow.
// Only to be called when CpuHasAvx2() holds.
int GatherPixelsAvx2(const uchar* sourceRow, const uchar* nextSourceRow, const int* column,
                     int fourByteSafeCount, int count, uchar* out);

} // namespace festoon
