// The seven image layouts, in a box at (10, 20) of 200 x 100 pixels.
#include <gtest/gtest.h>

#include "image_layout.h"
#include "restable.h"

namespace {

using vex3d::MetaRect;

const MetaRect kBox{10, 20, 200, 100};

struct Case {
  const char *what;
  int layout;
  int width, height;  // of the picture
  MetaRect expected;
};

const Case kCases[] = {
    {"centred, smaller than the box", Vex3dImageLayoutCentered, 50, 40, {85, 50, 50, 40}},
    {"centred, larger than the box", Vex3dImageLayoutCentered, 300, 200, {-40, -30, 300, 200}},
    {"stretched", Vex3dImageLayoutStretched, 7, 3, {10, 20, 200, 100}},
    {"to width: height follows the aspect", Vex3dImageLayoutStretchedToWidth, 100, 100, {10, -30, 200, 200}},
    {"to height: width follows the aspect", Vex3dImageLayoutStretchedToHeight, 100, 100, {60, 20, 100, 100}},
    {"fitted, tall picture: to height", Vex3dImageLayoutFitted, 50, 100, {85, 20, 50, 100}},
    {"crop-fitted, tall picture: to width", Vex3dImageLayoutCropFitted, 50, 100, {10, -130, 200, 400}},
    {"fitted, very wide picture: to width", Vex3dImageLayoutFitted, 400, 100, {10, 45, 200, 50}},
    {"crop-fitted, very wide picture: to height", Vex3dImageLayoutCropFitted, 400, 100, {-90, 20, 400, 100}},
    {"fitted, wide picture fitting the height", Vex3dImageLayoutFitted, 150, 100, {35, 20, 150, 100}},
    {"a picture without a size takes the box's", Vex3dImageLayoutCentered, 0, 0, {10, 20, 200, 100}},
};

TEST(ImageLayout, PlacesThePictureByTheLayout) {
  for (const Case &c : kCases) {
    const auto p = vex3d::place_image(c.layout, c.width, c.height, kBox);
    ASSERT_FALSE(p.empty) << c.what;
    EXPECT_FALSE(p.tiled) << c.what;
    EXPECT_EQ(p.rect, c.expected) << c.what;
  }
}

TEST(ImageLayout, TilesStartAtTheTopLeftAndCoverTheBox) {
  const auto p = vex3d::place_image(Vex3dImageLayoutTiled, 80, 60, kBox);
  ASSERT_TRUE(p.tiled);
  const auto tiles = vex3d::image_copies(p, kBox, 100);
  const std::vector<MetaRect> expected = {{10, 20, 80, 60}, {90, 20, 80, 60}, {170, 20, 80, 60},
                                          {10, 80, 80, 60}, {90, 80, 80, 60}, {170, 80, 80, 60}};
  EXPECT_EQ(tiles, expected);
  EXPECT_EQ(vex3d::image_copies(p, kBox, 4).size(), 4u);
}

TEST(ImageLayout, NothingToPlace) {
  EXPECT_TRUE(vex3d::place_image(0, 10, 10, kBox).empty) << "unknown layout";
  EXPECT_TRUE(vex3d::place_image(Vex3dImageLayoutCentered, 10, 10, MetaRect{0, 0, 0, 50}).empty) << "empty box";
  EXPECT_TRUE(vex3d::place_image(Vex3dImageLayoutTiled, 10, 0, kBox).empty) << "picture without height";
  EXPECT_TRUE(vex3d::image_copies(vex3d::ImagePlacement{}, kBox, 10).empty());
}

}  // namespace
