// PNG files of raster contexts: written and read back unchanged.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "png_file.h"
#include "raster_context.h"

namespace {

using namespace vex3d::platform;

std::string temp_path(const char *name) { return ::testing::TempDir() + name; }

TEST(PngFiles, OpaqueAndTranslucentImagesComeBackAsTheyWere) {
  RasterContext r(7, 5);
  r.set_brush({0x102030, false});
  r.fill_rectangle({0, 0, 7, 5});
  r.set_pen(Pen{.color = 0xFFFFFF, .dashes = {}});
  r.draw_line({0, 0}, {6, 4});
  for (bool translucent : {false, true}) {
    RasterContext t(7, 5);
    if (translucent) {
      t.set_brush({0x0000FF, false});
      t.fill_rectangle({1, 1, 3, 3});  // the rest stays transparent
    }
    RasterContext &image = translucent ? t : r;
    const std::string path = temp_path(translucent ? "translucent.png" : "opaque.png");
    ASSERT_TRUE(write_png(path, image.pixels()));
    Bitmap back;
    ASSERT_TRUE(read_png(path, back));
    ASSERT_EQ(back.width, 7);
    ASSERT_EQ(back.height, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(back.pixels[y * 7 + x], image.pixel(x, y)) << x << "," << y;
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
