// The common part of every object of the automation tree: its owner
// control, its parent, the graph, the part tag that selects its family of
// resources, and a second selector (axis number, position, series, or -1).
//
// An object is attached when its owner creates it or adds it, and detached
// when it is removed or its control is destroyed; a detached object reaches
// no graph and reports tcErrorNotConnected.
#pragma once

#include <functional>
#include <span>

#include "graph_object.h"

namespace tc3d {

class Chart3D;
struct SelectorRow;

// Part tags: which family of resources an object addresses.
enum class PartTag : std::int32_t {
  kNone = 0,
  kControl = 1,
  kHeader = 2,
  kFooter = 3,
  kLegend = 4,
  kChartArea = 5,
  kChartGroup = 6,
  kChartLabel = 7,
  kPlotCube = 8,
  kXAxis = 9,
  kYAxis = 10,
  kZAxis = 11,
  kElevationData = 12,
  kContourData = 13,
};

class ModelObject : public GraphObject {
 public:
  void attach(Chart3D *owner, Object *parent, PartTag tag, int index = -1);
  void detach();

  Vex3dGraph *graph() const override;
  Chart3D *owner() const { return owner_; }
  PartTag part_tag() const { return tag_; }
  int index() const { return index_; }

  // The graph, or tcErrorNotConnected once the control is gone.
  Vex3dGraph *connected_graph() const;

  // The member behind every class's Parent.
  ObjectRef parent_object();

  // The resource a member's kind reaches under this object's part tag and
  // index, by the class's resource selector.
  int resource_for(int kind) const override;

  // Runs changes with the owner control batched when it was not, then
  // restores its batching: an unbatched control redraws once, at the end.
  void run_batched(const std::function<void()> &changes);

 protected:
  // The class's resource selector (none: kinds are engine resources).
  virtual std::span<const SelectorRow> selector() const { return {}; }
  // Containers attach and detach their embedded objects here.
  virtual void attach_children() {}
  virtual void detach_children() {}

  bool inside_control_call() const override { return owner_ != nullptr; }
  void chart_changed() override;
  void modified_update() override;

 private:
  Chart3D *owner_ = nullptr;
  Object *parent_ = nullptr;
  PartTag tag_ = PartTag::kNone;
  int index_ = -1;
};

}  // namespace tc3d

// The class information of a model class, from the member table in the
// namespace rows (Parent included), under the class's own name.
#define TC3D_MODEL_CLASS_INFO(Class, rows)                                            \
  const ClassInfo &Class::info() {                                                    \
    static constexpr ClassInfo kInfo{#Class, #Class, #Class "_Dual", rows::kMembers}; \
    return kInfo;                                                                     \
  }                                                                                   \
  const ClassInfo &Class::class_info() const { return info(); }

// The start of a model class's body: its name and class information.
#define TC3D_MODEL_CLASS_BODY(Class)                     \
 public:                                                 \
  static constexpr std::string_view kClassName = #Class; \
  static const ClassInfo &info();                        \
  const ClassInfo &class_info() const override;
