// Enhanced metafile records: each a 32-bit type and size, then its fields;
// the drawing records carry their bounds, and the header the picture's size
// on a reference device of 96 dots per inch.
#include <algorithm>
#include <climits>
#include <cmath>

#include "metafile_bytes.h"
#include "metafile_records.h"
#include "utf8.h"

namespace vex3d::platform {
namespace {

enum Record : std::uint32_t {
  kHeader = 1,
  kPolygon = 3,
  kPolyline = 4,
  kEof = 14,
  kSetBkMode = 18,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kIntersectClipRect = 30,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSelectObject = 37,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kArc = 45,
  kPie = 47,
  kStretchDibits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutW = 84,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kExtCreatePen = 95,
};

constexpr int kHeaderBytes = 108;
constexpr std::uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr std::uint32_t kVersion = 0x10000;
// The reference device: 2400 pixels at 96 dots per inch are 635 mm exactly.
constexpr int kDevicePixels = 2400;
constexpr int kDeviceMillimetres = 635;
constexpr double kHundredthsOfMmPerPixel = 2540.0 / 96.0;
constexpr int kTransparent = 1, kOpaque = 2;
constexpr int kBaselineLeft = 24;
constexpr int kCompatibleGraphics = 1;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::size_t kFaceUnits = 32;

// Object 0 is the metafile itself: slot k is handle k + 1.
std::uint32_t handle(int slot) { return static_cast<std::uint32_t>(slot) + 1; }

struct Bounds {
  long long left = LLONG_MAX, top = LLONG_MAX, right = LLONG_MIN, bottom = LLONG_MIN;
  bool empty() const { return left > right; }
  void add(long long x, long long y) {
    left = std::min(left, x), top = std::min(top, y);
    right = std::max(right, x), bottom = std::max(bottom, y);
  }
  void add(const Bounds &b) {
    if (b.empty()) return;
    add(b.left, b.top), add(b.right, b.bottom);
  }
};

std::int32_t clamp32(long long v) { return static_cast<std::int32_t>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

class EnhancedRecords final : public MetafileRecords {
 public:
  EnhancedRecords(int width, int height) : width_(width), height_(height) {
    out_.zeros(kHeaderBytes);
    records_ = 1;
    record(kSetBkMode, [&] { out_.u32(kTransparent); });
    record(kSetTextAlign, [&] { out_.u32(kBaselineLeft); });
  }

  void create_pen(int slot, const Pen &pen) override {
    std::vector<std::uint32_t> entries;
    std::uint32_t style = 0;
    if (pen.thin) {
      style = simple_pen_style(pen);  // one pixel wide at any scale
    } else {
      style = kPenGeometric | pen_shape_bits(pen);
      if (!pen.solid()) {
        style |= kPenUserStyle;
        for (const double d : pen.dashes) entries.push_back(static_cast<std::uint32_t>(std::max(1.0, std::round(d))));
      }
    }
    pen_record(slot, style, pen.thin ? 1 : pen.width, pen.color, entries);
  }
  void create_null_pen(int slot) override { pen_record(slot, kPenNull, 0, 0, {}); }
  void create_brush(int slot, Rgb color) override {
    record(kCreateBrushIndirect, [&] {
      out_.u32(handle(slot));
      out_.u32(0);  // solid
      out_.u32(color_ref(color));
      out_.u32(0);
    });
  }
  void create_font(int slot, const Font &font) override {
    record(kExtCreateFontIndirectW, [&] {
      out_.u32(handle(slot));
      out_.i32(-static_cast<std::int32_t>(std::lround(font.em_pixels())));
      out_.i32(0), out_.i32(0), out_.i32(0);
      out_.i32(font.weight());
      out_.u8(font.italic()), out_.u8(font.underline()), out_.u8(font.strikeout());
      out_.u8(0), out_.u8(0), out_.u8(0), out_.u8(0), out_.u8(0);  // charset, precisions, quality, pitch
      const std::u32string face = decode_utf8(font.family());
      std::size_t units = 0;
      for (const char32_t c : face) {
        if (units + 1 >= kFaceUnits) break;
        out_.u16(c < 0x10000 ? static_cast<unsigned>(c) : 0xFFFDu);
        ++units;
      }
      out_.zeros((kFaceUnits - units) * 2);
    });
  }
  void select(int slot) override {
    record(kSelectObject, [&] { out_.u32(handle(slot)); });
  }
  void remove(int slot) override {
    record(kDeleteObject, [&] { out_.u32(handle(slot)); });
  }

  void text_color(Rgb color) override {
    record(kSetTextColor, [&] { out_.u32(color_ref(color)); });
  }
  void background_mode(bool opaque) override {
    record(kSetBkMode, [&] { out_.u32(opaque ? kOpaque : kTransparent); });
  }
  void save() override {
    record(kSaveDc, [] {});
  }
  void restore() override {
    record(kRestoreDc, [&] { out_.i32(-1); });
  }
  void intersect_clip(const Box &b) override {
    record(kIntersectClipRect, [&] { rect(b); });
  }

  void polyline(std::span<const Point> points) override { poly(false, points); }
  void polygon(std::span<const Point> points) override { poly(true, points); }
  void arc(const Box &box, Point start, Point end) override { arc_record(kArc, box, start, end); }
  void pie(const Box &box, Point start, Point end) override { arc_record(kPie, box, start, end); }
  void ellipse(const Box &box) override {
    drawn(box_bounds(box));
    record(kEllipse, [&] { rect(box); });
  }
  void text(Point origin, std::string_view utf8, const Font &font) override {
    const std::u32string chars = decode_utf8(utf8);
    std::vector<std::uint16_t> units;
    std::vector<std::uint32_t> advances;
    std::string one;
    for (const char32_t c : chars) {
      one.clear();
      append_utf8(one, c);
      const int advance = font.text_width(one);
      if (c >= 0x10000) {
        const char32_t v = c - 0x10000;
        units.push_back(static_cast<std::uint16_t>(0xD800 + (v >> 10)));
        units.push_back(static_cast<std::uint16_t>(0xDC00 + (v & 0x3FF)));
        advances.push_back(static_cast<std::uint32_t>(advance));
        advances.push_back(0);
      } else {
        units.push_back(static_cast<std::uint16_t>(c));
        advances.push_back(static_cast<std::uint32_t>(advance));
      }
    }
    if (units.empty()) return;
    const FontMetrics m = font.metrics();
    Bounds b;
    b.add(origin.x, static_cast<long long>(origin.y) - m.ascent);
    b.add(static_cast<long long>(origin.x) + font.text_width(utf8), static_cast<long long>(origin.y) + m.descent);
    drawn(b);
    const std::size_t string_offset = 76;
    const std::size_t string_bytes = (units.size() * 2 + 3) / 4 * 4;
    record(kExtTextOutW, [&] {
      bounds(b);
      out_.u32(kCompatibleGraphics);
      out_.u32(0), out_.u32(0);  // scales: unused in the compatible mode
      out_.i32(origin.x), out_.i32(origin.y);
      out_.u32(static_cast<std::uint32_t>(units.size()));
      out_.u32(static_cast<std::uint32_t>(string_offset));
      out_.u32(0);                                           // no options
      out_.i32(0), out_.i32(0), out_.i32(-1), out_.i32(-1);  // no rectangle
      out_.u32(static_cast<std::uint32_t>(string_offset + string_bytes));
      for (const std::uint16_t u : units) out_.u16(u);
      out_.pad_to(4);
      for (const std::uint32_t a : advances) out_.u32(a);
    });
  }
  void image(const Box &dest, const ImageView &image) override {
    std::vector<std::uint8_t> header;
    const std::vector<std::uint8_t> bits = dib_bits(image, header);
    const Bounds b = box_bounds(dest);
    drawn(b);
    record(kStretchDibits, [&] {
      bounds(b);
      out_.i32(dest.x), out_.i32(dest.y);
      out_.i32(0), out_.i32(0);
      out_.i32(image.width), out_.i32(image.height);
      out_.u32(80), out_.u32(static_cast<std::uint32_t>(header.size()));
      out_.u32(static_cast<std::uint32_t>(80 + header.size())), out_.u32(static_cast<std::uint32_t>(bits.size()));
      out_.u32(0);  // colours are RGB values
      out_.u32(kSourceCopy);
      out_.i32(dest.width), out_.i32(dest.height);
      out_.append(header);
      out_.append(bits);
    });
  }

  std::vector<std::uint8_t> finish(int objects) override {
    record(kEof, [&] {
      out_.u32(0);   // no palette
      out_.u32(16);  // where it would be
      out_.u32(20);  // this record's size, again
    });
    ByteSink h;
    h.u32(kHeader), h.u32(kHeaderBytes);
    if (drawn_.empty()) {
      h.i32(0), h.i32(0), h.i32(-1), h.i32(-1);
    } else {
      h.i32(clamp32(drawn_.left)), h.i32(clamp32(drawn_.top));
      h.i32(clamp32(drawn_.right)), h.i32(clamp32(drawn_.bottom));
    }
    // The frame: the whole picture, in hundredths of a millimetre, inclusive.
    h.i32(0), h.i32(0);
    h.i32(static_cast<std::int32_t>(std::lround(width_ * kHundredthsOfMmPerPixel)) - 1);
    h.i32(static_cast<std::int32_t>(std::lround(height_ * kHundredthsOfMmPerPixel)) - 1);
    h.u32(kSignature), h.u32(kVersion);
    h.u32(static_cast<std::uint32_t>(out_.size()));
    h.u32(records_);
    h.u16(static_cast<unsigned>(objects + 1)), h.u16(0);
    h.u32(0), h.u32(0);  // no description
    h.u32(0);            // no palette
    h.i32(kDevicePixels), h.i32(kDevicePixels);
    h.i32(kDeviceMillimetres), h.i32(kDeviceMillimetres);
    h.u32(0), h.u32(0), h.u32(0);  // no pixel format, no OpenGL
    h.i32(kDeviceMillimetres * 1000), h.i32(kDeviceMillimetres * 1000);
    std::copy(h.bytes().begin(), h.bytes().end(), out_.bytes().begin());
    return std::move(out_.bytes());
  }

 private:
  template <class Fill>
  void record(Record type, Fill fill) {
    const std::size_t start = out_.size();
    out_.u32(type);
    out_.u32(0);
    fill();
    out_.pad_to(4);
    out_.set_u32(start + 4, static_cast<std::uint32_t>(out_.size() - start));
    ++records_;
  }

  void rect(const Box &b) {
    out_.i32(b.x), out_.i32(b.y);
    out_.i32(clamp32(static_cast<long long>(b.x) + b.width)), out_.i32(clamp32(static_cast<long long>(b.y) + b.height));
  }
  void bounds(const Bounds &b) {
    out_.i32(clamp32(b.left)), out_.i32(clamp32(b.top)), out_.i32(clamp32(b.right)), out_.i32(clamp32(b.bottom));
  }
  static Bounds box_bounds(const Box &b) {
    Bounds r;
    r.add(b.x, b.y);
    r.add(static_cast<long long>(b.x) + b.width - 1, static_cast<long long>(b.y) + b.height - 1);
    return r;
  }
  void drawn(const Bounds &b) { drawn_.add(b); }

  void pen_record(int slot, std::uint32_t style, int width, Rgb color, const std::vector<std::uint32_t> &entries) {
    record(kExtCreatePen, [&] {
      out_.u32(handle(slot));
      out_.u32(0), out_.u32(0), out_.u32(0), out_.u32(0);  // no pattern bitmap
      out_.u32(style);
      out_.u32(static_cast<std::uint32_t>(width));
      out_.u32(0);  // a solid brush
      out_.u32(color_ref(color));
      out_.u32(0);
      out_.u32(static_cast<std::uint32_t>(entries.size()));
      for (const std::uint32_t e : entries) out_.u32(e);
    });
  }

  void poly(bool filled, std::span<const Point> points) {
    Bounds b;
    bool short_points = true;
    for (const Point &p : points) {
      b.add(p.x, p.y);
      short_points = short_points && p.x >= -32768 && p.x <= 32767 && p.y >= -32768 && p.y <= 32767;
    }
    drawn(b);
    const Record type = short_points ? (filled ? kPolygon16 : kPolyline16) : (filled ? kPolygon : kPolyline);
    record(type, [&] {
      bounds(b);
      out_.u32(static_cast<std::uint32_t>(points.size()));
      for (const Point &p : points) {
        if (short_points)
          out_.i16(p.x), out_.i16(p.y);
        else
          out_.i32(p.x), out_.i32(p.y);
      }
    });
  }

  void arc_record(Record type, const Box &box, Point start, Point end) {
    drawn(box_bounds(box));
    record(type, [&] {
      rect(box);
      out_.i32(start.x), out_.i32(start.y);
      out_.i32(end.x), out_.i32(end.y);
    });
  }

  ByteSink out_;
  int width_, height_;
  std::uint32_t records_ = 0;
  Bounds drawn_;
};

}  // namespace

std::unique_ptr<MetafileRecords> enhanced_metafile_records(int width, int height) {
  return std::make_unique<EnhancedRecords>(width, height);
}

}  // namespace vex3d::platform
