// PNG files of raster contexts: written and read back unchanged.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "png_file.h"
#include "raster_context.h"

namespace {

using namespace vex3d::platform;

std::string temp_path(const char *name) { return ::testing::TempDir() + name; }

// Every layout the writer picks keeps every pixel: few opaque colours (a
// palette), exactly 256 and 257 of them (the palette's limit), and
// transparency.
TEST(PngFiles, ImagesComeBackAsTheyWereInEveryLayout) {
  struct Case {
    const char *name;
    int colors;        // distinct opaque colours drawn one per pixel, 0 for the line picture
    bool translucent;  // a square on a transparent ground
    int color_type;    // in the file's header: 3 palette, 2 RGB, 6 RGBA
  };
  const Case cases[] = {{"line", 0, false, 3},
                        {"colours256", 256, false, 3},
                        {"colours257", 257, false, 2},
                        {"translucent", 0, true, 6}};
  for (const Case &c : cases) {
    RasterContext image(23, 13);
    if (c.translucent) {
      image.set_brush({0x0000FF, false});
      image.fill_rectangle({1, 1, 3, 3});  // the rest stays transparent
    } else {
      image.set_brush({0x102030, false});
      image.fill_rectangle({0, 0, 23, 13});
      image.set_pen(Pen{.color = 0xFFFFFF, .dashes = {}});
      image.draw_line({0, 0}, {6, 4});
    }
    for (int k = 0; k < c.colors; ++k) {
      // Green tells k % 64 apart, red then k / 64; k = 16 is the ground's colour.
      image.set_brush({static_cast<Rgb>(0x010203 * (k % 64) + 0x300000 * (k / 64)), false});
      image.fill_rectangle({k % 23, k / 23, 1, 1});
    }
    const std::string path = temp_path((std::string(c.name) + ".png").c_str());
    ASSERT_TRUE(write_png(path, image.pixels())) << c.name;
    std::ifstream file(path, std::ios::binary);
    char header[26] = {};
    file.read(header, sizeof header);
    EXPECT_EQ(header[25], c.color_type) << c.name;
    Bitmap back;
    ASSERT_TRUE(read_png(path, back)) << c.name;
    ASSERT_EQ(back.width, 23);
    ASSERT_EQ(back.height, 13);
    int wrong = 0;
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 23; ++x) wrong += back.pixels[y * 23 + x] != image.pixel(x, y);
    EXPECT_EQ(wrong, 0) << c.name;
    std::remove(path.c_str());
  }
}

TEST(PngFiles, MissingDamagedAndForeignFilesAreRefused) {
  Bitmap out;
  std::string error;
  EXPECT_FALSE(read_png(temp_path("does-not-exist.png"), out, &error));
  EXPECT_FALSE(error.empty());
  const std::string text = temp_path("text.png");
  std::ofstream(text) << "not a picture";
  EXPECT_FALSE(read_png(text, out));
  RasterContext r(40, 40);
  r.set_brush({0x123456, false});
  r.fill_rectangle({0, 0, 40, 40});
  const std::string cut = temp_path("cut.png");
  ASSERT_TRUE(write_png(cut, r.pixels()));
  std::string bytes;
  {
    std::ifstream in(cut, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
  EXPECT_FALSE(read_png(cut, out)) << "a truncated file";
  EXPECT_FALSE(write_png(temp_path("none.png"), ImageView{}));
  EXPECT_FALSE(write_png("/nonexistent-dir/x.png", r.pixels()));
  std::remove(text.c_str());
  std::remove(cut.c_str());
}

}  // namespace

namespace {

// A picture that deflate cannot shrink: its image data spans several IDAT
// chunks and several rounds of the deflater's output buffer, and still
// comes back pixel for pixel (libpng checks every chunk's CRC and the
// stream's Adler-32 on the way).
TEST(PngFiles, APictureOfNoiseSpansChunksAndComesBackWhole) {
  constexpr int kSide = 300;
  RasterContext image(kSide, kSide);
  std::uint32_t state = 12345;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      state = state * 1664525u + 1013904223u;
      image.set_brush({state >> 8, false});
      image.fill_rectangle({x, y, 1, 1});
    }
  const std::string path = temp_path("noise.png");
  ASSERT_TRUE(write_png(path, image.pixels()));
  std::ifstream file(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  int chunks = 0;
  for (std::size_t at = bytes.find("IDAT"); at != std::string::npos; at = bytes.find("IDAT", at + 4)) ++chunks;
  EXPECT_GE(chunks, 3) << bytes.size() << " bytes";
  Bitmap back;
  ASSERT_TRUE(read_png(path, back));
  int wrong = 0;
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) wrong += back.pixels[y * kSide + x] != image.pixel(x, y);
  EXPECT_EQ(wrong, 0);
  std::remove(path.c_str());
}

}  // namespace
