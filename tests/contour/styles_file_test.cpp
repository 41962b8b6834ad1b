// The styles file: reading, writing, messages and the graph's text form.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ctable.h"
#include "data.h"
#include "file_failures.h"
#include "graph_fixture.h"
#include "message_capture.h"
#include "scratch_dir.h"
#include "text_file.h"

// Found by argument lookup: the style record lives in the global namespace.
bool operator==(const Vex3dContourStyle &a, const Vex3dContourStyle &b) {
  return a.fill_color == b.fill_color && a.line_color == b.line_color && a.line_width == b.line_width &&
         a.line_pattern == b.line_pattern;
}

void PrintTo(const Vex3dContourStyle &s, std::ostream *os) {
  *os << "{" << std::hex << s.fill_color << " " << s.line_color << std::dec << " " << s.line_width << " "
      << s.line_pattern << "}";
}

namespace {

using Styles = std::vector<Vex3dContourStyle>;

using StylesPtr = vex3d::ContourStylesPtr;

Styles contents(Vex3dContourStyle *const *styles) {
  Styles all;
  for (int i = 0; styles[i]; ++i) all.push_back(*styles[i]);
  return all;
}

// A null-terminated list pointing into the styles.
std::vector<Vex3dContourStyle *> list_of(Styles &styles) {
  std::vector<Vex3dContourStyle *> list;
  for (Vex3dContourStyle &s : styles) list.push_back(&s);
  list.push_back(nullptr);
  return list;
}

// Colours as 0xBBGGRR.
constexpr int kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kBlack = 0;

struct ReadCase {
  const char *what;
  std::string text;
  Styles styles;
};

const std::string kLongBlanks(3000, ' ');

const ReadCase kReads[] = {
    {"names of colours and a short pattern name", "Red Blue 2 Dotted\n", {{kRed, kBlue, 2, Vex3dLpatDotted}}},
    {"a long pattern name, any case", "red BLUE 2 lpatdotted\n", {{kRed, kBlue, 2, Vex3dLpatDotted}}},
    {"hex forms of colours", "#ff0000 0x00ff00 3 LpatDashDot\n", {{kRed, kGreen, 3, Vex3dLpatDashDot}}},
    {"a colour that does not convert is black",
     "nosuchcolour (Automatic) 1 Solid\n",
     {{kBlack, COLOR_UNSET, 1, Vex3dLpatSolid}}},
    {"comments, blank lines and extra fields",
     "!Contour Styles\n\n   \t\nRed Blue 0 None extra\n",
     {{kRed, kBlue, 0, Vex3dLpatNone}}},
    {"carriage returns before line feeds",
     "Red Blue 1 Solid\r\nBlue Red -4 LslDash\r\n",
     {{kRed, kBlue, 1, Vex3dLpatSolid}, {kBlue, kRed, -4, Vex3dLpatLslDash}}},
    {"the last line without a line feed",
     "Red Blue 1 Solid\nGreen Green 5 ShortDash",
     {{kRed, kBlue, 1, Vex3dLpatSolid}, {kGreen, kGreen, 5, Vex3dLpatShortDash}}},
    {"fields far apart on a long line",
     "Red" + kLongBlanks + "Blue 1 LongDash\n",
     {{kRed, kBlue, 1, Vex3dLpatLongDash}}},
    {"a long comment stays one comment", "!" + kLongBlanks + "Red Blue 1 Solid\n", {}},
    {"the width ends where its digits end", "Red Blue 12Solid\n", {{kRed, kBlue, 12, Vex3dLpatSolid}}},
    {"no styles: an empty table", "! only a comment\n", {}},
};

class StylesFile : public ScratchDir {};

TEST_F(StylesFile, ReadsOneStyleALine) {
  for (const ReadCase &c : kReads) {
    SCOPED_TRACE(c.what);
    char error[VEX3D_ERROR_SIZE] = "untouched";
    StylesPtr styles(Vex3dReadContourStyles(write("in.sty", c.text).c_str(), error));
    ASSERT_NE(styles, nullptr) << error;
    EXPECT_EQ(contents(styles.get()), c.styles);
    EXPECT_STREQ(error, "untouched");
  }
}

struct BadCase {
  const char *what;
  std::string text;
  std::string message;  // after "Error on line "
};

const BadCase kBad[] = {
    {"three fields, lines counted with comments and blank lines", "!comment\n\nRed Blue 2\n",
     "3 of file %s - not enough fields"},
    {"a width that is not a number", "Red Blue 1 Solid\nRed Blue x Solid\n", "2 of file %s - not enough fields"},
    {"one field", "Red\n", "1 of file %s - not enough fields"},
    {"an unknown pattern", "Red Blue 1 Wavy\n", "1 of file %s - unknown pattern Wavy"},
};

TEST_F(StylesFile, StopsAtTheFirstBadLine) {
  for (const BadCase &c : kBad) {
    SCOPED_TRACE(c.what);
    const std::string file = write("bad.sty", c.text);
    char error[VEX3D_ERROR_SIZE] = "";
    EXPECT_EQ(Vex3dReadContourStyles(file.c_str(), error), nullptr);
    std::string expected = "Error on line " + c.message;
    expected.replace(expected.find("%s"), 2, file);
    EXPECT_EQ(error, expected);
  }
}

TEST_F(StylesFile, AHugeUnknownPatternIsReportedWithinTheBuffer) {
  const std::string pattern(5000, 'x');
  const std::string file = write("huge.sty", "Red Blue 1 " + pattern + "\n");
  char error[VEX3D_ERROR_SIZE + 16];
  std::memset(error, '#', sizeof error);
  EXPECT_EQ(Vex3dReadContourStyles(file.c_str(), error), nullptr);
  EXPECT_EQ(std::strlen(error), static_cast<std::size_t>(VEX3D_ERROR_SIZE - 1));
  EXPECT_EQ(std::string(error).rfind("Error on line 1 of file " + file + " - unknown pattern xxx", 0), 0u);
  EXPECT_EQ(error[VEX3D_ERROR_SIZE], '#') << "nothing written past the buffer";
}

TEST_F(StylesFile, WritingTheDefaultTableNamesEveryColourItCan) {
  GraphPtr graph = make_graph();
  auto **defaults = static_cast<Vex3dContourStyle **>(get_pointer(graph.get(), VEX3D_CONTOUR_STYLES));
  const std::string file = path("defaults.sty");
  ASSERT_EQ(Vex3dWriteContourStyles(defaults, file.c_str(), nullptr), 1);
  const std::string text = read(file);
  const std::string header = "!Contour Styles for " + file + "\n";
  ASSERT_EQ(text.rfind(header, 0), 0u);
  // Blue and cyan have names, the other fills do not.
  const std::string first = "Blue Black 1 LpatSolid\n#0008ff Black 1 LpatSolid\n";
  EXPECT_EQ(text.substr(header.size(), first.size()), first);
  EXPECT_NE(text.find("\nCyan Black 1 LpatSolid\n"), std::string::npos);
  const std::string last = "\n#ff0b09 Black 1 LpatSolid\n\n";
  EXPECT_EQ(text.substr(text.size() - last.size()), last);
  int lines = 0;
  for (char c : text) lines += c == '\n';
  EXPECT_EQ(lines, 102) << "header, 100 styles, an empty line";
}

TEST_F(StylesFile, WrittenStylesReadBackEqual) {
  Styles styles = {{kRed, kBlue, 1, Vex3dLpatNone},
                   {0x123456, COLOR_UNSET, 0, Vex3dLpatSolid},
                   {COLOR_UNSET, 0xABCDEF, 7, Vex3dLpatLongDash},
                   {kBlack, kGreen, -3, Vex3dLpatDotted},
                   {0xFFFFFF, 0x7F7F7F, 2, Vex3dLpatShortDash},
                   {0x010203, 0x040506, 3, Vex3dLpatLslDash},
                   {kGreen, kRed, 1000, Vex3dLpatDashDot}};
  const std::string file = path("round.sty");
  ASSERT_EQ(Vex3dWriteContourStyles(list_of(styles).data(), file.c_str(), nullptr), 1);
  StylesPtr back(Vex3dReadContourStyles(file.c_str(), nullptr));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(contents(back.get()), styles);
}

TEST_F(StylesFile, APatternWithoutANameStopsTheWriting) {
  Styles styles = {{kRed, kBlue, 1, Vex3dLpatSolid}, {kRed, kBlue, 1, 9}, {kRed, kBlue, 1, Vex3dLpatSolid}};
  const std::string file = path("stopped.sty");
  char error[VEX3D_ERROR_SIZE] = "";
  EXPECT_EQ(Vex3dWriteContourStyles(list_of(styles).data(), file.c_str(), error), 0);
  EXPECT_EQ(error, "Cannot format pattern field -> style - 2 file - " + file);
  EXPECT_EQ(read(file), "!Contour Styles for " + file + "\nRed Blue 1 LpatSolid\n") << "what was written stays";
}

TEST_F(StylesFile, ReportsWhatFailedIntoTheBufferOrTheMessageOutput) {
  const std::string missing = path("missing.sty");
  const std::string no_dir = path("no/such/dir.sty");
  Styles one = {{kRed, kBlue, 1, Vex3dLpatSolid}};
  const auto list = list_of(one);
  const std::string existing = write("existing", "old contents\n");
  expect_routed({
      {"reading a file that is not there",
       [&](char *e) { return !StylesPtr(Vex3dReadContourStyles(missing.c_str(), e)); },
       "Unable to read data from " + missing + "\n"},
      {"reading a folder", [&](char *e) { return !StylesPtr(Vex3dReadContourStyles(dir().c_str(), e)); },
       "Unable to read data from " + dir() + "\n"},
      {"reading without a name", [](char *e) { return !StylesPtr(Vex3dReadContourStyles(nullptr, e)); },
       "Filename is NULL"},
      {"writing into a missing folder",
       [&](char *e) { return Vex3dWriteContourStyles(list.data(), no_dir.c_str(), e) == 0; },
       "Unable to write to " + no_dir},
      {"writing onto a full device", [&](char *e) { return Vex3dWriteContourStyles(list.data(), "/dev/full", e) == 0; },
       "Unable to write to /dev/full: No space left on device"},
      {"writing no table", [&](char *e) { return Vex3dWriteContourStyles(nullptr, existing.c_str(), e) == 0; },
       "No contour styles to write to " + existing},
  });
  EXPECT_EQ(read(existing), "") << "no table: the file is left empty";
}

// An endless or huge source is refused at the line where it goes too far.
TEST_F(StylesFile, RefusesEndlessAndHugeFiles) {
  const std::string long_line =
      write("long.sty", "Red Blue 1 Solid\n" + std::string(vex3d::kMaxLineBytes + 1, ' ') + "Red\n");
  expect_routed({
      {"an endless line", [](char *e) { return !StylesPtr(Vex3dReadContourStyles("/dev/zero", e)); },
       "Error on line 1 of file /dev/zero - line longer than 65536 bytes"},
      {"a long line", [&](char *e) { return !StylesPtr(Vex3dReadContourStyles(long_line.c_str(), e)); },
       "Error on line 2 of file " + long_line + " - line longer than 65536 bytes"},
  });
}

TEST_F(StylesFile, IsTheTextFormOfTheGraphsStyles) {
  GraphPtr graph = make_graph();
  const std::string file = write("mine.sty", "Red Blue 2 Dotted\nGreen Black 1 Solid\n");
  ASSERT_TRUE(Vex3dSetValueString(graph.get(), VEX3D_CONTOUR_STYLES, file.c_str()));
  auto **held = static_cast<Vex3dContourStyle **>(get_pointer(graph.get(), VEX3D_CONTOUR_STYLES));
  EXPECT_EQ(contents(held), (Styles{{kRed, kBlue, 2, Vex3dLpatDotted}, {kGreen, kBlack, 1, Vex3dLpatSolid}}));
  EXPECT_FALSE(Vex3dSetValueString(graph.get(), VEX3D_CONTOUR_STYLES, write("bad.sty", "Red\n").c_str()));
  held = static_cast<Vex3dContourStyle **>(get_pointer(graph.get(), VEX3D_CONTOUR_STYLES));
  EXPECT_EQ(contents(held).size(), 2u) << "a failed read leaves the styles";
  ASSERT_TRUE(Vex3dSetValueString(graph.get(), VEX3D_CONTOUR_STYLES, write("empty.sty", "").c_str()));
  held = static_cast<Vex3dContourStyle **>(get_pointer(graph.get(), VEX3D_CONTOUR_STYLES));
  EXPECT_EQ(contents(held).size(), 100u) << "a file without styles gives the default styles";
}

}  // namespace
