// The memory floor: the least work any blend of three 24-bit pictures into a fourth can do, reading
// three rows and writing one, with the widest vectors the processor has.
#pragma once

#include <QImage>
#include <QPoint>

namespace festoon::bench {

// out := a | (b & c) byte by byte over out's size, a read from aTopLeft on; every picture must be at
// least that large. Pass the same picture as out and a to work in place.
void ReadThreeWriteOne(QImage& out, const QImage& a, QPoint aTopLeft, const QImage& b, const QImage& c);

} // namespace festoon::bench
