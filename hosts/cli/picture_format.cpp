#include "picture_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "export.h"
#include "messages.h"

namespace torvane3d_cli {
namespace {

struct FormatRow {
  PictureFormat format;
  const char *name;
  const char *extensions[2];
};

constexpr FormatRow kFormats[] = {
    {PictureFormat::kPng, "png", {".png", nullptr}},
    {PictureFormat::kJpeg, "jpeg", {".jpg", ".jpeg"}},
    {PictureFormat::kBitmap, "bmp", {".bmp", nullptr}},
    {PictureFormat::kMetafile, "metafile", {".wmf", nullptr}},
    {PictureFormat::kEnhancedMetafile, "enhanced-metafile", {".emf", nullptr}},
    {PictureFormat::kStandardMetafile, "standard-metafile", {nullptr, nullptr}},
    {PictureFormat::kSvg, "svg", {".svg", nullptr}},
    {PictureFormat::kPdf, "pdf", {".pdf", nullptr}},
};

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

std::string format_names() {
  std::string names;
  for (const FormatRow &row : kFormats) names += (names.empty() ? "" : ", ") + std::string(row.name);
  return names;
}

bool read_int(const char *text, int low, int high, int &value) {
  char *end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end || v < low || v > high) return false;
  value = static_cast<int>(v);
  return true;
}

}  // namespace

int take_picture_arg(const char *command, std::span<char *const> args, std::size_t &k, PictureOptions &o) {
  const std::string arg = args[k];
  const bool has_value = k + 1 < args.size();
  if (arg == "--grayscale") {
    o.grayscale = true;
  } else if (arg == "--progressive") {
    o.progressive = true;
  } else if (arg == "--optimize") {
    o.optimize = true;
  } else if (arg == "--interlace") {
    o.interlace = o.png_options_given = true;
  } else if (arg == "--format" && has_value) {
    o.format = args[++k];
  } else if (arg == "--quality" && has_value) {
    // Any integer: the JPEG writer says which it takes.
    if (!read_int(args[++k], -1000000, 1000000, o.quality)) {
      std::fprintf(stderr, "torvane3d %s: --quality takes a whole number, not '%s'\n", command,
                   printable(args[k]).c_str());
      return -1;
    }
  } else if (arg == "--bits" && has_value) {
    // Every whole number is passed on: the writers refuse the depths they cannot make.
    if (!read_int(args[++k], 0, 64, o.bits)) {
      std::fprintf(stderr, "torvane3d %s: --bits takes 1, 4, 8, 16, 24 or 32, not '%s'\n", command,
                   printable(args[k]).c_str());
      return -1;
    }
    o.png_options_given = true;
  } else {
    return 0;
  }
  return 1;
}

bool picture_format(const char *command, const char *out, const PictureOptions &o, PictureFormat &format) {
  if (o.format) {
    for (const FormatRow &row : kFormats)
      if (lower(o.format) == row.name) {
        format = row.format;
        return true;
      }
    std::fprintf(stderr, "torvane3d %s: --format takes one of %s, not '%s'\n", command, format_names().c_str(),
                 printable(o.format).c_str());
    return false;
  }
  const std::string name = lower(out);
  for (const FormatRow &row : kFormats)
    for (const char *ext : row.extensions)
      if (ext && name.size() > std::strlen(ext) && name.ends_with(ext)) {
        format = row.format;
        return true;
      }
  // Any other name (and standard output) gets what render always wrote.
  format = PictureFormat::kPng;
  return true;
}

bool plain_png(PictureFormat format, const PictureOptions &o) {
  return format == PictureFormat::kPng && !o.png_options_given;
}

bool write_picture(Vex3dGraph *graph, const char *command, const char *out, PictureFormat format,
                   const PictureOptions &o) {
  if (std::strcmp(out, "-") == 0) {
    std::fprintf(stderr, "torvane3d %s: this format is written to a file only, not to standard output\n", command);
    return false;
  }
  int written = 0;
  const Messages said = messages_of(graph, [&] {
    switch (format) {
      case PictureFormat::kPng: written = Vex3dSavePngBits(graph, out, o.interlace, o.bits); break;
      case PictureFormat::kJpeg:
        written = Vex3dSaveJpeg(graph, out, o.quality, o.grayscale, o.optimize, o.progressive);
        break;
      case PictureFormat::kBitmap: written = Vex3dDrawToFileBits(graph, out, VEX3D_FORMAT_BITMAP, o.bits); break;
      case PictureFormat::kMetafile: written = Vex3dDrawToFile(graph, out, VEX3D_FORMAT_METAFILE); break;
      case PictureFormat::kEnhancedMetafile:
        written = Vex3dDrawToFile(graph, out, VEX3D_FORMAT_ENHANCED_METAFILE);
        break;
      case PictureFormat::kStandardMetafile:
        written = Vex3dDrawToFile(graph, out, VEX3D_FORMAT_STANDARD_METAFILE);
        break;
      case PictureFormat::kSvg: written = Vex3dSaveSvg(graph, out); break;
      case PictureFormat::kPdf: written = Vex3dSavePdf(graph, out); break;
    }
  });
  if (written) {
    say(warnings_in(said));
    return true;
  }
  say(said);
  std::fprintf(stderr, "torvane3d %s: cannot write %s\n", command, printable(out).c_str());
  return false;
}

}  // namespace torvane3d_cli
