// Region borders. The three-dimensional looks are two filled hexagons in the
// two shades of the region's background; every other type is composed of
// those and of a plain outline.
#include "border.h"
#include "boundary.h"

#include <algorithm>

#include "shades.h"
#include "w_render.h"

namespace vex3d {
namespace {

struct Box {
  int x, y, w, h;
  // The box less `s` pixels on every side; never negative.
  Box shrunk(int s) const { return Box{x + s, y + s, std::max(0, w - 2 * s), std::max(0, h - 2 * s)}; }
};

enum class Bevel { kOut, kIn };

// A band wider than half the rectangle would reach out of the other side.
int widest_band(const Box &r) { return (std::min(r.w, r.h) + 1) / 2; }

struct BorderPainter {
  Vex3dGraph *g;
  BackgroundColor *background;
  int foreground;
  bool use_background;

  bool colour() const { return g->color_depth >= 2; }

  void fill(const Vex3dDevicePoint (&points)[6]) {
    g->draw_ops->primitives[0].fillpolygon(g, points, 6, VEX3D_SHAPE_ANY, VEX3D_COORD_ABSOLUTE);
  }

  // A light band top and left and a dark one bottom and right (kOut), or
  // the other way round (kIn).
  void three_d(const Box &r, int b, Bevel look) {
    if (b <= 0 || r.w <= 0 || r.h <= 0) return;
    b = std::min(b, widest_band(r));
    const int right = std::max(r.x + r.w - b, r.x + b), bottom = std::max(r.y + r.h - b, r.y + b);
    const Vex3dDevicePoint top_left[6] = {{r.x + b, bottom}, {r.x, r.y + r.h}, {r.x, r.y},
                                          {r.x + r.w, r.y},  {right, r.y + b}, {r.x + b, r.y + b}};
    const Vex3dDevicePoint bottom_right[6] = {{r.x + b, bottom}, {r.x, r.y + r.h}, {r.x + r.w, r.y + r.h},
                                              {r.x + r.w, r.y},  {right, r.y + b}, {right, bottom}};
    const auto &light_band = look == Bevel::kOut ? top_left : bottom_right;
    const auto &dark_band = look == Bevel::kOut ? bottom_right : top_left;
    if (colour()) {
      const Shades shades = border_shades(*background);
      g->draw_ops->setsolidfill(g, shades.light);
      fill(light_band);
      g->draw_ops->setsolidfill(g, shades.dark);
      fill(dark_band);
    } else {
      Vex3dSetDrawingMode(g, VEX3D_MODE_STIPPLED_FILL, 0);
      fill(light_band);
      g->draw_ops->setsolidfill(g, 0);
      fill(dark_band);
    }
    Vex3dSetDrawingMode(g, VEX3D_MODE_NEUTRAL, 0);
  }

  void plain(const Box &r, int b, bool in_background) {
    b = std::min(b, widest_band(r));
    if (b <= 0) return;
    const int color = in_background ? background->color : foreground;
    g->draw_ops->setforeground(g, color);
    g->draw_ops->setfillcolor(g, color);
    g->draw_ops->setlineattributes(g, b, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_MITER);
    g->draw_ops->primitives[0].drawrectangle(g, r.x + b / 2, r.y + b / 2, std::max(0, r.w - b), std::max(0, r.h - b));
  }

  void shadow(const Box &r, int b) {
    const Box face{r.x, r.y, std::max(0, r.w - b), std::max(0, r.h - b)};
    if (colour()) three_d(face, 1, Bevel::kOut);
    Vex3dSetDrawingMode(g, VEX3D_MODE_STIPPLED_FILL, 0);
    g->draw_ops->primitives[0].fillrectangle(g, r.x + b, r.y + r.h - b, std::max(0, r.w - b), b);
    g->draw_ops->primitives[0].fillrectangle(g, r.x + r.w - b, r.y + b, b, std::max(0, r.h - b));
    Vex3dSetDrawingMode(g, VEX3D_MODE_NEUTRAL, 0);
    if (!colour()) g->draw_ops->primitives[0].drawrectangle(g, face.x, face.y, face.w, face.h);
  }

  void etched(const Box &r, int b, Bevel outer) {
    const int half = (b + 1) / 2;
    three_d(r, half, outer);
    three_d(r.shrunk(half), b - half, outer == Bevel::kIn ? Bevel::kOut : Bevel::kIn);
  }

  void frame(const Box &r, int b, Bevel outer) {
    const int half = b / 2, rest = b - half;
    const Bevel inner = outer == Bevel::kIn ? Bevel::kOut : Bevel::kIn;
    three_d(r, half, outer);
    const Box inside = r.shrunk(half);
    plain(inside, rest, true);
    if (rest < 4) {
      three_d(inside, 1, inner);
    } else {
      three_d(inside.shrunk(1), 1, Bevel::kOut);
      three_d(inside.shrunk(rest - 1), 1, Bevel::kIn);
    }
  }

  void bevel(const Box &r, int b) {
    plain(r, b, true);
    three_d(r.shrunk(1), 1, Bevel::kOut);
    three_d(r.shrunk(b - 1), 1, Bevel::kIn);
  }
};

}  // namespace

int title_border_allowance(int type, int border_width) {
  if (type == Vex3dBorderNone) return 0;
  return (type == Vex3dBorderShadow ? 3 : 4) * border_width;
}

int legend_border_allowance(int type, int border_width) {
  if (type == Vex3dBorderNone) return 0;
  return (type == Vex3dBorderShadow ? 1 : 2) * border_width;
}

}  // namespace vex3d

using namespace vex3d;

extern "C" void Vex3dDrawBorder(Vex3dGraph *graph, int x, int y, int width, int height, int type, int border_width,
                                vex3d::BackgroundColor *background, int foreground, int use_background) {
  guarded(__func__, [&] {
    if (!graph || !graph->draw_ops || !background || type == Vex3dBorderNone || border_width <= 0 || width <= 0 ||
        height <= 0)
      return;
    graph->draw_ops->setlineattributes(graph, 0, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
    BorderPainter p{graph, background, foreground, use_background != 0};
    const Box r{x, y, width, height};
    const int b = std::min(border_width, widest_band(r));
    switch (type) {
      case Vex3dBorder3dOut: p.three_d(r, b, Bevel::kOut); break;
      case Vex3dBorder3dIn: p.three_d(r, b, Bevel::kIn); break;
      case Vex3dBorderShadow: p.shadow(r, b); break;
      case Vex3dBorderPlain: p.plain(r, b, p.use_background); break;
      case Vex3dBorderEtchedIn: p.etched(r, b, Bevel::kIn); break;
      case Vex3dBorderEtchedOut: p.etched(r, b, Bevel::kOut); break;
      case Vex3dBorderFrameIn: p.frame(r, b, Bevel::kIn); break;
      case Vex3dBorderFrameOut: p.frame(r, b, Bevel::kOut); break;
      case Vex3dBorderBevel: p.bevel(r, b); break;
      default: break;
    }
  });
}
