#include "draw_context.h"

#include <numbers>
#include <string>

#include "fonts.h"
#include "utf8.h"

namespace vex3d::platform {

bool ArcSpec::whole() const { return sweep >= 2 * std::numbers::pi || sweep <= -2 * std::numbers::pi; }

void DrawContext::set_pen(const Pen &pen) {
  if (pen == state_.pen) return;
  state_.pen = pen;
  state_.pen.color &= 0xFFFFFFu;
  if (state_.pen.width < 1) state_.pen.width = 1;
}

void DrawContext::set_brush(const Brush &brush) {
  state_.brush = brush;
  state_.brush.color &= 0xFFFFFFu;
}

void DrawContext::set_state(const DrawState &state) {
  set_pen(state.pen);
  set_brush(state.brush);
  set_text_color(state.text_color);
  set_background(state.background);
  set_font(state.font);
  set_clip(state.clip);
}

void DrawContext::draw_polyline(std::span<const Point> points) {
  if (!ok_ || finished_ || points.size() < 2) return;
  do_polyline(points);
}

void DrawContext::draw_line(Point from, Point to) {
  const Point points[2] = {from, to};
  draw_polyline(points);
}

void DrawContext::fill_polygon(std::span<const Point> points) {
  if (!ok_ || finished_ || points.size() < 3) return;
  do_fill_polygon(points);
}

void DrawContext::fill_rectangle(const Box &box) {
  if (!ok_ || finished_ || box.empty()) return;
  do_fill_rectangle(box);
}

void DrawContext::stroke_arc(const ArcSpec &arc) {
  if (!ok_ || finished_ || arc.box.empty() || arc.sweep == 0) return;
  do_stroke_arc(arc);
}

void DrawContext::fill_pie(const ArcSpec &arc) {
  if (!ok_ || finished_ || arc.box.empty() || arc.sweep == 0) return;
  do_fill_pie(arc);
}

void DrawContext::draw_text(Point origin, std::string_view text) {
  if (!ok_ || finished_ || text.empty() || !state_.font) return;
  if (is_valid_utf8(text)) {
    do_text(origin, text);
  } else {
    const std::string repaired = latin1_repaired(text);
    do_text(origin, repaired);
  }
}

void DrawContext::draw_image(const ImageView &image, const Box &dest) {
  if (!ok_ || finished_ || image.empty() || image.stride < image.width || dest.empty()) return;
  do_image(image, dest);
}

int DrawContext::text_width(std::string_view text) const {
  if (!state_.font || text.empty()) return 0;
  return state_.font->text_width(text, resolution());
}

bool DrawContext::finish() {
  if (finished_) return ok_;
  finished_ = true;
  if (ok_ && !do_finish()) fail();
  return ok_;
}

}  // namespace vex3d::platform
