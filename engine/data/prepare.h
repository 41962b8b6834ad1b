// The prepared form in which the graph holds a data set.
#pragma once

#include "graph.h"

namespace vex3d {

// Fills the record from the data set: counts, hole and the data set's own
// arrays (not copied); a regular grid's coordinates are computed into the
// record. Coordinates are computed only for a data set that passed
// validation, so a corrupt count costs nothing. Null data leaves type 0.
void prepare_data_info(Vex3dDataInfo &info, const Vex3dData *data, bool valid);

// Frees the computed coordinates and clears type and valid.
void release_data_info(Vex3dDataInfo &info);

}  // namespace vex3d
