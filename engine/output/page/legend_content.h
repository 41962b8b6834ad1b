// What the legend shows: its kind, its entries with their value intervals
// and labels, and the arrangement its size was computed with.
#pragma once

#include <string>
#include <vector>

namespace vex3d {

// The legend kinds; the values are those the layout command prints.
enum class LegendKind : int {
  kNone = 0,
  kSteppedZones = 1,          // a filled box a zone
  kMeshZones = 2,             // a line in a zone's colour
  kContours = 3,              // a line in a level's contour style
  kContinuousHorizontal = 4,  // adjacent bands in a row, labels below
  kContinuousVertical = 5,    // adjacent bands in a column, labels beside
  kSeries = 6,                // a series' drop line and symbol
};

// One piece of a label: its text and how it sits in its column.
enum class ColumnAlign { kLeft, kRight, kCentre };
struct LabelPiece {
  ColumnAlign align = ColumnAlign::kLeft;
  std::string text;
};

struct LegendEntry {
  double lo = 0, hi = 0;  // the value interval
  int zone = 0;           // the zone (or level, for contours; series) its swatch shows
  std::string label;      // with its column escapes; empty: not counted or drawn
  std::vector<LabelPiece> pieces;
};

struct LegendContent {
  LegendKind kind = LegendKind::kNone;
  std::vector<LegendEntry> entries;  // lowest interval first
  int labelled = 0;                  // entries with a label
  std::vector<int> column_widths;    // the widest piece of each column
  int label_width = 0;
  // The arrangement (legend font units: h height, c typical width).
  int entry_width = 0, row_height = 0;
  int margin_x = 0, margin_y = 0;
  int rows = 0, columns = 0;
  int title_room = 0;  // height the title takes above the entries
};

}  // namespace vex3d
