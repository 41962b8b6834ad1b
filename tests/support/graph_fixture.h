// A new graph per test, destroyed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine_ptr.h"
#include "restable.h"

using vex3d::DataPtr;
using vex3d::GraphPtr;

inline GraphPtr make_graph() { return GraphPtr(Vex3dCreateGraph()); }

// Reads a word resource.
inline int get_int(Vex3dGraph *g, int id) {
  int v = -12345;
  Vex3dGetValues(g, id, &v, 0);
  return v;
}

inline double get_double(Vex3dGraph *g, int id) {
  double v = -12345;
  Vex3dGetValues(g, id, &v, 0);
  return v;
}

inline void *get_pointer(Vex3dGraph *g, int id) {
  void *v = reinterpret_cast<void *>(1);
  Vex3dGetValues(g, id, &v, 0);
  return v;
}

// The face the platform obtains for a font description (for example a
// metric-compatible face for "Arial").
inline std::string realized_face(const char *description) {
  Vex3dFont *font = Vex3dCreateFont(description);
  std::string face = font ? Vex3dFontDescription(font)->face : "";
  Vex3dDestroyFont(font);
  return face;
}
