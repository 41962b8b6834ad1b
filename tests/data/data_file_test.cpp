// Data files: the reader's lexical rules and messages, the writer's layout,
// and the round trip between them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

#include "data_fixture.h"
#include "message_capture.h"
#include "number_text.h"

namespace {

// ---- the reader's failures -------------------------------------------------

struct FailureCase {
  const char *what;
  const char *text;
  const char *message;  // "%s" stands for the file name
};

const FailureCase kFailures[] = {
    {"no file text", "", "File %s is empty??"},
    {"comments only", "! a comment\n# another\n", "File %s is empty??"},
    {"keyword ended by the end of the file", "GRID", "File %s is empty??"},
    {"unknown keyword", "SURFACE 1 1\n", "Unrecognized graph type SURFACE"},
    {"keywords are case-sensitive", "grid 1 1\n", "Unrecognized graph type grid"},
    {"grid size missing", "GRID 2\n", "Missing grid size"},
    {"grid parameter missing", "GRID 2 2\n-99\n1 1\n0\n", "Missing grid parameters"},
    {"grid parameter not a number", "GRID 2 2\n-99\n1 1\n0 y0\n", "Missing grid parameters"},
    {"one grid value short", "GRID 2 2\n-99\n1 1\n0 0\n1 2 3 \n", "Missing 1 grid values"},
    {"last value ended by the end of the file", "GRID 2 2\n-99\n1 1\n0 0\n1 2 3 4", "Missing 1 grid values"},
    {"count includes the missing value", "GRID 3 2\n-99\n1 1\n0 0\n1 2\n3 x\n", "Missing 3 grid values"},
    {"irregular size missing", "IRGRID\n", "Missing grid size"},
    {"irregular hole missing", "IRGRID 2 2\n\n", "Missing noval parameter"},
    {"x grid short", "IRGRID 3 2\n-99\n0 1\n", "Missing 1 xgrid values"},
    {"y grid short", "IRGRID 2 2\n-99\n0 1\n5\n", "Missing 1 ygrid values"},
    {"irregular values short", "IRGRID 2 2\n-99\n0 1 0 1\n1 2 x 4\n", "Missing 2 grid values"},
    {"series count missing", "POINT\n", "Missing number of series"},
    {"point hole missing", "POINT 2\n", "Missing noval parameter"},
    {"points of a series missing", "POINT 2\n-99\n1\n1 2 3\n", "Missing number of points in series 1"},
    {"point short", "POINT 1\n-99\n2\n1 2 3\n4 5\n", "Missing point values"},
    {"indented comment is a token", "GRID 1 2\n-99\n1 1\n0 0\n  # indented\n1 2\n", "Missing 2 grid values"},
    {"comment after a counted blank", "GRID 2 2\n-99\n1 1\n0 0\n1  2\n#3 4\n5 6\n", "Missing 2 grid values"},
    {"comment character inside a line", "GRID 1 2\n-99\n1 1\n0 0\n1  !2\n", "Missing 1 grid values"},
    {"number of 100 characters",
     "GRID 1 1\n-99\n1 1\n0 0\n1000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000\n",
     "Missing 1 grid values"},
    {"count no int holds", "GRID 1e10 1\n", "Missing grid size"},
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.what; }

class ReaderFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(ReaderFailure, GivesItsMessageAndNoData) {
  ScratchFolder dir;
  std::string error;
  const DataPtr data = read_text(dir, GetParam().text, error);
  EXPECT_FALSE(data);
  std::string expected = GetParam().message;
  if (const auto at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, dir.file("in.dat"));
  EXPECT_EQ(error, expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReaderFailure, ::testing::ValuesIn(kFailures));

// The line a failure is blamed on: the token that is no number, or the last
// line when the file ends early; none when the text is not at fault.
TEST(Reader, AFailureNamesTheLineWhereTheTextWentWrong) {
  const struct {
    const char *text;
    int line;
  } cases[] = {
      {"GRID 2 2\n-99\n1 1\n0 y0\n", 4},
      {"GRID 2 2\r\n-99\r\n1 1\r\n0 y0\r\n", 4},
      {"GRID 3 2\n-99\n1 1\n0 0\n1 2\n3 x\n", 6},
      {"# made by hand\n! twice\nGRID 1 1\n-99\n1 1\n0 0\nz\n", 7},
      {"GRID 2 2\n-99\n1 1\n0 0\n1 2 3 \n", 5},
      {"GRID 2 1\n-99\n1 1\n0 0\n4   ", 5},
      {"POINT 1\n-99\n2\n1 2 3\n\n\n4 5\n", 7},
      {"SURFACE 1 1\n", 0},
      {"", 0},
  };
  ScratchFolder dir;
  for (const auto &c : cases) {
    char error[VEX3D_ERROR_SIZE] = "";
    int line = -1;
    EXPECT_EQ(Vex3dDataReadWithLine(dir.write("in.dat", c.text).c_str(), error, &line), nullptr) << c.text;
    EXPECT_EQ(line, c.line) << c.text << ": " << error;
  }
  int line = -1;
  EXPECT_EQ(Vex3dDataReadWithLine("/nonexistent-folder/x.dat", nullptr, &line), nullptr);
  EXPECT_EQ(line, 0);
  DataPtr read(Vex3dDataReadWithLine(dir.write("ok.dat", "GRID 1 1\n-99\n1 1\n0 0\n7\n").c_str(), nullptr, &line));
  EXPECT_TRUE(read);
  EXPECT_EQ(line, 0);
}

TEST(Reader, OpeningFailuresNameTheFileAsGiven) {
  char error[VEX3D_ERROR_SIZE] = "";
  EXPECT_EQ(Vex3dDataRead(nullptr, error), nullptr);
  EXPECT_STREQ(error, "Filename is NULL");
  setenv("TV3D_NOWHERE", "/nonexistent-folder", 1);
  EXPECT_EQ(Vex3dDataRead("$TV3D_NOWHERE/x.dat", error), nullptr);
  EXPECT_STREQ(error, "Unable to open $TV3D_NOWHERE/x.dat");
}

TEST(Reader, WithoutABufferTheReasonGoesToTheMessageOutput) {
  ScratchFolder dir;
  MessageCapture capture;
  EXPECT_EQ(Vex3dDataRead(dir.write("bad.dat", "GRID 1 1\n").c_str(), nullptr), nullptr);
  EXPECT_EQ(capture.all(), "Missing grid parameters\n");
}

TEST(Reader, AnEnvironmentPieceNamesTheFolder) {
  ScratchFolder dir;
  dir.write("env.dat", "GRID 1 1\n-99\n1 1\n0 0\n42\n");
  setenv("TV3D_DATA_FOLDER", dir.path().c_str(), 1);
  DataPtr data(Vex3dDataRead("$TV3D_DATA_FOLDER/env.dat", nullptr));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->grid.values[0][0], 42);
}

// ---- what the reader accepts -------------------------------------------------

TEST(Reader, ReadsAGridWithCommentsAndCountsTruncated) {
  ScratchFolder dir;
  std::string error;
  const DataPtr d = read_text(dir,
                              "# made by hand\nGRID 2.9 3\n-99\n0.5 2\n10 -20\n"
                              "1 2 3 \n# between two rows\n! and another\n4 -99 6e1\n",
                              error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->type, VEX3D_DATA_GRID);
  EXPECT_EQ(d->grid.numx, 2) << "a count written as 2.9 is 2";
  EXPECT_EQ(d->grid.numy, 3);
  EXPECT_EQ(d->grid.hole, -99);
  EXPECT_EQ(d->grid.xstep, 0.5);
  EXPECT_EQ(d->grid.ystep, 2);
  EXPECT_EQ(d->grid.xorig, 10);
  EXPECT_EQ(d->grid.yorig, -20);
  EXPECT_EQ(d->grid.values[0][2], 3);
  EXPECT_EQ(d->grid.values[1][1], -99);
  EXPECT_EQ(d->grid.values[1][2], 60);
}

// A grid with no points in one direction is refused as soon as its counts
// are read: nothing is made for the other direction, however large it claims
// to be (a few bytes used to cost gigabytes and half a minute).
TEST(Reader, AGridWithoutPointsInOneDirectionIsRefusedAtOnce) {
  ScratchFolder dir;
  const struct {
    const char *text, *message;
  } cases[] = {
      {"GRID 2 -3\n-99\n1 1\n0 0\n", "Grid of 2 x -3 points has none in one direction"},
      {"GRID -2 3\n-99\n1 1\n0 0\n", "Grid of -2 x 3 points has none in one direction"},
      {"IRGRID 2 0\n-99\n5 6\n", "Grid of 2 x 0 points has none in one direction"},
      {"GRID 2000000000 0\n", "Grid of 2000000000 x 0 points has none in one direction"},
      {"IRGRID 0 2000000000\n", "Grid of 0 x 2000000000 points has none in one direction"},
  };
  for (const auto &c : cases) {
    std::string error;
    EXPECT_FALSE(read_text(dir, c.text, error)) << c.text;
    EXPECT_EQ(error, c.message);
  }
}

TEST(Reader, ReadsCarriageReturnLineFeedFiles) {
  ScratchFolder dir;
  std::string error;
  const DataPtr d = read_text(dir, "GRID 1 2\r\n-99\r\n1 1\r\n0 0\r\n5 6\r\n# note\r\n", error);
  ASSERT_TRUE(d) << error;
  EXPECT_EQ(d->grid.values[0][1], 6);
}

TEST(Reader, ReadsIrregularGridsAndPoints) {
  ScratchFolder dir;
  std::string error;
  const DataPtr ir = read_text(dir, "IRGRID 2 3\n1e300\n\n-1 4.5 \n\n0 1 3 \n\n7 8 9 \n1 2 3 \n", error);
  ASSERT_TRUE(ir) << error;
  EXPECT_EQ(ir->irgrid.hole, 1e300);
  EXPECT_EQ(ir->irgrid.xgrid[1], 4.5);
  EXPECT_EQ(ir->irgrid.ygrid[2], 3);
  EXPECT_EQ(ir->irgrid.values[0][2], 9);
  EXPECT_EQ(ir->irgrid.values[1][0], 1);

  const DataPtr p = read_text(dir, "POINT 4\n-1\n2\n1 2 3 \n4 5 6 \n0\n-2\n1\n7 8 9 \n", error);
  ASSERT_TRUE(p) << error;
  ASSERT_EQ(p->point.nseries, 4);
  EXPECT_EQ(p->point.series[0].npoints, 2);
  EXPECT_EQ(p->point.series[0].points[1].y, 5);
  EXPECT_EQ(p->point.series[1].npoints, 0);
  EXPECT_EQ(p->point.series[2].npoints, -2) << "a count of 0 or less reads no points";
  EXPECT_NE(p->point.series[2].points, nullptr);
  EXPECT_EQ(p->point.series[3].points[0].z, 9);
}

// A number token is read exactly when strtod consumes all of it.
TEST(Reader, NumbersAreWhatStrtodReadsWhole) {
  const char *tokens[] = {"5",        "+5",        "-.5", ".5e1",     "5.",     "0x1p4",  "0X1.8P1",
                          "inf",      "-Infinity", "nan", "NAN(abc)", "1e400",  "-1e400", "1e-400",
                          "4.9e-324", "1e",        "--1", "+-1",      "1.2.3",  "0x",     "e5",
                          "1,5",      "12a",       "+",   ".",        "0.1e+2", "1E-2"};
  ScratchFolder dir;
  for (const char *token : tokens) {
    char *end = nullptr;
    const double expected = std::strtod(token, &end);
    const bool accepted = *end == '\0';
    std::string error;
    const DataPtr d = read_text(dir, std::string("GRID 1 1\n-99\n1 1\n0 0\n") + token + "\n", error);
    ASSERT_EQ(bool(d), accepted) << token << ": " << error;
    if (!d) continue;
    const double got = d->grid.values[0][0];
    if (std::isnan(expected))
      EXPECT_TRUE(std::isnan(got)) << token;
    else
      EXPECT_EQ(std::memcmp(&got, &expected, sizeof got), 0) << token << " read as " << got;
  }
}

TEST(Reader, LongTokensAreCutNotOverrun) {
  ScratchFolder dir;
  std::string error;
  const std::string digits(98, '0');
  EXPECT_TRUE(read_text(dir, "GRID 1 1\n-99\n1 1\n0 0\n1" + digits + "\n", error)) << "99 characters are a number";
  EXPECT_FALSE(read_text(dir, std::string(300, 'K') + "\n", error));
  EXPECT_EQ(error, "Unrecognized graph type " + std::string(255, 'K'));
}

// ---- the writer ----------------------------------------------------------------

TEST(Writer, LaysOutEachLayoutExactly) {
  ScratchFolder dir;
  DataPtr grid = make_grid(
      2, 12, [](int i, int j) { return i * 100 + j + 0.5; }, -99, 0.1, 2, 1e-5, -3);
  ASSERT_EQ(Vex3dDataWrite(grid.get(), dir.file("g.dat").c_str(), nullptr), 1);
  EXPECT_EQ(read_whole(dir.file("g.dat")),
            "GRID 2 12\n-99\n0.1 2\n1e-05 -3\n"
            "0.5 1.5 2.5 3.5 4.5 5.5 6.5 7.5 8.5 9.5 \n10.5 11.5 \n"
            "100.5 101.5 102.5 103.5 104.5 105.5 106.5 107.5 108.5 109.5 \n110.5 111.5 \n");

  DataPtr ir(Vex3dDataCreateIrGrid(11, 1, 1e300, 1));
  for (int i = 0; i < 11; ++i) ir->irgrid.xgrid[i] = i / 3.0;
  ir->irgrid.ygrid[0] = -7;
  ir->irgrid.values[10][0] = 2;
  ASSERT_EQ(Vex3dDataWrite(ir.get(), dir.file("i.dat").c_str(), nullptr), 1);
  EXPECT_EQ(read_whole(dir.file("i.dat")),
            "IRGRID 11 1\n1e+300\n"
            "\n0 0.33333333333333 0.66666666666667 1 1.3333333333333 1.6666666666667 2 2.3333333333333 "
            "2.6666666666667 3 \n3.3333333333333 "
            "\n-7 \n"
            "0 \n0 \n0 \n0 \n0 \n0 \n0 \n0 \n0 \n0 \n2 \n");

  DataPtr points(Vex3dDataCreatePoint(2, 0, 0, 0));
  Vex3dDataSetSeriesSize(&points->point.series[0], 2);
  points->point.series[0].points[0] = {1, 2, 3};
  points->point.series[0].points[1] = {-4, 5.25, 1e20};
  ASSERT_EQ(Vex3dDataWrite(points.get(), dir.file("p.dat").c_str(), nullptr), 1);
  EXPECT_EQ(read_whole(dir.file("p.dat")), "POINT 2\n0\n2\n1 2 3 \n-4 5.25 1e+20 \n0\n");
}

TEST(Writer, RefusalsCreateAnEmptyFileAndSayWhy) {
  ScratchFolder dir;
  char error[VEX3D_ERROR_SIZE] = "";
  EXPECT_EQ(Vex3dDataWrite(nullptr, dir.file("none.dat").c_str(), error), 0);
  EXPECT_STREQ(error, "No data set to write");
  EXPECT_EQ(read_whole(dir.file("none.dat")), "");

  Vex3dData odd{};
  odd.type = 5;
  EXPECT_EQ(Vex3dDataWrite(&odd, dir.file("odd.dat").c_str(), error), 0);
  EXPECT_STREQ(error, "Data is neither VEX3D_DATA_GRID, VEX3D_DATA_IRGRID, nor VEX3D_POINT");

  DataPtr rowless(Vex3dDataCreateGrid(2, 2, 0, 1, 1, 0, 0, 0));
  EXPECT_EQ(Vex3dDataWrite(rowless.get(), dir.file("rowless.dat").c_str(), error), 0);
  EXPECT_STREQ(error, "No data values allocated");

  MessageCapture capture;
  EXPECT_EQ(Vex3dDataWrite(rowless.get(), (dir.path() + "/no/such/folder.dat").c_str(), nullptr), 0);
  EXPECT_EQ(capture.all(), "Unable to write to " + dir.path() + "/no/such/folder.dat\n");
}

TEST(Writer, AFailedWriteIsReported) {
  DataPtr grid(Vex3dDataCreateGrid(300, 300, 0, 1, 1, 0, 0, 1));
  char error[VEX3D_ERROR_SIZE] = "";
  EXPECT_EQ(Vex3dDataWrite(grid.get(), "/dev/full", error), 0) << "a full disk is not a success";
  EXPECT_STREQ(error, "Unable to write to /dev/full: No space left on device");
}

TEST(Writer, NumbersMatchPrintfByteForByte) {
  std::mt19937_64 random(20240611);
  std::vector<double> values = {
      0.0,      -0.0,      1e308, -1e-308, 4.9e-324, 1e15, 1e14,  99999999999999.5, 0.1, 1.0 / 3, 123456789012345678.0,
      INFINITY, -INFINITY, NAN,   -NAN,    1e-5,     1e-4, 2.5e-7};
  for (int k = 0; k < 20000; ++k) {
    const std::uint64_t bits = random();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    values.push_back(v);
    values.push_back(static_cast<double>(static_cast<std::int64_t>(bits >> 20)) / 1024.0);
  }
  for (double v : values) {
    char expected[64], got[vex3d::kNumberTextSize + 1];
    std::snprintf(expected, sizeof expected, "%.14g", v);
    *vex3d::format_g14(got, v) = '\0';
    ASSERT_STREQ(got, expected);
  }
}

// ---- round trip ------------------------------------------------------------------

TEST(RoundTrip, WrittenDataReadsBackTheSame) {
  ScratchFolder dir;
  // numy 10: every row is followed by an empty line.
  DataPtr grid = make_grid(
      7, 10, [](int i, int j) { return std::sin(i * 0.7 + j) * 1234.5678901234; }, -99, 0.5, 0.25, -3, 2);
  grid->grid.values[3][4] = -99;
  ASSERT_EQ(Vex3dDataWrite(grid.get(), dir.file("g.dat").c_str(), nullptr), 1);
  const std::string text = read_whole(dir.file("g.dat"));
  EXPECT_NE(text.find(" \n\n"), std::string::npos) << "a row of ten values ends with an empty line";
  DataPtr back(Vex3dDataRead(dir.file("g.dat").c_str(), nullptr));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->grid.numx, 7);
  EXPECT_EQ(back->grid.numy, 10);
  EXPECT_EQ(back->grid.xstep, 0.5);
  EXPECT_EQ(back->grid.yorig, 2);
  for (int i = 0; i < 7; ++i)
    for (int j = 0; j < 10; ++j) {
      const double v = grid->grid.values[i][j];
      EXPECT_NEAR(back->grid.values[i][j], v, std::fabs(v) * 1e-13) << i << "," << j;
    }
  EXPECT_EQ(back->grid.values[3][4], -99) << "the hole value survives exactly";

