// Metafile pictures: the records our player knows land in the box with the
// drawing state they set; unknown records are skipped; damaged ones stop it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "metafile_canvas.h"
#include "picture.h"
#include "picture_files.h"

namespace {

using picture_files::Bytes;
using picture_files::EmfRecord;
using picture_files::WmfRecord;
using picture_files::words32;
using vex3d::MetaRect;

// Writes every canvas call as one line of text.
class TextCanvas : public vex3d::MetafileCanvas {
 public:
  std::vector<std::string> calls;

  void set_pen(const vex3d::MetaPen &p) override {
    static const char *kStyles[] = {"solid", "dash", "dot", "dashdot", "dashdotdot", "null"};
    add("pen %06x %d %s", p.color, p.width, kStyles[static_cast<int>(p.style)]);
  }
  void set_brush(const vex3d::MetaBrush &b) override {
    if (b.hollow)
      add("brush hollow");
    else
      add("brush %06x", b.color);
  }
  void set_font(const vex3d::MetaFont &f) override {
    add("font %s %d %d%s", f.face, f.height, f.weight, f.italic ? " italic" : "");
  }
  void set_text_color(int c) override { add("textcolor %06x", c); }
  void set_clip(const MetaRect *r) override {
    if (r)
      add("clip %d %d %d %d", r->x, r->y, r->width, r->height);
    else
      add("noclip");
  }
  void polyline(std::span<const vex3d::MetaPoint> pts) override { add_points("polyline", pts); }
  void polygon(std::span<const vex3d::MetaPoint> pts) override { add_points("polygon", pts); }
  void rectangle(const MetaRect &r) override { add("rect %d %d %d %d", r.x, r.y, r.width, r.height); }
  void ellipse(const MetaRect &r) override { add("ellipse %d %d %d %d", r.x, r.y, r.width, r.height); }
  void arc(const MetaRect &r, double start, double sweep) override {
    add("arc %d %d %d %d %.3f %.3f", r.x, r.y, r.width, r.height, start, sweep);
  }
  void pie(const MetaRect &r, double start, double sweep) override {
    add("pie %d %d %d %d %.3f %.3f", r.x, r.y, r.width, r.height, start, sweep);
  }
  void image(const MetaRect &r, const vex3d::Picture &b) override {
    add("image %d %d %d %d %dx%d", r.x, r.y, r.width, r.height, b.width, b.height);
  }
  void text(int x, int y, std::string_view s, vex3d::MetaTextAlign a, vex3d::MetaTextBase b) override {
    add("text %d %d %s %d %d", x, y, std::string(s).c_str(), static_cast<int>(a), static_cast<int>(b));
  }

