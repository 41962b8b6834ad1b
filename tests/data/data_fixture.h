// Files and data sets for the data tests.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "data.h"
#include "engine_ptr.h"

using vex3d::DataPtr;

// A scratch folder of its own per test, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder() {
    char pattern[] = "/tmp/torvane3d-data-XXXXXX";
    path_ = mkdtemp(pattern);
  }
  ~ScratchFolder() { std::system(("rm -rf '" + path_ + "'").c_str()); }
  const std::string &path() const { return path_; }
  std::string file(const std::string &name) const { return path_ + "/" + name; }
  // Writes the text into a file of the folder and returns its path.
  std::string write(const std::string &name, const std::string &text) const {
    std::ofstream(file(name), std::ios::binary) << text;
    return file(name);
  }

 private:
  std::string path_;
};

inline std::string read_whole(const std::string &path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Reads a text through Vex3dDataRead; the error text lands in `error`.
inline DataPtr read_text(const ScratchFolder &dir, const std::string &text, std::string &error) {
  const std::string path = dir.write("in.dat", text);
  char buffer[VEX3D_ERROR_SIZE] = "";
  DataPtr data(Vex3dDataRead(path.c_str(), buffer));
  error = buffer;
  return data;
}

// A regular grid whose value at (i, j) is given by f.
template <class F>
DataPtr make_grid(int numx, int numy, F f, double hole = -99, double xstep = 1, double ystep = 1, double xorig = 0,
                  double yorig = 0) {
  DataPtr d(Vex3dDataCreateGrid(numx, numy, hole, xstep, ystep, xorig, yorig, 1));
  for (int i = 0; i < numx; ++i)
    for (int j = 0; j < numy; ++j) d->grid.values[i][j] = f(i, j);
  return d;
}
