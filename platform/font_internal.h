// What the cairo contexts need of a resolved font (platform only).
#pragma once

#include <cairo.h>

#include <mutex>

#include "fonts.h"

namespace vex3d::platform {

// Design values read once from the face, in font units.
struct FaceDesign {
  double units_per_em = 2048;
  double ascent = 0, descent = 0;  // the cell above and below the baseline
  double average_width = 0, max_advance = 0;
  double underline_position = 0, underline_thickness = 0;  // position below the baseline is negative
  double strikeout_position = 0, strikeout_thickness = 0;
};

struct Font::Impl {
  std::string family;
  int weight = 400;
  bool italic = false, underline = false, strikeout = false;
  double em_pixels = kDefaultEmPixels;
  FaceDesign design;
  cairo_font_face_t *face = nullptr;  // owned
  cairo_font_options_t *options = nullptr;  // owned

  // The scaled font last used for measuring, with its resolution.
  mutable std::mutex measuring;
  mutable cairo_scaled_font_t *measure_font = nullptr;
  mutable double measure_dpi = 0;

  ~Impl();
};

// The options every context draws and measures text with, so that a width
// measured anywhere is the width drawn.
cairo_font_options_t *new_text_options();

}  // namespace vex3d::platform
