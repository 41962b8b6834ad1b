#include "resource_binding.h"

namespace tc3d {
namespace {

struct Target {
  Vex3dGraph *graph;
  int id;
};

Target target(Object &o, const Member &m) {
  auto &g = static_cast<GraphObject &>(o);
  Vex3dGraph *graph = g.graph();
  if (!graph) raise(ErrorCode::tcErrorNotConnected);
  const int id = g.resource_for(m.binding.resource);
  if (!id) raise(ErrorCode::tcErrorNoSuchProperty);
  return {graph, id};
}

}  // namespace

namespace resource_detail {

Variant get(Object &o, const Member &m, std::span<Variant>) {
  const Target t = target(o, m);
  switch (m.type.kind) {
    case Kind::Double: {
      double v = 0;
      Vex3dGetValues(t.graph, t.id, &v, 0);
      return Variant(v);
    }
    case Kind::String: {
      const char *v = nullptr;
      Vex3dGetValues(t.graph, t.id, &v, 0);
      return Variant(v ? v : "");
    }
    case Kind::Bool: {
      int v = 0;
      Vex3dGetValues(t.graph, t.id, &v, 0);
      return Variant(v != 0);
    }
    default: {
      int v = 0;
      Vex3dGetValues(t.graph, t.id, &v, 0);
      return Variant(v);
    }
  }
}

void put(Object &o, const Member &m, std::span<Variant>, const Variant &value) {
  const Target t = target(o, m);
  switch (m.type.kind) {
    case Kind::Double: Vex3dSetValues(t.graph, t.id, value.to_double(), 0); break;
    case Kind::String: {
      const std::string text = value.to_string();
      Vex3dSetValues(t.graph, t.id, text.c_str(), 0);
      break;
    }
    case Kind::Bool: Vex3dSetValues(t.graph, t.id, value.to_bool() ? 1 : 0, 0); break;
    default: Vex3dSetValues(t.graph, t.id, value.to_int32(), 0); break;
  }
}

}  // namespace resource_detail
}  // namespace tc3d
