// The drawing context: one surface the back end draws into.
//
// Every primitive is a non-virtual wrapper that checks its arguments once
// and then calls the context's own implementation, which every context must
// provide (raster, vector, recording, null). The drawing state is kept here,
// as descriptions; a context reads it when it draws.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "draw_state.h"

namespace vex3d::platform {

enum class ContextKind : int {
  kRaster = 1,     // pixels in memory
  kVector = 2,     // SVG, PDF or PostScript
  kMetafile = 3,   // metafile records (no clipping; colour depth 2)
  kRecording = 4,  // a list of operations, for tests and replay
  kNull = 5,       // draws nothing; measures text
};

class DrawContext {
 public:
  virtual ~DrawContext() = default;
  DrawContext(const DrawContext &) = delete;
  DrawContext &operator=(const DrawContext &) = delete;

  // ---- what the context is
  virtual ContextKind kind() const = 0;
  // Bits per pixel; a metafile counts as 2.
  virtual int color_depth() const = 0;
  // Dots per inch, the same in both directions.
  virtual double resolution() const = 0;
  // The drawing surface, in pixels.
  virtual Box bounds() const = 0;
  // False once the context has failed (surface, file or stream); it then
  // draws nothing. The first failure sticks.
  bool ok() const { return ok_; }

  // ---- drawing state
  const DrawState &state() const { return state_; }
  void set_pen(const Pen &pen);
  void set_brush(const Brush &brush);
  void set_text_color(Rgb color) { state_.text_color = color & 0xFFFFFFu; }
  void set_background(Rgb color) { state_.background = color & 0xFFFFFFu; }
  void set_font(FontRef font) { state_.font = std::move(font); }
  // Only what lies inside the box is drawn from now on; none removes the clip.
  void set_clip(std::optional<Box> clip) { state_.clip = clip; }
  void set_state(const DrawState &state);

  // ---- primitives
  // An open polyline with the pen; fewer than 2 points draw nothing.
  void draw_polyline(std::span<const Point> points);
  void draw_line(Point from, Point to);
  // The inside of a polygon (even-odd rule, pixel centres) with the brush,
  // no outline; fewer than 3 points draw nothing.
  void fill_polygon(std::span<const Point> points);
  // The box's pixels with the brush; an empty box draws nothing.
  void fill_rectangle(const Box &box);
  // An elliptical arc with the pen; an empty box or a zero sweep draws nothing.
  void stroke_arc(const ArcSpec &arc);
  // A pie slice (or the whole ellipse) with the brush, no outline.
  void fill_pie(const ArcSpec &arc);
  // UTF-8 text with its baseline-left point at `origin`, in the text colour
  // and font; invalid UTF-8 bytes are taken as Latin-1 characters.
  void draw_text(Point origin, std::string_view text);
  // The image stretched into `dest` (clipped as everything else).
  void draw_image(const ImageView &image, const Box &dest);

  // Advance width of the text in the font, in this context's pixels
  // (rounded); 0 without a font.
  int text_width(std::string_view text) const;

  // Completes the output (vector files and streams); true when all of it
  // was written. Drawing after finish() does nothing.
  bool finish();

 protected:
  DrawContext() = default;
  void fail() { ok_ = false; }

  virtual void do_polyline(std::span<const Point> points) = 0;
  virtual void do_fill_polygon(std::span<const Point> points) = 0;
  virtual void do_fill_rectangle(const Box &box) = 0;
  virtual void do_stroke_arc(const ArcSpec &arc) = 0;
  virtual void do_fill_pie(const ArcSpec &arc) = 0;
  virtual void do_text(Point origin, std::string_view utf8) = 0;
  virtual void do_image(const ImageView &image, const Box &dest) = 0;
  virtual bool do_finish() = 0;

 private:
  DrawState state_;
  bool ok_ = true;
  bool finished_ = false;
};

}  // namespace vex3d::platform
