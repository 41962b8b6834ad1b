// The styles file reader on arbitrary bytes; what it reads is written out and
// read back, and must come back as many styles with the same widths and
// patterns.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ctable.h"
#include "data.h"
#include "text_file_input.h"

namespace {

int count(Vex3dContourStyle *const *styles) {
  int n = 0;
  while (styles[n]) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static ScratchFile input, output;
  char error[VEX3D_ERROR_SIZE];
  Vex3dContourStyle **styles = Vex3dReadContourStyles(input.hold(data, size), error);
  if (!styles) return 0;
  if (Vex3dWriteContourStyles(styles, output.name(), error) != 1) std::abort();
  Vex3dContourStyle **again = Vex3dReadContourStyles(output.name(), error);
  if (!again || count(again) != count(styles)) std::abort();
  for (int i = 0; styles[i]; ++i)
    if (again[i]->line_width != styles[i]->line_width || again[i]->line_pattern != styles[i]->line_pattern)
      std::abort();
  Vex3dFreeContourStyles(again);
  Vex3dFreeContourStyles(styles);
  return 0;
}
