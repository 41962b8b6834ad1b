#include "steps.h"

#include <sys/stat.h>

#include <cstdlib>

#include "data.h"
#include "messages.h"

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

namespace {

// The text read whole as a number.
bool whole_number_text(const std::string &text, double &v) {
  char *end = nullptr;
  v = std::strtod(text.c_str(), &end);
  return !text.empty() && *end == '\0';
}

}  // namespace

std::string upper_case_hint(const std::string &arg) {
  std::size_t n = 0;
  bool lower = false;
  while (n < arg.size() && (is_name_char(arg[n]) || (arg[n] >= 'a' && arg[n] <= 'z'))) lower |= arg[n++] >= 'a';
  if (!lower || n == arg.size() || (arg[n] != '=' && arg[n] != '?')) return "";
  std::string upper = arg;
  for (std::size_t k = 0; k < n; ++k)
    if (upper[k] >= 'a' && upper[k] <= 'z') upper[k] = static_cast<char>(upper[k] - 'a' + 'A');
  if (!Vex3dResourceId(upper.substr(0, n).c_str())) return "";
  return "resource names are upper case: " + printable(upper);
}

void reject_argument(const char *command, const std::string &arg, bool not_a_step) {
  const std::string hint = upper_case_hint(arg);
  if (not_a_step)
    std::fprintf(stderr, "torvane3d %s: '%s' is not a step (NAME=TEXT or NAME?)", command, printable(arg).c_str());
  else
    std::fprintf(stderr, "torvane3d %s: unexpected argument '%s'", command, printable(arg).c_str());
  std::fprintf(stderr, "%s%s\n", hint.empty() ? "" : "; ", hint.c_str());
}

namespace {

// What a step sets: the graph, or one of its chart labels.
struct StepTarget {
  Vex3dGraph *graph;
  Vex3dText *text;  // null: the graph itself

  int owner() const { return text ? VEX3D_OWNER_TEXT : VEX3D_OWNER_GRAPH; }
  const char *kind() const { return text ? "label" : "graph"; }
  bool set(int id, const char *value) const {
    return (text ? Vex3dTextSetValueString(text, id, value) : Vex3dSetValueString(graph, id, value)) != 0;
  }
  bool get(int id, char **value) const {
    return (text ? Vex3dTextGetValueString(text, id, value) : Vex3dGetValueString(graph, id, value)) != 0;
  }
  // The resource's value as text; "" when it has none.
  std::string value_text(int id) const {
    char *value = nullptr;
    if (!get(id, &value)) return "";
    std::string copy = value;
    std::free(value);
    return copy;
  }
};

StepResult apply_to(const StepTarget &target, const std::string &step, std::FILE *out, std::FILE *err) {
  Vex3dGraph *graph = target.graph;
  if (!is_step(step)) return StepResult::NotAStep;
  const std::string name = step_name(step);
  const int id = Vex3dResourceId(name.c_str());
  if (id == 0 || Vex3dResourceOwner(id) != target.owner()) {
    std::fprintf(err, "torvane3d: unknown %s resource '%s'\n", target.kind(), printable(name).c_str());
    return StepResult::UnknownName;
  }
  if (step[name.size()] == '?') {
    char *text = nullptr;
    if (!target.get(id, &text)) {
      std::fprintf(out, "%s has no text form\n", name.c_str());
      return StepResult::Done;
    }
    std::fprintf(out, "%s=%s\n", name.c_str(), text);
    std::free(text);
    return StepResult::Done;
  }
  const std::string value = step.substr(name.size() + 1);
  const std::string before = target.value_text(id);
  bool set = false;
  const Messages said = messages_of(graph, [&] { set = target.set(id, value.c_str()); });
  say(said);
  if (!set) {
    std::fprintf(err, "Setting resource %s to %s did NOT succeed!\n", name.c_str(), printable(value).c_str());
    return StepResult::Failed;
  }
  const std::string after = target.value_text(id);
  // A number its rule refuses leaves the resource as it was, silently.
  double asked = 0, kept = 0;
  const bool refused_number = said.empty() && after == before && whole_number_text(value, asked) &&
                              whole_number_text(after, kept) && asked != kept;
  if (said.empty() && !refused_number) return StepResult::Done;
  // The engine objected. A value put in range (clamped) is taken as it
  // says; one that left the resource as it was is a failed step. A value
  // without a text form (a data set) was taken when the engine only warned.
  if (!refused_number && (after.empty() ? only_warnings(said) : after != before)) return StepResult::Done;
  std::fprintf(err, "torvane3d: %s=%s was refused\n", name.c_str(), printable(value).c_str());
  return StepResult::Failed;
}

}  // namespace

StepResult apply_step(Vex3dGraph *graph, const std::string &step, std::FILE *out, std::FILE *err) {
  return apply_to(StepTarget{graph, nullptr}, step, out, err);
}

StepResult apply_label_step(Vex3dText *label, Vex3dGraph *graph, const std::string &step, std::FILE *out,
                            std::FILE *err) {
  return apply_to(StepTarget{graph, label}, step, out, err);
}

std::vector<std::string> split_steps(const std::string &text) {
  std::vector<std::string> steps;
  std::string step;
  int depth = 0;
  bool quoted = false, escaped = false;
  for (char c : text) {
    if (escaped) {
      escaped = false;
    } else if (c == '\\') {
      escaped = true;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (!quoted && c == '(') {
      ++depth;
    } else if (!quoted && c == ')' && depth > 0) {
      --depth;
    } else if (!quoted && depth == 0 && (c == ' ' || c == '\t' || c == '\n')) {
      if (!step.empty()) steps.push_back(step);
      step.clear();
      continue;
    }
    step += c;
  }
  if (!step.empty()) steps.push_back(step);
  return steps;
}

Vex3dData *read_data(const char *command, const char *file) {
  struct stat st;
  if (stat(file, &st) == 0 && S_ISDIR(st.st_mode)) {
    std::fprintf(stderr, "torvane3d %s: %s is a directory, not a data file\n", command, printable(file).c_str());
    return nullptr;
  }
  char error[VEX3D_ERROR_SIZE] = "";
  int line = 0;
  Vex3dData *data = Vex3dDataReadWithLine(file, error, &line);
  if (data) return data;
  const std::string reason = error[0] ? printable(error) : "cannot read the data file";
  if (line > 0)
    std::fprintf(stderr, "torvane3d %s: %s, line %d: %s\n", command, printable(file).c_str(), line, reason.c_str());
  else
    std::fprintf(stderr, "torvane3d %s: %s\n", command, reason.c_str());
  return nullptr;
}

bool set_surface_data(Vex3dGraph *graph, Vex3dData *data, const char *command, const char *file) {
  const Messages said = messages_of(graph, [&] { Vex3dSetValues(graph, VEX3D_SURFACE_DATA, data, 0); });
  say(said);
  if (only_warnings(said)) return true;
  std::fprintf(stderr, "torvane3d %s: the data of %s were refused\n", command, printable(file).c_str());
  return false;
}

bool take_common_arg(std::span<char *const> args, std::size_t &k, CommonArgs &common) {
  const std::string arg = args[k];
  if (arg == "--debug") {
    common.debug = true;
  } else if (arg == "-o" && k + 1 < args.size()) {
    common.out = args[++k];
  } else if (is_step(arg)) {
    common.steps.push_back(arg);
  } else if (!common.file && !arg.empty() && arg[0] != '-' && upper_case_hint(arg).empty()) {
    common.file = args[k];
  } else {
    return false;
  }
  return true;
}

}  // namespace torvane3d_cli
