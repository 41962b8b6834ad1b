// The operation table of this platform and the output layer's frame hooks.
#include "font_hooks.h"
#include "legend.h"
#include "outline_font_hooks.h"
#include "w_render.h"

namespace vex3d {
namespace {

// Every slot is filled by name, so that two slots of the same signature
// cannot change places unnoticed (tests/output/operation_table_test.cpp
// calls each through the table).
constexpr Vex3dPrimitiveOps kPrimitives = {
    .drawline = vex3d_win_drawline,
    .drawlines = vex3d_win_drawlines,
    .drawrectangle = vex3d_win_drawrectangle,
    .drawarc = vex3d_win_drawarc,
    .fillpolygon = vex3d_win_fillpolygon,
    .fillrectangle = vex3d_win_fillrectangle,
    .fillarc = vex3d_win_fillarc,
};

// One device pixel per engine unit.
constexpr int kCoordinateFactor = 1;

constexpr Vex3dDrawOps kDrawOps = {
    .primitives = {kPrimitives, kPrimitives},  // the second set is the same on this platform
    .drawstring = vex3d_win_drawstring,
    .drawstring_aligned = vex3d_win_drawstring_aligned,
    .setclip = vex3d_win_setclip,
    .setbackground = vex3d_win_setbackground,
    .setdashes = vex3d_win_setdashes,
    .setfillstyle = vex3d_win_setfillstyle,
    .setsolidfill = vex3d_win_setsolidfill,
    .setsolidline = vex3d_win_setsolidline,
    .setfont = vex3d_win_setfont,
    .setforeground = vex3d_win_setforeground,
    .setfillcolor = vex3d_win_setfillcolor,
    .setlineattributes = vex3d_win_setlineattributes,
    .setstipple = vex3d_win_setstipple,
    .setdither = vex3d_win_setdither,
    .textextents = vex3d_win_textextents,
    .textwidth = vex3d_win_textwidth,
    .dith_index = vex3d_win_dith_index,
    .drawimage = vex3d_win_drawimage,
    .coordinate_factor = kCoordinateFactor,
};

}  // namespace

const Vex3dDrawOps &platform_draw_ops() { return kDrawOps; }

void install_output_hooks(EngineHooks &hooks) {
  hooks.draw_ops = &kDrawOps;
  hooks.legend_series_at = legend_series_at;
  hooks.realize_font = realize_font;
  hooks.font_metrics = fill_font_metrics;
  hooks.screen_dpi = screen_dpi_hook;
  hooks.screen_color_depth = screen_color_depth_hook;
  install_outline_font_hooks(hooks);
}

}  // namespace vex3d
