// A context that maps a source rectangle of pixels onto a box of another
// context (the anisotropic mapping of drawing into a caller's context, a
// printer page or a file): every primitive is scaled and moved, pen widths,
// dashes and fonts with it, and handed to the target. The engine draws into
// it in source pixels and measures text at the screen's resolution.
#pragma once

#include "draw_context.h"
#include "fonts.h"

namespace vex3d::platform {

class MappedContext final : public DrawContext {
 public:
  // Source (0, 0, source_width, source_height) lands on `to` of the target.
  MappedContext(DrawContext &target, int source_width, int source_height, const Box &to);

  ContextKind kind() const override { return target_.kind(); }
  int color_depth() const override { return target_.color_depth(); }
  double resolution() const override { return kScreenDpi; }
  Box bounds() const override { return Box{0, 0, source_width_, source_height_}; }

 protected:
  void do_polyline(std::span<const Point> points) override;
  void do_fill_polygon(std::span<const Point> points) override;
  void do_fill_rectangle(const Box &box) override;
  void do_stroke_arc(const ArcSpec &arc) override;
  void do_fill_pie(const ArcSpec &arc) override;
  void do_text(Point origin, std::string_view utf8) override;
  void do_image(const ImageView &image, const Box &dest) override;
  bool do_finish() override { return target_.ok(); }

 private:
  Point map(Point p) const;
  Box map(const Box &b) const;
  std::vector<Point> map(std::span<const Point> points) const;
  // The target takes on the state mapped.
  void sync();

  DrawContext &target_;
  int source_width_, source_height_;
  Box to_;
  double sx_, sy_;
  // The font last mapped, and what it became.
  FontRef font_from_, font_to_;
};

}  // namespace vex3d::platform
