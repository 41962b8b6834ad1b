#include "specimen_sheet.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "convert.h"
#include "enumerations.h"
#include "graph.h"
#include "text3d.h"
#include "w_render.h"

namespace vex3d {
namespace {

using vex3d::PlacementMatrix;

constexpr int kRomanSimplex = 13, kRomanDuplex = 12;
constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr const char *kOutlineFonts[] = {"Arial", "Times New Roman"};
constexpr int kSize = 100;          // thousandths of the cube: 0.2 text-plane units tall
constexpr double kLabelScale = 70;  // pixels per text-plane unit of the names (14 pixels tall)
constexpr int kSampleX = 250, kMargin = 20, kRowPitch = 30;
constexpr int kFlatTop = 60, kTiltedTop = 700;

struct Row {
  std::string name;
  int stroke_font;
  const char *outline;  // null for a stroke font
};

std::vector<Row> rows() {
  std::vector<Row> out;
  for (const vex3d::EnumValue &v : vex3d::enum_values(VEX3D_TYPE_StrokeFont))
    out.push_back({v.short_name, v.value, nullptr});
  for (const char *face : kOutlineFonts) {
    // The face it resolves to, as the reader should see it.
    const Vex3dFontDesc desc = vex3d::parse_font(face);
    out.push_back({std::string(face) + " (" + desc.face + ")", kRomanSimplex, face});
  }
  return out;
}

struct Matrix {
  PlacementMatrix m;
};

Matrix product(const Matrix &a, const Matrix &b) {
  Matrix p{};
  for (int i = 0; i < 4; ++i)
    for (int j = 0; j < 4; ++j)
      for (int k = 0; k < 4; ++k) p.m[i][j] += a.m[i][k] * b.m[k][j];
  return p;
}

// Text plane to page pixels: k pixels per unit, the origin at (x, y).
Matrix flat(double k, double x, double y) { return {{{k, 0, 0, x}, {0, k, 0, y}, {0, 0, 1, 0}, {0, 0, 0, 1}}}; }

// The page turned about its centre line by `tilt` degrees (its lower part
// toward the viewer), rotated by `turn` degrees, seen from `eye` pixels, and
// put back centred on (cx, cy) at `scale`.
Matrix tilted_page(double cx, double cy, double tilt, double turn, double eye, double scale) {
  const double t = tilt * kRadiansPerDegree, r = turn * kRadiansPerDegree;
  const Matrix to_centre = {{{1, 0, 0, -cx}, {0, 1, 0, -cy}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
  const Matrix rotate = {
      {{std::cos(r), -std::sin(r), 0, 0}, {std::sin(r), std::cos(r), 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
  const Matrix tip = {{{1, 0, 0, 0}, {0, std::cos(t), 0, 0}, {0, -std::sin(t), 1, 0}, {0, 0, 0, 1}}};
  const Matrix perspective = {{{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 1 / eye, 1}}};
  const Matrix back = {{{scale, 0, 0, cx}, {0, scale, 0, cy}, {0, 0, 1, 0}, {0, 0, 0, 1}}};
  return product(back, product(perspective, product(tip, product(rotate, to_centre))));
}

void select(Vex3dGraph *graph, int stroke_font, const char *outline) {
  Vex3dSetValues(graph, VEX3D_USE_TRUETYPE, outline ? 1 : 0, 0);
  vex3d::FontRecord font;
  font.stroke_font = stroke_font;
  font.stroke_size = kSize;
  if (outline) font.desc = vex3d::parse_font(outline);
  vex3d::select_cube_font(graph, font);
}

std::string characters() {
  std::string text;
  for (int c = 32; c < 128; ++c) text += static_cast<char>(c);
  return text;
}

// Draws every row through page, the matrix from page pixels to the device.
void draw_rows(Vex3dGraph *graph, const Matrix &page, int top, double sample_scale) {
  const std::string sample = characters();
  int y = top;
  for (const Row &row : rows()) {
    select(graph, kRomanSimplex, nullptr);
    vex3d::draw_3d_text(graph, product(page, flat(kLabelScale, kMargin, y)).m, row.name.c_str());
    select(graph, row.stroke_font, row.outline);
    vex3d::draw_3d_text(graph, product(page, flat(sample_scale, kSampleX, y)).m, sample.c_str());
    y += kRowPitch;
  }
}

}  // namespace

void draw_specimen(Vex3dGraph *graph) {
  vex3d_win_setsolidfill(graph, 0xFFFFFF);
  vex3d_win_fillrectangle(graph, 0, 0, kSpecimenWidth, kSpecimenHeight);
  vex3d_win_setsolidline(graph, 0);
  vex3d_win_setsolidfill(graph, 0);

  // The samples as large as the widest lets them be.
  const std::string sample = characters();
  int widest = 1;
  for (const Row &row : rows()) {
    select(graph, row.stroke_font, row.outline);
    widest = std::max(widest, vex3d::text_3d_width(graph, sample.c_str()));
  }
  const double sample_scale = std::min(110.0, (kSpecimenWidth - kSampleX - kMargin) / (widest * 0.002));

  const Matrix identity = flat(1, 0, 0);
  select(graph, kRomanDuplex, nullptr);
  vex3d::draw_3d_text(graph, flat(120, kMargin, 28).m, "Flat");
  draw_rows(graph, identity, kFlatTop, sample_scale);

  const int rows_height = static_cast<int>(rows().size()) * kRowPitch;
  const Matrix tilted = tilted_page(kSpecimenWidth / 2.0, kTiltedTop + rows_height / 2.0, 35, -4, 1800, 0.8);
  select(graph, kRomanDuplex, nullptr);
  vex3d::draw_3d_text(graph, flat(120, kMargin, kTiltedTop - 40).m, "Tilted");
  draw_rows(graph, tilted, kTiltedTop, sample_scale);
}

}  // namespace vex3d
