// The levels file: reading, writing, messages and the graph's text form.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "data.h"
#include "dtable.h"
#include "file_failures.h"
#include "graph_fixture.h"
#include "levels_fixture.h"
#include "message_capture.h"
#include "owned.h"
#include "scratch_dir.h"
#include "text_file.h"

namespace {

struct ReadCase {
  const char *what;
  std::string text;
  Levels levels;
};

const std::string kLongBlanks(3000, ' ');

const ReadCase kReads[] = {
    {"a comment, then values out of order and repeated", "!Contour Levels\n3\n1\n3\n2\n", {1, 2, 3}},
    {"the last line without a line feed", "1\n2.5", {1, 2.5}},
    {"blanks before a number, words after it", "  \t4.5 metres\n", {4.5}},
    {"lines that do not start with a number are skipped", "abc\nlevel 7\n5\n", {5}},
    {"empty lines are skipped", "\n\n6\n\n", {6}},
    {"only a first '!' makes a comment", "!7\n !8\n9\n", {9}},
    {"numbers as the C reader reads them", "1e3\n-.5\n+2\n0x10\n", {-0.5, 2, 16, 1000}},
    {"carriage returns before line feeds", "1\r\n2\r\n", {1, 2}},
    {"NaN has no place among ordered levels", "nan\n1\n", {1}},
    {"a long line gives its one leading number", "5" + kLongBlanks + "9\n", {5}},
    {"a long comment stays one comment", "!" + kLongBlanks + "8\n4\n", {4}},
    {"no values: an empty table", "! nothing here\n\nwords\n", {}},
    {"an empty file: an empty table", "", {}},
};

class LevelsFile : public ScratchDir {};

TEST_F(LevelsFile, ReadsOneValueALineSortedAndWithoutDuplicates) {
  for (const ReadCase &c : kReads) {
    SCOPED_TRACE(c.what);
    char error[VEX3D_ERROR_SIZE] = "untouched";
    TablePtr table(Vex3dReadDistnTable(write("levels.lvl", c.text).c_str(), error));
    ASSERT_NE(table, nullptr) << error;
    EXPECT_EQ(contents(table.get()), c.levels);
    EXPECT_NE(table->levels, nullptr) << "room for one level";
    EXPECT_STREQ(error, "untouched");
  }
}

TEST_F(LevelsFile, WritesAHeaderSixSignificantDigitsAndAnEmptyLine) {
  double levels[] = {-2.5, 1e-7, 0.123456789, 1, 1234567};
  const Vex3dDistnTable table{5, levels};
  const std::string file = path("out.lvl");
  EXPECT_EQ(Vex3dWriteDistnTable(&table, file.c_str(), nullptr), 1);
  EXPECT_EQ(read(file), "!Contour Levels for " + file + "\n-2.5\n1e-07\n0.123457\n1\n1.23457e+06\n\n");
}

TEST_F(LevelsFile, WrittenLevelsReadBackToSixSignificantDigits) {
  double levels[] = {-1e300, -2.5, 0, 1e-7, 0.123456789, 1, 98765.4321, 1234567};
  const Vex3dDistnTable table{8, levels};
  const std::string file = path("round.lvl");
  ASSERT_EQ(Vex3dWriteDistnTable(&table, file.c_str(), nullptr), 1);
  TablePtr back(Vex3dReadDistnTable(file.c_str(), nullptr));
  ASSERT_NE(back, nullptr);
  ASSERT_EQ(back->nlevels, 8);
  for (int i = 0; i < 8; ++i) {
    char six[32];
    std::snprintf(six, sizeof six, "%.6g", levels[i]);
    EXPECT_EQ(back->levels[i], std::strtod(six, nullptr)) << six;
  }
}

TEST_F(LevelsFile, ReportsWhatFailedIntoTheBufferOrTheMessageOutput) {
  const std::string missing = path("missing.lvl");
  const std::string no_dir = path("no/such/dir.lvl");
  double one[] = {1};
  const Vex3dDistnTable table{1, one};
  const std::string existing = write("existing", "old contents\n");
  expect_routed({
      {"reading a file that is not there", [&](char *e) { return !TablePtr(Vex3dReadDistnTable(missing.c_str(), e)); },
       "Unable to read distribution table from " + missing + "\n"},
      {"reading a folder", [&](char *e) { return !TablePtr(Vex3dReadDistnTable(dir().c_str(), e)); },
       "Unable to read distribution table from " + dir() + "\n"},
      {"reading without a name", [](char *e) { return !TablePtr(Vex3dReadDistnTable(nullptr, e)); },
       "Filename is NULL"},
      {"writing into a missing folder", [&](char *e) { return Vex3dWriteDistnTable(&table, no_dir.c_str(), e) == 0; },
       "Unable to write to " + no_dir},
      {"writing onto a full device", [&](char *e) { return Vex3dWriteDistnTable(&table, "/dev/full", e) == 0; },
       "Unable to write to /dev/full: No space left on device"},
      {"writing no table", [&](char *e) { return Vex3dWriteDistnTable(nullptr, existing.c_str(), e) == 0; },
       "No distribution table to write to " + existing},
  });
  EXPECT_EQ(read(existing), "") << "no table: the file is left empty";
}

// Files that would take the reader's memory without end, or give a table
// too large to draw, are refused at the line where they go too far.
TEST_F(LevelsFile, RefusesEndlessHugeAndOverfullFiles) {
  std::string thousand, comments;
  for (int k = 0; k < vex3d::kMaxTableLevels; ++k) thousand += std::to_string(k) + "\n";
  const std::string comment = "! a comment that goes on and on\n";
  while (comments.size() <= vex3d::kMaxTextFileBytes) comments += comment;
  const std::string overfull = write("overfull.lvl", "1\n1\n" + thousand + "-1\n");
  const std::string twice = write("twice.lvl", thousand + thousand);
  const std::string long_line = write("long.lvl", "1\n2\n" + std::string(vex3d::kMaxLineBytes + 1, ' ') + "3\n");
  const std::string huge = write("huge.lvl", comments);
  const int huge_line = int(vex3d::kMaxTextFileBytes / comment.size()) + 1;
  expect_routed({
      {"more distinct levels than a chart draws",
       [&](char *e) { return !TablePtr(Vex3dReadDistnTable(overfull.c_str(), e)); },
       "Error on line " + std::to_string(vex3d::kMaxTableLevels + 3) + " of file " + overfull + " - more than " +
           std::to_string(vex3d::kMaxTableLevels) + " levels"},
      {"an endless line", [](char *e) { return !TablePtr(Vex3dReadDistnTable("/dev/zero", e)); },
       "Error on line 1 of file /dev/zero - line longer than 65536 bytes"},
      {"a long line", [&](char *e) { return !TablePtr(Vex3dReadDistnTable(long_line.c_str(), e)); },
       "Error on line 3 of file " + long_line + " - line longer than 65536 bytes"},
      {"a huge file", [&](char *e) { return !TablePtr(Vex3dReadDistnTable(huge.c_str(), e)); },
       "Error on line " + std::to_string(huge_line) + " of file " + huge + " - file longer than 4194304 bytes"},
  });
  TablePtr table(Vex3dReadDistnTable(twice.c_str(), nullptr));
  ASSERT_NE(table, nullptr) << "a level repeated counts once";
  EXPECT_EQ(table->nlevels, vex3d::kMaxTableLevels);
}

TEST_F(LevelsFile, ATableTooLargeToDrawIsNotTaken) {
  GraphPtr graph = make_graph();
  std::vector<double> many(vex3d::kMaxTableLevels + 1);
  for (std::size_t k = 0; k < many.size(); ++k) many[k] = double(k);
  const Vex3dDistnTable at_most{vex3d::kMaxTableLevels, many.data()}, over{vex3d::kMaxTableLevels + 1, many.data()};
  Vex3dSetValues(graph.get(), VEX3D_DEBUG, 1, VEX3D_DISTN_TABLE, &at_most, 0);
  MessageCapture capture;
  Vex3dSetValues(graph.get(), VEX3D_DISTN_TABLE, &over, 0);
  const std::string most = std::to_string(vex3d::kMaxTableLevels);
  EXPECT_EQ(capture.all(), "Distn table of " + std::to_string(vex3d::kMaxTableLevels + 1) +
                               " levels: Not changed (at most " + most + " levels)");
  Vex3dDistnTable *kept = nullptr;
  Vex3dGetValues(graph.get(), VEX3D_DISTN_TABLE, &kept, 0);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->nlevels, vex3d::kMaxTableLevels) << "the table before stays";
}


