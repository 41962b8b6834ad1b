// Comparing and printing device points in test expectations.
#pragma once

#include <ostream>

#include "draw_ops.h"

inline bool operator==(const Vex3dDevicePoint &a, const Vex3dDevicePoint &b) { return a.x == b.x && a.y == b.y; }
inline void PrintTo(const Vex3dDevicePoint &p, std::ostream *out) { *out << '(' << p.x << ", " << p.y << ')'; }
