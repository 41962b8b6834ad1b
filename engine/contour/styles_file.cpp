// The styles file: one style a line, "fill line width pattern"; "!" lines
// are comments.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <new>
#include <optional>
#include <vector>

#include "boundary.h"
#include "convert.h"
#include "ctable.h"
#include "data_file.h"
#include "enumerations.h"
#include "styles.h"
#include "text_file.h"

namespace vex3d {
namespace {

// The fields of a style line as "%s %s %d %s" finds them: words are runs of
// non-blanks, the width an optionally signed run of digits; scanning stops at
// the first field that is missing or malformed.
struct StyleFields {
  int count = 0;
  std::string_view fill, line;
  int width = 0;
  std::string_view pattern;
};

class FieldScanner {
 public:
  explicit FieldScanner(std::string_view text) : text_(text) {}

  std::optional<std::string_view> word() {
    skip_blanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !blank(text_[pos_])) ++pos_;
    if (pos_ == start) return std::nullopt;
    return text_.substr(start, pos_ - start);
  }

  // Digits beyond what an int holds saturate.
  std::optional<int> integer() {
    skip_blanks();
    std::size_t p = pos_;
    const bool negative = p < text_.size() && text_[p] == '-';
    if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) ++p;
    const std::size_t digits = p;
    long long v = 0;
    for (; p < text_.size() && std::isdigit(static_cast<unsigned char>(text_[p])); ++p)
      v = std::min<long long>(v * 10 + (text_[p] - '0'), static_cast<long long>(INT_MAX) + 1);
    if (p == digits) return std::nullopt;
    pos_ = p;
    if (negative) v = -v;
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
  }

 private:
  static bool blank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
  void skip_blanks() {
    while (pos_ < text_.size() && blank(text_[pos_])) ++pos_;
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

StyleFields scan_style(std::string_view line) {
  StyleFields f;
  FieldScanner scan(line);
  const auto fill = scan.word();
  if (!fill) return f;
  f.fill = *fill, f.count = 1;
  const auto color = scan.word();
  if (!color) return f;
  f.line = *color, f.count = 2;
  const auto width = scan.integer();
  if (!width) return f;
  f.width = *width, f.count = 3;
  const auto pattern = scan.word();
  if (!pattern) return f;
  f.pattern = *pattern, f.count = 4;
  return f;
}

// A colour that does not convert is black.
int file_color(std::string_view text) { return parse_color(text).value_or(0); }

// A malloc'd null-terminated array of malloc'd styles, as C callers free it.
class CStyleTable {
 public:
  CStyleTable() = default;
  CStyleTable(const CStyleTable &) = delete;
  CStyleTable &operator=(const CStyleTable &) = delete;
  ~CStyleTable() {
    for (Vex3dContourStyle *style : styles_) std::free(style);
  }
  bool add(const Vex3dContourStyle &style) {
    auto *copy = static_cast<Vex3dContourStyle *>(std::malloc(sizeof(Vex3dContourStyle)));
    if (!copy) return false;
    *copy = style;
    styles_.push_back(copy);
    return true;
  }
  // The finished table; null when memory runs out.
  Vex3dContourStyle **release() {
    auto **array = static_cast<Vex3dContourStyle **>(std::malloc((styles_.size() + 1) * sizeof(Vex3dContourStyle *)));
    if (!array) return nullptr;
    std::copy(styles_.begin(), styles_.end(), array);
    array[styles_.size()] = nullptr;
    styles_.clear();
    return array;
  }

 private:
  std::vector<Vex3dContourStyle *> styles_;
};

constexpr const char *kNoMemory = "Unable to allocate memory for contour styles.\n";

// Reads every style of the file; null with the reason in `failure`.
Vex3dContourStyle **read_styles(std::FILE *file, const char *name, std::string &failure) {
  CStyleTable table;
  LineReader lines(file, name);
  std::string_view text;
  while (lines.next(text)) {
    const int number = lines.number();
    if (text.front() == '!') continue;
    text = without_line_feed(text);
    if (text.empty()) continue;
    const StyleFields fields = scan_style(text);
    if (fields.count == 0) continue;
    if (fields.count < 4) {
      failure = formatted("Error on line %d of file %s - not enough fields", number, name);
      return nullptr;
    }
    const auto pattern = parse_enum(VEX3D_TYPE_LinePattern, fields.pattern);
    if (!pattern) {
      failure = formatted("Error on line %d of file %s - unknown pattern %.*s", number, name,
                          static_cast<int>(fields.pattern.size()), fields.pattern.data());
      return nullptr;
    }
    if (!table.add(Vex3dContourStyle{file_color(fields.fill), file_color(fields.line), fields.width, *pattern})) {
      failure = kNoMemory;
      return nullptr;
    }
  }
  if (lines.failed() || !lines.failure().empty()) {
    failure = lines.failed() ? formatted("Unable to read data from %s\n", name) : lines.failure();
    return nullptr;
  }
  Vex3dContourStyle **styles = table.release();
  if (!styles) failure = kNoMemory;
  return styles;
}

}  // namespace

}  // namespace vex3d

using namespace vex3d;

extern "C" Vex3dContourStyle **Vex3dReadContourStyles(const char *file, char *error) {
  return guarded(__func__, [&]() -> Vex3dContourStyle ** {
    TextFile stream = open_for_reading(file, file ? formatted("Unable to read data from %s\n", file) : "", error);
    if (!stream) return nullptr;
    std::string failure;
    Vex3dContourStyle **styles = nullptr;
    try {
      styles = read_styles(stream.get(), file, failure);
    } catch (const std::bad_alloc &) {
      failure = kNoMemory;
    }
    if (!styles) route_error(failure, error);
    return styles;
  });
}

extern "C" int Vex3dWriteContourStyles(Vex3dContourStyle *const *styles, const char *file, char *error) {
  return guarded(__func__, [&]() -> int {
    OutputPtr out = open_for_writing(file, error);
    if (!out) return 0;
    // A refusal leaves in the file what was written before it (nothing, with
    // no styles), as it always has.
    const auto refuse = [&](const std::string &reason) {
      out->commit();
      route_error(reason, error);
      return 0;
    };
    if (!styles) return refuse(formatted("No contour styles to write to %s", file));
    out->write(formatted("!Contour Styles for %s\n", file));
    for (int i = 0; styles[i]; ++i) {
      const auto line = style_text(*styles[i]);
      if (!line) return refuse(formatted("Cannot format pattern field -> style - %d file - %s", i + 1, file));
      out->write(*line + "\n");
    }
    out->write("\n");
    return finish_writing(*out, file, error) ? 1 : 0;
  });
}

extern "C" void Vex3dFreeContourStyles(Vex3dContourStyle **styles) {
  guarded(__func__, [&] {
    if (!styles) return;
    for (Vex3dContourStyle **p = styles; *p; ++p) std::free(*p);
    std::free(styles);
  });
}
