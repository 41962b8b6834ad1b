// The legend's kind, entries, number format and label texts.
#include "legend_entries.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "levels.h"

namespace vex3d {
namespace {

bool is_surface(const Vex3dGraph *g) { return g->type == Vex3dTypeSurface; }
bool projected(const Vex3dGraph *g, int bit) { return is_surface(g) && ((g->project_zmin | g->project_zmax) & bit); }
bool zones_shown(const Vex3dGraph *g) { return g->draw_zones || projected(g, Vex3dProjectZones); }
bool contours_shown(const Vex3dGraph *g) { return g->draw_contours || projected(g, Vex3dProjectContours); }
bool mesh_zones(const Vex3dGraph *g) {
  return g->draw_zones && g->draw_mesh && !g->draw_shaded && !projected(g, Vex3dProjectZones);
}

std::string format_number(const std::string &format, double v) {
  char text[512];
  std::snprintf(text, sizeof text, format.c_str(), v);
  return text;
}

std::string with_digits(const char *pattern, int digits) {
  char format[32];
  std::snprintf(format, sizeof format, pattern, std::clamp(digits, 0, 30));
  return format;
}

// Digits after the point of a printed number, up to its exponent letter.
int digits_after_point(const char *text) {
  const char *point = std::strchr(text, '.');
  if (!point) return 0;
  int n = 0;
  for (const char *p = point + 1; *p >= '0' && *p <= '9'; ++p) ++n;
  return n;
}

std::string table_format(const std::vector<double> &levels) {
  if (levels.empty()) return with_digits("%%.%df", 0);
  double spacing = (levels.back() - levels.front()) / static_cast<double>(levels.size());
  if (spacing + 1.0 == 1.0) spacing = levels.front();
  const int e = decimal_places(spacing);
  const bool fixed = -5 < e && e < 5;
  int digits = 0;
  for (double v : levels) {
    char text[64];
    std::snprintf(text, sizeof text, fixed ? "%.12G" : "%4G", v);
    digits = std::max(digits, digits_after_point(text));
  }
  return with_digits(fixed ? "%%.%df" : "%%.%dE", digits);
}

std::string computed_format(const Vex3dGraph *g, int levels) {
  const double dmin = g->ranges.distn_min, dmax = g->ranges.distn_max;
  const double step = (dmax - dmin) / (levels + 1);
  if (step == 0 || !std::isfinite(step)) {
    // All data at one value: the minimum's places are looked at, one decimal is used.
    return with_digits("%%.%dlf", 1);
  }
  const int d = decimal_places(step);
  const int q = std::min(decimal_places(dmin), decimal_places(dmax));
  if (-6 < d && (d < 1 || q < 5)) return with_digits("%%.%dlf", std::max(d + 1, 0));
  return with_digits("%%.%dlE", d - q + 1);
}

// Decimals of a fixed format ("%.3f", "%.3lf"), or -1 for another.
int fixed_decimals(const std::string &format) {
  if (format.empty() || (format.back() != 'f')) return -1;
  return std::atoi(format.c_str() + 2);
}

// Tolerant floor and ceiling at `decimals` places: a value a hair below a
// round number stays on it.
double round_outward(double v, int decimals, bool up) {
  const double scale = std::pow(10.0, decimals);
  const double scaled = v * scale;
  const double tolerance = 1e-9 * std::max(1.0, std::fabs(scaled));
  return (up ? std::ceil(scaled - tolerance) : std::floor(scaled + tolerance)) / scale;
}

std::string built_label(LegendKind kind, const std::string &format, double lo, double hi) {
  switch (kind) {
    case LegendKind::kSteppedZones:
    case LegendKind::kMeshZones: return "\\r" + format_number(format, lo) + "\\c .. \\r" + format_number(format, hi);
    case LegendKind::kContours: return "\\r" + format_number(format, hi);
    case LegendKind::kContinuousHorizontal: return "\\c" + format_number(format, lo);
    case LegendKind::kContinuousVertical: return "\\r" + format_number(format, lo);
    default: return std::string();
  }
}

bool continuous(LegendKind kind) {
  return kind == LegendKind::kContinuousHorizontal || kind == LegendKind::kContinuousVertical;
}

// The value a listed position stands for, and its index among the levels
// (-1: the distribution maximum appended after them).
struct Value {
  double v;
  int level;
};

std::vector<Value> listed_values(Vex3dGraph *g, LegendKind kind) {
  const std::vector<double> &levels = levels_in_use(g);
  const bool table = levels_from_table(g);
  const LevelSpan span = legend_levels(g);
  const int filter = std::max(1, g->legend_label_filter);
  std::vector<Value> values;
  const bool narrowed = table && g->legend_distn_range == Vex3dDistnRangeData;
  int first = span.first;
  if (!narrowed && kind == LegendKind::kContours) first = std::max(first, 1);
  for (int k = first; k <= span.last; k += filter) values.push_back({levels[static_cast<std::size_t>(k)], k});
  if (narrowed && span.last >= span.first && (values.empty() || values.back().level != span.last))
    values.push_back({levels[static_cast<std::size_t>(span.last)], span.last});
  if (kind != LegendKind::kContours && !table) values.push_back({g->ranges.distn_max, -1});
  return values;
}

}  // namespace

LegendKind legend_kind(const Vex3dGraph *g) {
  const Vex3dDataInfo &data = g->surface_info;
  if (!g->legend_show || !g->surface_data || !data.valid || data.empty) return LegendKind::kNone;
  if (g->type == Vex3dTypeScatter) return LegendKind::kSeries;
  if (mesh_zones(g)) return LegendKind::kMeshZones;
  if (zones_shown(g)) {
    if (g->legend_style == Vex3dLegendStyleStepped) return LegendKind::kSteppedZones;
    return g->legend_orientation == Vex3dAlignHorizontal ? LegendKind::kContinuousHorizontal
                                                         : LegendKind::kContinuousVertical;
  }
  if (contours_shown(g)) return LegendKind::kContours;
  return LegendKind::kNone;
}

std::string legend_label_format(Vex3dGraph *g) {
  const std::vector<double> &levels = levels_in_use(g);
  if (levels_from_table(g)) return table_format(levels);
  return computed_format(g, static_cast<int>(levels.size()));
}

std::vector<LabelPiece> split_label(const std::string &label) {
  std::vector<LabelPiece> pieces(1);
  for (std::size_t k = 0; k < label.size(); ++k) {
    if (label[k] == '\\' && k + 1 < label.size() && std::strchr("rlc", label[k + 1])) {
      const char e = label[++k];
      pieces.push_back({e == 'r' ? ColumnAlign::kRight : e == 'c' ? ColumnAlign::kCentre : ColumnAlign::kLeft, ""});
    } else {
      pieces.back().text += label[k];
    }
  }
  return pieces;
}

void build_legend_entries(Vex3dGraph *g, LegendKind kind, LegendContent &content) {
  content.entries.clear();
  if (g->legend_label_filter < 1) g->legend_label_filter = 1;  // stored back
  if (kind == LegendKind::kSeries) {
    const int count = std::min(g->surface_info.nseries, g->legend_strings.count());
    for (int s = 0; s < count; ++s) {
      LegendEntry e;
      e.zone = s;
      e.label = g->legend_strings.items()[static_cast<std::size_t>(s)];
      e.pieces = split_label(e.label);
      content.entries.push_back(std::move(e));
    }
    return;
  }
  if (kind == LegendKind::kNone) return;
  const std::vector<Value> values = listed_values(g, kind);
  const int levels = static_cast<int>(levels_in_use(g).size());
  const bool table = levels_from_table(g);
  const std::string format = legend_label_format(g);
  const bool beyond = kind == LegendKind::kContours || continuous(kind);
  const std::size_t count = values.size() + (beyond ? 1 : 0);
  double dmin = g->ranges.distn_min, dmax = g->ranges.distn_max;
  if (table) {
    const int decimals = fixed_decimals(format);
    if (decimals >= 0) dmin = round_outward(dmin, decimals, false), dmax = round_outward(dmax, decimals, true);
  }
  const StringList &strings = g->legend_strings;
  for (std::size_t i = 0; i < count; ++i) {
    LegendEntry e;
    const bool past = i == values.size();
    e.lo = i == 0 ? dmin : values[i - 1].v;
    e.hi = past ? dmax : values[i].v;
    // The zones between the bounding levels; the swatch shows the middle one.
    const int zone_lo = i == 0 ? 0 : values[i - 1].level < 0 ? levels : values[i - 1].level + 1;
    const int zone_hi = past || values[i].level < 0 ? levels : values[i].level;
    e.zone = kind == LegendKind::kContours ? std::min(zone_hi, levels) : (zone_lo + zone_hi) / 2;
    if (!(i == 0 && e.hi < e.lo)) e.label = built_label(kind, format, e.lo, e.hi);
    if (strings.count() > 0)
      e.label = i < static_cast<std::size_t>(strings.count()) ? strings.items()[i] : std::string();
    if (g->legend_label_func) {
      const char *given = g->legend_label_func(g, static_cast<int>(i), e.lo, e.hi, e.label.c_str());
      e.label = given ? given : "";  // copied; the function keeps its text
      if (e.label.empty() && continuous(kind)) e.label = " ";
    }
    e.pieces = split_label(e.label);
    content.entries.push_back(std::move(e));
  }
}

}  // namespace vex3d
