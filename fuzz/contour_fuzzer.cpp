// Contour tracing and zone pieces on arbitrary small grids and levels. Each
// byte stands for a value: mostly small multiples of 1/8, so that values and
// levels meet exactly, and some special ones (NaN, infinities, the hole,
// huge and tiny numbers). Every zone piece must stay within 8 vertices, and
// where the values are finite the pieces of a cell must cover it exactly.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "contour_result.h"
#include "zone_pieces.h"

namespace {

constexpr double kHole = -1e300;

double value_of(std::uint8_t b) {
  static const double kSpecial[16] = {std::numeric_limits<double>::quiet_NaN(),
                                      HUGE_VAL,
                                      -HUGE_VAL,
                                      kHole,
                                      1e308,
                                      -1e308,
                                      std::numeric_limits<double>::denorm_min(),
                                      std::numeric_limits<double>::max(),
                                      0,
                                      0.5,
                                      1,
                                      -1,
                                      1e-300,
                                      3,
                                      0.125,
                                      2};
  return b >= 0xF0 ? kSpecial[b & 15] : (int(b) - 120) / 8.0;
}

void check(bool ok) {
  if (!ok) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 4) return 0;
  const int nx = 1 + data[0] % 12, ny = 1 + data[1] % 12, nlevels = data[2] % 24;
  const bool tidy_levels = data[3] & 1, zone_source = data[3] & 2;
  std::size_t at = 4;
  auto next = [&] { return at < size ? value_of(data[at++]) : 0.0; };

  std::vector<double> x(static_cast<std::size_t>(nx)), y(static_cast<std::size_t>(ny));
  for (int i = 0; i < nx; ++i) x[std::size_t(i)] = i;
  for (int j = 0; j < ny; ++j) y[std::size_t(j)] = j;
  std::vector<std::vector<double>> values(static_cast<std::size_t>(nx), std::vector<double>(static_cast<std::size_t>(ny)));
  bool finite = true;
  for (auto &row : values)
    for (double &v : row) {
      v = next();
      finite = finite && std::isfinite(v) && v != kHole && std::fabs(v) < 1e100;
    }
  std::vector<double> levels;
  for (int k = 0; k < nlevels; ++k) levels.push_back(next());
  if (tidy_levels) {
    std::erase_if(levels, [](double v) { return std::isnan(v); });
    std::sort(levels.begin(), levels.end());
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
  }

  std::vector<const double *> rows;
  for (auto &row : values) rows.push_back(row.data());
  const vex3d::GridWindow window{nx, ny, x.data(), y.data(), rows.data(), kHole};
  const vex3d::GridWindow surface{nx, ny, x.data(), y.data(), rows.data(), kHole};
  vex3d::ContourResult result;
  const vex3d::ContourStatus status =
      vex3d::compute_contours({window, zone_source ? &surface : nullptr, levels, true}, result);
  if (status != vex3d::ContourStatus::kDone) return 0;

  for (const Vex3dContourLine &line : result.lines) {
    int points = 0;
    for (const Vex3dContourPoint *p = line.first; p; p = p->next, ++points)
      check(p->x >= 0 && p->x <= nx - 1 && p->y >= 0 && p->y <= ny - 1);
    check(points >= 2);
  }
  std::vector<vex3d::PieceVertex> scratch;
  for (int i = 0; i + 1 < nx; ++i)
    for (int j = 0; j + 1 < ny; ++j)
      for (const auto method : {vex3d::ZoneMethod::kContours, vex3d::ZoneMethod::kCells}) {
        double covered = 0;
        const bool zoned = vex3d::zone_pieces(result, window, i, j, method, [&](std::span<const vex3d::PieceVertex> p, int zone) {
          check(p.size() >= 3 && p.size() <= 8 && zone >= 0 && zone <= int(levels.size()));
          double twice = 0;
          for (std::size_t k = 0; k < p.size(); ++k)
            twice += p[k].x * p[(k + 1) % p.size()].y - p[(k + 1) % p.size()].x * p[k].y;
          covered += std::fabs(0.5 * twice);
        });
        if (zoned && finite) check(std::fabs(covered - 1) < 1e-9);
        vex3d::zoned_mesh_pieces(result, window, i, j, method, 15, scratch,
                                 [&](const vex3d::PieceVertex &, const vex3d::PieceVertex &, int zone) {
                                   check(zone >= 0 && zone <= int(levels.size()));
                                 });
      }
  return 0;
}
