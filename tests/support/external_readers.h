// Independent readers of the files we write: programs from the system
// (image converters, metafile and PDF renderers) run as separate processes,
// their output read back as pixels. A test whose reader is not installed is
// skipped, saying which program is missing.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "png_file.h"

namespace external {

// The argument as one shell word.
inline std::string quoted(const std::string &s) {
  std::string out = "'";
  for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

inline bool have(const std::string &program) {
  return std::system(("command -v " + quoted(program) + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a command line made of words; true when it exits with 0.
inline bool run(const std::vector<std::string> &words) {
  std::string line;
  for (const std::string &w : words) line += quoted(w) + " ";
  line += ">/dev/null 2>&1";
  return std::system(line.c_str()) == 0;
}

// wmf2svg writes pictures as xlink:href without declaring the namespace, and
// text in the metafile's 8-bit code page without saying so, which strict SVG
// readers refuse, and leaves polylines with SVG's default fill (black):
// declares the namespace, turns the text into UTF-8 and unfills polylines.
inline bool repair_wmf2svg_output(const std::string &svg) {
  std::ifstream in(svg, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  std::string text;
  for (const char c : all.str()) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x80) {
      text += c;
    } else {
      text += static_cast<char>(0xC0 | (u >> 6));
      text += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  for (std::size_t p = text.find("<polyline"); p != std::string::npos; p = text.find("<polyline", p + 1)) {
    const auto style = text.find("style=\"", p);
    if (style != std::string::npos) text.insert(style + 7, "fill:none; ");
  }
  const auto at = text.find("<svg ");
  if (!in || at == std::string::npos) return false;
  if (text.find("xmlns:xlink") == std::string::npos)
    text.insert(at + 5, "xmlns:xlink=\"http://www.w3.org/1999/xlink\" ");
  std::ofstream out(svg, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out);
}

// An SVG file rendered to PNG at its own size (rsvg-convert), then read.
inline bool svg_pixels(const std::string &svg, const std::string &png, vex3d::platform::Bitmap &out, int width = 0,
                       int height = 0) {
  std::vector<std::string> words{"rsvg-convert", "-b", "white"};
  if (width > 0) words.insert(words.end(), {"-w", std::to_string(width), "-h", std::to_string(height)});
  words.insert(words.end(), {"-o", png, svg});
  return run(words) && vex3d::platform::read_png(png, out);
}

// The share of pixels whose red, green or blue differ by more than
// `threshold` (alpha ignored; both shown over white). Sizes must agree.
inline double differing_share(const vex3d::platform::ImageView &a, const vex3d::platform::ImageView &b, int threshold) {
  if (a.width != b.width || a.height != b.height || a.width <= 0) return 1.0;
  long long differing = 0;
  const auto over_white = [](std::uint32_t p, int shift) {
    return static_cast<int>((p >> shift) & 0xFF) + 255 - static_cast<int>(p >> 24);
  };
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x) {
      const std::uint32_t p = a.pixels[static_cast<std::size_t>(y) * a.stride + x];
      const std::uint32_t q = b.pixels[static_cast<std::size_t>(y) * b.stride + x];
      for (const int shift : {0, 8, 16})
        if (std::abs(over_white(p, shift) - over_white(q, shift)) > threshold) {
          ++differing;
          break;
        }
    }
  return static_cast<double>(differing) / (static_cast<double>(a.width) * a.height);
}

}  // namespace external
