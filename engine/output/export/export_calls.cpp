// The export calls: the off-screen rendering and its bitmap, drawing into a
// caller's context under the scale's mapping, and the files.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "boundary.h"
#include "diagnostics.h"
#include "dib.h"
#include "export.h"
#include "export_internal.h"
#include "file_output.h"
#include "mapped_context.h"
#include "metafile_context.h"
#include "output_state.h"
#include "pngcomp.h"
#include "raster_context.h"
#include "svg_context.h"
#include "vector_context.h"
#include "w_render.h"

namespace vex3d {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr std::size_t kBitmapPiece = 32768;
constexpr std::size_t kMetafilePiece = 16384;
constexpr std::size_t kAnyPiece = 1 << 20;

bool format_known(int format) { return format >= VEX3D_FORMAT_BITMAP && format <= VEX3D_FORMAT_STANDARD_METAFILE; }

bool write_out(Vex3dGraph *g, const char *file, std::initializer_list<std::span<const std::uint8_t>> pieces,
               std::size_t chunk) {
  std::string error;
  if (write_file_whole(file, pieces, chunk, error)) return true;
  return export_failed(g, std::string("cannot write ") + (file ? file : "(no file)") + ": " + error);
}

// The page drawn into a PDF document in memory; empty on failure.
std::vector<std::uint8_t> page_vector(Vex3dGraph *g, platform::VectorFormat format) {
  std::vector<std::uint8_t> bytes;
  auto doc = platform::VectorContext::to_stream(
      format,
      [&](const unsigned char *data, std::size_t size) {
        bytes.insert(bytes.end(), data, data + size);
        return true;
      },
      g->width, g->height);
  if (!doc || !doc->ok()) return {};
  Vex3dDrawPage(g, doc.get(), VEX3D_CHANGE_ALL);
  if (!doc->finish()) return {};
  return bytes;
}

struct DibBlock {
  std::unique_ptr<std::uint8_t, decltype(&Vex3dFreeDIB)> block{nullptr, Vex3dFreeDIB};
  DibLayout layout;
};

DibBlock make_dib(Vex3dGraph *g, int bits) {
  DibBlock d;
  d.block.reset(Vex3dMakeDIB(g, 0, bits));
  if (d.block) d.layout = dib_layout({d.block.get(), Vex3dDIBSize(d.block.get())});
  return d;
}

bool save_vector(Vex3dGraph *g, const char *file, platform::VectorFormat format) {
  if (!export_size_ok(g)) return false;
  if (format == platform::VectorFormat::kSvg) {
    // Written by our own context, element by element, and saved as it is.
    platform::SvgContext svg(g->width, g->height);
    if (svg.ok()) Vex3dDrawPage(g, &svg, VEX3D_CHANGE_ALL);
    if (!svg.finish()) return export_failed(g, "cannot draw the page as a vector document");
    const std::string &text = svg.text();
    return write_out(g, file, {{reinterpret_cast<const std::uint8_t *>(text.data()), text.size()}}, kAnyPiece);
  }
  const std::vector<std::uint8_t> bytes = page_vector(g, format);
  if (bytes.empty()) return export_failed(g, "cannot draw the page as a vector document");
  return write_out(g, file, {bytes}, kAnyPiece);
}

}  // namespace

std::vector<std::uint8_t> page_metafile(Vex3dGraph *g, platform::MetafileFormat format) {
  platform::MetafileContext meta(format, g->width, g->height);
  if (meta.ok()) Vex3dDrawPage(g, &meta, VEX3D_CHANGE_ALL);
  if (!meta.finish()) return {};
  return meta.bytes();
}

bool export_failed(Vex3dGraph *graph, const std::string &why) {
  message(graph, "VEX/3d: %s", why.c_str());
  return false;
}

bool export_size_ok(Vex3dGraph *g) {
  if (!g) return false;
  if (g->width < 1 || g->height < 1)
    return export_failed(g,
                         "the chart has no size (" + std::to_string(g->width) + "x" + std::to_string(g->height) + ")");
  if (static_cast<long long>(g->width) * g->height > VEX3D_MAX_EXPORT_PIXELS || g->width > 32767 || g->height > 32767)
    return export_failed(g, "the chart of " + std::to_string(g->width) + "x" + std::to_string(g->height) +
                                " pixels is too large to export");
  return true;
}

