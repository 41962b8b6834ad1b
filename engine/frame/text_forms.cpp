// The text forms of resource values, one description each.
//
// TextFormOf<F> says, for one form of text_forms.def, how a text converts to
// a value (from) and how a value prints (to); the type is passed along for
// the forms whose names depend on it. from_text and to_text reach the form
// of a type (its column in types.def) through the one table below, generated
// from text_forms.def, so a form without a description, or a description
// without one of its parts, does not compile.
#include <cstdio>
#include <memory>

#include "convert.h"
#include "enumerations.h"
#include "font.h"
#include "hooks.h"
#include "resource_table.h"
#include "text_scan.h"

namespace vex3d {
namespace {

// Deliberately without a definition: every form has its own.
template <TextForm F>
struct TextFormOf;

// ---- What a conversion holds

// Holds a converted object and points the value at it.
template <class T>
Converted keep(T object, const void *(*view)(T &)) {
  auto owner = std::make_shared<T>(std::move(object));
  Converted c;
  c.value.p = view(*owner);
  c.keep = owner;
  return c;
}

// Pointer arrays handed to the graph: a vector of records and the
// null-terminated array of pointers to them.
template <class T>
struct PointerArray {
  std::vector<T> items;
  std::vector<T *> ptrs;
  explicit PointerArray(std::vector<T> v) : items(std::move(v)) {
    for (T &item : items) ptrs.push_back(&item);
    ptrs.push_back(nullptr);
  }
};

template <class T>
Converted keep_array(std::vector<T> items) {
  return keep<PointerArray<T>>(PointerArray<T>(std::move(items)),
                               [](PointerArray<T> &a) -> const void * { return a.ptrs.data(); });
}

template <class T>
std::optional<Converted> keep_array(std::optional<std::vector<T>> items) {
  return items ? std::optional(keep_array(std::move(*items))) : std::nullopt;
}

std::optional<Converted> word(std::optional<int> v) {
  if (!v) return std::nullopt;
  Converted c;
  c.value.i = *v;
  return c;
}

// The empty text is "none" (a null pointer) for pointer-valued forms.
bool blank(const char *text) { return trim_blanks(text).empty(); }

// A file read through a layer's reader; the graph or the caller's release rule frees it.
template <class T>
std::optional<Converted> read_file(const char *file, T *(*reader)(const char *, char *), void (*release)(T *)) {
  if (blank(file)) return Converted{};
  if (!reader) return std::nullopt;
  T *object = reader(file, nullptr);
  if (!object) return std::nullopt;
  Converted c;
  c.value.p = object;
  c.keep = std::shared_ptr<T>(object, [release](T *p) {
    if (release) release(p);
  });
  return c;
}

// Forms that convert from text but do not print.
struct NotPrinted {
  static std::optional<std::string> to(int, const Value &) { return std::nullopt; }
};

// A pointer-valued form prints its none as the empty text.
template <class T>
std::optional<std::string> print_list(const Value &v, std::string (*print)(const T *const *)) {
  return v.p ? print(static_cast<const T *const *>(v.p)) : std::string();
}

// ---- Words

template <>
struct TextFormOf<TextForm::Bool> {
  static std::optional<Converted> from(int, const char *text) { return word(parse_bool(text)); }
  static std::optional<std::string> to(int, const Value &v) { return std::to_string(v.i); }
};

template <>
struct TextFormOf<TextForm::Int> {
  static std::optional<Converted> from(int, const char *text) { return word(parse_int(text)); }
  static std::optional<std::string> to(int, const Value &v) { return std::to_string(v.i); }
};

template <>
struct TextFormOf<TextForm::Color> {
  static std::optional<Converted> from(int, const char *text) { return word(parse_color(text)); }
  static std::optional<std::string> to(int, const Value &v) { return color_text(v.i); }
};

// A plane mask is made of the names of the planes; other masks have names of their own.
template <>
struct TextFormOf<TextForm::Mask> {
  static int names(int type) { return type == VEX3D_TYPE_PlaneMask ? VEX3D_TYPE_Plane : type; }
  static std::optional<Converted> from(int type, const char *text) { return word(parse_mask(names(type), text)); }
  static std::optional<std::string> to(int type, const Value &v) {
    std::string text;
    for (const EnumValue &e : enum_values(names(type)))
      if (v.i & e.value) text += (text.empty() ? "" : "+") + std::string(e.long_name);
    return text;
  }
};

template <>
struct TextFormOf<TextForm::Enum> {
  static std::optional<Converted> from(int type, const char *text) { return word(parse_enum(type, text)); }
  static std::optional<std::string> to(int type, const Value &v) { return std::string(enum_name(type, v.i)); }
};

template <>
struct TextFormOf<TextForm::Double> {
  static std::optional<Converted> from(int, const char *text) {
    const auto v = parse_double(text);
    if (!v) return std::nullopt;
    Converted c;
    c.value.d = *v;
    return c;
  }
  static std::optional<std::string> to(int, const Value &v) {
    char text[64];
    std::snprintf(text, sizeof text, "%g", v.d);
    return std::string(text);
  }
};

// ---- Texts and lists

template <>
struct TextFormOf<TextForm::Text> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text)) return Converted{};
    return keep<std::string>(parse_plain_text(text), [](std::string &s) -> const void * { return s.c_str(); });
  }
  static std::optional<std::string> to(int, const Value &v) {
    return v.p ? std::string(static_cast<const char *>(v.p)) : std::string();
  }
};

