// The four regions of the page in drawing order, with the change bit of each
// and where the graph keeps its current and previous rectangles.
#pragma once

#include "graph.h"

namespace vex3d {

struct PageRegion {
  int bit;
  Rect &(*current)(Vex3dGraph &graph);
  Rect &(*previous)(Vex3dGraph &graph);
};

inline constexpr PageRegion kPageRegions[] = {
    {VEX3D_CHANGE_GRAPH, [](Vex3dGraph &g) -> Rect & { return g.graph_rect; },
     [](Vex3dGraph &g) -> Rect & { return g.graph_previous; }},
    {VEX3D_CHANGE_HEADER, [](Vex3dGraph &g) -> Rect & { return g.header.rect; },
     [](Vex3dGraph &g) -> Rect & { return g.header.previous; }},
    {VEX3D_CHANGE_FOOTER, [](Vex3dGraph &g) -> Rect & { return g.footer.rect; },
     [](Vex3dGraph &g) -> Rect & { return g.footer.previous; }},
    {VEX3D_CHANGE_LEGEND, [](Vex3dGraph &g) -> Rect & { return g.legend_rect; },
     [](Vex3dGraph &g) -> Rect & { return g.legend_previous; }},
};

}  // namespace vex3d
