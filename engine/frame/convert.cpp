// The type table's converters: from text to a value of a type and back.
#include "convert.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>

#include "enumerations.h"
#include "font.h"
#include "hooks.h"
#include "restable.h"
#include "text_scan.h"

namespace vex3d {
namespace {

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

Converted none() { return Converted{}; }

Converted word(int v) {
  Converted c;
  c.value.i = v;
  return c;
}

// A file read through a layer's reader; the graph or the caller's release rule frees it.
template <class T>
std::optional<Converted> read_file(const char *file, T *(*reader)(const char *, char *), void (*release)(T *)) {
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

std::string mask_text(int type, int mask) {
  std::string text;
  for (const EnumValue &v : enum_values(type))
    if (mask & v.value) text += (text.empty() ? "" : "+") + std::string(v.long_name);
  return text;
}

std::string format_int(int v) { return std::to_string(v); }

}  // namespace

int parse_bool(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  if (text.empty()) return 1;
  const char c = text.front();
  return c == 'F' || c == 'f' || c == 'N' || c == 'n' || c == '0' ? 0 : 1;
}

std::optional<int> parse_int(const char *text) {
  char *end = nullptr;
  errno = 0;
  const long v = std::strtol(text, &end, 10);
  if (end == text) return std::nullopt;
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::optional<double> parse_double(const char *text) {
  char *end = nullptr;
  const double v = std::strtod(text, &end);
  if (end == text) return std::nullopt;
  return v;
}

std::string parse_plain_text(std::string_view text) {
  const std::string_view trimmed = trim_blanks(text);
  if (trimmed.size() >= 2 && trimmed.front() == '"') {
    StructuredScanner s(trimmed);
    auto t = s.next();
    if (t.kind == StructuredScanner::Kind::Quoted && s.at_end()) return t.text;
  }
  return std::string(trimmed);
}

std::optional<Converted> from_text(int type, const char *text) {
  if (!text) return std::nullopt;
  const bool empty = trim_blanks(text).empty();
  switch (type) {
    case VEX3D_TYPE_Boolean:
    case VEX3D_TYPE_UseDefault: return word(parse_bool(text));
    case VEX3D_TYPE_Int:
    case VEX3D_TYPE_Dimension:
    case VEX3D_TYPE_Position: {
      const auto v = parse_int(text);
      return v ? std::optional(word(*v)) : std::nullopt;
    }
    case VEX3D_TYPE_Color: {
      const auto v = parse_color(text);
      return v ? std::optional(word(*v)) : std::nullopt;
    }
    case VEX3D_TYPE_PlaneMask:
    case VEX3D_TYPE_ProjectMask: {
      const auto v = parse_mask(type == VEX3D_TYPE_PlaneMask ? VEX3D_TYPE_Plane : VEX3D_TYPE_ProjectMask, text);
      return v ? std::optional(word(*v)) : std::nullopt;
    }
    case VEX3D_TYPE_Double: {
      const auto v = parse_double(text);
      if (!v) return std::nullopt;
      Converted c;
      c.value.d = *v;
      return c;
    }
    case VEX3D_TYPE_String:
    case VEX3D_TYPE_Image:
      if (empty) return none();
      return keep<std::string>(parse_plain_text(text), [](std::string &s) -> const void * { return s.c_str(); });
    case VEX3D_TYPE_StringList: {
      if (empty) return none();
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
    case VEX3D_TYPE_ValueLabels: {
      if (empty) return none();
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
    case VEX3D_TYPE_XYColors: {
      if (empty) return none();
      auto colors = parse_xy_colors(text);
      return colors ? std::optional(keep_array(std::move(*colors))) : std::nullopt;
    }
    case VEX3D_TYPE_DataStyles: {
      if (empty) return none();
      auto styles = parse_data_styles(text);
      return styles ? std::optional(keep_array(std::move(*styles))) : std::nullopt;
    }
    case VEX3D_TYPE_LineStyle: {
      if (empty || trim_blanks(text) == "()") return none();
      auto style = parse_line_style(text);
      if (!style) return std::nullopt;
      return keep<Vex3dLineStyle>(*style, [](Vex3dLineStyle &s) -> const void * { return &s; });
    }
    case VEX3D_TYPE_Font: {
      if (empty) return none();
      Vex3dFont *font = Vex3dCreateFont(text);
      if (!font) return std::nullopt;
      Converted c;
      c.value.p = font;
      c.keep = std::shared_ptr<Vex3dFont>(font, [](Vex3dFont *f) { Vex3dDestroyFont(f); });
      return c;
    }
    case VEX3D_TYPE_Data:
      if (empty) return none();
      return read_file<Vex3dData>(text, hooks().read_data, hooks().destroy_data);
    case VEX3D_TYPE_DistnTable:
      if (empty) return none();
      return read_file<Vex3dDistnTable>(text, hooks().read_distn_table, hooks().free_distn_table);
    case VEX3D_TYPE_ContourStyles:
      if (empty) return none();
      return read_file<Vex3dContourStyle *>(text, hooks().read_contour_styles, hooks().free_contour_styles);
    default:
      if (type >= 64) {
        const auto v = parse_enum(type, text);
        return v ? std::optional(word(*v)) : std::nullopt;
      }
      return std::nullopt;  // no text form (Function)
  }
}

std::optional<std::string> to_text(int type, const Value &value) {
  switch (type) {
    case VEX3D_TYPE_Boolean:
    case VEX3D_TYPE_UseDefault:
    case VEX3D_TYPE_Int:
    case VEX3D_TYPE_Dimension:
    case VEX3D_TYPE_Position: return format_int(value.i);
    case VEX3D_TYPE_Color: return color_text(value.i);
    case VEX3D_TYPE_PlaneMask: return mask_text(VEX3D_TYPE_Plane, value.i);
    case VEX3D_TYPE_ProjectMask: return mask_text(VEX3D_TYPE_ProjectMask, value.i);
    case VEX3D_TYPE_Double: {
      char text[64];
      std::snprintf(text, sizeof text, "%g", value.d);
      return std::string(text);
    }
    case VEX3D_TYPE_String:
    case VEX3D_TYPE_Image: return value.p ? std::string(static_cast<const char *>(value.p)) : std::string();
    case VEX3D_TYPE_StringList:
      return value.p ? string_list_text(static_cast<const char *const *>(value.p)) : std::string();
    case VEX3D_TYPE_ValueLabels:
      return value.p ? value_labels_text(static_cast<const Vex3dValueLabel *const *>(value.p)) : std::string();
    case VEX3D_TYPE_XYColors:
      return value.p ? xy_colors_text(static_cast<const Vex3dXYColor *const *>(value.p)) : std::string();
    case VEX3D_TYPE_DataStyles:
      return value.p ? data_styles_text(static_cast<const Vex3dDataStyle *const *>(value.p)) : std::string();
    case VEX3D_TYPE_LineStyle: return line_style_text(static_cast<const Vex3dLineStyle *>(value.p));
    case VEX3D_TYPE_Font:
      return value.p ? font_text(static_cast<const Vex3dFont *>(value.p)->desc) : std::string();
    default:
      if (type >= 64) return std::string(enum_name(type, value.i));
      return std::nullopt;  // Data, DistnTable, ContourStyles, Function: no text form
  }
}

}  // namespace vex3d
