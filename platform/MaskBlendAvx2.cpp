// AVX2 version of the mask blend (filled in by the optimisation work).
#include "platform/MaskBlend.h"
