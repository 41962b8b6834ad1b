// The raster context: an image of ARGB32 pixels in memory. It backs the
// off-screen buffer and every raster export.
//
// Aliased solid fills and thin solid lines are drawn by the raster fast
// paths straight into the pixels; everything else by cairo.
#pragma once

#include <memory>
#include <vector>

#include "cairo_context.h"
#include "fonts.h"

namespace vex3d::platform {

struct SpanScratch;

class RasterContext final : public CairoContext {
 public:
  // A transparent image of width x height pixels (each 0 to 32767); a
  // larger or negative size gives a failed context.
  RasterContext(int width, int height, double dpi = kScreenDpi);
  ~RasterContext() override;

  ContextKind kind() const override { return ContextKind::kRaster; }
  int color_depth() const override { return 32; }
  double resolution() const override { return dpi_; }

  int width() const { return width_; }
  int height() const { return height_; }
  // The pixels as drawn so far: premultiplied ARGB32, valid until the next
  // drawing operation.
  ImageView pixels();
  // One pixel (0 outside the image).
  std::uint32_t pixel(int x, int y);
  // With the fast paths off every primitive goes through cairo (for
  // comparisons); they are on by default.
  void set_fast_paths(bool on) { fast_paths_ = on; }

 protected:
  void do_polyline(std::span<const Point> points) override;
  void do_fill_polygon(std::span<const Point> points) override;
  void do_fill_rectangle(const Box &box) override;
  void do_fill_pie(const ArcSpec &arc) override;
  bool do_finish() override;
  void cairo_will_draw() override;

 private:
  struct Direct;
  Direct direct();

  std::unique_ptr<SpanScratch> scratch_;
  int width_ = 0, height_ = 0;
  double dpi_;
  bool fast_paths_ = true;
  bool direct_ = false;  // the pixels were written past cairo since it last drew
  // The image surface's pixels and row length in pixels: fixed for its
  // lifetime, asked of cairo once.
  std::uint32_t *surface_pixels_ = nullptr;
  int surface_stride_ = 0;
  // Small whole ellipses (scatter symbols) as cairo fills them, by size.
  struct EllipseStamp;
  const EllipseStamp &ellipse_stamp(int width, int height);
  std::vector<EllipseStamp> stamps_;
};

}  // namespace vex3d::platform
