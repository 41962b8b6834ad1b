// Golden images: a drawing compared with a reviewed picture committed under
// tests/golden/, within a named tolerance.
//
//   EXPECT_TRUE(golden::matches("sheet", raster, golden::kAntialiased));
//
// On a mismatch the image drawn (NAME.actual.png) and a difference picture
// (NAME.diff.png: differing pixels in red over a faded golden) are written
// to the build's tests/golden folder and their paths are in the failure
// message. With TORVANE3D_BLESS=1 in the environment a missing or
// mismatching golden is replaced by the image drawn and the check passes
// (tests/golden/README.md); a golden that still matches is left alone.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "png_file.h"

namespace vex3d::platform {
class RasterContext;
}

namespace golden {

// How far an image may stray from its golden: a pixel differs when one of
// its channels (alpha, red, green, blue) differs by more than
// `channel_threshold`; the image matches when at most `differing_fraction`
// of its pixels differ.
struct Tolerance {
  const char *name;
  int channel_threshold;
  double differing_fraction;
};

// Every pixel the same: aliased fills and lines drawn by our own rasterisers.
inline constexpr Tolerance kExact{"exact", 0, 0.0};
// Antialiased lines and text: edge pixels may shade a little differently
// between library versions, and a few may flip.
inline constexpr Tolerance kAntialiased{"antialiased", 32, 0.002};

// Where goldens are read and failures written, and whether to bless.
struct Places {
  std::string goldens;   // the committed pictures (source tree)
  std::string failures;  // the actual and difference pictures (build tree)
  bool bless = false;
};

// The project's folders; bless when TORVANE3D_BLESS is set to anything
// but "0" or "".
Places default_places();

// The pixels differing beyond the threshold, and a picture marking them.
struct Difference {
  long long differing = 0;
  long long total = 0;
  int worst_channel = 0;  // the largest channel difference seen
  vex3d::platform::Bitmap marked;
};
// Both images must be the same size.
Difference compare_images(const vex3d::platform::ImageView &golden, const vex3d::platform::ImageView &actual,
                          int channel_threshold);

// Compares an image with the golden NAME.png (NAME may hold '/' for a
// sub-folder).
::testing::AssertionResult matches(const std::string &name, const vex3d::platform::ImageView &image,
                                   const Tolerance &tolerance, const Places &places = default_places());
// The same for what a raster context has drawn so far.
::testing::AssertionResult matches(const std::string &name, vex3d::platform::RasterContext &raster,
                                   const Tolerance &tolerance, const Places &places = default_places());
// The same for a PNG file written by someone else (a command's output); an
// unreadable file fails.
::testing::AssertionResult png_matches(const std::string &name, const std::string &png_path, const Tolerance &tolerance,
                                       const Places &places = default_places());

}  // namespace golden
