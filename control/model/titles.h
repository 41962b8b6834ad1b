// ITitle (the header and the footer) and ILegend.
#pragma once

#include "boxed_part.h"
#include "font.h"
#include "label.h"
#include "label_collection.h"

namespace tc3d {

class ITitle : public FontOwner<BoxedPart> {
 public:
  static constexpr std::string_view kClassName = "ITitle";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "title_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<ILabel> label() { return text_; }
  bool is_showing() const { return text_->is_showing(); }
  void set_is_showing(bool show);

 protected:
  std::span<const SelectorRow> selector() const override;
  void attach_children() override;
  void detach_children() override;

 private:
  std::shared_ptr<ILabel> text_ = std::make_shared<ILabel>();
  // The title's picture imposes its minimum size only while the title shows:
  // the host's setting waits here while it is hidden.
  bool hidden_minimum_size_ = false;
};

class ILegend : public FontOwner<BoxedPart> {
 public:
  static constexpr std::string_view kClassName = "ILegend";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "legend_members.def"
#include "typed_accessors.inc"

  std::shared_ptr<ILabel> label() { return text_; }
  std::shared_ptr<ILabelCollection> labels() { return labels_; }

 protected:
  void attach_children() override;
  void detach_children() override;

 private:
  std::shared_ptr<ILabel> text_ = std::make_shared<ILabel>();
  std::shared_ptr<ILabelCollection> labels_ = std::make_shared<ILabelCollection>();
};

class ITitle_Dual : public DualOf<ITitle> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "title_members.def"
#include "dual_interface.inc"
};

class ILegend_Dual : public DualOf<ILegend> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "legend_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
