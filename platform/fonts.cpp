// Font resolution through fontconfig, metrics through FreeType, widths and
// faces through cairo.
#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

#include "font_internal.h"
#include "font_memo.h"
#include "utf8.h"

namespace vex3d::platform {
namespace {

// Resolved fonts stay cached; past this many distinct descriptions the
// cache starts again (fonts in use live on through their references).
constexpr std::size_t kCacheLimit = 512;
constexpr int kBold = 700;
// FreeType renders nothing larger; bigger requests draw at this size.
constexpr double kLargestEmPixels = 16384;

using CacheKey = std::tuple<std::string, int, int, bool, bool, bool>;

struct FontCache {
  std::mutex lock;
  std::map<CacheKey, FontRef> fonts;
};

FontCache &cache() {
  static FontCache *instance = new FontCache;  // lives to process exit: fonts may be in use until then
  return *instance;
}

// Fills the design values from the face's tables.
FaceDesign read_design(FT_Face face) {
  FaceDesign d;
  d.units_per_em = face->units_per_EM > 0 ? face->units_per_EM : 2048;
  d.ascent = face->ascender;
  d.descent = -face->descender;
  d.max_advance = face->max_advance_width;
  d.underline_position = face->underline_position;
  d.underline_thickness = face->underline_thickness;
  const auto *os2 = static_cast<const TT_OS2 *>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 && os2->version != 0xFFFF) {
    // The Windows cell: what a screen font's ascent and descent are measured by.
    if (os2->usWinAscent + os2->usWinDescent > 0) {
      d.ascent = os2->usWinAscent;
      d.descent = os2->usWinDescent;
    }
    d.average_width = os2->xAvgCharWidth;
    d.strikeout_position = os2->yStrikeoutPosition;
    d.strikeout_thickness = os2->yStrikeoutSize;
  }
  if (d.average_width <= 0) {
    if (FT_Load_Char(face, 'x', FT_LOAD_NO_SCALE) == 0) d.average_width = face->glyph->advance.x;
    if (d.average_width <= 0) d.average_width = d.units_per_em / 2;
  }
  if (d.max_advance <= 0) d.max_advance = d.average_width;
  if (d.underline_thickness <= 0) d.underline_thickness = d.units_per_em / 20;
  if (d.underline_position == 0) d.underline_position = -d.units_per_em / 10;
  if (d.strikeout_thickness <= 0) d.strikeout_thickness = d.underline_thickness;
  if (d.strikeout_position <= 0) d.strikeout_position = d.ascent / 3;
  return d;
}

// Reads the design values through a scaled font (cairo holds the face).
bool load_design(Font::Impl &impl) {
  cairo_matrix_t identity, size;
  cairo_matrix_init_identity(&identity);
  cairo_matrix_init_scale(&size, 100, 100);
  cairo_scaled_font_t *scaled = cairo_scaled_font_create(impl.face, &size, &identity, impl.options);
  if (cairo_scaled_font_status(scaled) != CAIRO_STATUS_SUCCESS) {
    cairo_scaled_font_destroy(scaled);
    return false;
  }
  FT_Face face = cairo_ft_scaled_font_lock_face(scaled);
  const bool ok = face != nullptr;
  if (ok) impl.design = read_design(face);
  cairo_ft_scaled_font_unlock_face(scaled);
  cairo_scaled_font_destroy(scaled);
  return ok;
}

// The memo of earlier runs' choices, read at the first request.
FontMemo &memo() {
  static FontMemo *instance = new FontMemo(default_font_memo_path(), font_configuration_fingerprint());
  return *instance;
}

// What a request is remembered by: only these fields change the match.
std::string memo_key(const FontRequest &request) {
  return std::to_string(request.weight) + " " + (request.italic ? "1 " : "0 ") + request.family;
}

// The face to make for a request: remembered, or fontconfig's match.
std::optional<FontChoice> choose(const FontRequest &request) {
  const std::string key = memo_key(request);
  if (std::optional<FontChoice> remembered = memo().find(key)) return remembered;
  std::optional<FontChoice> choice = fontconfig_choice(request);
  if (choice) memo().add(key, *choice);
  return choice;
}

// The pattern cairo makes the face from: the file with what fontconfig
// added for synthetic bold and slant, and none of the machine's rendering
// settings, so that every machine draws alike.
FcPattern *face_pattern(const FontChoice &choice) {
  FcPattern *pattern = FcPatternCreate();
  if (!pattern) return nullptr;
  FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8 *>(choice.file.c_str()));
  FcPatternAddInteger(pattern, FC_INDEX, choice.index);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(choice.family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, choice.fc_weight);
  FcPatternAddInteger(pattern, FC_SLANT, choice.fc_slant);
  FcPatternAddBool(pattern, FC_EMBOLDEN, choice.embolden ? FcTrue : FcFalse);
  if (choice.has_matrix) {
    const FcMatrix matrix{choice.matrix[0], choice.matrix[1], choice.matrix[2], choice.matrix[3]};
    FcPatternAddMatrix(pattern, FC_MATRIX, &matrix);
  }
  return pattern;
}

