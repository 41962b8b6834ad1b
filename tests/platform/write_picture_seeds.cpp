// Writes the seed files of the picture fuzz target: one real file of every
// kind the loader accepts. Usage: write_picture_seeds FOLDER
#include <cstdio>
#include <string>

#include "encoded_files.h"
#include "picture_files.h"

using namespace picture_files;

namespace {

void write(const std::string &folder, const char *name, const Bytes &bytes) {
  const std::string path = folder + "/" + name;
  std::FILE *f = std::fopen(path.c_str(), "wb");
  if (!f) return;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
}

BitmapSpec spec(int bits, std::vector<int> palette, Bytes bottom, Bytes top, bool core = false) {
  BitmapSpec s;
  s.bits = bits;
  s.palette = std::move(palette);
  s.rows = {std::move(bottom), std::move(top)};
  s.core_header = core;
  return s;
}

}  // namespace

int main(int argc, char **argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  const std::vector<int> four = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
  write(dir, "bitmap1.bmp", bitmap(spec(1, {0, 0xFFFFFF}, {0x40}, {0x80})));
  write(dir, "bitmap4.bmp", bitmap(spec(4, four, {0x23}, {0x01})));
  write(dir, "bitmap8.bmp", bitmap(spec(8, four, {2, 3}, {0, 1})));
  write(dir, "bitmap8_core.bmp", bitmap(spec(8, four, {2, 3}, {0, 1}, true)));
  write(dir, "bitmap16.bmp", bitmap(spec(16, {}, {0x1F, 0, 0xFF, 0x7F}, {0, 0x7C, 0xE0, 3})));
  write(dir, "bitmap24.bmp", bitmap(spec(24, {}, {0xFF, 0, 0, 0xFF, 0xFF, 0xFF}, {0, 0, 0xFF, 0, 0xFF, 0})));
  write(dir, "picture.png", png_file(3, 2, std::vector<std::uint8_t>(24, 200)));
  write(dir, "picture.jpg", jpeg_file());

  std::vector<int> font = {0xFFF6, 0, 0, 0, 700, 1, 0, 0, 0};
  for (const int w : text_words("Arial")) font.push_back(w);
  std::vector<int> textout = {2};
  for (const int w : text_words("Hi")) textout.push_back(w);
  textout.insert(textout.end(), {5, 5});
  const std::vector<WmfRecord> records = {
      {0x020B, {0, 0}},
      {0x020C, {50, 100}},
      {0x02FA, {0, 3, 0, 0x00FF, 0}},
      {0x012D, {0}},
      {0x02FC, {0, 0, 0xFF, 0}},
      {0x012D, {1}},
      {0x041B, {15, 20, 5, 10}},
      {0x0418, {50, 100, 0, 0}},
      {0x0325, {3, 0, 0, 10, 0, 10, 10}},
      {0x0324, {3, 0, 0, 10, 0, 10, 10}},
      {0x001E, {}},
      {0x0416, {40, 40, 0, 0}},
      {0x02FB, font},
      {0x012D, {2}},
      {0x0521, textout},
      {0x0127, {0xFFFF}},
  };
  write(dir, "plain.wmf", plain_metafile(records));
  write(dir, "placeable.wmf", placeable_metafile(records, 0, 0, 1440, 720, 1440));

  Bytes text = words32({0, 0, 0, 0, 1, 0, 0, 30, 40, 2, 76, 0, 0, 0, 0, 0, 0});
  put16(text, 'O');
  put16(text, 'K');
  write(dir, "enhanced.emf",
        enhanced_metafile({{38, words32({1, 0, 2, 0, 0x00FF00})},
                           {37, words32({1})},
                           {39, words32({2, 0, 0x123456, 0})},
                           {37, words32({2})},
                           {43, words32({10, 10, 20, 20})},
                           {42, words32({0, 0, 100, 50})},
                           {86,
                            [] {
                              Bytes b = words32({0, 0, 0, 0, 3});
                              for (const int v : {0, 0, 10, 0, 10, 10}) put16(b, v);
                              return b;
                            }()},
                           {30, words32({0, 0, 50, 50})},
                           {84, text}},
                          100, 50));
  return 0;
}
