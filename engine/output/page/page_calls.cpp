// The public calls of the page: drawing contexts, drawing the page into
// one, and a page written as a PNG file.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "boundary.h"
#include "legend.h"
#include "output_state.h"
#include "page.h"
#include "page_drawing.h"
#include "png_file.h"
#include "raster_context.h"
#include "recording_context.h"
#include "w_render.h"

namespace vex3d {
namespace {

constexpr int kLargestSide = 32767;

void copy_error(char *error, const std::string &text) {
  if (!error) return;
  std::snprintf(error, VEX3D_ERROR_SIZE, "%s", text.c_str());
}

// Written whole or not at all (output_file.h).
bool write_png_whole(platform::RasterContext &raster, const char *file, char *error) {
  if (!file || !*file) {
    copy_error(error, "no file name");
    return false;
  }
  std::string reason;
  if (platform::write_png(file, raster.pixels(), &reason)) return true;
  copy_error(error, std::string("cannot write ") + file + ": " + reason);
  return false;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dDrawContext *Vex3dCreateRasterContext(int width, int height) {
  return guarded(__func__, [&]() -> Vex3dDrawContext * {
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide) return nullptr;
    auto raster = std::unique_ptr<platform::RasterContext>(new (std::nothrow) platform::RasterContext(width, height));
    if (!raster || !raster->ok()) return nullptr;
    return raster.release();
  });
}

extern "C" void Vex3dDestroyDrawContext(Vex3dDrawContext *context) {
  guarded(__func__, [&] { delete context; });
}

extern "C" const uint32_t *Vex3dRasterContextPixels(Vex3dDrawContext *context, int *width, int *height, int *stride) {
  return guarded(__func__, [&]() -> const uint32_t * {
    auto *raster = dynamic_cast<platform::RasterContext *>(context);
    if (!raster) return nullptr;
    const platform::ImageView view = raster->pixels();
    if (width) *width = view.width;
    if (height) *height = view.height;
    if (stride) *stride = view.stride;
    return view.pixels;
  });
}

extern "C" int Vex3dWriteRasterPng(Vex3dDrawContext *context, const char *file, char *error) {
  return guarded(__func__, [&]() -> int {
    auto *raster = dynamic_cast<platform::RasterContext *>(context);
    if (!raster) {
      copy_error(error, "not a raster picture");
      return 0;
    }
    return write_png_whole(*raster, file, error);
  });
}

extern "C" int Vex3dWriteRasterPngTo(Vex3dDrawContext *context, Vex3dOutputFile *out) {
  return guarded(__func__, [&]() -> int {
    if (!out) return 0;
    auto *raster = dynamic_cast<platform::RasterContext *>(context);
    if (!raster) {
      out->fail("not a raster picture");
      return 0;
    }
    return platform::write_png(*out, raster->pixels()) ? 1 : 0;
  });
}

extern "C" void Vex3dDrawPage(Vex3dGraph *graph, Vex3dDrawContext *context, int mask) {
  guarded(__func__, [&] {
    if (!graph || !context) return;
    {
      const CurrentContextScope current(graph, context);
      prepare_context(graph);
      draw_page(graph, mask);
    }
    // The changes are drawn. A window's buffer, though, no longer matches the
    // regions' previous places, which this drawing moved on: it is drawn whole
    // at its next repaint.
    graph->change_mask = graph->window ? VEX3D_CHANGE_ALL : 0;
  });
}

extern "C" int Vex3dWritePagePng(Vex3dGraph *graph, const char *file, char *error) {
  return guarded(__func__, [&]() -> int {
    if (!graph) {
      copy_error(error, "no graph");
      return 0;
    }
    if (graph->width < 1 || graph->height < 1 || graph->width > kLargestSide || graph->height > kLargestSide) {
      copy_error(error, "the picture size " + std::to_string(graph->width) + "x" + std::to_string(graph->height) +
                            " is not 1 to 32767 on each side");
      return 0;
    }
    platform::RasterContext raster(graph->width, graph->height);
    if (!raster.ok()) {
      copy_error(error,
                 "cannot make a " + std::to_string(graph->width) + "x" + std::to_string(graph->height) + " picture");
      return 0;
    }
    Vex3dDrawPage(graph, &raster, VEX3D_CHANGE_ALL);
    return write_png_whole(raster, file, error);
  });
}

extern "C" void Vex3dLayOutPage(Vex3dGraph *graph) {
  guarded(__func__, [&] {
    if (!graph) return;
    if (current_context(graph)) {
      lay_out_page(graph);
      return;
    }
    platform::NullContext screen;
    const CurrentContextScope current(graph, &screen);
    prepare_context(graph);
    lay_out_page(graph);
  });
}

extern "C" int Vex3dLegendKind(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> int {
    return graph ? static_cast<int>(output_state(graph).page.legend.kind) : VEX3D_LEGEND_NONE;
  });
}

extern "C" int Vex3dLegendEntryCount(Vex3dGraph *graph) {
  return guarded(__func__, [&]() -> int {
    return graph ? static_cast<int>(legend_draw_order(output_state(graph).page.legend).size()) : 0;
  });
}

extern "C" const char *Vex3dLegendEntryLabel(Vex3dGraph *graph, int k) {
  return guarded(__func__, [&]() -> const char * {
    if (!graph || k < 0) return nullptr;
    const std::vector<const LegendEntry *> order = legend_draw_order(output_state(graph).page.legend);
    return k < static_cast<int>(order.size()) ? order[static_cast<std::size_t>(k)]->label.c_str() : nullptr;
  });
}

extern "C" void Vex3dSetPlotCubeOnly(Vex3dGraph *graph, int on) {
  guarded(__func__, [&] {
    if (graph) output_state(graph).page.cube_only = on != 0;
  });
}