 private:
  template <class... A>
  void add(const char *format, A... args) {
    char line[256];
    std::snprintf(line, sizeof line, format, args...);
    calls.emplace_back(line);
  }
  void add_points(const char *what, std::span<const vex3d::MetaPoint> pts) {
    std::string line = what;
    for (const auto &p : pts) line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
    calls.push_back(line);
  }
};

std::vector<std::string> play(const Bytes &file, const MetaRect &box, vex3d::PlayBudget budget = {}) {
  const auto pic = vex3d::load_picture(file);
  if (!pic) return {"no picture"};
  TextCanvas canvas;
  vex3d::play_metafile(*pic, box, canvas, budget);
  return canvas.calls;
}

using Calls = std::vector<std::string>;

// Plain metafile record numbers.
enum : int {
  kSaveDc = 0x001E,
  kRestoreDc = 0x0127,
  kSelectObject = 0x012D,
  kDeleteObject = 0x01F0,
  kSetTextAlign = 0x012E,
  kSetTextColor = 0x0209,
  kSetWindowOrg = 0x020B,
  kSetWindowExt = 0x020C,
  kLineTo = 0x0213,
  kMoveTo = 0x0214,
  kCreatePen = 0x02FA,
  kCreateFont = 0x02FB,
  kCreateBrush = 0x02FC,
  kPolygon = 0x0324,
  kPolyline = 0x0325,
  kIntersectClip = 0x0416,
  kEllipse = 0x0418,
  kRectangle = 0x041B,
  kTextOut = 0x0521,
  kArc = 0x0817,
  kCreatePalette = 0x00F7,
};

// A window of 100 x 50 units shown in a box of 200 x 100 pixels at (10, 20):
// two pixels a unit.
const std::vector<WmfRecord> kWindow = {{kSetWindowOrg, {0, 0}}, {kSetWindowExt, {50, 100}}};
const MetaRect kBox{10, 20, 200, 100};

std::vector<WmfRecord> with_window(std::vector<WmfRecord> records) {
  records.insert(records.begin(), kWindow.begin(), kWindow.end());
  return records;
}

TEST(PlainMetafile, ShapesLandInTheBoxWithTheirPenAndBrush) {
  const Bytes file = picture_files::plain_metafile(with_window({
      {kCreatePen, {0, 3, 0, 0x00FF, 0x0000}},  // solid, width 3, red
      {kSelectObject, {0}},
      {kCreateBrush, {0, 0x0000, 0x00FF, 0}},  // solid, blue
      {kSelectObject, {1}},
      {kRectangle, {15, 20, 5, 10}},  // bottom, right, top, left
      {kEllipse, {50, 100, 0, 0}},
      {kPolyline, {3, 0, 0, 10, 0, 10, 10}},
      {kPolygon, {3, 0, 0, 10, 0, 10, 10}},
      {kMoveTo, {5, 5}},
      {kLineTo, {5, 15}},
  }));
  EXPECT_EQ(play(file, kBox), (Calls{
                                  "pen 0000ff 6 solid",
                                  "brush ff0000",
                                  "rect 30 30 20 20",
                                  "ellipse 10 20 200 100",
                                  "polyline 10,20 30,20 30,40",
                                  "polygon 10,20 30,20 30,40",
                                  "polyline 20,30 40,30",
                              }));
}

TEST(PlainMetafile, ObjectsTakeTheLowestFreeSlot) {
  const Bytes file = picture_files::plain_metafile(with_window({
      {kCreatePalette, {0x300, 0}},             // slot 0, never drawn with
      {kCreatePen, {0, 1, 0, 0x00FF, 0x0000}},  // slot 1
      {kDeleteObject, {0}},
      {kCreateBrush, {0, 0xFF00, 0x0000, 0}},  // slot 0 again
      {kSelectObject, {1}},
      {kSelectObject, {0}},
      {kRectangle, {10, 10, 0, 0}},
  }));
  EXPECT_EQ(play(file, kBox), (Calls{"pen 0000ff 2 solid", "brush 00ff00", "rect 10 20 20 20"}));
}

TEST(PlainMetafile, TextWithFontColourAndAlignment) {
  std::vector<int> font = {static_cast<std::uint16_t>(-10), 0, 0, 0, 700, 1 /* italic */, 0, 0, 0};
  const auto face = picture_files::text_words("Arial");
  font.insert(font.end(), face.begin(), face.end());
  font.push_back(0);
  std::vector<int> textout = {2};
  const auto hi = picture_files::text_words("Hi");
  textout.insert(textout.end(), hi.begin(), hi.end());
  textout.insert(textout.end(), {5, 5});  // y, x
  const Bytes file = picture_files::plain_metafile(with_window({
      {kCreateFont, font},
      {kSelectObject, {0}},
      {kSetTextColor, {0x00FF, 0}},
      {kSetTextAlign, {24 | 6}},  // baseline, centred
      {kTextOut, textout},
  }));
  EXPECT_EQ(play(file, kBox), (Calls{"font Arial -20 700 italic", "textcolor 0000ff", "text 20 30 Hi 2 1"}));
}

TEST(PlainMetafile, ClipIsSavedAndRestored) {
  const Bytes file = picture_files::plain_metafile(with_window({
      {kSaveDc, {}},
      {kIntersectClip, {10, 10, 0, 0}},
      {kRectangle, {20, 20, 0, 0}},
      {kRestoreDc, {static_cast<std::uint16_t>(-1)}},
      {kRectangle, {20, 20, 0, 0}},
  }));
  EXPECT_EQ(play(file, kBox), (Calls{"clip 10 20 20 20", "pen 000000 1 solid", "brush ffffff", "rect 10 20 40 40",
                                     "noclip", "rect 10 20 40 40"}));
}

TEST(PlainMetafile, UnknownRecordsAreSkippedAndDamagedOnesStop) {
  const Bytes skipped =
      picture_files::plain_metafile(with_window({{kArc, {1, 2, 3, 4, 5, 6, 7, 8}}, {kRectangle, {10, 10, 0, 0}}}));
  EXPECT_EQ(play(skipped, kBox).back(), "rect 10 20 20 20");

  // A polyline claiming more points than its record holds ends the playing.
  const Bytes lying =
      picture_files::plain_metafile(with_window({{kPolyline, {1000, 0, 0, 10, 0}}, {kRectangle, {10, 10, 0, 0}}}));
  EXPECT_EQ(play(lying, kBox), Calls{});
}

// Playing stops when the budget runs out: every record counts, and each
// drawing counts the pixels it covers (20 x 20 here, 23 x 23 with the pen
// around it), cut to what can be seen.
TEST(PlainMetafile, PlayingStopsWhenTheBudgetRunsOut) {
  const std::vector<WmfRecord> small(6, WmfRecord{kRectangle, {10, 10, 0, 0}});
  const std::vector<WmfRecord> huge(6, WmfRecord{kRectangle, {30000, 30000, -30000, -30000}});
  const MetaRect kNear{0, 0, 300, 200}, kTiny{10, 20, 5, 5};
  struct Case {
    const char *what;
    const std::vector<WmfRecord> &shapes;
    std::int64_t records, pixels;
    std::optional<MetaRect> visible;
    std::size_t drawn;
  };
  const Case cases[] = {
      {"the records run out: two for the window, three rectangles", small, 5, 1 << 20, kNear, 3},
      {"the pixels run out after two rectangles", small, 100, 2 * 23 * 23 + 1, kNear, 2},
      {"a shape far beyond the surface costs what can be seen", huge, 100, 3 * 300 * 200 + 1, kNear, 3},
      {"a smaller surface costs less", huge, 100, 3 * 300 * 200 + 1, kTiny, 6},
      {"kept as primitives: only records count", huge, 100, 1, std::nullopt, 6},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.what);
    vex3d::PlayBudget budget;
    budget.records = c.records;
    budget.pixels = c.pixels;
    budget.visible = c.visible;
    const Calls calls = play(picture_files::plain_metafile(with_window(c.shapes)), kBox, budget);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string &s) { return s.starts_with("rect"); }),
              static_cast<long>(c.drawn));
  }
}

