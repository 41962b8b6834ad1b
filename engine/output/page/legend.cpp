// The legend's size and arrangement: entry width and row height from the
// label columns, a grid of rows and columns that fits the window along the
// legend's anchor, margins for the border and the title.
#include <algorithm>

#include "border.h"
#include "legend.h"
#include "legend_entries.h"
#include "output_state.h"
#include "w_render.h"

namespace vex3d {
namespace {

constexpr int kNorth = 16, kSouth = 32;

bool continuous(LegendKind kind) {
  return kind == LegendKind::kContinuousHorizontal || kind == LegendKind::kContinuousVertical;
}

// Marks the entries that take a place in the grid: those with a label and,
// for the continuous kinds, every band between the first and last labelled.
int place_entries(LegendContent &content, std::vector<bool> &placed) {
  const auto &entries = content.entries;
  placed.assign(entries.size(), false);
  int first = -1, last = -1;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].label.empty()) {
      if (first < 0) first = static_cast<int>(i);
      last = static_cast<int>(i);
    }
  int n = 0;
  for (int i = std::max(first, 0); first >= 0 && i <= last; ++i) {
    placed[static_cast<std::size_t>(i)] =
        continuous(content.kind) || !entries[static_cast<std::size_t>(i)].label.empty();
    n += placed[static_cast<std::size_t>(i)];
  }
  return n;
}

void measure_columns(Vex3dGraph *g, LegendContent &content) {
  content.column_widths.clear();
  g->draw_ops->setfont(g, &g->legend_font);
  for (const LegendEntry &e : content.entries) {
    if (e.label.empty()) continue;
    if (content.column_widths.size() < e.pieces.size()) content.column_widths.resize(e.pieces.size(), 0);
    for (std::size_t j = 0; j < e.pieces.size(); ++j)
      content.column_widths[j] =
          std::max(content.column_widths[j], g->draw_ops->textwidth(g, e.pieces[j].text.c_str()));
  }
  long long total = 0;
  for (int w : content.column_widths) total += w;
  content.label_width = static_cast<int>(std::min<long long>(total, 1 << 24));
}

// Integer division as the arrangement does it, with no division by zero.
int divided(long long a, long long b) { return b > 0 ? static_cast<int>(a / b) : 0; }

Size arrange(Vex3dGraph *g, LegendContent &c, int n) {
  const int h = g->legend_font.height, w = g->legend_font.typical_width;
  const bool horizontal_bands = c.kind == LegendKind::kContinuousHorizontal;
  const long long label = c.label_width;
  long long entry = horizontal_bands ? label + 2 * w : label + (c.kind == LegendKind::kSeries ? 4 : 6) * w;
  long long row = horizontal_bands ? 2 * h : h;
  long long margin_x = horizontal_bands ? entry / 2 + 2 * w : 0;
  long long margin_y = c.kind == LegendKind::kContinuousVertical ? h + h / 2 : h;
  const int room = legend_border_allowance(g->legend_border, g->legend_border_width);
  margin_x += room, margin_y += room;

  const bool vertical = g->legend_orientation != Vex3dAlignHorizontal;
  const int min_rows = vertical ? 3 : 1, min_columns = vertical ? 1 : 2;
  long long rows, columns;
  if (g->legend_anchor == kNorth || g->legend_anchor == kSouth) {
    columns = std::max(divided(g->width - h - margin_x, entry), min_columns);
    rows = std::max(divided(n - 1, columns) + 1, min_rows);
    columns = divided(n - 1, rows) + 1;
    rows = divided(n - 1, columns) + 1;
  } else {
    rows = std::max(divided(g->height - h - margin_y, row), min_rows);
    columns = std::max(divided(n - 1, rows) + 1, min_columns);
    rows = divided(n - 1, columns) + 1;
    columns = divided(n - 1, rows) + 1;
  }
  if (c.kind == LegendKind::kContinuousVertical && columns == 1) margin_y -= h / 2;
  if (horizontal_bands && rows == 1) margin_x -= entry / 2;
  if (n <= 0 || rows <= 0 || columns <= 0 || entry <= 0 || row <= 0) return Size{};

  long long width = columns * entry + margin_x, height = rows * row + margin_y;
  c.title_room = 0;
  if (g->legend_title && !g->legend_title->empty()) {
    c.title_room = h + h / 2;
    height += c.title_room;
    width = std::max<long long>(width, g->draw_ops->textwidth(g, g->legend_title->c_str()) + w / 2 + margin_x);
  }
  constexpr long long kCap = 1 << 20;  // beyond any page; the layout drops sizes above 32767
  c.entry_width = static_cast<int>(std::min(entry, kCap)), c.row_height = static_cast<int>(std::min(row, kCap));
  c.margin_x = static_cast<int>(std::min(margin_x, kCap)), c.margin_y = static_cast<int>(std::min(margin_y, kCap));
  c.rows = static_cast<int>(rows), c.columns = static_cast<int>(columns);
  return Size{static_cast<int>(std::min(width, kCap)), static_cast<int>(std::min(height, kCap))};
}

}  // namespace

Size size_legend(Vex3dGraph *g) {
  LegendContent &c = output_state(g).page.legend;
  c = LegendContent{};
  c.kind = legend_kind(g);
  if (c.kind == LegendKind::kNone) return Size{};
  build_legend_entries(g, c.kind, c);
  std::vector<bool> placed;
  const int n = place_entries(c, placed);
  for (std::size_t i = 0; i < placed.size(); ++i)
    if (!placed[i]) c.entries[i].pieces.clear();  // neither counted nor drawn
  c.labelled = n;
  measure_columns(g, c);
  const Size size = arrange(g, c, n);
  if (size.width == 0) c.rows = c.columns = 0;
  return size;
}

}  // namespace vex3d
