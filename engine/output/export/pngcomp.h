// PNG and JPEG images of a packed bitmap, made in memory; the caller writes
// them to their file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dib.h"

namespace vex3d {

// PNG of 8-bit channels: 8 bits per pixel with its colour table as the
// palette; 16 (5-5-5 expanded), 24 and 32 bits as truecolour; Adam7
// interlacing when asked. Other depths fail.
bool png_of_dib(const DibLayout &dib, bool interlace, std::vector<std::uint8_t> &png, std::string &error);

struct JpegOptions {
  int quality = 75;  // 0 to 100
  bool grayscale = false;
  bool optimize = false;
  bool progressive = false;
};

// JPEG of a bitmap of 8 (through its colour table), 16, 24 or 32 bits per
// pixel, one plane, uncompressed; the density from its resolution fields.
bool jpeg_of_dib(const DibLayout &dib, const JpegOptions &options, std::vector<std::uint8_t> &jpeg, std::string &error);

}  // namespace vex3d