TEST(PlainMetafile, EveryTruncationPlaysAPrefixOfTheWhole) {
  const Bytes file = picture_files::plain_metafile(with_window({
      {kCreatePen, {0, 1, 0, 0x00FF, 0}},
      {kSelectObject, {0}},
      {kRectangle, {10, 10, 0, 0}},
      {kPolygon, {3, 0, 0, 10, 0, 10, 10}},
      {kEllipse, {5, 5, 0, 0}},
  }));
  const Calls whole = play(file, kBox);
  ASSERT_EQ(whole.size(), 5u);
  for (std::size_t n = 0; n < file.size(); ++n) {
    const Calls part = play(Bytes(file.begin(), file.begin() + static_cast<long>(n)), kBox);
    if (part == Calls{"no picture"}) continue;
    ASSERT_LE(part.size(), whole.size()) << n;
    EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin())) << n;
  }
}

TEST(PlaceableMetafile, BoundingBoxGivesSizeAndFrame) {
  // One inch by half an inch in twips: 96 x 48 screen pixels.
  const Bytes file = picture_files::placeable_metafile({{kRectangle, {720, 1440, 0, 0}}}, 0, 0, 1440, 720, 1440);
  const auto pic = vex3d::load_picture(file);
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->kind, vex3d::PictureKind::kPlaceableMetafile);
  EXPECT_EQ(pic->pixel_width, 96);
  EXPECT_EQ(pic->pixel_height, 48);
  EXPECT_EQ(play(file, MetaRect{0, 0, 96, 48}).back(), "rect 0 0 96 48");
}

// Enhanced metafile record numbers.
enum : std::uint32_t {
  kEmrPolygon16 = 86,
  kEmrPolyline = 4,
  kEmrSetWindowExt = 9,
  kEmrSetViewportExt = 11,
  kEmrSetMapMode = 17,
  kEmrSetTextAlign = 22,
  kEmrSetTextColor = 24,
  kEmrSelectObject = 37,
  kEmrCreatePen = 38,
  kEmrCreateBrush = 39,
  kEmrEllipse = 42,
  kEmrRectangle = 43,
  kEmrIntersectClip = 30,
  kEmrExtSelectClipRgn = 75,
  kEmrFont = 82,
  kEmrTextW = 84,
  kEmrSetPixel = 15,
};

Bytes with_shorts(Bytes head, std::initializer_list<int> shorts) {
  for (const int v : shorts) picture_files::put16(head, v);
  return head;
}

