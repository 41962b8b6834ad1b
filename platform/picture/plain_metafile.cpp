// Plain metafile records (16-bit words; each record its size in words, its
// function number, then its parameters, coordinates y before x where a pair
// is given as two words).
#include <algorithm>
#include <cstring>

#include "byte_reader.h"
#include "metafile_player.h"

namespace vex3d {
namespace {

enum Function : std::uint16_t {
  kEof = 0x0000,
  kSaveDc = 0x001E,
  kSetBkMode = 0x0102,
  kSetMapMode = 0x0103,
  kSetTextAlign = 0x012E,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kSetBkColor = 0x0201,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kCreatePenIndirect = 0x02FA,
  kCreateFontIndirect = 0x02FB,
  kCreateBrushIndirect = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kIntersectClipRect = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kTextOut = 0x0521,
  kPolyPolygon = 0x0538,
  kRoundRect = 0x061C,
  kExtTextOut = 0x0A32,
  kArc = 0x0817,
  kPie = 0x081A,
  kDibStretchBlt = 0x0B41,
  kStretchDib = 0x0F43,
  // Records that create an object this player does not draw with: each still
  // takes a slot of the object table, so later indices stay right.
  kCreatePalette = 0x00F7,
  kDibCreatePatternBrush = 0x0142,
  kCreatePatternBrush = 0x01F9,
  kCreateRegion = 0x06FF,
};

constexpr int kHeaderWords = 9;

std::vector<MetaPoint> read_points(ByteReader &in, std::size_t count) {
  std::vector<MetaPoint> points;
  if (count * 4 > in.remaining()) return points;
  points.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const int x = in.i16();
    points.push_back(MetaPoint{x, in.i16()});
  }
  return points;
}

void font_object(ByteReader &in, MetaObject &o) {
  o.kind = MetaObject::Kind::kFont;
  MetaFont &f = o.font;
  f.height = in.i16();
  f.width = in.i16();
  in.i16();  // escapement
  in.i16();  // orientation
  f.weight = in.i16();
  f.italic = in.u8() != 0;
  f.underline = in.u8() != 0;
  f.strikeout = in.u8() != 0;
  f.charset = in.u8();
  f.out_precision = in.u8();
  in.skip(3);  // clip precision, quality, pitch and family
  const auto face = in.bytes(std::min<std::size_t>(in.remaining(), 32));
  const std::string name = latin1_to_utf8(face);
  set_face(f, name);
}

// A bitmap record's destination and its packed bitmap, played as a picture.
bool stretched_bitmap(std::uint16_t function, ByteReader &in, MetafilePlayer &p) {
  in.u32();                               // raster operation: every bitmap is copied
  if (function == kStretchDib) in.u16();  // colour usage: RGB values
  in.skip(8);                             // source height, width, y, x: the whole bitmap
  const double height = in.i16(), width = in.i16(), y = in.i16(), x = in.i16();
  if (!in.ok()) return false;
  const auto dib = in.bytes(in.remaining());
  if (!p.afford(static_cast<std::int64_t>(dib.size()))) return false;
  const std::size_t header = std::min(dib.size(), packed_dib_header_size(dib));
  if (const auto bitmap = read_packed_dib(dib.first(header), dib.subspan(header)))
    p.image(x, y, width, height, *bitmap);
  return true;
}

// One record; false ends the playing.
bool play_record(std::uint16_t function, ByteReader in, MetafilePlayer &p, double &window_x, double &window_y,
                 double &window_w, double &window_h) {
  DrawState &s = p.state();
  switch (function) {
    case kEof: return false;
    case kSaveDc: p.save(); break;
    case kRestoreDc: p.restore(in.i16()); break;
    case kSetTextAlign: s.text_align = in.u16(); break;
    case kSetTextColor: s.text_color = meta_color(in.u32()); break;
    case kSetBkColor:
    case kSetBkMode:
    case kSetMapMode: break;  // the player maps the window onto the box itself
    case kSetWindowOrg:
      window_y = in.i16();
      window_x = in.i16();
      p.set_frame(window_x, window_y, window_w, window_h);
      break;
    case kSetWindowExt:
      window_h = in.i16();
      window_w = in.i16();
      p.set_frame(window_x, window_y, window_w, window_h);
      break;
    case kMoveTo:
      s.y = in.i16();
      s.x = in.i16();
      break;
    case kLineTo: {
      const double y = in.i16(), x = in.i16();
      p.line_to(x, y);
      break;
    }
    case kPolyline:
    case kPolygon: {
      const std::size_t count = in.u16();
      const auto points = read_points(in, count);
      if (points.size() != count) return false;
      if (function == kPolyline)
        p.polyline(points);
      else
        p.polygon(points);
      break;
    }
    case kPolyPolygon: {
      const std::size_t polygons = in.u16();
      std::vector<std::size_t> counts;
      for (std::size_t i = 0; i < polygons && in.ok(); ++i) counts.push_back(in.u16());
      for (const std::size_t count : counts) {
        const auto points = read_points(in, count);
        if (points.size() != count) return false;
        p.polygon(points);
      }
      break;
    }
    case kRectangle:
    case kRoundRect:
    case kEllipse:
    case kIntersectClipRect: {
      if (function == kRoundRect) in.skip(4);  // corner ellipse: drawn square
      const double bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
      if (!in.ok()) return false;
      if (function == kEllipse)
        p.ellipse(left, top, right, bottom);
      else if (function == kIntersectClipRect)
        p.intersect_clip(left, top, right, bottom);
      else
        p.rectangle(left, top, right, bottom);
      break;
    }
    case kArc:
    case kPie: {
      const double ye = in.i16(), xe = in.i16(), ys = in.i16(), xs = in.i16();
      const double bottom = in.i16(), right = in.i16(), top = in.i16(), left = in.i16();
      if (!in.ok()) return false;
      p.arc(left, top, right, bottom, xs, ys, xe, ye, function == kPie);
      break;
    }
    case kDibStretchBlt:
    case kStretchDib: return stretched_bitmap(function, in, p);
    case kTextOut: {
      const std::size_t length = in.u16();
      const auto text = in.bytes(length);
      in.skip(length & 1);
      const double y = in.i16(), x = in.i16();
      if (!in.ok()) return false;
      p.text(x, y, latin1_to_utf8(text));
      break;
    }
    case kExtTextOut: {
      const double y = in.i16(), x = in.i16();
      const std::size_t length = in.u16();
      const int options = in.u16();
      if (options & 0x0006) in.skip(8);  // opaque or clipping rectangle
      const auto text = in.bytes(length);
      if (!in.ok()) return false;
      p.text(x, y, latin1_to_utf8(text));
      break;
    }
    case kCreatePenIndirect: {
      MetaObject o;
      o.kind = MetaObject::Kind::kPen;
      set_pen_style(o.pen, in.u16());
      o.pen.width = in.i16();
      in.i16();  // unused y of the width
      o.pen.color = meta_color(in.u32());
      p.add_object(o);
      break;
    }
    case kCreateBrushIndirect: {
      MetaObject o;
      o.kind = MetaObject::Kind::kBrush;
      const int style = in.u16();
      o.brush.color = meta_color(in.u32());
      o.brush.hollow = style == 1;  // hatched brushes are drawn solid in their colour
      p.add_object(o);
      break;
    }
    case kCreateFontIndirect: {
      MetaObject o;
      font_object(in, o);
      p.add_object(o);
      break;
    }
    case kCreatePalette:
    case kDibCreatePatternBrush:
    case kCreatePatternBrush:
    case kCreateRegion: {
      MetaObject o;
      o.kind = MetaObject::Kind::kOther;
      p.add_object(o);
      break;
    }
    case kSelectObject: p.select_object(in.u16()); break;
    case kDeleteObject: p.delete_object(in.u16()); break;
    default: break;  // not drawn by this player
  }
  return true;
}

}  // namespace

