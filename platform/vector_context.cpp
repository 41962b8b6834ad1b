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

// Files are written through streams too (to_file), so that every file goes
// the one way of output_file.h.
cairo_surface_t *new_surface(VectorFormat format, cairo_write_func_t write, void *closure, double w, double h) {
  switch (format) {
    case VectorFormat::kSvg: return cairo_svg_surface_create_for_stream(write, closure, w, h);
    case VectorFormat::kPdf: return cairo_pdf_surface_create_for_stream(write, closure, w, h);
    case VectorFormat::kPostScript: return cairo_ps_surface_create_for_stream(write, closure, w, h);
  }
  return nullptr;
}

}  // namespace

struct VectorContext::Stream {
  Writer writer;
  std::unique_ptr<OutputFile> file;  // to_file's own output, committed at finish
};

namespace {

cairo_status_t write_piece(void *closure, const unsigned char *data, unsigned int length) {
  auto *writer = static_cast<VectorContext::Writer *>(closure);
  return (*writer)(data, length) ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

cairo_t *new_page(VectorFormat format, cairo_write_func_t write, void *closure, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  cairo_surface_t *surface = new_surface(format, write, closure, width * kPointsPerPixel, height * kPointsPerPixel);
  if (!surface) return nullptr;
  cairo_t *cr = cairo_create(surface);
  cairo_surface_destroy(surface);
  cairo_scale(cr, kPointsPerPixel, kPointsPerPixel);
  return cr;
}

}  // namespace

VectorContext::VectorContext(_cairo *cr, Box bounds, std::unique_ptr<Stream> stream)
    : CairoContext(cr, bounds), stream_(std::move(stream)) {}

VectorContext::~VectorContext() {
  finish();
  // Cairo completes a document when its surface goes; that must happen while
  // the stream it writes to is still here, and a failed context writes none.
  if (cairo()) cairo_surface_finish(cairo_get_target(cairo()));
}

std::unique_ptr<VectorContext> VectorContext::to_file(VectorFormat format, const std::string &path, int width,
                                                      int height) {
  auto file = std::make_unique<OutputFile>();
  file->open(path);
  auto context = to_output(format, *file, width, height);
  if (!file->ok()) context->fail();
  context->stream_->file = std::move(file);
  return context;
}

std::unique_ptr<VectorContext> VectorContext::to_output(VectorFormat format, OutputFile &out, int width, int height) {
  return to_stream(
      format, [&out](const unsigned char *data, std::size_t size) { return out.write(data, size); }, width, height);
}

bool VectorContext::do_finish() {
  const bool drawn = CairoContext::do_finish();
  OutputFile *file = stream_ ? stream_->file.get() : nullptr;
  if (!file) return drawn;
  if (!drawn) file->fail("cannot complete the page");
  return file->commit();
}

std::unique_ptr<VectorContext> VectorContext::to_stream(VectorFormat format, Writer writer, int width, int height) {
  auto stream = std::make_unique<Stream>();
  stream->writer = std::move(writer);
  cairo_t *cr = new_page(format, write_piece, &stream->writer, width, height);
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
