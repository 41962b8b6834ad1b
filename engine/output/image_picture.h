// The picture an image record shows, once loaded. The frame keeps a layer's
// state in the record; the picture itself is the platform's, so it is held
// here.
#pragma once

#include <memory>

#include "graph.h"
#include "picture.h"

namespace vex3d {

struct ImagePicture final : LayerState {
  explicit ImagePicture(std::unique_ptr<Picture> p) : picture(std::move(p)) {}
  std::unique_ptr<Picture> picture;
};

// The record's picture, or null before it is loaded.
inline const Picture *image_picture(const ImageRecord &image) {
  const auto *held = dynamic_cast<const ImagePicture *>(image.picture.get());
  return held ? held->picture.get() : nullptr;
}

inline void set_image_picture(ImageRecord &image, std::unique_ptr<Picture> picture) {
  image.picture = std::make_unique<ImagePicture>(std::move(picture));
}

}  // namespace vex3d
