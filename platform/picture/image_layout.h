// Where a picture goes in a box: the seven image layouts.
#pragma once

#include <cstddef>
#include <vector>

#include "metafile_canvas.h"

namespace vex3d {

// The seven layouts, numbered as a graph's image layouts store them.
enum class PictureLayout : int {
  kCentered = 1,
  kTiled = 2,
  kFitted = 3,
  kStretched = 4,
  kStretchedToWidth = 5,
  kStretchedToHeight = 6,
  kCropFitted = 7,
};

struct ImagePlacement {
  bool empty = true;  // nothing to draw
  // Where the whole picture is drawn, scaled to this rectangle. Tiled: the
  // first tile, repeated right and down from there.
  MetaRect rect;
  // Tiles are cut at the box; the drawing is clipped to the clip box anyway.
  bool tiled = false;
};

// The placement of a picture of natural size picture_width x picture_height
// in the box by the layout (a PictureLayout value; others place nothing).
// A picture without a size of its own (0 x 0) takes the box's size.
ImagePlacement place_image(int layout, int picture_width, int picture_height, const MetaRect &box);

// Every rectangle that receives a copy of the picture, at most `limit`
// (the tiles in rows from the top-left; an untiled placement has one).
std::vector<MetaRect> image_copies(const ImagePlacement &placement, const MetaRect &box, std::size_t limit);

}  // namespace vex3d
