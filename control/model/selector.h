// Resource selectors: which engine resource a member of a model class reaches
// under each owner. One table per class; a row gives, for one selector kind,
// the resource under each (part tag, index) that has one, so that one IBorder
// class reaches HEADER_BORDER under the header and LEGEND_BORDER under the
// legend.
#pragma once

#include <array>
#include <span>

#include "model_object.h"
#include "restable.h"

namespace tc3d {

// Selector kinds: what a member reaches, independent of its owner. Engine
// resource identifiers are type code x 256 with type codes from 1, so every
// kind lies below them and a row's binding can name either.
enum SelectorKind : int {
  kSelectBorderType = 1,
  kSelectBorderWidth,
  kSelectBackgroundColor,
  kSelectForegroundColor,
  kSelectImageFile,
  kSelectImageLayout,
  kSelectImageMinimumSize,
  kSelectPosition,            // ILocation's coordinates (index: which one)
  kSelectPositionUseDefault,  // and their use-default resources
  kSelectAdjust,
  kSelectFont,
  kSelectLines,       // a label's text as lines of a string list (titles)
  kSelectLabelText,   // a label's text as one string (legend title, axis titles)
  kSelectProjection,  // a projection's resource (index: the cube face)
  kSelectListItem,    // a label's text as one item of a string list (index: its position)
  kSelectAxisShow,
  kSelectAnnotationMethod,
  kSelectOrigin,
  kSelectBound,            // an axis minimum or maximum (index: which one)
  kSelectBoundUseDefault,  // and its use-default resource
  kSelectGridPlanes,
  kSelectLineStyle,
  kSelectStrokeFont,  // a cube font's stroke font (index: annotation or title)
  kSelectStrokeSize,
  kSelectValueLabels,  // an axis's value-label list (a label's index: its position)
  kSelectAttachSeries,  // a data index's series and point
  kSelectAttachPoint,
  kSelectLimit = 256,
};

// Any index of an owner.
constexpr int kAnyIndex = -2;

struct SelectorEntry {
  PartTag tag = PartTag::kNone;
  int index = kAnyIndex;
  int resource = 0;
};

constexpr int kMaxSelectorEntries = 16;

struct SelectorRow {
  int kind = 0;
  std::array<SelectorEntry, kMaxSelectorEntries> entries{};

  // The row with one more entry, in its first free place.
  constexpr SelectorRow with(SelectorEntry entry) const {
    SelectorRow r = *this;
    for (SelectorEntry &e : r.entries)
      if (e.tag == PartTag::kNone) {
        e = entry;
        return r;
      }
    throw "a selector row has no room for another entry";
  }
};

// A row from its entries.
template <class... Entries>
constexpr SelectorRow row(int kind, Entries... entries) {
  SelectorRow r{kind, {}};
  ((r = r.with(entries)), ...);
  return r;
}

// The families of resources one per owner: the whole control, header,
// footer, legend, chart area and chart label (0 where the owner has none).
constexpr SelectorRow family(int kind, int control, int header, int footer, int legend, int chart_area,
                             int chart_label) {
  return SelectorRow{kind,
                     {{{PartTag::kControl, kAnyIndex, control},
                       {PartTag::kHeader, kAnyIndex, header},
                       {PartTag::kFooter, kAnyIndex, footer},
                       {PartTag::kLegend, kAnyIndex, legend},
                       {PartTag::kChartArea, kAnyIndex, chart_area},
                       {PartTag::kChartLabel, kAnyIndex, chart_label}}}};
}

// The resources one per axis: X, Y and Z (0 where the axis has none), for
// any index or for one.
constexpr SelectorRow per_axis(int kind, int x, int y, int z, int index = kAnyIndex) {
  return SelectorRow{kind, {{{PartTag::kXAxis, index, x}, {PartTag::kYAxis, index, y}, {PartTag::kZAxis, index, z}}}};
}

// The resource a kind selects under (tag, index); 0 when none. A kind at or
// above kSelectLimit is an engine resource itself.
constexpr int select_resource(std::span<const SelectorRow> rows, int kind, PartTag tag, int index) {
  if (kind >= kSelectLimit) return kind;
  for (const SelectorRow &row : rows) {
    if (row.kind != kind) continue;
    for (const SelectorEntry &e : row.entries)
      if (e.tag == tag && (e.index == kAnyIndex || e.index == index)) return e.resource;
  }
  return 0;
}

}  // namespace tc3d
