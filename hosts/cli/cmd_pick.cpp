// torvane3d pick [DATAFILE] [STEP...] [--size WxH] [--debug] [-o OUT.png]
//                (--at PX PY | --data X Y Z | --index ROW COLUMN):
// draws the chart as render does, then answers one picking question about
// the picture: what pixel (PX, PY) shows, which pixel shows a data
// coordinate, or which pixel shows a data index. Answers are NAME=VALUE
// lines; with -o the picture asked about is written too.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "chart_picture.h"
#include "commands.h"
#include "messages.h"
#include "pick.h"

namespace torvane3d_cli {
namespace {

constexpr const char *kName = "pick";

enum class Question { kNone, kPixel, kDataCoordinate, kDataIndex };

struct PickOptions : ChartOptions {
  Question question = Question::kNone;
  int pixel[2] = {0, 0};
  double coordinate[3] = {0, 0, 0};
  int index[2] = {0, 0};
};

void print_usage() {
  std::fprintf(stderr,
               "usage: torvane3d pick [DATAFILE] [STEP...] [--size WxH] [--debug] [-o OUT.png]\n"
               "                      (--at PX PY | --data X Y Z | --index ROW COLUMN)\n");
}

bool read_int(const char *text, int &out) {
  errno = 0;
  char *end = nullptr;
  const long v = std::strtol(text, &end, 10);
  if (end == text || *end || errno == ERANGE || v < INT_MIN || v > INT_MAX) return false;
  out = int(v);
  return true;
}

bool read_double(const char *text, double &out) {
  char *end = nullptr;
  out = std::strtod(text, &end);
  return end != text && !*end;
}

// The option's `count` values after args[k], read by `read` into `out`.
template <class T, class Read>
bool take_values(std::span<char *const> args, std::size_t &k, int count, T *out, Read read) {
  const char *option = args[k];
  if (k + std::size_t(count) >= args.size()) {
    std::fprintf(stderr, "torvane3d pick: %s takes %d numbers\n", option, count);
    return false;
  }
  for (int n = 0; n < count; ++n)
    if (!read(args[++k], out[n])) {
      std::fprintf(stderr, "torvane3d pick: %s takes %d numbers, not '%s'\n", option, count, args[k]);
      return false;
    }
  return true;
}

bool parse(std::span<char *const> args, PickOptions &o) {
  for (std::size_t k = 0; k < args.size(); ++k) {
    if (take_common_arg(args, k, o)) continue;
    const int size = take_size_arg(kName, args, k, o);
    if (size < 0) return false;
    if (size > 0) continue;
    const std::string arg = args[k];
    Question asked = Question::kNone;
    bool read = false;
    if (arg == "--at") {
      asked = Question::kPixel, read = take_values(args, k, 2, o.pixel, read_int);
    } else if (arg == "--data") {
      asked = Question::kDataCoordinate, read = take_values(args, k, 3, o.coordinate, read_double);
    } else if (arg == "--index") {
      asked = Question::kDataIndex, read = take_values(args, k, 2, o.index, read_int);
    } else {
      reject_argument("pick", arg);
      print_usage();
      return false;
    }
    if (!read) return false;
    if (o.question != Question::kNone) {
      std::fprintf(stderr, "torvane3d pick: one question at a time: --at, --data or --index\n");
      return false;
    }
    o.question = asked;
  }
  if (o.question == Question::kNone) {
    print_usage();
    return false;
  }
  if (o.out && std::strcmp(o.out, kStandardOutputName) == 0) {
    std::fprintf(stderr, "torvane3d pick: the answers go to standard output; the picture cannot\n");
    return false;
  }
  return true;
}

void print_coordinate(const char *name, double v) {
  if (v == VALUE_UNSET)
    std::printf("%s=unset\n", name);
  else
    std::printf("%s=%.15g\n", name, v);
}

void answer(Vex3dGraph *g, const PickOptions &o) {
  switch (o.question) {
    case Question::kPixel: {
      const Vex3dDataCoordResult c = Vex3dPixelToDataCoord(g, o.pixel[0], o.pixel[1]);
      const Vex3dDataIndexResult i = Vex3dPixelToDataIndex(g, o.pixel[0], o.pixel[1]);
      std::printf("REGION=%d\n", c.region);
      print_coordinate("X", c.x);
      print_coordinate("Y", c.y);
      print_coordinate("Z", c.z);
      std::printf("ROW=%d\nCOLUMN=%d\nDISTANCE=%d\n", i.row, i.column, i.distance);
      break;
    }
    case Question::kDataCoordinate: {
      const Vex3dPixelResult p = Vex3dDataCoordToPixel(g, o.coordinate[0], o.coordinate[1], o.coordinate[2]);
      std::printf("PIXEL=%d %d\n", p.pixel_x, p.pixel_y);
      break;
    }
    case Question::kDataIndex: {
      const Vex3dIndexPixelResult p = Vex3dDataIndexToPixel(g, o.index[0], o.index[1]);
      std::printf("PIXEL=%d %d\n", p.pixel_x, p.pixel_y);
      break;
    }
    case Question::kNone: break;
  }
}

}  // namespace

int run_pick(std::span<char *const> args) {
  PickOptions o;
  if (!parse(args, o)) return 2;
  if (o.debug) start_messages(true);
  vex3d::OutputFilePtr out;
  if (o.out && !(out = open_output(kName, o.out, input_files(o)))) return 1;
  Chart chart;
  if (!make_chart(kName, o, chart)) return 1;
  // The picks read the view and the projected grid that drawing the page
  // left: the page is drawn as render draws it.
  if (!draw_page_picture(chart.graph.get(), o, kName, out.get())) return 1;
  answer(chart.graph.get(), o);
  return 0;
}

}  // namespace torvane3d_cli
