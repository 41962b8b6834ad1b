// The levels file reader on arbitrary bytes; what it reads is written out and
// read back, and must come back sorted and free of duplicates.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "data.h"
#include "dtable.h"
#include "text_file_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static ScratchFile input, output;
  char error[VEX3D_ERROR_SIZE];
  Vex3dDistnTable *table = Vex3dReadDistnTable(input.hold(data, size), error);
  if (!table) return 0;
  for (int i = 1; i < table->nlevels; ++i)
    if (!(table->levels[i - 1] < table->levels[i])) std::abort();
  if (Vex3dWriteDistnTable(table, output.name(), error) != 1) std::abort();
  Vex3dDistnTable *again = Vex3dReadDistnTable(output.name(), error);
  if (!again || again->nlevels > table->nlevels) std::abort();
  Vex3dFreeDistnTable(again);
  Vex3dFreeDistnTable(table);
  return 0;
}
