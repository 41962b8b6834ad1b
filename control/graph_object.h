// An automation object that reads and writes resources of an engine graph.
#pragma once

#include "object.h"
#include "restable.h"

namespace tc3d {

class GraphObject : public Object {
 public:
  // The graph this object addresses; null once its control is gone.
  virtual Vex3dGraph *graph() const = 0;
  // The resource a member's resource kind selects for this object: the kind
  // itself unless the class has a resource selector (one column per part
  // tag); 0 when this object has no such resource.
  virtual int resource_for(int kind) const { return kind; }
};

}  // namespace tc3d
