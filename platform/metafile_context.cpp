#include "metafile_context.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "guard.h"
#include "metafile_records.h"

namespace vex3d::platform {
namespace {

// How far outside the picture geometry is kept: more than any pen is wide,
// and with the largest picture still inside 16-bit coordinates.
constexpr int kGuardMargin = 4096;

Point radial_point(const Box &box, double angle) {
  const double cx = box.x + box.width / 2.0, cy = box.y + box.height / 2.0;
  return Point{static_cast<int>(std::lround(cx + std::cos(angle) * box.width)),
               static_cast<int>(std::lround(cy - std::sin(angle) * box.height))};
}

bool inside(const Box &outer, const Box &b) {
  return b.x >= outer.x && b.y >= outer.y && static_cast<long long>(b.x) + b.width <= outer.x + outer.width &&
         static_cast<long long>(b.y) + b.height <= outer.y + outer.height;
}

}  // namespace

MetafileContext::MetafileContext(MetafileFormat format, int width, int height)
    : format_(format), bounds_{0, 0, width, height} {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) {
    fail();
    return;
  }
  records_ = format == MetafileFormat::kPlain ? plain_metafile_records(width, height)
                                              : enhanced_metafile_records(width, height);
}

MetafileContext::~MetafileContext() = default;

Box MetafileContext::guard() const {
  return Box{-kGuardMargin, -kGuardMargin, bounds_.width + 2 * kGuardMargin, bounds_.height + 2 * kGuardMargin};
}

// ---- objects

int MetafileContext::new_slot() {
  const auto free = std::find(used_.begin(), used_.end(), false);
  const int slot = static_cast<int>(free - used_.begin());
  if (free == used_.end())
    used_.push_back(true);
  else
    *free = true;
  peak_ = std::max(peak_, static_cast<int>(used_.size()));
  return slot;
}

void MetafileContext::replace(int &slot, int made) {
  if (slot >= 0) doomed_.push_back(slot);
  slot = made;
}

void MetafileContext::select(int slot) {
  int &selected = slot == pen_slot_ || slot == null_pen_slot_ ? selected_pen_
                  : slot == brush_slot_                       ? selected_brush_
                                                              : selected_font_;
  if (selected == slot) return;
  records_->select(slot);
  selected = slot;
}

void MetafileContext::collect() {
  std::erase_if(doomed_, [&](int slot) {
    const bool selected = slot == selected_pen_ || slot == selected_brush_ || slot == selected_font_;
    const bool pinned = clip_made_ && std::find(std::begin(pinned_), std::end(pinned_), slot) != std::end(pinned_);
    if (selected || pinned) return false;
    records_->remove(slot);
    used_[static_cast<std::size_t>(slot)] = false;
    return true;
  });
}

void MetafileContext::sync_clip() {
  const std::optional<Box> &clip = state().clip;
  if (clip == clip_made_) return;
  if (clip_made_) {
    // Restoring selects again what was selected when the clip was set.
    records_->restore();
    selected_pen_ = pinned_[0], selected_brush_ = pinned_[1], selected_font_ = pinned_[2];
    clip_made_.reset();
  }
  if (clip) {
    records_->save();
    pinned_[0] = selected_pen_, pinned_[1] = selected_brush_, pinned_[2] = selected_font_;
    records_->intersect_clip(*clip);
    clip_made_ = clip;
  }
}

void MetafileContext::sync(Use use) {
  sync_clip();
  const DrawState &s = state();
  const bool opaque = use == Use::kFill;
  if (opaque != opaque_made_) {
    records_->background_mode(opaque);
    opaque_made_ = opaque;
  }
  switch (use) {
    case Use::kOutline:
      if (pen_slot_ < 0 || !(pen_made_ == s.pen)) {
        const int slot = new_slot();
        records_->create_pen(slot, s.pen);
        replace(pen_slot_, slot);
        pen_made_ = s.pen;
      }
      select(pen_slot_);
      break;
    case Use::kFill:
      if (null_pen_slot_ < 0) {
        null_pen_slot_ = new_slot();
        records_->create_null_pen(null_pen_slot_);
      }
      select(null_pen_slot_);
      if (brush_slot_ < 0 || brush_made_ != s.brush.color) {
        const int slot = new_slot();
        records_->create_brush(slot, s.brush.color);
        replace(brush_slot_, slot);
        brush_made_ = s.brush.color;
      }
      select(brush_slot_);
      break;
    case Use::kText:
      if (font_slot_ < 0 || font_made_ != s.font) {
        const int slot = new_slot();
        records_->create_font(slot, *s.font);
        replace(font_slot_, slot);
        font_made_ = s.font;
      }
      select(font_slot_);
      if (text_color_made_ != s.text_color) {
        records_->text_color(s.text_color);
        text_color_made_ = s.text_color;
      }
      break;
  }
  collect();
}

