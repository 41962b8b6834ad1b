// The picture deflater and its checksum, against zlib's own inflater and
// Adler-32 as the independent readers.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <optional>
#include <random>
#include <vector>

#include "adler32.h"
#include "picture_deflate.h"

namespace {

using namespace vex3d::platform;
using Bytes = std::vector<std::uint8_t>;

// Deflates rows of `line` bytes; the zlib stream.
Bytes deflate_rows(const Bytes &rows, std::size_t line, int pixel) {
  Bytes stream;
  PictureDeflater deflater(line, pixel, [&](const std::uint8_t *d, std::size_t n) {
    stream.insert(stream.end(), d, d + n);
    return true;
  });
  for (std::size_t at = 0; at < rows.size(); at += line) {
    std::memcpy(deflater.next_row(), rows.data() + at, line);
    EXPECT_TRUE(deflater.add_row());
  }
  EXPECT_TRUE(deflater.finish());
  return stream;
}

// zlib's reading of a stream: the bytes, or nothing when it is not a whole,
// valid stream (a wrong checksum included).
std::optional<Bytes> inflate_all(const Bytes &stream, std::size_t expected) {
  Bytes out(expected + 1);
  uLongf size = static_cast<uLongf>(out.size());
  if (uncompress(out.data(), &size, stream.data(), static_cast<uLong>(stream.size())) != Z_OK) return std::nullopt;
  out.resize(size);
  return out;
}

TEST(PictureDeflate, EveryKindOfPictureInflatesToItsRows) {
  std::mt19937 random(7);
  struct Case {
    const char *name;
    std::size_t width, height;
    int pixel;
    int kind;  // 0 flat, 1 noise, 2 stripes repeating rows, 3 runs of a few colours
  };
  const Case cases[] = {
      {"flat rgb", 1000, 40, 3, 0},           {"noise rgb", 300, 30, 3, 1}, {"stripes rgba", 257, 20, 4, 2},
      {"runs palette", 1000, 30, 1, 3},       {"one pixel", 1, 1, 3, 1},    {"one column", 1, 50, 4, 3},
      {"rows too far apart", 11000, 3, 3, 2},  // a row longer than deflate's window: no matches with the row above
  };
  for (const Case &c : cases) {
    const std::size_t line = 1 + c.width * static_cast<std::size_t>(c.pixel);
    Bytes rows(line * c.height);
    for (std::size_t y = 0; y < c.height; ++y) {
      std::uint8_t *row = rows.data() + y * line;
      row[0] = 0;
      for (std::size_t i = 1; i < line; ++i) {
        const std::size_t x = (i - 1) / static_cast<std::size_t>(c.pixel);
        switch (c.kind) {
          case 0: row[i] = static_cast<std::uint8_t>(0x40 + i % c.pixel); break;
          case 1: row[i] = static_cast<std::uint8_t>(random()); break;
          case 2: row[i] = static_cast<std::uint8_t>((y / 4) * 17 + x % 5); break;
          default: row[i] = static_cast<std::uint8_t>((x / (1 + random() % 50)) % 3 * 60); break;
        }
      }
    }
    const Bytes stream = deflate_rows(rows, line, c.pixel);
    const std::optional<Bytes> back = inflate_all(stream, rows.size());
    ASSERT_TRUE(back) << c.name;
    EXPECT_TRUE(*back == rows) << c.name;
    if (c.kind == 0) {
      EXPECT_LT(stream.size(), rows.size() / 50) << c.name << ": flat rows shrink to runs";
    }
  }
}

TEST(PictureDeflate, ARefusingSinkStopsTheDeflater) {
  constexpr std::size_t kLine = 1 + 3 * 4000;
  int calls = 0;
  PictureDeflater deflater(kLine, 3, [&](const std::uint8_t *, std::size_t) { return ++calls, false; });
  std::mt19937 random(3);
  bool ok = true;
  for (int y = 0; y < 40 && ok; ++y) {
    for (std::size_t i = 0; i < kLine; ++i) deflater.next_row()[i] = static_cast<std::uint8_t>(random());
    ok = deflater.add_row();
  }
  EXPECT_FALSE(ok) << "noise fills the output buffer and reaches the sink";
  EXPECT_FALSE(deflater.finish());
  EXPECT_EQ(calls, 1);
}

TEST(Adler32, AgreesWithZlibAtEveryLengthAndWorstCaseBytes) {
  std::mt19937 random(11);
  Bytes data(40000);
  for (auto &b : data) b = static_cast<std::uint8_t>(random());
  for (std::size_t n : {0, 1, 15, 16, 17, 31, 5551, 5552, 5553, 11104, 11105, 39999}) {
    EXPECT_EQ(adler32_update(1, data.data(), n), adler32(1, data.data(), static_cast<uInt>(n))) << n;
  }
  const Bytes ones(40000, 0xFF);  // the largest sums, right at the modulo's bound
  EXPECT_EQ(adler32_update(1, ones.data(), ones.size()), adler32(1, ones.data(), static_cast<uInt>(ones.size())));
  const std::uint32_t part = adler32_update(1, data.data(), 777);
  EXPECT_EQ(adler32_update(part, data.data() + 777, 20000), adler32(1, data.data(), 20777)) << "in pieces";
}

}  // namespace
