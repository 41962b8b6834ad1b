// The C calls on the platform's one file writer (output_file.h).
#include "out_file.h"

#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "boundary.h"
#include "data.h"
#include "output_file.h"

namespace {

void copy_error(char *error, const std::string &text) {
  if (error) std::snprintf(error, VEX3D_ERROR_SIZE, "%s", text.c_str());
}

// The opened output, or null with the cause in `error`.
template <class Open>
Vex3dOutputFile *opened(char *error, Open open) {
  auto out = std::unique_ptr<vex3d::platform::OutputFile>(new (std::nothrow) vex3d::platform::OutputFile);
  if (!out) {
    copy_error(error, "out of memory");
    return nullptr;
  }
  if (open(*out)) return out.release();
  copy_error(error, out->error());
  return nullptr;
}

}  // namespace

using namespace vex3d;

extern "C" Vex3dOutputFile *Vex3dOpenOutputFile(const char *path, const char *const *inputs, char *error) {
  return guarded(__func__, [&]() -> Vex3dOutputFile * {
    if (!path || !*path) {
      copy_error(error, "no file name");
      return nullptr;
    }
    std::vector<std::string> names;
    for (const char *const *input = inputs; input && *input; ++input) names.emplace_back(*input);
    return opened(error, [&](platform::OutputFile &out) { return out.open(path, names); });
  });
}

extern "C" Vex3dOutputFile *Vex3dOpenStandardOutput(char *error) {
  return guarded(__func__, [&]() -> Vex3dOutputFile * {
    return opened(error, [](platform::OutputFile &out) { return out.open_standard_output(); });
  });
}

extern "C" void Vex3dFailOutputFile(Vex3dOutputFile *out, const char *reason) {
  guarded(__func__, [&] {
    if (out) out->fail(reason ? reason : "failed");
  });
}

extern "C" int Vex3dCommitOutputFile(Vex3dOutputFile *out, char *error) {
  return guarded(__func__, [&]() -> int {
    if (!out) {
      copy_error(error, "not open");
      return 0;
    }
    if (out->commit()) return 1;
    copy_error(error, out->error());
    return 0;
  });
}

extern "C" void Vex3dCloseOutputFile(Vex3dOutputFile *out) {
  guarded(__func__, [&] { delete out; });
}
