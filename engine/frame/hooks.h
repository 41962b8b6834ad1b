// What the frame asks of the layers built on it.
//
// The frame sits at the bottom of the engine, yet some set rules need the
// layers above it: a new data set is prepared by the data layer, a font is
// realised by the platform, a repaint is drawn by the output layer. Each
// layer fills its entries once, when the engine starts; an empty entry means
// that layer is not present and the step is skipped.
#pragma once

#include "draw_ops.h"
#include "restable.h"

namespace vex3d {

struct FontRecord;
// The platform's outline fonts (outline_font.h).
struct OutlineFace;
struct OutlineMetrics;
struct GlyphOutline;

enum class DataChange {
  kSurface,  // SURFACE_DATA was replaced
  kZone,     // ZONE_DATA was replaced
  kRanges,   // a bound, a use-default flag, TYPE, a bar format or ZORIGIN changed
};

// What attaching a window tells the graph.
struct WindowInfo {
  Vex3dWindow *parent = nullptr;
  int width = 0, height = 0;
  const char *title = nullptr;
};

struct EngineHooks {
  // ---- data layer
  // Prepares the changed data set(s) and recomputes the derived ranges.
  void (*data_changed)(Vex3dGraph *graph, DataChange what) = nullptr;
  // Reads a data file for the text form of the Data type.
  Vex3dData *(*read_data)(const char *file, char *error) = nullptr;
  // Frees a data set the graph read itself.
  void (*destroy_data)(Vex3dData *data) = nullptr;

  // ---- contour layer
  // Installs the default contour style table.
  void (*default_contour_styles)(Vex3dGraph *graph) = nullptr;
  // Discards contours and zones computed from levels that were dropped.
  void (*levels_dropped)(Vex3dGraph *graph) = nullptr;
  // Discards contours and zones that point into grids prepared anew.
  void (*grids_prepared)(Vex3dGraph *graph) = nullptr;
  Vex3dDistnTable *(*read_distn_table)(const char *file, char *error) = nullptr;
  void (*free_distn_table)(Vex3dDistnTable *table) = nullptr;
  Vex3dContourStyle **(*read_contour_styles)(const char *file, char *error) = nullptr;
  void (*free_contour_styles)(Vex3dContourStyle **styles) = nullptr;

  // ---- render layer
  // Recomputes the cube half-extents (the axes' normalized_scale) after the
  // scales or the draw mode may have changed.
  void (*cube_half_extents)(Vex3dGraph *graph) = nullptr;

  // ---- output layer and platform
  // The drawing operations installed in every new graph.
  const Vex3dDrawOps *draw_ops = nullptr;
  // Lays out the page so that computed sizes and positions are current.
  void (*layout)(Vex3dGraph *graph) = nullptr;
  // The series of the series-legend entry under a pixel; -1 when none.
  int (*legend_series_at)(Vex3dGraph *graph, int px, int py) = nullptr;
  // Draws the regions named by the change mask and clears it.
  void (*draw)(Vex3dGraph *graph) = nullptr;
  // Rebuilds the off-screen buffer for WIDTH x HEIGHT.
  void (*rebuild_buffer)(Vex3dGraph *graph) = nullptr;
  // Releases whatever the layers hold for a graph about to be destroyed.
  void (*graph_destroyed)(Vex3dGraph *graph) = nullptr;
  // Binds a window: fills what the graph takes from it; false refuses.
  bool (*attach_window)(Vex3dGraph *graph, Vex3dWindow *window, WindowInfo *info) = nullptr;
  void (*detach_window)(Vex3dGraph *graph, Vex3dWindow *window) = nullptr;
  void (*destroy_window)(Vex3dWindow *window) = nullptr;
  // Colour depth (bits per pixel) and vertical resolution of the screen.
  int (*screen_color_depth)() = nullptr;
  int (*screen_dpi)() = nullptr;
  // Realises a font description on the screen: the face obtained replaces the
  // requested one; see font.cpp for which fields follow the realised font.
  void (*realize_font)(Vex3dFontDesc *desc, bool size_given) = nullptr;
  // Fills a font record's metrics from its font.
  void (*font_metrics)(Vex3dGraph *graph, FontRecord *record) = nullptr;
  // Opens the outline face a description resolves to and fills its metrics;
  // null when there is none. Closed with close_outline_face.
  OutlineFace *(*open_outline_face)(const Vex3dFontDesc *desc, OutlineMetrics *metrics) = nullptr;
  // Replaces outline with the glyph of one character (a Unicode code point);
  // false when the glyph cannot be obtained.
  bool (*glyph_outline)(OutlineFace *face, char32_t code, GlyphOutline *outline) = nullptr;
  void (*close_outline_face)(OutlineFace *face) = nullptr;
};

// The hooks in force; the first call starts the engine.
const EngineHooks &hooks();

}  // namespace vex3d

// Defined by the engine library that links the layers together: fills the
// hooks of every layer present. Called once, when the engine starts.
void vex3d_install_layer_hooks(vex3d::EngineHooks &hooks);
