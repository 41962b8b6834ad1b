// The graph's view slot.
#include "view_state.h"

#include <new>

namespace vex3d {

ViewState &view_state(Vex3dGraph *graph) {
  if (auto *state = dynamic_cast<ViewState *>(graph->view.get())) return *state;
  graph->view = std::make_unique<ViewState>();
  return static_cast<ViewState &>(*graph->view);
}

const ViewState *find_view_state(const Vex3dGraph *graph) {
  return graph ? dynamic_cast<const ViewState *>(graph->view.get()) : nullptr;
}

}  // namespace vex3d
