// The header and the footer: titles of lines of text in a block.
#pragma once

#include "graph.h"

namespace vex3d {

struct Size {
  int width = 0, height = 0;
};

// The size of the title's block: the bounding box of its lines in its font,
// at least its picture's size when its picture sets a minimum, plus its
// border's room; 0 x 0 when the lines take no room (no text), and
// then the title is not shown.
Size title_size(Vex3dGraph *graph, TitleBlock &title);

// Draws the title's block at its rectangle: its background when it has its
// own, its picture, its border and its lines aligned by its adjust.
void draw_title(Vex3dGraph *graph, TitleBlock &title);

// The background record and the text colour a region takes: its own, or the
// whole area's while its own is unset.
BackgroundColor &region_background(Vex3dGraph *graph, BackgroundColor &own);
int region_foreground(const Vex3dGraph *graph, int own);

}  // namespace vex3d
