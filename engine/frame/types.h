/* Shared value types of the chart engine.
 *
 * Every record here is plain C so that C and C++ callers share one layout.
 * Colours are 32-bit values with red in the lowest byte, green in the next and
 * blue in the third (0xBBGGRR); -1 means "inherit". */
#ifndef TORVANE3D_TYPES_H
#define TORVANE3D_TYPES_H

#ifdef __cplusplus
extern "C" {
#endif

/* Not-set marker for doubles: "use the computed default"; also the failure
 * result of surface evaluation. Tested by exact equality. */
#define VALUE_UNSET 1e308
/* Pixel position not placed yet. */
#define POSITION_UNSET 27241
/* Colour that inherits the general background or foreground colour. */
#define COLOR_UNSET (-1)

/* Change-mask bits: which regions a setting invalidates. */
enum Vex3dChangeBits {
  VEX3D_CHANGE_NONE = 0,
  VEX3D_CHANGE_GRAPH = 1,
  VEX3D_CHANGE_HEADER = 2,
  VEX3D_CHANGE_FOOTER = 4,
  VEX3D_CHANGE_LEGEND = 8,
  VEX3D_CHANGE_DATA = 16,
  VEX3D_CHANGE_ALL = 31
};

/* ---- Data sets ---------------------------------------------------------- */

/* Layout tags of a data set. */
enum Vex3dDataLayout { VEX3D_DATA_GRID = 1, VEX3D_DATA_IRGRID = 2, VEX3D_POINT = 3 };

typedef struct Vex3dPoint {
  double x, y, z;
} Vex3dPoint;

typedef struct Vex3dSeries {
  int npoints;
  Vex3dPoint *points;
} Vex3dSeries;

/* Regular grid: x of index i is xorig + i * xstep, y of index j is yorig + j * ystep.
 * values[i][j] is z at x index i and y index j (numx rows of numy values). */
typedef struct Vex3dGridData {
  int numx, numy;
  double hole;
  double xstep, ystep;
  double xorig, yorig;
  double **values;
} Vex3dGridData;

/* Irregular grid: strictly increasing xgrid (numx entries) and ygrid (numy entries). */
typedef struct Vex3dIrGridData {
  int numx, numy;
  double hole;
  double *xgrid;
  double *ygrid;
  double **values;
} Vex3dIrGridData;

typedef struct Vex3dPointData {
  int nseries;
  double hole;
  Vex3dSeries *series;
} Vex3dPointData;

/* A tagged data set. A value exactly equal to the hole value is missing. */
typedef struct Vex3dData {
  int type; /* enum Vex3dDataLayout */
  union {
    Vex3dGridData grid;
    Vex3dIrGridData irgrid;
    Vex3dPointData point;
  };
} Vex3dData;

/* ---- Contour levels and styles ------------------------------------------ */

/* Contour levels, ascending with no two equal entries once held by a graph. */
typedef struct Vex3dDistnTable {
  int nlevels;
  double *levels;
} Vex3dDistnTable;

typedef struct Vex3dContourStyle {
  int fill_color;
  int line_color;
  int line_width;
  int line_pattern; /* a Vex3dLpat* value */
} Vex3dContourStyle;

/* ---- Styles and labels -------------------------------------------------- */

typedef struct Vex3dLineStyle {
  int pattern; /* a Vex3dLpat* value */
  int color;
  int width;
} Vex3dLineStyle;

/* How one series of point data is drawn: its line and its symbol. */
typedef struct Vex3dDataStyle {
  Vex3dLineStyle line;
  int symbol; /* a Vex3dSymbol* value */
  int symbol_color;
  int symbol_size;
} Vex3dDataStyle;

/* One axis value label: the text shown at a value of the axis. */
typedef struct Vex3dValueLabel {
  double value;
  char *text;
} Vex3dValueLabel;

/* A colour given to one data cell; an index of -1 matches every index. */
typedef struct Vex3dXYColor {
  int x;
  int y;
  int color;
} Vex3dXYColor;

/* ---- Fonts --------------------------------------------------------------- */

#define VEX3D_FACE_SIZE 32

/* Logical description of a font, as the platform realises it. */
typedef struct Vex3dFontDesc {
  int height; /* negative: character height in pixels; 0: the face's default */
  int width;
  int weight; /* 400 normal, 700 bold */
  int italic;
  int underline;
  int strikeout;
  int charset;
  int out_precision;
  char face[VEX3D_FACE_SIZE];
} Vex3dFontDesc;

/* A font handle: a realised font made from a description. */
typedef struct Vex3dFont Vex3dFont;

/* ---- Graph, text records and windows ------------------------------------ */

typedef struct Vex3dGraph Vex3dGraph;
typedef struct Vex3dText Vex3dText;
/* A window supplied by the host's window layer. */
typedef struct Vex3dWindow Vex3dWindow;

/* Legend label function: returns the label of legend entry index covering [lo, hi]. */
typedef const char *(*Vex3dLegendLabelFunc)(Vex3dGraph *graph, int index, double lo, double hi,
                                            const char *text);

#ifdef __cplusplus
}
#endif

#endif