  // What the writer wrote, written again, is the same text.
  ASSERT_EQ(Vex3dDataWrite(back.get(), dir.file("again.dat").c_str(), nullptr), 1);
  EXPECT_EQ(read_whole(dir.file("again.dat")), text);

  // A comment line inserted between two value lines is skipped.
  std::string commented = text;
  commented.insert(commented.find('\n', commented.find("\n\n") + 2) + 1, "# inserted\n");
  std::string error;
  EXPECT_TRUE(read_text(dir, commented, error)) << error;
}

TEST(RoundTrip, IrregularAndPointDataReadBack) {
  ScratchFolder dir;
  DataPtr ir(Vex3dDataCreateIrGrid(12, 3, -1, 1));
  for (int i = 0; i < 12; ++i) ir->irgrid.xgrid[i] = i * i * 0.1;
  for (int j = 0; j < 3; ++j) ir->irgrid.ygrid[j] = j - 1.5;
  ir->irgrid.values[11][2] = 3.25;
  ASSERT_EQ(Vex3dDataWrite(ir.get(), dir.file("i.dat").c_str(), nullptr), 1);
  DataPtr ir_back(Vex3dDataRead(dir.file("i.dat").c_str(), nullptr));
  ASSERT_TRUE(ir_back);
  EXPECT_EQ(ir_back->irgrid.xgrid[11], 12.1);
  EXPECT_EQ(ir_back->irgrid.ygrid[0], -1.5);
  EXPECT_EQ(ir_back->irgrid.values[11][2], 3.25);

  DataPtr points(Vex3dDataCreatePoint(3, 2, 1e-300, 1));
  points->point.series[2].points[1] = {1e-10, -2, 3e10};
  Vex3dDataSetSeriesSize(&points->point.series[1], 0);
  ASSERT_EQ(Vex3dDataWrite(points.get(), dir.file("p.dat").c_str(), nullptr), 1);
  DataPtr p_back(Vex3dDataRead(dir.file("p.dat").c_str(), nullptr));
  ASSERT_TRUE(p_back);
  EXPECT_EQ(p_back->point.hole, 1e-300);
  EXPECT_EQ(p_back->point.series[1].npoints, 0);
  EXPECT_EQ(p_back->point.series[2].points[1].z, 3e10);
}

}  // namespace
