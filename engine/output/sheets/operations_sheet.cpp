#include "operations_sheet.h"

#include <cstdio>
#include <string>
#include <vector>

#include "convert.h"
#include "draw_codes.h"
#include "enumerations.h"
#include "graph.h"
#include "image_picture.h"
#include "picture.h"
#include "shades.h"
#include "w_render.h"

namespace vex3d {
namespace {

using vex3d::FontRecord;

constexpr int kWhite = 0xFFFFFF, kInk = 0x202020;
constexpr int kGuide = 0xB0B0B0;                   // boxes and guides that are not the subject
constexpr int kBlue = 0x9C4A1F, kTeal = 0x8C8C00;  // 0xBBGGRR
constexpr int kOrange = 0x2080F0, kGreen = 0x40A040;
constexpr int kFullTurn = VEX3D_ANGLE_FULL_TURN;
constexpr int kDegree = VEX3D_ANGLE_DEGREE;

// A colour of the name table; magenta shows a name missing from it.
int color_named(const char *name) { return vex3d::parse_color(name).value_or(0xFF00FF); }

struct Sheet {
  Vex3dGraph *graph;
  const Vex3dDrawOps &ops;
  FontRecord heading, label;

  explicit Sheet(Vex3dGraph *g) : graph(g), ops(*g->draw_ops) {
    use_font(heading, "Arial,13,Bold");
    use_font(label, "Arial,10");
  }

  static void use_font(FontRecord &record, const char *description) { record.desc = vex3d::parse_font(description); }

  void text(FontRecord &font, int x, int y, const std::string &s, int alignment = VEX3D_ALIGN_LEFT, int color = kInk) {
    ops.setfont(graph, &font);
    ops.setforeground(graph, color);
    ops.drawstring_aligned(graph, x, y, s.c_str(), alignment);
  }
  void title(int x, int y, const char *s) {
    ops.setfont(graph, &heading);
    ops.setforeground(graph, kInk);
    ops.drawstring(graph, x, y, s);
  }
  void note(int x, int y, const std::string &s, int alignment = VEX3D_ALIGN_LEFT) { text(label, x, y, s, alignment); }