TEST_F(LevelsFile, NamesAreExpandedButMessagesCiteThemAsGiven) {
  setenv("TORVANE3D_LEVELS_TEST_DIR", dir().c_str(), 1);
  double levels[] = {1, 2};
  const Vex3dDistnTable table{2, levels};
  const char *name = "$TORVANE3D_LEVELS_TEST_DIR/expanded.lvl";
  ASSERT_EQ(Vex3dWriteDistnTable(&table, name, nullptr), 1);
  EXPECT_EQ(read(path("expanded.lvl")), std::string("!Contour Levels for ") + name + "\n1\n2\n\n");
  TablePtr back(Vex3dReadDistnTable(name, nullptr));
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(contents(back.get()), (Levels{1, 2}));
  char error[VEX3D_ERROR_SIZE];
  EXPECT_EQ(Vex3dReadDistnTable("$TORVANE3D_LEVELS_TEST_DIR/none.lvl", error), nullptr);
  EXPECT_STREQ(error, "Unable to read distribution table from $TORVANE3D_LEVELS_TEST_DIR/none.lvl\n");
  unsetenv("TORVANE3D_LEVELS_TEST_DIR");
}

TEST_F(LevelsFile, IsTheTextFormOfTheUserTable) {
  GraphPtr graph = make_graph();
  const std::string file = write("user.lvl", "30\n10\n20\n");
  ASSERT_TRUE(Vex3dSetValueString(graph.get(), VEX3D_DISTN_TABLE, file.c_str()));
  const auto *held = static_cast<Vex3dDistnTable *>(get_pointer(graph.get(), VEX3D_DISTN_TABLE));
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(contents(held), (Levels{10, 20, 30}));
  EXPECT_FALSE(Vex3dSetValueString(graph.get(), VEX3D_DISTN_TABLE, path("missing.lvl").c_str()));
  held = static_cast<Vex3dDistnTable *>(get_pointer(graph.get(), VEX3D_DISTN_TABLE));
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(contents(held), (Levels{10, 20, 30})) << "a failed read leaves the table";
}

}  // namespace
