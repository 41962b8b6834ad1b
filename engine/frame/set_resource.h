// One resource at a time: the setters behind the argument lists.
#pragma once

#include "resource_table.h"
#include "value.h"

namespace vex3d {

// 1 when something changed, 0 when nothing changed or the value was refused,
// -1 for an unknown identifier. A text resource given to set_resource (or a
// graph resource given to text_set_resource) returns 0.
int set_resource(Vex3dGraph *graph, int id, const Value &value);
int text_set_resource(Vex3dText *text, int id, const Value &value);

// The levels in use are out of date: they and what is computed from them go.
void drop_levels(Vex3dGraph *graph);
// The effective number of contour levels and the normalised axis scales
// (the cube half-extents, which the render layer computes).
void recompute_derived(Vex3dGraph *graph);

}  // namespace vex3d
