// The state a metafile's records act on, shared by the plain and the enhanced
// record loops: the object table, the drawing state with its saved copies,
// the coordinate mapping, and what was last handed to the canvas.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "metafile_canvas.h"
#include "picture.h"

namespace vex3d {

struct MetaObject {
  enum class Kind { kFree, kPen, kBrush, kFont, kOther };
  Kind kind = Kind::kFree;
  MetaPen pen;  // width in logical units
  MetaBrush brush;
  MetaFont font{};  // height in logical units
};

// Logical units to reference-device units, as the records set them.
struct Mapping {
  int mode = 1;  // 1 text (one unit a device pixel), 7 isotropic, 8 anisotropic
  double window_x = 0, window_y = 0, window_w = 0, window_h = 0;
  double viewport_x = 0, viewport_y = 0, viewport_w = 0, viewport_h = 0;
};

struct DrawState {
  Mapping mapping;
  MetaPen pen;
  MetaBrush brush;
  MetaFont font{};
  int text_color = 0;
  int text_align = 0;            // the metafile's alignment bits
  std::optional<MetaRect> clip;  // destination pixels
  double x = 0, y = 0;           // current position, logical units
};

class MetafilePlayer {
 public:
  MetafilePlayer(MetafileCanvas &canvas, const MetaRect &box, PlayBudget &budget);

  // The rectangle of reference-device units that lands on the box.
  void set_frame(double x, double y, double width, double height);
  DrawState &state() { return state_; }

  // ---- objects
  void resize_objects(std::size_t count) { objects_.resize(count); }
  // Puts an object in the lowest free slot (plain metafiles number them so).
  void add_object(const MetaObject &object);
  // Puts an object at an index (enhanced metafiles name it); false when the
  // index is outside the table.
  bool set_object(std::size_t index, const MetaObject &object);
  void select_object(std::size_t index);
  void select_stock_object(std::uint32_t stock);
  void delete_object(std::size_t index);

  // ---- state
  void save();
  // Restores a saved state: negative counts back from the latest save.
  void restore(int which);
  void intersect_clip(double left, double top, double right, double bottom);
  void remove_clip();

  // ---- drawing, in logical units
  void line_to(double x, double y);
  void polyline(const std::vector<MetaPoint> &logical);
  void polygon(const std::vector<MetaPoint> &logical);
  void rectangle(double left, double top, double right, double bottom);
  void ellipse(double left, double top, double right, double bottom);
  void text(double x, double y, const std::string &utf8);
  // An arc (or a pie slice) of the ellipse in the box, counter-clockwise
  // from the ray through the start point to the ray through the end point;
  // the same point twice is the whole ellipse.
  void arc(double left, double top, double right, double bottom, double start_x, double start_y, double end_x,
           double end_y, bool pie);
  // A bitmap stretched into the rectangle (a negative size flips it).
  void image(double x, double y, double width, double height, const Picture &bitmap);

  int drawn() const { return drawn_; }
  void count() { ++drawn_; }

  // Charges one record to the budget: false when the budget is spent and
  // the playing must stop.
  bool next_record();
  // Charges work measured in pixels (a bitmap's bytes to decode): false when
  // the budget is spent.
  bool afford(std::int64_t pixels);

 private:
  MetaPoint to_destination(double x, double y) const;
  double scale_x() const;
  double scale_y() const;
  std::vector<MetaPoint> mapped(const std::vector<MetaPoint> &logical) const;
  MetaRect mapped_box(double left, double top, double right, double bottom) const;
  void use_pen();
  void use_brush();
  void use_font();
  void use_clip();
  // Charges what a shape covering `box` (destination pixels, before the pen
  // is added around it) costs: false when the budget is spent and nothing
  // more is drawn.
  bool afford_area(const MetaRect &box, bool with_pen);
  MetaRect bounds_of(const std::vector<MetaPoint> &points) const;

  MetafileCanvas &canvas_;
  MetaRect box_;
  PlayBudget &budget_;
  double frame_x_ = 0, frame_y_ = 0, frame_w_ = 0, frame_h_ = 0;
  DrawState state_;
  std::vector<DrawState> saved_;
  std::vector<MetaObject> objects_;
  // What the canvas has in force.
  std::optional<MetaPen> pen_;
  std::optional<MetaBrush> brush_;
  std::optional<MetaFont> font_;
  std::optional<int> text_color_;
  std::optional<std::optional<MetaRect>> clip_;
  int drawn_ = 0;
};

// The style word of a metafile's pen record: the line style (its low four
// bits), the ends (bits 8 to 11) and the corners (bits 12 to 15).
void set_pen_style(MetaPen &pen, std::uint32_t style);
// A colour reference of a record (0x00BBGGRR) as a colour value.
inline int meta_color(std::uint32_t v) { return static_cast<int>(v & 0xFFFFFF); }
// A font's face name, cut to what a font description holds.
void set_face(MetaFont &font, const std::string &utf8);

// Text of the metafile's 8-bit code page (taken as Latin-1) in UTF-8.
std::string latin1_to_utf8(std::span<const std::uint8_t> text);
// UTF-16 (little-endian code units) in UTF-8; unpaired surrogates become U+FFFD.
std::string utf16_to_utf8(std::span<const std::uint8_t> text);

// The two record loops.
int play_plain_metafile(std::span<const std::uint8_t> records, const MetaRect &frame_hint, bool has_frame,
                        MetafilePlayer &player);
int play_enhanced_metafile(std::span<const std::uint8_t> file, MetafilePlayer &player);

}  // namespace vex3d
