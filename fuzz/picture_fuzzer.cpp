// The picture loader on arbitrary bytes: whatever it accepts is decoded to
// pixels or played, and placed by every layout.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image_layout.h"
#include "metafile_canvas.h"
#include "picture.h"

namespace {

// Touches every argument so that what the player hands out is read.
class SinkCanvas : public vex3d::MetafileCanvas {
 public:
  long sum = 0;
  void set_pen(const vex3d::MetaPen &p) override { sum += p.color + p.width; }
  void set_brush(const vex3d::MetaBrush &b) override { sum += b.color; }
  void set_font(const vex3d::MetaFont &f) override { sum += f.height + f.face[0]; }
  void set_text_color(int c) override { sum += c; }
  void set_clip(const vex3d::MetaRect *r) override { sum += r ? r->width : 0; }
  void polyline(std::span<const vex3d::MetaPoint> pts) override { add(pts); }
  void polygon(std::span<const vex3d::MetaPoint> pts) override { add(pts); }
  void rectangle(const vex3d::MetaRect &r) override { sum += r.x + r.height; }
  void ellipse(const vex3d::MetaRect &r) override { sum += r.y + r.width; }
  void arc(const vex3d::MetaRect &r, double start, double sweep) override { sum += r.x + long(start + sweep); }
  void pie(const vex3d::MetaRect &r, double start, double sweep) override { sum += r.y + long(start - sweep); }
  void image(const vex3d::MetaRect &r, const vex3d::Picture &b) override { sum += r.width + b.width + b.height; }
  void text(int x, int y, std::string_view s, vex3d::MetaTextAlign, vex3d::MetaTextBase) override {
    sum += x + y + static_cast<long>(s.size());
  }

 private:
  void add(std::span<const vex3d::MetaPoint> pts) {
    for (const auto &p : pts) sum += p.x - p.y;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const auto picture = vex3d::load_picture(std::span(data, size));
  if (!picture) return 0;
  const vex3d::MetaRect box{3, 4, 120, 90};
  if (picture->is_bitmap()) {
    vex3d::bitmap_argb(*picture);
  } else {
    SinkCanvas canvas;
    vex3d::PlayBudget budget;
    budget.visible = box;
    vex3d::play_metafile(*picture, box, canvas, budget);
  }
  for (int layout = 1; layout <= 7; ++layout) {
    const auto placement = vex3d::place_image(layout, picture->pixel_width, picture->pixel_height, box);
    vex3d::image_copies(placement, box, 64);
  }
  return 0;
}
