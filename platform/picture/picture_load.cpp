// Which reader a file goes to, decided by its first bytes alone: the file's
// name and ending say nothing.
#include <cstdio>
#include <cstring>

#include "byte_reader.h"
#include "picture.h"

namespace vex3d {

FileSignature file_signature(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  const std::uint16_t w0 = in.u16(), w1 = in.u16(), w2 = in.u16();
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return FileSignature::kBitmap;
  if (in.ok() && w0 == 1 && w1 == 9 && w2 == 0x0300) return FileSignature::kPlainMetafile;
  ByteReader key(bytes);
  if (key.u32() == 0x9AC6CDD7u && key.ok()) return FileSignature::kPlaceableMetafile;
  if (bytes.size() >= 44 && std::memcmp(bytes.data() + 41, "EMF", 3) == 0) return FileSignature::kEnhancedMetafile;
  static constexpr std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 8) == 0) return FileSignature::kPng;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return FileSignature::kJpeg;
  return FileSignature::kNone;
}

std::unique_ptr<Picture> load_picture(std::span<const std::uint8_t> bytes) {
  switch (const FileSignature kind = file_signature(bytes)) {
    case FileSignature::kBitmap: return read_bitmap(bytes);
    case FileSignature::kPng: return read_png(bytes);
    case FileSignature::kJpeg: return read_jpeg(bytes);
    case FileSignature::kPlainMetafile:
    case FileSignature::kPlaceableMetafile:
    case FileSignature::kEnhancedMetafile: return read_metafile(bytes, kind);
    case FileSignature::kNone: break;
  }
  return nullptr;
}

std::unique_ptr<Picture> load_picture_file(const char *path, PictureRefusal *why) {
  PictureRefusal ignored;
  PictureRefusal &refusal = why ? *why : ignored;
  refusal = PictureRefusal::kCannotOpen;
  if (!path || !*path) return nullptr;
  std::FILE *f = std::fopen(path, "rb");
  if (!f) return nullptr;
  // Read in pieces up to the cap, so that an endless source (/dev/zero, a
  // FIFO) or a huge file is refused instead of filling memory.
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t n;
  refusal = PictureRefusal::kNone;
  while (refusal == PictureRefusal::kNone && (n = std::fread(chunk, 1, sizeof chunk, f)) > 0) {
    if (bytes.size() + n > kMaxPictureFileBytes) {
      refusal = PictureRefusal::kTooLarge;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
    // The first bytes tell whether it is a picture at all.
    if (bytes.size() == n && file_signature(bytes) == FileSignature::kNone) refusal = PictureRefusal::kNotAPicture;
  }
  if (refusal == PictureRefusal::kNone && std::ferror(f)) refusal = PictureRefusal::kCannotRead;
  std::fclose(f);
  if (refusal == PictureRefusal::kNone && bytes.empty()) refusal = PictureRefusal::kNotAPicture;
  if (refusal != PictureRefusal::kNone) return nullptr;
  std::unique_ptr<Picture> picture = load_picture(bytes);
  if (!picture) refusal = PictureRefusal::kDamaged;
  return picture;
}

const char *refusal_text(PictureRefusal why) {
  switch (why) {
    case PictureRefusal::kNone: return "is a picture";
    case PictureRefusal::kCannotOpen: return "cannot be opened";
    case PictureRefusal::kCannotRead: return "cannot be read";
    case PictureRefusal::kTooLarge: return "is larger than 256 MiB";
    case PictureRefusal::kNotAPicture: return "is not a picture (no bitmap, metafile, PNG or JPEG)";
    case PictureRefusal::kDamaged: return "is damaged or of a depth or kind not shown";
  }
  return "";
}

}  // namespace vex3d
