// Printing device points in test expectations (they compare with draw_ops.h's ==).
#pragma once

#include <ostream>

#include "draw_ops.h"

inline void PrintTo(const Vex3dDevicePoint &p, std::ostream *out) { *out << '(' << p.x << ", " << p.y << ')'; }
