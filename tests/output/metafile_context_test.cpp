// The metafile context: a scene of every primitive written as a plain and as
// an enhanced metafile comes back as the same picture through our own
// player and through independent readers; the records stay well formed and
// the object table small.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "external_readers.h"
#include "fonts.h"
#include "graph.h"
#include "graph_fixture.h"
#include "metafile_context.h"
#include "primitive_scene.h"
#include "raster_context.h"
#include "scratch_dir.h"
#include "w_render.h"

namespace {

using vex3d::platform::Bitmap;
using vex3d::platform::Box;
using vex3d::platform::Brush;
using vex3d::platform::DrawContext;
using vex3d::platform::MetafileContext;
using vex3d::platform::MetafileFormat;
using vex3d::platform::Pen;
using vex3d::platform::Point;
using vex3d::platform::RasterContext;

using scene::draw_scene;
using scene::kClippedColor;
using scene::kHeight;
using scene::kWidth;
using scene::SceneParts;

std::vector<std::uint8_t> scene_metafile(MetafileFormat format, SceneParts parts = {}) {
  MetafileContext meta(format, kWidth, kHeight);
  draw_scene(meta, parts);
  EXPECT_TRUE(meta.finish());
  return meta.bytes();
}

std::string write_file(const std::string &path, const std::vector<std::uint8_t> &bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return path;
}

// The file played by our own reader, as a picture in a graph, into a raster.
void play_into(const std::string &file, RasterContext &raster) {
  const int w = raster.width(), h = raster.height();
  GraphPtr graph = make_graph();
  const vex3d::CurrentContextScope current(graph.get(), &raster);
  vex3d::ImageRecord image;
  image.file = file;
  image.layout = Vex3dImageLayoutStretched;
  vex3d_win_drawimage(graph.get(), &image, 0, 0, w, h, 0, 0, w, h);
}

// How many pixels may differ from the raster picture, and by how much: the
// players antialias edges and lay out dashes their own way; anything
// missing, misplaced or in the wrong colour is far more.
constexpr int kChannelThreshold = 80;
constexpr double kDifferingShare = 0.02;

struct FormatCase {
  MetafileFormat format;
  const char *extension;
};
const FormatCase kFormats[] = {{MetafileFormat::kPlain, "wmf"}, {MetafileFormat::kEnhanced, "emf"}};

class MetafileContextTest : public ScratchDir, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(MetafileContextTest, OurPlayerDrawsTheScene) {
  RasterContext direct(kWidth, kHeight);
  draw_scene(direct);
  const std::string file =
      write_file(path(std::string("scene.") + GetParam().extension), scene_metafile(GetParam().format));
  RasterContext played(kWidth, kHeight);
  played.set_brush(Brush{0xFFFFFF});
  played.fill_rectangle({0, 0, kWidth, kHeight});
  play_into(file, played);
  if (const char *keep = std::getenv("TORVANE3D_KEEP_PICTURES")) {
    vex3d::platform::write_png(std::string(keep) + "/direct.png", direct.pixels());
    vex3d::platform::write_png(std::string(keep) + "/played-" + GetParam().extension + ".png", played.pixels());
  }
  const double share = external::differing_share(direct.pixels(), played.pixels(), kChannelThreshold);
  EXPECT_LE(share, kDifferingShare) << GetParam().extension;
  // The clip held: the blue rectangle is inside it only.
  const std::uint32_t clipped = vex3d::platform::argb_of(kClippedColor);
  EXPECT_EQ(played.pixel(200, 115), clipped);
  EXPECT_NE(played.pixel(170, 115), clipped);
  EXPECT_NE(played.pixel(240, 138), clipped);
}

TEST_P(MetafileContextTest, AnIndependentReaderDrawsTheScene) {
  const bool plain = GetParam().format == MetafileFormat::kPlain;
  const std::string reader = plain ? "wmf2svg" : "emf2svg-conv";
  if (!external::have(reader) || !external::have("rsvg-convert"))
    GTEST_SKIP() << reader << " or rsvg-convert is not installed";
  const char *keep = std::getenv("TORVANE3D_KEEP_PICTURES");
  const std::string folder = keep ? std::string(keep) : dir();
  // wmf2svg draws arcs without their centre, doubles the scale of pictures
  // and ignores clipping: those parts of plain metafiles are checked by our
  // own player only.
  const SceneParts parts{!plain, !plain, !plain};
  // The plain metafile with its placeable header: that gives the reader the picture's size.
  std::vector<std::uint8_t> bytes = scene_metafile(GetParam().format, parts);
  if (plain) {
    std::vector<std::uint8_t> header = vex3d::platform::placeable_header(kWidth, kHeight, 96, 96);
    bytes.insert(bytes.begin(), header.begin(), header.end());
  }
  const std::string file = write_file(folder + "/scene." + GetParam().extension, bytes);
  const std::string svg = folder + "/scene-" + GetParam().extension + ".svg";
  const bool converted =
      plain ? external::run({"wmf2svg", "--inline", "-o", svg, file}) && external::repair_wmf2svg_output(svg)
            : external::run({"emf2svg-conv", "-i", file, "-o", svg});
  ASSERT_TRUE(converted) << reader << " refused " << file;
  Bitmap read;
  const std::string png = folder + "/read-" + GetParam().extension + ".png";
  ASSERT_TRUE(external::svg_pixels(svg, png, read, kWidth, kHeight)) << svg;
  RasterContext direct(kWidth, kHeight);
  draw_scene(direct, parts);
  // Their text comes out in their own fonts and their lines in their own
  // widths: a looser bound, that still fails for anything lost or moved.
  EXPECT_LE(external::differing_share(direct.pixels(), read.view(), kChannelThreshold), 0.05) << reader;
}

INSTANTIATE_TEST_SUITE_P(Formats, MetafileContextTest, ::testing::ValuesIn(kFormats),
                         [](const auto &info) { return std::string(info.param.extension); });

std::uint32_t u32_at(const std::vector<std::uint8_t> &b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
unsigned u16_at(const std::vector<std::uint8_t> &b, std::size_t at) { return b[at] | (b[at + 1] << 8); }

// Many pens, brushes and fonts one after the other: every object replaced
// is deleted, so the table stays as small as the objects in use at once.
void draw_many_objects(DrawContext &c) {
  for (int i = 0; i < 200; ++i) {
    Pen p;
    p.color = static_cast<unsigned>(i);
    c.set_pen(p);
    c.draw_line({i, 0}, {i, 10});
    c.set_brush(Brush{static_cast<unsigned>(i) << 8});
    c.fill_rectangle({i, 20, 1, 5});
    c.set_font(vex3d::platform::resolve_font({"Arial", -(8 + i % 5)}));
    c.draw_text({i, 40}, "x");
    if (i % 7 == 0) c.set_clip(Box{0, 0, i + 1, 50});
    if (i % 11 == 0) c.set_clip(std::nullopt);
  }
}

TEST(MetafileRecordsTest, PlainHeaderCountsWordsAndObjects) {
  MetafileContext meta(MetafileFormat::kPlain, 200, 50);
  draw_many_objects(meta);
  ASSERT_TRUE(meta.finish());
  const auto &b = meta.bytes();
  ASSERT_GE(b.size(), 18u);
  EXPECT_EQ(u16_at(b, 0), 1u);
  EXPECT_EQ(u16_at(b, 2), 9u);
  EXPECT_EQ(u16_at(b, 4), 0x0300u);
  EXPECT_EQ(u32_at(b, 6) * 2, b.size()) << "the size in words";
  EXPECT_LE(u16_at(b, 10), 8u) << "objects";
  // Walking the records by their sizes lands exactly on the end record.
  std::size_t at = 18, largest = 0;
  unsigned last = 0xFFFF;
  while (at + 6 <= b.size()) {
    const std::size_t words = u32_at(b, at);
    ASSERT_GE(words, 3u);
    largest = std::max(largest, words);
    last = u16_at(b, at + 4);
    at += words * 2;
  }
  EXPECT_EQ(at, b.size());
  EXPECT_EQ(last, 0u);
  EXPECT_EQ(u32_at(b, 12), largest);
}

TEST(MetafileRecordsTest, EnhancedHeaderCountsBytesRecordsAndHandles) {
  MetafileContext meta(MetafileFormat::kEnhanced, 200, 50);
  draw_many_objects(meta);
  ASSERT_TRUE(meta.finish());
  const auto &b = meta.bytes();
  ASSERT_GE(b.size(), 108u);
  EXPECT_EQ(u32_at(b, 0), 1u);
  EXPECT_EQ(std::string(b.begin() + 41, b.begin() + 44), "EMF");
  EXPECT_EQ(u32_at(b, 48), b.size());
  EXPECT_LE(u16_at(b, 56), 9u) << "handles";
  std::size_t at = 0, records = 0;
  std::uint32_t last = 0;
  while (at + 8 <= b.size()) {
    const std::uint32_t size = u32_at(b, at + 4);
    ASSERT_GE(size, 8u);
    ASSERT_EQ(size % 4, 0u);
    last = u32_at(b, at);
    at += size;
    ++records;
  }
  EXPECT_EQ(at, b.size());
  EXPECT_EQ(last, 14u) << "the end record";
  EXPECT_EQ(u32_at(b, 52), records);
  // The frame is the picture's size in hundredths of a millimetre.
  EXPECT_NEAR(static_cast<double>(u32_at(b, 32)), 200 * 2540.0 / 96 - 1, 1.0);
  EXPECT_NEAR(static_cast<double>(u32_at(b, 36)), 50 * 2540.0 / 96 - 1, 1.0);
}

TEST(MetafileRecordsTest, SizesOutsideTheRangeFail) {
  for (const auto &[w, h] : {std::pair{0, 10}, {10, 0}, {-1, 5}, {MetafileContext::kMaxSide + 1, 5}}) {
    MetafileContext meta(MetafileFormat::kEnhanced, w, h);
    EXPECT_FALSE(meta.ok()) << w << " x " << h;
    EXPECT_FALSE(meta.finish());
    EXPECT_TRUE(meta.bytes().empty());
  }
}

class MetafileFiles : public ScratchDir {};

TEST_F(MetafileFiles, GeometryFarOutsideThePictureIsCutNotWrapped) {
  // 16-bit coordinates would wrap 70000 round to the picture's inside.
  MetafileContext meta(MetafileFormat::kPlain, 100, 100);
  meta.set_brush(Brush{0x0000FF});
  const Point far[] = {{70000, 10}, {70100, 10}, {70100, 90}, {70000, 90}};
  meta.fill_polygon(far);
  Pen p;
  meta.set_pen(p);
  meta.draw_line({-70000, 50}, {50, 50});
  ASSERT_TRUE(meta.finish());
  const std::string file = path("far.wmf");
  write_file(file, meta.bytes());
  RasterContext played(100, 100);
  play_into(file, played);
  EXPECT_EQ(played.pixel(50, 20) >> 24, 0u) << "nothing wrapped into the picture";
  EXPECT_NE(played.pixel(20, 50) >> 24, 0u) << "the line's visible part is drawn";
}

}  // namespace

namespace {

TEST(PlaceableHeader, FrameInThousandthsOfAnInchAndAChecksumThatCancels) {
  const auto h = vex3d::platform::placeable_header(399, 299, 96, 96);
  ASSERT_EQ(h.size(), 22u);
  const auto word = [&](int i) { return static_cast<unsigned>(h[2 * i] | (h[2 * i + 1] << 8)); };
  EXPECT_EQ(word(0) | (word(1) << 16), 0x9AC6CDD7u) << "key";
  EXPECT_EQ(word(2), 0u) << "handle";
  EXPECT_EQ(word(3), 0u) << "left";
  EXPECT_EQ(word(4), 0u) << "top";
  EXPECT_EQ(word(5), 4166u) << "right";
  EXPECT_EQ(word(6), 3125u) << "bottom";
  EXPECT_EQ(word(7), 1000u) << "units per inch";
  EXPECT_EQ(word(8) | word(9), 0u) << "reserved";
  unsigned all = 0;
  for (int i = 0; i < 11; ++i) all ^= word(i);
  EXPECT_EQ(all, 0u);
}

}  // namespace
