// The picture files render writes: the format named by --format or by the
// output file's extension, and the options of the formats.
//   --format png|jpeg|bmp|metafile|enhanced-metafile|standard-metafile|svg|pdf
//   --quality N (JPEG, 0 to 100)  --grayscale  --progressive  --optimize (JPEG)
//   --interlace (PNG)  --bits N (BMP and PNG: 1, 4, 8, 16, 24, 32)
#pragma once

#include <cstddef>
#include <span>

#include "restable.h"

namespace torvane3d_cli {

enum class PictureFormat : int {
  kPng = 1,
  kJpeg = 2,
  kBitmap = 3,
  kMetafile = 4,  // placeable
  kEnhancedMetafile = 5,
  kStandardMetafile = 6,
  kSvg = 7,
  kPdf = 8,
};

struct PictureOptions {
  const char *format = nullptr;  // --format NAME, or none: by the extension
  int quality = 75;
  bool grayscale = false, progressive = false, optimize = false, interlace = false;
  int bits = 0;  // 0: the picture's own
  bool png_options_given = false;
};

// Takes one of the options above at args[k] (moving k onto its value): 1
// when taken, 0 when args[k] is something else, -1 when its value is bad
// (said on stderr).
int take_picture_arg(const char *command, std::span<char *const> args, std::size_t &k, PictureOptions &o);

// The format of the output: --format, else the file's extension (.png,
// .jpg, .jpeg, .bmp, .wmf, .emf, .svg, .pdf; PNG for any other); false after
// a message when --format names none.
bool picture_format(const char *command, const char *out, const PictureOptions &o, PictureFormat &format);

// True when the plain PNG writer of every picture command does: PNG asked
// for without --interlace or --bits.
bool plain_png(PictureFormat format, const PictureOptions &o);

// Writes the graph's page as the file through the export calls; false
// after the engine's reason on stderr.
bool write_picture(Vex3dGraph *graph, const char *command, const char *out, PictureFormat format,
                   const PictureOptions &o);

}  // namespace torvane3d_cli