  void thin(int color) { ops.setsolidline(graph, color); }
  void pen(int color, int width, int style, int cap, int join) {
    ops.setforeground(graph, color);
    ops.setlineattributes(graph, width, style, cap, join);
  }
  void fill(int color) { ops.setsolidfill(graph, color); }
  // `set`: the first primitives of the table (slots 0 to 6) or the second
  // (7 to 13); the sheet uses both.
  void polygon(std::vector<Vex3dDevicePoint> points, int mode = VEX3D_COORD_ABSOLUTE, int set = 0) {
    ops.primitives[set].fillpolygon(graph, points.data(), static_cast<int>(points.size()), VEX3D_SHAPE_ANY, mode);
  }
  void polyline(std::vector<Vex3dDevicePoint> points, int mode = VEX3D_COORD_ABSOLUTE, int set = 0) {
    ops.primitives[set].drawlines(graph, points.data(), static_cast<int>(points.size()), mode);
  }
  void guide_box(int x, int y, int w, int h) {
    thin(kGuide);
    ops.primitives[0].drawrectangle(graph, x, y, w, h);
  }
};

// ---- line patterns and widths

void line_patterns(Sheet &s) {
  s.title(20, 62, "Line patterns and widths");
  constexpr int kWidths[] = {1, 2, 3, 6};
  for (int i = 0; i < 4; ++i) s.note(150 + i * 110, 84, "width " + std::to_string(kWidths[i]));
  int y = 102;
  for (const vex3d::EnumValue &pattern : vex3d::enum_values(VEX3D_TYPE_LinePattern)) {
    s.note(20, y + 4, pattern.short_name);
    const bool solid = pattern.value == Vex3dLpatNone || pattern.value == Vex3dLpatSolid;
    for (int i = 0; i < 4; ++i) {
      s.pen(kBlue, kWidths[i], vex3d::stroke_style(solid), VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
      if (!solid) s.ops.setdashes(s.graph, pattern.value, 0, 0, nullptr);
      s.ops.primitives[0].drawline(s.graph, 150 + i * 110, y, 245 + i * 110, y);
    }
    y += 26;
  }
  // A dash array of the caller's own, and the same started 7 pixels in.
  static const int kOwnDashes[] = {10, 4, 2, 4};
  s.note(20, y + 4, "10 4 2 4");
  for (int i = 0; i < 4; ++i) {
    s.pen(kOrange, kWidths[i], VEX3D_LINE_DASHED, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
    s.ops.setdashes(s.graph, Vex3dLpatLongDash, i % 2 ? 7 : 0, 4, kOwnDashes);
    s.ops.primitives[0].drawline(s.graph, 150 + i * 110, y, 245 + i * 110, y);
  }
}

// ---- caps and joins

void caps_and_joins(Sheet &s) {
  s.title(20, 322, "Caps and joins (width 14; the path in white)");
  struct Named {
    int value;
    const char *name;
  };
  constexpr Named kCaps[] = {
      {VEX3D_CAP_SQUARE, "square ends"}, {VEX3D_CAP_FLAT, "flat ends"}, {VEX3D_CAP_ROUND, "round ends"}};
  constexpr Named kJoins[] = {{VEX3D_JOIN_MITER, "mitre"}, {VEX3D_JOIN_ROUND, "round"}, {VEX3D_JOIN_BEVEL, "bevel"}};
  const auto label = [](const Named &n, const char *code) {
    return std::string(n.name) + " (" + code + " " + std::to_string(n.value) + ")";
  };
  for (int i = 0; i < 3; ++i) s.note(150 + i * 150, 344, label(kCaps[i], "cap"));
  for (int j = 0; j < 3; ++j) {
    const int y = 358 + j * 54;
    s.note(20, y + 30, label(kJoins[j], "join"));
    for (int i = 0; i < 3; ++i) {
      const int x = 160 + i * 150;
      const std::vector<Vex3dDevicePoint> zigzag = {{x, y + 40}, {x + 38, y + 10}, {x + 76, y + 40}, {x + 112, y + 16}};
      s.pen(kTeal, 14, VEX3D_LINE_SOLID, kCaps[i].value, kJoins[j].value);
      s.polyline(zigzag);
      s.thin(kWhite);
      s.polyline(zigzag);
    }
  }
}

// ---- arcs and pies

struct ArcCase {
  int angle1, angle2;  // 1/64 degree
  const char *name;
};

void arcs_and_pies(Sheet &s) {
  s.title(620, 62, "Arcs and pies (angles from +x, counter-clockwise)");
  const ArcCase arcs[] = {{0, kFullTurn, "full turn"},
                          {0, 90 * kDegree, "0 + 90"},
                          {45 * kDegree, 270 * kDegree, "45 + 270"},
                          {90 * kDegree, -180 * kDegree, "90 - 180"},
                          {30 * kDegree, 0, "sweep 0: nothing"}};
  const ArcCase pies[] = {{0, kFullTurn, "full turn"},
                          {0, 90 * kDegree, "0 + 90"},
                          {45 * kDegree, 270 * kDegree, "45 + 270"},
                          {90 * kDegree, -180 * kDegree, "90 - 180"},
                          {270 * kDegree, -kFullTurn, "270 - 360"}};
  for (int i = 0; i < 5; ++i) {
    const int x = 625 + i * 112;
    const Vex3dPrimitiveOps &set = s.ops.primitives[i == 4 ? 1 : 0];
    s.guide_box(x, 80, 90, 64);
    // Thin arcs in the first two boxes, wide ones after.
    s.pen(kBlue, i < 2 ? 1 : 4, VEX3D_LINE_SOLID, VEX3D_CAP_ROUND, VEX3D_JOIN_ROUND);
    set.drawarc(s.graph, x, 80, 90, 64, arcs[i].angle1, arcs[i].angle2);
    s.note(x + 45, 164, arcs[i].name, VEX3D_ALIGN_CENTER);

    s.guide_box(x, 180, 90, 64);
    s.fill(i % 2 ? kOrange : kGreen);
    set.fillarc(s.graph, x, 180, 90, 64, pies[i].angle1, pies[i].angle2);
    s.note(x + 45, 264, pies[i].name, VEX3D_ALIGN_CENTER);
  }
}

// ---- polygons, rectangles, the clip and the stipple

void polygons(Sheet &s) {
  s.title(620, 322, "Polygons, rectangles, clip and stipple");
  // Convex, concave, self-crossing (even-odd: the centre stays open).
  s.fill(kGreen);
  s.polygon({{630, 400}, {660, 345}, {700, 360}, {710, 410}, {665, 430}});
  s.fill(kOrange);
  s.polygon({{725, 375}, {765, 345}, {765, 365}, {810, 365}, {810, 385}, {765, 385}, {765, 405}});
  s.fill(kBlue);
  s.polygon({{870, 340}, {888, 425}, {825, 370}, {915, 370}, {852, 425}});
  // The same house drawn with relative points: filled, then outlined.
  const std::vector<Vex3dDevicePoint> house = {{935, 425}, {0, -50}, {30, -30}, {30, 30}, {0, 50}, {-60, 0}};
  s.fill(0xC0D8F0);
  s.polygon(house, VEX3D_COORD_PREVIOUS, 1);
  s.thin(kInk);
  s.polyline(house, VEX3D_COORD_PREVIOUS, 1);
  // Rectangles through the second set of primitives; the one of width 0
  // draws nothing.
  const Vex3dPrimitiveOps &second = s.ops.primitives[1];
  s.fill(0xE0E0E0);
  second.fillrectangle(s.graph, 1020, 345, 70, 40);
  s.thin(kInk);
  second.drawrectangle(s.graph, 1020, 345, 70, 40);
  second.drawrectangle(s.graph, 1110, 345, 0, 40);
  s.pen(kBlue, 3, VEX3D_LINE_SOLID, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
  second.drawrectangle(s.graph, 1030, 395, 50, 25);
  s.note(665, 448, "convex", VEX3D_ALIGN_CENTER);
  s.note(767, 448, "concave", VEX3D_ALIGN_CENTER);
  s.note(870, 448, "crossing", VEX3D_ALIGN_CENTER);
  s.note(965, 448, "relative", VEX3D_ALIGN_CENTER);
  s.note(1065, 448, "rectangles", VEX3D_ALIGN_CENTER);

  // The clip: a star and a fan of lines cut at a box (the box drawn after
  // the clip is removed).
  const vex3d::Rect clip{640, 462, 220, 46};
  s.ops.setclip(s.graph, &clip);
  s.fill(kGreen);
  s.polygon({{750, 440}, {790, 560}, {690, 485}, {810, 485}, {710, 560}});
  s.thin(kBlue);
  for (int k = 0; k < 12; ++k) s.ops.primitives[1].drawline(s.graph, 620, 440 + 8 * k, 880, 530 - 8 * k);
  s.ops.setclip(s.graph, nullptr);
  s.pen(kInk, 1, VEX3D_LINE_DASHED, VEX3D_CAP_FLAT, VEX3D_JOIN_BEVEL);
  s.ops.setdashes(s.graph, Vex3dLpatShortDash, 0, 0, nullptr);
  s.ops.primitives[0].drawrectangle(s.graph, clip.x, clip.y, clip.width, clip.height);
  s.note(750, 522, "clipped to the dashed box", VEX3D_ALIGN_CENTER);

  // The stipple: black on every other pixel over a gold field, and a
  // stippled polygon.
  s.fill(0x00D7FF);
  s.ops.primitives[0].fillrectangle(s.graph, 900, 462, 120, 46);
  Vex3dSetDrawingMode(s.graph, VEX3D_MODE_STIPPLED_FILL, 0);
  s.ops.primitives[0].fillrectangle(s.graph, 960, 462, 60, 46);
  s.ops.setfillcolor(s.graph, kBlue);
  s.ops.setstipple(s.graph, VEX3D_STIPPLE_CHECKERBOARD);
  s.ops.setfillstyle(s.graph, VEX3D_FILL_STIPPLED);
  s.polygon({{1040, 508}, {1090, 462}, {1140, 508}});
  s.fill(kWhite);  // solid fills again
  s.note(960, 522, "stipple, drawing mode " + std::to_string(VEX3D_MODE_STIPPLED_FILL), VEX3D_ALIGN_CENTER);
  s.note(1090, 522, "stippled polygon", VEX3D_ALIGN_CENTER);
}

// ---- aligned text

void aligned_text(Sheet &s) {
  s.title(20, 557, "Aligned strings in three fonts (the face obtained in brackets)");
  constexpr int kGuides[] = {330, 650, 970};
  constexpr int kAlignment[] = {VEX3D_ALIGN_LEFT, VEX3D_ALIGN_CENTER, VEX3D_ALIGN_RIGHT};
  const char *const alignments[] = {": starts at x", ": centred on x", ": ends at x"};
  for (int i = 0; i < 3; ++i) {
    s.thin(kGuide);
    s.ops.primitives[0].drawline(s.graph, kGuides[i], 586, kGuides[i], 690);
    s.note(kGuides[i], 578, "alignment " + std::to_string(kAlignment[i]) + alignments[i], VEX3D_ALIGN_CENTER);
  }
  const char *const fonts[] = {"Arial,12", "Times New Roman,14,Bold", "Courier New,12,Italic,Underline"};
  const char *const colors[] = {"Black", "Firebrick", "NavyBlue"};
  FontRecord records[3];
  for (int k = 0; k < 3; ++k) {
    const int y = 610 + k * 32;
    Sheet::use_font(records[k], fonts[k]);
    s.note(20, y, fonts[k]);
    s.note(20, y + 13, std::string("(") + records[k].desc.face + ")");
    const int color = color_named(colors[k]);
    for (int i = 0; i < 3; ++i) {
      s.text(records[k], kGuides[i], y, "Grids \xC3\xA4\xC3\xB6\xC3\xBC 0.25", kAlignment[i], color);
      s.thin(kOrange);  // the baseline at x
      s.ops.primitives[0].drawline(s.graph, kGuides[i] - 4, y, kGuides[i] + 5, y);
    }
    s.ops.setfont(s.graph, &records[k]);
    const int width = s.ops.textwidth(s.graph, "Grids \xC3\xA4\xC3\xB6\xC3\xBC 0.25");
    s.note(1180, y, "width " + std::to_string(width) + " px", VEX3D_ALIGN_RIGHT);
  }
}

// ---- border shades

void border_shades(Sheet &s) {
  s.title(20, 732, "Border shades: each colour with its light and dark shade");
  const char *const names[] = {"Red",       "Orange", "Gold", "ForestGreen", "Turquoise",
                               "RoyalBlue", "Purple", "Gray", "White",       "Black"};
  for (int i = 0; i < 10; ++i) {
    const int color = color_named(names[i]);
    const vex3d::Shades shades = vex3d::border_shades(color);
    const int x = 20 + i * 117, y = 746, w = 100, h = 44, b = 5;
    s.fill(color);
    s.ops.primitives[0].fillrectangle(s.graph, x, y, w, h);
    s.fill(shades.light);  // lit from the top left
    s.polygon({{x, y}, {x + w, y}, {x + w - b, y + b}, {x + b, y + b}, {x + b, y + h - b}, {x, y + h}});
    s.fill(shades.dark);
    s.polygon({{x + w, y}, {x + w, y + h}, {x, y + h}, {x + b, y + h - b}, {x + w - b, y + h - b}, {x + w - b, y + b}});
    s.fill(shades.light);
    s.ops.primitives[0].fillrectangle(s.graph, x, y + 50, w / 2, 16);
    s.fill(shades.dark);
    s.ops.primitives[0].fillrectangle(s.graph, x + w / 2, y + 50, w / 2, 16);
    s.guide_box(x, y + 50, w, 16);
    s.note(x + w / 2, y + 82, names[i], VEX3D_ALIGN_CENTER);
  }
}

// ---- pictures

// A 48 x 32 picture whose corners differ, so that a flip or a turn shows:
// red grows to the right, blue downwards, a white diagonal from the top
// left, a yellow top-left corner and a dark frame.
std::unique_ptr<vex3d::Picture> sheet_picture() {
  constexpr int kW = 48, kH = 32;
  auto picture = vex3d::make_rgb_bitmap(kW, kH);
  if (!picture) return nullptr;
  for (int y = 0; y < kH; ++y) {
    // Rows are stored bottom-up, each pixel as blue, green, red.
    std::uint8_t *row = picture->bits.data() + static_cast<std::size_t>(kH - 1 - y) * picture->stride;
    for (int x = 0; x < kW; ++x) {
      int r = 40 + x * 200 / kW, g = 90, b = 40 + y * 200 / kH;
      if (x == y + 8 || x == y + 9) r = g = b = 255;
      if (x < 10 && y < 8) r = g = 255, b = 0;
      if (x == 0 || y == 0 || x == kW - 1 || y == kH - 1) r = g = b = 30;
      row[3 * x] = static_cast<std::uint8_t>(b);
      row[3 * x + 1] = static_cast<std::uint8_t>(g);
      row[3 * x + 2] = static_cast<std::uint8_t>(r);
    }
  }
  return picture;
}

void pictures(Sheet &s) {
  s.title(20, 882, "A 48 x 32 picture in the seven image layouts (box 150 x 110, clipped to it)");
  int i = 0;
  for (const vex3d::EnumValue &layout : vex3d::enum_values(VEX3D_TYPE_ImageLayout)) {
    const int x = 20 + i++ * 167, y = 900, w = 150, h = 110;
    vex3d::ImageRecord image;
    image.file = "sheet picture";  // drawn from the record; no file is read
    image.layout = layout.value;
    vex3d::set_image_picture(image, sheet_picture());
    s.ops.drawimage(s.graph, &image, x, y, w, h, x, y, w, h);
    s.guide_box(x, y, w, h);
    s.note(x + w / 2, y + h + 18, layout.short_name, VEX3D_ALIGN_CENTER);
  }
}

// ---- what the table does not draw

void footnote(Sheet &s) {
  int ascent = -1, descent = -1, width = -1;
  s.ops.setdither(s.graph);
  s.ops.textextents(s.graph, "text", &ascent, &descent, &width);
  const int index = s.ops.dith_index(s.graph);
  char line[200];
  std::snprintf(line, sizeof line,
                "Not supported on this back end: setdither; textextents gives %d %d %d; dith_index gives %d. "
                "Coordinate factor %d.",
                ascent, descent, width, index, s.ops.coordinate_factor);
  s.note(20, 1072, line);
}

}  // namespace

void draw_operations_sheet(Vex3dGraph *graph) {
  if (!graph || !graph->draw_ops) return;
  Sheet s(graph);
  s.ops.setbackground(graph, kWhite);
  s.fill(kWhite);
  s.ops.primitives[0].fillrectangle(graph, 0, 0, kSheetWidth, kSheetHeight);
  line_patterns(s);
  caps_and_joins(s);
  arcs_and_pies(s);
  polygons(s);
  aligned_text(s);
  border_shades(s);
  pictures(s);
  footnote(s);
  s.title(20, 28, "The drawing operations of the back end");
}

}  // namespace vex3d
