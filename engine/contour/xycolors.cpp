// Per-cell colours: looking a cell up and changing one assignment.
#include <algorithm>
#include <cstdlib>

#include "boundary.h"
#include "diagnostics.h"
#include "graph.h"
#include "xycolors.h"

namespace {

bool matches(int assigned, int index) { return assigned == -1 || assigned == index; }

}  // namespace

extern "C" int Vex3dGetXYColor(Vex3dGraph *graph, int x, int y) {
  return vex3d::guarded(__func__, [&]() -> int {
    if (!graph) return COLOR_UNSET;
    if (x < -1 || y < -1) {
      vex3d::message(graph, "Vex3dGetXYColor: Negative x or y index not equal to -1\n");
      return COLOR_UNSET;
    }
    const auto &colors = graph->xy_colors.items();
    // Later assignments win.
    const auto hit = std::find_if(colors.rbegin(), colors.rend(),
                                  [&](const Vex3dXYColor &c) { return matches(c.x, x) && matches(c.y, y); });
    return hit == colors.rend() ? COLOR_UNSET : hit->color;
  });
}

extern "C" void Vex3dSetXYColor(Vex3dGraph *graph, int x, int y, int color) {
  vex3d::guarded(__func__, [&] {
    if (!graph) return;
    if (x < -1 || y < -1) {
      vex3d::message(graph, "Vex3dSetXYColor: Negative x or y index not equal to -1\n");
      return;
    }
    auto &colors = graph->xy_colors.items();
    // Each pair of indices has at most one assignment; here -1 matches only -1.
    const auto same =
        std::find_if(colors.rbegin(), colors.rend(), [&](const Vex3dXYColor &c) { return c.x == x && c.y == y; });
    const bool found = same != colors.rend();
    if (found) colors.erase(std::next(same).base());
    if (color != COLOR_UNSET) colors.push_back(Vex3dXYColor{x, y, color});
    if (!found && color == COLOR_UNSET) return;
    graph->xy_colors.commit();
    Vex3dRepaint(graph, VEX3D_CHANGE_GRAPH);
  });
}

extern "C" void Vex3dFreeXYColors(Vex3dXYColor **colors) {
  vex3d::guarded(__func__, [&] {
    if (!colors) return;
    for (Vex3dXYColor **p = colors; *p; ++p) std::free(*p);
    std::free(colors);
  });
}
