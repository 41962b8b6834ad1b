// Pieces of data sets shared by the operations that make them.
#pragma once

#include "types.h"

namespace vex3d {

// numx zero-filled rows of numy values (each array at least one element);
// null when memory runs out, with nothing left allocated.
double **make_value_rows(int numx, int numy);
// Frees rows 0 .. numx-1 and the row array; null is ignored.
void free_value_rows(double **values, int numx);
// Frees the points of series 0 .. nseries-1 and the series array.
void free_series(Vex3dSeries *series, int nseries);

}  // namespace vex3d
