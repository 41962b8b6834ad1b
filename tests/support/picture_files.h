// Small picture files built byte by byte from the published layouts, for
// tests and fuzz seeds: bitmap files of every depth, plain, placeable and
// enhanced metafiles made of the records a test names.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace picture_files {

using Bytes = std::vector<std::uint8_t>;

inline void put16(Bytes &b, int v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void put32(Bytes &b, std::int64_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
inline void set32(Bytes &b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct BitmapSpec {
  int width = 2, height = 2;  // a negative height stores the rows top-down
  int bits = 24;
  bool core_header = false;
  std::vector<int> palette;  // 0xBBGGRR colours
  std::vector<Bytes> rows;   // packed row bytes (no padding), bottom row first as stored
  std::uint32_t compression = 0;
  int planes = 1;
};

// A bitmap file. Rows are padded to 32 bits here.
inline Bytes bitmap(const BitmapSpec &s) {
  Bytes body;
  const int header = s.core_header ? 12 : 40;
  put32(body, header);
  if (s.core_header) {
    put16(body, s.width);
    put16(body, s.height);
    put16(body, s.planes);
    put16(body, s.bits);
  } else {
    put32(body, s.width);
    put32(body, s.height);
    put16(body, s.planes);
    put16(body, s.bits);
    put32(body, s.compression);
    put32(body, 0);
    put32(body, 2835);
    put32(body, 2835);
    put32(body, static_cast<std::int64_t>(s.palette.size()));
    put32(body, 0);
  }
  for (const int c : s.palette) {
    body.push_back(static_cast<std::uint8_t>(c >> 16));
    body.push_back(static_cast<std::uint8_t>(c >> 8));
    body.push_back(static_cast<std::uint8_t>(c));
    if (!s.core_header) body.push_back(0);
  }
  const std::size_t offset = 14 + body.size();
  for (const Bytes &row : s.rows) {
    body.insert(body.end(), row.begin(), row.end());
    while ((body.size() - (offset - 14)) % 4) body.push_back(0);
  }
  Bytes file{'B', 'M'};
  put32(file, static_cast<std::int64_t>(14 + body.size()));
  put32(file, 0);
  put32(file, static_cast<std::int64_t>(offset));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

// ---- plain metafiles: records of 16-bit words

struct WmfRecord {
  int function;
  std::vector<int> words;  // parameters
};

inline Bytes plain_metafile(const std::vector<WmfRecord> &records, int objects = 8) {
  Bytes b;
  put16(b, 1);
  put16(b, 9);
  put16(b, 0x0300);
  put32(b, 0);  // size in words, patched below
  put16(b, objects);
  put32(b, 0);
  put16(b, 0);
  auto add = [&b](int function, const std::vector<int> &words) {
    put32(b, static_cast<std::int64_t>(3 + words.size()));
    put16(b, function);
    for (const int w : words) put16(b, w);
  };
  for (const WmfRecord &r : records) add(r.function, r.words);
  add(0, {});
  set32(b, 6, static_cast<std::uint32_t>(b.size() / 2));
  return b;
}

inline Bytes placeable_metafile(const std::vector<WmfRecord> &records, int left, int top, int right, int bottom,
                                int per_inch) {
  Bytes b;
  put32(b, 0x9AC6CDD7);
  put16(b, 0);
  put16(b, left);
  put16(b, top);
  put16(b, right);
  put16(b, bottom);
  put16(b, per_inch);
  put32(b, 0);
  put16(b, 0);
  const Bytes body = plain_metafile(records);
  b.insert(b.end(), body.begin(), body.end());
  return b;
}

// Text as the words of a record: bytes paired little-endian, padded to even.
inline std::vector<int> text_words(const std::string &text) {
  std::vector<int> words;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const int lo = static_cast<std::uint8_t>(text[i]);
    const int hi = i + 1 < text.size() ? static_cast<std::uint8_t>(text[i + 1]) : 0;
    words.push_back(lo | (hi << 8));
  }
  return words;
}

// ---- enhanced metafiles: records of 32-bit words

struct EmfRecord {
  std::uint32_t type;
  Bytes body;  // after type and size
};

inline Bytes words32(std::initializer_list<std::int64_t> values) {
  Bytes b;
  for (const auto v : values) put32(b, v);
  return b;
}

// An enhanced metafile whose frame is (0,0)-(w,h) reference pixels, on a
// reference device of 1000 x 1000 pixels and 100 x 100 millimetres
// (so one pixel is 10 hundredths of a millimetre).
inline Bytes enhanced_metafile(const std::vector<EmfRecord> &records, int w, int h, int handles = 8) {
  Bytes b;
  put32(b, 1);
  put32(b, 88);
  for (const int v : {0, 0, w - 1, h - 1}) put32(b, v);    // bounds, inclusive
  for (const int v : {0, 0, w * 10, h * 10}) put32(b, v);  // frame, 0.01 mm
  put32(b, 0x464D4520);                                    // " EMF"
  put32(b, 0x10000);
  put32(b, 0);  // bytes, patched below
  put32(b, static_cast<std::int64_t>(records.size() + 2));
  put16(b, handles);
  put16(b, 0);
  put32(b, 0);
  put32(b, 0);
  put32(b, 0);
  for (const int v : {1000, 1000, 100, 100}) put32(b, v);
  for (const EmfRecord &r : records) {
    put32(b, r.type);
    put32(b, static_cast<std::int64_t>(8 + r.body.size()));
    b.insert(b.end(), r.body.begin(), r.body.end());
  }
  put32(b, 14);
  put32(b, 20);
  put32(b, 0);
  put32(b, 0);
  put32(b, 20);
  set32(b, 48, static_cast<std::uint32_t>(b.size()));
  return b;
}

}  // namespace picture_files
