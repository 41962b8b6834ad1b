// The page drawing with its change mask: what is prepared, what is erased,
// and the order in which the regions are drawn.
#include <algorithm>

#include "body.h"
#include "border.h"
#include "gl.h"
#include "graph_data.h"
#include "hdft.h"
#include "legend.h"
#include "output_state.h"
#include "page_drawing.h"
#include "page_regions.h"
#include "palette.h"
#include "pixel_labels.h"
#include "rect_ops.h"
#include "w_render.h"

namespace vex3d {
namespace {

constexpr int kPlatformWhite = 0xFFFFFF, kPlatformBlack = 0;

// Re-validates, lays out and computes what the drawing needs. False when
// building the palette replaced it and so changed the pending mask.
bool prepare(Vex3dGraph *g, int mask) {
  constexpr int kRecompute = VEX3D_CHANGE_DATA | VEX3D_CHANGE_LEGEND | VEX3D_CHANGE_GRAPH;
  if ((mask & kRecompute) == kRecompute) refresh_graph_data(g);
  lay_out_page(g);
  compute_view(g);
  const int pending = g->change_mask;
  rebuild_palette_if_used(g);
  return g->change_mask == pending;
}

Rect picture_area(const Vex3dGraph *g, int inset) {
  return Rect{inset, inset, std::max(0, g->width - 2 * inset), std::max(0, g->height - 2 * inset)};
}

void draw_whole_area_picture(Vex3dGraph *g, const Rect &area, const Rect &clip) {
  if (!g->image.file) return;
  vex3d_win_drawimage(g, &g->image, area.x, area.y, area.width, area.height, clip.x, clip.y, clip.width, clip.height);
}

// The rectangle erased for a region: its previous place grown by a pixel;
// the legend's reaches up over its title.
Rect erased_rect(const Vex3dGraph *g, const PageRegion &region, const Rect &previous) {
  long long y = previous.y, height = previous.height + 1LL;
  if (region.bit == VEX3D_CHANGE_LEGEND) {
    const long long top = std::max(0LL, y - g->legend_font.height * 3LL / 2);
    height += y - top;
    y = top;
  }
  return saturated_rect(previous.x, y, previous.width + 1LL, height);
}

// Erases the regions that changed or moved; returns the mask with every
// region whose previous place an erase overlapped.
int erase_changed(Vex3dGraph *g, int mask, const Rect &area, Rect &changed) {
  const Vex3dDrawOps &ops = *g->draw_ops;
  for (const PageRegion &region : kPageRegions) {
    const Rect &previous = region.previous(*g);
    if (!(mask & region.bit) && same_rect(region.current(*g), previous)) continue;
    mask |= region.bit;
    const Rect erased = erased_rect(g, region, previous);
    ops.setsolidfill(g, g->background.color);
    ops.primitives[0].fillrectangle(g, erased.x, erased.y, erased.width, erased.height);
    draw_whole_area_picture(g, area, erased);
    changed = united_rect(changed, erased);
    for (const PageRegion &other : kPageRegions)
      if (other.bit != region.bit && overlaps(other.previous(*g), erased)) mask |= other.bit;
  }
  return mask;
}

// Adds the bits of the regions after `region` in drawing order whose
// current rectangles overlap it: drawn over, they are drawn again on top.
int pull_in_overlapping(Vex3dGraph *g, int mask, const PageRegion &region) {
  bool after = false;
  for (const PageRegion &other : kPageRegions) {
    if (after && overlaps(other.current(*g), region.current(*g))) mask |= other.bit;
    after = after || other.bit == region.bit;
  }
  return mask;
}

void draw_chart_area(Vex3dGraph *g) {
  if (output_state(g).page.cube_only)
    draw_empty_chart(g);
  else
    draw_chart(g);
  const Rect &r = g->graph_rect;
  Vex3dDrawBorder(g, r.x, r.y, r.width, r.height, g->graph_border, g->graph_border_width,
                  &region_background(g, g->graph_background), region_foreground(g, g->graph_foreground), 0);
}

void draw_region(Vex3dGraph *g, int bit) {
  switch (bit) {
    case VEX3D_CHANGE_GRAPH: draw_chart_area(g); break;
    case VEX3D_CHANGE_HEADER: draw_title(g, g->header); break;
    case VEX3D_CHANGE_FOOTER: draw_title(g, g->footer); break;
    case VEX3D_CHANGE_LEGEND: draw_legend(g); break;
    default: break;
  }
}

// The whole-area border: its band covers the margin between the extra inset
// and the inner area of the layout.
void draw_whole_area_border(Vex3dGraph *g, const Rect &area) {
  if (g->border_width <= 0) return;
  Vex3dDrawBorder(g, area.x, area.y, area.width, area.height, g->border, g->border_width, &g->background, g->foreground,
                  0);
}

}  // namespace

PageDrawing draw_page(Vex3dGraph *g, int mask) {
  PageDrawing result;
  if (!g || !g->draw_ops || !current_context(g)) return result;
  OutputState &out = output_state(g);
  for (int attempt = 0; attempt < 2; ++attempt) {
    mask |= g->change_mask;
    // A label attached by pixel may lie over any region: a drawing that
    // left any region alone could leave it half covered.
    if (mask != 0 && mask != VEX3D_CHANGE_ALL && has_pixel_label(g)) mask = VEX3D_CHANGE_ALL;
    if (prepare(g, mask)) break;
  }
  if (mask == 0) return result;
  ++out.page_drawings;
  const Vex3dDrawOps &ops = *g->draw_ops;
  const int inset = out.page.extra_inset;
  const Rect area = picture_area(g, inset);
  const bool full = mask == VEX3D_CHANGE_ALL;

  ops.setclip(g, nullptr);
  ops.setfillstyle(g, VEX3D_FILL_SOLID);
  if (full) {
    ops.setsolidfill(g, g->background.color);
    ops.setbackground(g, g->background.color);
    ops.primitives[0].fillrectangle(g, 0, 0, g->width, g->height);
    if (g->image.file) {
      ops.setclip(g, &area);
      draw_whole_area_picture(g, area, area);
      ops.setclip(g, nullptr);
    }
    result.changed = Rect{0, 0, g->width, g->height};
  } else {
    mask = erase_changed(g, mask, area, result.changed);
  }

  for (const PageRegion &region : kPageRegions) {
    if (!(mask & region.bit)) continue;
    if (!full) mask = pull_in_overlapping(g, mask, region);
    result.changed = united_rect(result.changed, region.current(*g));
    draw_region(g, region.bit);
  }
  draw_pixel_labels(g);
  draw_whole_area_border(g, area);

  for (const PageRegion &region : kPageRegions) region.previous(*g) = region.current(*g);
  result.changed = clipped_rect(result.changed, Rect{0, 0, std::max(0, g->width), std::max(0, g->height)});
  ops.setsolidfill(g, kPlatformWhite);
  ops.setsolidline(g, kPlatformBlack);
  g->change_mask = mask;
  result.mask = mask;
  result.drawn = true;
  return result;
}

}  // namespace vex3d
