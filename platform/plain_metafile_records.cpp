// Plain metafile records: 16-bit words, each record its size in words, its
// function number and its parameters; coordinate pairs are written y before
// x where a record takes them as separate words.
#include <algorithm>
#include <cstring>

#include "metafile_bytes.h"
#include "metafile_records.h"
#include "utf8.h"

namespace vex3d::platform {
namespace {

enum Function : std::uint16_t {
  kEof = 0x0000,
  kSaveDc = 0x001E,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kSetTextAlign = 0x012E,
  kDeleteObject = 0x01F0,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kArc = 0x0817,
  kPie = 0x081A,
  kExtTextOut = 0x0A32,
  kStretchDib = 0x0F43,
};

constexpr int kHeaderWords = 9;
constexpr int kMetafileVersion = 0x0300;
constexpr int kMemoryMetafile = 1;
constexpr int kAnisotropic = 8;
constexpr int kTransparent = 1, kOpaque = 2;
constexpr int kBaselineLeft = 24;
constexpr std::uint32_t kSourceCopy = 0x00CC0020;
constexpr std::size_t kMaxPoints = 0xFFFF;
constexpr std::size_t kFaceBytes = 32;

int word(int v) { return std::clamp(v, -32768, 32767); }

class PlainRecords final : public MetafileRecords {
 public:
  PlainRecords(int width, int height) {
    out_.zeros(kHeaderWords * 2);
    record(kSetMapMode, [&] { out_.u16(kAnisotropic); });
    record(kSetWindowOrg, [&] { out_.i16(0), out_.i16(0); });
    record(kSetWindowExt, [&] { out_.i16(word(height)), out_.i16(word(width)); });
    record(kSetBkMode, [&] { out_.u16(kTransparent); });
    record(kSetTextAlign, [&] { out_.u16(kBaselineLeft); });
  }

  void create_pen(int, const Pen &pen) override {
    const std::uint32_t style = simple_pen_style(pen) | (pen.thin ? 0 : pen_shape_bits(pen));
    record(kCreatePenIndirect, [&] {
      out_.u16(style);
      out_.i16(pen.thin ? 0 : word(pen.width));
      out_.i16(0);
      out_.u32(color_ref(pen.color));
    });
  }
  void create_null_pen(int) override {
    record(kCreatePenIndirect, [&] {
      out_.u16(kPenNull);
      out_.i16(0), out_.i16(0);
      out_.u32(0);
    });
  }
  void create_brush(int, Rgb color) override {
    record(kCreateBrushIndirect, [&] {
      out_.u16(0);  // solid
      out_.u32(color_ref(color));
      out_.u16(0);
    });
  }
  void create_font(int, const Font &font) override {
    record(kCreateFontIndirect, [&] {
      out_.i16(-word(static_cast<int>(font.em_pixels() + 0.5)));
      out_.i16(0), out_.i16(0), out_.i16(0);
      out_.i16(font.weight());
      out_.u8(font.italic()), out_.u8(font.underline()), out_.u8(font.strikeout());
      out_.u8(0), out_.u8(0), out_.u8(0), out_.u8(0), out_.u8(0);  // charset, precisions, quality, pitch
      const std::string &face = font.family();
      const std::size_t n = std::min(face.size(), kFaceBytes - 1);
      out_.append({reinterpret_cast<const std::uint8_t *>(face.data()), n});
      out_.u8(0);
    });
  }
  void select(int slot) override {
    record(kSelectObject, [&] { out_.u16(static_cast<unsigned>(slot)); });
  }
  void remove(int slot) override {
    record(kDeleteObject, [&] { out_.u16(static_cast<unsigned>(slot)); });
  }

  void text_color(Rgb color) override {
    record(kSetTextColor, [&] { out_.u32(color_ref(color)); });
  }
  void background_mode(bool opaque) override {
    record(kSetBkMode, [&] { out_.u16(opaque ? kOpaque : kTransparent); });
  }
  void save() override {
    record(kSaveDc, [] {});
  }
  void restore() override {
    record(kRestoreDc, [&] { out_.i16(-1); });
  }
  void intersect_clip(const Box &b) override {
    record(kIntersectClipRect, [&] { rect_words(b); });
  }

