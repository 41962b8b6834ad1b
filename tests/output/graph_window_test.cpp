// The graph window on a headless window: attaching, resizing, repainting
// through the off-screen buffer, deferred painting, painting into a host's
// context, printing and the developer commands.
#include <gtest/gtest.h>

#include "graph.h"
#include "graph_fixture.h"
#include "graph_window.h"
#include "headless_window.h"
#include "output_state.h"
#include "palette.h"
#include "raster_context.h"
#include "recording_context.h"

namespace {

using vex3d::HeadlessWindow;
using vex3d::WindowRect;
using vex3d::platform::Primitive;
using vex3d::platform::RecordingContext;

constexpr int kDrawn = 0x400 + 4001, kResized = 0x400 + 4000, kPalette = 0x400 + 4002;

// The window outlives the graph, which detaches from it when destroyed.
struct Attached {
  HeadlessWindow window{40, 30, "Chart"};
  GraphPtr graph = make_graph();
  Attached() { EXPECT_TRUE(Vex3dAttachWindow(graph.get(), &window)); }
  long drawings() { return vex3d::output_state(graph.get()).page_drawings; }
  std::uint32_t shown(int x, int y) { return window.pixels()[static_cast<std::size_t>(y) * window.shown_width() + x]; }
};

std::vector<int> numbers(const HeadlessWindow &w) {
  std::vector<int> out;
  for (const auto &m : w.messages()) out.push_back(m.number);
  return out;
}

TEST(GraphWindow, AttachTakesSizeAndTitle) {
  Attached a;
  EXPECT_EQ(get_int(a.graph.get(), VEX3D_WIDTH), 40);
  EXPECT_EQ(get_int(a.graph.get(), VEX3D_HEIGHT), 30);
  EXPECT_STREQ(static_cast<const char *>(get_pointer(a.graph.get(), VEX3D_NAME)), "Chart");
  EXPECT_EQ(a.window.graph, a.graph.get());

  auto other = make_graph();
  EXPECT_FALSE(Vex3dAttachWindow(other.get(), &a.window)) << "a window holds one graph";
  EXPECT_EQ(Vex3dDetachWindow(a.graph.get()), &a.window);
  EXPECT_EQ(a.window.graph, nullptr);
  EXPECT_TRUE(Vex3dAttachWindow(other.get(), &a.window));
  Vex3dDetachWindow(other.get());
}

TEST(GraphWindow, UntitledWindowIsNamedByItsNumber) {
  auto graph = make_graph();
  HeadlessWindow window(10, 10);
  ASSERT_TRUE(Vex3dAttachWindow(graph.get(), &window));
  const std::string name = static_cast<const char *>(get_pointer(graph.get(), VEX3D_NAME));
  EXPECT_EQ(name.rfind("Vex3d", 0), 0u);
  EXPECT_GT(std::stoi(name.substr(5)), 0);
  Vex3dDetachWindow(graph.get());
}

TEST(GraphWindow, PaintShowsTheBufferAndNotifiesTheParent) {
  Attached a;
  Vex3dSetValues(a.graph.get(), VEX3D_BACKGROUND_COLOR, 0x0000FF, 0);  // draws: not deferred
  ASSERT_EQ(a.window.shown_width(), 40);
  ASSERT_EQ(a.window.shown_height(), 30);
  EXPECT_EQ(a.shown(0, 0), 0xFFFF0000u);
  EXPECT_EQ(a.shown(39, 29), 0xFFFF0000u);
  ASSERT_FALSE(a.window.messages().empty());
  const auto &drawn = a.window.messages().back();
  EXPECT_EQ(drawn.number, kDrawn);
  EXPECT_EQ(drawn.rect, (WindowRect{0, 0, 40, 30}));
}

TEST(GraphWindow, RepaintWithoutChangesOnlyCopiesTheBuffer) {
  Attached a;
  Vex3dWindowPaint(&a.window, nullptr);
  const long drawn = a.drawings();
  const int shows = a.window.shows();
  Vex3dWindowPaint(&a.window, nullptr);
  Vex3dSetValues(a.graph.get(), VEX3D_DRAW_MESH, 1, 0);  // the value it has: no change
  EXPECT_EQ(a.drawings(), drawn);
  EXPECT_EQ(a.window.shows(), shows + 2);
  Vex3dSetValues(a.graph.get(), VEX3D_DRAW_MESH, 0, 0);
  EXPECT_EQ(a.drawings(), drawn + 1);
}

TEST(GraphWindow, ResizeRebuildsTheBufferAndNotifies) {
  for (const auto &[w, h] : {std::pair{60, 50}, std::pair{0, 0}}) {
    Attached a;
    Vex3dWindowPaint(&a.window, nullptr);
    a.window.clear_messages();
    a.window.validate();
    a.window.set_size(w, h);
    Vex3dWindowResized(&a.window, w, h);
    EXPECT_EQ(get_int(a.graph.get(), VEX3D_WIDTH), w);
    EXPECT_EQ(get_int(a.graph.get(), VEX3D_HEIGHT), h);
    ASSERT_EQ(numbers(a.window), std::vector<int>{kResized});
    EXPECT_EQ(a.window.messages()[0].size.width, w);
    EXPECT_EQ(a.window.messages()[0].size.height, h);
    EXPECT_EQ(a.window.invalid(), (WindowRect{0, 0, w, h}));
    EXPECT_EQ(a.graph->change_mask, VEX3D_CHANGE_ALL);
    Vex3dWindowPaint(&a.window, nullptr);
    EXPECT_EQ(a.window.shown_width(), w);
    EXPECT_EQ(a.graph->change_mask, 0);
  }
}

TEST(GraphWindow, DeferredPaintDrawsOnlyWhenTheWindowPaints) {
  Attached a;
  Vex3dSetDeferredPaint(a.graph.get(), 1);
  const long drawn = a.drawings();
  Vex3dSetValues(a.graph.get(), VEX3D_BACKGROUND_COLOR, 0x00FF00, 0);
  EXPECT_EQ(a.drawings(), drawn);
  EXPECT_EQ(a.graph->change_mask, VEX3D_CHANGE_ALL);
  Vex3dWindowPaint(&a.window, nullptr);
  EXPECT_EQ(a.drawings(), drawn + 1);
  EXPECT_EQ(a.shown(5, 5), 0xFF00FF00u);
}

TEST(GraphWindow, NothingIsDrawnWhileRepaintIsOff) {
  Attached a;
  Vex3dSetValues(a.graph.get(), VEX3D_REPAINT, 0, 0);
  const long drawn = a.drawings();
  Vex3dWindowPaint(&a.window, nullptr);
  Vex3dSetValues(a.graph.get(), VEX3D_BACKGROUND_COLOR, 0x00FF00, 0);
  EXPECT_EQ(a.drawings(), drawn);
}

TEST(GraphWindow, WithoutDoubleBufferingEveryPaintDrawsThePageWhole) {
  Attached a;
  Vex3dSetValues(a.graph.get(), VEX3D_DOUBLE_BUFFER, 0, VEX3D_BACKGROUND_COLOR, 0x00FF00, 0);
  const long drawn = a.drawings();
  Vex3dWindowPaint(&a.window, nullptr);
  Vex3dWindowPaint(&a.window, nullptr);
  EXPECT_EQ(a.drawings(), drawn + 2);
  EXPECT_EQ(a.shown(39, 29), 0xFF00FF00u);
  EXPECT_EQ(vex3d::output_state(a.graph.get()).buffer, nullptr);
}

TEST(GraphWindow, ChangedRectangleCoversTheRegionsRedrawn) {
  Attached a;
  Vex3dWindowPaint(&a.window, nullptr);
  a.window.clear_messages();
  Vex3dRepaint(a.graph.get(), VEX3D_CHANGE_GRAPH);
  ASSERT_EQ(numbers(a.window), std::vector<int>{kDrawn});
  // The chart area's place, erased one pixel wider and higher.
  WindowRect chart;
  Vex3dGetValues(a.graph.get(), VEX3D_GRAPH_X, &chart.x, VEX3D_GRAPH_Y, &chart.y, VEX3D_GRAPH_WIDTH, &chart.width,
                 VEX3D_GRAPH_HEIGHT, &chart.height, 0);
  EXPECT_EQ(a.window.messages()[0].rect, (WindowRect{chart.x, chart.y, chart.width + 1, chart.height + 1}));
}

// Whether the drawing starts by filling the whole 40 x 30 area with the colour.
bool starts_with_whole_page_fill(const RecordingContext &rec, int color) {
  if (rec.ops().empty()) return false;
  const auto &op = rec.ops().front();
  return op.primitive == Primitive::kRectangle && op.box == vex3d::platform::Box{0, 0, 40, 30} &&
         op.state.brush.color == static_cast<unsigned>(color);
}

TEST(GraphWindow, PaintIntoAHostContextDrawsThePage) {
  Attached a;
  Vex3dSetValues(a.graph.get(), VEX3D_BACKGROUND_COLOR, 0x123456, 0);
  for (const bool metafile : {false, true}) {
    RecordingContext rec(RecordingContext::Options{{0, 0, 40, 30}, 32, 96.0, metafile});
    Vex3dWindowPaintContext(&a.window, &rec);
    // A recording context is no raster: the buffer cannot stand for it.
    EXPECT_TRUE(starts_with_whole_page_fill(rec, 0x123456)) << metafile;
  }
  // A screen raster of the host's takes a copy of the buffer.
  vex3d::platform::RasterContext host(40, 30);
  Vex3dWindowPaintContext(&a.window, &host);
  EXPECT_EQ(host.pixel(0, 0), 0xFF563412u);
  EXPECT_EQ(host.pixel(39, 29), 0xFF563412u);

  RecordingContext print;
  Vex3dWindowPrintClient(&a.window, &print);
  EXPECT_TRUE(starts_with_whole_page_fill(print, 0x123456));
}

// A window whose user picks a file.
class PickingWindow : public HeadlessWindow {
 public:
  using HeadlessWindow::HeadlessWindow;
  std::string file;
  std::vector<std::string> asked;
  std::optional<std::string> ask_open_file(const char *title, const char *filter) override {
    asked.push_back(std::string(title) + "|" + filter);
    return file.empty() ? std::nullopt : std::optional<std::string>(file);
  }
};

TEST(GraphWindow, DeveloperCommandsAskForAFile) {
  auto graph = make_graph();
  PickingWindow window(20, 20);
  ASSERT_TRUE(Vex3dAttachWindow(graph.get(), &window));
  Vex3dWindowPaint(&window, nullptr);
  window.clear_messages();
  for (const int command : {2, 3, 4, 5}) Vex3dWindowCommand(&window, command);
  EXPECT_EQ(window.asked, (std::vector<std::string>{
                              "Load Datafile|VEX3D data (*.dat)", "Load Datafile|VEX3D data (*.dat)",
                              "Load Datafile|VEX3D distn file (*.distn)", "Load Datafile|VEX3D contour file (*.col)"}));
  EXPECT_TRUE(window.messages().empty()) << "no file: nothing happens";

  // A headless window has no one to ask.
  HeadlessWindow headless(20, 20);
  auto other = make_graph();
  ASSERT_TRUE(Vex3dAttachWindow(other.get(), &headless));
  Vex3dWindowPaint(&headless, nullptr);
  headless.clear_messages();
  Vex3dWindowCommand(&headless, 2);
  EXPECT_TRUE(headless.messages().empty());
  EXPECT_EQ(get_pointer(other.get(), VEX3D_SURFACE_DATA), nullptr);
  Vex3dDetachWindow(other.get());
  Vex3dDetachWindow(graph.get());
}

TEST(GraphWindow, DestroyingTheGraphClosesTheWindowAndTheHostMayDestroyItFirst) {
  HeadlessWindow window(10, 10);
  Vex3dGraph *graph = Vex3dCreateGraph();
  ASSERT_TRUE(Vex3dAttachWindow(graph, &window));
  Vex3dDestroyGraph(graph);
  EXPECT_TRUE(window.closed());
  EXPECT_EQ(window.graph, nullptr);

  auto kept = make_graph();
  HeadlessWindow gone(10, 10);
  ASSERT_TRUE(Vex3dAttachWindow(kept.get(), &gone));
  Vex3dWindowDestroyed(&gone);
  EXPECT_EQ(kept->window, nullptr);
  Vex3dRepaint(kept.get(), VEX3D_CHANGE_ALL);  // no window: nothing to draw on
}

TEST(GraphWindow, ANewPaletteIsAnnouncedToTheParent) {
  Attached a;
  a.window.clear_messages();
  a.graph->color_depth = 8;
  Vex3dSetPaletteColor(a.graph.get(), 0x010203);
  EXPECT_EQ(numbers(a.window), std::vector<int>{kPalette});
}

}  // namespace
