// A chart to export: a shaded, zoned, meshed surface with contour lines,
// and the raster picture of its page that every export is compared with.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "data.h"
#include "export.h"
#include "external_readers.h"
#include "graph_fixture.h"
#include "page.h"
#include "png_file.h"
#include "raster_context.h"
#include "scratch_dir.h"

class ExportTest : public ScratchDir {
 protected:
  static constexpr int kWidth = 400, kHeight = 300;

  void SetUp() override {
    ScratchDir::SetUp();
    constexpr int n = 25;
    const double step = 6.0 / (n - 1);
    data_.reset(Vex3dDataCreateGrid(n, n, 1e308, step, step, -3, -3, 1));
    ASSERT_TRUE(data_);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        const double x = -3 + i * step, y = -3 + j * step;
        data_->grid.values[i][j] = 3 * std::exp(-x * x - (y + 1) * (y + 1)) - std::exp(-(x - 1) * (x - 1) - y * y);
      }
    Vex3dSetValues(graph.get(), VEX3D_REPAINT, 0, VEX3D_WIDTH, kWidth, VEX3D_HEIGHT, kHeight, VEX3D_SURFACE_DATA,
                   data_.get(), VEX3D_DRAW_SHADED, 1, VEX3D_DRAW_ZONES, 1, VEX3D_DRAW_MESH, 1, VEX3D_DRAW_CONTOURS, 1,
                   0);
    reference = std::make_unique<vex3d::platform::RasterContext>(kWidth, kHeight);
    Vex3dDrawPage(graph.get(), reference.get(), VEX3D_CHANGE_ALL);
    if (std::getenv("TORVANE3D_KEEP_PICTURES")) vex3d::platform::write_png(path("reference.png"), reference->pixels());
  }

  // With TORVANE3D_KEEP_PICTURES naming a folder, what the test wrote is
  // copied there to be looked at.
  void TearDown() override {
    if (const char *keep = std::getenv("TORVANE3D_KEEP_PICTURES")) {
      std::error_code ec;
      std::filesystem::copy(
          dir(), keep, std::filesystem::copy_options::overwrite_existing | std::filesystem::copy_options::recursive,
          ec);
    }
    ScratchDir::TearDown();
  }

  // Files in the scratch folder (the test's own files left out).
  std::vector<std::string> files() const {
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(dir()))
      if (e.path().filename() != "reference.png") names.push_back(e.path().filename().string());
    return names;
  }

  // Pillow, as an independent reader: converts any picture it reads into a
  // PNG and prints "MODE WIDTH HEIGHT" and, when asked, an item of its info.
  std::string pillow(const std::string &file, const std::string &png, const std::string &info_key = "") {
    const std::string out = path("pillow.txt");
    const std::string script =
        "import sys\nfrom PIL import Image\nim = Image.open(sys.argv[1])\n"
        "print(im.mode, im.size[0], im.size[1], im.info.get(sys.argv[3]) if len(sys.argv) > 3 "
        "else '')\nim.convert('RGB').save(sys.argv[2])\n";
    std::vector<std::string> words{"/usr/bin/python3", "-c", script, file, png};
    if (!info_key.empty()) words.push_back(info_key);
    std::string line;
    for (const std::string &w : words) line += external::quoted(w) + " ";
    if (std::system((line + "> " + external::quoted(out) + " 2>/dev/null").c_str()) != 0) return "";
    std::string text = read(out);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
  }
  static bool have_pillow() { return std::system("/usr/bin/python3 -c 'import PIL' >/dev/null 2>&1") == 0; }

  GraphPtr graph = make_graph();
  DataPtr data_;
  std::unique_ptr<vex3d::platform::RasterContext> reference;
};