int play_plain_metafile(std::span<const std::uint8_t> bytes, const MetaRect &frame, bool has_frame,
                        MetafilePlayer &player) {
  ByteReader in(bytes);
  in.u16();  // type
  const int header_words = in.u16();
  in.u16();  // version
  in.u32();  // size
  const std::size_t objects = in.u16();
  if (!in.ok() || header_words != kHeaderWords) return 0;
  in.seek(kHeaderWords * 2);
  player.resize_objects(objects);

  double window_x = 0, window_y = 0, window_w = 0, window_h = 0;
  if (has_frame) {
    window_x = frame.x, window_y = frame.y, window_w = frame.width, window_h = frame.height;
    player.set_frame(window_x, window_y, window_w, window_h);
  }
  while (in.remaining() >= 6) {
    const std::size_t start = in.offset();
    const std::uint64_t words = in.u32();
    const std::uint16_t function = in.u16();
    if (words < 3 || words * 2 > bytes.size() - start || !player.next_record()) break;
    const auto params = bytes.subspan(start + 6, static_cast<std::size_t>(words * 2 - 6));
    if (!play_record(function, ByteReader(params), player, window_x, window_y, window_w, window_h)) break;
    in.seek(start + static_cast<std::size_t>(words * 2));
  }
  return player.drawn();
}

}  // namespace vex3d
