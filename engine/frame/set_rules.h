// The vocabulary of the resource table's rule column: how a new value is
// checked and what a change sets off. Each rule is a constexpr value; the
// table combines a check with effects, e.g. `plain() | kDropLevels`.
#pragma once

#include <cstdint>

namespace vex3d {

enum class Check : std::uint8_t {
  kNone,
  kClamp,         // into [a, b]
  kClampWarn,     // below a becomes a, above b becomes c, with a message naming `what`
  kAtLeast,       // refused below a
  kPositive,      // refused unless above 0
  kWithin,        // refused outside [a, b]
  kAbsolute,      // a negative value becomes its magnitude
  kReadOnly,      // a set changes nothing
  kMasked,        // only the bits of a are kept
  kNonNegative,   // a negative value becomes 0
  kUnsetBecomes,  // COLOR_UNSET becomes a
  kObsolete,      // refused as an unknown resource
  kReplace,       // a becomes b
  kOneOf,         // anything other than a or b becomes a
};

// Side effects of a change, applied after the new value is stored.
enum Effect : std::uint32_t {
  kRebuildBuffer = 1u << 0,      // the off-screen buffer follows WIDTH x HEIGHT
  kDropLevels = 1u << 1,         // the levels in use are out of date
  kDataRanges = 1u << 2,         // ranges and viewing portion are recomputed
  kRecolorGrid = 1u << 3,        // default grid-line styles take the foreground colour
  kClearsCompanion = 1u << 4,    // the companion use-default flag is cleared
  kClearsIfSet = 1u << 5,        // ... unless the value is VALUE_UNSET
  kOnlySwitchingOn = 1u << 6,    // switching off stores the flag but adds no bits
  kDataStylesDefault = 1u << 7,  // switching on drops the caller's data styles
  kGridStyleDefault = 1u << 8,   // switching on restores the default grid-line style
  kAttachMethodBits = 1u << 9,   // a change to or from AttachPixel redraws everything
  kBackgroundRecord = 1u << 10,  // the device values cached for the colour are reset
  kSurfaceData = 1u << 11,       // the surface data is prepared again
  kZoneData = 1u << 12,          // the zone data is prepared again
};

struct Rule {
  Check check = Check::kNone;
  double a = 0, b = 0, c = 0;
  const char *what = nullptr;
  std::uint32_t effects = 0;
  int companion = 0;  // resource identifier an effect acts on
};

struct Effects {
  std::uint32_t flags;
  int companion;
};

constexpr Rule operator|(Rule r, Effect e) {
  r.effects |= e;
  return r;
}
constexpr Rule operator|(Rule r, Effects e) {
  r.effects |= e.flags;
  r.companion = e.companion;
  return r;
}

constexpr Rule plain() { return Rule{}; }
constexpr Rule clamp(double lo, double hi) { return Rule{Check::kClamp, lo, hi}; }
constexpr Rule clamp_warn(int lo, int hi, int above, const char *what) {
  return Rule{Check::kClampWarn, double(lo), double(hi), double(above), what};
}
constexpr Rule at_least(double lo) { return Rule{Check::kAtLeast, lo}; }
constexpr Rule positive() { return Rule{Check::kPositive}; }
constexpr Rule within(double lo, double hi) { return Rule{Check::kWithin, lo, hi}; }
constexpr Rule absolute() { return Rule{Check::kAbsolute}; }
constexpr Rule read_only() { return Rule{Check::kReadOnly}; }
constexpr Rule masked(int bits) { return Rule{Check::kMasked, double(bits)}; }
constexpr Rule non_negative() { return Rule{Check::kNonNegative}; }
constexpr Rule unset_becomes(int color) { return Rule{Check::kUnsetBecomes, double(color)}; }
constexpr Rule obsolete() { return Rule{Check::kObsolete}; }
constexpr Rule replace(int from, int to) { return Rule{Check::kReplace, double(from), double(to)}; }
constexpr Rule one_of(int a, int b) { return Rule{Check::kOneOf, double(a), double(b)}; }

constexpr Effects clears(int use_default_id) { return Effects{kClearsCompanion, use_default_id}; }
constexpr Effects restores_grid_style(int line_style_id) { return Effects{kGridStyleDefault, line_style_id}; }
constexpr Effects clears_if_set(int use_default_id) {
  return Effects{kClearsCompanion | kClearsIfSet | kDropLevels, use_default_id};
}

}  // namespace vex3d
