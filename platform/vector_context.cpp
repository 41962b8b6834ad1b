#include "vector_context.h"

#include <cairo-pdf.h>
#include <cairo-ps.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>

namespace vex3d::platform {
namespace {

constexpr double kPointsPerPixel = 72.0 / kScreenDpi;

cairo_status_t write_piece(void *closure, const unsigned char *data, unsigned int length);

cairo_surface_t *new_surface(VectorFormat format, const char *path, cairo_write_func_t write, void *closure,
                             double w, double h) {
  switch (format) {
    case VectorFormat::kSvg:
      return path ? cairo_svg_surface_create(path, w, h) : cairo_svg_surface_create_for_stream(write, closure, w, h);
    case VectorFormat::kPdf:
      return path ? cairo_pdf_surface_create(path, w, h) : cairo_pdf_surface_create_for_stream(write, closure, w, h);
    case VectorFormat::kPostScript:
      return path ? cairo_ps_surface_create(path, w, h) : cairo_ps_surface_create_for_stream(write, closure, w, h);
  }
  return nullptr;
}

}  // namespace

struct VectorContext::Stream {
  Writer writer;
};

namespace {

cairo_status_t write_piece(void *closure, const unsigned char *data, unsigned int length) {
  auto *writer = static_cast<VectorContext::Writer *>(closure);
  return (*writer)(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

cairo_t *new_page(VectorFormat format, const char *path, cairo_write_func_t write, void *closure, int width,
                  int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  cairo_surface_t *surface = new_surface(format, path, write, closure, width * kPointsPerPixel,
                                         height * kPointsPerPixel);
  if (!surface) return nullptr;
  cairo_t *cr = cairo_create(surface);
  cairo_surface_destroy(surface);
  cairo_scale(cr, kPointsPerPixel, kPointsPerPixel);
  return cr;
}

}  // namespace

VectorContext::VectorContext(_cairo *cr, Box bounds, std::unique_ptr<Stream> stream)
    : CairoContext(cr, bounds), stream_(std::move(stream)) {}

VectorContext::~VectorContext() { finish(); }

std::unique_ptr<VectorContext> VectorContext::to_file(VectorFormat format, const std::string &path, int width,
                                                      int height) {
  cairo_t *cr = new_page(format, path.c_str(), nullptr, nullptr, width, height);
  return std::unique_ptr<VectorContext>(
      new VectorContext(cr, Box{0, 0, std::max(width, 1), std::max(height, 1)}, nullptr));
}

std::unique_ptr<VectorContext> VectorContext::to_stream(VectorFormat format, Writer writer, int width, int height) {
  auto stream = std::make_unique<Stream>();
  stream->writer = std::move(writer);
  cairo_t *cr = new_page(format, nullptr, write_piece, &stream->writer, width, height);
  return std::unique_ptr<VectorContext>(
      new VectorContext(cr, Box{0, 0, std::max(width, 1), std::max(height, 1)}, std::move(stream)));
}

std::optional<VectorFormat> vector_format_of(const std::string &path) {
  const auto dot = path.rfind('.');
  if (dot == std::string::npos) return std::nullopt;
  std::string ext = path.substr(dot + 1);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ext == "svg") return VectorFormat::kSvg;
  if (ext == "pdf") return VectorFormat::kPdf;
  if (ext == "ps" || ext == "eps") return VectorFormat::kPostScript;
  return std::nullopt;
}

}  // namespace vex3d::platform
