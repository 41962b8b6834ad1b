#include "image_layout.h"

#include <algorithm>
#include <cmath>

namespace vex3d {
namespace {

int rounded(double v) { return static_cast<int>(std::lround(std::clamp(v, -1e9, 1e9))); }

MetaRect to_width(const MetaRect &box, double aspect) {
  const int h = rounded(box.width / aspect);
  return MetaRect{box.x, box.y + (box.height - h) / 2, box.width, h};
}

MetaRect to_height(const MetaRect &box, double aspect) {
  const int w = rounded(box.height * aspect);
  return MetaRect{box.x + (box.width - w) / 2, box.y, w, box.height};
}

// The choice of the fitted layout: true for stretched to width.
bool fitted_to_width(const MetaRect &box, double aspect) {
  const double m = std::min(box.width, box.height);
  if (aspect <= 1.0) return box.height >= m / aspect;
  return !(box.width >= m * aspect);
}

}  // namespace

ImagePlacement place_image(int layout, int pw, int ph, const MetaRect &box) {
  ImagePlacement out;
  if (box.width <= 0 || box.height <= 0) return out;
  if (pw <= 0 && ph <= 0) pw = box.width, ph = box.height;
  if (pw <= 0 || ph <= 0) return out;
  const double aspect = static_cast<double>(pw) / ph;
  out.empty = false;
  const auto given = static_cast<PictureLayout>(layout);
  switch (given) {
    case PictureLayout::kCentered:
      out.rect = MetaRect{box.x + (box.width - pw) / 2, box.y + (box.height - ph) / 2, pw, ph};
      break;
    case PictureLayout::kTiled:
      out.rect = MetaRect{box.x, box.y, pw, ph};
      out.tiled = true;
      break;
    case PictureLayout::kStretched: out.rect = box; break;
    case PictureLayout::kStretchedToWidth: out.rect = to_width(box, aspect); break;
    case PictureLayout::kStretchedToHeight: out.rect = to_height(box, aspect); break;
    case PictureLayout::kFitted:
    case PictureLayout::kCropFitted: {
      const bool width = fitted_to_width(box, aspect) == (given == PictureLayout::kFitted);
      out.rect = width ? to_width(box, aspect) : to_height(box, aspect);
      break;
    }
    default: out.empty = true; break;
  }
  if (out.rect.width <= 0 || out.rect.height <= 0) out.empty = true;
  return out;
}

std::vector<MetaRect> image_copies(const ImagePlacement &p, const MetaRect &box, std::size_t limit) {
  std::vector<MetaRect> out;
  if (p.empty || limit == 0) return out;
  if (!p.tiled) {
    out.push_back(p.rect);
    return out;
  }
  const long right = static_cast<long>(box.x) + box.width, bottom = static_cast<long>(box.y) + box.height;
  for (long y = p.rect.y; y < bottom; y += p.rect.height)
    for (long x = p.rect.x; x < right; x += p.rect.width) {
      if (out.size() == limit) return out;
      out.push_back(MetaRect{static_cast<int>(x), static_cast<int>(y), p.rect.width, p.rect.height});
    }
  return out;
}

}  // namespace vex3d
