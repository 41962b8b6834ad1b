#include "pen_rules.h"

#include <algorithm>
#include <array>
#include <span>

#include "draw_codes.h"
#include "restable.h"

namespace vex3d {
namespace {

// The simple pen styles of a context without user dashes.
enum class SimpleStyle { kSolid, kDash, kDot, kDashDot, kDashDotDot };

// On and off lengths for a pen one pixel wide; unused entries are 0.
using Dashes = std::array<double, 6>;

std::span<const double> used(const Dashes &d) {
  std::size_t n = 0;
  while (n < d.size() && d[n] > 0) ++n;
  return std::span<const double>(d.data(), n);
}

struct LinePatternRow {
  int pattern;
  SimpleStyle simple;
  Dashes dashes;
};

// Every line pattern: the simple style it maps to, and its own dashes.
constexpr LinePatternRow kLinePatterns[] = {
    {Vex3dLpatNone, SimpleStyle::kSolid, {}},
    {Vex3dLpatSolid, SimpleStyle::kSolid, {}},
    {Vex3dLpatLongDash, SimpleStyle::kDash, {12, 6}},
    {Vex3dLpatDotted, SimpleStyle::kDot, {2, 3}},
    {Vex3dLpatShortDash, SimpleStyle::kDashDot, {5, 4}},
    {Vex3dLpatLslDash, SimpleStyle::kDashDotDot, {12, 4, 4, 4}},
    {Vex3dLpatDashDot, SimpleStyle::kDashDot, {9, 4, 2, 4}},
};

struct SimpleStyleRow {
  SimpleStyle style;
  Dashes dashes;
};

constexpr SimpleStyleRow kSimpleStyles[] = {
    {SimpleStyle::kSolid, {}},
    {SimpleStyle::kDash, {18, 6}},
    {SimpleStyle::kDot, {3, 3}},
    {SimpleStyle::kDashDot, {9, 6, 3, 6}},
    {SimpleStyle::kDashDotDot, {9, 3, 3, 3, 3, 3}},
};

// Dashes of a dashed pen that was never given any.
constexpr double kDefaultDashes[] = {4, 4};

const LinePatternRow *find_pattern(int pattern) {
  for (const LinePatternRow &row : kLinePatterns)
    if (row.pattern == pattern) return &row;
  return nullptr;
}

std::span<const double> simple_dashes(SimpleStyle style) {
  for (const SimpleStyleRow &row : kSimpleStyles)
    if (row.style == style) return used(row.dashes);
  return {};
}

// Cap 1 has flat ends too.
constexpr int kOtherFlatCap = 1;

platform::Cap cap_of(int cap) {
  if (cap == kOtherFlatCap || cap == VEX3D_CAP_FLAT) return platform::Cap::kFlat;
  if (cap == VEX3D_CAP_ROUND) return platform::Cap::kRound;
  return platform::Cap::kSquare;
}

platform::Join join_of(int join) {
  if (join == VEX3D_JOIN_ROUND) return platform::Join::kRound;
  if (join == VEX3D_JOIN_BEVEL) return platform::Join::kBevel;
  return platform::Join::kMiter;
}

}  // namespace

void apply_line_attributes(PenDescription &pen, int width, int style, int cap, int join, bool metafile) {
  pen.style = style;
  if (metafile) {
    pen.width = std::max(width, 1);
    pen.geometric = pen.width > 1;
    pen.dashed = style != VEX3D_LINE_SOLID && width < 2;
    return;
  }
  if (width < 2 && style == VEX3D_LINE_SOLID) {
    pen.width = 1;
    pen.geometric = false;
    pen.dashed = false;
    pen.dashes.clear();
    pen.pattern_dashes = false;
    return;
  }
  pen.width = std::max(width, 1);
  pen.geometric = true;
  pen.cap = cap;
  pen.join = join;
  pen.dashed = style != VEX3D_LINE_SOLID;
}

void apply_line_pattern(PenDescription &pen, int pattern, int offset, std::span<const int> dashes, bool metafile) {
  const LinePatternRow *row = find_pattern(pattern);
  pen.dash_offset = std::max(offset, 0);
  if (metafile) {
    const auto simple = simple_dashes(row ? row->simple : SimpleStyle::kSolid);
    pen.dashes.assign(simple.begin(), simple.end());
    pen.pattern_dashes = false;
    pen.dashed = !pen.dashes.empty();
    return;
  }
  pen.dashes.clear();
  // Dash lengths below one pixel would make the line vanish or stall.
  for (int d : dashes) pen.dashes.push_back(std::max(d, 1));
  pen.pattern_dashes = pen.dashes.empty();
  if (pen.pattern_dashes && row) {
    const auto own = used(row->dashes);
    pen.dashes.assign(own.begin(), own.end());
  }
  pen.geometric = true;
  pen.width = std::max(pen.width, 1);
  pen.dashed = !pen.dashes.empty();
}

platform::Pen make_pen(const PenDescription &desc) {
  platform::Pen pen;
  pen.color = platform::rgb_of(desc.color);
  pen.thin = !desc.geometric;
  pen.width = pen.thin ? 1 : std::max(desc.width, 1);
  pen.cap = desc.geometric ? cap_of(desc.cap) : platform::Cap::kFlat;
  pen.join = desc.geometric ? join_of(desc.join) : platform::Join::kBevel;
  if (desc.dashed) {
    const double scale = desc.pattern_dashes ? pen.width : 1.0;
    if (desc.dashes.empty()) {
      pen.dashes.assign(std::begin(kDefaultDashes), std::end(kDefaultDashes));
    } else {
      for (double d : desc.dashes) pen.dashes.push_back(d * scale);
    }
    pen.dash_offset = desc.dash_offset * scale;
  }
  return pen;
}

}  // namespace vex3d
