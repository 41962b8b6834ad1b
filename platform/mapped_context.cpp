#include "mapped_context.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vex3d::platform {
namespace {

int to_int(double v) { return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9))); }

}  // namespace

MappedContext::MappedContext(DrawContext &target, int source_width, int source_height, const Box &to)
    : target_(target),
      source_width_(std::max(source_width, 1)),
      source_height_(std::max(source_height, 1)),
      to_(to),
      sx_(static_cast<double>(to.width) / std::max(source_width, 1)),
      sy_(static_cast<double>(to.height) / std::max(source_height, 1)) {
  if (!target.ok() || to.empty()) fail();
}

Point MappedContext::map(Point p) const { return Point{to_int(to_.x + p.x * sx_), to_int(to_.y + p.y * sy_)}; }

Box MappedContext::map(const Box &b) const {
  const Point a = map(Point{b.x, b.y});
  const Point c = map(Point{b.x + b.width, b.y + b.height});
  return Box{a.x, a.y, c.x - a.x, c.y - a.y};
}

std::vector<Point> MappedContext::map(std::span<const Point> points) const {
  std::vector<Point> out;
  out.reserve(points.size());
  for (const Point &p : points) out.push_back(map(p));
  return out;
}

void MappedContext::sync() {
  const DrawState &s = state();
  const double scale = std::sqrt(sx_ * sy_);
  Pen pen = s.pen;
  if (!pen.thin) pen.width = std::max(1, to_int(pen.width * scale));
  for (double &d : pen.dashes) d *= scale;
  pen.dash_offset *= scale;
  target_.set_pen(pen);
  target_.set_brush(s.brush);
  target_.set_text_color(s.text_color);
  target_.set_background(s.background);
  target_.set_clip(s.clip ? std::optional<Box>(map(*s.clip)) : std::nullopt);
  if (s.font != font_from_) {
    font_from_ = s.font;
    font_to_ = s.font;
    if (s.font && std::abs(sy_ - 1) > 1e-9) {
      FontRequest r;
      r.family = s.font->family();
      r.height = -std::max(1, to_int(s.font->em_pixels() * sy_ * kScreenDpi / target_.resolution()));
      r.weight = s.font->weight();
      r.italic = s.font->italic();
      r.underline = s.font->underline();
      r.strikeout = s.font->strikeout();
      font_to_ = resolve_font(r);
    }
  }
  target_.set_font(font_to_);
}

void MappedContext::do_polyline(std::span<const Point> points) {
  sync();
  target_.draw_polyline(map(points));
}

void MappedContext::do_fill_polygon(std::span<const Point> points) {
  sync();
  target_.fill_polygon(map(points));
}

void MappedContext::do_fill_rectangle(const Box &box) {
  sync();
  target_.fill_rectangle(map(box));
}

void MappedContext::do_stroke_arc(const ArcSpec &arc) {
  sync();
  target_.stroke_arc(ArcSpec{map(arc.box), arc.start, arc.sweep});
}

void MappedContext::do_fill_pie(const ArcSpec &arc) {
  sync();
  target_.fill_pie(ArcSpec{map(arc.box), arc.start, arc.sweep});
}

void MappedContext::do_text(Point origin, std::string_view utf8) {
  sync();
  target_.draw_text(map(origin), utf8);
}

void MappedContext::do_image(const ImageView &image, const Box &dest) {
  sync();
  target_.draw_image(image, map(dest));
}

}  // namespace vex3d::platform