// The font made from a choice at the request's size and decoration.
std::unique_ptr<Font::Impl> make_font(const FontChoice &choice, const FontRequest &request) {
  auto impl = std::make_unique<Font::Impl>();
  impl->family = choice.family;
  impl->weight = choice.embolden ? kBold : FcWeightToOpenType(choice.fc_weight);
  impl->italic = choice.fc_slant != FC_SLANT_ROMAN || (choice.has_matrix && choice.matrix[1] != 0);
  impl->underline = request.underline;
  impl->strikeout = request.strikeout;
  impl->options = new_text_options();
  FcPattern *pattern = face_pattern(choice);
  if (!pattern) return nullptr;
  impl->face = cairo_ft_font_face_create_for_pattern(pattern);
  FcPatternDestroy(pattern);
  if (cairo_font_face_status(impl->face) != CAIRO_STATUS_SUCCESS || !load_design(*impl)) return nullptr;

  if (request.height < 0) {
    impl->em_pixels = -static_cast<double>(request.height);
  } else if (request.height > 0) {
    const double cell = impl->design.ascent + impl->design.descent;
    impl->em_pixels = cell > 0 ? request.height * impl->design.units_per_em / cell : request.height;
  }
  impl->em_pixels = std::clamp(impl->em_pixels, 1.0, kLargestEmPixels);
  return impl;
}

std::unique_ptr<Font::Impl> resolve(const FontRequest &request) {
  const std::optional<FontChoice> choice = choose(request);
  return choice ? make_font(*choice, request) : nullptr;
}

int round_pixels(double v) {
  if (!(v < 1e9)) return 1000000000;
  if (!(v > -1e9)) return -1000000000;
  return static_cast<int>(std::lround(v));
}

}  // namespace

cairo_font_options_t *new_text_options() {
  cairo_font_options_t *options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  // Unhinted advances: a text measures the same on every context.
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  return options;
}

std::optional<FontChoice> fontconfig_choice(const FontRequest &request) {
  FcPattern *pattern = FcPatternCreate();
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(request.family.c_str()));
  if (request.weight > 0) FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(request.weight));
  FcPatternAddInteger(pattern, FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern *match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;
  FontChoice choice;
  FcChar8 *text = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &text) == FcResultMatch && text)
    choice.file = reinterpret_cast<const char *>(text);
  FcPatternGetInteger(match, FC_INDEX, 0, &choice.index);
  if (FcPatternGetString(match, FC_FAMILY, 0, &text) == FcResultMatch && text)
    choice.family = reinterpret_cast<const char *>(text);
  choice.fc_weight = FC_WEIGHT_REGULAR;
  FcPatternGetInteger(match, FC_WEIGHT, 0, &choice.fc_weight);
  choice.fc_slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_SLANT, 0, &choice.fc_slant);
  FcBool embolden = FcFalse;
  choice.embolden = FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch && embolden;
  FcMatrix *matrix = nullptr;
  if (FcPatternGetMatrix(match, FC_MATRIX, 0, &matrix) == FcResultMatch && matrix) {
    choice.has_matrix = true;
    choice.matrix[0] = matrix->xx, choice.matrix[1] = matrix->xy, choice.matrix[2] = matrix->yx,
    choice.matrix[3] = matrix->yy;
  }
  FcPatternDestroy(match);
  if (choice.file.empty()) return std::nullopt;
  return choice;
}

