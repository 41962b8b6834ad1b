// Metafile pictures: the header checks that decide whether the bytes are a
// metafile this system can play, the size it is placed with, and playing it
// into a box.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "byte_reader.h"
#include "metafile_player.h"
#include "picture.h"

namespace vex3d {
namespace {

constexpr std::size_t kPlaceableHeaderSize = 22;
constexpr int kScreenDpi = 96;
constexpr double kHundredthsOfMmPerInch = 2540.0;

struct Frame {
  double x = 0, y = 0, width = 0, height = 0;
  bool valid() const { return width > 0 && height > 0; }
};

// The frame of a placeable metafile in its logical units and its units per inch.
Frame placeable_frame(std::span<const std::uint8_t> bytes, int &units_per_inch) {
  ByteReader in(bytes);
  in.skip(6);
  const int left = in.i16(), top = in.i16(), right = in.i16(), bottom = in.i16();
  units_per_inch = in.u16();
  if (units_per_inch == 0) units_per_inch = 1440;  // the usual twips
  return Frame{double(std::min(left, right)), double(std::min(top, bottom)), double(std::abs(right - left)),
               double(std::abs(bottom - top))};
}

bool plain_header_ok(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  const int type = in.u16(), words = in.u16();
  return in.ok() && (type == 1 || type == 2) && words == 9 && bytes.size() >= 18;
}

// The first window extent a plain metafile sets: its size in its own units.
Frame plain_window(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  in.seek(18);
  Frame f;
  while (in.remaining() >= 6) {
    const std::size_t start = in.offset();
    const std::uint64_t words = in.u32();
    const std::uint16_t function = in.u16();
    if (words < 3 || words * 2 > bytes.size() - start || function == 0) break;
    if (function == 0x020C && words >= 5) {
      f.height = std::abs(in.i16());
      f.width = std::abs(in.i16());
      return f;
    }
    in.seek(start + static_cast<std::size_t>(words * 2));
  }
  return f;
}

struct EnhancedHeader {
  Frame bounds;  // reference-device pixels
  Frame frame;   // hundredths of a millimetre
  double device_w = 0, device_h = 0, mm_w = 0, mm_h = 0;
};

bool enhanced_header(std::span<const std::uint8_t> bytes, EnhancedHeader &h) {
  ByteReader in(bytes);
  const std::uint32_t type = in.u32(), size = in.u32();
  const int bl = in.i32(), bt = in.i32(), br = in.i32(), bb = in.i32();
  const int fl = in.i32(), ft = in.i32(), fr = in.i32(), fb = in.i32();
  in.skip(32);  // signature, version, bytes, records, handles, description
  h.device_w = in.i32();
  h.device_h = in.i32();
  h.mm_w = in.i32();
  h.mm_h = in.i32();
  if (!in.ok() || type != 1 || size < 88 || size > bytes.size()) return false;
  h.bounds = Frame{double(bl), double(bt), double(br) - bl + 1, double(bb) - bt + 1};
  h.frame = Frame{double(fl), double(ft), double(fr) - fl, double(fb) - ft};
  return true;
}

// The enhanced metafile's frame in reference-device pixels.
Frame enhanced_device_frame(const EnhancedHeader &h) {
  if (h.frame.valid() && h.device_w > 0 && h.device_h > 0 && h.mm_w > 0 && h.mm_h > 0) {
    const double kx = h.device_w / (h.mm_w * 100.0), ky = h.device_h / (h.mm_h * 100.0);
    return Frame{h.frame.x * kx, h.frame.y * ky, h.frame.width * kx, h.frame.height * ky};
  }
  return h.bounds.valid() ? h.bounds : Frame{};
}

int to_pixels(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1e6))); }

}  // namespace

std::unique_ptr<Picture> read_metafile(std::span<const std::uint8_t> bytes, FileSignature kind) {
  auto pic = std::make_unique<Picture>();
  switch (kind) {
    case FileSignature::kPlainMetafile: {
      if (!plain_header_ok(bytes)) return nullptr;
      pic->kind = PictureKind::kPlainMetafile;
      const Frame window = plain_window(bytes);
      pic->pixel_width = to_pixels(window.width);
      pic->pixel_height = to_pixels(window.height);
      break;
    }
    case FileSignature::kPlaceableMetafile: {
      if (bytes.size() < kPlaceableHeaderSize || !plain_header_ok(bytes.subspan(kPlaceableHeaderSize))) return nullptr;
      pic->kind = PictureKind::kPlaceableMetafile;
      int per_inch = 0;
      const Frame f = placeable_frame(bytes, per_inch);
      pic->pixel_width = to_pixels(f.width * kScreenDpi / per_inch);
      pic->pixel_height = to_pixels(f.height * kScreenDpi / per_inch);
      break;
    }
    case FileSignature::kEnhancedMetafile: {
      EnhancedHeader h;
      if (!enhanced_header(bytes, h)) return nullptr;
      pic->kind = PictureKind::kEnhancedMetafile;
      if (h.frame.valid()) {
        pic->pixel_width = to_pixels(h.frame.width * kScreenDpi / kHundredthsOfMmPerInch);
        pic->pixel_height = to_pixels(h.frame.height * kScreenDpi / kHundredthsOfMmPerInch);
      } else if (h.bounds.valid()) {
        pic->pixel_width = to_pixels(h.bounds.width);
        pic->pixel_height = to_pixels(h.bounds.height);
      }
      break;
    }
    default: return nullptr;
  }
  pic->metafile.assign(bytes.begin(), bytes.end());
  return pic;
}

int play_metafile(const Picture &picture, const MetaRect &box, MetafileCanvas &canvas, PlayBudget &budget) {
  MetafilePlayer player(canvas, box, budget);
  const std::span<const std::uint8_t> bytes = picture.metafile;
  switch (picture.kind) {
    case PictureKind::kPlainMetafile: return play_plain_metafile(bytes, MetaRect{}, false, player);
    case PictureKind::kPlaceableMetafile: {
      if (bytes.size() < kPlaceableHeaderSize) return 0;
      int per_inch = 0;
      const Frame f = placeable_frame(bytes, per_inch);
      const MetaRect frame{static_cast<int>(f.x), static_cast<int>(f.y), static_cast<int>(f.width),
                           static_cast<int>(f.height)};
      return play_plain_metafile(bytes.subspan(kPlaceableHeaderSize), frame, f.valid(), player);
    }
    case PictureKind::kEnhancedMetafile: {
      EnhancedHeader h;
      if (!enhanced_header(bytes, h)) return 0;
      const Frame f = enhanced_device_frame(h);
      player.set_frame(f.x, f.y, f.width, f.height);
      return play_enhanced_metafile(bytes, player);
    }
    case PictureKind::kBitmap: break;
  }
  return 0;
}

}  // namespace vex3d
