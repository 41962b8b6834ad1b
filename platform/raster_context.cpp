#include "raster_context.h"

#include <cairo.h>

#include "raster_fill.h"

namespace vex3d::platform {
namespace {

constexpr int kLargestSide = 32767;  // cairo's limit for image surfaces

bool fits(int width, int height) { return width >= 0 && height >= 0 && width <= kLargestSide && height <= kLargestSide; }

cairo_t *new_image(int width, int height) {
  if (!fits(width, height)) return nullptr;
  cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t *cr = cairo_create(surface);
  cairo_surface_destroy(surface);
  return cr;
}

}  // namespace

struct RasterContext::Direct : PixelTarget {};

RasterContext::RasterContext(int width, int height, double dpi)
    : CairoContext(new_image(width, height), fits(width, height) ? Box{0, 0, width, height} : Box{}),
      scratch_(std::make_unique<SpanScratch>()),
      width_(fits(width, height) ? width : 0),
      height_(fits(width, height) ? height : 0),
      dpi_(dpi > 0 ? dpi : kScreenDpi) {}

RasterContext::~RasterContext() = default;

// The pixels for writing past cairo, with cairo's pending work flushed.
RasterContext::Direct RasterContext::direct() {
  Direct t;
  if (!ok()) return t;
  if (!direct_) {
    cairo_surface_t *surface = cairo_get_target(cairo());
    cairo_surface_flush(surface);
    direct_ = true;
    if (!surface_pixels_) {
      surface_pixels_ = reinterpret_cast<std::uint32_t *>(cairo_image_surface_get_data(surface));
      surface_stride_ = cairo_image_surface_get_stride(surface) / 4;
    }
  }
  t.pixels = surface_pixels_;
  t.stride = surface_stride_;
  t.clip = t.pixels ? effective_clip() : Box{};
  return t;
}

void RasterContext::cairo_will_draw() {
  if (!direct_) return;
  cairo_surface_mark_dirty(cairo_get_target(cairo()));
  direct_ = false;
}

ImageView RasterContext::pixels() {
  const Direct t = direct();
  if (!t.pixels) return ImageView{};
  return ImageView{t.pixels, width_, height_, t.stride};
}

std::uint32_t RasterContext::pixel(int x, int y) {
  const ImageView v = pixels();
  if (v.empty() || x < 0 || y < 0 || x >= v.width || y >= v.height) return 0;
  return v.pixels[static_cast<long long>(y) * v.stride + x];
}

void RasterContext::do_polyline(std::span<const Point> points) {
  const Pen &pen = state().pen;
  if (!fast_paths_ || !pen.thin || !pen.solid()) return CairoContext::do_polyline(points);
  const Direct t = direct();
  if (!t.pixels) return;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) draw_thin_line(t, points[i], points[i + 1], pen.color);
}

void RasterContext::do_fill_polygon(std::span<const Point> points) {
  if (!fast_paths_ || state().brush.stippled) return CairoContext::do_fill_polygon(points);
  const Direct t = direct();
  if (t.pixels) fill_polygon_spans(t, points, argb_of(state().brush.color), *scratch_);
}

void RasterContext::do_fill_rectangle(const Box &box) {
  if (!fast_paths_ || state().brush.stippled) return CairoContext::do_fill_rectangle(box);
  const Direct t = direct();
  if (t.pixels) fill_box(t, box, argb_of(state().brush.color));
}

bool RasterContext::do_finish() {
  cairo_will_draw();
  cairo_surface_flush(cairo_get_target(cairo()));
  return cairo_status(cairo()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace vex3d::platform
