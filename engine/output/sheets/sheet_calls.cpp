// The public call of the check sheets: each drawn on a graph of its own into
// a raster or SVG context written into the caller's output.
#include <memory>

#include "boundary.h"
#include "engine_ptr.h"
#include "operations_sheet.h"
#include "output_file.h"
#include "png_file.h"
#include "raster_context.h"
#include "sheets.h"
#include "specimen_sheet.h"
#include "vector_context.h"
#include "w_render.h"

namespace vex3d {
namespace {

struct SheetRow {
  int sheet;
  int width, height;
  void (*draw)(Vex3dGraph *graph);
  bool prepare;  // the context is prepared as for a page drawing
};

constexpr SheetRow kSheets[] = {
    {Vex3dSheetOperations, kSheetWidth, kSheetHeight, draw_operations_sheet, true},
    {Vex3dSheetSpecimen, kSpecimenWidth, kSpecimenHeight, draw_specimen, false},
};

const SheetRow *sheet_row(int sheet) {
  for (const SheetRow &row : kSheets)
    if (row.sheet == sheet) return &row;
  return nullptr;
}

// Draws the sheet into the context; false when no graph could be made.
bool draw_into(const SheetRow &row, platform::DrawContext &context) {
  const GraphPtr graph(Vex3dCreateGraph());
  if (!graph) return false;
  const CurrentContextScope current(graph.get(), &context);
  if (row.prepare) prepare_context(graph.get());
  row.draw(graph.get());
  return true;
}

bool write_png_sheet(const SheetRow &row, platform::OutputFile &out) {
  platform::RasterContext raster(row.width, row.height);
  if (!draw_into(row, raster) || !raster.ok()) {
    out.fail("cannot draw the sheet");
    return false;
  }
  return platform::write_png(out, raster.pixels());
}

bool write_svg_sheet(const SheetRow &row, platform::OutputFile &out) {
  auto svg = platform::VectorContext::to_output(platform::VectorFormat::kSvg, out, row.width, row.height);
  if (svg->ok()) draw_into(row, *svg);
  if (svg->finish()) return true;
  out.fail("cannot complete the SVG document");
  return false;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" int Vex3dWriteSheet(int sheet, int svg, Vex3dOutputFile *out) {
  return guarded(__func__, [&]() -> int {
    if (!out) return 0;
    const SheetRow *row = sheet_row(sheet);
    if (!row) {
      out->fail("no such sheet");
      return 0;
    }
    return (svg ? write_svg_sheet(*row, *out) : write_png_sheet(*row, *out)) ? 1 : 0;
  });
}
