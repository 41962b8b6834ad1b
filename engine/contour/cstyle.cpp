// The style of a level or zone, and reading and changing one style.
#include <cmath>

#include "boundary.h"
#include "ctable.h"
#include "diagnostics.h"
#include "graph.h"
#include "levels.h"
#include "styles.h"

namespace vex3d {

int style_of_level(int styles, int levels, int k) {
  if (levels == 0) return 0;
  return static_cast<int>(std::floor(static_cast<double>(styles - 1) * k / levels + 0.5));
}

namespace {

// The table position an index names, or -1 when the index is out of range.
int table_position(Vex3dGraph *graph, int index, bool by_level) {
  const int styles = graph->contour_styles.count();
  if (!by_level) return index >= 0 && index < styles ? index : -1;
  const int levels = static_cast<int>(levels_in_use(graph).size());
  return index >= 0 && index <= levels ? style_of_level(styles, levels, index) : -1;
}

bool zones_drawn(const Vex3dGraph *graph) {
  return graph->draw_zones || ((graph->project_zmin | graph->project_zmax) & Vex3dProjectZones);
}

bool contours_drawn(const Vex3dGraph *graph) {
  return graph->draw_contours || ((graph->project_zmin | graph->project_zmax) & Vex3dProjectContours);
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dContourStyle *get_cstyle(Vex3dGraph *graph, int index, int by_level) {
  return guarded(__func__, [&]() -> Vex3dContourStyle * {
    if (!graph || graph->contour_styles.count() == 0) return nullptr;
    const int position = table_position(graph, index, by_level != 0);
    if (position < 0) {
      message(graph, "VEX/3d: Bad index %d to get_cstyle.\n", index);
      message(graph, "        Attempt to get style failed.\n");
      return nullptr;
    }
    // Each thread keeps its own copy, so no caller sees another's.
    thread_local Vex3dContourStyle copy;
    copy = graph->contour_styles.items()[static_cast<std::size_t>(position)];
    return &copy;
  });
}

extern "C" int Vex3dLevelStyleIndex(Vex3dGraph *graph, int level) {
  return guarded(
      __func__,
      [&]() -> int { return graph && graph->contour_styles.count() > 0 ? table_position(graph, level, true) : -1; }, -1);
}

extern "C" void set_cstyle(Vex3dGraph *graph, int index, const Vex3dContourStyle *style, int by_level) {
  guarded(__func__, [&] {
    if (!graph || graph->contour_styles.count() == 0) return;
    const int position = table_position(graph, index, by_level != 0);
    if (position < 0) {
      message(graph, "VEX/3d: Bad index %d to set_cstyle.\n", index);
      message(graph, "        Attempt to change style failed.\n");
      return;
    }
    if (!style) {
      message(graph, "VEX/3d: NULL cstyle passed to set_cstyle.\n");
      message(graph, "        Attempt to change style failed.\n");
      return;
    }
    Vex3dContourStyle &held = graph->contour_styles.items()[static_cast<std::size_t>(position)];
    if (style == &held) return;
    const bool fill_shows = style->fill_color != held.fill_color && zones_drawn(graph);
    const bool line_shows = (style->line_color != held.line_color || style->line_width != held.line_width ||
                             style->line_pattern != held.line_pattern) &&
                            contours_drawn(graph);
    held = *style;
    if (fill_shows || line_shows) Vex3dRepaint(graph, VEX3D_CHANGE_GRAPH | VEX3D_CHANGE_LEGEND);
  });
}

extern "C" void Vex3dResetContourStyles(Vex3dGraph *graph) {
  guarded(__func__, [&] {
    if (!graph) return;
    install_default_contour_styles(graph);
    Vex3dRepaint(graph, VEX3D_CHANGE_ALL);
  });
}
