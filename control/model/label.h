// ILabel: a text whose place depends on its owner: a title's lines, the
// legend's title or one of its items, an axis title, a value label's text.
//
// A title's label also holds the title's visibility: hiding the title keeps
// its text here and empties the engine's strings; showing it sends the text
// back. While hidden, the text is read and written here only.
#pragma once

#include <string>
#include <vector>

#include "dual.h"
#include "member_rows.h"
#include "model_object.h"
#include "selector.h"

namespace tc3d {

// A list of texts (a StringList resource) as the model edits it; an empty
// list is sent as none.
std::vector<std::string> string_list(Vex3dGraph *graph, int id);
void set_string_list(Vex3dGraph *graph, int id, const std::vector<std::string> &texts);

// The resources a label's text reaches under each owner.
std::span<const SelectorRow> label_selector();

class ILabel : public ModelObject {
 public:
  static constexpr std::string_view kClassName = "ILabel";
  static const ClassInfo &info();
  const ClassInfo &class_info() const override;
#define TC3D_MEMBERS "label_members.def"
#include "typed_accessors.inc"

  std::string text();
  void set_text(const std::string &text);

  bool is_showing() const { return showing_; }
  void set_is_showing(bool show);

 protected:
  std::span<const SelectorRow> selector() const override;

 private:
  std::string engine_text();
  void send(const std::string &text);

  bool showing_ = true;
  std::string hidden_text_;
};

class ILabel_Dual : public DualOf<ILabel> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "label_members.def"
#include "dual_interface.inc"
};

}  // namespace tc3d