platform::RasterContext *render_offscreen(Vex3dGraph *g) {
  if (!export_size_ok(g)) return nullptr;
  OutputState &out = output_state(g);
  if (!out.buffer || out.buffer->width() != g->width || out.buffer->height() != g->height) {
    auto buffer = std::make_unique<platform::RasterContext>(g->width, g->height);
    if (!buffer->ok()) {
      export_failed(g, "cannot make the off-screen picture");
      return nullptr;
    }
    out.buffer = std::move(buffer);
  }
  Vex3dDrawPage(g, out.buffer.get(), VEX3D_CHANGE_ALL);
  out.buffer_valid = true;
  return out.buffer.get();
}

bool draw_mapped(Vex3dGraph *g, platform::DrawContext &target, const platform::Box &to) {
  platform::MappedContext mapped(target, g->width, g->height, to);
  if (!mapped.ok()) return export_failed(g, "the target cannot be drawn into");
  Vex3dDrawPage(g, &mapped, VEX3D_CHANGE_ALL);
  return target.ok();
}

}  // namespace vex3d

using namespace vex3d;

extern "C" int Vex3dRenderOffscreen(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> int { return render_offscreen(graph) != nullptr; });
}

extern "C" int Vex3dSetExportDepth(Vex3dGraph *graph, int bits) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !dib_depth_supported(bits)) return 0;
    output_state(graph).export_bits = bits;
    return 1;
  });
}

extern "C" uint8_t *Vex3dMakeDIB(Vex3dGraph *graph, int compression, int bits) {
  return guarded(__func__, [&]() -> uint8_t * {
    if (!graph) return nullptr;
    if (bits == 0) bits = output_state(graph).export_bits;
    if (compression != 0) {
      export_failed(graph, "bitmaps are made uncompressed only");
      return nullptr;
    }
    if (!dib_depth_supported(bits)) {
      export_failed(graph, "a bitmap of " + std::to_string(bits) + " bits per pixel cannot be made");
      return nullptr;
    }
    platform::RasterContext *buffer = render_offscreen(graph);
    if (!buffer) return nullptr;
    const std::vector<int> palette = realised_palette(graph, bits);
    const std::vector<std::uint8_t> dib = pack_dib(buffer->pixels(), bits, palette);
    auto *block = static_cast<uint8_t *>(std::malloc(dib.size()));
    if (!block) {
      export_failed(graph, "out of memory for the bitmap");
      return nullptr;
    }
    std::memcpy(block, dib.data(), dib.size());
    return block;
  });
}

extern "C" size_t Vex3dDIBSize(const uint8_t *dib) {
  return guarded(__func__, [&]() -> size_t {
    if (!dib) return 0;
    // The block was made here: its header is whole, so reading it is safe.
    const DibLayout d = dib_layout({dib, static_cast<std::size_t>(-1) / 2});
    return d.ok ? d.size : 0;
  });
}

extern "C" void Vex3dFreeDIB(uint8_t *dib) {
  guarded(__func__, [&] { std::free(dib); });
}

extern "C" void Vex3dScaledExtent(int scale, int width, int height, int box_width, int box_height, int *out_width,
                                  int *out_height) {
  guarded(__func__, [&] {
    const double a = height != 0 ? static_cast<double>(width) / height : 1.0;
    const int W = box_width, H = box_height;
    int w = W, h = H;
    switch (scale) {
      case VEX3D_SCALE_NONE: w = width, h = height; break;
      case VEX3D_SCALE_TO_WIDTH: w = W, h = static_cast<int>(std::lround(W / a)); break;
      case VEX3D_SCALE_TO_HEIGHT: w = static_cast<int>(std::lround(H * a)), h = H; break;
      case VEX3D_SCALE_TO_MAXIMUM: break;
      default: {  // to fit
        const double m = std::min(W, H);
        if ((a <= 1 && H < m / a) || (a > 1 && W >= m * a))
          w = static_cast<int>(std::lround(H * a)), h = H;
        else
          w = W, h = static_cast<int>(std::lround(W / a));
      }
    }
    if (out_width) *out_width = w;
    if (out_height) *out_height = h;
  });
}

