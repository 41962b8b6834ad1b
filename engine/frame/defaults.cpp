#include "defaults.h"

#include <algorithm>
#include <mutex>

namespace vex3d {
namespace {

// (line pattern, line colour, width, symbol, symbol colour, size), colours as 0xBBGGRR.
constexpr Vex3dDataStyle kColorStyles[8] = {
    {{Vex3dLpatSolid, 0x507FFF, 1}, Vex3dSymbolDot, 0xCD0000, 7},
    {{Vex3dLpatSolid, 0x228B22, 1}, Vex3dSymbolDiamond, 0x0000FF, 7},
    {{Vex3dLpatSolid, 0x00FF32, 1}, Vex3dSymbolStar, 0x00A5FF, 7},
    {{Vex3dLpatSolid, 0xE16941, 1}, Vex3dSymbolTri, 0xFF00FF, 7},
    {{Vex3dLpatSolid, 0x8CB4D2, 1}, Vex3dSymbolBox, 0x00FF00, 7},
    {{Vex3dLpatSolid, 0xFF00FF, 1}, Vex3dSymbolDiagCross, 0xCD0000, 7},
    {{Vex3dLpatSolid, 0x4F4F2F, 1}, Vex3dSymbolDot, 0xFACE87, 7},
    {{Vex3dLpatSolid, 0xCD0000, 1}, Vex3dSymbolInvertTri, 0x00D7FF, 7},
};

constexpr Vex3dDataStyle kMonochromeStyles[8] = {
    {{Vex3dLpatLslDash, 0, 1}, Vex3dSymbolDot, 0, 7},
    {{Vex3dLpatSolid, 0, 1}, Vex3dSymbolDiamond, 0, 7},
    {{Vex3dLpatLslDash, 0, 1}, Vex3dSymbolStar, 0, 7},
    {{Vex3dLpatDashDot, 0, 1}, Vex3dSymbolTri, 0, 7},
    {{Vex3dLpatSolid, 0, 1}, Vex3dSymbolBox, 0, 7},
    {{Vex3dLpatDashDot, 0, 1}, Vex3dSymbolDiagCross, 0, 7},
    {{Vex3dLpatSolid, 0, 1}, Vex3dSymbolInvertTri, 0, 7},
    {{Vex3dLpatLongDash, 0, 1}, Vex3dSymbolDot, 0, 7},
};

constexpr Vex3dLineStyle kGridLineStyle{Vex3dLpatSolid, 0, 1};

// A data set claiming more series than this is corrupt, not a chart: styles
// stop growing there rather than exhaust memory.
constexpr int kMaxStyledSeries = 1 << 20;

const Vex3dDataStyle *g_builtin_styles = kColorStyles;
std::once_flag g_chosen;

// Series the surface data has: one for a grid, one per series for points.
int series_count(const Vex3dData *data) {
  if (!data) return 0;
  if (data->type == VEX3D_POINT) return std::max(data->point.nseries, 0);
  return data->type == VEX3D_DATA_GRID || data->type == VEX3D_DATA_IRGRID ? 1 : 0;
}

}  // namespace

void choose_process_defaults(int color_depth) {
  std::call_once(g_chosen, [color_depth] { g_builtin_styles = color_depth > 1 ? kColorStyles : kMonochromeStyles; });
}

const Vex3dDataStyle &builtin_data_style(int series) { return g_builtin_styles[series % 8]; }

const Vex3dLineStyle &default_grid_line_style() { return kGridLineStyle; }

void ensure_data_styles(Vex3dGraph *graph) {
  auto &styles = graph->data_styles.styles;
  const int wanted = std::min(series_count(graph->surface_data), kMaxStyledSeries);
  if (styles.count() >= wanted) return;
  for (int i = styles.count(); i < wanted; ++i) styles.items().push_back(builtin_data_style(i));
  styles.commit();
}

void reset_data_styles(Vex3dGraph *graph) {
  std::vector<Vex3dDataStyle> styles(g_builtin_styles, g_builtin_styles + 8);
  graph->data_styles.styles.assign(std::move(styles));
}

void restore_grid_style(Vex3dGraph *graph, GridLineStyle &grid) {
  grid.default_style = kGridLineStyle;
  grid.default_style.color = graph->graph_foreground != COLOR_UNSET ? graph->graph_foreground : graph->foreground;
  grid.in_force = grid.default_style;
}

void recolor_default_grid_styles(Vex3dGraph *graph) {
  for (Axis *axis : {&graph->x, &graph->y, &graph->z})
    if (axis->grid.use_default) restore_grid_style(graph, axis->grid);
}

}  // namespace vex3d