Font::Impl::~Impl() {
  if (measure_font) cairo_scaled_font_destroy(measure_font);
  if (face) cairo_font_face_destroy(face);
  if (options) cairo_font_options_destroy(options);
}

Font::Font(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Font::~Font() = default;

const std::string &Font::family() const { return impl_->family; }
int Font::weight() const { return impl_->weight; }
bool Font::italic() const { return impl_->italic; }
bool Font::underline() const { return impl_->underline; }
bool Font::strikeout() const { return impl_->strikeout; }
double Font::em_pixels() const { return impl_->em_pixels; }

FontMetrics Font::metrics(double dpi) const {
  const FaceDesign &d = impl_->design;
  const double scale = em_pixels_at(dpi) / d.units_per_em;
  FontMetrics m;
  // Whole pixels that hold the cell: rounded outwards.
  m.ascent = round_pixels(std::ceil(d.ascent * scale - 1e-9));
  m.descent = round_pixels(std::ceil(d.descent * scale - 1e-9));
  m.height = m.ascent + m.descent;
  m.average_width = round_pixels(d.average_width * scale);
  m.max_width = round_pixels(d.max_advance * scale);
  return m;
}

int Font::text_width(std::string_view text, double dpi) const {
  if (text.empty()) return 0;
  const std::string repaired = is_valid_utf8(text) ? std::string(text) : latin1_repaired(text);
  std::lock_guard guard(impl_->measuring);
  if (!impl_->measure_font || impl_->measure_dpi != dpi) {
    if (impl_->measure_font) cairo_scaled_font_destroy(impl_->measure_font);
    cairo_matrix_t identity, size;
    cairo_matrix_init_identity(&identity);
    const double em = em_pixels_at(dpi);
    cairo_matrix_init_scale(&size, em, em);
    impl_->measure_font = cairo_scaled_font_create(impl_->face, &size, &identity, impl_->options);
    impl_->measure_dpi = dpi;
  }
  cairo_text_extents_t extents;
  cairo_scaled_font_text_extents(impl_->measure_font, repaired.c_str(), &extents);
  if (cairo_scaled_font_status(impl_->measure_font) != CAIRO_STATUS_SUCCESS) return 0;
  return round_pixels(extents.x_advance);
}

FontRef font_from_choice(const FontChoice &choice, const FontRequest &request) {
  std::unique_ptr<Font::Impl> impl = make_font(choice, request);
  return impl ? std::make_shared<const Font>(std::move(impl)) : nullptr;
}

FontRef resolve_font(const FontRequest &request) {
  const CacheKey key{request.family, request.height, request.weight, request.italic, request.underline,
                     request.strikeout};
  FontCache &c = cache();
  std::lock_guard guard(c.lock);
  if (const auto it = c.fonts.find(key); it != c.fonts.end()) return it->second;
  std::unique_ptr<Font::Impl> impl = resolve(request);
  if (!impl) return nullptr;
  if (c.fonts.size() >= kCacheLimit) c.fonts.clear();
  FontRef font = std::make_shared<const Font>(std::move(impl));
  c.fonts.emplace(key, font);
  return font;
}

}  // namespace vex3d::platform
