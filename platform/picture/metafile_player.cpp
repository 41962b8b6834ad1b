// The drawing state of a metafile being played, and the mapping of its
// coordinates onto the destination box.
#include "metafile_player.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace vex3d {
namespace {

// Far outside any surface, yet safe to convert and to add to.
constexpr double kCoordinateLimit = 1 << 24;

int to_int(double v) { return static_cast<int>(std::lround(std::clamp(v, -kCoordinateLimit, kCoordinateLimit))); }

MetaFont default_font() {
  MetaFont font{};
  font.weight = 400;
  std::strcpy(font.face, "Arial");
  return font;
}

void append_utf8(std::string &out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

namespace {

MetaPenStyle line_style_of(std::uint32_t style) {
  switch (style & 0x0F) {
    case 1: return MetaPenStyle::kDash;
    case 2: return MetaPenStyle::kDot;
    case 3: return MetaPenStyle::kDashDot;
    case 4: return MetaPenStyle::kDashDotDot;
    case 5: return MetaPenStyle::kNull;
    case 7: return MetaPenStyle::kDash;  // the writer's own dashes: drawn as a dash
    default: return MetaPenStyle::kSolid;
  }
}

constexpr std::uint32_t kEndSquare = 0x0100, kEndFlat = 0x0200, kEndBits = 0x0F00;
constexpr std::uint32_t kJoinBevel = 0x1000, kJoinMiter = 0x2000, kJoinBits = 0xF000;

MetaPenEnd end_of(std::uint32_t style) {
  switch (style & kEndBits) {
    case kEndSquare: return MetaPenEnd::kSquare;
    case kEndFlat: return MetaPenEnd::kFlat;
    default: return MetaPenEnd::kRound;
  }
}

MetaPenJoin join_of(std::uint32_t style) {
  switch (style & kJoinBits) {
    case kJoinBevel: return MetaPenJoin::kBevel;
    case kJoinMiter: return MetaPenJoin::kMiter;
    default: return MetaPenJoin::kRound;
  }
}

}  // namespace

void set_pen_style(MetaPen &pen, std::uint32_t style) {
  pen.style = line_style_of(style);
  pen.end = end_of(style);
  pen.join = join_of(style);
}

void set_face(MetaFont &font, const std::string &utf8) {
  const std::size_t n = std::min(utf8.size(), sizeof font.face - 1);
  std::memcpy(font.face, utf8.data(), n);
  font.face[n] = '\0';
}

std::string latin1_to_utf8(std::span<const std::uint8_t> text) {
  std::string out;
  for (const std::uint8_t c : text) {
    if (c == 0) break;
    append_utf8(out, c);
  }
  return out;
}

std::string utf16_to_utf8(std::span<const std::uint8_t> text) {
  std::string out;
  const std::size_t units = text.size() / 2;
  for (std::size_t i = 0; i < units; ++i) {
    std::uint32_t c = text[2 * i] | (text[2 * i + 1] << 8);
    if (c == 0) break;
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units) {
      const std::uint32_t low = text[2 * i + 2] | (text[2 * i + 3] << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      } else {
        c = 0xFFFD;
      }
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    append_utf8(out, c);
  }
  return out;
}

MetafilePlayer::MetafilePlayer(MetafileCanvas &canvas, const MetaRect &box, PlayBudget &budget)
    : canvas_(canvas), box_(box), budget_(budget) {
  clip_.emplace();       // a canvas starts without a clip
  state_.pen.width = 0;  // the default pen is one pixel wide whatever the scale
  state_.font = default_font();
}

void MetafilePlayer::set_frame(double x, double y, double width, double height) {
  frame_x_ = x;
  frame_y_ = y;
  frame_w_ = width;
  frame_h_ = height;
}

// ---- objects

void MetafilePlayer::add_object(const MetaObject &object) {
  for (MetaObject &slot : objects_) {
    if (slot.kind == MetaObject::Kind::kFree) {
      slot = object;
      return;
    }
  }
}

bool MetafilePlayer::set_object(std::size_t index, const MetaObject &object) {
  if (index >= objects_.size()) return false;
  objects_[index] = object;
  return true;
}

void MetafilePlayer::select_object(std::size_t index) {
  if (index >= objects_.size()) return;
  const MetaObject &o = objects_[index];
  switch (o.kind) {
    case MetaObject::Kind::kPen: state_.pen = o.pen; break;
    case MetaObject::Kind::kBrush: state_.brush = o.brush; break;
    case MetaObject::Kind::kFont: state_.font = o.font; break;
    default: break;  // palettes, regions, pattern brushes: nothing this player draws with
  }
}

void MetafilePlayer::select_stock_object(std::uint32_t stock) {
  // The stock objects every metafile may select without creating them.
  static constexpr int kBrushGreys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
  if (stock <= 4) {
    state_.brush = MetaBrush{kBrushGreys[stock], false};
  } else if (stock == 5) {
    state_.brush = MetaBrush{0, true};
  } else if (stock == 6 || stock == 7) {
    state_.pen = MetaPen{stock == 6 ? 0xFFFFFF : 0, 0, MetaPenStyle::kSolid};
  } else if (stock == 8) {
    state_.pen = MetaPen{0, 0, MetaPenStyle::kNull};
  } else if (stock >= 10 && stock <= 17 && stock != 15) {
    state_.font = default_font();
  }
}

void MetafilePlayer::delete_object(std::size_t index) {
  if (index < objects_.size()) objects_[index] = MetaObject{};
}

// ---- state

void MetafilePlayer::save() {
  if (saved_.size() < 4096) saved_.push_back(state_);
}

void MetafilePlayer::restore(int which) {
  const long n = static_cast<long>(saved_.size());
  const long index = which < 0 ? n + which : static_cast<long>(which) - 1;
  if (index < 0 || index >= n) return;
  state_ = saved_[static_cast<std::size_t>(index)];
  saved_.resize(static_cast<std::size_t>(index));
}

void MetafilePlayer::intersect_clip(double left, double top, double right, double bottom) {
  MetaRect r = mapped_box(left, top, right, bottom);
  if (state_.clip) {
    const MetaRect &c = *state_.clip;
    const int x0 = std::max(r.x, c.x), y0 = std::max(r.y, c.y);
    const int x1 = std::min(r.x + r.width, c.x + c.width), y1 = std::min(r.y + r.height, c.y + c.height);
    r = MetaRect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
  }
  state_.clip = r;
}

void MetafilePlayer::remove_clip() { state_.clip.reset(); }

// ---- mapping

MetaPoint MetafilePlayer::to_destination(double x, double y) const {
  const Mapping &m = state_.mapping;
  const bool scaled = (m.mode == 7 || m.mode == 8) && m.window_w != 0 && m.window_h != 0;
  const double dx =
      scaled ? (x - m.window_x) * m.viewport_w / m.window_w + m.viewport_x : x - m.window_x + m.viewport_x;
  const double dy =
      scaled ? (y - m.window_y) * m.viewport_h / m.window_h + m.viewport_y : y - m.window_y + m.viewport_y;
  const double sx = frame_w_ != 0 ? box_.width / frame_w_ : 1.0;
  const double sy = frame_h_ != 0 ? box_.height / frame_h_ : 1.0;
  return MetaPoint{to_int(box_.x + (dx - frame_x_) * sx), to_int(box_.y + (dy - frame_y_) * sy)};
}

double MetafilePlayer::scale_x() const {
  const MetaPoint a = to_destination(0, 0), b = to_destination(1000, 0);
  return std::fabs(static_cast<double>(b.x) - a.x) / 1000.0;
}

double MetafilePlayer::scale_y() const {
  const MetaPoint a = to_destination(0, 0), b = to_destination(0, 1000);
  return std::fabs(static_cast<double>(b.y) - a.y) / 1000.0;
}

std::vector<MetaPoint> MetafilePlayer::mapped(const std::vector<MetaPoint> &logical) const {
  std::vector<MetaPoint> out;
  out.reserve(logical.size());
  for (const MetaPoint &p : logical) out.push_back(to_destination(p.x, p.y));
  return out;
}

MetaRect MetafilePlayer::mapped_box(double left, double top, double right, double bottom) const {
  const MetaPoint a = to_destination(left, top), b = to_destination(right, bottom);
  return MetaRect{std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

// ---- what the canvas has in force

void MetafilePlayer::use_clip() {
  if (clip_ && *clip_ == state_.clip) return;
  clip_ = state_.clip;
  canvas_.set_clip(state_.clip ? &*state_.clip : nullptr);
}

void MetafilePlayer::use_pen() {
  MetaPen pen = state_.pen;
  pen.width = std::max(1, to_int(pen.width * scale_x()));
  if (pen_ && *pen_ == pen) return;
  pen_ = pen;
  canvas_.set_pen(pen);
}

void MetafilePlayer::use_brush() {
  if (brush_ && *brush_ == state_.brush) return;
  brush_ = state_.brush;
  canvas_.set_brush(state_.brush);
}

void MetafilePlayer::use_font() {
  MetaFont font = state_.font;
  font.height = -std::abs(to_int(font.height * scale_y()));
  font.width = std::abs(to_int(font.width * scale_x()));
  if (!font_ || std::memcmp(&*font_, &font, sizeof font) != 0) {
    font_ = font;
    canvas_.set_font(font);
  }
  if (!text_color_ || *text_color_ != state_.text_color) {
    text_color_ = state_.text_color;
    canvas_.set_text_color(state_.text_color);
  }
}

// ---- what playing costs

bool MetafilePlayer::next_record() {
  if (budget_.records <= 0 || budget_.pixels <= 0) return false;
  --budget_.records;
  return true;
}

bool MetafilePlayer::afford(std::int64_t pixels) {
  if (budget_.pixels <= 0) return false;
  budget_.pixels -= std::max<std::int64_t>(pixels, 0);
  return budget_.pixels > 0;
}

namespace {

// A span [lo, hi) along one axis cut to the limit's span.
void cut(std::int64_t &lo, std::int64_t &hi, std::int64_t limit_lo, std::int64_t limit_hi) {
  lo = std::max(lo, limit_lo);
  hi = std::min(hi, limit_hi);
}

}  // namespace

bool MetafilePlayer::afford_area(const MetaRect &box, bool with_pen) {
  if (budget_.pixels <= 0) return false;
  if (!budget_.visible) return true;  // primitives kept as primitives: only records count
  const std::int64_t pen = with_pen ? std::max(1, to_int(state_.pen.width * scale_x())) : 0;
  std::int64_t x0 = std::int64_t{box.x} - pen, x1 = std::int64_t{box.x} + box.width + pen + 1;
  std::int64_t y0 = std::int64_t{box.y} - pen, y1 = std::int64_t{box.y} + box.height + pen + 1;
  for (const std::optional<MetaRect> &limit : {budget_.visible, state_.clip}) {
    if (!limit) continue;
    cut(x0, x1, limit->x, std::int64_t{limit->x} + limit->width);
    cut(y0, y1, limit->y, std::int64_t{limit->y} + limit->height);
  }
  return afford(x1 > x0 && y1 > y0 ? (x1 - x0) * (y1 - y0) : 0);
}

MetaRect MetafilePlayer::bounds_of(const std::vector<MetaPoint> &points) const {
  int x0 = points.front().x, x1 = x0, y0 = points.front().y, y1 = y0;
  for (const MetaPoint &p : points) {
    x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
  }
  return MetaRect{x0, y0, x1 - x0, y1 - y0};
}

// ---- drawing

void MetafilePlayer::line_to(double x, double y) {
  polyline({MetaPoint{to_int(state_.x), to_int(state_.y)}, MetaPoint{to_int(x), to_int(y)}});
  state_.x = x;
  state_.y = y;
}

void MetafilePlayer::polyline(const std::vector<MetaPoint> &logical) {
  if (logical.size() < 2 || state_.pen.style == MetaPenStyle::kNull) return;
  const auto points = mapped(logical);
  if (!afford_area(bounds_of(points), true)) return;
  use_clip();
  use_pen();
  canvas_.polyline(points);
  ++drawn_;
}

void MetafilePlayer::polygon(const std::vector<MetaPoint> &logical) {
  if (logical.size() < 2) return;
  const auto points = mapped(logical);
  if (!afford_area(bounds_of(points), true)) return;
  use_clip();
  use_pen();
  use_brush();
  canvas_.polygon(points);
  ++drawn_;
}

void MetafilePlayer::rectangle(double left, double top, double right, double bottom) {
  const MetaRect box = mapped_box(left, top, right, bottom);
  if (!afford_area(box, true)) return;
  use_clip();
  use_pen();
  use_brush();
  canvas_.rectangle(box);
  ++drawn_;
}

void MetafilePlayer::ellipse(double left, double top, double right, double bottom) {
  const MetaRect box = mapped_box(left, top, right, bottom);
  if (!afford_area(box, true)) return;
  use_clip();
  use_pen();
  use_brush();
  canvas_.ellipse(box);
  ++drawn_;
}

void MetafilePlayer::text(double x, double y, const std::string &utf8) {
  constexpr int kUpdateCurrentPosition = 1, kHorizontal = 6, kRight = 2, kCenter = 6, kVertical = 24, kBottom = 8,
                kBaseline = 24;
  const int a = state_.text_align;
  if (a & kUpdateCurrentPosition) {
    x = state_.x;
    y = state_.y;
  }
  const MetaTextAlign align = (a & kHorizontal) == kCenter  ? MetaTextAlign::kCenter
                              : (a & kHorizontal) == kRight ? MetaTextAlign::kRight
                                                            : MetaTextAlign::kLeft;
  const MetaTextBase base = (a & kVertical) == kBaseline ? MetaTextBase::kBaseline
                            : (a & kVertical) == kBottom ? MetaTextBase::kBottom
                                                         : MetaTextBase::kTop;
  if (utf8.empty()) return;
  use_clip();
  use_font();
  const MetaPoint p = to_destination(x, y);
  // A text's extent is not known before it is drawn: a box of its height a character.
  const int height = std::abs(to_int(state_.font.height * scale_y()));
  const int width = static_cast<int>(std::min<std::size_t>(utf8.size(), 1 << 16)) * std::max(height, 1);
  if (!afford_area(MetaRect{p.x - width, p.y - height, 2 * width, 2 * height}, false)) return;
  canvas_.text(p.x, p.y, utf8, align, base);
  ++drawn_;
}

void MetafilePlayer::arc(double left, double top, double right, double bottom, double start_x, double start_y,
                         double end_x, double end_y, bool pie) {
  const MetaRect box = mapped_box(left, top, right, bottom);
  if (box.width <= 0 || box.height <= 0) return;
  if (!pie && state_.pen.style == MetaPenStyle::kNull) return;
  const MetaPoint start = to_destination(start_x, start_y), end = to_destination(end_x, end_y);
  const double cx = box.x + box.width / 2.0, cy = box.y + box.height / 2.0;
  const auto angle_of = [&](const MetaPoint &p) {
    return std::atan2(-(p.y - cy) / box.height, (p.x - cx) / box.width);
  };
  if (!afford_area(box, true)) return;
  const double from = angle_of(start);
  double sweep = 2 * std::numbers::pi;
  if (!(start == end)) {
    sweep = std::fmod(angle_of(end) - from, 2 * std::numbers::pi);
    if (sweep <= 0) sweep += 2 * std::numbers::pi;
  }
  use_clip();
  use_pen();
  if (pie) {
    use_brush();
    canvas_.pie(box, from, sweep);
  } else {
    canvas_.arc(box, from, sweep);
  }
  ++drawn_;
}

void MetafilePlayer::image(double x, double y, double width, double height, const Picture &bitmap) {
  const MetaRect box = mapped_box(x, y, x + width, y + height);
  if (box.width <= 0 || box.height <= 0 || !bitmap.is_bitmap() || bitmap.width <= 0) return;
  if (!afford(std::int64_t{bitmap.width} * bitmap.height) || !afford_area(box, false)) return;
  use_clip();
  canvas_.image(box, bitmap);
  ++drawn_;
}

}  // namespace vex3d
