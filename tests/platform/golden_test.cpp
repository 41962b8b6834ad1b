// Golden images: what counts as a differing pixel, when an image matches,
// what a failure leaves behind, and blessing.
#include "golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "raster_context.h"
#include "scratch_dir.h"

namespace {

using vex3d::platform::Bitmap;
using vex3d::platform::RasterContext;
namespace fs = std::filesystem;

constexpr std::uint32_t kGrey = 0xFF808080u, kRed = 0xFFFF0000u;

Bitmap plain(int width, int height, std::uint32_t argb) {
  return Bitmap{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, argb)};
}

// The first `count` pixels changed by `delta` in the green channel.
Bitmap with_changes(Bitmap b, int count, int delta) {
  for (int i = 0; i < count; ++i) b.pixels[static_cast<std::size_t>(i)] += static_cast<std::uint32_t>(delta) << 8;
  return b;
}

std::string bytes_of(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(GoldenCompare, APixelDiffersWhenAChannelIsBeyondTheThreshold) {
  struct Case {
    std::uint32_t golden, actual;
    int threshold;
    bool differs;
  };
  const Case cases[] = {
      {kGrey, kGrey, 0, false},
      {kGrey, kGrey + 1, 0, true},              // blue one up, nothing allowed
      {kGrey, kGrey + (16u << 16), 16, false},  // red 16 up, 16 allowed
      {kGrey, kGrey + (17u << 16), 16, true},   // red 17 up
      {kGrey, kGrey - (17u << 8), 16, true},    // green 17 down
      {kGrey, 0x7F808080u, 0, true},            // only alpha differs
      {0xFF000000u, 0xFFFFFFFFu, 254, true},    // black against white
      {0xFF000000u, 0xFFFFFFFFu, 255, false},
  };
  for (const Case &c : cases) {
    const Bitmap g = plain(1, 1, c.golden), a = plain(1, 1, c.actual);
    const golden::Difference d = golden::compare_images(g.view(), a.view(), c.threshold);
    EXPECT_EQ(d.total, 1);
    EXPECT_EQ(d.differing, c.differs ? 1 : 0)
        << std::hex << c.golden << " against " << c.actual << std::dec << " within " << c.threshold;
  }
}

TEST(GoldenCompare, TheDifferencePictureMarksExactlyTheDifferingPixels) {
  const Bitmap g = plain(4, 3, 0xFF000000u);
  Bitmap a = g;
  a.pixels[5] = 0xFF00FF00u;
  const golden::Difference d = golden::compare_images(g.view(), a.view(), 0);
  EXPECT_EQ(d.differing, 1);
  EXPECT_EQ(d.worst_channel, 255);
  ASSERT_EQ(d.marked.pixels.size(), 12u);
  for (std::size_t i = 0; i < 12; ++i) {
    if (i == 5)
      EXPECT_EQ(d.marked.pixels[i], kRed);
    else  // black faded halfway to white
      EXPECT_EQ(d.marked.pixels[i], 0xFF7F7F7Fu) << i;
  }
}

class GoldenFiles : public ScratchDir {
 protected:
  golden::Places places(bool bless = false) const { return {path("goldens"), path("failures"), bless}; }
  fs::path golden_file(const std::string &name) const { return fs::path(path("goldens")) / (name + ".png"); }
  fs::path actual_file(const std::string &name) const { return fs::path(path("failures")) / (name + ".actual.png"); }
  fs::path diff_file(const std::string &name) const { return fs::path(path("failures")) / (name + ".diff.png"); }
  void store(const std::string &name, const Bitmap &b) const {
    fs::create_directories(golden_file(name).parent_path());
    ASSERT_TRUE(vex3d::platform::write_png(golden_file(name).string(), b.view()));
  }
};

TEST_F(GoldenFiles, AMissingGoldenFailsAndNamesBothFilesUnlessBlessing) {
  const Bitmap image = plain(5, 5, kGrey);
  const auto result = golden::matches("panels/new", image.view(), golden::kExact, places());
  EXPECT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find(golden_file("panels/new").string()), std::string::npos);
  EXPECT_NE(std::string(result.message()).find(actual_file("panels/new").string()), std::string::npos);
  EXPECT_TRUE(fs::exists(actual_file("panels/new")));
  EXPECT_FALSE(fs::exists(golden_file("panels/new")));

  EXPECT_TRUE(golden::matches("panels/new", image.view(), golden::kExact, places(true)));
  Bitmap stored;
  ASSERT_TRUE(vex3d::platform::read_png(golden_file("panels/new").string(), stored));
  EXPECT_EQ(stored.pixels, image.pixels);
  EXPECT_FALSE(fs::exists(actual_file("panels/new")));
  EXPECT_TRUE(golden::matches("panels/new", image.view(), golden::kExact, places()));
}

