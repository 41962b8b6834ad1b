// Bitmap pictures: every accepted depth decodes to the right pixels and
// record sizes; core headers are converted; anything else is no picture.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include "encoded_files.h"

#include "picture.h"
#include "picture_files.h"

namespace {

using picture_files::BitmapSpec;
using picture_files::Bytes;
using picture_files::jpeg_file;
using picture_files::png_file;
using vex3d::load_picture;

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF,
                        kBlack = 0xFF000000;

struct DepthCase {
  int bits;
  std::vector<int> palette;
  Bytes bottom_row, top_row;
  std::uint32_t top_left, top_right, bottom_left, bottom_right;
  int palette_colors, row_bytes, stride;
};

// A 2 x 2 picture at each depth; colours from the file layout of that depth.
const DepthCase kDepths[] = {
    {24, {}, {0xFF, 0, 0, 0xFF, 0xFF, 0xFF}, {0, 0, 0xFF, 0, 0xFF, 0}, kRed, kGreen, kBlue, kWhite, 0, 6, 8},
    {16, {}, {0x1F, 0x00, 0xFF, 0x7F}, {0x00, 0x7C, 0xE0, 0x03}, kRed, kGreen, kBlue, kWhite, 0, 4, 4},
    {8, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}, {2, 3}, {0, 1}, kRed, kGreen, kBlue, kWhite, 256, 2, 4},
    {4, {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}, {0x23}, {0x01}, kRed, kGreen, kBlue, kWhite, 16, 2, 4},
    {1, {0x000000, 0xFFFFFF}, {0x40}, {0x80}, kWhite, kBlack, kBlack, kWhite, 2, 2, 4},
};

TEST(BitmapPicture, EveryAcceptedDepthDecodes) {
  for (const DepthCase &c : kDepths) {
    for (const bool core : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.bits << " bits, core header " << core);
      BitmapSpec spec;
      spec.bits = c.bits;
      spec.palette = c.palette;
      spec.core_header = core;
      spec.rows = {c.bottom_row, c.top_row};
      const auto pic = load_picture(picture_files::bitmap(spec));
      ASSERT_TRUE(pic);
      EXPECT_EQ(pic->kind, vex3d::PictureKind::kBitmap);
      EXPECT_EQ(pic->palette_colors, c.palette_colors);
      EXPECT_EQ(pic->row_bytes, c.row_bytes);
      EXPECT_EQ(pic->stride, c.stride);
      EXPECT_EQ(pic->image_size, 2 * c.stride);
      EXPECT_EQ(pic->header_size, 40 + 4 * c.palette_colors);
      ASSERT_EQ(pic->header.size(), static_cast<std::size_t>(pic->header_size));
      // Whatever the file had, the record holds an information header.
      EXPECT_EQ(pic->header[0], 40);
      EXPECT_EQ(pic->header[14], c.bits);
      const auto argb = vex3d::bitmap_argb(*pic);
      ASSERT_EQ(argb.size(), 4u);
      EXPECT_EQ(argb[0], c.top_left);
      EXPECT_EQ(argb[1], c.top_right);
      EXPECT_EQ(argb[2], c.bottom_left);
      EXPECT_EQ(argb[3], c.bottom_right);
    }
  }
}

TEST(BitmapPicture, TopDownRowsAreStoredBottomUp) {
  BitmapSpec spec;
  spec.height = -2;
  spec.rows = {{0, 0, 0xFF, 0, 0xFF, 0}, {0xFF, 0, 0, 0xFF, 0xFF, 0xFF}};  // top row first
  const auto pic = load_picture(picture_files::bitmap(spec));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->height, 2);
  const auto argb = vex3d::bitmap_argb(*pic);
  EXPECT_EQ(argb[0], kRed);
  EXPECT_EQ(argb[3], kWhite);
}

TEST(BitmapPicture, AShortPaletteLeavesTheRestBlack) {
  BitmapSpec spec;
  spec.bits = 8;
  spec.palette = {0x0000FF};
  spec.rows = {{0, 200}, {0, 0}};
  const auto pic = load_picture(picture_files::bitmap(spec));
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->palette_color(0), 0x0000FF);
  EXPECT_EQ(vex3d::bitmap_argb(*pic)[3], kBlack);
}

