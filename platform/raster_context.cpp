#include "raster_context.h"

#include <cairo.h>

#include <memory>
#include <numbers>

#include "picture_memory.h"
#include "raster_fill.h"

namespace vex3d::platform {
namespace {

constexpr int kLargestSide = 32767;  // cairo's limit for image surfaces

bool fits(int width, int height) { return width >= 0 && height >= 0 && width <= kLargestSide && height <= kLargestSide; }

// The surface owns its pixels through its user data: they go back when
// cairo lets the surface go.
struct PixelMemory {
  void *pixels;
  std::size_t bytes;
};
const cairo_user_data_key_t kPixelMemoryKey{};

void release_pixels(void *data) {
  auto *memory = static_cast<PixelMemory *>(data);
  release_picture_memory(memory->pixels, memory->bytes);
  delete memory;
}

// A transparent ARGB32 surface whose pixels live in picture memory; an
// error surface when there is no memory for them.
cairo_surface_t *new_surface(int width, int height) {
  const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, width);
  if (stride <= 0 || height == 0) return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  auto memory = std::make_unique<PixelMemory>();
  memory->bytes = static_cast<std::size_t>(stride) * static_cast<std::size_t>(height);
  memory->pixels = allocate_picture_memory(memory->bytes);
  if (!memory->pixels) return cairo_image_surface_create(CAIRO_FORMAT_ARGB32, -1, -1);
  cairo_surface_t *surface = cairo_image_surface_create_for_data(static_cast<unsigned char *>(memory->pixels),
                                                                 CAIRO_FORMAT_ARGB32, width, height, stride);
  if (cairo_surface_set_user_data(surface, &kPixelMemoryKey, memory.get(), release_pixels) == CAIRO_STATUS_SUCCESS) {
    memory.release();
  } else {
    release_picture_memory(memory->pixels, memory->bytes);  // an error surface keeps no user data
  }
  return surface;
}

cairo_t *new_image(int width, int height) {
  if (!fits(width, height)) return nullptr;
  cairo_surface_t *surface = new_surface(width, height);
  cairo_t *cr = cairo_create(surface);
  cairo_surface_destroy(surface);
  return cr;
}

}  // namespace

struct RasterContext::Direct : PixelTarget {};

// The pixels cairo fills for a whole ellipse in a box of this size, as runs
// relative to the box. A whole-pixel move of the box moves the path by whole
// pixels, so cairo fills the same pattern wherever the box lies: found once
// through cairo itself, then copied for every ellipse of that size.
struct RasterContext::EllipseStamp {
  struct Run {
    int dy, x0, x1;  // row and columns [x0, x1) relative to the box
  };
  int width = 0, height = 0;
  std::vector<Run> runs;
};

namespace {
// Boxes up to this side go by stamp: symbols; larger ones stay with cairo.
constexpr int kLargestStamp = 64;
// Room around the box in the picture the stamp is taken from.
constexpr int kStampMargin = 2;
}  // namespace

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

const RasterContext::EllipseStamp &RasterContext::ellipse_stamp(int width, int height) {
  for (const EllipseStamp &s : stamps_)
    if (s.width == width && s.height == height) return s;
  EllipseStamp stamp{width, height, {}};
  RasterContext cairo_only(width + 2 * kStampMargin, height + 2 * kStampMargin);
  cairo_only.set_fast_paths(false);
  cairo_only.set_brush({0xFFFFFF, false});
  cairo_only.fill_pie(ArcSpec{{kStampMargin, kStampMargin, width, height}, 0, 2 * std::numbers::pi});
  const ImageView v = cairo_only.pixels();
  for (int y = 0; y < v.height; ++y) {
    const std::uint32_t *row = v.pixels + static_cast<long long>(y) * v.stride;
    for (int x = 0; x < v.width;) {
      if (row[x] == 0) {
        ++x;
        continue;
      }
      const int from = x;
      while (x < v.width && row[x] != 0) ++x;
      stamp.runs.push_back({y - kStampMargin, from - kStampMargin, x - kStampMargin});
    }
  }
  stamps_.push_back(std::move(stamp));
  return stamps_.back();
}

void RasterContext::do_fill_pie(const ArcSpec &arc) {
  const Box &box = arc.box;
  if (!fast_paths_ || state().brush.stippled || !arc.whole() || box.width <= 0 || box.height <= 0 ||
      box.width > kLargestStamp || box.height > kLargestStamp)
    return CairoContext::do_fill_pie(arc);
  const EllipseStamp &stamp = ellipse_stamp(box.width, box.height);
  const Direct t = direct();
  if (!t.pixels) return;
  const std::uint32_t argb = argb_of(state().brush.color);
  for (const EllipseStamp::Run &run : stamp.runs)
    fill_box(t, Box{box.x + run.x0, box.y + run.dy, run.x1 - run.x0, 1}, argb);
}

bool RasterContext::do_finish() {
  cairo_will_draw();
  cairo_surface_flush(cairo_get_target(cairo()));
  return cairo_status(cairo()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace vex3d::platform
