/* The codes of the drawing operations' integer arguments.
 *
 * Every layer that draws, and every host that calls the operation table,
 * names these codes instead of writing the numbers; the operations accept
 * any int and say below what a value outside the names does. Plain C so
 * that C callers share them. */
#ifndef TORVANE3D_DRAW_CODES_H
#define TORVANE3D_DRAW_CODES_H

#ifdef __cplusplus
extern "C" {
#endif

/* Points of a polyline or polygon (slots 1 and 4): absolute, or each after
 * the first relative to the one before. */
enum Vex3dCoordMode { VEX3D_COORD_ABSOLUTE = 1, VEX3D_COORD_PREVIOUS = 2 };

/* The shape hint of a filled polygon (slot 4); this back end ignores it. */
enum Vex3dPolygonShape { VEX3D_SHAPE_ANY = 0 };

/* Angles of arcs and pies (slots 3 and 6): 1/64 degree, counter-clockwise
 * from the positive x axis. */
enum Vex3dAngleUnits { VEX3D_ANGLE_DEGREE = 64, VEX3D_ANGLE_FULL_TURN = 360 * 64 };

/* Where aligned text (slot 15) stands against x; any other value centres. */
enum Vex3dTextAlignment { VEX3D_ALIGN_CENTER = 0, VEX3D_ALIGN_LEFT = 1, VEX3D_ALIGN_RIGHT = 2 };

/* Line style (stroke) of the line attributes (slot 25); any value but solid draws
 * the line pattern set by slot 18. */
enum Vex3dStrokeStyle { VEX3D_LINE_SOLID = 1, VEX3D_LINE_DASHED = 2 };

/* Line ends of the line attributes (slot 25). 1 draws flat ends too; any
 * value below 0 or above 3 draws square ends. */
enum Vex3dCapStyle { VEX3D_CAP_SQUARE = 0, VEX3D_CAP_FLAT = 2, VEX3D_CAP_ROUND = 3 };

/* Corners of the line attributes (slot 25); any value but round and bevel
 * draws mitred corners. */
enum Vex3dJoinStyle { VEX3D_JOIN_MITER = 1, VEX3D_JOIN_ROUND = 2, VEX3D_JOIN_BEVEL = 3 };

/* Fill style (slot 19): solid makes the brush solid; stippled rectangles
 * are filled with the checkerboard. Other values are only recorded. */
enum Vex3dFillStyle { VEX3D_FILL_SOLID = 1, VEX3D_FILL_STIPPLED = 3 };

/* The stipple pattern (slot 26); this back end always uses the checkerboard
 * (every pixel whose x and y differ in parity). */
enum Vex3dStipplePattern { VEX3D_STIPPLE_CHECKERBOARD = 0 };

/* Drawing modes (Vex3dSetDrawingMode): the state a group of primitives
 * starts from. Every mode but the stippled fill first sets the thin solid
 * line (width 0, solid, flat ends, bevel corners). Other values change
 * nothing. */
enum Vex3dDrawingMode {
  /* foreground := the colour, or GRAPH_FOREGROUND_COLOR when the colour is
   * -1, or FOREGROUND_COLOR when that is -1 too */
  VEX3D_MODE_CHART_COLOR = -6,
  /* foreground := GRAPH_FOREGROUND_COLOR, or FOREGROUND_COLOR (the colour
   * is ignored) */
  VEX3D_MODE_CHART_FOREGROUND = -5,
  /* foreground := the colour, or FOREGROUND_COLOR when it is -1; -4 acts
   * the same */
  VEX3D_MODE_GIVEN_COLOR_ALT = -4,
  VEX3D_MODE_GIVEN_COLOR = -3,
  /* black stippled fill (monochrome border shades); the pen is untouched */
  VEX3D_MODE_STIPPLED_FILL = -2,
  /* foreground := FOREGROUND_COLOR: the mode drawings return to */
  VEX3D_MODE_NEUTRAL = -1
};

#ifdef __cplusplus
}
#endif

#endif /* TORVANE3D_DRAW_CODES_H */
