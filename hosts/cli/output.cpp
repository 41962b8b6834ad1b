#include "output.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

namespace torvane3d_cli {
namespace {

void report(const char *error, const char *command, const char *path) {
  std::fprintf(stderr, "torvane3d %s: cannot write %s: %s\n", command, path, error);
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

vex3d::OutputFilePtr open_output(const char *command, const char *path, const std::vector<std::string> &inputs) {
  char error[VEX3D_ERROR_SIZE] = "";
  std::vector<const char *> names;
  for (const std::string &input : inputs) names.push_back(input.c_str());
  names.push_back(nullptr);
  vex3d::OutputFilePtr out(std::strcmp(path, kStandardOutputName) == 0 ? Vex3dOpenStandardOutput(error)
                                                                        : Vex3dOpenOutputFile(path, names.data(), error));
  if (!out) report(error, command, path);
  return out;
}

bool commit_output(Vex3dOutputFile *out, const char *command, const char *path) {
  char error[VEX3D_ERROR_SIZE] = "";
  if (Vex3dCommitOutputFile(out, error)) return true;
  report(error, command, path);
  return false;
}

}  // namespace torvane3d_cli
