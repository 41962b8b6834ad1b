// Drawing modes: the state a group of primitives starts from.
#include "w_render.h"

namespace vex3d {
namespace {

constexpr int kUnset = COLOR_UNSET;

int or_else(int color, int fallback) { return color != kUnset ? color : fallback; }

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" void Vex3dSetDrawingMode(Vex3dGraph *graph, int mode, int color) {
  if (!graph || mode < -6 || mode > -1) return;
  if (mode == -2) {
    // The stippled black fill of monochrome borders.
    vex3d_win_setfillcolor(graph, 0);
    vex3d_win_setfillstyle(graph, 3);
    vex3d_win_setstipple(graph, 0);
    return;
  }
  vex3d_win_setlineattributes(graph, 0, 1, 2, 3);
  const int chart_foreground = or_else(graph->graph_foreground, graph->foreground);
  switch (mode) {
    case -6: vex3d_win_setforeground(graph, or_else(color, chart_foreground)); break;
    case -5: vex3d_win_setforeground(graph, chart_foreground); break;
    case -4:
    case -3: vex3d_win_setforeground(graph, or_else(color, graph->foreground)); break;
    case -1: vex3d_win_setforeground(graph, graph->foreground); break;
    default: break;
  }
}
