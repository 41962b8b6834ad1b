// Chart labels on arbitrary settings: the first byte picks the chart (type,
// mesh, shading, solid surface, flat map) and a turn; every following line is
// one label step, its first byte picking a TEXT_ resource and the rest its
// text. Two labels share the steps (one by index, one by point), and the page
// is drawn into a small picture.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "data.h"
#include "page.h"
#include "restable.h"

namespace {

std::vector<int> text_resources() {
  std::vector<int> ids;
  for (int row = 0; row < Vex3dResourceCount(); ++row) {
    const int id = Vex3dResourceIdAt(row);
    // Picture files are the picture target's business.
    if (Vex3dResourceOwner(id) == VEX3D_OWNER_TEXT && id != VEX3D_TEXT_IMAGE) ids.push_back(id);
  }
  return ids;
}

Vex3dData *small_surface() {
  Vex3dData *data = Vex3dDataCreateGrid(12, 10, 1e308, 0.5, 0.5, -3, -2, 1);
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j < 10; ++j) data->grid.values[i][j] = (i == 5 && j == 4) ? 1e308 : std::sin(i * 0.7) * j;
  return data;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size) {
  if (size < 1) return 0;
  static const std::vector<int> ids = text_resources();
  static Vex3dData *data = small_surface();
  static Vex3dDrawContext *raster = Vex3dCreateRasterContext(160, 120);
  Vex3dGraph *graph = Vex3dCreateGraph();
  const int chart = bytes[0];
  Vex3dSetValues(graph, VEX3D_REPAINT, 0, VEX3D_WIDTH, 160, VEX3D_HEIGHT, 120, VEX3D_SURFACE_DATA, data, VEX3D_TYPE,
                 chart % 3, VEX3D_DRAW_MESH, (chart >> 2) & 1, VEX3D_DRAW_SHADED, (chart >> 3) & 1,
                 VEX3D_SOLID_SURFACE, (chart >> 4) & 1, VEX3D_ZROTATION, 45.0 * (chart >> 5), 0);
  Vex3dText *by_index = Vex3dCreateText(graph), *by_point = Vex3dCreateText(graph);
  Vex3dTextSetValues(by_index, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachIndex, 0);
  Vex3dTextSetValues(by_point, VEX3D_TEXT_ATTACH_METHOD, Vex3dAttachPoint, 0);
  const std::string rest(reinterpret_cast<const char *>(bytes + 1), size - 1);
  for (std::size_t start = 0; start < rest.size();) {
    std::size_t end = rest.find('\n', start);
    if (end == std::string::npos) end = rest.size();
    const std::string line = rest.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    const int id = ids[static_cast<unsigned char>(line[0]) % ids.size()];
    for (Vex3dText *label : {by_index, by_point}) Vex3dTextSetValueString(label, id, line.c_str() + 1);
  }
  Vex3dDrawPage(graph, raster, VEX3D_CHANGE_ALL);
  Vex3dDestroyGraph(graph);
  return 0;
}
