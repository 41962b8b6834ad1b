/* Owning pointers for the records a C++ caller of the engine frees: each
 * record goes back through its own engine call, on every way out. A data set
 * is freed with its arrays; the other records as their free call says. */
#ifndef TORVANE3D_ENGINE_PTR_H
#define TORVANE3D_ENGINE_PTR_H

#ifndef __cplusplus
#error "engine_ptr.h is for C++ callers; C callers free records with the calls named in each header"
#endif

#include <memory>

#include "ctable.h"
#include "data.h"
#include "dtable.h"
#include "out_file.h"
#include "page.h"
#include "restable.h"
#include "xycolors.h"

namespace vex3d {

// The one deleter of engine records; null is ignored.
struct RecordDeleter {
  void operator()(Vex3dGraph *graph) const { Vex3dDestroyGraph(graph); }
  void operator()(Vex3dText *text) const { Vex3dDestroyText(text); }
  void operator()(Vex3dFont *font) const { Vex3dDestroyFont(font); }
  void operator()(Vex3dData *data) const { Vex3dDataDestroy(data, 1); }
  void operator()(Vex3dDistnTable *table) const { Vex3dFreeDistnTable(table); }
  // A null-terminated array of styles (or of colour assignments) and its records.
  void operator()(Vex3dContourStyle **styles) const { Vex3dFreeContourStyles(styles); }
  void operator()(Vex3dXYColor **colors) const { Vex3dFreeXYColors(colors); }
  void operator()(Vex3dDrawContext *context) const { Vex3dDestroyDrawContext(context); }
  void operator()(Vex3dOutputFile *out) const { Vex3dCloseOutputFile(out); }
};

using GraphPtr = std::unique_ptr<Vex3dGraph, RecordDeleter>;
using TextPtr = std::unique_ptr<Vex3dText, RecordDeleter>;
using FontPtr = std::unique_ptr<Vex3dFont, RecordDeleter>;
using DataPtr = std::unique_ptr<Vex3dData, RecordDeleter>;
using DistnTablePtr = std::unique_ptr<Vex3dDistnTable, RecordDeleter>;
using ContourStylesPtr = std::unique_ptr<Vex3dContourStyle *, RecordDeleter>;
using XYColorsPtr = std::unique_ptr<Vex3dXYColor *, RecordDeleter>;
using DrawContextPtr = std::unique_ptr<Vex3dDrawContext, RecordDeleter>;
using OutputFilePtr = std::unique_ptr<Vex3dOutputFile, RecordDeleter>;

}  // namespace vex3d

#endif