TEST(BitmapPicture, RefusesWhatIsNotAnAcceptedBitmap) {
  const Bytes row24 = {1, 2, 3, 4, 5, 6};
  struct Case {
    const char *what;
    BitmapSpec spec;
  };
  auto spec = [&](auto change) {
    BitmapSpec s;
    s.rows = {row24, row24};
    change(s);
    return s;
  };
  const Case cases[] = {
      {"32 bits per pixel", spec([](BitmapSpec &s) {
         s.bits = 32;
         s.rows = {Bytes(8), Bytes(8)};
       })},
      {"2 bits per pixel", spec([](BitmapSpec &s) {
         s.bits = 2;
         s.palette = {0, 1, 2, 3};
       })},
      {"compressed", spec([](BitmapSpec &s) { s.compression = 1; })},
      {"two planes", spec([](BitmapSpec &s) { s.planes = 2; })},
      {"no width", spec([](BitmapSpec &s) { s.width = 0; })},
      {"no height", spec([](BitmapSpec &s) { s.height = 0; })},
      {"more rows claimed than stored", spec([](BitmapSpec &s) { s.height = 3; })},
      {"wider than stored", spec([](BitmapSpec &s) { s.width = 3; })},
      {"a size past any memory", spec([](BitmapSpec &s) {
         s.width = 0x7FFFFFFF;
         s.height = 0x7FFFFFFF;
       })},
  };
  for (const Case &c : cases) EXPECT_FALSE(load_picture(picture_files::bitmap(c.spec))) << c.what;
}

TEST(BitmapPicture, EveryTruncationIsRefused) {
  BitmapSpec spec;
  spec.bits = 8;
  spec.palette = {0x0000FF, 0x00FF00};
  spec.rows = {{0, 1}, {1, 0}};
  const Bytes whole = picture_files::bitmap(spec);
  ASSERT_TRUE(load_picture(whole));
  for (std::size_t n = 0; n < whole.size(); ++n)
    EXPECT_FALSE(load_picture(std::span(whole.data(), n))) << n << " bytes";
}

TEST(BitmapPicture, LyingPixelOffsetIsRefused) {
  BitmapSpec spec;
  spec.rows = {Bytes(6), Bytes(6)};
  Bytes file = picture_files::bitmap(spec);
  picture_files::set32(file, 10, 0xFFFFFFF0);
  EXPECT_FALSE(load_picture(file));
}

