// Printing through the platform printer and copying to the host's
// clipboard: the page drawn as vector onto the printer's page, or as the
// clipboard's bitmap, metafile picture or enhanced metafile.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "boundary.h"
#include "export.h"
#include "export_internal.h"
#include "metafile_context.h"
#include "output_state.h"
#include "printer.h"
#include "vector_context.h"
#include "window.h"

namespace vex3d {
namespace {

constexpr const char *kDocumentName = "Stock graphs";
constexpr double kPixelsPerPoint = platform::kScreenDpi / 72.0;
constexpr int kAnisotropic = 8;

int pixels(double points) { return static_cast<int>(std::lround(points * kPixelsPerPoint)); }

void put16(std::vector<std::uint8_t> &b, unsigned v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void put32(std::vector<std::uint8_t> &b, std::uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

// The clipboard's form of the chart in the format; empty when it cannot be made.
std::vector<std::uint8_t> clipboard_bytes(Vex3dGraph *g, int format) {
  if (format == VEX3D_FORMAT_BITMAP) {
    std::uint8_t *dib = Vex3dMakeDIB(g, 0, 0);
    if (!dib) return {};
    std::vector<std::uint8_t> bytes(dib, dib + Vex3dDIBSize(dib));
    Vex3dFreeDIB(dib);
    return bytes;
  }
  if (format == VEX3D_FORMAT_ENHANCED_METAFILE) return page_metafile(g, platform::MetafileFormat::kEnhanced);
  const std::vector<std::uint8_t> metafile = page_metafile(g, platform::MetafileFormat::kPlain);
  if (metafile.empty()) return {};
  // A metafile picture: anisotropic, extents 0 x 0 (the reader chooses the size).
  std::vector<std::uint8_t> bytes;
  put32(bytes, kAnisotropic);
  put32(bytes, 0);
  put32(bytes, 0);
  bytes.insert(bytes.end(), metafile.begin(), metafile.end());
  return bytes;
}

std::vector<std::uint8_t> palette_bytes(const std::vector<int> &palette) {
  std::vector<std::uint8_t> bytes;
  put16(bytes, 0x300);
  put16(bytes, static_cast<unsigned>(palette.size()));
  for (const int c : palette) {
    bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((c >> 8) & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>((c >> 16) & 0xFF));
    bytes.push_back(0);
  }
  return bytes;
}

ClipboardItem::Format clipboard_format(int format) {
  switch (format) {
    case VEX3D_FORMAT_BITMAP: return ClipboardItem::kDib;
    case VEX3D_FORMAT_ENHANCED_METAFILE: return ClipboardItem::kEnhancedMetafile;
    default: return ClipboardItem::kMetafilePicture;
  }
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" int Vex3dCopyToClipboard(Vex3dGraph *graph, int format) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    if (!graph->window) return export_failed(graph, "the chart has no window whose clipboard could take it");
    if (format < VEX3D_FORMAT_BITMAP || format > VEX3D_FORMAT_STANDARD_METAFILE)
      return export_failed(graph, "the format " + std::to_string(format) + " is not 1 to 4");
    if (!export_size_ok(graph)) return 0;
    std::vector<ClipboardItem> items;
    items.push_back(ClipboardItem{clipboard_format(format), clipboard_bytes(graph, format)});
    if (items.front().bytes.empty()) return export_failed(graph, "cannot draw the chart for the clipboard");
    const OutputState &out = output_state(graph);
    if (out.has_palette) items.push_back(ClipboardItem{ClipboardItem::kPalette, palette_bytes(out.palette)});
    if (!graph->window->place_on_clipboard(items)) return export_failed(graph, "the clipboard cannot be opened");
    return 1;
  });
}

extern "C" int Vex3dPrintOn(Vex3dGraph *graph, const char *printer, int format, int scale, int left, int top, int width,
                            int height) {
  return guarded(__func__, [&]() -> int {
    if (!graph) return 0;
    if (format < VEX3D_FORMAT_BITMAP || format > VEX3D_FORMAT_STANDARD_METAFILE)
      return export_failed(graph, "the format " + std::to_string(format) + " is not 1 to 4");
    if (!export_size_ok(graph)) return 0;
    std::string chosen = printer ? printer : "";
    if (chosen.empty() && graph->window) {
      const std::optional<std::string> choice = graph->window->choose_printer();
      if (!choice) return export_failed(graph, "no printer was chosen");
      chosen = *choice;
    }
    std::string error;
    platform::PrinterPage page;
    if (!platform::printer_page(chosen, page, error)) return export_failed(graph, "cannot print: " + error);
    // The printer's coordinates start at the printable area's corner.
    const int page_width = pixels(page.width), page_height = pixels(page.height);
    const int printable_width = std::max(1, page_width - pixels(page.left) - pixels(page.right));
    const int printable_height = std::max(1, page_height - pixels(page.top) - pixels(page.bottom));
    int box_width = width, box_height = height;
    if (box_width == 0 || box_height == 0) box_width = printable_width, box_height = printable_height;
    int w = 0, h = 0;
    Vex3dScaledExtent(scale, graph->width, graph->height, box_width, box_height, &w, &h);

    // The abort dialog stands from here to the end; the user may cancel
    // while the page is drawn or sent.
    struct AbortDialog {
      Vex3dWindow *window;
      bool cancelled = false;
      bool asked() { return cancelled = cancelled || (window && window->printing_cancelled()); }
      ~AbortDialog() {
        if (window) window->printing_ended(cancelled);
      }
    } dialog{graph->window};
    if (dialog.window) dialog.window->printing_started(kDocumentName);
    std::vector<std::uint8_t> pdf;
    {
      auto doc = platform::VectorContext::to_stream(
          platform::VectorFormat::kPdf,
          [&](const unsigned char *data, std::size_t size) {
            pdf.insert(pdf.end(), data, data + size);
            return true;
          },
          page_width, page_height);
      // Vector whatever the format: a printer takes the page's own primitives.
      const platform::Box to{pixels(page.left) + left, pixels(page.top) + top, w, h};
      if (!doc || !draw_mapped(graph, *doc, to) || !doc->finish())
        return export_failed(graph, "cannot draw the page for the printer");
    }
    if (!platform::print_pdf(page.printer, kDocumentName, pdf, error, [&] { return dialog.asked(); }))
      return export_failed(graph, "cannot print on " + page.printer + ": " + error);
    return 1;
  });
}

extern "C" int Vex3dPrint(Vex3dGraph *graph, int format, int scale, int left, int top, int width, int height) {
  return guarded(__func__,
                 [&]() -> int { return Vex3dPrintOn(graph, nullptr, format, scale, left, top, width, height); });
}
