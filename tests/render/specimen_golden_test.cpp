// The specimen sheet against its reviewed golden image, with a tolerance for
// antialiasing and font library differences. On a mismatch the sheet drawn
// and a difference image are written beside the test; TORVANE3D_BLESS=1
// makes the sheet drawn the new golden image.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "graph_fixture.h"
#include "png_file.h"
#include "raster_context.h"
#include "specimen_sheet.h"
#include "w_render.h"

namespace {

using vex3d::platform::ImageView;

// A pixel counts as different when a channel moves by more than this; the
// sheet may differ in at most this share of its pixels.
constexpr int kChannelTolerance = 64;
constexpr double kPixelShare = 0.002;

int channel_difference(std::uint32_t a, std::uint32_t b) {
  int most = 0;
  for (int shift = 0; shift < 32; shift += 8)
    most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)));
  return most;
}

TEST(SpecimenSheet, MatchesItsGoldenImage) {
  GraphPtr graph = make_graph();
  vex3d::platform::RasterContext raster(torvane3d_cli::kSpecimenWidth, torvane3d_cli::kSpecimenHeight);
  vex3d::set_current_context(graph.get(), &raster);
  torvane3d_cli::draw_specimen(graph.get());
  vex3d::set_current_context(graph.get(), nullptr);
  const ImageView drawn = raster.pixels();
  ASSERT_FALSE(drawn.empty());

  const std::string golden = std::string(GOLDEN_DIR) + "/specimen.png";
  if (const char *bless = std::getenv("TORVANE3D_BLESS"); bless && *bless == '1') {
    ASSERT_TRUE(vex3d::platform::write_png(golden, drawn));
    GTEST_SKIP() << "wrote " << golden;
  }
  vex3d::platform::Bitmap expected;
  ASSERT_TRUE(vex3d::platform::read_png(golden, expected)) << "cannot read " << golden;
  ASSERT_EQ(expected.width, drawn.width);
  ASSERT_EQ(expected.height, drawn.height);

  std::vector<std::uint32_t> diff(expected.pixels.size(), 0xFFFFFFFFu);
  long differing = 0;
  for (int y = 0; y < drawn.height; ++y)
    for (int x = 0; x < drawn.width; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * drawn.width + x;
      if (channel_difference(drawn.pixels[static_cast<std::size_t>(y) * drawn.stride + x], expected.pixels[i]) >
          kChannelTolerance) {
        ++differing;
        diff[i] = 0xFFFF0000u;
      }
    }
  const long allowed = static_cast<long>(kPixelShare * drawn.width * drawn.height);
  if (differing > allowed) {
    vex3d::platform::write_png("specimen_drawn.png", drawn);
    vex3d::platform::write_png("specimen_diff.png", ImageView{diff.data(), drawn.width, drawn.height, drawn.width});
    ADD_FAILURE() << differing << " pixels differ (at most " << allowed
                  << " may); see specimen_drawn.png and specimen_diff.png in the test's folder";
  }
}

}  // namespace
