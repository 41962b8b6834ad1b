// An SVG document of our own: every primitive becomes an element, written
// as it is drawn, so the painter's order is the document's order.
//
// The document stays small and quick to write: each paint is a style class
// named once, so each polygon is a short path of whole-pixel, mostly
// relative coordinates with a class of a letter or two; consecutive lines
// with the same pen are one path (for opaque paint, stroking two
// pieces at once paints what stroking them one after the other paints).
// Fills are crisp-edged, as the raster rules fill pixel centres, so that
// neighbouring cells show no seam; lines are smooth. Text stays text, in
// its font's family, size, weight and slant; pictures are embedded PNGs.
//
// Coordinates are screen pixels (96 per inch); the page keeps the drawing's
// size on paper (one pixel is 3/4 of a point).
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "draw_context.h"
#include "fonts.h"

namespace vex3d::platform {

class SvgContext final : public DrawContext {
 public:
  static constexpr int kMaxSide = 32767;
  SvgContext(int width, int height);

  ContextKind kind() const override { return ContextKind::kVector; }
  int color_depth() const override { return 24; }
  double resolution() const override { return kScreenDpi; }
  Box bounds() const override { return bounds_; }

  // The document once finish() succeeded; empty before and on failure.
  const std::string &text() const { return done_; }

 protected:
  void do_polyline(std::span<const Point> points) override;
  void do_fill_polygon(std::span<const Point> points) override;
  void do_fill_rectangle(const Box &box) override;
  void do_stroke_arc(const ArcSpec &arc) override;
  void do_fill_pie(const ArcSpec &arc) override;
  void do_text(Point origin, std::string_view utf8) override;
  void do_image(const ImageView &image, const Box &dest) override;
  bool do_finish() override;

 private:
  // What the last primitive painted with, and the class that holds it;
  // lines of one paint in a row join one path.
  enum class Paint { kNone, kFill, kStroke, kText, kImage };
  void paint_with(Paint paint, const std::string &style);
  void end_strokes();
  void apply_clip();
  std::string fill_style();
  std::string stroke_style(bool thin);
  // Where the path data of a fill or of a line goes, its paint in force;
  // end_fill closes the fill's element.
  std::string &begin_fill();
  void end_fill();
  std::string &begin_stroke(bool thin);
  Box guard() const;

  Box bounds_;
  std::string head_, styles_, defs_, out_, done_;
  Paint paint_ = Paint::kNone;
  std::string paint_style_, paint_class_;
  Brush painted_brush_;
  Pen painted_pen_;
  bool painted_thin_ = false;
  std::string strokes_;  // the path data of the lines in a row
  std::map<std::string, std::string> classes_;  // class name by style
  std::optional<Box> applied_clip_;
  bool clip_open_ = false;
  int next_id_ = 0;
  std::map<Rgb, std::string> stipples_;  // pattern id by colour
};

}  // namespace vex3d::platform
