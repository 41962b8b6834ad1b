// Vex3dDataWrite: a data set as text, in the layout the reader reads.
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "boundary.h"
#include "data.h"
#include "data_file.h"
#include "file_name.h"
#include "number_text.h"
#include "output_file.h"

namespace vex3d {
namespace {

// Buffered output: the text is made in memory and written in large pieces.
class TextOut {
 public:
  explicit TextOut(platform::OutputFile &file) : file_(file), buffer_(new char[kSize]) {}
  ~TextOut() { flush(); }
  TextOut(const TextOut &) = delete;
  TextOut &operator=(const TextOut &) = delete;

  void text(const char *s) {
    const std::size_t n = std::strlen(s);
    room(n);
    std::memcpy(buffer_.get() + used_, s, n);
    used_ += n;
  }
  void ch(char c) {
    room(1);
    buffer_[used_++] = c;
  }
  void integer(int v) {
    room(16);
    used_ += static_cast<std::size_t>(std::snprintf(buffer_.get() + used_, 16, "%d", v));
  }
  // "%.14g" followed by `after`.
  void number(double v, char after) {
    room(kNumberTextSize + 1);
    char *end = format_g14(buffer_.get() + used_, v);
    *end++ = after;
    used_ = static_cast<std::size_t>(end - buffer_.get());
  }

 private:
  static constexpr std::size_t kSize = 1 << 20;
  void room(std::size_t n) {
    if (used_ + n > kSize) flush();
  }
  void flush() {
    if (used_) file_.write(buffer_.get(), used_);
    used_ = 0;
  }
  platform::OutputFile &file_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
};

// Rows of numy values, each value followed by a blank, a line feed after
// every tenth value of a row and at the end of each row.
void write_rows(TextOut &out, double *const *values, int numx, int numy) {
  for (int i = 0; i < numx; ++i) {
    for (int j = 0; j < numy; ++j) {
      out.number(values[i][j], ' ');
      if ((j + 1) % 10 == 0) out.ch('\n');
    }
    out.ch('\n');
  }
}

// Grid coordinates: a line feed before the first and before every tenth.
void write_coordinates(TextOut &out, const double *grid, int n) {
  for (int k = 0; k < n; ++k) {
    if (k % 10 == 0) out.ch('\n');
    out.number(grid[k], ' ');
  }
}

void write_header(TextOut &out, const char *keyword, int a, int b, bool two) {
  out.text(keyword);
  out.ch(' ');
  out.integer(a);
  if (two) {
    out.ch(' ');
    out.integer(b);
  }
  out.ch('\n');
}

// The arrays the layout needs; a data set missing one cannot be written.
const char *missing_arrays(const Vex3dData &data) {
  auto rows_missing = [](double *const *values, int numx) -> const char * {
    if (numx > 0 && !values) return "No data values allocated";
    for (int i = 0; i < numx; ++i)
      if (!values[i]) return "Not enough data values allocated";
    return nullptr;
  };
  switch (data.type) {
    case VEX3D_DATA_GRID: return rows_missing(data.grid.values, data.grid.numx);
    case VEX3D_DATA_IRGRID: {
      const Vex3dIrGridData &g = data.irgrid;
      if ((g.numx > 0 && !g.xgrid) || (g.numy > 0 && !g.ygrid)) return "Grid points not allocated";
      return rows_missing(g.values, g.numx);
    }
    case VEX3D_POINT: {
      const Vex3dPointData &p = data.point;
      if (p.nseries > 0 && !p.series) return "Series memory not allocated";
      for (int s = 0; s < p.nseries; ++s)
        if (p.series[s].npoints > 0 && !p.series[s].points) return "Points memory not allocated for series";
      return nullptr;
    }
    default: return "Data is neither VEX3D_DATA_GRID, VEX3D_DATA_IRGRID, nor VEX3D_POINT";
  }
}

void write_data(TextOut &out, const Vex3dData &data) {
  switch (data.type) {
    case VEX3D_DATA_GRID: {
      const Vex3dGridData &g = data.grid;
      write_header(out, "GRID", g.numx, g.numy, true);
      out.number(g.hole, '\n');
      out.number(g.xstep, ' ');
      out.number(g.ystep, '\n');
      out.number(g.xorig, ' ');
      out.number(g.yorig, '\n');
      write_rows(out, g.values, g.numx, g.numy);
      break;
    }
    case VEX3D_DATA_IRGRID: {
      const Vex3dIrGridData &g = data.irgrid;
      write_header(out, "IRGRID", g.numx, g.numy, true);
      out.number(g.hole, '\n');
      write_coordinates(out, g.xgrid, g.numx);
      write_coordinates(out, g.ygrid, g.numy);
      out.ch('\n');
      write_rows(out, g.values, g.numx, g.numy);
      break;
    }
    case VEX3D_POINT: {
      const Vex3dPointData &p = data.point;
      write_header(out, "POINT", p.nseries, 0, false);
      out.number(p.hole, '\n');
      for (int s = 0; s < p.nseries; ++s) {
        const Vex3dSeries &series = p.series[s];
        out.integer(series.npoints);
        out.ch('\n');
        for (int k = 0; k < series.npoints; ++k) {
          out.number(series.points[k].x, ' ');
          out.number(series.points[k].y, ' ');
          out.number(series.points[k].z, ' ');
          out.ch('\n');
        }
      }
      break;
    }
    default: break;
  }
}

}  // namespace

bool write_data(platform::OutputFile &out, const Vex3dData *data, std::string &refusal) {
  const char *refused = data ? missing_arrays(*data) : "No data set to write";
  if (refused) {
    refusal = refused;
    return false;
  }
  TextOut text(out);
  write_data(text, *data);
  return true;
}

}  // namespace vex3d

using namespace vex3d;

extern "C" int Vex3dDataWrite(const Vex3dData *data, const char *file, char *error) {
  return guarded(__func__, [&]() -> int {
    if (!file) {
      route_error("Filename is NULL", error);
      return 0;
    }
    platform::OutputFile out;
    if (!out.open(expand_file_name(file))) {
      route_error(std::string("Unable to write to ") + file, error);
      return 0;
    }
    std::string refusal;
    const bool written = write_data(out, data, refusal);
    // A refused data set leaves the file created empty, as it always has.
    if (!out.commit()) {
      route_error(std::string("Unable to write to ") + file + ": " + out.error(), error);
      return 0;
    }
    if (!written) route_error(refusal, error);
    return written ? 1 : 0;
  });
}

extern "C" int Vex3dDataWriteTo(const Vex3dData *data, Vex3dOutputFile *out) {
  return guarded(__func__, [&]() -> int {
    if (!out) return 0;
    std::string refusal;
    if (write_data(*out, data, refusal)) return 1;
    out->fail(refusal);
    return 0;
  });
}
