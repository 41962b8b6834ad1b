// Collecting the chart's colours into the graph palette.
#include "palette.h"
#include "boundary.h"

#include <algorithm>
#include <cmath>

#include "output_state.h"
#include "image_picture.h"
#include "shades.h"
#include "window.h"

namespace vex3d {
namespace {

class Collector {
 public:
  void add(int color) {
    if (color != COLOR_UNSET) colors_.push_back(color & 0xFFFFFF);
  }
  // A background with the two shades of its borders.
  void add_background(BackgroundColor &record) {
    if (record.color == COLOR_UNSET) return;
    add(record.color);
    const Shades s = border_shades(record);
    add(s.light);
    add(s.dark);
  }
  // A region's background, shades and foreground, when its background is set.
  void add_region(BackgroundColor &background, int foreground) {
    if (background.color == COLOR_UNSET) return;
    add_background(background);
    add(foreground);
  }
  // The colours of a loaded bitmap picture: its palette, or the colours of
  // its pixels when it has none.
  void add_picture(const ImageRecord &image) {
    const Picture *pic = image_picture(image);
    if (!pic || !pic->is_bitmap()) return;
    if (pic->palette_colors > 0) {
      for (int i = 0; i < pic->palette_colors && full() == false; ++i) add(pic->palette_color(i));
      return;
    }
    for (const std::uint32_t p : converted_pixels(*pic)) {
      if (full()) return;
      const int c = static_cast<int>(((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16));
      if (std::find(colors_.begin(), colors_.end(), c) == colors_.end()) add(c);
    }
  }
  bool full() const { return colors_.size() >= kMaxPaletteEntries; }
  std::vector<int> take() { return std::move(colors_); }

 private:
  std::vector<int> colors_;
};

bool contours_drawn(const Vex3dGraph *g) {
  return g->draw_contours || g->draw_zones || g->project_zmin || g->project_zmax;
}

// Plain colours use only the components 0, 128 and 255.
bool plain(int color) {
  for (int shift = 0; shift < 24; shift += 8) {
    const int c = (color >> shift) & 0xFF;
    if (c != 0 && c != 128 && c != 255) return false;
  }
  return true;
}

}  // namespace

std::vector<int> collect_palette_colors(Vex3dGraph *g) {
  Collector c;
  c.add(output_state(g).extra_palette_color);
  c.add(0xFFFFFF);
  c.add(0x000000);
  c.add_background(g->background);
  c.add(g->foreground);
  c.add_region(g->graph_background, g->graph_foreground);
  c.add_region(g->header.background, g->header.foreground);
  c.add_region(g->footer.background, g->footer.foreground);
  c.add_region(g->legend_background, g->legend_foreground);
  c.add(g->data_area_background.color);
  for (const int color : {g->mesh_top, g->mesh_bottom, g->surface_top, g->surface_bottom}) c.add(color);

  const auto &styles = g->contour_styles.items();
  if (contours_drawn(g) && !styles.empty()) {
    const int levels = g->effective_levels;
    const int last = static_cast<int>(styles.size()) - 1;
    for (int band = 0; band <= levels; ++band) {
      // With no levels there is one band, drawn in the first style.
      const int i = levels > 0 ? static_cast<int>(std::lround(static_cast<double>(last) * band / levels)) : 0;
      c.add(styles[i].line_color);
      c.add(styles[i].fill_color);
    }
  }
  for (const Vex3dDataStyle &s : g->data_styles.styles.items()) {
    c.add(s.line.color);
    c.add(s.symbol_color);
  }
  for (const Vex3dXYColor &cell : g->xy_colors.items()) c.add(cell.color);
  for (const auto &text : g->texts) {
    c.add_background(text->background);
    c.add(text->foreground);
  }
  for (const Axis *axis : {&g->x, &g->y, &g->z}) c.add(axis->grid.in_force.color);

  for (const ImageRecord *image : {&g->image, &g->graph_image, &g->header.image, &g->footer.image, &g->legend_image})
    c.add_picture(*image);
  for (const auto &text : g->texts) c.add_picture(text->image);
  return c.take();
}

std::vector<int> order_palette(std::vector<int> colors) {
  std::sort(colors.begin(), colors.end(), [](int a, int b) {
    const bool pa = plain(a), pb = plain(b);
    return pa != pb ? pb : a < b;
  });
  colors.erase(std::unique(colors.begin(), colors.end()), colors.end());
  if (colors.size() > kMaxPaletteEntries) colors.resize(kMaxPaletteEntries);
  return colors;
}

bool rebuild_palette(Vex3dGraph *graph) {
  OutputState &out = output_state(graph);
  std::vector<int> entries = order_palette(collect_palette_colors(graph));
  if (out.has_palette && entries == out.palette) return false;  // no flash, no redraw
  out.palette = std::move(entries);
  out.has_palette = true;
  if (out.extra_palette_color == COLOR_UNSET) graph->change_mask = VEX3D_CHANGE_ALL;
  if (graph->window) graph->window->send_to_parent(kMessagePaletteReplaced, nullptr);
  return true;
}

void rebuild_palette_if_used(Vex3dGraph *graph) {
  if (graph->color_depth >= 2 && graph->color_depth <= 8) rebuild_palette(graph);
}

}  // namespace vex3d

extern "C" void Vex3dSetPaletteColor(Vex3dGraph *graph, int color) {
  vex3d::guarded(__func__, [&] {
    if (!graph) return;
    vex3d::output_state(graph).extra_palette_color = color;
    if (color != COLOR_UNSET) vex3d::rebuild_palette_if_used(graph);
  });
}
