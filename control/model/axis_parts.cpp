#include "axis_parts.h"

namespace tc3d {
namespace cube_font_rows {
#define TC3D_MEMBERS "cube_font_members.def"
#include "member_table.inc"
}  // namespace cube_font_rows
namespace derived_double_rows {
#define TC3D_MEMBERS "derived_double_members.def"
#include "member_table.inc"
}  // namespace derived_double_rows
namespace line_style_rows {
#define TC3D_MEMBERS "line_style_members.def"
#include "member_table.inc"
}  // namespace line_style_rows
namespace grid_lines_rows {
#define TC3D_MEMBERS "grid_lines_members.def"
#include "member_table.inc"
}  // namespace grid_lines_rows

TC3D_MODEL_CLASS_INFO(ICubeFont, cube_font_rows)
TC3D_MODEL_CLASS_INFO(IDerivedDouble, derived_double_rows)
TC3D_MODEL_CLASS_INFO(ILineStyle, line_style_rows)
TC3D_MODEL_CLASS_INFO(IGridLines, grid_lines_rows)

namespace {

constexpr int kAnnotation = static_cast<int>(CubeFontUse::kAnnotation);
constexpr int kTitle = static_cast<int>(CubeFontUse::kTitle);
constexpr int kMin = static_cast<int>(Bound::kMin);
constexpr int kMax = static_cast<int>(Bound::kMax);

// The annotation rows of a cube font followed by its title rows: all three
// axes share one annotation font and one title font.
constexpr SelectorRow cube_font(int kind, int annotation, int title) {
  SelectorRow r = per_axis(kind, annotation, annotation, annotation, kAnnotation);
  for (const SelectorEntry &e : per_axis(kind, title, title, title, kTitle).entries)
    if (e.tag != PartTag::kNone) r = r.with(e);
  return r;
}

constexpr SelectorRow bounds(int kind, int x_min, int y_min, int z_min, int x_max, int y_max, int z_max) {
  SelectorRow r = per_axis(kind, x_min, y_min, z_min, kMin);
  for (const SelectorEntry &e : per_axis(kind, x_max, y_max, z_max, kMax).entries)
    if (e.tag != PartTag::kNone) r = r.with(e);
  return r;
}

constexpr SelectorRow kCubeFontSelector[] = {
    cube_font(kSelectStrokeFont, VEX3D_AXIS_STROKE_FONT, VEX3D_AXIS_TITLE_STROKE_FONT),
    cube_font(kSelectStrokeSize, VEX3D_AXIS_STROKE_SIZE, VEX3D_AXIS_TITLE_STROKE_SIZE),
};

constexpr SelectorRow kDerivedDoubleSelector[] = {
    bounds(kSelectBound, VEX3D_XMIN, VEX3D_YMIN, VEX3D_ZMIN, VEX3D_XMAX, VEX3D_YMAX, VEX3D_ZMAX),
    bounds(kSelectBoundUseDefault, VEX3D_XMIN_USE_DEFAULT, VEX3D_YMIN_USE_DEFAULT, VEX3D_ZMIN_USE_DEFAULT,
           VEX3D_XMAX_USE_DEFAULT, VEX3D_YMAX_USE_DEFAULT, VEX3D_ZMAX_USE_DEFAULT),
};

constexpr SelectorRow kLineStyleSelector[] = {
    per_axis(kSelectLineStyle, VEX3D_XGRID_LINE_STYLE, VEX3D_YGRID_LINE_STYLE, VEX3D_ZGRID_LINE_STYLE),
};

constexpr SelectorRow kGridLinesSelector[] = {
    per_axis(kSelectGridPlanes, VEX3D_XGRID_LINES, VEX3D_YGRID_LINES, VEX3D_ZGRID_LINES),
};

}  // namespace

std::span<const SelectorRow> ICubeFont::selector() const { return kCubeFontSelector; }
std::span<const SelectorRow> IDerivedDouble::selector() const { return kDerivedDoubleSelector; }
std::span<const SelectorRow> ILineStyle::selector() const { return kLineStyleSelector; }
std::span<const SelectorRow> IGridLines::selector() const { return kGridLinesSelector; }

}  // namespace tc3d
