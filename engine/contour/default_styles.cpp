// The default contour styles: fills from blue through cyan, green and yellow
// to red, every line black, solid and one pixel wide.
#include <array>
#include <cstdint>

#include "graph.h"
#include "styles.h"

namespace vex3d {
namespace {

// Fills as 0xRRGGBB, the way colours are usually written down.
constexpr std::array<std::uint32_t, 100> kDefaultFills = {
    0x0000FF, 0x0008FF, 0x0011FF, 0x001AFF, 0x0022FF, 0x002BFF, 0x0034FF, 0x003DFF, 0x0045FF, 0x004EFF,
    0x0057FF, 0x005FFF, 0x0068FF, 0x0071FF, 0x007AFF, 0x0082FF, 0x008BFF, 0x0094FF, 0x009CFF, 0x00A5FF,
    0x00AEFF, 0x00B7FF, 0x00BFFF, 0x00C8FF, 0x00D1FF, 0x00D9FF, 0x00E2FF, 0x00EBFF, 0x00F4FF, 0x00FCFF,
    0x00FFFF, 0x00FFE9, 0x00FFD2, 0x00FFBC, 0x00FFA6, 0x00FF8F, 0x00FF79, 0x00FF62, 0x00FF4C, 0x00FF35,
    0x00FF1F, 0x00FF09, 0x08FF09, 0x11FF09, 0x19FF09, 0x22FF09, 0x2AFF09, 0x33FF09, 0x3BFF09, 0x44FF09,
    0x4DFF09, 0x55FF09, 0x5EFF09, 0x66FF09, 0x6FFF09, 0x77FF09, 0x80FF09, 0x88FF09, 0x91FF09, 0x9AFF09,
    0xA2FF09, 0xABFF09, 0xB3FF09, 0xBCFF09, 0xC4FF09, 0xCDFF09, 0xD5FF09, 0xDEFF09, 0xE6FF09, 0xEFFF09,
    0xF8FF09, 0xFFFF09, 0xFFF709, 0xFFEE09, 0xFFE509, 0xFFDD09, 0xFFD409, 0xFFCB09, 0xFFC209, 0xFFBA09,
    0xFFB109, 0xFFA809, 0xFF9F09, 0xFF9709, 0xFF8E09, 0xFF8509, 0xFF7D09, 0xFF7409, 0xFF6B09, 0xFF6209,
    0xFF5A09, 0xFF5109, 0xFF4809, 0xFF4009, 0xFF3709, 0xFF2E09, 0xFF2509, 0xFF1D09, 0xFF1409, 0xFF0B09,
};

// The engine keeps colours with red in the lowest byte.
constexpr int engine_color(std::uint32_t rgb) {
  return static_cast<int>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

constexpr Vex3dContourStyle kDefaultLine{0, 0x000000, 1, Vex3dLpatSolid};

}  // namespace

std::vector<Vex3dContourStyle> default_contour_styles() {
  std::vector<Vex3dContourStyle> styles;
  styles.reserve(kDefaultFills.size());
  for (const std::uint32_t fill : kDefaultFills) {
    Vex3dContourStyle style = kDefaultLine;
    style.fill_color = engine_color(fill);
    styles.push_back(style);
  }
  return styles;
}

void install_default_contour_styles(Vex3dGraph *graph) { graph->contour_styles.assign(default_contour_styles()); }

}  // namespace vex3d
