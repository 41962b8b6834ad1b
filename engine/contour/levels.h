// The levels in use, inside the engine.
#pragma once

#include <string>
#include <vector>

#include "restable.h"

namespace vex3d {

// The levels in use, computed first when they were dropped. The reference
// stays valid until the next change that drops them.
const std::vector<double> &levels_in_use(Vex3dGraph *graph);

// True when the levels in use are the user's table rather than computed.
bool levels_from_table(const Vex3dGraph *graph);

// Where z falls among ascending levels: the index of the first level greater
// than or equal to z, or the level count when there is none.
int zone_index(const std::vector<double> &levels, double z);

// The levels the legend shows, as inclusive indices into the levels in use
// (last < first when there are none). With the user's table and
// LEGEND_DISTN_RANGE DistnRangeData, they run from the last level below the
// distribution minimum through the first level above its maximum; otherwise
// every level.
struct LevelSpan {
  int first = 0;
  int last = -1;
};
LevelSpan legend_levels(Vex3dGraph *graph);

// A table made with malloc, as C callers free it (Vex3dFreeDistnTable); its
// array has room for one level. Null when memory runs out, with the reason in
// `failure`.
Vex3dDistnTable *make_distn_table(const std::vector<double> &levels, const char **failure);

// Decimal places that put the first significant digit of v in the last
// place; the small bias keeps exact powers of ten from falling one decade
// low. Zero, infinity and NaN have no significant digit: kNoSignificantDigit.
constexpr int kNoSignificantDigit = 1073741823;
int decimal_places(double v);

// The printf format that rounds the levels of [dmin, dmax] split by step:
// fixed-point ("%.3lf") or exponent ("%.2lE") with enough digits to show the
// first significant digit of the step.
std::string level_format(double dmin, double dmax, double step);

// The value read back from v printed with a level format.
double round_through_format(double v, const std::string &format);

}  // namespace vex3d
