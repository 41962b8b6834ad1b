// The recording context: keeps every primitive with its arguments and the
// drawing state in force, so that tests can say what was drawn, in which
// order and how; a recording replays into any other context.
#pragma once

#include <string>
#include <vector>

#include "draw_context.h"
#include "fonts.h"

namespace vex3d::platform {

enum class Primitive : int { kPolyline, kPolygon, kRectangle, kArc, kPie, kText, kImage };

struct RecordedOp {
  Primitive primitive = Primitive::kPolyline;
  std::vector<Point> points;  // polyline, polygon
  Box box;                    // rectangle; image destination
  ArcSpec arc;                // arc, pie
  Point origin;               // text
  std::string text;           // text
  std::vector<std::uint32_t> image;  // image pixels, rows packed
  int image_width = 0, image_height = 0;
  DrawState state;            // in force when the primitive was drawn
};

class RecordingContext final : public DrawContext {
 public:
  struct Options {
    Box bounds{0, 0, 1000, 800};
    int color_depth = 32;
    double dpi = kScreenDpi;
    bool metafile = false;  // reports itself as a metafile context
  };
  RecordingContext() : RecordingContext(Options{}) {}
  explicit RecordingContext(const Options &options) : options_(options) {}

  ContextKind kind() const override { return options_.metafile ? ContextKind::kMetafile : ContextKind::kRecording; }
  int color_depth() const override { return options_.metafile ? 2 : options_.color_depth; }
  double resolution() const override { return options_.dpi; }
  Box bounds() const override { return options_.bounds; }

  const std::vector<RecordedOp> &ops() const { return ops_; }
  void clear() { ops_.clear(); }
  // Draws every recorded primitive into another context, each with its state.
  void replay(DrawContext &into) const;

 protected:
  void do_polyline(std::span<const Point> points) override;
  void do_fill_polygon(std::span<const Point> points) override;
  void do_fill_rectangle(const Box &box) override;
  void do_stroke_arc(const ArcSpec &arc) override;
  void do_fill_pie(const ArcSpec &arc) override;
  void do_text(Point origin, std::string_view utf8) override;
  void do_image(const ImageView &image, const Box &dest) override;
  bool do_finish() override { return true; }

 private:
  RecordedOp &record(Primitive primitive);
  Options options_;
  std::vector<RecordedOp> ops_;
};

// Draws nothing; measures text. For passes that only need sizes.
class NullContext final : public DrawContext {
 public:
  explicit NullContext(Box bounds = Box{0, 0, 1000, 800}, double dpi = kScreenDpi) : bounds_(bounds), dpi_(dpi) {}
  ContextKind kind() const override { return ContextKind::kNull; }
  int color_depth() const override { return 32; }
  double resolution() const override { return dpi_; }
  Box bounds() const override { return bounds_; }

 protected:
  void do_polyline(std::span<const Point>) override {}
  void do_fill_polygon(std::span<const Point>) override {}
  void do_fill_rectangle(const Box &) override {}
  void do_stroke_arc(const ArcSpec &) override {}
  void do_fill_pie(const ArcSpec &) override {}
  void do_text(Point, std::string_view) override {}
  void do_image(const ImageView &, const Box &) override {}
  bool do_finish() override { return true; }

 private:
  Box bounds_;
  double dpi_;
};

}  // namespace vex3d::platform
