// Border shades by the HSV rule.
#include <gtest/gtest.h>

#include "graph.h"
#include "graph_fixture.h"
#include "shades.h"

namespace {

struct Case {
  const char *what;
  int color;  // 0xBBGGRR
  int light, dark;
};

// Worked by hand from the rule: hue in whole degrees, saturation and value
// in whole percentages; dark keeps 65 % of the value, light gains 20 %.
const Case kCases[] = {
    {"white: light is 95 % grey", 0xFFFFFF, 0xF2F2F2, 0xA6A6A6},
    {"black: light is raised to half value", 0x000000, 0x808080, 0x000000},
    {"mid grey", 0x808080, 0x999999, 0x525252},
    {"pure red: light halves the saturation", 0x0000FF, 0x8080FF, 0x0000A6},
    {"dark blue: light raised to half value", 0x400000, 0x800000, 0x290000},
    {"near-white grey below full value becomes white", 0xFAFAFA, 0xFFFFFF, 0xA1A1A1},
    {"near-white at full value keeps its tint", 0xFCFCFF, 0xF0F0F2, 0xA4A4A6},
    {"negative hue wraps", 0x8000FF, 0xBF80FF, 0x5300A6},
};

TEST(BorderShades, FollowTheHsvRule) {
  for (const Case &c : kCases) {
    const vex3d::Shades s = vex3d::border_shades(c.color);
    EXPECT_EQ(s.light, c.light) << c.what << std::hex << " got " << s.light;
    EXPECT_EQ(s.dark, c.dark) << c.what << std::hex << " got " << s.dark;
  }
}

TEST(BorderShades, RecordComputesOnceAndFollowsItsColour) {
  auto graph = make_graph();
  vex3d::BackgroundColor &record = graph->background;
  EXPECT_EQ(vex3d::border_shades(record).light, 0xF2F2F2);  // the default white
  record.device[0] = 0x123456;                              // a cached value is used as it is
  EXPECT_EQ(vex3d::border_shades(record).light, 0x123456);
  Vex3dSetValues(graph.get(), VEX3D_BACKGROUND_COLOR, 0x0000FF, 0);
  const vex3d::Shades s = vex3d::border_shades(record);
  EXPECT_EQ(s.light, 0x8080FF);
  EXPECT_EQ(s.dark, 0x0000A6);
}

}  // namespace
