// What the output layer keeps in a graph: the current context and the
// drawing state as descriptions, with the pen and brush made from them; the
// palette; the window's off-screen buffer and painting state.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "draw_codes.h"
#include "draw_context.h"
#include "graph.h"
#include "page_state.h"
#include "raster_context.h"
#include "window.h"

namespace vex3d {

// The pen as the operations describe it; the platform pen is made from it.
struct PenDescription {
  int color = 0;
  int width = 1;
  int style = VEX3D_LINE_SOLID;  // others dashed
  int cap = VEX3D_CAP_FLAT, join = VEX3D_JOIN_BEVEL;
  bool geometric = false;  // false: the one-pixel cosmetic pen
  bool dashed = false;
  std::vector<double> dashes;   // pixels; empty: the default dashes
  bool pattern_dashes = false;  // dashes taken from a line pattern scale with the width
  double dash_offset = 0;
};

struct OutputState final : LayerState {
  platform::DrawContext *context = nullptr;  // current; not owned
  PenDescription pen;
  int fill_color = 0;
  int fill_style = VEX3D_FILL_SOLID;  // or VEX3D_FILL_STIPPLED (others are only recorded)
  bool stipple_brush = false;
  // The state made from the descriptions, as given to every context.
  platform::DrawState state;
  std::vector<platform::Point> points;  // scratch for point conversions

  // ---- palette (palette.cpp)
  bool has_palette = false;
  std::vector<int> palette;  // 0xBBGGRR entries
  int extra_palette_color = COLOR_UNSET;

  // ---- window and repaint (graph_window.cpp, repaint.cpp)
  std::unique_ptr<platform::RasterContext> buffer;  // off-screen, WIDTH x HEIGHT; made at the next drawing
  bool buffer_valid = false;                        // holds the last complete drawing
  bool buffer_suspended = false;                    // double buffering left out for this drawing
  platform::DrawContext *window_context = nullptr;  // a host's context while it paints into it; not owned
  WindowRect update;                                // the part of the window to repaint
  bool in_paint = false, deferred_paint = false, preview = false;
  std::string window_title;
  long page_drawings = 0;  // pages drawn, for diagnostics

  // ---- the page (page/)
  PageState page;

  // ---- export (export/): the depth the off-screen buffer counts as
  int export_bits = 32;
};

// The graph's output state, made on first use.
OutputState &output_state(Vex3dGraph *graph);

// True when the context is a metafile (fewer pen features, no clipping).
bool is_metafile(const platform::DrawContext *context);

}  // namespace vex3d
