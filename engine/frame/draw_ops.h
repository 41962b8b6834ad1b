// The table of drawing operations a graph draws through.
//
// Every layer draws only through the table that the output layer installs
// in each graph when the graph is created (Vex3dCreateGraph); the layers
// below output reach it as graph->draw_ops. Coordinates are device
// integers: drawing-surface pixels times the table's coordinate factor.
#pragma once

#include "draw_codes.h"
#include "types.h"

namespace vex3d {
struct FontRecord;
struct ImageRecord;
struct Rect;
}  // namespace vex3d

typedef struct Vex3dDevicePoint {
  int x, y;
} Vex3dDevicePoint;

inline bool operator==(const Vex3dDevicePoint &a, const Vex3dDevicePoint &b) { return a.x == b.x && a.y == b.y; }

// The seven primitives; the table holds them twice (the engine uses both sets).
// The integer codes of the arguments are named in draw_codes.h.
struct Vex3dPrimitiveOps {
  void (*drawline)(Vex3dGraph *graph, int x1, int y1, int x2, int y2);
  void (*drawlines)(Vex3dGraph *graph, const Vex3dDevicePoint *points, int count, int mode);
  void (*drawrectangle)(Vex3dGraph *graph, int x, int y, int width, int height);
  // Angles in 1/64 degree, counter-clockwise from the positive x axis.
  void (*drawarc)(Vex3dGraph *graph, int x, int y, int width, int height, int angle1, int angle2);
  void (*fillpolygon)(Vex3dGraph *graph, const Vex3dDevicePoint *points, int count, int shape, int mode);
  void (*fillrectangle)(Vex3dGraph *graph, int x, int y, int width, int height);
  void (*fillarc)(Vex3dGraph *graph, int x, int y, int width, int height, int angle1, int angle2);
};

struct Vex3dDrawOps {
  Vex3dPrimitiveOps primitives[2];  // slots 0 to 6 and 7 to 13
  void (*drawstring)(Vex3dGraph *graph, int x, int y, const char *text);
  void (*drawstring_aligned)(Vex3dGraph *graph, int x, int y, const char *text, int alignment);
  void (*setclip)(Vex3dGraph *graph, const vex3d::Rect *rectangle);  // null removes the clip
  void (*setbackground)(Vex3dGraph *graph, int color);
  void (*setdashes)(Vex3dGraph *graph, int pattern, int offset, int count, const int *dashes);
  void (*setfillstyle)(Vex3dGraph *graph, int style);
  void (*setsolidfill)(Vex3dGraph *graph, int color);
  void (*setsolidline)(Vex3dGraph *graph, int color);
  void (*setfont)(Vex3dGraph *graph, vex3d::FontRecord *font);
  void (*setforeground)(Vex3dGraph *graph, int color);
  void (*setfillcolor)(Vex3dGraph *graph, int color);
  void (*setlineattributes)(Vex3dGraph *graph, int width, int style, int cap, int join);
  void (*setstipple)(Vex3dGraph *graph, int pattern);
  void (*setdither)(Vex3dGraph *graph);
  void (*textextents)(Vex3dGraph *graph, const char *text, int *ascent, int *descent, int *width);
  int (*textwidth)(Vex3dGraph *graph, const char *text);
  int (*dith_index)(Vex3dGraph *graph);
  void (*drawimage)(Vex3dGraph *graph, vex3d::ImageRecord *image, int x, int y, int width, int height, int clip_x,
                    int clip_y, int clip_width, int clip_height);
  int coordinate_factor;
};

namespace vex3d {

// The factor before any back end is installed.
constexpr int kUninstalledCoordinateFactor = 40;

inline int coordinate_factor(const Vex3dDrawOps *ops) {
  return ops ? ops->coordinate_factor : kUninstalledCoordinateFactor;
}

// The line style of slot 25 for a line drawn solid or in a pattern.
constexpr int stroke_style(bool solid) { return solid ? VEX3D_LINE_SOLID : VEX3D_LINE_DASHED; }

}  // namespace vex3d