extern "C" int Vex3dDrawToDC(Vex3dGraph *graph, Vex3dDrawContext *context, int format, int scale, int left, int top,
                             int width, int height) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !context) return 0;
    if (!format_known(format)) return export_failed(graph, "the format " + std::to_string(format) + " is not 1 to 4");
    if (!export_size_ok(graph)) return 0;
    if (width == 0 || height == 0) width = graph->width, height = graph->height;
    int w = 0, h = 0;
    Vex3dScaledExtent(scale, graph->width, graph->height, width, height, &w, &h);
    const platform::Box to{left, top, w, h};
    if (to.empty()) return export_failed(graph, "the target box is empty");
    const platform::DrawState saved = context->state();
    bool ok = false;
    if (format == VEX3D_FORMAT_BITMAP) {
      if (platform::RasterContext *buffer = render_offscreen(graph)) {
        context->set_clip(std::nullopt);
        context->draw_image(buffer->pixels(), to);
        ok = context->ok();
      }
    } else {
      ok = draw_mapped(graph, *context, to);
    }
    context->set_state(saved);
    return ok;
  });
}

extern "C" int Vex3dDrawToFileBits(Vex3dGraph *graph, const char *file, int format, int bits) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    if (!format_known(format)) return export_failed(graph, "the format " + std::to_string(format) + " is not 1 to 4");
    if (!export_size_ok(graph)) return 0;
    if (format == VEX3D_FORMAT_BITMAP) {
      const DibBlock dib = make_dib(graph, bits);
      if (!dib.layout.ok) return 0;
      const std::size_t size = dib.layout.size;
      std::uint8_t header[kFileHeaderSize] = {'B', 'M'};
      const auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) header[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
      };
      put32(2, static_cast<std::uint32_t>(size + kFileHeaderSize));
      put32(10, static_cast<std::uint32_t>(kFileHeaderSize + kDibHeaderSize + dib.layout.table.size()));
      return write_out(graph, file, {std::span<const std::uint8_t>(header), {dib.block.get(), size}}, kBitmapPiece);
    }
    const bool enhanced = format == VEX3D_FORMAT_ENHANCED_METAFILE;
    const std::vector<std::uint8_t> bytes =
        page_metafile(graph, enhanced ? platform::MetafileFormat::kEnhanced : platform::MetafileFormat::kPlain);
    if (bytes.empty()) return export_failed(graph, "cannot draw the metafile");
    if (format == VEX3D_FORMAT_METAFILE) {
      const auto dpi = static_cast<int>(platform::kScreenDpi);
      const std::vector<std::uint8_t> header = platform::placeable_header(graph->width, graph->height, dpi, dpi);
      return write_out(graph, file, {header, bytes}, kMetafilePiece);
    }
    return write_out(graph, file, {bytes}, kMetafilePiece);
  });
}

extern "C" int Vex3dDrawToFile(Vex3dGraph *graph, const char *file, int format) {
  return guarded(__func__, [&]() -> int { return Vex3dDrawToFileBits(graph, file, format, 0); });
}

extern "C" int Vex3dSaveJpeg(Vex3dGraph *graph, const char *file, int quality, int grayscale, int optimize,
                             int progressive) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    if (quality < 0 || quality > 100)
      return export_failed(graph, "the JPEG quality " + std::to_string(quality) + " is not 0 to 100");
    const DibBlock dib = make_dib(graph, 0);
    if (!dib.layout.ok) return 0;
    std::vector<std::uint8_t> jpeg;
    std::string error;
    if (!jpeg_of_dib(dib.layout, JpegOptions{quality, grayscale != 0, optimize != 0, progressive != 0}, jpeg, error))
      return export_failed(graph, "cannot make the JPEG picture: " + error);
    return write_out(graph, file, {jpeg}, kAnyPiece);
  });
}

extern "C" int Vex3dSavePngBits(Vex3dGraph *graph, const char *file, int interlace, int bits) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    const DibBlock dib = make_dib(graph, bits);
    if (!dib.layout.ok) return 0;
    std::vector<std::uint8_t> png;
    std::string error;
    if (!png_of_dib(dib.layout, interlace != 0, png, error))
      return export_failed(graph, "cannot make the PNG picture: " + error);
    return write_out(graph, file, {png}, kAnyPiece);
  });
}

extern "C" int Vex3dSavePng(Vex3dGraph *graph, const char *file, int interlace) {
  return guarded(__func__, [&]() -> int { return Vex3dSavePngBits(graph, file, interlace, 0); });
}

extern "C" int Vex3dSaveSvg(Vex3dGraph *graph, const char *file) {
  return guarded(__func__, [&]() -> int { return graph && save_vector(graph, file, platform::VectorFormat::kSvg); });
}

extern "C" int Vex3dSavePdf(Vex3dGraph *graph, const char *file) {
  return guarded(__func__, [&]() -> int { return graph && save_vector(graph, file, platform::VectorFormat::kPdf); });
}
