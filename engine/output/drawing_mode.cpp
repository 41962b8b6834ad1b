// Drawing modes: the state a group of primitives starts from.
#include "boundary.h"
#include "w_render.h"

namespace vex3d {
namespace {

constexpr int kUnset = COLOR_UNSET;
constexpr int kBlack = 0x000000;

int or_else(int color, int fallback) { return color != kUnset ? color : fallback; }

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" void Vex3dSetDrawingMode(Vex3dGraph *graph, int mode, int color) {
  guarded(__func__, [&] {
    if (!graph || mode < VEX3D_MODE_CHART_COLOR || mode > VEX3D_MODE_NEUTRAL) return;
    if (mode == VEX3D_MODE_STIPPLED_FILL) {
      // The stippled black fill of monochrome borders.
      vex3d_win_setfillcolor(graph, kBlack);
      vex3d_win_setfillstyle(graph, VEX3D_FILL_STIPPLED);
      vex3d_win_setstipple(graph, VEX3D_STIPPLE_CHECKERBOARD);
      return;
    }
    vex3d_win_setlineattributes(graph, 0, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
    const int chart_foreground = or_else(graph->graph_foreground, graph->foreground);
    switch (mode) {
      case VEX3D_MODE_CHART_COLOR: vex3d_win_setforeground(graph, or_else(color, chart_foreground)); break;
      case VEX3D_MODE_CHART_FOREGROUND: vex3d_win_setforeground(graph, chart_foreground); break;
      case VEX3D_MODE_GIVEN_COLOR_ALT:
      case VEX3D_MODE_GIVEN_COLOR: vex3d_win_setforeground(graph, or_else(color, graph->foreground)); break;
      case VEX3D_MODE_NEUTRAL: vex3d_win_setforeground(graph, graph->foreground); break;
      default: break;
    }
  });
}
