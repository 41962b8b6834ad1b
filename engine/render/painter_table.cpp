// The painter of each mode, as one table.
#include "painter_table.h"

#include <initializer_list>

#include "body_state.h"

namespace vex3d {
namespace {

using enum PaintStep;

struct PainterRow {
  int mode;
  std::initializer_list<PaintStep> steps;
};

const PainterRow kPainters[] = {
    {kModeMesh, {kErase, kMesh}},
    {kModeShaded, {kShade}},
    {kModeMesh | kModeShaded, {kShade, kMesh}},
    {kModeMesh | kModeZones, {kErase, kZonedMeshOrMesh}},
    {kModeShaded | kModeZones, {kZoneFillOrShade}},
    {kModeMesh | kModeShaded | kModeZones, {kZoneFillOrShade, kMesh}},
    {kModeMesh | kModeContours, {kErase, kMesh, kContourLines}},
    {kModeShaded | kModeContours, {kShade, kContourLines}},
    {kModeMesh | kModeShaded | kModeContours, {kShade, kMesh, kContourLines}},
    {kModeMesh | kModeZones | kModeContours, {kErase, kZonedMeshOrMesh, kContourLines}},
    {kModeShaded | kModeZones | kModeContours, {kZoneFillOrShade, kContourLines}},
    {kModeMesh | kModeShaded | kModeZones | kModeContours, {kZoneFillOrShade, kMesh, kContourLines}},
};

}  // namespace

Painter painter_for(int mode, bool hidden_lines) {
  Painter painter;
  for (const PainterRow &row : kPainters) {
    if (row.mode != mode) continue;
    for (PaintStep step : row.steps)
      if (!(hidden_lines && step == kErase)) painter.steps[painter.count++] = step;
  }
  return painter;
}

}  // namespace vex3d
