// The legend's content: its kind, its entries and their labels.
#pragma once

#include <string>

#include "graph.h"
#include "legend_content.h"

namespace vex3d {

// The kind of legend the settings call for (kNone when there is none).
LegendKind legend_kind(const Vex3dGraph *graph);

// The printf format of the labels: for the user's table, fixed with as many
// decimals as its levels print with (or an exponent form for very large or
// small spacings); for computed levels, from the decimal places of the step.
std::string legend_label_format(Vex3dGraph *graph);

// The entries of a legend of `kind`, lowest interval first, with their
// labels (built, from LEGEND_STRINGS, or from LEGEND_LABEL_FUNC) split into
// column pieces.
void build_legend_entries(Vex3dGraph *graph, LegendKind kind, LegendContent &content);

// The pieces of a label: text before the first escape is left-aligned; "\r",
// "\l" and "\c" start a right-aligned, left-aligned or centred piece.
std::vector<LabelPiece> split_label(const std::string &label);

}  // namespace vex3d
