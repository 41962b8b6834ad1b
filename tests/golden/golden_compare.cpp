// golden_compare REFERENCE.png PICTURE.png DIFF.png: compares a drawn picture
// with its reviewed reference. Antialiased edges may shift a little between
// machines and library versions, so a pixel counts as different only when a
// channel differs by more than kChannelTolerance, and the pictures match when
// at most kDifferentShare of the pixels differ. On a mismatch the difference
// picture marks every differing pixel in red over a faded copy of the
// reference.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "png_file.h"

namespace {

constexpr int kChannelTolerance = 48;
constexpr double kDifferentShare = 0.002;

int channel(std::uint32_t p, int shift) { return int((p >> shift) & 0xFF); }

bool differs(std::uint32_t a, std::uint32_t b) {
  for (int shift : {0, 8, 16})
    if (std::abs(channel(a, shift) - channel(b, shift)) > kChannelTolerance) return true;
  return false;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: golden_compare REFERENCE.png PICTURE.png DIFF.png\n");
    return 2;
  }
  vex3d::platform::Bitmap reference, picture;
  std::string error;
  if (!vex3d::platform::read_png(argv[1], reference, &error) || !vex3d::platform::read_png(argv[2], picture, &error)) {
    std::fprintf(stderr, "golden_compare: %s\n", error.c_str());
    return 1;
  }
  if (reference.width != picture.width || reference.height != picture.height) {
    std::fprintf(stderr, "golden_compare: %s is %dx%d, the reference %dx%d\n", argv[2], picture.width, picture.height,
                 reference.width, reference.height);
    return 1;
  }
  const std::vector<std::uint32_t> &a = reference.pixels, &b = picture.pixels;
  std::vector<std::uint32_t> diff(a.size());
  std::size_t different = 0;
  for (std::size_t k = 0; k < a.size(); ++k) {
    const bool d = differs(a[k], b[k]);
    different += d;
    // Faded reference: each channel halfway to white.
    diff[k] = d ? 0xFFFF0000u : 0xFF000000u | (((a[k] & 0xFEFEFE) >> 1) + 0x7F7F7F);
  }
  const double share = a.empty() ? 0 : double(different) / double(a.size());
  std::printf("%zu of %zu pixels differ (%.3f %%, allowed %.3f %%)\n", different, a.size(), 100 * share,
              100 * kDifferentShare);
  if (share <= kDifferentShare) return 0;
  const vex3d::platform::ImageView view{diff.data(), reference.width, reference.height, reference.width};
  if (vex3d::platform::write_png(argv[3], view, &error))
    std::fprintf(stderr, "golden_compare: differences marked in %s\n", argv[3]);
  else
    std::fprintf(stderr, "golden_compare: %s\n", error.c_str());
  return 1;
}
