// torvane3d script [--load FILE.tc3] [--data DATAFILE] [--size WxH] [-o FILE.png] [FILE|-]:
// runs statements on a new control (see script/script_runner.h), given the
// data file's surface first when there is one; -o then saves the page as
// PNG, as the script's own SaveImageAsPng would.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "commands.h"
#include "engine_ptr.h"
#include "script/script_runner.h"
#include "steps.h"

namespace torvane3d_cli {

int run_script(std::span<char *const> args) {
  const char *file = nullptr, *picture = nullptr, *data_file = nullptr;
  tc3d::ControlExtent extent{800, 600};
  for (std::size_t i = 0; i < args.size(); ++i) {
    const char *a = args[i];
    if (!std::strcmp(a, "--size") && i + 1 < args.size()) {
      if (std::sscanf(args[++i], "%dx%d", &extent.width, &extent.height) != 2 || extent.width < 1 ||
          extent.height < 1 || extent.width > 8192 || extent.height > 8192) {
        std::fprintf(stderr, "torvane3d script: --size wants WxH, each side 1 to 8192\n");
        return 2;
      }
    } else if (!std::strcmp(a, "--data") && i + 1 < args.size()) {
      data_file = args[++i];
    } else if (!std::strcmp(a, "-o") && i + 1 < args.size()) {
      picture = args[++i];
    } else if (!std::strcmp(a, "--load") && i + 1 < args.size()) {
      std::fprintf(stderr, "torvane3d script: loading a saved chart (%s) is not available in this build\n", args[++i]);
      return 1;
    } else if (!file) {
      file = a;
    } else {
      std::fprintf(stderr, "torvane3d script: one script at a time ('%s' and '%s')\n", file, a);
      return 2;
    }
  }
  std::ifstream in;
  if (file && std::strcmp(file, "-")) {
    in.open(file);
    if (!in) {
      std::fprintf(stderr, "torvane3d script: cannot read %s\n", file);
      return 1;
    }
  }
  // The data set stays with the command while the control draws it.
  vex3d::DataPtr data;
  if (data_file) {
    data.reset(read_data("script", data_file));
    if (!data) return 1;
  }
  try {
    auto chart = tc3d::Chart3D::create(nullptr, extent);
    chart->set_extent(extent.width, extent.height);
    chart->open_window();
    if (data && !set_surface_data(chart->graph(), data.get(), "script", data_file)) return 1;
    ScriptRunner runner(chart, std::cout, std::cerr);
    const int failures = runner.run(in.is_open() ? static_cast<std::istream &>(in) : std::cin);
    std::cout.flush();
    if (picture && !chart->save_image_as_png(picture, false)) {
      std::fprintf(stderr, "torvane3d script: cannot write %s\n", picture);
      return 1;
    }
    return failures ? 1 : 0;
  } catch (const tc3d::Error &e) {
    std::fprintf(stderr, "torvane3d script: %s\n", e.description().c_str());
    return 1;
  }
}

int run_typelib(std::span<char *const> args) {
  if (!args.empty()) {
    std::fprintf(stderr, "torvane3d typelib: takes no arguments\n");
    return 2;
  }
  tc3d::print_type_library(tc3d::type_library(), std::cout);
  return 0;
}

}  // namespace torvane3d_cli
