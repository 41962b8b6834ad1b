#include "cairo_context.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

#include "font_internal.h"
#include "guard.h"
#include "pixel_rules.h"

namespace vex3d::platform {
namespace {

// The 2 x 2 tile of the stipple: the colour where x and y differ in parity.
cairo_pattern_t *make_stipple(Rgb color) {
  cairo_surface_t *tile = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 2, 2);
  cairo_surface_flush(tile);
  auto *data = cairo_image_surface_get_data(tile);
  const int stride = cairo_image_surface_get_stride(tile);
  if (data) {
    for (int y = 0; y < 2; ++y) {
      auto *row = reinterpret_cast<std::uint32_t *>(data + y * stride);
      for (int x = 0; x < 2; ++x) row[x] = (x + y) % 2 ? argb_of(color) : 0u;
    }
  }
  cairo_surface_mark_dirty(tile);
  cairo_pattern_t *pattern = cairo_pattern_create_for_surface(tile);
  cairo_surface_destroy(tile);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_REPEAT);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
  return pattern;
}

cairo_line_cap_t cairo_cap(Cap cap) {
  switch (cap) {
    case Cap::kSquare: return CAIRO_LINE_CAP_SQUARE;
    case Cap::kRound: return CAIRO_LINE_CAP_ROUND;
    case Cap::kFlat: break;
  }
  return CAIRO_LINE_CAP_BUTT;
}

cairo_line_join_t cairo_join(Join join) {
  switch (join) {
    case Join::kRound: return CAIRO_LINE_JOIN_ROUND;
    case Join::kBevel: return CAIRO_LINE_JOIN_BEVEL;
    case Join::kMiter: break;
  }
  return CAIRO_LINE_JOIN_MITER;
}

bool box_is_safe(const Box &box) {
  const Point corners[2] = {{box.x, box.y},
                            {static_cast<int>(std::clamp<long long>(static_cast<long long>(box.x) + box.width,
                                                                    -(1LL << 31), (1LL << 31) - 1)),
                             static_cast<int>(std::clamp<long long>(static_cast<long long>(box.y) + box.height,
                                                                    -(1LL << 31), (1LL << 31) - 1))}};
  return within(corners, kCairoSafe);
}

}  // namespace

void set_source_color(cairo_t *cr, Rgb color) {
  cairo_set_source_rgb(cr, red_of(color) / 255.0, green_of(color) / 255.0, blue_of(color) / 255.0);
}

CairoContext::CairoContext(cairo_t *cr, Box bounds) : cr_(cr), bounds_(bounds) {
  if (!cr_ || cairo_status(cr_) != CAIRO_STATUS_SUCCESS) fail();
}

CairoContext::~CairoContext() {
  if (stipple_) cairo_pattern_destroy(stipple_);
  if (cr_) cairo_destroy(cr_);
}

Box CairoContext::effective_clip() const {
  return state().clip ? intersect(*state().clip, bounds_) : bounds_;
}

Box CairoContext::guard() const {
  const int m = static_cast<int>(kGuardMargin);
  return Box{bounds_.x - m, bounds_.y - m, bounds_.width + 2 * m, bounds_.height + 2 * m};
}

void CairoContext::check_status() {
  if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) fail();
}

void CairoContext::apply_clip() {
  cairo_will_draw();
  if (applied_clip_ == state().clip) return;
  cairo_reset_clip(cr_);
  if (const auto &clip = state().clip) {
    const Box box = intersect(*clip, guard());
    cairo_rectangle(cr_, box.x, box.y, std::max(box.width, 0), std::max(box.height, 0));
    cairo_clip(cr_);
  }
  applied_clip_ = state().clip;
}

void CairoContext::thin_polyline_path(std::span<const Point> points) {
  const Box g = guard();
  const bool safe = within(points, kCairoSafe);
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    Point a = points[i], b = points[i + 1];
    if (!safe && !clip_segment(g, a, b)) continue;
    Segment s;
    if (!thin_segment(a, b, s)) continue;
    cairo_move_to(cr_, s.x0, s.y0);
    cairo_line_to(cr_, s.x1, s.y1);
  }
}

