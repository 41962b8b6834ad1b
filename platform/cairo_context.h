// What the raster and vector contexts share: every primitive drawn with
// cairo under the whole-pixel rules. Only cairo's type names appear here,
// so that layers above may hold contexts without seeing cairo.
#pragma once

#include "draw_context.h"

struct _cairo;
struct _cairo_pattern;

namespace vex3d::platform {

class CairoContext : public DrawContext {
 public:
  ~CairoContext() override;
  Box bounds() const override { return bounds_; }

 protected:
  // Takes the drawing context (and with it the surface); `bounds` is the
  // surface in pixels. A context in error makes this context fail.
  CairoContext(_cairo *cr, Box bounds);

  _cairo *cairo() const { return cr_; }
  // The clip in force, within the surface.
  Box effective_clip() const;

  void do_polyline(std::span<const Point> points) override;
  void do_fill_polygon(std::span<const Point> points) override;
  void do_fill_rectangle(const Box &box) override;
  void do_stroke_arc(const ArcSpec &arc) override;
  void do_fill_pie(const ArcSpec &arc) override;
  void do_text(Point origin, std::string_view utf8) override;
  void do_image(const ImageView &image, const Box &dest) override;
  bool do_finish() override;

  // Called before cairo draws anything (the raster context hands its
  // pixels back to cairo here).
  virtual void cairo_will_draw() {}
  // Checks cairo's status after drawing; an error makes the context fail.
  void check_status();

 private:
  void apply_clip();
  void thin_polyline_path(std::span<const Point> points);
  void wide_polyline_path(std::span<const Point> points, double offset);
  void stroke_with_pen(bool thin);
  void fill_with_brush();
  void ellipse_path(const ArcSpec &arc, double rx, double ry, bool pie);
  Box guard() const;

  _cairo *cr_;
  Box bounds_;
  std::optional<Box> applied_clip_;
  _cairo_pattern *stipple_ = nullptr;
  Rgb stipple_color_ = 0;
};

// Sets the cairo source to an opaque colour.
void set_source_color(_cairo *cr, Rgb color);

}  // namespace vex3d::platform
