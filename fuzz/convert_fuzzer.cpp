// Every text converter and Vex3dSetValueString on arbitrary bytes. The first
// byte picks the resource; the rest is the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "convert.h"
#include "restable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  if (size < 1) return 0;
  static Vex3dGraph *graph = Vex3dCreateGraph();
  const int row = data[0] % Vex3dResourceCount();
  const int id = Vex3dResourceIdAt(row);
  const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);
  // Data, levels and styles texts name files: not this target's business.
  const int type = (id >> 8) & 0xFF;
  if (type == VEX3D_TYPE_Data || type == VEX3D_TYPE_DistnTable || type == VEX3D_TYPE_ContourStyles) return 0;

  if (auto converted = vex3d::from_text(type, text.c_str())) vex3d::to_text(type, converted->value);
  if (Vex3dSetValueString(graph, id, text.c_str())) {
    char *back = nullptr;
    if (Vex3dGetValueString(graph, id, &back)) std::free(back);
  }
  vex3d::parse_color(text);
  vex3d::parse_font(text);
  return 0;
}