void CairoContext::wide_polyline_path(std::span<const Point> points, double offset) {
  if (within(points, kCairoSafe)) {
    cairo_move_to(cr_, points[0].x + offset, points[0].y + offset);
    for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].x + offset, points[i].y + offset);
    return;
  }
  // Far outside: each segment on its own, cut to the guard.
  const Box g = guard();
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    Point a = points[i], b = points[i + 1];
    if (!clip_segment(g, a, b)) continue;
    cairo_move_to(cr_, a.x + offset, a.y + offset);
    cairo_line_to(cr_, b.x + offset, b.y + offset);
  }
}

void CairoContext::stroke_with_pen(bool thin) {
  const Pen &pen = state().pen;
  set_source_color(cr_, pen.color);
  cairo_set_antialias(cr_, kLineAntialias);
  cairo_set_line_width(cr_, thin ? 1.0 : pen.width);
  cairo_set_line_cap(cr_, thin ? CAIRO_LINE_CAP_BUTT : cairo_cap(pen.cap));
  cairo_set_line_join(cr_, cairo_join(pen.join));
  if (pen.solid()) {
    cairo_set_dash(cr_, nullptr, 0, 0);
  } else {
    cairo_set_dash(cr_, pen.dashes.data(), static_cast<int>(pen.dashes.size()), pen.dash_offset);
  }
  cairo_stroke(cr_);
  check_status();
}

void CairoContext::fill_with_brush() {
  const Brush &brush = state().brush;
  if (brush.stippled) {
    if (!stipple_ || stipple_color_ != brush.color) {
      if (stipple_) cairo_pattern_destroy(stipple_);
      stipple_ = make_stipple(brush.color);
      stipple_color_ = brush.color;
    }
    cairo_set_source(cr_, stipple_);
  } else {
    set_source_color(cr_, brush.color);
  }
  cairo_set_antialias(cr_, kFillAntialias);
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_fill(cr_);
  check_status();
}

void CairoContext::do_polyline(std::span<const Point> points) {
  apply_clip();
  const Pen &pen = state().pen;
  if (pen.thin) {
    thin_polyline_path(points);
  } else {
    wide_polyline_path(points, stroke_offset(pen.width));
  }
  stroke_with_pen(pen.thin);
}

void CairoContext::do_fill_polygon(std::span<const Point> points) {
  apply_clip();
  std::vector<Point> cut;
  if (!within(points, kCairoSafe)) {
    cut = clip_polygon(guard(), points);
    if (cut.size() < 3) return;
    points = cut;
  }
  cairo_move_to(cr_, points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) cairo_line_to(cr_, points[i].x, points[i].y);
  cairo_close_path(cr_);
  fill_with_brush();
}

void CairoContext::do_fill_rectangle(const Box &box) {
  apply_clip();
  const Box b = intersect(box, guard());
  if (b.empty()) return;
  cairo_rectangle(cr_, b.x, b.y, b.width, b.height);
  fill_with_brush();
}

void CairoContext::ellipse_path(const ArcSpec &arc, double rx, double ry, bool pie) {
  const double cx = arc.box.x + arc.box.width / 2.0, cy = arc.box.y + arc.box.height / 2.0;
  // A box one pixel across still draws: never scale by zero.
  rx = std::max(rx, 0.25);
  ry = std::max(ry, 0.25);
  // Showing text leaves a current point; an arc would be joined to it.
  cairo_new_path(cr_);
  cairo_save(cr_);
  cairo_translate(cr_, cx, cy);
  cairo_scale(cr_, rx, ry);
  if (arc.whole()) {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr_);
  } else {
    // Counter-clockwise on the screen is the negative direction of cairo's
    // y-down angles.
    const double a0 = -arc.start, a1 = -(arc.start + arc.sweep);
    if (pie) cairo_move_to(cr_, 0, 0);
    if (arc.sweep > 0) {
      cairo_arc_negative(cr_, 0, 0, 1, a0, a1);
    } else {
      cairo_arc(cr_, 0, 0, 1, a0, a1);
    }
    if (pie) cairo_close_path(cr_);
  }
  cairo_restore(cr_);
}

