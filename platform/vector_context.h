// Vector contexts: SVG, PDF and PostScript, written to a file or a stream.
//
// Coordinates stay screen pixels (96 per inch); the page is sized so that
// the drawing keeps its size on paper (one pixel is 3/4 of a point). Every
// primitive stays a primitive.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "cairo_context.h"
#include "fonts.h"
#include "output_file.h"

namespace vex3d::platform {

enum class VectorFormat : int { kSvg = 1, kPdf = 2, kPostScript = 3 };

class VectorContext final : public CairoContext {
 public:
  // Receives the output piece by piece; false reports a failed write.
  using Writer = std::function<bool(const unsigned char *data, std::size_t size)>;

  // A page of width x height pixels written to a file through an OutputFile,
  // committed by finish(); the context has failed (ok() is false) when the
  // file cannot be written.
  static std::unique_ptr<VectorContext> to_file(VectorFormat format, const std::string &path, int width, int height);
  // The page written into an open output that the caller commits after
  // finish().
  static std::unique_ptr<VectorContext> to_output(VectorFormat format, OutputFile &out, int width, int height);
  static std::unique_ptr<VectorContext> to_stream(VectorFormat format, Writer writer, int width, int height);
  ~VectorContext() override;

  ContextKind kind() const override { return ContextKind::kVector; }
  int color_depth() const override { return 24; }
  double resolution() const override { return kScreenDpi; }

 protected:
  bool do_finish() override;

 private:
  struct Stream;
  VectorContext(_cairo *cr, Box bounds, std::unique_ptr<Stream> stream);
  std::unique_ptr<Stream> stream_;
};

// The format a file name asks for by its extension (.svg, .pdf, .ps, .eps),
// or none.
std::optional<VectorFormat> vector_format_of(const std::string &path);

}  // namespace vex3d::platform
