#include "output_state.h"
#include "w_render.h"

namespace vex3d {

OutputState &output_state(Vex3dGraph *graph) {
  if (!graph->output) graph->output = std::make_unique<OutputState>();
  return static_cast<OutputState &>(*graph->output);
}

bool is_metafile(const platform::DrawContext *context) {
  return context && context->kind() == platform::ContextKind::kMetafile;
}

platform::DrawContext *current_context(const Vex3dGraph *graph) {
  return graph && graph->output ? static_cast<const OutputState &>(*graph->output).context : nullptr;
}

}  // namespace vex3d
