// 3D text geometry on arbitrary input: a placement matrix, a size, a font
// number and a text (any bytes), and glyph outlines whose records point
// anywhere. Nothing may crash, overrun or hang.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "outline_text.h"
#include "stroke_text.h"

namespace {

struct Reader {
  const std::uint8_t *data;
  std::size_t size;
  template <class T>
  T take() {
    T v{};
    const std::size_t n = size < sizeof v ? size : sizeof v;
    std::memcpy(&v, data, n);
    data += n, size -= n;
    return v;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Reader in{data, size};
  vex3d::PlacementMatrix m;
  for (auto &row : m)
    for (double &v : row) v = in.take<double>();
  const int stroke_size = in.take<std::int32_t>();
  const int font = in.take<std::uint8_t>() % 20 - 2;  // also numbers outside the table
  const std::string_view text(reinterpret_cast<const char *>(in.data), in.size);

  long points = 0;
  vex3d::stroke_text(vex3d::stroke_font(font), stroke_size, m, text,
                     [&](std::span<const vex3d::DevicePoint> line) { points += static_cast<long>(line.size()); });
  (void)vex3d::stroke_text_width(vex3d::stroke_font(font), stroke_size, text);

  // The text's bytes again as an outline: contours, records and points with
  // counts and indices as they come.
  vex3d::GlyphOutline glyph;
  Reader outline{in.data, in.size};
  const int contours = outline.take<std::uint8_t>() % 8;
  for (int c = 0; c < contours && outline.size; ++c) {
    vex3d::OutlineContour contour{{outline.take<std::int32_t>(), outline.take<std::int32_t>()},
                                  outline.take<std::uint8_t>(),
                                  outline.take<std::uint8_t>()};
    glyph.contours.push_back(contour);
  }
  const int records = outline.take<std::uint8_t>() % 32;
  for (int r = 0; r < records && outline.size; ++r)
    glyph.records.push_back({static_cast<vex3d::OutlineSegment>(outline.take<std::uint8_t>() % 5),
                             outline.take<std::uint8_t>(), outline.take<std::uint8_t>()});
  while (outline.size >= 8) glyph.points.push_back({outline.take<std::int32_t>(), outline.take<std::int32_t>()});
  vex3d::PolyPolygon polygons;
  vex3d::outline_polygons(glyph, {1, 2, 0.001}, m, polygons);
  std::vector<vex3d::DevicePoint> joined;
  vex3d::joined_polygon(polygons, joined);
  return points < 0;
}