  void polyline(std::span<const Point> points) override { poly(kPolyline, points); }
  void polygon(std::span<const Point> points) override { poly(kPolygon, points); }
  void arc(const Box &box, Point start, Point end) override { arc_record(kArc, box, start, end); }
  void pie(const Box &box, Point start, Point end) override { arc_record(kPie, box, start, end); }
  void ellipse(const Box &box) override {
    record(kEllipse, [&] { rect_words(box); });
  }
  void text(Point origin, std::string_view utf8, const Font &) override {
    const std::string latin1 = latin1_of(utf8);
    if (latin1.empty()) return;
    record(kExtTextOut, [&] {
      out_.i16(word(origin.y)), out_.i16(word(origin.x));
      out_.u16(static_cast<unsigned>(latin1.size()));
      out_.u16(0);  // no options, no rectangle
      out_.append({reinterpret_cast<const std::uint8_t *>(latin1.data()), latin1.size()});
      out_.pad_to(2);
    });
  }
  void image(const Box &dest, const ImageView &image) override {
    std::vector<std::uint8_t> header;
    const std::vector<std::uint8_t> bits = dib_bits(image, header);
    record(kStretchDib, [&] {
      out_.u32(kSourceCopy);
      out_.u16(0);  // colours are RGB values
      out_.i16(word(image.height)), out_.i16(word(image.width));
      out_.i16(0), out_.i16(0);
      out_.i16(word(dest.height)), out_.i16(word(dest.width));
      out_.i16(word(dest.y)), out_.i16(word(dest.x));
      out_.append(header);
      out_.append(bits);
    });
  }

  std::vector<std::uint8_t> finish(int objects) override {
    record(kEof, [] {});
    out_.set_u16(0, kMemoryMetafile);
    out_.set_u16(2, kHeaderWords);
    out_.set_u16(4, kMetafileVersion);
    out_.set_u32(6, static_cast<std::uint32_t>(out_.size() / 2));
    out_.set_u16(10, static_cast<unsigned>(objects));
    out_.set_u32(12, largest_record_words_);
    out_.set_u16(16, 0);
    return std::move(out_.bytes());
  }

 private:
  // One record: its size is filled in once the parameters are written.
  template <class Fill>
  void record(Function function, Fill fill) {
    const std::size_t start = out_.size();
    out_.u32(0);
    out_.u16(function);
    fill();
    out_.pad_to(2);
    const auto words = static_cast<std::uint32_t>((out_.size() - start) / 2);
    out_.set_u32(start, words);
    largest_record_words_ = std::max(largest_record_words_, words);
  }

  void rect_words(const Box &b) {
    out_.i16(word(b.y + b.height)), out_.i16(word(b.x + b.width));
    out_.i16(word(b.y)), out_.i16(word(b.x));
  }

  void poly(Function function, std::span<const Point> points) {
    // A record counts its points in 16 bits: longer lines go in pieces that
    // share their end points; longer polygons cannot be written.
    if (function == kPolygon && points.size() > kMaxPoints) return;
    for (std::size_t first = 0; first + 1 < points.size(); first += kMaxPoints - 1) {
      const std::size_t n = std::min(kMaxPoints, points.size() - first);
      record(function, [&] {
        out_.u16(static_cast<unsigned>(n));
        for (std::size_t i = first; i < first + n; ++i) out_.i16(word(points[i].x)), out_.i16(word(points[i].y));
      });
      if (function == kPolygon) break;
    }
  }

  void arc_record(Function function, const Box &box, Point start, Point end) {
    record(function, [&] {
      out_.i16(word(end.y)), out_.i16(word(end.x));
      out_.i16(word(start.y)), out_.i16(word(start.x));
      rect_words(box);
    });
  }

  // The text in the metafile's 8-bit code page (Latin-1); characters
  // outside it become '?'.
  static std::string latin1_of(std::string_view utf8) {
    std::string out;
    for (const char32_t c : decode_utf8(utf8)) out += c < 256 ? static_cast<char>(c) : '?';
    return out;
  }

  ByteSink out_;
  std::uint32_t largest_record_words_ = 0;
};

}  // namespace

std::unique_ptr<MetafileRecords> plain_metafile_records(int width, int height) {
  return std::make_unique<PlainRecords>(width, height);
}

}  // namespace vex3d::platform
