#include "data_command.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
      std::fprintf(stderr, "torvane3d %s: unexpected argument '%s'\n", c.name, arg);
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

bool write_data_whole(const Vex3dData *data, const char *out, std::string &error) {
  const std::string part = std::string(out) + ".part";
  char reason[VEX3D_ERROR_SIZE] = "";
  if (!Vex3dDataWrite(data, part.c_str(), reason)) {
    error = reason;
    std::remove(part.c_str());
    return false;
  }
  if (std::rename(part.c_str(), out) != 0) {
    error = std::strerror(errno);
    std::remove(part.c_str());
    return false;
  }
  return true;
}

int run_data_command(const DataCommand &c, std::span<char *const> args) {
  Parsed p;
  if (!parse(c, args, p) || (c.check && !c.check())) return 2;
  char error[VEX3D_ERROR_SIZE] = "";
  DataPtr data(Vex3dDataRead(p.file, error));
  if (!data) {
    std::fprintf(stderr, "torvane3d %s: %s\n", c.name, error[0] ? error : "cannot read the data file");
    return 1;
  }
  if (!c.make(data) || !data) {
    std::fprintf(stderr, "torvane3d %s: nothing written\n", c.name);
    return 1;
  }
  std::string reason;
  if (!write_data_whole(data.get(), p.out, reason)) {
    std::fprintf(stderr, "torvane3d %s: cannot write %s: %s\n", c.name, p.out, reason.c_str());
    return 1;
  }
  return 0;
}

}  // namespace torvane3d_cli
