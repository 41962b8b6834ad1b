// Vex3dDataRead: a data file into a new data set.
//
// The values are gathered while the file is read and the data set is made
// once they are all there, so a file that claims a huge grid but ends early
// costs no more memory than its text, and a failed read leaves nothing.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include "allocation.h"
#include "boundary.h"
#include "data.h"
#include "data_file.h"
#include "data_lexer.h"
#include "data_set.h"
#include "diagnostics.h"
#include "file_name.h"

namespace vex3d {
namespace {

// Values are gathered in chunks of this many before the vectors grow on their own.
constexpr long long kFirstReserve = 1 << 20;

struct Failure {
  std::string message;
  bool in_text = true;  // the text is at fault, at the lexer's line; not so when memory ran out
};

Failure no_memory(const char *text) { return Failure{text, false}; }

Failure failure(const char *format, ...) VEX3D_PRINTF(1, 2);
Failure failure(const char *format, ...) {
  char text[VEX3D_ERROR_SIZE];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return Failure{text};
}

// A count is read as a number and truncated toward zero; one that no int
// holds is as good as missing.
bool read_count(DataLexer &lexer, int &count) {
  double v;
  if (!lexer.read_number(v) || !(v > std::numeric_limits<int>::min() - 1.0) ||
      !(v < std::numeric_limits<int>::max() + 1.0))
    return false;
  count = static_cast<int>(v);
  return true;
}

long long cells(int numx, int numy) { return static_cast<long long>(numx) * numy; }

// A grid needs at least one point in each direction: one without is refused
// as soon as its counts are read, before anything is made for the other
// direction's points (a file of a few bytes could otherwise claim rows by
// the billion).
bool no_points(int numx, int numy, Failure &failed) {
  if (numx >= 1 && numy >= 1) return false;
  failed = failure("Grid of %d x %d points has none in one direction", numx, numy);
  return true;
}

// Reads n numbers; on a missing one returns how many were still expected.
long long read_numbers(DataLexer &lexer, long long n, std::vector<double> &into) {
  into.reserve(static_cast<std::size_t>(n < kFirstReserve ? n : kFirstReserve));
  for (long long k = 0; k < n; ++k) {
    double v;
    if (!lexer.read_number(v)) return n - k;
    into.push_back(v);
  }
  return 0;
}

void fill_rows(double **rows, const std::vector<double> &values, int numx, int numy) {
  for (int i = 0; i < numx; ++i)
    std::memcpy(rows[i], values.data() + static_cast<std::size_t>(i) * numy, sizeof(double) * numy);
}

Vex3dData *read_grid(DataLexer &lexer, Failure &failed) {
  int numx, numy;
  if (!read_count(lexer, numx) || !read_count(lexer, numy)) return failed = failure("Missing grid size"), nullptr;
  if (no_points(numx, numy, failed)) return nullptr;
  double p[5];  // hole, xstep, ystep, xorig, yorig
  for (double &v : p)
    if (!lexer.read_number(v)) return failed = failure("Missing grid parameters"), nullptr;
  std::vector<double> values;
  if (const long long missing = read_numbers(lexer, cells(numx, numy), values))
    return failed = failure("Missing %lld grid values", missing), nullptr;
  Vex3dData *data = Vex3dDataCreateGrid(numx, numy, p[0], p[1], p[2], p[3], p[4], 1);
  if (!data) return failed = no_memory("Can't allocate space for grid"), nullptr;
  fill_rows(data->grid.values, values, numx, numy);
  return data;
}

Vex3dData *read_irgrid(DataLexer &lexer, Failure &failed) {
  int numx, numy;
  if (!read_count(lexer, numx) || !read_count(lexer, numy)) return failed = failure("Missing grid size"), nullptr;
  if (no_points(numx, numy, failed)) return nullptr;
  double hole;
  if (!lexer.read_number(hole)) return failed = failure("Missing noval parameter"), nullptr;
  std::vector<double> xgrid, ygrid, values;
  if (const long long missing = read_numbers(lexer, numx, xgrid))
    return failed = failure("Missing %lld xgrid values", missing), nullptr;
  if (const long long missing = read_numbers(lexer, numy, ygrid))
    return failed = failure("Missing %lld ygrid values", missing), nullptr;
  if (const long long missing = read_numbers(lexer, cells(numx, numy), values))
    return failed = failure("Missing %lld grid values", missing), nullptr;
  Vex3dData *data = Vex3dDataCreateIrGrid(numx, numy, hole, 1);
  if (!data) return failed = no_memory("Can't allocate space for grid"), nullptr;
  if (!xgrid.empty()) std::memcpy(data->irgrid.xgrid, xgrid.data(), sizeof(double) * xgrid.size());
  if (!ygrid.empty()) std::memcpy(data->irgrid.ygrid, ygrid.data(), sizeof(double) * ygrid.size());
  fill_rows(data->irgrid.values, values, numx, numy);
  return data;
}

struct SeriesText {
  int npoints;
  std::vector<Vex3dPoint> points;
};

Vex3dData *read_points(DataLexer &lexer, Failure &failed) {
  int nseries;
  if (!read_count(lexer, nseries)) return failed = failure("Missing number of series"), nullptr;
  double hole;
  if (!lexer.read_number(hole)) return failed = failure("Missing noval parameter"), nullptr;
  std::vector<SeriesText> series;
  for (int s = 0; s < nseries; ++s) {
    SeriesText one{};
    if (!read_count(lexer, one.npoints)) return failed = failure("Missing number of points in series %d", s), nullptr;
    for (int k = 0; k < one.npoints; ++k) {
      Vex3dPoint pt;
      if (!lexer.read_number(pt.x) || !lexer.read_number(pt.y) || !lexer.read_number(pt.z))
        return failed = failure("Missing point values"), nullptr;
      one.points.push_back(pt);
    }
    series.push_back(std::move(one));
  }
  Vex3dData *data = Vex3dDataCreatePoint(nseries, 0, hole, 0);
  for (int s = 0; data && s < nseries; ++s) {
    Vex3dSeries &to = data->point.series[s];
    to.npoints = series[s].npoints;
    if (!(to.points = zero_array<Vex3dPoint>(to.npoints))) {
      Vex3dDataDestroy(data, 1);
      data = nullptr;
      break;
    }
    if (!series[s].points.empty())
      std::memcpy(to.points, series[s].points.data(), sizeof(Vex3dPoint) * series[s].points.size());
  }
  if (!data) failed = no_memory("Can't allocate space for point data");
  return data;
}

}  // namespace

Vex3dData *read_data_stream(std::FILE *file, const char *name, std::string &error, int *line) {
  if (line) *line = 0;
  DataLexer lexer(file);
  std::string keyword;
  if (!lexer.read_keyword(keyword)) {
    error = failure("File %s is empty??", name).message;
    return nullptr;
  }
  Failure failed;
  Vex3dData *data = nullptr;
  const char *out_of_memory = "Can't allocate space for grid";
  try {
    if (keyword == "GRID") {
      data = read_grid(lexer, failed);
    } else if (keyword == "IRGRID") {
      data = read_irgrid(lexer, failed);
    } else if (keyword == "POINT") {
      out_of_memory = "Can't allocate space for point data";
      data = read_points(lexer, failed);
    } else {
      failed = failure("Unrecognized graph type %s", keyword.c_str());
      failed.in_text = false;  // the message names the keyword
    }
  } catch (const std::bad_alloc &) {
    failed = no_memory(out_of_memory);
  }
  if (!data) error = failed.message;
  if (line) *line = !data && failed.in_text ? lexer.line() : 0;
  return data;
}

void route_error(const std::string &text, char *error) {
  if (error)
    std::snprintf(error, VEX3D_ERROR_SIZE, "%s", text.c_str());
  else
    message(nullptr, "%s\n", text.c_str());
}

}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dData *Vex3dDataRead(const char *file, char *error) { return Vex3dDataReadWithLine(file, error, nullptr); }

extern "C" Vex3dData *Vex3dDataReadWithLine(const char *file, char *error, int *line) {
  if (line) *line = 0;
  return guarded(__func__, [&]() -> Vex3dData * {
    if (!file) {
      route_error("Filename is NULL", error);
      return nullptr;
    }
    std::FILE *stream = std::fopen(expand_file_name(file).c_str(), "r");
    if (!stream) {
      route_error(failure("Unable to open %s", file).message, error);
      return nullptr;
    }
    std::string reason;
    Vex3dData *data = read_data_stream(stream, file, reason, line);
    std::fclose(stream);
    if (!data) route_error(reason, error);
    return data;
  });
}
