// Recording and replay; contexts that cannot be made.
#include <gtest/gtest.h>

#include "raster_context.h"
#include "recording_context.h"

namespace {

using namespace vex3d::platform;

void draw_scene(DrawContext &c) {
  c.set_brush({0xEEEEEE, false});
  c.fill_rectangle({0, 0, 40, 30});
  c.set_pen(Pen{.color = 0x0000FF, .dashes = {}});
  c.draw_line({2, 2}, {37, 25});
  Pen wide{0x00AA00, false, 3, Cap::kRound, Join::kRound, {4, 2}, 0};
  c.set_pen(wide);
  const Point zig[] = {{5, 25}, {15, 5}, {25, 25}};
  c.draw_polyline(zig);
  c.set_clip(Box{10, 10, 20, 10});
  c.set_brush({0x123456, true});
  c.fill_pie({{5, 5, 30, 20}, 0.5, 2.0});
  c.set_clip(std::nullopt);
  c.stroke_arc({{2, 2, 36, 26}, 0, 7});
  c.set_font(resolve_font({"Liberation Sans", -12}));
  c.draw_text({3, 28}, "Re");
}

TEST(Recording, KeepsPrimitivesInOrderWithTheirState) {
  RecordingContext rec;
  draw_scene(rec);
  const auto &ops = rec.ops();
  ASSERT_EQ(ops.size(), 6u);
  const Primitive order[] = {Primitive::kRectangle, Primitive::kPolyline, Primitive::kPolyline,
                             Primitive::kPie,       Primitive::kArc,      Primitive::kText};
  for (std::size_t i = 0; i < ops.size(); ++i) EXPECT_EQ(ops[i].primitive, order[i]) << i;
  EXPECT_EQ(ops[2].state.pen.dashes, (std::vector<double>{4, 2}));
  EXPECT_EQ(ops[3].state.clip, (Box{10, 10, 20, 10}));
  EXPECT_TRUE(ops[3].state.brush.stippled);
  EXPECT_FALSE(ops[4].state.clip.has_value());
  EXPECT_EQ(ops[5].text, "Re");
}

TEST(Recording, ReplayDrawsWhatDrawingDirectlyDraws) {
  RasterContext direct(40, 30), replayed(40, 30);
  RecordingContext rec;
  draw_scene(direct);
  draw_scene(rec);
  rec.replay(replayed);
  int differing = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) differing += direct.pixel(x, y) != replayed.pixel(x, y);
  EXPECT_EQ(differing, 0);
}

TEST(Recording, InvalidUtf8IsTakenAsLatin1) {
  RecordingContext rec;
  rec.set_font(resolve_font({"Liberation Sans", -12}));
  rec.draw_text({0, 10}, "caf\xE9 \xFF");
  ASSERT_EQ(rec.ops().size(), 1u);
  EXPECT_EQ(rec.ops()[0].text, "caf\xC3\xA9 \xC3\xBF");
}

TEST(RasterContexts, ImpossibleSizesFailAndDrawNothing) {
  for (auto size : {std::pair{-1, 10}, std::pair{40000, 10}, std::pair{10, 1 << 30}}) {
    RasterContext r(size.first, size.second);
    EXPECT_FALSE(r.ok());
    r.fill_rectangle({0, 0, 5, 5});
    EXPECT_EQ(r.pixel(0, 0), 0u);
  }
  RasterContext empty(0, 0);
  EXPECT_TRUE(empty.ok()) << "an empty window still has a buffer";
  empty.fill_rectangle({0, 0, 5, 5});
  EXPECT_EQ(empty.width(), 0);
}

}  // namespace
