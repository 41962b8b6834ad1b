#include "data_command.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "data.h"
#include "output.h"

namespace torvane3d_cli {
namespace {

struct Parsed {
  const char *file = nullptr;
  const char *out = nullptr;
};

bool parse(const DataCommand &c, std::span<char *const> args, Parsed &p) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    const char *arg = args[k];
    if (!std::strcmp(arg, "-o") && k + 1 < args.size()) {
      p.out = args[++k];
      continue;
    }
    const NumberOption *option = nullptr;
    for (const NumberOption &o : c.options)
      if (!std::strcmp(arg, o.name)) option = &o;
    if (option) {
      if (k + option->numbers.size() >= args.size()) {
        std::fprintf(stderr, "torvane3d %s: %s takes %zu numbers\n", c.name, arg, option->numbers.size());
        return false;
      }
      for (double &v : option->numbers)
        if (!read_number(args[++k], v)) {
          std::fprintf(stderr, "torvane3d %s: %s takes numbers, not '%s'\n", c.name, arg, args[k]);
          return false;
        }
      if (option->given) *option->given = true;
    } else if (!p.file && arg[0] != '-' && arg[0]) {
      p.file = arg;
    } else {
      reject_argument(c.name, arg);
      return false;
    }
  }
  if (!p.file || !p.out) {
    std::fprintf(stderr, "usage: torvane3d %s %s\n", c.name, c.usage);
    return false;
  }
  return true;
}

}  // namespace

bool read_number(const char *text, double &v) {
  char *end = nullptr;
  v = std::strtod(text, &end);
  return *text && !*end;
}

bool whole_number(double v, long limit, int &out) {
  if (!(v >= -double(limit) && v <= double(limit)) || v != std::floor(v)) return false;
  out = int(v);
  return true;
}

EngineMessages::EngineMessages() { Vex3dSetMessageSink(&EngineMessages::sink, this); }
EngineMessages::~EngineMessages() { Vex3dSetMessageSink(nullptr, nullptr); }
void EngineMessages::sink(const char *message, void *user) {
  ++static_cast<EngineMessages *>(user)->count_;
  Vex3dStderrSink(message, nullptr);
}

int run_data_command(const DataCommand &c, std::span<char *const> args) {
  Parsed p;
  if (!parse(c, args, p) || (c.check && !c.check())) return 2;
  const vex3d::OutputFilePtr out = open_output(c.name, p.out, {p.file});
  if (!out) return 1;
  vex3d::DataPtr data(read_data(c.name, p.file));
  if (!data) return 1;
  if (!c.make(data) || !data) {
    std::fprintf(stderr, "torvane3d %s: nothing written\n", c.name);
    return 1;
  }
  Vex3dDataWriteTo(data.get(), out.get());
  return commit_output(out.get(), c.name, p.out) ? 0 : 1;
}

}  // namespace torvane3d_cli
