// A small class declared with a member file, to test what the member rows
// derive: dispatch, typed accessors, the dual form and the checks.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "dual.h"
#include "member_rows.h"

namespace tc3d {

inline constexpr EnumValue kGadgetShapeValues[] = {{"gsRound", 1}, {"gsSquare", 2}, {"gsStar", 4}};
inline constexpr Enumeration kGadgetShapes{"GadgetShapeConstants", kGadgetShapeValues};

class Gadget : public Object {
 public:
  static constexpr std::string_view kClassName = "IGadget";
  const ClassInfo &class_info() const override;

#define TC3D_MEMBERS "gadget_members.def"
#include "typed_accessors.inc"

  // What the bindings reach.
  std::int32_t width() const { return width_; }
  void set_width(std::int32_t w) { width_ = w; }
  double ratio() const { return ratio_; }
  void set_ratio(double r) { ratio_ = r; }
  std::int32_t shape() const { return shape_; }
  void set_shape(std::int32_t s) { shape_ = s; }
  std::string title() const { return title_; }
  void set_title(const std::string &t) { title_ = t; }
  std::string name() const { return "gadget"; }
  std::shared_ptr<Gadget> child() {
    if (!child_) child_ = std::make_shared<Gadget>();
    return child_;
  }
  double slot(std::int16_t index) const;
  void set_slot(std::int16_t index, double value);
  double scale(double factor, const Variant &shape);
  void swap(Variant &left, Variant &right);
  bool hidden() const { return true; }

  int changes = 0;  // chart-changed protocols run

 protected:
  void chart_changed() override { ++changes; }

 private:
  std::int32_t width_ = 10;
  double ratio_ = 0.5;
  std::int32_t shape_ = 1;
  std::string title_;
  std::array<double, 3> slots_{};
  std::shared_ptr<Gadget> child_;
};

class IGadget_Dual : public DualOf<Gadget> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "gadget_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
