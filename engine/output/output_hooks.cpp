// The operation table of this platform and the output layer's frame hooks.
#include "font_hooks.h"
#include "outline_font_hooks.h"
#include "w_render.h"

namespace vex3d {
namespace {

constexpr Vex3dPrimitiveOps kPrimitives = {
    vex3d_win_drawline,   vex3d_win_drawlines,     vex3d_win_drawrectangle, vex3d_win_drawarc,
    vex3d_win_fillpolygon, vex3d_win_fillrectangle, vex3d_win_fillarc,
};

// One device pixel per engine unit.
constexpr int kCoordinateFactor = 1;

constexpr Vex3dDrawOps kDrawOps = {
    {kPrimitives, kPrimitives},  // the second set is the same on this platform
    vex3d_win_drawstring,
    vex3d_win_drawstring_aligned,
    vex3d_win_setclip,
    vex3d_win_setbackground,
    vex3d_win_setdashes,
    vex3d_win_setfillstyle,
    vex3d_win_setsolidfill,
    vex3d_win_setsolidline,
    vex3d_win_setfont,
    vex3d_win_setforeground,
    vex3d_win_setfillcolor,
    vex3d_win_setlineattributes,
    vex3d_win_setstipple,
    vex3d_win_setdither,
    vex3d_win_textextents,
    vex3d_win_textwidth,
    vex3d_win_dith_index,
    vex3d_win_drawimage,
    kCoordinateFactor,
};

}  // namespace

const Vex3dDrawOps &platform_draw_ops() { return kDrawOps; }

void install_output_hooks(EngineHooks &hooks) {
  hooks.draw_ops = &kDrawOps;
  hooks.realize_font = realize_font;
  hooks.font_metrics = fill_font_metrics;
  hooks.screen_dpi = screen_dpi_hook;
  hooks.screen_color_depth = screen_color_depth_hook;
  install_outline_font_hooks(hooks);
}

}  // namespace vex3d
