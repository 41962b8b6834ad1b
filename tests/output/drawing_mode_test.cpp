// Drawing modes -6 ... -1: the foreground each picks and the line reset.
#include <gtest/gtest.h>

#include "recording_fixture.h"

namespace {

using namespace vex3d;

constexpr int kUnset = COLOR_UNSET;
constexpr int kGeneral = 0x111111;  // FOREGROUND_COLOR
constexpr int kChart = 0x222222;    // GRAPH_FOREGROUND_COLOR
constexpr int kGiven = 0x333333;

struct ModeCase {
  int mode, chart_foreground, color;
  int expected;
};

const ModeCase kModes[] = {
    {-6, kChart, kGiven, kGiven},   {-6, kChart, kUnset, kChart},   {-6, kUnset, kUnset, kGeneral},
    {-5, kChart, kGiven, kChart},   {-5, kUnset, kGiven, kGeneral}, {-4, kChart, kGiven, kGiven},
    {-4, kChart, kUnset, kGeneral}, {-3, kChart, kUnset, kGeneral}, {-3, kUnset, kGiven, kGiven},
    {-1, kChart, kGiven, kGeneral},
};

using DrawingModes = RecordingGraph;

TEST_F(DrawingModes, ForegroundAndLineReset) {
  Vex3dSetValues(graph.get(), VEX3D_FOREGROUND_COLOR, kGeneral, 0);
  for (const ModeCase &c : kModes) {
    SCOPED_TRACE(testing::Message() << "mode " << c.mode << " chart " << c.chart_foreground << " colour " << c.color);
    Vex3dSetValues(graph.get(), VEX3D_GRAPH_FOREGROUND_COLOR, c.chart_foreground, 0);
    vex3d_win_setlineattributes(graph.get(), 6, 2, 3, 2);
    Vex3dSetDrawingMode(graph.get(), c.mode, c.color);
    vex3d_win_drawline(graph.get(), 0, 0, 10, 0);
    EXPECT_EQ(last().state.pen.color, static_cast<platform::Rgb>(c.expected));
    EXPECT_TRUE(last().state.pen.thin && last().state.pen.solid()) << "width 0, style 1, cap 2, join 3";
  }
}

TEST_F(DrawingModes, StippledModeFillsBlackThroughTheCheckerboardAndKeepsThePen) {
  vex3d_win_setsolidfill(graph.get(), 0xABCDEF);
  vex3d_win_setlineattributes(graph.get(), 6, 1, 2, 3);
  Vex3dSetDrawingMode(graph.get(), -2, kGiven);
  vex3d_win_fillrectangle(graph.get(), 0, 0, 8, 8);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 0);
  EXPECT_EQ(ops()[0].state.brush, (platform::Brush{0, true}));
  EXPECT_EQ(ops()[1].state.pen.width, 6);
}

TEST_F(DrawingModes, OtherModesChangeNothing) {
  vex3d_win_setforeground(graph.get(), kGiven);
  vex3d_win_setlineattributes(graph.get(), 6, 1, 2, 3);
  for (int mode : {0, 1, -7, -100}) Vex3dSetDrawingMode(graph.get(), mode, 0x777777);
  vex3d_win_drawline(graph.get(), 0, 0, 10, 0);
  EXPECT_EQ(last().state.pen.color, static_cast<platform::Rgb>(kGiven));
  EXPECT_EQ(last().state.pen.width, 6);
}

}  // namespace
