// Reading and writing a 1000 x 1000 GRID file (about 17 MB of text), beside
// the two baselines it is measured against in the same run: strtod over the
// same tokens, and snprintf("%.14g") of the same values. Throughput is in
// bytes of file text per second of processor time, which other work on a
// shared machine disturbs less than the wall clock.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "data.h"

namespace {

constexpr int kSide = 1000;

// One grid and its file, made once for every benchmark of the run.
struct GridFile {
  Vex3dData *data = nullptr;
  std::string path, text;

  GridFile() {
    data = Vex3dDataCreateGrid(kSide, kSide, -99999, 0.5, 0.25, -250, 100, 1);
    for (int i = 0; i < kSide; ++i)
      for (int j = 0; j < kSide; ++j) data->grid.values[i][j] = std::sin(i * 0.01) * std::cos(j * 0.013) * 1000.0;
    char folder[] = "/tmp/torvane3d-bench-XXXXXX";
    path = std::string(mkdtemp(folder)) + "/grid.dat";
    Vex3dDataWrite(data, path.c_str(), nullptr);
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    text = s.str();
  }
  ~GridFile() {
    Vex3dDataDestroy(data, 1);
    std::remove(path.c_str());
    rmdir(path.substr(0, path.rfind('/')).c_str());
  }
};

GridFile &grid_file() {
  static GridFile file;
  return file;
}

void DataRead(benchmark::State &state) {
  const GridFile &file = grid_file();
  for (auto _ : state) {
    Vex3dData *data = Vex3dDataRead(file.path.c_str(), nullptr);
    if (!data) state.SkipWithError("the file did not read");
    benchmark::DoNotOptimize(data);
    Vex3dDataDestroy(data, 1);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long>(file.text.size()));
}

// Baseline: strtod alone over the text already in memory.
void StrtodBaseline(benchmark::State &state) {
  const GridFile &file = grid_file();
  for (auto _ : state) {
    const char *p = file.text.c_str();
    p += 4;  // "GRID"
    double sum = 0;
    for (char *end;; p = end) {
      const double v = std::strtod(p, &end);
      if (end == p) break;
      sum += v;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long>(file.text.size()));
}

void DataWrite(benchmark::State &state) {
  const GridFile &file = grid_file();
  const std::string out = file.path + ".out";
  for (auto _ : state)
    if (!Vex3dDataWrite(file.data, out.c_str(), nullptr)) state.SkipWithError("the file did not write");
  std::remove(out.c_str());
  state.SetBytesProcessed(state.iterations() * static_cast<long>(file.text.size()));
}

// Baseline: snprintf("%.14g ") of every value into memory, no file.
void SnprintfBaseline(benchmark::State &state) {
  const GridFile &file = grid_file();
  std::string buffer(file.text.size() + 64, '\0');
  for (auto _ : state) {
    std::size_t used = 0;
    for (int i = 0; i < kSide; ++i)
      for (int j = 0; j < kSide; ++j)
        used += static_cast<std::size_t>(std::snprintf(&buffer[used], 64, "%.14g ", file.data->grid.values[i][j]));
    benchmark::DoNotOptimize(buffer.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long>(file.text.size()));
}

BENCHMARK(DataRead)->Unit(benchmark::kMillisecond);
BENCHMARK(StrtodBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(DataWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(SnprintfBaseline)->Unit(benchmark::kMillisecond);

}  // namespace
