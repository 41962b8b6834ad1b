// A style in the form of a styles-file line.
#include <cstring>

#include "boundary.h"
#include "convert.h"
#include "ctable.h"
#include "enumerations.h"
#include "styles.h"

namespace vex3d {

std::optional<std::string> style_text(const Vex3dContourStyle &style) {
  if (!enum_contains(VEX3D_TYPE_LinePattern, style.line_pattern)) return std::nullopt;
  // "%s %d %s": both colours, the width, the pattern's long name.
  return color_name_or_text(style.fill_color) + " " + color_name_or_text(style.line_color) + " " +
         std::to_string(style.line_width) + " " + enum_name(VEX3D_TYPE_LinePattern, style.line_pattern);
}

}  // namespace vex3d

extern "C" char *Vex3dContourStyleText(const Vex3dContourStyle *style) {
  return vex3d::guarded(__func__, [&]() -> char * {
    if (!style) return nullptr;
    const std::optional<std::string> text = vex3d::style_text(*style);
    return text ? strdup(text->c_str()) : nullptr;
  });
}
