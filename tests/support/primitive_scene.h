// A picture of every primitive, pen and state change the chart uses, for
// the tests that check a context's output against the raster picture.
#pragma once

#include <cstdint>
#include <numbers>
#include <optional>
#include <vector>

#include "draw_context.h"
#include "fonts.h"

namespace scene {

using vex3d::platform::ArcSpec;
using vex3d::platform::Box;
using vex3d::platform::Brush;
using vex3d::platform::Cap;
using vex3d::platform::DrawContext;
using vex3d::platform::ImageView;
using vex3d::platform::Join;
using vex3d::platform::Pen;
using vex3d::platform::Point;

constexpr int kWidth = 320, kHeight = 240;
constexpr vex3d::platform::Rgb kClippedColor = 0xFF0000;  // blue

// What a scene holds beyond polygons, rectangles, lines, pens, ellipses and text.
struct SceneParts {
  bool arcs = true, picture = true, clip = true;
};

// A picture of every primitive, pen and state change the chart uses.
inline void draw_scene(DrawContext &c, SceneParts parts = {}) {
  c.set_brush(Brush{0xFFFFFF});
  c.fill_rectangle({0, 0, kWidth, kHeight});
  c.set_brush(Brush{0xCC6633});
  const Point triangle[] = {{20, 20}, {140, 30}, {90, 110}};
  c.fill_polygon(triangle);
  c.set_brush(Brush{0x00CC00});
  c.fill_rectangle({160, 20, 60, 40});

  // A picture: a 4 x 4 checkerboard of red and yellow, stretched.
  std::vector<std::uint32_t> checker(16);
  for (int i = 0; i < 16; ++i) checker[i] = ((i / 4 + i % 4) % 2) ? 0xFFFF0000u : 0xFFFFFF00u;
  if (parts.picture) c.draw_image(ImageView{checker.data(), 4, 4, 4}, Box{20, 150, 48, 48});

  Pen thin;
  thin.color = 0xFF0000;
  c.set_pen(thin);
  const Point corner[] = {{10, 130}, {150, 130}, {150, 205}};
  c.draw_polyline(corner);
  Pen wide;
  wide.thin = false;
  wide.width = 5;
  wide.cap = Cap::kRound;
  wide.join = Join::kRound;
  wide.color = 0x800080;
  c.set_pen(wide);
  const Point bend[] = {{170, 90}, {300, 90}, {240, 140}};
  c.draw_polyline(bend);
  Pen dashed = thin;
  dashed.dashes = {6, 3};
  c.set_pen(dashed);
  c.draw_line({10, 225}, {310, 225});

  c.set_pen(thin);
  c.set_brush(Brush{0x00A5FF});
  if (parts.arcs) {
    c.stroke_arc(ArcSpec{{170, 150, 60, 60}, 0, 2 * std::numbers::pi});
    c.stroke_arc(ArcSpec{{80, 140, 60, 40}, 0.5, 3.0});
    c.fill_pie(ArcSpec{{245, 150, 60, 60}, 0.3, 2.0});
  }
  c.fill_pie(ArcSpec{{255, 25, 30, 30}, 0, 2 * std::numbers::pi});

  c.set_font(vex3d::platform::resolve_font({"Arial", -18}));
  c.set_text_color(0x202020);
  c.draw_text({30, 122}, "Torvane 3D \xc3\x9c");

  // Only the inside of the clip is painted.
  if (!parts.clip) return;
  c.set_clip(Box{180, 100, 40, 30});
  c.set_brush(Brush{kClippedColor});
  c.fill_rectangle({160, 95, 100, 50});
  c.set_clip(std::nullopt);
}

}  // namespace scene
