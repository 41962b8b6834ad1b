// The page layout: title and legend sizes, their default places around the
// inner area, and the chart area as the largest free rectangle, inset by a
// 24th; explicit positions and sizes kept; everything written back.
#include <algorithm>
#include <limits>
#include <vector>

#include "free_region.h"
#include "hdft.h"
#include "legend.h"
#include "output_state.h"
#include "page_drawing.h"
#include "rect_ops.h"

namespace vex3d {
namespace {

// A side above this takes no room at all.
constexpr int kLargestSide = 32767;
constexpr int kNorth = 16, kSouth = 32, kEast = 1, kWest = 2;

int clamp_to(long long v, int high) { return static_cast<int>(std::clamp<long long>(v, 0, std::max(0, high))); }

int size_or_zero(int side) { return side > kLargestSide ? 0 : std::max(side, 0); }

struct Frame {
  int m;              // margin: the whole-area border and the extra inset
  int width, height;  // of the inner area
  double lf, hf, ff;  // one line of the legend, header and footer fonts
};

// 0.75 font heights and the like, truncated as the layout truncates.
long long trunc_ll(double v) { return static_cast<long long>(v); }

void place_legend(const Vex3dGraph *g, const Frame &f, Rect &legend) {
  const int anchor = g->legend_anchor;
  const int vertical = anchor & (kNorth | kSouth), horizontal = anchor & (kEast | kWest);
  if (g->legend_y_use_default) {
    double y;
    if (vertical == kNorth)
      y = horizontal ? f.m + 0.75 * f.lf : f.m + 0.75 * f.lf + 1.5 * f.hf + g->header.rect.height;
    else if (vertical == kSouth)
      y = horizontal ? (f.height + f.m) - (0.75 * f.lf + legend.height)
                     : (f.height + f.m) - (0.75 * f.lf + 1.5 * f.ff + g->footer.rect.height + legend.height);
    else
      y = (f.height - legend.height) / 2.0;
    legend.y = clamp_to(trunc_ll(y), f.height);
  } else {
    legend.y = g->legend_y;
  }
  if (g->legend_x_use_default) {
    double x;
    if (horizontal == kEast)
      x = (f.width + f.m) - (0.75 * f.lf + legend.width);
    else if (horizontal == kWest)
      x = f.m + 0.75 * f.lf;
    else
      x = (f.width - legend.width) / 2.0;
    legend.x = clamp_to(trunc_ll(x), f.width);
  } else {
    legend.x = g->legend_x;
  }
}

void place_title(const Region &title, const Frame &f, bool header, Rect &r) {
  r.x = title.x_use_default ? clamp_to(std::max((f.width - r.width) / 2, 0), f.width) : title.x;
  if (!title.y_use_default)
    r.y = title.y;
  else if (header)
    r.y = clamp_to(trunc_ll(0.75 * f.hf + f.m), f.height);
  else
    r.y = clamp_to(trunc_ll(f.height - r.height + f.m - 0.75 * f.ff), f.height);
}

// The largest free rectangle left by the legend, header and footer, inset
// by a 24th of its size on each side.
Rect free_chart_area(const Vex3dGraph *g, const Frame &f) {
  std::vector<Rect> free{Rect{f.m, f.m, f.width, f.height}};
  subtract_rect(free, g->legend_rect);
  for (const Region *title : {&g->header, &g->footer}) {
    Rect taken = title->rect;
    if (title->x_use_default) taken.x = 0, taken.width = f.width;
    if (!empty_rect(title->rect)) subtract_rect(free, taken);
  }
  Rect area = largest_covered_rect(free);
  const int dx = area.width / 24, dy = area.height / 24;
  area.x += dx, area.width -= 2 * dx;
  area.y += dy, area.height -= 2 * dy;
  return area;
}

Rect chart_area(const Vex3dGraph *g, const Frame &f) {
  const bool any_default =
      g->graph_x_use_default || g->graph_y_use_default || g->graph_width_use_default || g->graph_height_use_default;
  Rect area = any_default ? free_chart_area(g, f) : Rect{};
  if (!g->graph_x_use_default) {
    if (g->graph_width_use_default) area.width = clamp_to(1LL * area.width + area.x - g->graph_x, kLargestSide + 1);
    area.x = g->graph_x;
  }
  if (!g->graph_y_use_default) {
    if (g->graph_height_use_default) area.height = clamp_to(1LL * area.height + area.y - g->graph_y, kLargestSide + 1);
    area.y = g->graph_y;
  }
  if (!g->graph_width_use_default) area.width = g->graph_width;
  if (!g->graph_height_use_default) area.height = g->graph_height;
  area.width = size_or_zero(area.width);
  area.height = size_or_zero(area.height);
  return area;
}

}  // namespace

void lay_out_page(Vex3dGraph *g) {
  const int inset = output_state(g).page.extra_inset;
  Frame f;
  constexpr int kMost = std::numeric_limits<int>::max();
  f.m = clamp_to(std::max(0, g->border_width) + 1LL * inset, kMost);
  f.width = clamp_to(g->width - 2LL * f.m, kMost);
  f.height = clamp_to(g->height - 2LL * f.m, kMost);

  // Sizes first: the fonts' heights are those measured while sizing.
  const Size header = title_size(g, g->header), footer = title_size(g, g->footer), legend = size_legend(g);
  f.hf = g->header.font.height, f.ff = g->footer.font.height, f.lf = g->legend_font.height;
  g->header.rect.width = size_or_zero(header.width), g->header.rect.height = size_or_zero(header.height);
  g->footer.rect.width = size_or_zero(footer.width), g->footer.rect.height = size_or_zero(footer.height);
  g->legend_rect.width = size_or_zero(legend.width), g->legend_rect.height = size_or_zero(legend.height);

  place_legend(g, f, g->legend_rect);
  place_title(g->header, f, true, g->header.rect);
  place_title(g->footer, f, false, g->footer.rect);
  g->graph_rect = chart_area(g, f);

  // Default titles are centred over the chart area; one wider than it keeps
  // inside the inner area (left of the margin it would lie on the border).
  for (Region *title : {&g->header, &g->footer})
    if (title->x_use_default)
      title->rect.x = static_cast<int>(
          std::clamp(g->graph_rect.x + (1LL * g->graph_rect.width - title->rect.width) / 2, 1LL * f.m, 1LL * kMost));

  // Reading a resource gives the place used.
  for (Region *title : {&g->header, &g->footer}) title->x = title->rect.x, title->y = title->rect.y;
  g->legend_x = g->legend_rect.x, g->legend_y = g->legend_rect.y;
  g->graph_x = g->graph_rect.x, g->graph_y = g->graph_rect.y;
  g->graph_width = g->graph_rect.width, g->graph_height = g->graph_rect.height;
  g->layout_valid = 1;
}

}  // namespace vex3d