TEST(EnhancedMetafile, ShapesLandInTheBoxWithTheirPenAndBrush) {
  // A frame of 100 x 50 reference pixels in a box of 200 x 100.
  const Bytes file = picture_files::enhanced_metafile(
      {
          {kEmrCreatePen, words32({1, 0, 2, 0, 0x00FF00})},
          {kEmrSelectObject, words32({1})},
          {kEmrSelectObject, words32({0x80000005})},  // the stock hollow brush
          {kEmrRectangle, words32({10, 10, 20, 20})},
          {kEmrSetPixel, words32({1, 1, 0})},  // not drawn by this player
          {kEmrCreateBrush, words32({2, 0, 0x123456, 0})},
          {kEmrSelectObject, words32({2})},
          {kEmrEllipse, words32({0, 0, 100, 50})},
          {kEmrPolygon16, with_shorts(words32({0, 0, 0, 0, 3}), {0, 0, 10, 0, 10, 10})},
          {kEmrPolyline, words32({0, 0, 0, 0, 2, 0, 0, 50, 25})},
      },
      100, 50);
  const auto pic = vex3d::load_picture(file);
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->kind, vex3d::PictureKind::kEnhancedMetafile);
  // 1000 hundredths of a millimetre at 96 dots per inch.
  EXPECT_EQ(pic->pixel_width, 38);
  EXPECT_EQ(pic->pixel_height, 19);
  EXPECT_EQ(play(file, MetaRect{0, 0, 200, 100}), (Calls{
                                                      "pen 00ff00 4 solid",
                                                      "brush hollow",
                                                      "rect 20 20 20 20",
                                                      "brush 123456",
                                                      "ellipse 0 0 200 100",
                                                      "polygon 0,0 20,0 20,20",
                                                      "polyline 0,0 100,50",
                                                  }));
}

TEST(EnhancedMetafile, MappingModeScalesLogicalUnits) {
  const Bytes file = picture_files::enhanced_metafile(
      {
          {kEmrSetMapMode, words32({8})},
          {kEmrSetWindowExt, words32({1000, 1000})},
          {kEmrSetViewportExt, words32({100, 100})},
          {kEmrRectangle, words32({100, 100, 200, 300})},
      },
      100, 100);
  EXPECT_EQ(play(file, MetaRect{0, 0, 100, 100}).back(), "rect 10 10 10 20");
}

TEST(EnhancedMetafile, TextInUtf16WithFontAndClip) {
  Bytes font = words32({3, -12, 0, 0, 0, 400});
  font.insert(font.end(), {0, 0, 0, 0, 0, 0, 0, 0});
  for (const char c : std::string("Liberation Sans")) picture_files::put16(font, c);
  font.resize(4 + 28 + 64, 0);
  // Text record: bounds, mode, scales, reference point, count, offset, options, rectangle, dx offset.
  Bytes text = words32({0, 0, 0, 0, 1, 0, 0, 30, 40, 2, 76, 0, 0, 0, 0, 0, 0});
  for (const int unit : {0x00E9, 0x20AC}) picture_files::put16(text, unit);  // "é€"
  const Bytes file = picture_files::enhanced_metafile(
      {
          {kEmrFont, font},
          {kEmrSelectObject, words32({3})},
          {kEmrSetTextColor, words32({0xFF})},
          {kEmrSetTextAlign, words32({24})},
          {kEmrIntersectClip, words32({0, 0, 50, 50})},
          {kEmrTextW, text},
          {kEmrExtSelectClipRgn, words32({0, 5})},
          {kEmrTextW, text},
      },
      100, 100);
  EXPECT_EQ(play(file, MetaRect{0, 0, 100, 100}),
            (Calls{"clip 0 0 50 50", "font Liberation Sans -12 400", "textcolor 0000ff", "text 30 40 \u00e9\u20ac 0 1",
                   "noclip", "text 30 40 \u00e9\u20ac 0 1"}));
}

TEST(EnhancedMetafile, DamagedRecordsStopSafely) {
  // A text whose characters lie past its record, then a record too large for the file.
  const Bytes bad_text = words32({0, 0, 0, 0, 1, 0, 0, 30, 40, 1000, 76, 0, 0, 0, 0, 0, 0});
  Bytes file = picture_files::enhanced_metafile(
      {{kEmrRectangle, words32({0, 0, 10, 10})}, {kEmrTextW, bad_text}, {kEmrRectangle, words32({0, 0, 5, 5})}}, 100,
      100);
  EXPECT_EQ(play(file, MetaRect{0, 0, 100, 100}).size(), 3u);  // pen, brush, first rectangle

  const Calls whole = play(file, MetaRect{0, 0, 100, 100});
  for (std::size_t n = 0; n < file.size(); ++n) {
    const Calls part = play(Bytes(file.begin(), file.begin() + static_cast<long>(n)), MetaRect{0, 0, 100, 100});
    if (part == Calls{"no picture"}) continue;
    ASSERT_LE(part.size(), whole.size()) << n;
  }
}

TEST(EnhancedMetafile, HeaderMustBeWhole) {
  Bytes file = picture_files::enhanced_metafile({}, 10, 10);
  picture_files::set32(file, 4, 0x7FFFFFF0);  // header size past the file
  EXPECT_FALSE(vex3d::load_picture(file));
}

}  // namespace
