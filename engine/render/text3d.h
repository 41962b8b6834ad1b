// 3D text: text laid in the scene (axis annotation, axis titles, chart labels
// on a cube plane) drawn as geometry through a placement matrix, so that it
// turns and foreshortens with the plot cube.
//
// It is drawn in the cube font selected last: one of the 17 stroke fonts, or,
// with USE_TRUETYPE on, the outline font its description resolves to (the
// stroke font stands in when there is none). Sizes are thousandths of the
// cube. Text is UTF-8. Stroke text is drawn with the current pen, outline text
// is filled with the current fill colour.
#pragma once

#include "graph.h"
#include "text_placement.h"

namespace vex3d {

// Makes a cube font current for the graph's 3D text: its stroke font and
// stroke size and, with USE_TRUETYPE on, the outline face of its description
// at the em square with its metrics and underline and strike-out flags.
void select_cube_font(Vex3dGraph *graph, const FontRecord &cube_font);

// Draws the text from the text-plane origin through the placement matrix.
void draw_3d_text(Vex3dGraph *graph, const PlacementMatrix &m, const char *text);

// Width of the text in thousandths of the cube.
int text_3d_width(Vex3dGraph *graph, const char *text);

}  // namespace vex3d
