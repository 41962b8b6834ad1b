// The calls of a metafile as operations of the table: the pen becomes the
// foreground with line attributes and a line pattern, the brush the fill
// colour, each shape a fill followed by its outline.
#include "picture_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "draw_ops.h"
#include "font.h"
#include "hooks.h"
#include "output_state.h"
#include "picture.h"
#include "w_render.h"

namespace vex3d {
namespace {

int cap_of(MetaPenEnd end) {
  switch (end) {
    case MetaPenEnd::kSquare: return VEX3D_CAP_SQUARE;
    case MetaPenEnd::kFlat: return VEX3D_CAP_FLAT;
    case MetaPenEnd::kRound: break;
  }
  return VEX3D_CAP_ROUND;
}

int join_of(MetaPenJoin join) {
  switch (join) {
    case MetaPenJoin::kBevel: return VEX3D_JOIN_BEVEL;
    case MetaPenJoin::kMiter: return VEX3D_JOIN_MITER;
    case MetaPenJoin::kRound: break;
  }
  return VEX3D_JOIN_ROUND;
}

int line_pattern(MetaPenStyle style) {
  switch (style) {
    case MetaPenStyle::kDash: return Vex3dLpatLongDash;
    case MetaPenStyle::kDot: return Vex3dLpatDotted;
    case MetaPenStyle::kDashDot: return Vex3dLpatDashDot;
    case MetaPenStyle::kDashDotDot: return Vex3dLpatLslDash;
    default: return Vex3dLpatSolid;
  }
}

std::vector<Vex3dDevicePoint> device_points(std::span<const MetaPoint> points, bool close) {
  std::vector<Vex3dDevicePoint> out;
  out.reserve(points.size() + 1);
  for (const MetaPoint &p : points) out.push_back({p.x, p.y});
  if (close && !points.empty() && !(points.front() == points.back())) out.push_back(out.front());
  return out;
}

Rect to_rect(const MetaRect &r) { return Rect{r.x, r.y, r.width, r.height}; }

std::optional<MetaRect> intersect(const std::optional<MetaRect> &a, const MetaRect &b) {
  if (!a) return b;
  const int x0 = std::max(a->x, b.x), y0 = std::max(a->y, b.y);
  const int x1 = std::min(a->x + a->width, b.x + b.width), y1 = std::min(a->y + a->height, b.y + b.height);
  return MetaRect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

// A metafile's font as the engine describes fonts: the same fields.
static_assert(MetaFont::kFaceSize == VEX3D_FACE_SIZE);
Vex3dFontDesc font_desc_of(const MetaFont &f) {
  Vex3dFontDesc desc{f.height, f.width, f.weight, f.italic, f.underline, f.strikeout, f.charset, f.out_precision, {}};
  std::memcpy(desc.face, f.face, sizeof desc.face);
  return desc;
}

}  // namespace

OperationCanvas::OperationCanvas(Vex3dGraph *graph, std::optional<MetaRect> clip_box)
    : graph_(graph), clip_box_(clip_box) {
  pen_.width = 1;
  set_clip(nullptr);
}

OperationCanvas::~OperationCanvas() { graph_->draw_ops->setclip(graph_, nullptr); }

void OperationCanvas::set_font(const MetaFont &font) {
  delete font_.font;
  font_.desc = font_desc_of(font);
  if (font_.desc.height == 0) font_.desc.height = -16;  // the reference device's default font
  font_.font = make_font(font_.desc);
  if (const auto metrics = hooks().font_metrics) metrics(graph_, &font_);
  has_font_ = true;
}

void OperationCanvas::set_clip(const MetaRect *clip) {
  const std::optional<MetaRect> r = clip ? intersect(clip_box_, *clip) : clip_box_;
  const auto &ops = *graph_->draw_ops;
  if (!r) {
    ops.setclip(graph_, nullptr);
    return;
  }
  const Rect rect = to_rect(*r);
  ops.setclip(graph_, &rect);
}

bool OperationCanvas::use_pen() {
  if (pen_.style == MetaPenStyle::kNull) return false;
  const auto &ops = *graph_->draw_ops;
  ops.setforeground(graph_, pen_.color);
  const bool solid = pen_.style == MetaPenStyle::kSolid;
  ops.setlineattributes(graph_, pen_.width, stroke_style(solid), cap_of(pen_.end), join_of(pen_.join));
  if (!solid) ops.setdashes(graph_, line_pattern(pen_.style), 0, 0, nullptr);
  return true;
}

bool OperationCanvas::use_brush() {
  if (brush_.hollow) return false;
  graph_->draw_ops->setsolidfill(graph_, brush_.color);
  return true;
}

void OperationCanvas::polyline(std::span<const MetaPoint> points) {
  if (!use_pen()) return;
  const auto pts = device_points(points, false);
  graph_->draw_ops->primitives[0].drawlines(graph_, pts.data(), static_cast<int>(pts.size()), VEX3D_COORD_ABSOLUTE);
}

void OperationCanvas::polygon(std::span<const MetaPoint> points) {
  const auto &p = graph_->draw_ops->primitives[0];
  if (use_brush()) {
    const auto pts = device_points(points, false);
    p.fillpolygon(graph_, pts.data(), static_cast<int>(pts.size()), VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  }
  if (use_pen()) {
    const auto pts = device_points(points, true);
    p.drawlines(graph_, pts.data(), static_cast<int>(pts.size()), VEX3D_COORD_ABSOLUTE);
  }
}

void OperationCanvas::rectangle(const MetaRect &box) {
  const auto &p = graph_->draw_ops->primitives[0];
  if (use_brush()) p.fillrectangle(graph_, box.x, box.y, box.width, box.height);
  // The outline runs along the inside of the box.
  if (box.width > 1 && box.height > 1 && use_pen())
    p.drawrectangle(graph_, box.x, box.y, box.width - 1, box.height - 1);
}

void OperationCanvas::ellipse(const MetaRect &box) {
  const auto &p = graph_->draw_ops->primitives[0];
  if (use_brush()) p.fillarc(graph_, box.x, box.y, box.width, box.height, 0, VEX3D_ANGLE_FULL_TURN);
  if (box.width > 1 && box.height > 1 && use_pen())
    p.drawarc(graph_, box.x, box.y, box.width - 1, box.height - 1, 0, VEX3D_ANGLE_FULL_TURN);
}

// Arcs, pies and bitmaps keep their exact shape: they go to the current
// context with the state the operations above have set.
void OperationCanvas::arc(const MetaRect &box, double start, double sweep) {
  platform::DrawContext *ctx = current_context(graph_);
  if (ctx && use_pen()) ctx->stroke_arc(platform::ArcSpec{{box.x, box.y, box.width, box.height}, start, sweep});
}

void OperationCanvas::pie(const MetaRect &box, double start, double sweep) {
  platform::DrawContext *ctx = current_context(graph_);
  if (!ctx) return;
  const platform::ArcSpec spec{{box.x, box.y, box.width, box.height}, start, sweep};
  if (use_brush()) ctx->fill_pie(spec);
  if (!use_pen()) return;
  ctx->stroke_arc(spec);
  if (spec.whole()) return;
  // The two radii from the centre to the arc's ends.
  const auto end = [&](double a) {
    return platform::Point{static_cast<int>(std::lround(box.x + box.width / 2.0 + std::cos(a) * box.width / 2.0)),
                           static_cast<int>(std::lround(box.y + box.height / 2.0 - std::sin(a) * box.height / 2.0))};
  };
  const platform::Point centre{box.x + box.width / 2, box.y + box.height / 2};
  const platform::Point outline[] = {end(start), centre, end(start + sweep)};
  ctx->draw_polyline(outline);
}

void OperationCanvas::image(const MetaRect &box, const Picture &bitmap) {
  platform::DrawContext *ctx = current_context(graph_);
  const std::vector<std::uint32_t> argb = bitmap_argb(bitmap);
  if (!ctx || argb.empty()) return;
  ctx->draw_image(platform::ImageView{argb.data(), bitmap.width, bitmap.height, bitmap.width},
                  platform::Box{box.x, box.y, box.width, box.height});
}

void OperationCanvas::text(int x, int y, std::string_view utf8, MetaTextAlign align, MetaTextBase base) {
  const auto &ops = *graph_->draw_ops;
  if (!has_font_) set_font(MetaFont{0, 0, 400, 0, 0, 0, 0, 0, "Arial"});
  ops.setfont(graph_, &font_);
  ops.setforeground(graph_, text_color_);
  if (base == MetaTextBase::kTop) y += font_.ascent;
  if (base == MetaTextBase::kBottom) y -= font_.descent;
  const int alignment = align == MetaTextAlign::kLeft    ? VEX3D_ALIGN_LEFT
                        : align == MetaTextAlign::kRight ? VEX3D_ALIGN_RIGHT
                                                         : VEX3D_ALIGN_CENTER;
  const std::string text(utf8);
  ops.drawstring_aligned(graph_, x, y, text.c_str(), alignment);
}

}  // namespace vex3d
