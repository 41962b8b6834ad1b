// The levels file: one level a line, "!" lines are comments.
#include <cmath>
#include <cstdlib>
#include <new>
#include <optional>
#include <set>
#include <vector>

#include "boundary.h"
#include "data_file.h"
#include "dtable.h"
#include "levels.h"
#include "owned.h"
#include "text_file.h"

namespace vex3d {
namespace {

// The number a line begins with after blanks, read as "%lf" reads it.
std::optional<double> leading_number(std::string_view line) {
  char *end = nullptr;
  const double v = std::strtod(line.data(), &end);
  if (end == line.data()) return std::nullopt;
  return v;
}

// The distinct levels of a file, ascending; nothing, with the reason, when
// the file cannot be read or holds more than kMaxTableLevels of them. A NaN
// is skipped: it has no place in an order.
std::optional<std::set<double>> read_levels(std::FILE *file, const char *name, const std::string &unreadable,
                                            std::string &failure) {
  std::set<double> values;
  LineReader lines(file, name);
  std::string_view line;
  while (lines.next(line)) {
    if (line.front() == '!') continue;
    line = without_line_feed(line);
    if (line.empty()) continue;
    const auto v = leading_number(line);
    if (!v || std::isnan(*v)) continue;
    values.insert(*v);
    if (values.size() > static_cast<std::size_t>(kMaxTableLevels)) {
      failure = formatted("Error on line %d of file %s - more than %d levels", lines.number(), name, kMaxTableLevels);
      return std::nullopt;
    }
  }
  if (lines.failed() || !lines.failure().empty()) {
    failure = lines.failed() ? unreadable : lines.failure();
    return std::nullopt;
  }
  return values;
}

}  // namespace
}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dDistnTable *Vex3dReadDistnTable(const char *file, char *error) {
  return guarded(__func__, [&]() -> Vex3dDistnTable * {
    const std::string unreadable = file ? formatted("Unable to read distribution table from %s\n", file) : "";
    TextFile stream = open_for_reading(file, unreadable, error);
    if (!stream) return nullptr;
    try {
      std::string failure;
      const auto values = read_levels(stream.get(), file, unreadable, failure);
      if (!values) {
        route_error(failure, error);
        return nullptr;
      }
      const char *no_memory = nullptr;
      Vex3dDistnTable *table = make_distn_table(std::vector<double>(values->begin(), values->end()), &no_memory);
      if (!table) route_error(no_memory, error);
      return table;
    } catch (const std::bad_alloc &) {
      route_error("Can't allocate space for distribution table", error);
      return nullptr;
    }
  });
}

extern "C" int Vex3dWriteDistnTable(const Vex3dDistnTable *table, const char *file, char *error) {
  return guarded(__func__, [&]() -> int {
    OutputPtr out = open_for_writing(file, error);
    if (!out) return 0;
    // A refused table leaves the file created empty, as a refusal always has.
    const auto refuse = [&](const std::string &reason) {
      out->commit();
      route_error(reason, error);
      return 0;
    };
    if (!table) return refuse(formatted("No distribution table to write to %s", file));
    if (table->nlevels > 0 && !table->levels)
      return refuse(formatted("Corrupted distn table: Not written to %s", file));
    out->write(formatted("!Contour Levels for %s\n", file));
    for (int i = 0; i < table->nlevels; ++i) out->write(formatted("%lg\n", table->levels[i]));
    out->write("\n");
    return finish_writing(*out, file, error) ? 1 : 0;
  });
}
