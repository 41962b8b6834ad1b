// Libraries opened at their first use: the functions of a present library
// are reached through the table; a missing library or function is a reason,
// not a crash.
#include <gtest/gtest.h>

#include <cmath>

#include "late_library.h"

namespace {

#define MATH_FUNCTIONS(F) F(cos) F(hypot)
struct Math {
  MATH_FUNCTIONS(VEX3D_LATE_FUNCTION)
};

TEST(LateLibrary, APresentLibraryGivesItsFunctions) {
  static const vex3d::LateLibrary<Math> library(
      "libm.so.6", [](void *handle, Math &table) { return MATH_FUNCTIONS(VEX3D_LATE_LOAD) true; });
  std::string error;
  const Math *math = library.table(error);
  ASSERT_NE(math, nullptr) << error;
  EXPECT_DOUBLE_EQ(math->hypot(3, 4), 5);
  EXPECT_DOUBLE_EQ(math->cos(0), 1);
}

TEST(LateLibrary, AMissingLibraryOrFunctionIsAReason) {
  const auto load = [](void *handle, Math &table) { return MATH_FUNCTIONS(VEX3D_LATE_LOAD) true; };
  std::string error;
  const vex3d::LateLibrary<Math> missing("libtorvane3d-nosuch.so.9", load);
  EXPECT_EQ(missing.table(error), nullptr);
  EXPECT_NE(error.find("libtorvane3d-nosuch.so.9"), std::string::npos) << error;
  // libc has no hypot of its own: the table is refused whole.
  const vex3d::LateLibrary<Math> lacking("libc.so.6", load);
  error.clear();
  EXPECT_EQ(lacking.table(error), nullptr);
  EXPECT_EQ(error, "libc.so.6 lacks a function this program uses");
}

}  // namespace
