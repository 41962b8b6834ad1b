// What the export calls share (export/).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "draw_context.h"
#include "graph.h"
#include "metafile_context.h"

namespace vex3d::platform {
class RasterContext;
}

namespace vex3d {

// Says why through the diagnostics; false.
bool export_failed(Vex3dGraph *graph, const std::string &why);
// True when the chart has a size that can be exported; says why not.
bool export_size_ok(Vex3dGraph *graph);
// The whole page drawn into the off-screen buffer, made for the chart's
// size; none (with the reason said) when it cannot be.
platform::RasterContext *render_offscreen(Vex3dGraph *graph);
// The whole page drawn into the box of a target, the chart's pixels mapped
// onto it.
bool draw_mapped(Vex3dGraph *graph, platform::DrawContext &target, const platform::Box &to);

// The whole page drawn into a metafile of the chart's size; empty when it
// cannot be.
std::vector<std::uint8_t> page_metafile(Vex3dGraph *graph, platform::MetafileFormat format);

}  // namespace vex3d
