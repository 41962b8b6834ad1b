// The labels and grid lines of an axis under each annotation method.
#include <algorithm>

#include "anno.h"

namespace vex3d {
namespace {

const Axis &axis_record(const Vex3dGraph *graph, int axis) {
  return axis == 0 ? graph->x : axis == 1 ? graph->y : graph->z;
}

bool within(const AxisTicks &t, double v) { return v >= t.lo && v <= t.hi; }

void values_method(AxisAnnotation &a) {
  for (double v : tick_values(a.ticks)) {
    a.labels.push_back(AxisMark{v, tick_text(a.ticks, v)});
    a.grid_values.push_back(v);
  }
}

// One label per visible grid line that has a data label; for histogram bars
// the labels and their lines sit between neighbouring grid values, at the
// bar centres.
void data_labels_method(const Vex3dGraph *graph, int axis, AxisAnnotation &a) {
  const Vex3dDataInfo &info = graph->surface_info;
  const bool grid = info.valid && !info.empty && (info.type == VEX3D_DATA_GRID || info.type == VEX3D_DATA_IRGRID);
  if (axis > 1 || !grid) return;
  const double *values = axis == 0 ? info.xgrid : info.ygrid;
  const int count = axis == 0 ? info.numx : info.numy;
  const ViewingPortion &p = graph->ranges.portion;
  if (!values || count < 1) return;
  const int first = std::clamp(axis == 0 ? p.first_x : p.first_y, 0, count - 1);
  const int last = std::clamp(axis == 0 ? p.last_x : p.last_y, 0, count - 1);
  const Axis &record = axis_record(graph, axis);
  const bool histogram = graph->type == Vex3dTypeBar && record.bar_format == Vex3dBarHistogram;
  const auto &texts = record.data_labels.items();
  for (int i = first; i <= last; ++i) {
    if (i >= static_cast<int>(texts.size())) break;
    double v = values[i];
    if (histogram) {
      if (i + 1 > last) break;
      v = (values[i] + values[i + 1]) / 2;
    }
    if (!within(a.ticks, v)) continue;
    a.labels.push_back(AxisMark{v, texts[static_cast<std::size_t>(i)]});
    a.grid_values.push_back(v);
  }
}

void value_labels_method(const Vex3dGraph *graph, int axis, AxisAnnotation &a) {
  for (const Vex3dValueLabel &label : axis_record(graph, axis).value_labels.items()) {
    if (!within(a.ticks, label.value)) continue;
    a.labels.push_back(AxisMark{label.value, label.text ? label.text : ""});
    a.grid_values.push_back(label.value);
  }
}

}  // namespace

void annotate_axis(const Vex3dGraph *graph, int axis, AxisAnnotation &a) {
  a.labels.clear();
  a.grid_values.clear();
  switch (axis_record(graph, axis).anno_method) {
    case Vex3dAnnoDataLabels: data_labels_method(graph, axis, a); break;
    case Vex3dAnnoValueLabels: value_labels_method(graph, axis, a); break;
    default: values_method(a); break;
  }
}

}  // namespace vex3d
