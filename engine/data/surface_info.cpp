// The public view of what a graph made of its data: the checks a data set
// passes and the viewing portion and distribution range derived from it.
#include <cstdio>

#include "boundary.h"
#include "data.h"
#include "graph.h"
#include "validate.h"

using namespace vex3d;

extern "C" int Vex3dDataCheck(const Vex3dData *data, char *problem) {
  return guarded(__func__, [&]() -> int {
    const std::string reason = data ? data_set_problem(*data) : "No data set";
    if (problem) std::snprintf(problem, VEX3D_ERROR_SIZE, "%s", reason.c_str());
    return reason.empty() ? 1 : 0;
  });
}

extern "C" int Vex3dGetSurfaceInfo(Vex3dGraph *graph, Vex3dSurfaceInfo *info) {
  return guarded(__func__, [&]() -> int {
    if (!graph || !info) return 0;
    const Vex3dDataInfo &data = graph->surface_info;
    const DerivedRanges &r = graph->ranges;
    *info = Vex3dSurfaceInfo{};
    info->valid = data.valid;
    info->hole = data.hole;
    info->distn_min = info->distn_max = VALUE_UNSET;
    if (!data.valid || data.type == VEX3D_POINT) return 1;
    const ViewingPortion &p = r.portion;
    info->first_x = p.first_x, info->last_x = p.last_x, info->count_x = p.count_x;
    info->first_y = p.first_y, info->last_y = p.last_y, info->count_y = p.count_y;
    info->corner_x = p.corner_x, info->corner_y = p.corner_y;
    info->distn_min = r.distn_min, info->distn_max = r.distn_max;
    return 1;
  });
}
