#include "steps.h"

#include <cstdlib>

namespace torvane3d_cli {
namespace {

bool is_name_char(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

// The resource name at the start of a step, up to "=" or a final "?".
std::string step_name(const std::string &step) {
  std::size_t n = 0;
  while (n < step.size() && is_name_char(step[n])) ++n;
  return step.substr(0, n);
}

}  // namespace

bool is_step(const std::string &arg) {
  const std::string name = step_name(arg);
  if (name.empty() || name.size() == arg.size()) return false;
  return arg[name.size()] == '=' || (arg[name.size()] == '?' && name.size() + 1 == arg.size());
}

StepResult apply_step(Vex3dGraph *graph, const std::string &step, std::FILE *out, std::FILE *err) {
  if (!is_step(step)) return StepResult::NotAStep;
  const std::string name = step_name(step);
  const int id = Vex3dResourceId(name.c_str());
  if (id == 0 || Vex3dResourceOwner(id) != VEX3D_OWNER_GRAPH) {
    std::fprintf(err, "torvane3d: unknown graph resource '%s'\n", name.c_str());
    return StepResult::UnknownName;
  }
  if (step[name.size()] == '?') {
    char *text = nullptr;
    if (!Vex3dGetValueString(graph, id, &text)) {
      std::fprintf(out, "%s has no text form\n", name.c_str());
      return StepResult::Done;
    }
    std::fprintf(out, "%s=%s\n", name.c_str(), text);
    std::free(text);
    return StepResult::Done;
  }
  const std::string value = step.substr(name.size() + 1);
  if (!Vex3dSetValueString(graph, id, value.c_str())) {
    std::fprintf(err, "Setting resource %s to %s did NOT succeed!\n", name.c_str(), value.c_str());
    return StepResult::Failed;
  }
  return StepResult::Done;
}

bool take_common_arg(std::span<char *const> args, std::size_t &k, CommonArgs &common) {
  const std::string arg = args[k];
  if (arg == "--debug") {
    common.debug = true;
  } else if (arg == "-o" && k + 1 < args.size()) {
    common.out = args[++k];
  } else if (is_step(arg)) {
    common.steps.push_back(arg);
  } else if (!common.file && !arg.empty() && arg[0] != '-') {
    common.file = args[k];
  } else {
    return false;
  }
  return true;
}

}  // namespace torvane3d_cli
