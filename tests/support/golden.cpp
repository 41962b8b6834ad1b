#include "golden.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "raster_context.h"

namespace golden {
namespace {

namespace fs = std::filesystem;
using vex3d::platform::Bitmap;
using vex3d::platform::ImageView;

constexpr std::uint32_t kMarkColor = 0xFFFF0000u;  // opaque red

int channel(std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// A premultiplied pixel shown over white, then faded halfway to white, so
// that the red marks stand out.
std::uint32_t faded(std::uint32_t p) {
  const int a = channel(p, 24);
  std::uint32_t out = 0xFF000000u;
  for (int shift : {0, 8, 16}) {
    const int over_white = std::min(255, channel(p, shift) + 255 - a);
    out |= static_cast<std::uint32_t>((over_white + 255) / 2) << shift;
  }
  return out;
}

std::string size_text(int width, int height) { return std::to_string(width) + " x " + std::to_string(height); }

bool make_parent(const fs::path &path, std::string &error) {
  std::error_code ec;
  fs::create_directories(path.parent_path(), ec);
  if (ec) error = "cannot make the folder " + path.parent_path().string() + ": " + ec.message();
  return !ec;
}

// The drawn image becomes the golden.
::testing::AssertionResult bless(const fs::path &actual, const fs::path &golden, const char *why) {
  std::string error;
  std::error_code ec;
  if (!make_parent(golden, error)) return ::testing::AssertionFailure() << error;
  fs::copy_file(actual, golden, fs::copy_options::overwrite_existing, ec);
  if (ec) return ::testing::AssertionFailure() << "cannot bless " << golden.string() << ": " << ec.message();
  fs::remove(actual, ec);
  std::printf("blessed %s (%s)\n", golden.string().c_str(), why);
  return ::testing::AssertionSuccess();
}

std::string how_to_bless() {
  return "\n  if the new image is right, make it the golden: TORVANE3D_BLESS=1 ctest --test-dir BUILD -R TEST"
         " (tests/golden/README.md)";
}

}  // namespace

Places default_places() {
  Places p{TORVANE3D_GOLDEN_DIR, TORVANE3D_GOLDEN_FAILURES, false};
  const char *bless = std::getenv("TORVANE3D_BLESS");
  p.bless = bless && *bless && std::string(bless) != "0";
  return p;
}

Difference compare_images(const ImageView &golden, const ImageView &actual, int channel_threshold) {
  Difference d;
  const int width = std::min(golden.width, actual.width), height = std::min(golden.height, actual.height);
  if (golden.empty() || actual.empty()) return d;
  d.marked.width = width;
  d.marked.height = height;
  d.marked.pixels.resize(static_cast<std::size_t>(width) * height);
  d.total = static_cast<long long>(width) * height;
  for (int y = 0; y < height; ++y) {
    const std::uint32_t *g = golden.pixels + static_cast<long long>(y) * golden.stride;
    const std::uint32_t *a = actual.pixels + static_cast<long long>(y) * actual.stride;
    std::uint32_t *m = d.marked.pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      int worst = 0;
      for (int shift : {0, 8, 16, 24}) worst = std::max(worst, std::abs(channel(g[x], shift) - channel(a[x], shift)));
      d.worst_channel = std::max(d.worst_channel, worst);
      const bool differs = worst > channel_threshold;
      d.differing += differs;
      m[x] = differs ? kMarkColor : faded(g[x]);
    }
  }
  return d;
}

::testing::AssertionResult matches(const std::string &name, const ImageView &image, const Tolerance &tolerance,
                                   const Places &places) {
  const fs::path golden = fs::path(places.goldens) / (name + ".png");
  const fs::path actual = fs::path(places.failures) / (name + ".actual.png");
  const fs::path diff = fs::path(places.failures) / (name + ".diff.png");
  std::string error;
  std::error_code ec;
  fs::remove(diff, ec);  // a difference picture of an earlier run would mislead

  if (image.empty()) return ::testing::AssertionFailure() << "the image for golden '" << name << "' is empty";
  // The image drawn, written for a person to look at or to become the golden.
  const auto write_actual = [&]() -> ::testing::AssertionResult {
    if (make_parent(actual, error) && vex3d::platform::write_png(actual.string(), image, &error))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "cannot write " << actual.string() << ": " << error;
  };

  Bitmap reference;
  std::string problem;
  if (!fs::exists(golden)) {
    problem = "no golden image " + golden.string();
  } else if (!vex3d::platform::read_png(golden.string(), reference, &error)) {
    problem = "cannot read the golden image " + golden.string() + ": " + error;
  } else if (reference.width != image.width || reference.height != image.height) {
    problem = "the image drawn is " + size_text(image.width, image.height) + " pixels, the golden " + golden.string() +
              " " + size_text(reference.width, reference.height);
  }
  if (!problem.empty()) {
    if (auto written = write_actual(); !written) return written;
    if (places.bless) return bless(actual, golden, fs::exists(golden) ? "replaced" : "new");
    return ::testing::AssertionFailure() << problem << "\n  the image drawn is " << actual.string() << how_to_bless();
  }

  Difference d = compare_images(reference.view(), image, tolerance.channel_threshold);
  const double fraction = d.total ? static_cast<double>(d.differing) / static_cast<double>(d.total) : 0.0;
  if (fraction <= tolerance.differing_fraction) {
    fs::remove(actual, ec);  // left by an earlier failure
    return ::testing::AssertionSuccess();
  }
  if (auto written = write_actual(); !written) return written;
  if (places.bless) return bless(actual, golden, "changed");
  ::testing::AssertionResult failure = ::testing::AssertionFailure();
  failure << d.differing << " of " << d.total << " pixels differ from " << golden.string() << " by more than "
          << tolerance.channel_threshold << " in a channel (" << 100 * fraction << " %; the tolerance '"
          << tolerance.name << "' allows " << 100 * tolerance.differing_fraction << " %; largest difference "
          << d.worst_channel << ")\n  the image drawn is " << actual.string();
  if (vex3d::platform::write_png(diff.string(), d.marked.view(), &error))
    failure << "\n  the differing pixels are red in " << diff.string();
  else
    failure << "\n  cannot write " << diff.string() << ": " << error;
  return failure << how_to_bless();
}

::testing::AssertionResult matches(const std::string &name, vex3d::platform::RasterContext &raster,
                                   const Tolerance &tolerance, const Places &places) {
  if (!raster.ok()) return ::testing::AssertionFailure() << "the raster context for golden '" << name << "' failed";
  return matches(name, raster.pixels(), tolerance, places);
}

::testing::AssertionResult png_matches(const std::string &name, const std::string &png_path, const Tolerance &tolerance,
                                       const Places &places) {
  Bitmap picture;
  std::string error;
  if (!vex3d::platform::read_png(png_path, picture, &error))
    return ::testing::AssertionFailure() << "cannot read " << png_path << " for golden '" << name << "': " << error;
  return matches(name, picture.view(), tolerance, places);
}

}  // namespace golden
