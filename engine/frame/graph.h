// The graph record and the text record.
//
// One graph holds everything about one chart. Callers never write these
// fields directly: resources are set through the resource table, which names
// the field each resource lives in. Later layers keep their working state in
// the LayerState slots, so that the frame does not depend on them.
#pragma once

#include <memory>
#include <vector>

#include "owned.h"
#include "restable.h"

struct Vex3dDrawOps;

namespace vex3d {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// Fonts of a region: metrics filled by the drawing back end, the stroke font
// used for 3D text, and the font the graph owns.
struct FontRecord {
  int ascent = 0, descent = 0, height = 0, typical_width = 0;
  int stroke_font = 0;
  int stroke_size = 0;
  Vex3dFont *font = nullptr;  // owned
  Vex3dFontDesc desc{};

  FontRecord() = default;
  FontRecord(const FontRecord &) = delete;
  FontRecord &operator=(const FontRecord &) = delete;
  ~FontRecord();
};

// A background colour with the device values the back end caches for it;
// the caches are reset whenever the colour changes.
struct BackgroundColor {
  int color = 0;
  int device[2] = {-1, -1};
};

// How many times the pen and the brush were changed through the operation
// table; the output layer counts each change. One who keeps the colour it set
// last compares the counts to know that nobody has set another since.
struct DrawStateChanges {
  unsigned long pen = 0, brush = 0;
};

struct ImageRecord {
  int layout = 0;
  OwnedText file;
  std::unique_ptr<LayerState> picture;  // loaded on the next drawing
};

// The header and the footer.
struct Region {
  explicit Region(int region_code) : code(region_code) {}
  FontRecord font;
  BackgroundColor background;
  int foreground = 0;
  int code;
  ImageRecord image;
  int image_minimum_size = 0;
  Rect rect, previous;
  int x = 0, y = 0;
  int x_use_default = 0, y_use_default = 0;
  StringList strings;
  int adjust = 0;
  int shown = 1;
  int border = 0;
  int border_width = 0;
};

// Grid lines of one axis: the style in force and the default it returns to.
struct GridLineStyle {
  Vex3dLineStyle in_force{};
  Vex3dLineStyle default_style{};
  int use_default = 0;
};

// Everything that belongs to one of the three axes.
struct Axis {
  double max = 0, min = 0, rotation = 0, scale = 0;
  double normalized_scale = 1;  // cube half-extent along this axis
  int show = 0, max_use_default = 0, mesh_show = 0, min_use_default = 0;
  OwnedText title;
  StringList data_labels;
  RecordList<Vex3dValueLabel> value_labels;
  int grid_planes = 0;
  GridLineStyle grid;
  int mesh_filter = 0;
  int anno_method = 0;
  int bar_format = 0;
  double bar_spacing = 0;
};

// The series styles in force: the caller's, or the built-in ones grown to
// one per series.
struct DataStyleRecord {
  RecordList<Vex3dDataStyle> styles;
  int use_default = 0;
};

// A data set as prepared for drawing: grid coordinates made explicit.
struct Vex3dDataInfo {
  int valid = 0;
  int empty = 0;
  int type = 0;
  int numx = 0, numy = 0;
  int nseries = 0;
  double hole = 0;
  const double *xgrid = nullptr;
  const double *ygrid = nullptr;
  double **values = nullptr;
  Vex3dSeries *series = nullptr;
  std::vector<double> computed_xgrid, computed_ygrid;  // regular grids only
};

// The part of the grid inside the x and y bounds.
struct ViewingPortion {
  int first_x = 0, last_x = 0, first_y = 0, last_y = 0;
  int count_x = 0, count_y = 0;
  double corner_x = 0, corner_y = 0;
};

// Quantities derived from the data and the bounds.
struct DerivedRanges {
  double data_zmin = 0, data_zmax = 0;
  double x_spacing = 1, y_spacing = 1;
  ViewingPortion portion;
  double distn_min = VALUE_UNSET, distn_max = VALUE_UNSET;
};

// The levels in use, computed lazily and dropped on every change they depend on.
struct ComputedLevels {
  bool valid = false;
  std::vector<double> levels;
};

}  // namespace vex3d

struct Vex3dText {
  Vex3dGraph *graph = nullptr;
  vex3d::FontRecord font;
  vex3d::BackgroundColor background;
  int foreground = 0;
  int code = -6;
  vex3d::ImageRecord image;
  int image_minimum_size = 0;
  vex3d::Rect rect, previous;
  vex3d::StringList strings;
  int adjust = 0;
  int shown = 1;
  int border = 0;
  int border_width = 0;
  int attach_index_point = 0, attach_index_series = 0, attach_index_x = 0, attach_index_y = 0;
  int attach_method = 0;
  int attach_pixel_x = 0, attach_pixel_y = 0;
  double attach_point_x = 0, attach_point_y = 0, attach_point_z = 0;
  int line_show = 0;
  int show = 0;
  int offset_x = 0, offset_y = 0;
  int plane = 0;
  vex3d::OwnedText print_font;
  vex3d::OwnedText obsolete_image;  // the _OBSOLETE names have no storage of their own
  std::unique_ptr<vex3d::LayerState> layout;  // placement computed by the page layout
};

