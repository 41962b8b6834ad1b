// Drawing the legend: background, picture, border and title, then each
// entry at its place in the grid (highest interval first) with its label
// columns and its swatch.
#include <algorithm>

#include "border.h"
#include "defaults.h"
#include "hdft.h"
#include "legend.h"
#include "levels.h"
#include "output_state.h"
#include "styles.h"
#include "symbols.h"
#include "w_render.h"

namespace vex3d {
namespace {

struct Cell {
  int x, y;  // the entry's top left
};

struct LegendPainter {
  Vex3dGraph *g;
  const LegendContent &c;
  int foreground;
  int h, w, a;  // line height, typical character width, ascent

  Vex3dContourStyle style_of(int zone) const {
    const auto &styles = g->contour_styles.items();
    if (styles.empty()) return Vex3dContourStyle{0, 0, 1, Vex3dLpatSolid};
    const int levels = static_cast<int>(levels_in_use(g).size());
    const int k = style_of_level(static_cast<int>(styles.size()), levels, std::clamp(zone, 0, levels));
    return styles[static_cast<std::size_t>(std::clamp<int>(k, 0, static_cast<int>(styles.size()) - 1))];
  }

  void line(int x0, int y0, int x1, int y1, int color, int width, int pattern) {
    g->draw_ops->setforeground(g, color);
    g->draw_ops->setdashes(g, pattern, 0, 0, nullptr);
    g->draw_ops->setlineattributes(g, width, pattern == Vex3dLpatSolid ? VEX3D_LINE_SOLID : VEX3D_LINE_DASHED,
                                   VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
    g->draw_ops->primitives[0].drawline(g, x0, y0, x1, y1);
    Vex3dSetDrawingMode(g, VEX3D_MODE_NEUTRAL, 0);
  }

  void fill(int x, int y, int width, int height, int color) {
    g->draw_ops->setsolidfill(g, color);
    g->draw_ops->primitives[0].fillrectangle(g, x, y, width, height);
  }

  void swatch(const LegendEntry &e, Cell at) {
    const int swatch_width = 3 * w;
    switch (c.kind) {
      case LegendKind::kSteppedZones:
        fill(at.x, at.y, swatch_width, a, style_of(e.zone).fill_color);
        g->draw_ops->setforeground(g, foreground);
        g->draw_ops->primitives[0].drawrectangle(g, at.x, at.y, swatch_width, a);
        break;
      case LegendKind::kMeshZones:
        line(at.x, at.y + a / 2, at.x + swatch_width, at.y + a / 2, style_of(e.zone).fill_color, 1, Vex3dLpatSolid);
        break;
      case LegendKind::kContours: {
        const Vex3dContourStyle s = style_of(e.zone);
        if (s.line_pattern != Vex3dLpatNone)
          line(at.x, at.y + a / 2, at.x + swatch_width, at.y + a / 2, s.line_color, s.line_width, s.line_pattern);
        break;
      }
      case LegendKind::kContinuousHorizontal: fill(at.x, at.y, c.entry_width, h, style_of(e.zone).fill_color); break;
      case LegendKind::kContinuousVertical: fill(at.x, at.y, swatch_width, h, style_of(e.zone).fill_color); break;
      case LegendKind::kSeries: series_swatch(e.zone, at); break;
      default: break;
    }
  }

  void series_swatch(int series, Cell at) {
    const auto &styles = g->data_styles.styles.items();
    const Vex3dDataStyle &style = series < static_cast<int>(styles.size()) ? styles[static_cast<std::size_t>(series)]
                                                                           : builtin_data_style(series);
    const int x = at.x + w;
    if (g->draw_drop_lines && style.line.pattern != Vex3dLpatNone)
      line(x, at.y, x, at.y + h, style.line.color != COLOR_UNSET ? style.line.color : foreground, style.line.width,
           style.line.pattern);
    const int size = std::min(style.symbol_size, 2 * h / 3);
    draw_symbol(g, *g->draw_ops, symbol_geometry(style.symbol, size, DevicePoint{x, at.y + h / 2}),
                style.symbol_color != COLOR_UNSET ? style.symbol_color : foreground);
  }

  int label_offset() const {
    switch (c.kind) {
      case LegendKind::kContinuousHorizontal: return c.entry_width / 2 + w;
      case LegendKind::kSeries: return 2 * w;
      default: return 4 * w;
    }
  }

  int label_baseline(Cell at) const {
    if (c.kind == LegendKind::kContinuousHorizontal) return at.y + h + a;    // a line below the band
    if (c.kind == LegendKind::kContinuousVertical) return at.y + h / 2 + a;  // at the band's lower edge
    return at.y + a;
  }

  void label(const LegendEntry &e, Cell at) {
    g->draw_ops->setfont(g, &g->legend_font);
    g->draw_ops->setforeground(g, foreground);
    long long left = 1LL * at.x + label_offset();
    const int baseline = label_baseline(at);
    for (std::size_t j = 0; j < e.pieces.size() && j < c.column_widths.size(); ++j) {
      const LabelPiece &p = e.pieces[j];
      const int width = c.column_widths[j];
      if (!p.text.empty()) {
        const long long x = p.align == ColumnAlign::kRight    ? left + width
                            : p.align == ColumnAlign::kCentre ? left + width / 2
                                                              : left;
        const int alignment = p.align == ColumnAlign::kRight    ? VEX3D_ALIGN_RIGHT
                              : p.align == ColumnAlign::kCentre ? VEX3D_ALIGN_CENTER
                                                                : VEX3D_ALIGN_LEFT;
        g->draw_ops->drawstring_aligned(g, static_cast<int>(std::clamp<long long>(x, -(1 << 30), 1 << 30)), baseline,
                                        p.text.c_str(), alignment);
      }
      left += width;
    }
  }
};

}  // namespace

std::vector<const LegendEntry *> legend_draw_order(const LegendContent &c) {
  std::vector<const LegendEntry *> order;
  for (const LegendEntry &e : c.entries)
    if (!e.pieces.empty()) order.push_back(&e);
  if (c.kind != LegendKind::kSeries) std::reverse(order.begin(), order.end());
  const std::size_t room =
      static_cast<std::size_t>(std::max(c.rows, 0)) * static_cast<std::size_t>(std::max(c.columns, 0));
  if (order.size() > room) order.resize(room);
  return order;
}

void draw_legend(Vex3dGraph *g) {
  LegendContent &c = output_state(g).page.legend;
  const Rect &r = g->legend_rect;
  if (c.kind == LegendKind::kNone || c.rows <= 0 || c.columns <= 0 || r.width <= 0 || r.height <= 0) return;
  Vex3dSetDrawingMode(g, VEX3D_MODE_NEUTRAL, 0);
  if (g->legend_background.color != COLOR_UNSET) {
    g->draw_ops->setsolidfill(g, g->legend_background.color);
    g->draw_ops->primitives[0].fillrectangle(g, r.x, r.y, r.width, r.height);
  }
  if (g->legend_image.file)
    g->draw_ops->drawimage(g, &g->legend_image, r.x, r.y, r.width, r.height, r.x, r.y, r.width, r.height);
  const int foreground = region_foreground(g, g->legend_foreground);
  Vex3dDrawBorder(g, r.x, r.y, r.width, r.height, g->legend_border, g->legend_border_width,
                  &region_background(g, g->legend_background), foreground, 0);

  const FontRecord &font = g->legend_font;
  LegendPainter p{g, c, foreground, font.height, font.typical_width, font.ascent};
  const int top = r.y + c.margin_y / 2;
  if (c.title_room > 0) {
    g->draw_ops->setfont(g, &g->legend_font);
    g->draw_ops->setforeground(g, foreground);
    g->draw_ops->drawstring_aligned(g, r.x + r.width / 2, top + font.ascent, g->legend_title->c_str(),
                                    VEX3D_ALIGN_CENTER);
  }
  for_each_placed_entry(g, [&](const LegendEntry &e, int x, int y) {
    p.swatch(e, Cell{x, y});
    if (!e.label.empty()) p.label(e, Cell{x, y});
  });
}

void for_each_placed_entry(Vex3dGraph *g, FunctionRef<void(const LegendEntry &, int x, int y)> visit) {
  const LegendContent &c = output_state(g).page.legend;
  const Rect &r = g->legend_rect;
  if (c.kind == LegendKind::kNone || c.rows <= 0 || c.columns <= 0 || r.width <= 0 || r.height <= 0) return;
  const int x0 = r.x + c.margin_x / 2, y0 = r.y + c.margin_y / 2 + c.title_room;
  const bool by_columns = g->legend_orientation != Vex3dAlignHorizontal;
  const std::vector<const LegendEntry *> order = legend_draw_order(c);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const int kk = static_cast<int>(k);
    const int column = by_columns ? kk / c.rows : kk % c.columns, row = by_columns ? kk % c.rows : kk / c.columns;
    visit(*order[k], x0 + column * c.entry_width, y0 + row * c.row_height);
  }
}

int legend_series_at(Vex3dGraph *g, int px, int py) {
  const LegendContent &c = output_state(g).page.legend;
  if (c.kind != LegendKind::kSeries) return -1;
  int series = -1;
  for_each_placed_entry(g, [&](const LegendEntry &e, int x, int y) {
    if (px >= x && px < x + c.entry_width && py >= y && py < y + c.row_height) series = e.zone;
  });
  return series;
}

}  // namespace vex3d