TEST_F(GoldenFiles, TheShareOfDifferingPixelsDecides) {
  // 100 pixels, at most 2 % may differ.
  const golden::Tolerance two_percent{"two percent", 8, 0.02};
  store("share", plain(10, 10, kGrey));
  struct Case {
    int changed, delta;
    bool matches;
  };
  for (const Case c :
       {Case{0, 0, true}, Case{2, 40, true}, Case{3, 40, false}, Case{100, 8, true}, Case{100, 9, false}}) {
    const Bitmap image = with_changes(plain(10, 10, kGrey), c.changed, c.delta);
    EXPECT_EQ(static_cast<bool>(golden::matches("share", image.view(), two_percent, places())), c.matches)
        << c.changed << " pixels changed by " << c.delta;
  }
}

TEST_F(GoldenFiles, AMismatchLeavesTheImageAndAMarkedDifferenceAndPassingClearsThem) {
  const Bitmap reference = plain(6, 4, kGrey);
  store("mismatch", reference);
  const Bitmap image = with_changes(reference, 3, 50);
  const auto result = golden::matches("mismatch", image.view(), golden::kExact, places());
  ASSERT_FALSE(result);
  const std::string message = result.message();
  EXPECT_NE(message.find("3 of 24 pixels"), std::string::npos) << message;
  EXPECT_NE(message.find("'exact'"), std::string::npos) << message;
  EXPECT_NE(message.find(diff_file("mismatch").string()), std::string::npos) << message;

  Bitmap actual, diff;
  ASSERT_TRUE(vex3d::platform::read_png(actual_file("mismatch").string(), actual));
  EXPECT_EQ(actual.pixels, image.pixels);
  ASSERT_TRUE(vex3d::platform::read_png(diff_file("mismatch").string(), diff));
  EXPECT_EQ(std::count(diff.pixels.begin(), diff.pixels.end(), kRed), 3);
  EXPECT_EQ(diff.pixels[0], kRed);

  EXPECT_TRUE(golden::matches("mismatch", reference.view(), golden::kExact, places()));
  EXPECT_FALSE(fs::exists(actual_file("mismatch")));
  EXPECT_FALSE(fs::exists(diff_file("mismatch")));
}

TEST_F(GoldenFiles, AnImageOfAnotherSizeFailsWithBothSizes) {
  store("size", plain(6, 4, kGrey));
  const Bitmap image = plain(4, 6, kGrey);
  const auto result = golden::matches("size", image.view(), golden::kAntialiased, places());
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("4 x 6"), std::string::npos) << result.message();
  EXPECT_NE(std::string(result.message()).find("6 x 4"), std::string::npos) << result.message();
}

TEST_F(GoldenFiles, BlessingReplacesAMismatchButLeavesAMatchingGoldenAlone) {
  store("kept", plain(8, 8, kGrey));
  const std::string before = bytes_of(golden_file("kept"));
  // Within the tolerance: the committed file stays byte for byte.
  const Bitmap close = with_changes(plain(8, 8, kGrey), 64, 1);
  EXPECT_TRUE(golden::matches("kept", close.view(), golden::kAntialiased, places(true)));
  EXPECT_EQ(bytes_of(golden_file("kept")), before);

  const Bitmap changed = plain(8, 8, kRed);
  EXPECT_TRUE(golden::matches("kept", changed.view(), golden::kAntialiased, places(true)));
  Bitmap stored;
  ASSERT_TRUE(vex3d::platform::read_png(golden_file("kept").string(), stored));
  EXPECT_EQ(stored.pixels, changed.pixels);
}

TEST_F(GoldenFiles, TranslucentAntialiasedDrawingMatchesItsOwnGoldenExactly) {
  // Antialiased edges on a transparent background: partly covered pixels
  // must come back from the golden file as they were drawn.
  RasterContext raster(40, 30);
  raster.set_pen({.color = 0x3366CC, .thin = false, .width = 3, .dashes = {}});
  raster.draw_line({2, 3}, {37, 26});
  raster.stroke_arc({{5, 5, 25, 17}, 0.3, 4.0});
  EXPECT_TRUE(golden::matches("translucent", raster, golden::kExact, places(true)));
  EXPECT_TRUE(golden::matches("translucent", raster, golden::kExact, places()));
}

TEST_F(GoldenFiles, AnUnreadablePngOrGoldenFails) {
  const std::string text = write("not.png", "not a picture");
  EXPECT_FALSE(golden::png_matches("any", text, golden::kAntialiased, places(true)));
  fs::create_directories(golden_file("broken").parent_path());
  std::ofstream(golden_file("broken")) << "not a picture";
  const Bitmap image = plain(2, 2, kGrey);
  const auto result = golden::matches("broken", image.view(), golden::kAntialiased, places());
  ASSERT_FALSE(result);
  EXPECT_NE(std::string(result.message()).find("cannot read the golden"), std::string::npos) << result.message();
}

}  // namespace