// ---- primitives

void MetafileContext::polyline_pieces(std::span<const Point> points) {
  const Box g = guard();
  std::vector<Point> run;
  const auto flush = [&] {
    if (run.size() >= 2) records_->polyline(run);
    run.clear();
  };
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    Point a = points[i], b = points[i + 1];
    if (!clip_segment(g, a, b)) {
      flush();
      continue;
    }
    if (run.empty() || !(run.back() == a)) {
      flush();
      run.push_back(a);
    }
    run.push_back(b);
  }
  flush();
}

void MetafileContext::do_polyline(std::span<const Point> points) {
  sync(Use::kOutline);
  const Box g = guard();
  const bool all_inside = std::all_of(points.begin(), points.end(), [&](const Point &p) {
    return p.x >= g.x && p.y >= g.y && p.x < g.x + g.width && p.y < g.y + g.height;
  });
  if (all_inside)
    records_->polyline(points);
  else
    polyline_pieces(points);
}

void MetafileContext::do_fill_polygon(std::span<const Point> points) {
  const std::vector<Point> cut = clip_polygon(guard(), points);
  if (cut.size() < 3) return;
  sync(Use::kFill);
  records_->polygon(cut);
}

void MetafileContext::do_fill_rectangle(const Box &box) {
  const Box b = intersect(box, guard());
  if (b.empty()) return;
  sync(Use::kFill);
  // A polygon covers exactly the box's pixels in every player (a rectangle
  // without an outline leaves out its last row and column in some).
  const Point corners[] = {{b.x, b.y}, {b.x + b.width, b.y}, {b.x + b.width, b.y + b.height}, {b.x, b.y + b.height}};
  records_->polygon(corners);
}

void MetafileContext::do_stroke_arc(const ArcSpec &arc) {
  if (!inside(guard(), arc.box)) return;
  sync(Use::kOutline);
  if (arc.whole()) {
    // Two halves: some players draw nothing for an arc that ends where it starts.
    const Point right = radial_point(arc.box, 0), left = radial_point(arc.box, std::numbers::pi);
    records_->arc(arc.box, right, left);
    records_->arc(arc.box, left, right);
    return;
  }
  const double from = arc.sweep > 0 ? arc.start : arc.start + arc.sweep;
  const double to = arc.sweep > 0 ? arc.start + arc.sweep : arc.start;
  records_->arc(arc.box, radial_point(arc.box, from), radial_point(arc.box, to));
}

void MetafileContext::do_fill_pie(const ArcSpec &arc) {
  if (!inside(guard(), arc.box)) return;
  sync(Use::kFill);
  if (arc.whole()) {
    records_->ellipse(arc.box);
    return;
  }
  const double from = arc.sweep > 0 ? arc.start : arc.start + arc.sweep;
  const double to = arc.sweep > 0 ? arc.start + arc.sweep : arc.start;
  records_->pie(arc.box, radial_point(arc.box, from), radial_point(arc.box, to));
}

void MetafileContext::do_text(Point origin, std::string_view utf8) {
  const Box g = guard();
  if (origin.x < g.x || origin.y < g.y || origin.x >= g.x + g.width || origin.y >= g.y + g.height) return;
  sync(Use::kText);
  records_->text(origin, utf8, *state().font);
}

void MetafileContext::do_image(const ImageView &image, const Box &dest) {
  if (!inside(guard(), dest)) return;
  sync_clip();
  records_->image(dest, image);
}

bool MetafileContext::do_finish() {
  bytes_ = records_->finish(peak_);
  return true;
}

std::vector<std::uint8_t> placeable_header(int width, int height, int dpi_x, int dpi_y) {
  constexpr std::uint32_t kKey = 0x9AC6CDD7;
  constexpr int kUnitsPerInch = 1000;
  const auto extent = [](int pixels, int dpi) {
    return dpi > 0 ? static_cast<unsigned>(std::clamp((pixels + 1LL) * kUnitsPerInch / dpi, 0LL, 32767LL)) : 0u;
  };
  const unsigned words[10] = {kKey & 0xFFFF,         kKey >> 16,    0, 0, 0, extent(width, dpi_x),
                              extent(height, dpi_y), kUnitsPerInch, 0, 0};
  std::vector<std::uint8_t> header;
  unsigned checksum = 0;
  for (const unsigned w : words) {
    header.push_back(static_cast<std::uint8_t>(w & 0xFF));
    header.push_back(static_cast<std::uint8_t>(w >> 8));
    checksum ^= w;
  }
  header.push_back(static_cast<std::uint8_t>(checksum & 0xFF));
  header.push_back(static_cast<std::uint8_t>(checksum >> 8));
  return header;
}

}  // namespace vex3d::platform
