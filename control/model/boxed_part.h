// A part drawn in a box of its own (title, legend, chart area): it embeds a
// border, an interior and a location, attached under its own part tag.
#pragma once

#include "frame.h"
#include "location.h"

namespace tc3d {

class BoxedPart : public ModelObject {
 public:
  std::shared_ptr<IBorder> border() { return border_; }
  std::shared_ptr<IInterior> interior() { return interior_; }
  std::shared_ptr<ILocation> location() { return location_; }

 protected:
  void attach_children() override {
    border_->attach(owner(), this, part_tag(), index());
    interior_->attach(owner(), this, part_tag(), index());
    location_->attach(owner(), this, part_tag(), index());
  }
  void detach_children() override {
    location_->detach();
    interior_->detach();
    border_->detach();
  }

 private:
  std::shared_ptr<IBorder> border_ = std::make_shared<IBorder>();
  std::shared_ptr<IInterior> interior_ = std::make_shared<IInterior>();
  std::shared_ptr<ILocation> location_ = std::make_shared<ILocation>();
};

}  // namespace tc3d
