// What a metafile draws on. The player turns the records of a metafile into
// these calls, in destination pixels, with the drawing state each record left
// in force; a drawing back end (or a test) implements them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vex3d {

struct MetaPoint {
  int x = 0, y = 0;
  bool operator==(const MetaPoint &) const = default;
};

struct MetaRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const MetaRect &) const = default;
};

enum class MetaPenStyle { kSolid, kDash, kDot, kDashDot, kDashDotDot, kNull };
// The ends and corners of a wide pen; a metafile's pens have round ends and
// corners unless their style says otherwise.
enum class MetaPenEnd { kRound, kSquare, kFlat };
enum class MetaPenJoin { kRound, kBevel, kMiter };

struct MetaPen {
  int color = 0;  // 0xBBGGRR
  int width = 1;  // pixels, at least 1
  MetaPenStyle style = MetaPenStyle::kSolid;
  MetaPenEnd end = MetaPenEnd::kRound;
  MetaPenJoin join = MetaPenJoin::kRound;
  bool operator==(const MetaPen &) const = default;
};

struct MetaBrush {
  int color = 0xFFFFFF;
  bool hollow = false;  // a null brush: shapes are outlined only
  bool operator==(const MetaBrush &) const = default;
};

// Where a text's reference point lies on the text.
enum class MetaTextAlign { kLeft, kRight, kCenter };
enum class MetaTextBase { kTop, kBaseline, kBottom };

// The font a metafile selects, as its records give it: the height in pixels
// (negative for the character height, positive for the cell height, 0 for
// the default size), the width, the weight (400 normal, 700 bold), the style
// flags, the character set and output precision, and the face (UTF-8,
// NUL-terminated).
struct MetaFont {
  static constexpr int kFaceSize = 32;
  int height;
  int width;
  int weight;
  int italic;
  int underline;
  int strikeout;
  int charset;
  int out_precision;
  char face[kFaceSize];
};

struct Picture;

class MetafileCanvas {
 public:
  virtual ~MetafileCanvas() = default;

  virtual void set_pen(const MetaPen &pen) = 0;
  virtual void set_brush(const MetaBrush &brush) = 0;
  // The font, its height in pixels.
  virtual void set_font(const MetaFont &font) = 0;
  virtual void set_text_color(int color) = 0;
  // The clip rectangle in force, or none.
  virtual void set_clip(const MetaRect *clip) = 0;

  virtual void polyline(std::span<const MetaPoint> points) = 0;
  // Filled with the brush, then outlined with the pen.
  virtual void polygon(std::span<const MetaPoint> points) = 0;
  // The box covers width x height pixels; filled with the brush and outlined
  // with the pen along its inner edge.
  virtual void rectangle(const MetaRect &box) = 0;
  virtual void ellipse(const MetaRect &box) = 0;
  // Part of the ellipse inscribed in the box, from `start` counter-clockwise
  // through `sweep` (radians, 0 along +x, y up on the screen; 2 pi or more is
  // the whole ellipse): an arc outlined with the pen, a pie slice filled
  // with the brush and outlined with the pen.
  virtual void arc(const MetaRect &box, double start, double sweep) = 0;
  virtual void pie(const MetaRect &box, double start, double sweep) = 0;
  // A bitmap stretched into the box.
  virtual void image(const MetaRect &box, const Picture &bitmap) = 0;
  // UTF-8 text at its reference point.
  virtual void text(int x, int y, std::string_view utf8, MetaTextAlign align, MetaTextBase base) = 0;
};

// What playing pictures may cost, shared by every copy of a picture drawn at
// once (the tiles of a tiled picture): a few hundred bytes of records drawn
// into thousands of tiles, or with shapes scaled far beyond the surface,
// could otherwise keep a drawing busy for minutes. Records counts every
// record played; pixels counts the area each drawing record covers (its
// bounding box, the pen's width around it, cut to `visible` and to the
// metafile's own clip) and the bytes of each bitmap decoded. Playing stops
// when either runs out.
struct PlayBudget {
  static constexpr std::int64_t kMaxRecords = std::int64_t{1} << 24;
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 28;
  std::int64_t records = kMaxRecords;
  std::int64_t pixels = kMaxPixels;
  // Where drawing can land (a surface's clip box); none where a drawing is
  // kept as primitives (a metafile context), and only records count.
  std::optional<MetaRect> visible;
  bool spent() const { return records <= 0 || pixels <= 0; }
};

// Plays a metafile picture into the box (x, y, width, height) of the
// destination: the picture's frame is mapped onto the box. Records this
// player does not know are skipped; a damaged record, or the budget running
// out, ends the playing. Returns the number of records drawn or applied.
int play_metafile(const Picture &picture, const MetaRect &box, MetafileCanvas &canvas, PlayBudget &budget);

}  // namespace vex3d
