// Outlines come from FreeType unscaled and unhinted, in font units, and are
// handed over as runs of one kind (lines, quadratic B-splines, cubic
// Beziers), the way the renderer converts them.
#include "glyph_outline.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>

#include "font_internal.h"

namespace vex3d::platform {
namespace {

constexpr int kBold = 700;

OutlinePoint fixed(FT_Vector v) {
  const auto held = [](FT_Pos p) { return static_cast<std::int32_t>(std::clamp<FT_Pos>(p, -32767, 32767)) * 65536; };
  return {held(v.x), held(v.y)};
}

FT_Vector midpoint(FT_Vector a, FT_Vector b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

// Appends one FreeType contour as a start point and records.
class ContourWriter {
 public:
  explicit ContourWriter(GlyphOutline &out) : out_(out) {}

  void write(const FT_Outline &outline, int first, int last) {
    const int n = last - first + 1;
    const auto point = [&](int i) { return outline.points[first + (i % n)]; };
    const auto tag = [&](int i) { return FT_CURVE_TAG(outline.tags[first + (i % n)]); };
    // Start on an on-curve point; two conic control points at the seam meet
    // at their implied on-curve midpoint.
    int begin = 0;
    while (begin < n && tag(begin) != FT_CURVE_TAG_ON) ++begin;
    FT_Vector start;
    int walked;  // points after the start
    if (begin < n) {
      start = point(begin);
      ++begin;
      walked = n - 1;
    } else if (tag(0) == FT_CURVE_TAG_CONIC) {
      start = midpoint(point(n - 1), point(0));
      begin = 0;
      walked = n;
    } else {
      return;  // cubic control points only: no shape
    }
    out_.contours.push_back({fixed(start), static_cast<std::uint32_t>(out_.records.size()), 0});
    for (int i = 0; i < walked; ++i) {
      const int t = tag(begin + i);
      add(t == FT_CURVE_TAG_ON      ? OutlineSegment::kLine
          : t == FT_CURVE_TAG_CONIC ? OutlineSegment::kQSpline
                                    : OutlineSegment::kCSpline,
          t == FT_CURVE_TAG_ON, point(begin + i));
    }
    if (open_) add(OutlineSegment::kLine, true, start);  // the curve ends back on the start
    open_ = false;
  }

 private:
  // A point of a kind: control points (on_curve false) gather in a curve
  // record that the next on-curve point ends; on-curve points after an
  // on-curve point gather in a line record.
  void add(OutlineSegment kind, bool on_curve, FT_Vector p) {
    const bool continues = !out_.records.empty() && out_.contours.back().record_count > 0 &&
                           (open_ ? on_curve || out_.records.back().kind == kind
                                  : on_curve && out_.records.back().kind == OutlineSegment::kLine);
    if (!continues) {
      out_.records.push_back(
          {on_curve ? OutlineSegment::kLine : kind, static_cast<std::uint32_t>(out_.points.size()), 0});
      ++out_.contours.back().record_count;
    }
    out_.points.push_back(fixed(p));
    ++out_.records.back().count;
    open_ = !on_curve;
  }

  GlyphOutline &out_;
  bool open_ = false;  // the last record is a curve still waiting for its end point
};

}  // namespace

struct GlyphOutlines::Impl {
  FontRef font;
  cairo_scaled_font_t *scaled = nullptr;  // owned; lends the face
  ~Impl() {
    if (scaled) cairo_scaled_font_destroy(scaled);
  }
};

GlyphOutlines::GlyphOutlines(FontRef font) {
  if (!font) return;
  auto impl = std::make_unique<Impl>();
  impl->font = std::move(font);
  const Font::Impl &f = impl->font->impl();
  const FaceDesign &d = f.design;
  cairo_matrix_t identity, size;
  cairo_matrix_init_identity(&identity);
  cairo_matrix_init_scale(&size, d.units_per_em, d.units_per_em);
  impl->scaled = cairo_scaled_font_create(f.face, &size, &identity, f.options);
  if (cairo_scaled_font_status(impl->scaled) != CAIRO_STATUS_SUCCESS) return;
  metrics_.em_height = static_cast<int>(d.units_per_em);
  metrics_.ascent = static_cast<int>(d.ascent);
  // FreeType places the underline by the middle of its stem.
  metrics_.underscore_size = static_cast<int>(d.underline_thickness);
  metrics_.underscore_top = static_cast<int>(d.underline_position + d.underline_thickness / 2);
  metrics_.strikeout_size = static_cast<int>(d.strikeout_thickness);
  metrics_.strikeout_top = static_cast<int>(d.strikeout_position);
  impl_ = std::move(impl);
}

GlyphOutlines::~GlyphOutlines() = default;

bool GlyphOutlines::glyph(char32_t code, GlyphOutline &out) const {
  out.clear();
  if (!impl_) return false;
  FT_Face face = cairo_ft_scaled_font_lock_face(impl_->scaled);
  if (!face) return false;
  FT_UInt index = FT_Get_Char_Index(face, code);
  if (index == 0 && face->charmap && face->charmap->encoding == FT_ENCODING_MS_SYMBOL && code < 0x100)
    index = FT_Get_Char_Index(face, 0xF000 | code);  // symbol fonts keep their glyphs there
  bool ok = FT_Load_Glyph(face, index, FT_LOAD_NO_SCALE | FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0 &&
            face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
  if (ok) {
    FT_Outline &outline = face->glyph->outline;
    FT_Pos advance = face->glyph->advance.x;
    // Styles the face lacks are made up as the text drawing makes them up.
    const Font &font = *impl_->font;
    if (font.weight() >= kBold && !(face->style_flags & FT_STYLE_FLAG_BOLD)) {
      const FT_Pos strength = face->units_per_EM / 24;
      FT_Outline_EmboldenXY(&outline, strength, strength);
      advance += strength;
    }
    if (font.italic() && !(face->style_flags & FT_STYLE_FLAG_ITALIC)) {
      FT_Matrix shear = {0x10000, 0x3333, 0, 0x10000};  // x += y / 5
      FT_Outline_Transform(&outline, &shear);
    }
    out.advance = static_cast<std::int32_t>(std::clamp<FT_Pos>(advance, -32767, 32767));
    ContourWriter writer(out);
    for (int c = 0, first = 0; c < outline.n_contours; ++c) {
      const int last = outline.contours[c];
      if (last >= first && last < outline.n_points) writer.write(outline, first, last);
      first = last + 1;
    }
  }
  cairo_ft_scaled_font_unlock_face(impl_->scaled);
  return ok;
}

}  // namespace vex3d::platform
