// The checks a data set must pass before the graph draws from it.
#pragma once

#include <string>

#include "types.h"

namespace vex3d {

// Why the data set cannot be drawn, or "" when it can. The first failing
// check decides.
std::string data_set_problem(const Vex3dData &data);

// Why zone data cannot colour a surface drawn from the surface data, or ""
// when it can. Both must have passed data_set_problem; every comparison is
// exact.
std::string zone_mismatch(const Vex3dData &surface, const Vex3dData &zone);

}  // namespace vex3d
