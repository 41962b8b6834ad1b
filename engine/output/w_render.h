// The drawing back end: the operation table every drawing goes through, the
// graph's current drawing context, drawing modes and fonts on the platform.
//
// The vex3d_win_* operations act on the graph's current context; with none
// they keep the drawing state and draw nothing. They are installed in every
// graph as its table (graph->draw_ops); layers below output call them
// through that table.
#pragma once

#include "draw_ops.h"
#include "graph.h"
#include "hooks.h"

namespace vex3d::platform {
class DrawContext;
}

extern "C" {

// ---- slots 0 to 6 (and again 7 to 13)
void vex3d_win_drawline(Vex3dGraph *graph, int x1, int y1, int x2, int y2);
// mode VEX3D_COORD_ABSOLUTE or VEX3D_COORD_PREVIOUS.
void vex3d_win_drawlines(Vex3dGraph *graph, const Vex3dDevicePoint *points, int count, int mode);
// The outline polyline (x,y) (x+w,y) (x+w,y+h) (x,y+h) (x,y) (x+1,y); nothing for a width or height of 0.
void vex3d_win_drawrectangle(Vex3dGraph *graph, int x, int y, int width, int height);
void vex3d_win_drawarc(Vex3dGraph *graph, int x, int y, int width, int height, int angle1, int angle2);
// The shape hint is ignored.
void vex3d_win_fillpolygon(Vex3dGraph *graph, const Vex3dDevicePoint *points, int count, int shape, int mode);
void vex3d_win_fillrectangle(Vex3dGraph *graph, int x, int y, int width, int height);
void vex3d_win_fillarc(Vex3dGraph *graph, int x, int y, int width, int height, int angle1, int angle2);

// ---- slots 14 to 31
void vex3d_win_drawstring(Vex3dGraph *graph, int x, int y, const char *text);
// alignment 1: starts at x; 2: ends at x; any other: centred on x.
void vex3d_win_drawstring_aligned(Vex3dGraph *graph, int x, int y, const char *text, int alignment);
void vex3d_win_setclip(Vex3dGraph *graph, const vex3d::Rect *rectangle);
void vex3d_win_setbackground(Vex3dGraph *graph, int color);
// A dash count of 0 (or no array) takes the line pattern's own dashes.
void vex3d_win_setdashes(Vex3dGraph *graph, int pattern, int offset, int count, const int *dashes);
void vex3d_win_setfillstyle(Vex3dGraph *graph, int style);
void vex3d_win_setsolidfill(Vex3dGraph *graph, int color);
void vex3d_win_setsolidline(Vex3dGraph *graph, int color);
void vex3d_win_setfont(Vex3dGraph *graph, vex3d::FontRecord *font);
void vex3d_win_setforeground(Vex3dGraph *graph, int color);
void vex3d_win_setfillcolor(Vex3dGraph *graph, int color);
void vex3d_win_setlineattributes(Vex3dGraph *graph, int width, int style, int cap, int join);
void vex3d_win_setstipple(Vex3dGraph *graph, int pattern);
void vex3d_win_setdither(Vex3dGraph *graph);
void vex3d_win_textextents(Vex3dGraph *graph, const char *text, int *ascent, int *descent, int *width);
int vex3d_win_textwidth(Vex3dGraph *graph, const char *text);
int vex3d_win_dith_index(Vex3dGraph *graph);
void vex3d_win_drawimage(Vex3dGraph *graph, vex3d::ImageRecord *image, int x, int y, int width, int height,
                         int clip_x, int clip_y, int clip_width, int clip_height);

// Puts the drawing state into one of the modes -6 ... -1 before a group of
// primitives (see drawing_mode.cpp); other modes change nothing.
void Vex3dSetDrawingMode(Vex3dGraph *graph, int mode, int color);

}  // extern "C"

namespace vex3d {

// The operation table installed in every graph.
const Vex3dDrawOps &platform_draw_ops();

// The context the operations draw into, or none.
platform::DrawContext *current_context(const Vex3dGraph *graph);

// The size in pixels at which an image record's picture is drawn as it is
// (loaded on first use); 0 x 0 without a picture.
struct PixelSize {
  int width = 0, height = 0;
};
PixelSize picture_pixel_size(Vex3dGraph *graph, ImageRecord &image);

// Makes a context current for as long as the scope lives (none: drawing
// stops) and then brings back the one it replaced; each context takes on the
// graph's drawing state when it becomes current. Neither the graph nor the
// scope owns the context, which must outlive the scope; the graph must too.
class CurrentContextScope {
 public:
  CurrentContextScope(Vex3dGraph *graph, platform::DrawContext *context);
  ~CurrentContextScope();
  CurrentContextScope(const CurrentContextScope &) = delete;
  CurrentContextScope &operator=(const CurrentContextScope &) = delete;

 private:
  Vex3dGraph *graph_;
  platform::DrawContext *previous_;
};
// Prepares the current context for a drawing: the graph's colour depth is
// read from it (a metafile counts as 2), the default font becomes current
// and every font record's metrics are refreshed for its resolution.
void prepare_context(Vex3dGraph *graph);

// Fills the output layer's hooks of the frame.
void install_output_hooks(EngineHooks &hooks);

}  // namespace vex3d
