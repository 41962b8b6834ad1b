// JPEG through libjpeg, compressed into memory. An error of the library
// ends the compression at once: its error handler jumps back here (the
// library's state is undefined if the handler returns into it), records the
// message, and the result is false.
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>

#include "pngcomp.h"

namespace vex3d {
namespace {

struct ErrorRecord {
  jpeg_error_mgr manager;
  std::jmp_buf back;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void record_error(j_common_ptr cinfo) {
  auto *record = reinterpret_cast<ErrorRecord *>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, record->message);
  std::longjmp(record->back, 1);
}

void no_output(j_common_ptr) {}

// The steps of the compression; only plain values live here, so that the
// jump back skips nothing that needs undoing.
bool compress(jpeg_compress_struct &cinfo, ErrorRecord &record, const DibLayout &dib, const JpegOptions &o,
              unsigned char **buffer, unsigned long *size, std::uint8_t *row) {
  if (setjmp(record.back)) return false;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = static_cast<JDIMENSION>(dib.width);
  cinfo.image_height = static_cast<JDIMENSION>(dib.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_default_colorspace(&cinfo);
  if (o.grayscale) jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
  cinfo.optimize_coding = o.optimize ? TRUE : FALSE;
  jpeg_set_quality(&cinfo, o.quality, FALSE);
  if (o.progressive) jpeg_simple_progression(&cinfo);
  if (dib.x_per_metre > 0 && dib.y_per_metre > 0) {
    cinfo.density_unit = 2;  // dots per centimetre
    cinfo.X_density = static_cast<UINT16>(dib.x_per_metre / 100);
    cinfo.Y_density = static_cast<UINT16>(dib.y_per_metre / 100);
  }
  jpeg_start_compress(&cinfo, TRUE);
  for (int y = 0; y < dib.height; ++y) {
    if (!dib_row_rgb(dib, y, row)) return false;
    JSAMPROW rows[1] = {row};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

bool jpeg_of_dib(const DibLayout &dib, const JpegOptions &o, std::vector<std::uint8_t> &out, std::string &error) {
  if (!dib.ok || dib.planes != 1 || dib.compression != 0) {
    error = "the bitmap is not an uncompressed one-plane bitmap";
    return false;
  }
  if (dib.bits == 8 && (dib.colors < 1 || dib.colors > 256)) {
    error = "the bitmap's colour table has " + std::to_string(dib.colors) + " entries";
    return false;
  }
  if (dib.bits != 8 && dib.bits != 16 && dib.bits != 24 && dib.bits != 32) {
    error = "a JPEG file cannot be made of " + std::to_string(dib.bits) + " bits per pixel";
    return false;
  }
  if (o.quality < 0 || o.quality > 100) {
    error = "the JPEG quality " + std::to_string(o.quality) + " is not 0 to 100";
    return false;
  }
  std::vector<std::uint8_t> row(static_cast<std::size_t>(dib.width) * 3);
  jpeg_compress_struct cinfo{};
  ErrorRecord record{};
  cinfo.err = jpeg_std_error(&record.manager);
  record.manager.error_exit = record_error;
  record.manager.output_message = no_output;
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  const bool ok = compress(cinfo, record, dib, o, &buffer, &size, row.data());
  jpeg_destroy_compress(&cinfo);
  if (ok && buffer) out.assign(buffer, buffer + size);
  std::free(buffer);
  if (!ok) error = record.message[0] ? record.message : "libjpeg could not write the picture";
  return ok;
}

}  // namespace vex3d
