// Vex3dDataRead on arbitrary bytes: the file is an in-memory file opened by
// its name, so the whole path from the name to the data set is exercised.
// A data set that reads is handed to a graph (validation and ranges), then
// written and read back, which must give the same layout and counts.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "data.h"
#include "restable.h"

namespace {

// An in-memory file and the name that opens it.
struct MemoryFile {
  int fd;
  std::string name;
  explicit MemoryFile(const char *label) : fd(memfd_create(label, 0)) {
    name = "/proc/self/fd/" + std::to_string(fd);
  }
  void fill(const std::uint8_t *data, std::size_t size) {
    if (ftruncate(fd, 0) != 0 || (size && pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))) __builtin_trap();
  }
};

int count_of(const Vex3dData &d, int which) {
  if (d.type == VEX3D_POINT) return which == 0 ? d.point.nseries : 0;
  return which == 0 ? d.grid.numx : d.grid.numy;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  static MemoryFile in("data-in"), out("data-out");
  static Vex3dGraph *graph = [] {
    Vex3dGraph *g = Vex3dCreateGraph();
    Vex3dSetValues(g, VEX3D_DEBUG, 1, 0);
    return g;
  }();
  in.fill(data, size);
  char error[VEX3D_ERROR_SIZE];
  Vex3dData *read = Vex3dDataRead(in.name.c_str(), error);
  if (!read) return 0;

  Vex3dSetValues(graph, VEX3D_SURFACE_DATA, read, VEX3D_ZONE_DATA, read, 0);
  Vex3dSetValues(graph, VEX3D_SURFACE_DATA, nullptr, VEX3D_ZONE_DATA, nullptr, 0);

  if (Vex3dDataWrite(read, out.name.c_str(), error)) {
    Vex3dData *back = Vex3dDataRead(out.name.c_str(), error);
    if (!back || back->type != read->type || count_of(*back, 0) != count_of(*read, 0) ||
        count_of(*back, 1) != count_of(*read, 1))
      __builtin_trap();
    Vex3dDataDestroy(back, 1);
  }
  Vex3dDataDestroy(read, 1);
  return 0;
}
