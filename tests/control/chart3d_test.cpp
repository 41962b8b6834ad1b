// The control object: creation, batching and the chart-changed protocol,
// notifications and events, the editor element mask, dispatch, the type
// library and the factory. Through the control layer's public headers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "3dctl.h"

namespace tc3d {
namespace {

Status status_of(const std::function<void()> &f) {
  try {
    f();
  } catch (const Error &e) {
    return e.status();
  }
  return status::kOk;
}

struct Fixture {
  std::shared_ptr<HeadlessHost> host = std::make_shared<HeadlessHost>();
  std::shared_ptr<Chart3D> chart = Chart3D::create(host, {400, 300});
  std::vector<std::pair<std::string, std::vector<Variant>>> fired;
  Fixture() {
    chart->connect(std::make_shared<EventCallback>([this](const EventInfo &e, std::span<Variant> args) {
      std::vector<Variant> values;
      for (const Variant &a : args) values.push_back(a.dereferenced());
      fired.emplace_back(std::string(e.name), std::move(values));
    }));
  }
  int count(const std::string &event) const {
    return static_cast<int>(std::count_if(fired.begin(), fired.end(), [&](const auto &f) { return f.first == event; }));
  }
};

int resource(Chart3D &c, int id) {
  int v = 0;
  Vex3dGetValues(c.graph(), id, &v, 0);
  return v;
}

TEST(Chart3D, InitialExtentIsAtLeast200By200) {
  struct Case {
    ControlExtent proposed, expected;
  };
  const Case cases[] = {{{0, 0}, {200, 200}},     {{150, 120}, {200, 200}}, {{199, 500}, {200, 500}},
                        {{640, 180}, {640, 200}}, {{800, 600}, {800, 600}}, {{-5, 201}, {200, 201}}};
  for (const Case &c : cases) {
    auto chart = Chart3D::create(nullptr, c.proposed);
    EXPECT_EQ(chart->extent().width, c.expected.width);
    EXPECT_EQ(chart->extent().height, c.expected.height);
    EXPECT_EQ(resource(*chart, VEX3D_WIDTH), c.expected.width);
    EXPECT_EQ(resource(*chart, VEX3D_HEIGHT), c.expected.height);
  }
}

TEST(Chart3D, ExtentChangesWithoutAWindowGoToTheEngine) {
  Fixture f;
  f.chart->set_extent(321, 123);
  EXPECT_EQ(resource(*f.chart, VEX3D_WIDTH), 321);
  EXPECT_EQ(resource(*f.chart, VEX3D_HEIGHT), 123);
  EXPECT_EQ(f.count("Resize"), 0);
  f.chart->open_window();
  f.fired.clear();
  f.chart->set_extent(500, 250);
  ASSERT_EQ(f.count("Resize"), 1);
  EXPECT_EQ(f.fired.back().second[0], Variant(500));
  EXPECT_EQ(f.fired.back().second[1], Variant(250));
}

TEST(Chart3D, DefaultsOfTheProperties) {
  Fixture f;
  Chart3D &c = *f.chart;
  EXPECT_FALSE(c.IsBatched());
  EXPECT_TRUE(c.IsDoubleBuffered());
  EXPECT_EQ(c.ErrorOffset(), 10000);
  EXPECT_TRUE(c.AllowUserChanges());
  EXPECT_EQ(c.PreviewMethod(), tc3dPreviewCube);
  EXPECT_FALSE(c.UseTrueType());
  EXPECT_EQ(c.DataPath(), "");
  EXPECT_EQ(c.ChartDispatch(), ObjectRef(f.chart));
  EXPECT_EQ(c.hWnd(), 0);  // no window yet
  c.open_window();
  EXPECT_NE(c.hWnd(), 0);
  EXPECT_EQ(c.Header()->Parent(), ObjectRef(f.chart));
  EXPECT_NE(c.Header(), c.Footer());
  EXPECT_EQ(c.Header(), c.Header());
}

TEST(Chart3D, PropertiesReachTheirResources) {
  Fixture f;
  Chart3D &c = *f.chart;
  c.put_IsBatched(true);
  EXPECT_EQ(resource(c, VEX3D_REPAINT), 0);
  c.put_IsBatched(false);
  EXPECT_EQ(resource(c, VEX3D_REPAINT), 1);
  c.put_IsDoubleBuffered(false);
  EXPECT_EQ(resource(c, VEX3D_DOUBLE_BUFFER), 0);
  c.put_PreviewMethod(tc3dPreviewFull);
  EXPECT_EQ(resource(c, VEX3D_PREVIEW_METHOD), 100);
  c.put_UseTrueType(true);
  EXPECT_EQ(resource(c, VEX3D_USE_TRUETYPE), 1);
  EXPECT_TRUE(c.modified());
}

TEST(Chart3D, EnumerationSetsWithTheirGaps) {
  struct Case {
    const Enumeration &set;
    std::vector<int> inside, outside;
  };
  const Case cases[] = {
      {kActionConstants, {0, 1, 5, 11, 12, 100, 101, 102, 103, 104}, {-1, 13, 14, 50, 99, 105}},
      {kAnchorConstants, {1, 2, 16, 17, 18, 32, 33, 34}, {0, 3, 15, 19, 31, 35, 48}},
      {kPlaneConstants, {1, 2, 4}, {0, 3, 5, 8}},
      {kPreviewMethodConstants, {0, 100}, {1, 50, 99, 101}},
      {kRegionConstants, {-100, -99, -98, -97, -96}, {-101, -95, 0}},
      {kFormatConstants, {1, 2, 3, 4}, {0, 5}},
      {kScaleConstants, {1, 2, 3, 4, 5}, {0, 6}},
      {kChartEditorElementConstants, {1, 2, 3, 4, 5, 6, 7, 8, 9, 12, 13, 14}, {0, 10, 11, 15}},
      {kErrorConstants, {0, 7, 15}, {-1, 16}},
  };
  for (const Case &c : cases) {
    for (int v : c.inside) EXPECT_TRUE(c.set.contains(v)) << c.set.name << " " << v;
    for (int v : c.outside) EXPECT_FALSE(c.set.contains(v)) << c.set.name << " " << v;
  }
}

TEST(Chart3D, EnumeratedPropertiesAndArgumentsAreCheckedFirst) {
  Fixture f;
  Chart3D &c = *f.chart;
  const Status invalid_enum = status_of(ErrorCode::tcErrorInvalidEnum);
  EXPECT_EQ(status_of([&] { c.put_PreviewMethod(50); }), invalid_enum);
  EXPECT_EQ(c.PreviewMethod(), 0);
  c.put_PreviewMethod(100);
  EXPECT_EQ(c.PreviewMethod(), 100);
  for (int action : {13, 99}) EXPECT_EQ(status_of([&] { c.CallAction(action, 0, 0); }), invalid_enum) << action;
  // Accepted actions get past the check (user actions themselves come later).
  for (int action : {0, 12, 100, 104})
    EXPECT_EQ(status_of([&] { c.CallAction(action, 0, 0); }), status::kNotImplemented) << action;
  EXPECT_EQ(status_of([&] { c.DrawToFile("x.bmp", 5); }), invalid_enum);
  EXPECT_EQ(status_of([&] { c.DrawToDC(0, 1, 6, 0, 0, 10, 10); }), invalid_enum);
  EXPECT_EQ(status_of([&] { c.PrintChart(0, 1, 0, 0, 0, 0); }), invalid_enum);
  EXPECT_EQ(status_of([&] { c.CopyToClipboard(9); }), invalid_enum);
}

TEST(Chart3D, ObjectValuedPropertiesCannotBeSet) {
  Fixture f;
  for (const char *name :
       {"Header", "Footer", "Legend", "Border", "Interior", "ChartArea", "ChartGroups", "ChartLabels", "ActionMaps"}) {
    Variant v[] = {Variant(ObjectRef(f.chart->Header()))};
    EXPECT_EQ(status_of([&] { f.chart->invoke(name, Invoke::Put, v); }), status::kSetNotSupported) << name;
  }
  Variant v[] = {Variant(1)};
  EXPECT_EQ(status_of([&] { f.chart->invoke("hWnd", Invoke::Put, v); }), status::kSetNotSupported);
}

TEST(Chart3D, ErrorOffsetIsSharedByAllInstances) {
  const std::int32_t saved = error_offset();
  auto a = Chart3D::create(), b = Chart3D::create();
  IChart3D_Dual dual_b(b);
  EXPECT_EQ(dual_b.put_PreviewMethod(7), 0x800A2713u);
  a->put_ErrorOffset(0);
  EXPECT_EQ(dual_b.put_PreviewMethod(7), 0x800A0003u);  // b's errors follow a's offset
  EXPECT_EQ(last_error_info().description, "Enumerated value not within range.");
  EXPECT_EQ(a->ErrorOffset(), 0);
  b->put_ErrorOffset(20000);
  EXPECT_EQ(status_of([&] { a->put_PreviewMethod(7); }), 0x800A0000u + 20003u);
  a->put_ErrorOffset(saved);
}

// Every offset taken keeps every refusal a failure status; one that would
// wrap a status into a success code is itself refused, and nothing changes.
TEST(Chart3D, ErrorOffsetsThatWouldTurnRefusalsIntoSuccessAreRefused) {
  const std::int32_t saved = error_offset();
  auto c = Chart3D::create();
  const auto highest = static_cast<std::int32_t>(kHighestErrorOffset), lowest = static_cast<std::int32_t>(kLowestErrorOffset);
  c->put_ErrorOffset(highest);
  EXPECT_EQ(status_of(ErrorCode::tcErrorSeriesArrayNotOne), 0xFFFFFFFFu);
  c->put_ErrorOffset(lowest);
  EXPECT_EQ(status_of(ErrorCode::tcErrorInvalidIndex), 0x80000000u);
  for (const std::int32_t wrapping : {highest + 1, lowest - 1, std::numeric_limits<std::int32_t>::max(),
                                      std::numeric_limits<std::int32_t>::min()}) {
    const Status refused = status_of([&] { c->put_ErrorOffset(wrapping); });
    EXPECT_EQ(refused, status_of(ErrorCode::tcErrorOutOfRange)) << wrapping;
    EXPECT_NE(refused & 0x80000000u, 0u);
    EXPECT_EQ(c->ErrorOffset(), lowest) << wrapping;
  }
  c->put_ErrorOffset(saved);
}

TEST(Chart3D, WhileBatchedChangesCauseNoDrawingAndUnbatchingDrawsOnce) {
  Fixture f;
  Chart3D &c = *f.chart;
  c.open_window();
  c.refresh();
  const int paints = f.host->paints(), repaints = f.count("Repaint");
  EXPECT_GT(repaints, 0);  // a refresh draws
  c.put_IsBatched(true);
  for (int i = 0; i < 200; ++i) {
    c.put_UseTrueType(i % 2 == 0);
    c.put_IsDoubleBuffered(i % 3 != 0);
    c.put_AllowUserChanges(i % 2 == 0);
    Vex3dSetValues(c.graph(), VEX3D_XROTATION, 10.0 + i, 0);
    c.run_chart_changed();
  }
  EXPECT_TRUE(c.changed_while_batched());
  EXPECT_EQ(f.host->paints(), paints);
  EXPECT_EQ(f.count("Repaint"), repaints);
  c.put_IsBatched(false);
  EXPECT_EQ(f.host->paints(), paints + 1);
  EXPECT_EQ(f.count("Repaint"), repaints + 1);
  // A change while not batched draws at once, once.
  c.put_UseTrueType(true);
  EXPECT_EQ(f.count("Repaint"), repaints + 2);
}

TEST(Chart3D, AHundredThousandPutsWhileBatchedDrawNothing) {
  Fixture f;
  f.chart->open_window();
  f.chart->put_IsBatched(true);
  const int paints = f.host->paints(), repaints = f.count("Repaint");
  for (int i = 0; i < 100000; ++i) {
    Variant v[] = {Variant(i % 2 == 0)};
    f.chart->invoke("UseTrueType", Invoke::Put, v);
  }
  EXPECT_EQ(f.host->paints(), paints);
  EXPECT_EQ(f.count("Repaint"), repaints);
  EXPECT_EQ(f.host->shows(), 0);
}

TEST(Chart3D, ALoadRunsBatched) {
  for (bool batched_before : {false, true}) {
    Fixture f;
    f.chart->open_window();
    f.chart->put_IsBatched(batched_before);
    bool seen = false;
    EXPECT_TRUE(f.chart->run_load([&] {
      seen = f.chart->IsBatched();
      return true;
    }));
    EXPECT_TRUE(seen);
    EXPECT_EQ(f.chart->IsBatched(), batched_before);
  }
}

// The property pages apply their changes with a flush while the frame is
// open: the batch ends, the chart is drawn, and batching resumes.
TEST(Chart3D, FlushEndsABatchAndResumesAfterTheRepaint) {
  struct PagesHost : HeadlessHost {
    Chart3D *chart = nullptr;
    bool batched_after_flush = true, batched_after_repaint = false;
    void attach(Chart3D *c) override {
      chart = c;
      HeadlessHost::attach(c);
    }
    void open_property_frame(std::string_view caption, std::span<const std::string_view> pages) override {
      HeadlessHost::open_property_frame(caption, pages);
      chart->put_IsBatched(true);
      chart->run_chart_changed();  // what a page's change runs
      chart->flush();
      batched_after_repaint = chart->IsBatched();
    }
  };
  auto host = std::make_shared<PagesHost>();
  auto chart = Chart3D::create(host);
  chart->open_window();
  chart->open_property_pages();
  EXPECT_TRUE(host->batched_after_repaint);
  EXPECT_EQ(host->bound_changes(), 1);
  EXPECT_FALSE(chart->changed_while_batched());
  // Outside the pages a flush only ends the batch.
  chart->put_IsBatched(true);
  chart->run_chart_changed();
  chart->flush();
  EXPECT_FALSE(chart->IsBatched());
  EXPECT_EQ(host->bound_changes(), 1);
}

TEST(Chart3D, SuspensionStopsDrawingUntilResumed) {
  Fixture f;
  f.chart->open_window();
  f.chart->suspend();
  EXPECT_TRUE(f.chart->IsBatched());
  const int repaints = f.count("Repaint");
  f.chart->run_chart_changed();
  EXPECT_FALSE(f.chart->changed_while_batched());
  EXPECT_EQ(f.count("Repaint"), repaints);
  f.chart->resume();
  EXPECT_FALSE(f.chart->IsBatched());
  EXPECT_EQ(f.count("Repaint"), repaints + 1);
}

// The engine's window sends these; each becomes its event once, with its
// arguments, and handlers' changes reach the record.
TEST(Chart3D, EngineNotificationsBecomeEvents) {
  struct Handler : _DChart3DEvents {
    int starts = 0, ends = 0;
    void ModifyStart(bool &IsOK) override {
      ++starts;
      IsOK = false;
    }
    void ModifyEnd() override { ++ends; }
    void View3DModify(double &x, double &y, double &z, bool &ok) override {
      x += 1;
      y = -y;
      z = 0;
      ok = false;
    }
    void ViewportModify(double &scale, double &h, double &v, bool &) override {
      scale *= 2;
      h = 0.25;
      v = -0.25;
    }
  };
  Fixture f;
  auto handler = std::make_shared<Handler>();
  f.chart->connect(handler);
  f.chart->open_window();
  f.fired.clear();
  Vex3dWindow &window = *reinterpret_cast<Vex3dWindow *>(static_cast<std::uintptr_t>(f.chart->hWnd()));

  int start = 1;
  window.send_to_parent(vex3d::kMessageModifyStart, &start);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(handler->starts, 1);
  ASSERT_EQ(f.count("ModifyStart"), 1);
  EXPECT_EQ(f.fired.back().second[0], Variant(true));  // what the callback saw, before the handler

  window.send_to_parent(vex3d::kMessageModifyEnd, nullptr);
  EXPECT_EQ(handler->ends, 1);
  EXPECT_EQ(f.count("ModifyEnd"), 1);

  vex3d::ViewChange rotation{30, 40, 50, 1};
  window.send_to_parent(vex3d::kMessageViewRotated, &rotation);
  EXPECT_EQ(rotation.first, 31);
  EXPECT_EQ(rotation.second, -40);
  EXPECT_EQ(rotation.third, 0);
  EXPECT_EQ(rotation.ok, 0);
  ASSERT_EQ(f.count("View3DModify"), 1);
  EXPECT_EQ(f.fired.back().second[0], Variant(30.0));

  vex3d::ViewChange viewport{1.5, 0, 0, 1};
  window.send_to_parent(vex3d::kMessageViewportChanged, &viewport);
  EXPECT_EQ(viewport.first, 3.0);
  EXPECT_EQ(viewport.second, 0.25);
  EXPECT_EQ(viewport.third, -0.25);
  EXPECT_EQ(viewport.ok, 1);
  EXPECT_EQ(f.count("ViewportModify"), 1);

  const vex3d::WindowSize size{640, 480};
  window.send_to_parent(vex3d::kMessageResized, &size);
  ASSERT_EQ(f.count("Resize"), 1);
  EXPECT_EQ(f.fired.back().second[0], Variant(640));
  EXPECT_EQ(f.fired.back().second[1], Variant(480));

  const vex3d::WindowRect drawn{10, 20, 30, 40};
  window.send_to_parent(vex3d::kMessageDrawn, &drawn);
  ASSERT_EQ(f.count("Repaint"), 1);
  const std::vector<Variant> expected = {Variant(0), Variant(10), Variant(20), Variant(30), Variant(40)};
  EXPECT_EQ(f.fired.back().second, expected);

  window.send_to_parent(vex3d::kMessagePropertyPages, nullptr);
  EXPECT_EQ(f.host->property_frames().size(), 1u);
  EXPECT_EQ(f.host->last_frame_caption(), "3D Chart Control");
  EXPECT_EQ(f.fired.size(), 6u);  // one event per notification, the pages request fires none
}

TEST(Chart3D, ChartEditorElementMask) {
  Fixture f;
  Chart3D &c = *f.chart;
  const std::vector<std::string_view> all = {"Control",    "Axis",   "ChartGroup",    "ContourStyle",
                                             "Title",      "Legend", "ChartArea",     "PlotCube",
                                             "ChartLabel", "View3D", "ContourLevels", "ChartStyle"};
  EXPECT_EQ(c.offered_pages(), all);
  EXPECT_FALSE(c.ShowChartEditorElement(448, false));
  EXPECT_FALSE(c.IsChartEditorElementVisible(448));
  EXPECT_TRUE(c.IsChartEditorElementVisible(447));
  EXPECT_EQ(c.offered_pages(), all);
  EXPECT_TRUE(c.ShowChartEditorElement(1, false));
  EXPECT_FALSE(c.ShowChartEditorElement(1, false));
  EXPECT_FALSE(c.IsChartEditorElementVisible(1));
  EXPECT_EQ(c.offered_pages(), std::vector<std::string_view>(all.begin() + 1, all.end()));
  EXPECT_FALSE(c.ShowChartEditorElement(1, true));
  EXPECT_TRUE(c.IsChartEditorElementVisible(1));
  EXPECT_FALSE(c.ShowChartEditorElement(-1, false));
  // Hiding element 16 leaves element 0 and 17 alone (neighbouring words and bits).
  EXPECT_TRUE(c.ShowChartEditorElement(16, false));
  EXPECT_TRUE(c.IsChartEditorElementVisible(15));
  EXPECT_TRUE(c.IsChartEditorElementVisible(17));
}

TEST(Chart3D, PropertyPagesOnlyWhileUserChangesAreAllowed) {
  Fixture f;
  f.chart->put_AllowUserChanges(false);
  f.chart->open_property_pages();
  EXPECT_TRUE(f.host->property_frames().empty());
  f.chart->put_AllowUserChanges(true);
  f.chart->ShowChartEditorElement(tc3dceeLegend, false);
  f.chart->open_property_pages();
  ASSERT_EQ(f.host->property_frames().size(), 1u);
  const auto &pages = f.host->property_frames()[0];
  EXPECT_EQ(pages.size(), 11u);
  EXPECT_EQ(std::count(pages.begin(), pages.end(), "Legend"), 0);
}

TEST(Chart3D, LoadURLWithAnEmptyStringReturnsFalseAtOnce) {
  Fixture f;
  EXPECT_FALSE(f.chart->LoadURL(""));
  f.chart->put_DataPath("");
  EXPECT_EQ(f.chart->DataPath(), "");
}

// Sample arguments for every member, to call it by name, by identifier and
// through the typed accessor and compare.
TEST(Chart3D, DispatchByNameAndIdentifierAgreeWithTheTypedCall) {
  Fixture f;
  Chart3D &c = *f.chart;
  c.open_window();
  using Typed = std::function<Variant(Chart3D &)>;
  const std::map<std::string, Typed> typed = {
      {"IsBatched", [](Chart3D &c) { return Variant(c.IsBatched()); }},
      {"IsDoubleBuffered", [](Chart3D &c) { return Variant(c.IsDoubleBuffered()); }},
      {"Header", [](Chart3D &c) { return Variant(ObjectRef(c.Header())); }},
      {"Footer", [](Chart3D &c) { return Variant(ObjectRef(c.Footer())); }},
      {"Legend", [](Chart3D &c) { return Variant(ObjectRef(c.Legend())); }},
      {"Border", [](Chart3D &c) { return Variant(ObjectRef(c.Border())); }},
      {"Interior", [](Chart3D &c) { return Variant(ObjectRef(c.Interior())); }},
      {"ChartArea", [](Chart3D &c) { return Variant(ObjectRef(c.ChartArea())); }},
      {"ChartGroups", [](Chart3D &c) { return Variant(ObjectRef(c.ChartGroups())); }},
      {"ErrorOffset", [](Chart3D &c) { return Variant(c.ErrorOffset()); }},
      {"ChartLabels", [](Chart3D &c) { return Variant(ObjectRef(c.ChartLabels())); }},
      {"ActionMaps", [](Chart3D &c) { return Variant(ObjectRef(c.ActionMaps())); }},
      {"PreviewMethod", [](Chart3D &c) { return Variant(c.PreviewMethod()); }},
      {"AllowUserChanges", [](Chart3D &c) { return Variant(c.AllowUserChanges()); }},
      {"ChartDispatch", [](Chart3D &c) { return Variant(c.ChartDispatch()); }},
      {"DataPath", [](Chart3D &c) { return Variant(c.DataPath()); }},
      {"UseTrueType", [](Chart3D &c) { return Variant(c.UseTrueType()); }},
      {"hWnd", [](Chart3D &c) { return Variant(static_cast<double>(c.hWnd())); }},
      {"Font", [](Chart3D &c) { return Variant(ObjectRef(c.Font())); }},
      {"Refresh",
       [](Chart3D &c) {
         c.Refresh();
         return Variant();
       }},
      {"Load", [](Chart3D &c) { return Variant(c.Load("a.tc3")); }},
      {"Save", [](Chart3D &c) { return Variant(c.Save("a.tc3")); }},
      {"CallAction", [](Chart3D &c) { return Variant(c.CallAction(4, 10, 10)); }},
      {"DrawToDC", [](Chart3D &c) { return Variant(c.DrawToDC(0, 1, 1, 0, 0, 10, 10)); }},
      {"PrintChart", [](Chart3D &c) { return Variant(c.PrintChart(1, 1, 0, 0, 10, 10)); }},
      {"CopyToClipboard", [](Chart3D &c) { return Variant(c.CopyToClipboard(1)); }},
      {"DrawToFile", [](Chart3D &c) { return Variant(c.DrawToFile("/nonexistent-dir/a.bmp", 1)); }},
      {"SaveImageAsJpeg",
       [](Chart3D &c) { return Variant(c.SaveImageAsJpeg("/nonexistent-dir/a.jpg", 75, false, false, false)); }},
      {"SaveImageAsPng", [](Chart3D &c) { return Variant(c.SaveImageAsPng("/nonexistent-dir/a.png", true)); }},
      {"ShowChartEditorElement", [](Chart3D &c) { return Variant(c.ShowChartEditorElement(3, true)); }},
      {"IsChartEditorElementVisible", [](Chart3D &c) { return Variant(c.IsChartEditorElementVisible(3)); }},
      {"LoadURL", [](Chart3D &c) { return Variant(c.LoadURL("")); }},
      {"SaveImageAsSvg", [](Chart3D &c) { return Variant(c.SaveImageAsSvg("/nonexistent-dir/a.svg")); }},
      {"SaveImageAsPdf", [](Chart3D &c) { return Variant(c.SaveImageAsPdf("/nonexistent-dir/a.pdf")); }},
      {"AboutBox",
       [](Chart3D &c) {
         c.AboutBox();
         return Variant();
       }},
  };
  const std::map<std::string, std::vector<Variant>> arguments = {
      {"Load", {Variant("a.tc3")}},
      {"Save", {Variant("a.tc3")}},
      {"CallAction", {Variant(4), Variant(10), Variant(10)}},
      {"DrawToDC", {Variant(0), Variant(1), Variant(1), Variant(0), Variant(0), Variant(10), Variant(10)}},
      {"PrintChart", {Variant(1), Variant(1), Variant(0), Variant(0), Variant(10), Variant(10)}},
      {"CopyToClipboard", {Variant(1)}},
      {"DrawToFile", {Variant("/nonexistent-dir/a.bmp"), Variant(1)}},
      {"SaveImageAsJpeg",
       {Variant("/nonexistent-dir/a.jpg"), Variant(75), Variant(false), Variant(false), Variant(false)}},
      {"SaveImageAsPng", {Variant("/nonexistent-dir/a.png"), Variant(true)}},
      {"ShowChartEditorElement", {Variant(3), Variant(true)}},
      {"IsChartEditorElementVisible", {Variant(3)}},
      {"LoadURL", {Variant("")}},
      {"SaveImageAsSvg", {Variant("/nonexistent-dir/a.svg")}},
      {"SaveImageAsPdf", {Variant("/nonexistent-dir/a.pdf")}},
  };
  struct Outcome {
    Status status = status::kOk;
    Variant value;
    bool operator==(const Outcome &) const = default;
  };
  auto outcome = [](const std::function<Variant()> &call) {
    Outcome o;
    try {
      o.value = call();
    } catch (const Error &e) {
      o.status = e.status();
    }
    return o;
  };
  std::set<std::string> covered;
  for (const Member &m : c.class_info().members) {
    const std::string name(m.name);
    SCOPED_TRACE(name);
    ASSERT_TRUE(typed.count(name)) << "no typed call in this test for " << name;
    covered.insert(name);
    const Invoke kind = m.access == Access::Method ? Invoke::Method : Invoke::Get;
    std::vector<Variant> a1 = arguments.count(name) ? arguments.at(name) : std::vector<Variant>{}, a2 = a1;
    const Outcome by_name = outcome([&] { return c.invoke(name, kind, a1); });
    const Outcome by_id = outcome([&] { return c.invoke(m.id, kind, a2); });
    const Outcome by_type = outcome([&] { return typed.at(name)(c); });
    EXPECT_EQ(by_name, by_id);
    EXPECT_EQ(by_name, by_type);
    // The dual form returns the same status.
    Variant result;
    std::vector<Variant> a3 = arguments.count(name) ? arguments.at(name) : std::vector<Variant>{};
    EXPECT_EQ(c.invoke(m.id, kind, a3, &result, nullptr), by_name.status);
  }
  EXPECT_EQ(covered.size(), typed.size());
}

TEST(Chart3D, TheTypeLibraryListsEveryMemberExactlyOnce) {
  std::ostringstream out;
  print_type_library(type_library(), out);
  const std::string text = out.str();
  const std::size_t begin =
      text.find("\nclass Chart3D (dispatch _DChart3D, dual IChart3D_Dual, events _DChart3DEvents)\n");
  ASSERT_NE(begin, std::string::npos) << text;
  const std::size_t end = text.find("\nclass ", begin + 1);
  const std::string section = text.substr(begin, end - begin);
  auto chart = Chart3D::create();
  for (const Member &m : chart->class_info().members) {
    const std::string needle = "  " + std::string(m.name) + (m.access == Access::Method ? "(" : " As ");
    const std::size_t first = section.find(needle);
    if (m.attributes.dispatch_only) {
      EXPECT_EQ(first, std::string::npos) << m.name << " is reached by dispatch only";
      continue;
    }
    EXPECT_NE(first, std::string::npos) << m.name;
    EXPECT_EQ(section.find(needle, first + 1), std::string::npos) << m.name << " listed twice";
  }
  for (const char *event : {"ModifyEnd()", "ModifyStart(ByRef IsOK As Boolean)",
                            "View3DModify(ByRef XRotation As Double, ByRef YRotation As Double, ByRef ZRotation As "
                            "Double, ByRef IsOK As Boolean)",
                            "Resize(Width As Long, Height As Long)"})
    EXPECT_NE(section.find(event), std::string::npos) << event;
  EXPECT_NE(text.find("enum ActionConstants\n    tc3dActionNone = 0\n"), std::string::npos);
  EXPECT_NE(text.find("    property       13  PreviewMethod As PreviewMethodConstants\n"), std::string::npos);
  EXPECT_NE(text.find("    method         21  DrawToFile(FileName As String, Format As FormatConstants) As Boolean\n"),
            std::string::npos);
}

// The export methods write through the engine's export calls; an
// unwritable place is an ordinary failure (FALSE), not an error.
TEST(Chart3D, ExportMethodsWritePictureFiles) {
  auto host = std::make_shared<HeadlessHost>();
  auto chart = Chart3D::create(host, {320, 240});
  const auto dir = std::filesystem::temp_directory_path() / ("tc3d-export-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  auto path = [&](const char *name) { return (dir / name).string(); };
  struct Case {
    const char *name;
    std::function<bool()> save;
    std::string signature;
  };
  const Case cases[] = {
      {"chart.png", [&] { return chart->SaveImageAsPng(path("chart.png"), false); }, "\x89PNG"},
      {"interlaced.png", [&] { return chart->SaveImageAsPng(path("interlaced.png"), true); }, "\x89PNG"},
      {"chart.jpg", [&] { return chart->SaveImageAsJpeg(path("chart.jpg"), 80, false, true, true); }, "\xFF\xD8"},
      {"chart.bmp", [&] { return chart->DrawToFile(path("chart.bmp"), tc3dFormatBitmap); }, "BM"},
      {"chart.emf", [&] { return chart->DrawToFile(path("chart.emf"), tc3dFormatEnhMetafile); },
       std::string("\x01\0\0\0", 4)},
      {"chart.wmf", [&] { return chart->DrawToFile(path("chart.wmf"), tc3dFormatMetafile); }, "\xD7\xCD\xC6\x9A"},
      {"chart.svg", [&] { return chart->SaveImageAsSvg(path("chart.svg")); }, "<?xml"},
      {"chart.pdf", [&] { return chart->SaveImageAsPdf(path("chart.pdf")); }, "%PDF"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.save());
    std::ifstream in(path(c.name), std::ios::binary);
    std::string head(c.signature.size(), '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    EXPECT_EQ(head, c.signature);
  }
  EXPECT_FALSE(chart->SaveImageAsPng(path("missing/chart.png"), false));
  EXPECT_FALSE(std::filesystem::exists(path("missing")));
  std::filesystem::remove_all(dir);
}

TEST(Chart3D, DrawToDCDrawsIntoAContextTheHostKnows) {
  auto host = std::make_shared<HeadlessHost>();
  auto chart = Chart3D::create(host, {200, 200});
  Vex3dSetValues(chart->graph(), VEX3D_BACKGROUND_COLOR, 0x0000FF, 0);  // red
  Vex3dDrawContext *context = Vex3dCreateRasterContext(400, 300);
  ASSERT_NE(context, nullptr);
  const std::int64_t hdc = host->add_device_context(context);
  EXPECT_TRUE(chart->DrawToDC(hdc, tc3dFormatBitmap, tc3dScaleNone, 100, 50, 0, 0));
  int width = 0, height = 0, stride = 0;
  const std::uint32_t *pixels = Vex3dRasterContextPixels(context, &width, &height, &stride);
  ASSERT_NE(pixels, nullptr);
  auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * stride + x]; };
  EXPECT_EQ(at(110, 60), 0xFFFF0000u);  // inside the chart's 200 x 200 at (100, 50): its background
  EXPECT_EQ(at(10, 10) >> 24, 0u);      // outside it: untouched, transparent
  // A handle the host never gave out draws nothing and fails.
  EXPECT_FALSE(chart->DrawToDC(hdc + 1, tc3dFormatBitmap, tc3dScaleNone, 0, 0, 0, 0));
  EXPECT_FALSE(chart->DrawToDC(-5, tc3dFormatBitmap, tc3dScaleNone, 0, 0, 0, 0));
  Vex3dDestroyDrawContext(context);
}

TEST(Chart3D, TheHostsDrawingRequestMapsTheChartOntoTheBounds) {
  auto chart = Chart3D::create(nullptr, {200, 200});
  Vex3dSetValues(chart->graph(), VEX3D_BACKGROUND_COLOR, 0x00FF00, 0);  // green
  Vex3dDrawContext *context = Vex3dCreateRasterContext(400, 400);
  ASSERT_NE(context, nullptr);
  EXPECT_FALSE(chart->has_window());
  EXPECT_TRUE(chart->draw(context, vex3d::WindowRect{50, 60, 100, 150}));
  EXPECT_TRUE(chart->has_window());  // made for the request
  int width = 0, height = 0, stride = 0;
  const std::uint32_t *pixels = Vex3dRasterContextPixels(context, &width, &height, &stride);
  ASSERT_NE(pixels, nullptr);
  auto at = [&](int x, int y) { return pixels[static_cast<std::size_t>(y) * stride + x]; };
  EXPECT_EQ(at(52, 62), 0xFF00FF00u);    // inside the bounds, near one corner
  EXPECT_EQ(at(147, 207), 0xFF00FF00u);  // and near the opposite one: stretched to 100 x 150
  EXPECT_EQ(at(45, 100) >> 24, 0u);      // left of the bounds: untouched
  EXPECT_EQ(at(100, 215) >> 24, 0u);     // below them
  EXPECT_EQ(at(155, 100) >> 24, 0u);     // right of them
  EXPECT_FALSE(chart->draw(context, vex3d::WindowRect{0, 0, 0, 10}));
  EXPECT_FALSE(chart->draw(nullptr, vex3d::WindowRect{0, 0, 10, 10}));
  Vex3dDestroyDrawContext(context);
}

// The clipboard and the print dialog are the host's: the engine reaches
// them through the control's window.
TEST(Chart3D, ClipboardAndPrinterGoThroughTheHost) {
  struct Host : HeadlessHost {
    std::vector<std::vector<vex3d::ClipboardItem>> placed;
    int asked = 0;
    bool place_on_clipboard(const std::vector<vex3d::ClipboardItem> &items) override {
      placed.push_back(items);
      return true;
    }
    std::optional<std::string> choose_printer() override {
      ++asked;
      return std::nullopt;  // the user cancelled
    }
  };
  auto host = std::make_shared<Host>();
  auto chart = Chart3D::create(host, {240, 200});
  EXPECT_FALSE(chart->CopyToClipboard(tc3dFormatBitmap));  // no window: nothing to place it through
  EXPECT_TRUE(host->placed.empty());
  chart->open_window();
  EXPECT_TRUE(chart->CopyToClipboard(tc3dFormatBitmap));
  ASSERT_EQ(host->placed.size(), 1u);
  ASSERT_FALSE(host->placed[0].empty());
  EXPECT_EQ(host->placed[0][0].format, vex3d::ClipboardItem::kDib);
  EXPECT_TRUE(chart->CopyToClipboard(tc3dFormatEnhMetafile));
  EXPECT_EQ(host->placed.back()[0].format, vex3d::ClipboardItem::kEnhancedMetafile);
  EXPECT_FALSE(chart->PrintChart(tc3dFormatBitmap, tc3dScaleNone, 0, 0, 0, 0));
  EXPECT_EQ(host->asked, 1);
  // The headless host has no clipboard.
  auto headless = std::make_shared<HeadlessHost>();
  auto plain = Chart3D::create(headless);
  plain->open_window();
  EXPECT_FALSE(plain->CopyToClipboard(tc3dFormatBitmap));
  EXPECT_EQ(headless->clipboard_requests(), 1);
}

TEST(Module, FactoryAndUseCount) {
  ASSERT_EQ(DllCanUnloadNow(), status::kOk);
  std::optional<ClassFactory> factory;
  ASSERT_EQ(DllGetClassObject("TorvaneChart3D.Control.1", &factory), status::kOk);
  ObjectRef made;
  ASSERT_EQ(factory->CreateInstance(nullptr, &made), status::kOk);
  EXPECT_EQ(made->class_info().name, "Chart3D");
  EXPECT_EQ(DllCanUnloadNow(), status::kFalse);
  made.reset();
  EXPECT_EQ(DllCanUnloadNow(), status::kOk);
  EXPECT_EQ(DllGetClassObject("TorvaneChart3D.Nothing.1", &factory), status::kClassNotAvailable);
}

TEST(Chart3D, ObjectsHeldAfterTheControlIsGoneAreDisconnected) {
  auto chart = Chart3D::create();
  auto header = chart->Header();
  chart.reset();
  Variant result;
  ErrorInfo info;
  EXPECT_EQ(header->invoke(header->id_of("Parent"), Invoke::Get, {}, &result, &info), status::kException);
  EXPECT_EQ(info.number, error_offset() + 12);
  EXPECT_EQ(info.description, "The object has been disconnected from its parent.");
}

// The stock font is the host's: kept and read back, reaching no text of the
// chart, and reached by dispatch only.
TEST(Chart3D, TheStockFontIsKeptForTheHost) {
  Fixture f;
  char *before = nullptr;
  ASSERT_TRUE(Vex3dGetValueString(f.chart->graph(), VEX3D_HEADER_FONT, &before));
  std::vector<Variant> text{Variant("DejaVu Serif,12,Bold")}, not_a_font{Variant(ObjectRef(f.chart->Header()))};
  f.chart->invoke("Font", Invoke::Put, text);
  const Variant font = f.chart->invoke("Font", Invoke::Get);
  const ObjectRef object = font.to_object();
  ASSERT_TRUE(object);
  EXPECT_EQ(object->invoke("Name", Invoke::Get).to_string(), "DejaVu Serif");
  EXPECT_TRUE(object->invoke("Bold", Invoke::Get).to_bool());
  char *after = nullptr;
  ASSERT_TRUE(Vex3dGetValueString(f.chart->graph(), VEX3D_HEADER_FONT, &after));
  EXPECT_STREQ(before, after);
  std::free(before);
  std::free(after);
  EXPECT_EQ(status_of([&] { f.chart->invoke("Font", Invoke::Put, not_a_font); }),
            status_of(ErrorCode::tcErrorInvalidValue));
}

// Painting in a web page covers the whole client area every time; elsewhere
// only the part asked for, and what waits is dropped after the paint. The
// host is asked once.
TEST(Chart3D, PaintsInAWebPageCoverTheWholeWindow) {
  for (const bool web : {false, true}) {
    SCOPED_TRACE(web ? "web page" : "application");
    Fixture f;
    if (web) f.host->place_in_web_page();
    f.chart->open_window();
    f.chart->refresh();
    const vex3d::WindowRect part{10, 20, 30, 40}, whole{0, 0, 400, 300};
    for (int twice = 0; twice < 2; ++twice) {
      f.host->invalidate(&part);
      f.chart->paint(&part);
      EXPECT_EQ(f.host->last_shown(), web ? whole : part);
      EXPECT_EQ(f.host->has_invalid(), web);
    }
    EXPECT_EQ(f.host->web_page_questions(), 1);
  }
}

// The host's questions: the colour set is the engine's palette once there
// is one (a metafile of the chart builds it); object safety records only the
// options the control supports.
TEST(Chart3D, ColourSetAndObjectSafety) {
  Fixture f;
  EXPECT_TRUE(f.chart->color_set().empty()) << "no palette before a drawing with few colours";
  const std::string file = (std::filesystem::temp_directory_path() / "tc3d_palette.wmf").string();
  ASSERT_TRUE(f.chart->DrawToFile(file, tc3dFormatMetafile));
  std::filesystem::remove(file);
  const std::vector<int> colors = f.chart->color_set();
  ASSERT_FALSE(colors.empty());
  EXPECT_LE(colors.size(), 256u);
  for (const int plain : {0x000000, 0xFFFFFF}) EXPECT_NE(std::find(colors.begin(), colors.end(), plain), colors.end());

  const struct {
    std::uint32_t mask, enabled;
    bool taken;
    std::uint32_t after;
  } steps[] = {
      {Chart3D::kSafeForUntrustedCaller, Chart3D::kSafeForUntrustedCaller, true, 1},
      {Chart3D::kSafeForUntrustedData, Chart3D::kSafeForUntrustedData, true, 3},
      {Chart3D::kSupportedSafety, Chart3D::kSafeForUntrustedData, true, 2},
      {4, 4, false, 2},
      {Chart3D::kSafeForUntrustedCaller, 8, false, 2},
  };
  for (const auto &s : steps) {
    EXPECT_EQ(f.chart->set_safety_options(s.mask, s.enabled), s.taken) << s.mask << "/" << s.enabled;
    EXPECT_EQ(f.chart->enabled_safety(), s.after) << s.mask << "/" << s.enabled;
  }
}

}  // namespace
}  // namespace tc3d