void CairoContext::do_stroke_arc(const ArcSpec &arc) {
  if (!box_is_safe(arc.box)) return;
  apply_clip();
  // The stroke runs through the centres of the box's edge pixels.
  ellipse_path(arc, (arc.box.width - 1) / 2.0, (arc.box.height - 1) / 2.0, false);
  stroke_with_pen(false);
}

void CairoContext::do_fill_pie(const ArcSpec &arc) {
  if (!box_is_safe(arc.box)) return;
  apply_clip();
  ellipse_path(arc, arc.box.width / 2.0, arc.box.height / 2.0, true);
  fill_with_brush();
}

void CairoContext::do_text(Point origin, std::string_view utf8) {
  const Point at[1] = {origin};
  if (!within(at, kCairoSafe)) return;
  apply_clip();
  const Font &font = *state().font;
  const Font::Impl &impl = font.impl();
  const double size = font.em_pixels_at(resolution());
  const std::string text(utf8);
  cairo_set_font_face(cr_, impl.face);
  cairo_set_font_size(cr_, size);
  cairo_set_font_options(cr_, impl.options);
  set_source_color(cr_, state().text_color);
  cairo_move_to(cr_, origin.x, origin.y);
  cairo_show_text(cr_, text.c_str());
  cairo_new_path(cr_);  // no current point left for the next path to start from
  if (font.underline() || font.strikeout()) {
    const double width = font.text_width(utf8, resolution());
    const double scale = size / impl.design.units_per_em;
    const auto bar = [&](double position, double thickness) {
      const double h = std::max(1.0, std::round(thickness * scale));
      const double top = std::round(origin.y - position * scale - h / 2);
      cairo_rectangle(cr_, origin.x, top, width, h);
    };
    if (font.underline()) bar(impl.design.underline_position, impl.design.underline_thickness);
    if (font.strikeout()) bar(impl.design.strikeout_position, impl.design.strikeout_thickness);
    cairo_set_antialias(cr_, kFillAntialias);
    cairo_fill(cr_);
  }
  check_status();
}

void CairoContext::do_image(const ImageView &image, const Box &dest) {
  if (!box_is_safe(dest)) return;
  apply_clip();
  // A copy that cairo owns: vector surfaces write their pictures only when
  // the document is finished, long after the caller's pixels are gone.
  cairo_surface_t *source = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
  unsigned char *data = cairo_image_surface_get_data(source);
  if (cairo_surface_status(source) != CAIRO_STATUS_SUCCESS || !data) {
    cairo_surface_destroy(source);
    return;
  }
  const int stride = cairo_image_surface_get_stride(source);
  for (int y = 0; y < image.height; ++y)
    std::memcpy(data + static_cast<std::ptrdiff_t>(y) * stride,
                image.pixels + static_cast<std::ptrdiff_t>(y) * image.stride,
                static_cast<std::size_t>(image.width) * 4);
  cairo_surface_mark_dirty(source);
  cairo_pattern_t *pattern = cairo_pattern_create_for_surface(source);
  cairo_matrix_t m;
  cairo_matrix_init_scale(&m, static_cast<double>(image.width) / dest.width,
                          static_cast<double>(image.height) / dest.height);
  cairo_matrix_translate(&m, -dest.x, -dest.y);
  cairo_pattern_set_matrix(pattern, &m);
  cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
  cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
  cairo_set_source(cr_, pattern);
  cairo_rectangle(cr_, dest.x, dest.y, dest.width, dest.height);
  cairo_set_antialias(cr_, kFillAntialias);
  cairo_fill(cr_);
  cairo_pattern_destroy(pattern);
  cairo_surface_destroy(source);
  check_status();
}

bool CairoContext::do_finish() {
  cairo_surface_t *surface = cairo_get_target(cr_);
  cairo_surface_flush(surface);
  cairo_surface_finish(surface);
  return cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS && cairo_status(cr_) == CAIRO_STATUS_SUCCESS;
}

}  // namespace vex3d::platform
