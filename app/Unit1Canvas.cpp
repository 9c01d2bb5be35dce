// Unit1Canvas of the main window (being written).
#include "app/Unit1.h"
