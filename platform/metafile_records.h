// The records of a metafile file, in the two published formats: plain
// (16-bit records) and enhanced (32-bit records). The metafile context
// decides what to write; these write it.
//
// Coordinates are device pixels, one logical unit each. Objects live in
// slots 0, 1, 2, ...; the context creates every object in the lowest free
// slot, which is where a plain metafile's player puts it.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "draw_state.h"
#include "fonts.h"

namespace vex3d::platform {

class MetafileRecords {
 public:
  virtual ~MetafileRecords() = default;

  // ---- objects; a null pen draws no outline
  virtual void create_pen(int slot, const Pen &pen) = 0;
  virtual void create_null_pen(int slot) = 0;
  virtual void create_brush(int slot, Rgb color) = 0;
  virtual void create_font(int slot, const Font &font) = 0;
  virtual void select(int slot) = 0;
  virtual void remove(int slot) = 0;

  // ---- state
  virtual void text_color(Rgb color) = 0;
  // Opaque: the gaps of dashes and the cells of text are painted with the
  // background; fills are made in this mode, lines and text in the other.
  virtual void background_mode(bool opaque) = 0;
  virtual void save() = 0;
  // Back to the state of the last save (objects selected then included).
  virtual void restore() = 0;
  virtual void intersect_clip(const Box &box) = 0;

  // ---- drawing; the shapes are filled with the brush and outlined with the pen
  virtual void polyline(std::span<const Point> points) = 0;
  virtual void polygon(std::span<const Point> points) = 0;
  // Counter-clockwise from the ray through `start` to the ray through `end`;
  // the same point twice is the whole ellipse.
  virtual void arc(const Box &box, Point start, Point end) = 0;
  virtual void pie(const Box &box, Point start, Point end) = 0;
  virtual void ellipse(const Box &box) = 0;
  // Text with its baseline-left point at `origin`, in the selected font.
  virtual void text(Point origin, std::string_view utf8, const Font &font) = 0;
  // The image as a 24-bit device-independent bitmap stretched into `dest`.
  virtual void image(const Box &dest, const ImageView &image) = 0;

  // The whole file. `objects`: the most slots in use at once.
  virtual std::vector<std::uint8_t> finish(int objects) = 0;
};

// Writers of a picture of width x height pixels.
std::unique_ptr<MetafileRecords> plain_metafile_records(int width, int height);
std::unique_ptr<MetafileRecords> enhanced_metafile_records(int width, int height);

// ---- what both formats share

// Pen style bits of both formats.
enum PenStyleBits : std::uint32_t {
  kPenSolid = 0,
  kPenDash = 1,
  kPenDot = 2,
  kPenDashDot = 3,
  kPenDashDotDot = 4,
  kPenNull = 5,
  kPenUserStyle = 7,
  kPenEndRound = 0x000,
  kPenEndSquare = 0x100,
  kPenEndFlat = 0x200,
  kPenJoinRound = 0x0000,
  kPenJoinBevel = 0x1000,
  kPenJoinMiter = 0x2000,
  kPenGeometric = 0x10000,
};

// The simple style closest to a pen's dashes (on and off lengths).
std::uint32_t simple_pen_style(const Pen &pen);
// End and join bits of a wide pen.
std::uint32_t pen_shape_bits(const Pen &pen);
// A colour as the records hold it (0x00BBGGRR).
inline std::uint32_t color_ref(Rgb c) { return c & 0xFFFFFFu; }

// The image as the bits of a 24-bit bottom-up bitmap (rows padded to 32
// bits), composed over white where it is not opaque; `header` receives the
// 40-byte information header.
std::vector<std::uint8_t> dib_bits(const ImageView &image, std::vector<std::uint8_t> &header);

}  // namespace vex3d::platform
