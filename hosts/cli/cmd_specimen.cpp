// torvane3d specimen -o OUT.png: the fonts of 3D text on one sheet (see
// sheets.h), for a person to check that each font is what its name says.
#include <cstdio>
#include <string>

#include "commands.h"
#include "output.h"
#include "sheets.h"

namespace torvane3d_cli {

int run_specimen(std::span<char *const> args) {
  if (args.size() != 2 || std::string(args[0]) != "-o") {
    std::fprintf(stderr, "usage: torvane3d specimen -o OUT.png\n");
    return 2;
  }
  const vex3d::OutputFilePtr out = open_output("specimen", args[1]);
  if (!out) return 1;
  Vex3dWriteSheet(Vex3dSheetSpecimen, 0, out.get());
  return commit_output(out.get(), "specimen", args[1]) ? 0 : 1;
}

}  // namespace torvane3d_cli
