#include "location.h"

namespace tc3d {
namespace derived_long_rows {
#define TC3D_MEMBERS "derived_long_members.def"
#include "member_table.inc"
}  // namespace derived_long_rows
namespace location_rows {
#define TC3D_MEMBERS "location_members.def"
#include "member_table.inc"
}  // namespace location_rows

TC3D_MODEL_CLASS_INFO(IDerivedLong, derived_long_rows)
TC3D_MODEL_CLASS_INFO(ILocation, location_rows)

namespace {

constexpr SelectorEntry at(PartTag tag, Edge e, int resource) { return {tag, static_cast<int>(e), resource}; }

// The four edges of each boxed part. The titles' and the legend's sizes
// follow from their contents: they have no use-default resource.
constexpr SelectorRow kDerivedLongSelector[] = {
    row(kSelectPosition, at(PartTag::kHeader, Edge::kLeft, VEX3D_HEADER_X),
        at(PartTag::kHeader, Edge::kTop, VEX3D_HEADER_Y), at(PartTag::kHeader, Edge::kWidth, VEX3D_HEADER_WIDTH),
        at(PartTag::kHeader, Edge::kHeight, VEX3D_HEADER_HEIGHT), at(PartTag::kFooter, Edge::kLeft, VEX3D_FOOTER_X),
        at(PartTag::kFooter, Edge::kTop, VEX3D_FOOTER_Y), at(PartTag::kFooter, Edge::kWidth, VEX3D_FOOTER_WIDTH),
        at(PartTag::kFooter, Edge::kHeight, VEX3D_FOOTER_HEIGHT), at(PartTag::kLegend, Edge::kLeft, VEX3D_LEGEND_X),
        at(PartTag::kLegend, Edge::kTop, VEX3D_LEGEND_Y), at(PartTag::kLegend, Edge::kWidth, VEX3D_LEGEND_WIDTH),
        at(PartTag::kLegend, Edge::kHeight, VEX3D_LEGEND_HEIGHT), at(PartTag::kChartArea, Edge::kLeft, VEX3D_GRAPH_X),
        at(PartTag::kChartArea, Edge::kTop, VEX3D_GRAPH_Y), at(PartTag::kChartArea, Edge::kWidth, VEX3D_GRAPH_WIDTH),
        at(PartTag::kChartArea, Edge::kHeight, VEX3D_GRAPH_HEIGHT)),
    row(kSelectPositionUseDefault, at(PartTag::kHeader, Edge::kLeft, VEX3D_HEADER_X_USE_DEFAULT),
        at(PartTag::kHeader, Edge::kTop, VEX3D_HEADER_Y_USE_DEFAULT),
        at(PartTag::kFooter, Edge::kLeft, VEX3D_FOOTER_X_USE_DEFAULT),
        at(PartTag::kFooter, Edge::kTop, VEX3D_FOOTER_Y_USE_DEFAULT),
        at(PartTag::kLegend, Edge::kLeft, VEX3D_LEGEND_X_USE_DEFAULT),
        at(PartTag::kLegend, Edge::kTop, VEX3D_LEGEND_Y_USE_DEFAULT),
        at(PartTag::kChartArea, Edge::kLeft, VEX3D_GRAPH_X_USE_DEFAULT),
        at(PartTag::kChartArea, Edge::kTop, VEX3D_GRAPH_Y_USE_DEFAULT),
        at(PartTag::kChartArea, Edge::kWidth, VEX3D_GRAPH_WIDTH_USE_DEFAULT),
        at(PartTag::kChartArea, Edge::kHeight, VEX3D_GRAPH_HEIGHT_USE_DEFAULT)),
};

int get_int(Vex3dGraph *graph, int id) {
  int v = 0;
  Vex3dGetValues(graph, id, &v, 0);
  return v;
}

}  // namespace

std::span<const SelectorRow> IDerivedLong::selector() const { return kDerivedLongSelector; }

std::int32_t IDerivedLong::value() {
  Vex3dGraph *g = connected_graph();
  const int id = resource_for(kSelectPosition);
  if (!id) raise(ErrorCode::tcErrorNoSuchProperty);
  return get_int(g, id);
}

void IDerivedLong::set_value(std::int32_t v) {
  Vex3dGraph *g = connected_graph();
  const int id = resource_for(kSelectPosition);
  if (!id) raise(ErrorCode::tcErrorNoSuchProperty);
  if (!resource_for(kSelectPositionUseDefault)) raise(ErrorCode::tcErrorReadOnly);
  // The engine clears the use-default switch when the value is set.
  Vex3dSetValues(g, id, v, 0);
}

bool IDerivedLong::is_default() {
  Vex3dGraph *g = connected_graph();
  const int id = resource_for(kSelectPositionUseDefault);
  return !id || get_int(g, id) != 0;
}

void IDerivedLong::set_is_default(bool on) {
  Vex3dGraph *g = connected_graph();
  const int id = resource_for(kSelectPositionUseDefault);
  if (!id) {
    if (!on) raise(ErrorCode::tcErrorReadOnly);
    return;
  }
  Vex3dSetValues(g, id, on ? 1 : 0, 0);
}

void ILocation::attach_children() {
  for (int e = 0; e < static_cast<int>(edges_.size()); ++e) edges_[e]->attach(owner(), this, part_tag(), e);
}

void ILocation::detach_children() {
  for (auto &e : edges_) e->detach();
}

}  // namespace tc3d