template <>
struct TextFormOf<TextForm::StringList> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text)) return Converted{};
    auto items = parse_string_list(text);
    if (!items) return std::nullopt;
    struct Strings {
      std::vector<std::string> texts;
      std::vector<const char *> ptrs;
    };
    Strings strings{std::move(*items), {}};
    for (const std::string &s : strings.texts) strings.ptrs.push_back(s.c_str());
    strings.ptrs.push_back(nullptr);
    return keep<Strings>(std::move(strings), [](Strings &s) -> const void * { return s.ptrs.data(); });
  }
  static std::optional<std::string> to(int, const Value &v) { return print_list<char>(v, string_list_text); }
};

template <>
struct TextFormOf<TextForm::ValueLabels> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text)) return Converted{};
    auto parsed = parse_value_labels(text);
    if (!parsed) return std::nullopt;
    struct Labels {
      ParsedValueLabels parsed;
      std::vector<Vex3dValueLabel *> ptrs;
    };
    auto owner = std::make_shared<Labels>(Labels{std::move(*parsed), {}});
    for (std::size_t i = 0; i < owner->parsed.labels.size(); ++i) {
      owner->parsed.labels[i].text = owner->parsed.texts[i].data();  // texts moved: point again
      owner->ptrs.push_back(&owner->parsed.labels[i]);
    }
    owner->ptrs.push_back(nullptr);
    Converted c;
    c.value.p = owner->ptrs.data();
    c.keep = owner;
    return c;
  }
  static std::optional<std::string> to(int, const Value &v) {
    return print_list<Vex3dValueLabel>(v, value_labels_text);
  }
};

template <>
struct TextFormOf<TextForm::XYColors> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text)) return Converted{};
    return keep_array(parse_xy_colors(text));
  }
  static std::optional<std::string> to(int, const Value &v) { return print_list<Vex3dXYColor>(v, xy_colors_text); }
};

// ---- Styles and fonts

template <>
struct TextFormOf<TextForm::LineStyle> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text) || trim_blanks(text) == "()") return Converted{};
    auto style = parse_line_style(text);
    if (!style) return std::nullopt;
    return keep<Vex3dLineStyle>(*style, [](Vex3dLineStyle &s) -> const void * { return &s; });
  }
  static std::optional<std::string> to(int, const Value &v) {
    return line_style_text(static_cast<const Vex3dLineStyle *>(v.p));
  }
};

template <>
struct TextFormOf<TextForm::DataStyles> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text)) return Converted{};
    return keep_array(parse_data_styles(text));
  }
  static std::optional<std::string> to(int, const Value &v) { return print_list<Vex3dDataStyle>(v, data_styles_text); }
};

template <>
struct TextFormOf<TextForm::Font> {
  static std::optional<Converted> from(int, const char *text) {
    if (blank(text)) return Converted{};
    Vex3dFont *font = Vex3dCreateFont(text);
    if (!font) return std::nullopt;
    Converted c;
    c.value.p = font;
    c.keep = std::shared_ptr<Vex3dFont>(font, [](Vex3dFont *f) { Vex3dDestroyFont(f); });
    return c;
  }
  static std::optional<std::string> to(int, const Value &v) {
    return v.p ? font_text(static_cast<const Vex3dFont *>(v.p)->desc) : std::string();
  }
};

// ---- Files read through the layers above

template <>
struct TextFormOf<TextForm::DataFile> : NotPrinted {
  static std::optional<Converted> from(int, const char *text) {
    return read_file<Vex3dData>(text, hooks().read_data, hooks().destroy_data);
  }
};

template <>
struct TextFormOf<TextForm::LevelsFile> : NotPrinted {
  static std::optional<Converted> from(int, const char *text) {
    return read_file<Vex3dDistnTable>(text, hooks().read_distn_table, hooks().free_distn_table);
  }
};

template <>
struct TextFormOf<TextForm::StylesFile> : NotPrinted {
  static std::optional<Converted> from(int, const char *text) {
    return read_file<Vex3dContourStyle *>(text, hooks().read_contour_styles, hooks().free_contour_styles);
  }
};

template <>
struct TextFormOf<TextForm::None> : NotPrinted {
  static std::optional<Converted> from(int, const char *) { return std::nullopt; }
};

// ---- The dispatch, one entry per form of text_forms.def

struct TextFormOps {
  std::optional<Converted> (*from)(int type, const char *text);
  std::optional<std::string> (*to)(int type, const Value &value);
};

constexpr TextFormOps kForms[] = {
#define VEX3D_TEXT_FORM(form) {&TextFormOf<TextForm::form>::from, &TextFormOf<TextForm::form>::to},
#include "text_forms.def"
};

const TextFormOps *form_of(int type) {
  const TypeInfo *info = find_type(type);
  return info ? &kForms[static_cast<int>(info->text_form)] : nullptr;
}

}  // namespace

std::optional<Converted> from_text(int type, const char *text) {
  const TextFormOps *form = form_of(type);
  if (!form || !text) return std::nullopt;
  return form->from(type, text);
}

std::optional<std::string> to_text(int type, const Value &value) {
  const TextFormOps *form = form_of(type);
  if (!form) return std::nullopt;
  return form->to(type, value);
}

}  // namespace vex3d
