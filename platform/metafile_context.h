// The metafile context: every primitive becomes a record of a plain (WMF)
// or enhanced (EMF) metafile in memory, so that a chart exported this way
// stays vector: polygons and lines with their pens, arcs and pies, text as
// text in its font, clip rectangles, pictures as device-independent bitmaps.
//
// The picture is width x height pixels, one logical unit per pixel. After
// finish() the file's bytes are complete (a plain metafile without the
// placeable header, which the caller adds when it wants one).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "draw_context.h"
#include "fonts.h"

namespace vex3d::platform {

class MetafileRecords;

enum class MetafileFormat : int { kPlain = 1, kEnhanced = 2 };

class MetafileContext final : public DrawContext {
 public:
  // Sides of 1 to kMaxSide pixels; any other size gives a failed context.
  static constexpr int kMaxSide = 16384;
  MetafileContext(MetafileFormat format, int width, int height);
  ~MetafileContext() override;

  ContextKind kind() const override { return ContextKind::kMetafile; }
  int color_depth() const override { return 2; }
  double resolution() const override { return kScreenDpi; }
  Box bounds() const override { return bounds_; }
  MetafileFormat format() const { return format_; }

  // The file's bytes once finish() succeeded; empty before and on failure.
  const std::vector<std::uint8_t> &bytes() const { return bytes_; }

 protected:
  void do_polyline(std::span<const Point> points) override;
  void do_fill_polygon(std::span<const Point> points) override;
  void do_fill_rectangle(const Box &box) override;
  void do_stroke_arc(const ArcSpec &arc) override;
  void do_fill_pie(const ArcSpec &arc) override;
  void do_text(Point origin, std::string_view utf8) override;
  void do_image(const ImageView &image, const Box &dest) override;
  bool do_finish() override;

 private:
  enum class Use { kOutline, kFill, kText };
  // Brings the records' clip and objects up to the drawing state.
  void sync(Use use);
  void sync_clip();
  int new_slot();
  void replace(int &slot, int made);
  void select(int slot);
  void collect();
  // Geometry is cut to this box: far outside the picture nothing shows, and
  // plain metafiles hold 16-bit coordinates.
  Box guard() const;
  void polyline_pieces(std::span<const Point> points);

  MetafileFormat format_;
  Box bounds_;
  std::unique_ptr<MetafileRecords> records_;
  std::vector<std::uint8_t> bytes_;

  // Object slots in use, and the most in use at once.
  std::vector<bool> used_;
  int peak_ = 0;
  // What the records hold: the objects made from the state, the one of each
  // kind selected, and the slots to delete once nothing selects them.
  int pen_slot_ = -1, null_pen_slot_ = -1, brush_slot_ = -1, font_slot_ = -1;
  Pen pen_made_;
  Rgb brush_made_ = 0;
  FontRef font_made_;
  std::optional<Rgb> text_color_made_;
  bool opaque_made_ = false;  // the records start with the transparent mode
  int selected_pen_ = -1, selected_brush_ = -1, selected_font_ = -1;
  std::vector<int> doomed_;
  // The clip in force in the records; while one is, the objects selected
  // when it was set are kept (restoring the state selects them again).
  std::optional<Box> clip_made_;
  int pinned_[3] = {-1, -1, -1};
};

// The 22-byte header that makes a plain metafile placeable: its frame
// (0, 0) to ((width + 1) * 1000 / dpi_x, (height + 1) * 1000 / dpi_y) in
// thousandths of an inch, and the checksum that makes its first eleven
// 16-bit words exclusive-or to 0.
std::vector<std::uint8_t> placeable_header(int width, int height, int dpi_x, int dpi_y);

}  // namespace vex3d::platform
