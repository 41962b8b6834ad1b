#include "text3d.h"

#include <cstring>
#include <new>
#include <string_view>

#include "hooks.h"
#include "outline_text.h"
#include "stroke_text.h"
#include "text_chars.h"

namespace vex3d {
namespace {

// An outline face opened through the platform, closed with it.
class OpenFace {
 public:
  OpenFace() = default;
  OpenFace(const OpenFace &) = delete;
  OpenFace &operator=(const OpenFace &) = delete;
  ~OpenFace() { close(); }

  // Opens the face of a description; false when the platform has none.
  bool open(const Vex3dFontDesc &desc) {
    close();
    if (const auto open_face = hooks().open_outline_face) face_ = open_face(&desc, &metrics_);
    if (face_ && metrics_.em_height <= 0) close();
    if (face_) desc_ = desc;
    return face_ != nullptr;
  }
  void close() {
    if (face_)
      if (const auto close_face = hooks().close_outline_face) close_face(face_);
    face_ = nullptr;
  }
  bool is_open_for(const Vex3dFontDesc &desc) const {
    return face_ && desc.weight == desc_.weight && desc.italic == desc_.italic && desc.underline == desc_.underline &&
           desc.strikeout == desc_.strikeout && strncmp(desc.face, desc_.face, sizeof desc.face) == 0;
  }
  OutlineFace *face() const { return face_; }
  const OutlineMetrics &metrics() const { return metrics_; }
  bool underline() const { return desc_.underline != 0; }
  bool strikeout() const { return desc_.strikeout != 0; }

 private:
  OutlineFace *face_ = nullptr;
  OutlineMetrics metrics_;
  Vex3dFontDesc desc_{};
};

// The graph's current cube font and the buffers its text is drawn with.
struct CubeText final : LayerState {
  int stroke_font = kDefaultStrokeFont;
  int size = 0;
  OpenFace outline;
  // Kept across texts so that they only grow.
  GlyphOutline glyph;
  PolyPolygon polygons;
  std::vector<DevicePoint> joined;
};

CubeText &cube_text(Vex3dGraph *graph) {
  if (!graph->cube_text) graph->cube_text = std::make_unique<CubeText>();
  return static_cast<CubeText &>(*graph->cube_text);
}

// The outline face 3D text is drawn in, or null for the stroke font.
OutlineFace *outline_face(const Vex3dGraph *graph, const CubeText &state) {
  return graph->use_truetype ? state.outline.face() : nullptr;
}

void draw_stroke_text(Vex3dGraph *graph, const CubeText &state, const PlacementMatrix &m, std::string_view text) {
  const auto drawlines = graph->draw_ops ? graph->draw_ops->primitives[0].drawlines : nullptr;
  if (!drawlines) return;
  stroke_text(stroke_font(state.stroke_font), state.size, m, text, [&](std::span<const DevicePoint> line) {
    drawlines(graph, line.data(), static_cast<int>(line.size()), VEX3D_COORD_ABSOLUTE);
  });
}

// Fills polygons as one shape, so that nested contours leave holes.
void fill(Vex3dGraph *graph, CubeText &state) {
  const auto fillpolygon = graph->draw_ops ? graph->draw_ops->primitives[0].fillpolygon : nullptr;
  if (!fillpolygon) return;
  joined_polygon(state.polygons, state.joined);
  if (!state.joined.empty())
    fillpolygon(graph, state.joined.data(), static_cast<int>(state.joined.size()), VEX3D_SHAPE_ANY,
                VEX3D_COORD_ABSOLUTE);
}

void draw_outline_text(Vex3dGraph *graph, CubeText &state, const PlacementMatrix &m, std::string_view text) {
  const OutlineMetrics &metrics = state.outline.metrics();
  const auto glyph_outline = hooks().glyph_outline;
  if (!glyph_outline) return;
  const double s = state.size * 0.002 / metrics.em_height;
  // The em box is centred on the text line.
  const double baseline = (metrics.ascent - (metrics.em_height + 1) / 2) * s;
  double pen = 0;
  for_each_char(text, [&](TextChar c) {
    if (!glyph_outline(state.outline.face(), c.code, &state.glyph)) return;  // skipped, no advance
    state.polygons.clear();
    outline_polygons(state.glyph, {pen, baseline, s}, m, state.polygons);
    fill(graph, state);
    pen += state.glyph.advance * s;
  });
  const auto bar = [&](int top, int thickness) {
    state.polygons.clear();
    bar_polygon(0, pen, baseline - top * s, thickness * s, m, state.polygons);
    fill(graph, state);
  };
  if (state.outline.underline()) bar(metrics.underscore_top, metrics.underscore_size);
  if (state.outline.strikeout()) bar(metrics.strikeout_top, metrics.strikeout_size);
}

}  // namespace

void select_cube_font(Vex3dGraph *graph, const FontRecord &cube_font) {
  if (!graph) return;
  try {
    CubeText &state = cube_text(graph);
    state.stroke_font = cube_font.stroke_font;
    state.size = cube_font.stroke_size;
    if (graph->use_truetype && !state.outline.is_open_for(cube_font.desc)) state.outline.open(cube_font.desc);
  } catch (const std::bad_alloc &) {
    // The previous cube font stays current.
  }
}

void draw_3d_text(Vex3dGraph *graph, const PlacementMatrix &m, const char *text) {
  if (!graph || !text) return;
  try {
    CubeText &state = cube_text(graph);
    if (outline_face(graph, state))
      draw_outline_text(graph, state, m, text);
    else
      draw_stroke_text(graph, state, m, text);
  } catch (const std::bad_alloc &) {
    // What was drawn stays; the rest of the text is given up.
  }
}

int text_3d_width(Vex3dGraph *graph, const char *text) {
  if (!graph || !text) return 0;
  try {
    CubeText &state = cube_text(graph);
    OutlineFace *face = outline_face(graph, state);
    if (!face) return stroke_text_width(stroke_font(state.stroke_font), state.size, text);
    double advance = 0;
    for_each_char(text, [&](TextChar c) {
      if (hooks().glyph_outline(face, c.code, &state.glyph)) advance += state.glyph.advance;
    });
    return rounded_width(state.size * advance / state.outline.metrics().em_height);
  } catch (const std::bad_alloc &) {
    return 0;
  }
}

}  // namespace vex3d
