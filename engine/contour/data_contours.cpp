// Contour lines taken out of a graph as point data.
#include <algorithm>
#include <vector>

#include "boundary.h"
#include "cell_lists.h"
#include "contour.h"
#include "data.h"
#include "diagnostics.h"
#include "graph_contours.h"
#include "levels.h"

namespace vex3d {
namespace {

// Level index -> series, or -1 for a level that is not taken.
struct LevelPick {
  int first, last, filter;
  int series_of(int level) const {
    if (level < first || level > last || (level - first) % filter != 0) return -1;
    return (level - first) / filter;
  }
  int series() const { return (last - first) / filter + 1; }
};

// The segments of every cell in cell order, lists in order.
template <class Visit>
void each_segment(const ContourResult &r, Visit visit) {
  for (int i = 0; i + 1 < r.nx; ++i)
    for (int j = 0; j + 1 < r.ny; ++j) {
      const Vex3dContourCell cell = contour_cell(r, i, j);
      for (int list = 0; list < kLists; ++list)
        for (int n = 0; n < cell.list_count[list]; ++n) visit(cell.list[list][n]);
    }
}

}  // namespace
}  // namespace vex3d

extern "C" Vex3dData *Vex3dDataContours(Vex3dGraph *graph, int first, int last, int filter) {
  return vex3d::guarded(__func__, [&]() -> Vex3dData * {
    using namespace vex3d;
    if (!graph || graph->type != Vex3dTypeSurface || !(graph->draw_contours || graph->draw_zones) || first > last)
      return nullptr;
    ContourNeeds needs = contour_needs(graph);
    needs.lines = true;  // the lines are what is taken out, whatever is drawn
    const ContourState *contours = update_contours(graph, needs);
    const int levels = int(levels_in_use(graph).size());
    // The same clamped first level numbers the series and picks the levels, so
    // that every level taken lands in the series that holds it.
    const LevelPick pick{std::clamp(first, 0, levels), std::clamp(last, 0, levels), std::max(filter, 1)};

    std::vector<int> counts(std::size_t(pick.series()), 0);
    if (contours)
      each_segment(contours->result, [&](const Vex3dContourSegment &s) {
        if (const int k = pick.series_of(s.level); k >= 0) ++counts[std::size_t(k)];
      });
    Vex3dData *data = Vex3dDataCreatePoint(pick.series(), 0, graph->surface_info.hole, 1);
    if (!data) {
      message(graph, "Vex3dDataContours: Unable to allocate series!\n");
      return nullptr;
    }
    for (int k = 0; k < pick.series(); ++k) {
      if (counts[std::size_t(k)] > 0 && !Vex3dDataSetSeriesSize(&data->point.series[k], counts[std::size_t(k)])) {
        message(graph, "Vex3dDataContours: Unable to allocate series!\n");
        Vex3dDataDestroy(data, 1);
        return nullptr;
      }
      data->point.series[k].npoints = 0;  // counted up again as the points go in
    }
    if (contours)
      each_segment(contours->result, [&](const Vex3dContourSegment &s) {
        if (const int k = pick.series_of(s.level); k >= 0) {
          Vex3dSeries &series = data->point.series[k];
          series.points[series.npoints++] = Vex3dPoint{s.a->x, s.a->y, s.a->z};
        }
      });
    return data;
  });
}