TEST(PictureSignature, FirstBytesDecideTheKind) {
  using vex3d::FileSignature;
  Bytes emf(48, 0);
  std::memcpy(emf.data() + 40, " EMF", 4);
  struct Case {
    Bytes bytes;
    FileSignature kind;
  } cases[] = {
      {{'B', 'M'}, FileSignature::kBitmap},
      {{1, 0, 9, 0, 0, 3}, FileSignature::kPlainMetafile},
      {{2, 0, 9, 0, 0, 3}, FileSignature::kNone},  // a disk metafile starts with 2
      {{0xD7, 0xCD, 0xC6, 0x9A}, FileSignature::kPlaceableMetafile},
      {emf, FileSignature::kEnhancedMetafile},
      {{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, FileSignature::kPng},
      {{0xFF, 0xD8, 0xFF, 0xE0}, FileSignature::kJpeg},
      {{'!', ' ', 'd', 'a', 't', 'a'}, FileSignature::kNone},
      {{}, FileSignature::kNone},
      {{'B'}, FileSignature::kNone},
  };
  for (const Case &c : cases) EXPECT_EQ(vex3d::file_signature(c.bytes), c.kind) << c.bytes.size() << " bytes";
}

TEST(PictureFile, ATextFileOrAMissingFileIsNoPicture) {
  const std::string path = testing::TempDir() + "/not_a_picture.dat";
  std::FILE *f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  std::fputs("GRID 2 2\n1 2\n3 4\n", f);
  std::fclose(f);
  EXPECT_FALSE(vex3d::load_picture_file(path.c_str()));
  EXPECT_FALSE(vex3d::load_picture_file((testing::TempDir() + "/no_such_file.bmp").c_str()));
  EXPECT_FALSE(vex3d::load_picture_file(testing::TempDir().c_str()));  // a folder
  EXPECT_FALSE(vex3d::load_picture_file(nullptr));
}

TEST(PictureFile, AnEndlessOrHugeSourceIsRefusedWithoutReadingItAll) {
  // Before, /dev/zero was read until memory ran out and the allocation
  // failure left the drawing call as an exception.
  EXPECT_FALSE(vex3d::load_picture_file("/dev/zero"));
  // A bitmap header in front of more bytes than any picture may have.
  const std::string path = testing::TempDir() + "/huge.bmp";
  std::FILE *f = std::fopen(path.c_str(), "wb");
  ASSERT_TRUE(f);
  std::fputs("BM", f);
  ASSERT_EQ(std::fseek(f, static_cast<long>(vex3d::kMaxPictureFileBytes), SEEK_SET), 0);  // a sparse file
  std::fputc(0, f);
  std::fclose(f);
  EXPECT_FALSE(vex3d::load_picture_file(path.c_str()));
  std::remove(path.c_str());
}

// The PNG file's IHDR chunk with its CRC made right after the size changed.
Bytes with_png_size(Bytes file, std::uint32_t width, std::uint32_t height) {
  const auto put = [&](std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) file[at + k] = static_cast<std::uint8_t>(v >> (24 - 8 * k));
  };
  put(16, width);
  put(20, height);
  std::uint32_t crc = 0xFFFFFFFFu;  // over the chunk type and its 13 data bytes
  for (std::size_t k = 12; k < 12 + 4 + 13; ++k) {
    crc ^= file[k];
    for (int b = 0; b < 8; ++b) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  put(29, ~crc);
  return file;
}

TEST(PngPicture, ASizeItsBytesCannotHoldIsRefused) {
  const Bytes small = png_file(3, 3, std::vector<std::uint8_t>(36, 128));
  ASSERT_TRUE(load_picture(with_png_size(small, 3, 3))) << "the CRC is made right";
  // 8000 x 8000 pixels cannot come out of a hundred bytes: refused before
  // 192 MB are allocated for them (in a child process whose address space
  // has room for 64 MB more; the sanitizers' shadow memory needs more).
  EXPECT_FALSE(load_picture(with_png_size(small, 1, 8000000)));
#if !defined(__SANITIZE_ADDRESS__)
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    long pages = 0;
    if (std::FILE *statm = std::fopen("/proc/self/statm", "r")) {
      if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
      std::fclose(statm);
    }
    const rlim_t room = static_cast<rlim_t>(pages) * sysconf(_SC_PAGESIZE) + (rlim_t{64} << 20);
    const rlimit limit{room, room};
    setrlimit(RLIMIT_AS, &limit);
    _exit(load_picture(with_png_size(small, 8000, 8000)) ? 1 : 0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
#else
  EXPECT_FALSE(load_picture(with_png_size(small, 8000, 8000)));
#endif
}

TEST(PngPicture, DecodesToABitmapOverWhite) {
  const Bytes file = png_file(2, 1, {255, 0, 0, 255, 0, 0, 0, 0});  // red; fully transparent black
  const auto pic = load_picture(file);
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->kind, vex3d::PictureKind::kBitmap);
  EXPECT_EQ(pic->bits_per_pixel, 24);
  EXPECT_EQ(pic->width, 2);
  EXPECT_EQ(pic->height, 1);
  const auto argb = vex3d::bitmap_argb(*pic);
  EXPECT_EQ(argb[0], kRed);
  EXPECT_EQ(argb[1], kWhite);
}

TEST(PngPicture, TruncatedOrCorruptPixelsAreRefused) {
  const Bytes file = png_file(3, 3, std::vector<std::uint8_t>(36, 128));
  ASSERT_TRUE(load_picture(file));
  const std::string text(file.begin(), file.end());
  const std::size_t idat = text.find("IDAT"), iend = text.find("IEND");
  ASSERT_NE(idat, std::string::npos);
  // Every cut before the pixel data is complete (the end chunk may go).
  for (std::size_t n = 0; n + 4 < iend; ++n) EXPECT_FALSE(load_picture(std::span(file.data(), n))) << n;
  Bytes corrupt = file;
  corrupt[idat + 6] ^= 0x5A;
  EXPECT_FALSE(load_picture(corrupt));
}

TEST(JpegPicture, DecodesToABitmap) {
  const auto pic = load_picture(jpeg_file());
  ASSERT_TRUE(pic);
  EXPECT_EQ(pic->width, 16);
  EXPECT_EQ(pic->height, 8);
  const auto argb = vex3d::bitmap_argb(*pic);
  // Lossy: near red at the left edge, near blue at the right.
  const auto near = [](std::uint32_t c, int r, int g, int b) {
    return std::abs(int((c >> 16) & 0xFF) - r) < 24 && std::abs(int((c >> 8) & 0xFF) - g) < 24 &&
           std::abs(int(c & 0xFF) - b) < 24;
  };
  EXPECT_TRUE(near(argb[16 * 4], 255, 0, 0));
  EXPECT_TRUE(near(argb[16 * 4 + 15], 0, 0, 255));
}

TEST(JpegPicture, TruncatedIsRefused) {
  const Bytes file = jpeg_file();
  for (std::size_t n = 0; n < file.size(); n += 11) EXPECT_FALSE(load_picture(std::span(file.data(), n))) << n;
}

}  // namespace

TEST(PictureFile, PixelsAreConvertedOnceAPicture) {
  auto pic = vex3d::make_rgb_bitmap(3, 2);
  ASSERT_TRUE(pic);
  for (std::size_t k = 0; k < pic->bits.size(); ++k) pic->bits[k] = static_cast<std::uint8_t>(17 * k);
  const std::vector<std::uint32_t> &first = vex3d::converted_pixels(*pic);
  EXPECT_EQ(first, vex3d::bitmap_argb(*pic));
  EXPECT_EQ(&vex3d::converted_pixels(*pic), &first) << "a second drawing reuses the pixels";
  const auto again = vex3d::make_rgb_bitmap(3, 2);
  EXPECT_NE(&vex3d::converted_pixels(*again), &first) << "a new picture converts its own";
}
