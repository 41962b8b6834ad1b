#include "recording_context.h"

namespace vex3d::platform {

RecordedOp &RecordingContext::record(Primitive primitive) {
  RecordedOp &op = ops_.emplace_back();
  op.primitive = primitive;
  op.state = state();
  return op;
}

void RecordingContext::do_polyline(std::span<const Point> points) {
  record(Primitive::kPolyline).points.assign(points.begin(), points.end());
}

void RecordingContext::do_fill_polygon(std::span<const Point> points) {
  record(Primitive::kPolygon).points.assign(points.begin(), points.end());
}

void RecordingContext::do_fill_rectangle(const Box &box) { record(Primitive::kRectangle).box = box; }

void RecordingContext::do_stroke_arc(const ArcSpec &arc) { record(Primitive::kArc).arc = arc; }

void RecordingContext::do_fill_pie(const ArcSpec &arc) { record(Primitive::kPie).arc = arc; }

void RecordingContext::do_text(Point origin, std::string_view utf8) {
  RecordedOp &op = record(Primitive::kText);
  op.origin = origin;
  op.text = utf8;
}

void RecordingContext::do_image(const ImageView &image, const Box &dest) {
  RecordedOp &op = record(Primitive::kImage);
  op.box = dest;
  op.image_width = image.width;
  op.image_height = image.height;
  op.image.reserve(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    const std::uint32_t *row = image.pixels + static_cast<long long>(y) * image.stride;
    op.image.insert(op.image.end(), row, row + image.width);
  }
}

void RecordingContext::replay(DrawContext &into) const {
  for (const RecordedOp &op : ops_) {
    into.set_state(op.state);
    switch (op.primitive) {
      case Primitive::kPolyline: into.draw_polyline(op.points); break;
      case Primitive::kPolygon: into.fill_polygon(op.points); break;
      case Primitive::kRectangle: into.fill_rectangle(op.box); break;
      case Primitive::kArc: into.stroke_arc(op.arc); break;
      case Primitive::kPie: into.fill_pie(op.arc); break;
      case Primitive::kText: into.draw_text(op.origin, op.text); break;
      case Primitive::kImage:
        into.draw_image(ImageView{op.image.data(), op.image_width, op.image_height, op.image_width}, op.box);
        break;
    }
  }
}

}  // namespace vex3d::platform
