// Font properties: the owner holds a font object (IFont) with the face name,
// the size in points, the styles, the weight and the character set. Every
// change sends the whole font to the owner's font resource as its text form,
// "%s,%ld" (face, size rounded to whole points; only the face when the size
// rounds to 0) then ",Bold" for a weight above 500, ",Italic", ",Underline"
// and ",Strikeout"; a font with an empty name is sent as no font.
//
// Until the host changes it, a font object shows the font its resource holds
// (the engine's default, or one set through the engine directly).
//
// Writing the owner's Font property takes another font object, whose font is
// copied, or a font description text ("Arial,12,Bold").
#pragma once

#include <string>
#include <string_view>

#include "dual.h"
#include "member_rows.h"
#include "model_object.h"
#include "selector.h"

namespace tc3d {

struct FontDescription {
  std::string name;
  Currency size{};
  bool italic = false, underline = false, strikethrough = false;
  std::int16_t weight = kNormalWeight;
  std::int16_t charset = 0;

  static constexpr std::int16_t kNormalWeight = 400;
  static constexpr std::int16_t kBoldWeight = 700;
  static constexpr std::int16_t kBoldAbove = 500;  // heavier fonts are sent as bold
  bool operator==(const FontDescription &) const = default;
};

// The font text the engine receives, and a description read from one.
std::string font_text(const FontDescription &font);
FontDescription parse_font_text(std::string_view text);

class IFont;

namespace font_detail {
template <auto Field>
Variant get(Object &o, const Member &, std::span<Variant>);
template <auto Field>
void put(Object &o, const Member &, std::span<Variant>, const Variant &value);
}  // namespace font_detail

// A member that is one field of the font.
template <auto Field>
constexpr CountedBinding font_field() {
  CountedBinding b;
  b.binding.get = &font_detail::get<Field>;
  b.binding.put = &font_detail::put<Field>;
  b.get_arity = 0;
  b.put_arity = 1;
  return b;
}

class IFont : public ModelObject {
  TC3D_MODEL_CLASS_BODY(IFont)
#define TC3D_MEMBERS "font_members.def"
#include "typed_accessors.inc"

  // The font shown: the host's once it set one, else the resource's.
  FontDescription description();
  // Makes a font the host's and sends it to the resource.
  void set_description(const FontDescription &font);
  // A font object or a font description text; anything else raises
  // tcErrorInvalidValue.
  void assign(const Variant &font);

  bool bold() { return description().weight > FontDescription::kBoldAbove; }
  void set_bold(bool on);

 protected:
  std::span<const SelectorRow> selector() const override;

 private:
  bool own_ = false;
  FontDescription font_;
};

// The base of a class with a Font member: it holds the font object, attached
// under the same part tag and index.
template <class Base>
class FontOwner : public Base {
 public:
  std::shared_ptr<IFont> font() { return font_; }
  void set_font(const Variant &font) { font_->assign(font); }

 protected:
  void attach_children() override {
    Base::attach_children();
    font_->attach(this->owner(), this, this->part_tag(), this->index());
  }
  void detach_children() override {
    font_->detach();
    Base::detach_children();
  }

 private:
  std::shared_ptr<IFont> font_ = std::make_shared<IFont>();
};

class IFont_Dual : public DualOf<IFont> {
 public:
  using DualOf::DualOf;
#define TC3D_MEMBERS "font_members.def"
#include "dual_interface.inc"
};

namespace font_detail {
template <auto Field>
Variant get(Object &o, const Member &, std::span<Variant>) {
  return Variant(static_cast<IFont &>(o).description().*Field);
}
template <auto Field>
void put(Object &o, const Member &, std::span<Variant>, const Variant &value) {
  auto &font = static_cast<IFont &>(o);
  FontDescription d = font.description();
  using T = std::remove_cvref_t<decltype(d.*Field)>;
  d.*Field = Object::from_variant<T>(value);
  font.set_description(d);
}
}  // namespace font_detail

}  // namespace tc3d
