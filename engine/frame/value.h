// One resource value in transit between a caller and the graph.
#pragma once

#include "types.h"

namespace vex3d {

struct Value {
  int i = 0;                                   // word types
  double d = 0;                                // Double
  const void *p = nullptr;                     // pointer types
  Vex3dLegendLabelFunc f = nullptr;            // Function

  static Value word(int v) { Value x; x.i = v; return x; }
  static Value real(double v) { Value x; x.d = v; return x; }
  static Value pointer(const void *v) { Value x; x.p = v; return x; }
};

}  // namespace vex3d
