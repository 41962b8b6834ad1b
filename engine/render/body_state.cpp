// The graph's body slot.
#include "body_state.h"

namespace vex3d {

BodyState &body_state(Vex3dGraph *graph) {
  if (auto *state = dynamic_cast<BodyState *>(graph->body.get())) return *state;
  graph->body = std::make_unique<BodyState>();
  return static_cast<BodyState &>(*graph->body);
}

}  // namespace vex3d
