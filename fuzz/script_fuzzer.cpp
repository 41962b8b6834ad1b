// Script statements on arbitrary input: every line is one statement of
// `torvane3d script` run on a new control by name through dispatch (paths,
// items, methods, values of every kind, event handlers), and the page is
// drawn into a small picture at the end. A statement may fail with its
// message; nothing may crash, overrun, hang or let an exception out.
// Statements that name the members reaching files or the network (loading,
// saving, pictures of the page, picture files) are skipped: the reader and
// writer targets are theirs.
#include <strings.h>

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "3dctl.h"
#include "page.h"
#include "script/script_runner.h"

namespace {

bool reaches_outside(std::string_view line) {
  static constexpr std::string_view kOutside[] = {"Load", "Save", "DrawToFile", "DataPath", "FileName"};
  for (std::string_view name : kOutside)
    for (std::size_t i = 0; i + name.size() <= line.size(); ++i)
      if (strncasecmp(line.data() + i, name.data(), name.size()) == 0) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
  static Vex3dDrawContext *raster = Vex3dCreateRasterContext(160, 120);
  auto chart = tc3d::Chart3D::create(nullptr, {160, 120});
  chart->open_window();
  std::ostringstream out, err;
  {
    torvane3d_cli::ScriptRunner runner(chart, out, err);
    const std::string_view script(reinterpret_cast<const char *>(bytes), size);
    int number = 0;
    for (std::size_t start = 0; start <= script.size();) {
      std::size_t end = script.find('\n', start);
      if (end == std::string_view::npos) end = script.size();
      const std::string_view line = script.substr(start, end - start);
      start = end + 1;
      ++number;
      if (!reaches_outside(line)) runner.run_line(line, number);
    }
  }
  Vex3dDrawPage(chart->graph(), raster, VEX3D_CHANGE_ALL);
  return 0;
}
