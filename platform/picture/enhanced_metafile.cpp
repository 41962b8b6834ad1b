// Enhanced metafile records (32-bit type and size, then the record's fields;
// coordinates as 32-bit pairs, or 16-bit pairs in the "16" records).
#include <algorithm>
#include <cstring>

#include "byte_reader.h"
#include "metafile_player.h"

namespace vex3d {
namespace {

enum RecordType : std::uint32_t {
  kHeader = 1,
  kPolygon = 3,
  kPolyline = 4,
  kPolylineTo = 6,
  kPolyPolyline = 7,
  kPolyPolygon = 8,
  kSetWindowExtEx = 9,
  kSetWindowOrgEx = 10,
  kSetViewportExtEx = 11,
  kSetViewportOrgEx = 12,
  kEof = 14,
  kSetMapMode = 17,
  kSetTextAlign = 22,
  kSetTextColor = 24,
  kMoveToEx = 27,
  kIntersectClipRect = 30,
  kSaveDc = 33,
  kRestoreDc = 34,
  kSelectObject = 37,
  kCreatePen = 38,
  kCreateBrushIndirect = 39,
  kDeleteObject = 40,
  kEllipse = 42,
  kRectangle = 43,
  kRoundRect = 44,
  kArc = 45,
  kPie = 47,
  kLineTo = 54,
  kExtSelectClipRgn = 75,
  kStretchDibits = 81,
  kExtCreateFontIndirectW = 82,
  kExtTextOutA = 83,
  kExtTextOutW = 84,
  kPolygon16 = 86,
  kPolyline16 = 87,
  kPolylineTo16 = 89,
  kPolyPolyline16 = 90,
  kPolyPolygon16 = 91,
  kExtCreatePen = 95,
};

constexpr std::uint32_t kStockObject = 0x80000000u;
constexpr std::uint32_t kRegionCopy = 5;
constexpr std::uint32_t kNullBrushStyle = 1;

std::vector<MetaPoint> read_points(ByteReader &in, std::size_t count, bool short_points) {
  std::vector<MetaPoint> points;
  if (count * (short_points ? 4 : 8) > in.remaining()) return points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const int x = short_points ? in.i16() : in.i32();
    const int y = short_points ? in.i16() : in.i32();
    points.push_back(MetaPoint{x, y});
  }
  return points;
}

bool poly(std::uint32_t type, ByteReader &in, MetafilePlayer &p) {
  const bool short_points = type >= kPolygon16;
  in.skip(16);  // bounds
  const std::size_t count = in.u32();
  auto points = read_points(in, count, short_points);
  if (points.size() != count) return false;
  DrawState &s = p.state();
  switch (type) {
    case kPolygon:
    case kPolygon16: p.polygon(points); break;
    case kPolyline:
    case kPolyline16: p.polyline(points); break;
    default:  // poly-line-to: from the current position, which moves to the last point
      if (points.empty()) break;
      points.insert(points.begin(), MetaPoint{static_cast<int>(s.x), static_cast<int>(s.y)});
      p.polyline(points);
      s.x = points.back().x;
      s.y = points.back().y;
      break;
  }
  return true;
}

bool poly_poly(std::uint32_t type, ByteReader &in, MetafilePlayer &p) {
  const bool short_points = type == kPolyPolyline16 || type == kPolyPolygon16;
  const bool filled = type == kPolyPolygon || type == kPolyPolygon16;
  in.skip(16);
  const std::size_t parts = in.u32();
  const std::size_t total = in.u32();
  if (!in.ok() || parts * 4 > in.remaining()) return false;
  std::vector<std::size_t> counts(parts);
  std::size_t sum = 0;
  for (std::size_t &c : counts) {
    c = in.u32();
    sum += c;
    if (sum > total) return false;
  }
  for (const std::size_t count : counts) {
    const auto points = read_points(in, count, short_points);
    if (points.size() != count) return false;
    if (filled)
      p.polygon(points);
    else
      p.polyline(points);
  }
  return true;
}

void font_object(ByteReader &in, MetaObject &o) {
  o.kind = MetaObject::Kind::kFont;
  MetaFont &f = o.font;
  f.height = in.i32();
  f.width = in.i32();
  in.i32();  // escapement
  in.i32();  // orientation
  f.weight = in.i32();
  f.italic = in.u8() != 0;
  f.underline = in.u8() != 0;
  f.strikeout = in.u8() != 0;
  f.charset = in.u8();
  f.out_precision = in.u8();
  in.skip(3);
  const std::string name = utf16_to_utf8(in.bytes(std::min<std::size_t>(in.remaining(), 64)));
  set_face(f, name);
}

bool text(std::uint32_t type, std::span<const std::uint8_t> record, ByteReader &in, MetafilePlayer &p) {
  in.skip(16 + 12);  // bounds, graphics mode, scales
  const double x = in.i32(), y = in.i32();
  const std::size_t chars = in.u32();
  const std::size_t offset = in.u32();
  if (!in.ok()) return false;
  const std::size_t unit = type == kExtTextOutW ? 2 : 1;
  if (offset > record.size() || chars > (record.size() - offset) / unit) return false;
  const auto bytes = record.subspan(offset, chars * unit);
  p.text(x, y, unit == 2 ? utf16_to_utf8(bytes) : latin1_to_utf8(bytes));
  return true;
}

// A bitmap stretched into its destination; the header and the pixels lie
// where the record's offsets say.
bool stretched_bitmap(std::span<const std::uint8_t> record, ByteReader &in, MetafilePlayer &p) {
  in.skip(16);  // bounds
  const double x = in.i32(), y = in.i32();
  in.skip(16);  // source x, y, width, height: the whole bitmap
  const std::uint32_t info_at = in.u32(), info_size = in.u32(), bits_at = in.u32(), bits_size = in.u32();
  in.skip(8);  // colour usage, raster operation
  const double width = in.i32(), height = in.i32();
  if (!in.ok()) return false;
  if (info_at > record.size() || info_size > record.size() - info_at || bits_at > record.size() ||
      bits_size > record.size() - bits_at)
    return false;
  if (!p.afford(std::int64_t{info_size} + bits_size)) return false;
  if (const auto bitmap = read_packed_dib(record.subspan(info_at, info_size), record.subspan(bits_at, bits_size)))
    p.image(x, y, width, height, *bitmap);
  return true;
}

// One record (the whole record, type and size included); false ends the playing.
bool play_record(std::uint32_t type, std::span<const std::uint8_t> record, MetafilePlayer &p) {
  ByteReader in(record);
  in.skip(8);
  DrawState &s = p.state();
  Mapping &m = s.mapping;
  switch (type) {
    case kEof: return false;
    case kPolygon:
    case kPolyline:
    case kPolylineTo:
    case kPolygon16:
    case kPolyline16:
    case kPolylineTo16: return poly(type, in, p);
    case kPolyPolyline:
    case kPolyPolygon:
    case kPolyPolyline16:
    case kPolyPolygon16: return poly_poly(type, in, p);
    case kSetWindowExtEx: m.window_w = in.i32(), m.window_h = in.i32(); break;
    case kSetWindowOrgEx: m.window_x = in.i32(), m.window_y = in.i32(); break;
    case kSetViewportExtEx: m.viewport_w = in.i32(), m.viewport_h = in.i32(); break;
    case kSetViewportOrgEx: m.viewport_x = in.i32(), m.viewport_y = in.i32(); break;
    case kSetMapMode: m.mode = static_cast<int>(in.u32()); break;
    case kSetTextAlign: s.text_align = static_cast<int>(in.u32()); break;
    case kSetTextColor: s.text_color = meta_color(in.u32()); break;
    case kMoveToEx: s.x = in.i32(), s.y = in.i32(); break;
    case kLineTo: {
      const double x = in.i32(), y = in.i32();
      if (!in.ok()) return false;
      p.line_to(x, y);
      break;
    }
    case kSaveDc: p.save(); break;
    case kRestoreDc: p.restore(in.i32()); break;
    case kIntersectClipRect:
    case kEllipse:
    case kRectangle:
    case kRoundRect: {
      const double left = in.i32(), top = in.i32(), right = in.i32(), bottom = in.i32();
      if (!in.ok()) return false;
      if (type == kIntersectClipRect)
        p.intersect_clip(left, top, right, bottom);
      else if (type == kEllipse)
        p.ellipse(left, top, right, bottom);
      else
        p.rectangle(left, top, right, bottom);  // round corners drawn square
      break;
    }
    case kArc:
    case kPie: {
      const double left = in.i32(), top = in.i32(), right = in.i32(), bottom = in.i32();
      const double xs = in.i32(), ys = in.i32(), xe = in.i32(), ye = in.i32();
      if (!in.ok()) return false;
      p.arc(left, top, right, bottom, xs, ys, xe, ye, type == kPie);
      break;
    }
    case kStretchDibits: return stretched_bitmap(record, in, p);
    case kExtSelectClipRgn: {
      const std::uint32_t size = in.u32();
      const std::uint32_t mode = in.u32();
      if (mode == kRegionCopy && size == 0) {
        p.remove_clip();
      } else if (mode == kRegionCopy && size >= 32) {
        in.skip(16);  // region header: size, type, count, region size
        const double left = in.i32(), top = in.i32(), right = in.i32(), bottom = in.i32();
        if (!in.ok()) return false;
        p.remove_clip();
        p.intersect_clip(left, top, right, bottom);  // the region's bounds
      }
      break;
    }
    case kSelectObject: {
      const std::uint32_t index = in.u32();
      if (index & kStockObject)
        p.select_stock_object(index & ~kStockObject);
      else
        p.select_object(index);
      break;
    }
    case kDeleteObject: p.delete_object(in.u32()); break;
    case kCreatePen: {
      const std::uint32_t index = in.u32();
      MetaObject o;
      o.kind = MetaObject::Kind::kPen;
      set_pen_style(o.pen, in.u32());
      o.pen.width = in.i32();
      in.i32();
      o.pen.color = meta_color(in.u32());
      if (in.ok()) p.set_object(index, o);
      break;
    }
    case kExtCreatePen: {
      const std::uint32_t index = in.u32();
      in.skip(16);  // pattern bitmap offsets and sizes
      MetaObject o;
      o.kind = MetaObject::Kind::kPen;
      set_pen_style(o.pen, in.u32());
      o.pen.width = static_cast<int>(std::min<std::uint32_t>(in.u32(), 1u << 20));
      if (in.u32() == kNullBrushStyle) o.pen.style = MetaPenStyle::kNull;
      o.pen.color = meta_color(in.u32());
      if (in.ok()) p.set_object(index, o);
      break;
    }
    case kCreateBrushIndirect: {
      const std::uint32_t index = in.u32();
      MetaObject o;
      o.kind = MetaObject::Kind::kBrush;
      o.brush.hollow = in.u32() == kNullBrushStyle;
      o.brush.color = meta_color(in.u32());
      if (in.ok()) p.set_object(index, o);
      break;
    }
    case kExtCreateFontIndirectW: {
      const std::uint32_t index = in.u32();
      MetaObject o;
      font_object(in, o);
      if (in.ok()) p.set_object(index, o);
      break;
    }
    case kExtTextOutA:
    case kExtTextOutW: return text(type, record, in, p);
    default: break;  // not drawn by this player
  }
  return true;
}

}  // namespace

int play_enhanced_metafile(std::span<const std::uint8_t> file, MetafilePlayer &player) {
  ByteReader header(file);
  header.skip(56);
  const std::size_t handles = header.u16();
  if (!header.ok()) return 0;
  player.resize_objects(handles);

  std::size_t at = 0;
  while (file.size() - at >= 8) {
    ByteReader in(file.subspan(at, 8));
    const std::uint32_t type = in.u32();
    const std::uint32_t size = in.u32();
    if (size < 8 || size % 4 != 0 || size > file.size() - at || !player.next_record()) break;
    if (type != kHeader && !play_record(type, file.subspan(at, size), player)) break;
    at += size;
  }
  return player.drawn();
}

}  // namespace vex3d