struct Vex3dGraph {
  std::vector<std::unique_ptr<Vex3dText>> texts;

  vex3d::Region header{-3}, footer{-4};

  vex3d::BackgroundColor background, graph_background, legend_background, data_area_background;
  int foreground = 0, graph_foreground = 0, legend_foreground = 0;
  int surface_top = 0, surface_bottom = 0, mesh_top = 0, mesh_bottom = 0;

  vex3d::ImageRecord image, graph_image, legend_image;

  vex3d::RecordList<Vex3dXYColor> xy_colors;
  int legend_label_filter = 0;
  int double_buffer = 0, debug = 0;
  int draw_mesh = 0, draw_shaded = 0, draw_contours = 0, draw_zones = 0, draw_drop_lines = 0;
  int draw_hidden_lines = 0;
  int graph_height_use_default = 0, graph_width_use_default = 0;
  int graph_x_use_default = 0, graph_y_use_default = 0;
  int legend_show = 0, legend_x_use_default = 0, legend_y_use_default = 0;
  int repaint = 0, solid_surface = 0;
  int view_normalized = 0, layout_valid = 0, use_truetype = 0;

  int graph_border_width = 0, legend_border_width = 0, border_width = 0;
  int graph_width = 0, graph_height = 0;
  int legend_x = 0, legend_y = 0, graph_x = 0, graph_y = 0;

  double perspective_depth = 0;
  vex3d::Axis x, y, z;
  double zorigin = 0;
  double view_scale = 0, view_xtranslate = 0, view_ytranslate = 0;

  vex3d::OwnedText name, legend_title;
  vex3d::StringList legend_strings;
  int project_zmin = 0, project_zmax = 0;

  vex3d::FontRecord legend_font, axis_font, axis_title_font;
  vex3d::FontRecord current_font;  // the record last selected for drawing

  Vex3dData *surface_data = nullptr;  // owned by the caller
  vex3d::Vex3dDataInfo surface_info;
  Vex3dData *zone_data = nullptr;  // owned by the caller
  vex3d::Vex3dDataInfo zone_info;
  vex3d::DerivedRanges ranges;
  // Data sets the graph read itself from file names ([0] surface, [1] zone);
  // freed once no longer in use.
  std::shared_ptr<void> read_data[2];

  int distn_method = 0;
  vex3d::DistnTableCopy distn_table;
  int num_distn_levels = 0;
  vex3d::RecordList<Vex3dContourStyle> contour_styles;
  vex3d::DataStyleRecord data_styles;

  int legend_style = 0, legend_orientation = 0, legend_anchor = 0, legend_distn_range = 0;
  int border = 0, graph_border = 0, legend_border = 0;
  int type = 0, preview_method = 0, zone_method = 0;
  Vex3dLegendLabelFunc legend_label_func = nullptr;

  // Binding to the platform and working state of later layers.
  Vex3dWindow *window = nullptr;
  Vex3dWindow *parent = nullptr;
  const Vex3dDrawOps *draw_ops = nullptr;       // the drawing operations in use
  vex3d::DrawStateChanges draw_state_changes;   // made through draw_ops
  std::unique_ptr<vex3d::LayerState> output;    // drawing contexts, buffer, palette
  std::unique_ptr<vex3d::LayerState> view;      // matrices of the current view
  std::unique_ptr<vex3d::LayerState> contours;  // contour and zone working state
  std::unique_ptr<vex3d::LayerState> body;      // projected grid and drawing order of the chart body
  // The cube font selected for 3D text.
  std::unique_ptr<vex3d::LayerState> cube_text;

  vex3d::ComputedLevels levels;
  int effective_levels = 0;  // the table's count or NUM_DISTN_LEVELS
  vex3d::Rect graph_rect, graph_previous, legend_rect, legend_previous;
  int width = 0, height = 0;
  int color_depth = 24;
  int drawn_once = 0;
  int change_mask = 0;
  long paint_requests = 0;  // drawings asked of the back end, for diagnostics

  vex3d::OwnedText obsolete_image;  // the _OBSOLETE names have no storage of their own

  Vex3dGraph() = default;
  Vex3dGraph(const Vex3dGraph &) = delete;
  Vex3dGraph &operator=(const Vex3dGraph &) = delete;
};
