#include "output.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

namespace torvane3d_cli {
namespace {

bool report(const vex3d::platform::OutputFile &out, const char *command, const char *path) {
  std::fprintf(stderr, "torvane3d %s: cannot write %s: %s\n", command, path, out.error().c_str());
  return false;
}

}  // namespace

std::vector<std::string> input_files(const CommonArgs &args) {
  std::vector<std::string> files;
  if (args.file) files.emplace_back(args.file);
  for (const std::string &step : args.steps) {
    const auto equals = step.find('=');
    if (equals == std::string::npos) continue;
    const std::string value = step.substr(equals + 1);
    struct stat st;
    if (!value.empty() && stat(value.c_str(), &st) == 0) files.push_back(value);
  }
  return files;
}

bool open_output(vex3d::platform::OutputFile &out, const char *command, const char *path,
                 const std::vector<std::string> &inputs) {
  const bool opened = std::strcmp(path, kStandardOutputName) == 0 ? out.open_standard_output() : out.open(path, inputs);
  return opened || report(out, command, path);
}

bool commit_output(vex3d::platform::OutputFile &out, const char *command, const char *path) {
  return out.commit() || report(out, command, path);
}

}  // namespace torvane3d_cli
