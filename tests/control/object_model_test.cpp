// The object model under the control: every property of the titles, legend,
// borders, interiors, pictures and locations walked by name through
// dispatch, checked against its default and against the engine resource a
// write must reach. The expected resource names are written here from the
// object model's tables, not read from the member tables.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <sstream>

#include "3dctl.h"
#include "xycolors.h"

namespace tc3d {
namespace {}  // namespace

void PrintTo(const Variant &v, std::ostream *os) { *os << "Variant(" << v.to_string() << ")"; }

namespace {

Status status_of(const std::function<void()> &f) {
  try {
    f();
  } catch (const Error &e) {
    return e.status();
  }
  return status::kOk;
}

// The object a dotted path of object members names ("Header.Border"); an
// index in parentheses, a number or a name, selects an item of a collection
// through its default member ("ChartArea.Axes(Y).Min").
ObjectRef object_at(const std::shared_ptr<Chart3D> &chart, const std::string &path) {
  ObjectRef o = chart;
  std::istringstream parts(path);
  for (std::string name; std::getline(parts, name, '.');) {
    const auto open = name.find('(');
    if (open == std::string::npos) {
      o = o->invoke(name, Invoke::Get).to_object();
      continue;
    }
    const std::string index = name.substr(open + 1, name.size() - open - 2);
    Variant args[] = {std::isdigit(static_cast<unsigned char>(index[0])) ? Variant(std::stoi(index)) : Variant(index)};
    o = o->invoke(name.substr(0, open), Invoke::Get).to_object();
    o = o->invoke(kDispidValue, Invoke::Get, args).to_object();
  }
  return o;
}

int engine_int(Vex3dGraph *g, const char *resource) {
  int v = 0;
  Vex3dGetValues(g, Vex3dResourceId(resource), &v, 0);
  return v;
}
double engine_double(Vex3dGraph *g, const char *resource) {
  double v = 0;
  Vex3dGetValues(g, Vex3dResourceId(resource), &v, 0);
  return v;
}
std::string engine_text(Vex3dGraph *g, const char *resource) {
  char *text = nullptr;
  if (!Vex3dGetValueString(g, Vex3dResourceId(resource), &text)) return "";
  std::string s = text;
  std::free(text);
  return s;
}

// How a value reaches the engine and reads back from it.
enum class Engine { Int, Double, Text };

struct PropertyCase {
  const char *object;    // path of the object under the control
  const char *property;  // the property's name
  const char *resource;  // the engine resource a write reaches ("" none)
  Engine engine;
  Variant default_value;
  Variant valid;
  Variant engine_value;  // what the engine then holds
  std::optional<Variant> invalid = std::nullopt;
  ErrorCode invalid_error = ErrorCode::tcErrorInvalidEnum;
};

const PropertyCase kCases[] = {
    // Titles.
    {"Header", "Adjust", "HEADER_ADJUST", Engine::Int, 3, 1, 1, 7},
    {"Footer", "Adjust", "FOOTER_ADJUST", Engine::Int, 3, 2, 2, 0},
    // Fonts: the engine's default size is 12 points.
    {"Header.Font", "Name", "HEADER_FONT", Engine::Text, Variant(), "DejaVu Serif", "DejaVu Serif,12"},
    {"Footer.Font", "Name", "FOOTER_FONT", Engine::Text, Variant(), "DejaVu Sans", "DejaVu Sans,12"},
    {"Header.Font", "Size", "", Engine::Text, Currency{120000}, Currency{95000}, ""},
    {"Footer.Font", "Bold", "", Engine::Text, false, true, ""},
    {"Header", "IsShowing", "", Engine::Int, true, true, 0},
    // Legend.
    {"Legend", "Anchor", "LEGEND_ANCHOR", Engine::Int, 1, 17, 17, 3},
    {"Legend", "Orientation", "LEGEND_ORIENTATION", Engine::Int, 1, 2, 2, 3},
    {"Legend", "IsShowing", "LEGEND_SHOW", Engine::Int, true, false, 0},
    {"Legend", "Type", "LEGEND_STYLE", Engine::Int, 2, 1, 1, 0},
    {"Legend", "LabelFilter", "LEGEND_LABEL_FILTER", Engine::Int, 1, 3, 3},
    {"Legend", "DistributionRange", "LEGEND_DISTN_RANGE", Engine::Int, 1, 2, 2, 0},
    {"Legend.Font", "Name", "LEGEND_FONT", Engine::Text, Variant(), "DejaVu Serif", "DejaVu Serif,12"},
    {"Legend.Text", "Text", "LEGEND_TITLE", Engine::Text, "", "Levels", "Levels"},
    // Borders: one class, the family resource of each owner.
    {"Header.Border", "Type", "HEADER_BORDER", Engine::Int, 0, 9, 9, 10},
    {"Footer.Border", "Type", "FOOTER_BORDER", Engine::Int, 0, 1, 1, -1},
    {"Legend.Border", "Type", "LEGEND_BORDER", Engine::Int, 0, 9, 9, 12},
    {"Border", "Type", "BORDER", Engine::Int, 0, 4, 4, 100},
    {"Header.Border", "Width", "HEADER_BORDER_WIDTH", Engine::Int, 2, 5, 5},
    {"Footer.Border", "Width", "FOOTER_BORDER_WIDTH", Engine::Int, 2, 6, 6},
    {"Legend.Border", "Width", "LEGEND_BORDER_WIDTH", Engine::Int, 2, 7, 7},
    {"Border", "Width", "BORDER_WIDTH", Engine::Int, 0, 3, 3},
    // Interiors: colours, -1 inherits, system colours become plain.
    {"Header.Interior", "BackgroundColor", "HEADER_BACKGROUND_COLOR", Engine::Int, -1, 0x00FF00, 0x00FF00, 0x1000000,
     ErrorCode::tcErrorInvalidValue},
    {"Footer.Interior", "ForegroundColor", "FOOTER_FOREGROUND_COLOR", Engine::Int, -1, 0x0000FF, 0x0000FF},
    {"Legend.Interior", "BackgroundColor", "LEGEND_BACKGROUND_COLOR", Engine::Int, -1, 0xFFFF00, 0xFFFF00,
     static_cast<std::int32_t>(0x80000100u), ErrorCode::tcErrorInvalidValue},
    {"Legend.Interior", "ForegroundColor", "LEGEND_FOREGROUND_COLOR", Engine::Int, -1, 0x123456, 0x123456, -2,
     ErrorCode::tcErrorInvalidValue},
    {"Interior", "ForegroundColor", "FOREGROUND_COLOR", Engine::Int, 0, 0x808080, 0x808080},
    // Pictures.
    {"Header.Interior.Image", "FileName", "HEADER_IMAGE", Engine::Text, "", "logo.png", "logo.png"},
    {"Legend.Interior.Image", "Layout", "LEGEND_IMAGE_LAYOUT", Engine::Int, 1, 4, 4, 7},
    {"Footer.Interior.Image", "HasMinimumSize", "FOOTER_IMAGE_MINIMUM_SIZE", Engine::Int, false, true, 1},
    {"Header.Interior.Image", "IsEmbedded", "", Engine::Int, false, true, 0},
    // Locations.
    {"Legend.Location.Left", "IsDefault", "LEGEND_X_USE_DEFAULT", Engine::Int, true, false, 0},
    {"Legend.Location.Top", "Value", "LEGEND_Y", Engine::Int, Variant(), 40, 40},
    {"Header.Location.Left", "Value", "HEADER_X", Engine::Int, Variant(), 12, 12},
    {"Footer.Location.Top", "IsDefault", "FOOTER_Y_USE_DEFAULT", Engine::Int, true, false, 0},
    // The chart area: the GRAPH_ family.
    {"ChartArea.Border", "Type", "GRAPH_BORDER", Engine::Int, 0, 2, 2, 11},
    {"ChartArea.Border", "Width", "GRAPH_BORDER_WIDTH", Engine::Int, 2, 4, 4},
    {"ChartArea.Interior", "BackgroundColor", "GRAPH_BACKGROUND_COLOR", Engine::Int, -1, 0xEEEEEE, 0xEEEEEE},
    {"ChartArea.Interior", "ForegroundColor", "GRAPH_FOREGROUND_COLOR", Engine::Int, -1, 0x202020, 0x202020},
    {"ChartArea.Interior.Image", "Layout", "GRAPH_IMAGE_LAYOUT", Engine::Int, 1, 2, 2, 0},
    {"ChartArea.Location.Width", "IsDefault", "GRAPH_WIDTH_USE_DEFAULT", Engine::Int, true, false, 0},
    {"ChartArea.Location.Height", "Value", "GRAPH_HEIGHT", Engine::Int, Variant(), 150, 150},
    // The plot cube: scales in percent of the height, the data area's background.
    {"ChartArea.PlotCube", "XScale", "XSCALE", Engine::Double, 100.0, 150.0, 1.5, 0.0, ErrorCode::tcErrorOutOfRange},
    {"ChartArea.PlotCube", "YScale", "YSCALE", Engine::Double, 100.0, 50.0, 0.5, -3.0, ErrorCode::tcErrorOutOfRange},
    {"ChartArea.PlotCube.Interior", "BackgroundColor", "DATA_AREA_BACKGROUND_COLOR", Engine::Int, -1, 0xF0F0F0,
     0xF0F0F0},
    {"ChartArea.PlotCube.Ceiling.Projection", "IsContoured", "PROJECT_ZMAX", Engine::Int, false, true, 1},
    {"ChartArea.PlotCube.Ceiling.Projection", "IsZoned", "PROJECT_ZMAX", Engine::Int, false, true, 2},
    {"ChartArea.PlotCube.Floor.Projection", "IsZoned", "PROJECT_ZMIN", Engine::Int, false, true, 2},
    // The view.
    {"ChartArea.View3D", "Perspective", "PERSPECTIVE_DEPTH", Engine::Double, 2.5, 1.0, 1.0, 0.5,
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.View3D", "XRotation", "XROTATION", Engine::Double, 45.0, 30.0, 30.0, std::nan(""),
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.View3D", "YRotation", "YROTATION", Engine::Double, 0.0, 10.0, 10.0},
    {"ChartArea.View3D", "ZRotation", "ZROTATION", Engine::Double, 45.0, 120.0, 120.0},
    {"ChartArea.Viewport", "IsNormalized", "VIEW_NORMALIZED", Engine::Int, true, false, 0},
    {"ChartArea.Viewport", "ScaleFactor", "VIEW_SCALE", Engine::Double, 1.0, 2.0, 2.0, 31.0,
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Viewport", "HorizontalShift", "VIEW_XTRANSLATE", Engine::Double, 0.0, 0.25, 0.25},
    {"ChartArea.Viewport", "VerticalShift", "VIEW_YTRANSLATE", Engine::Double, 0.0, -0.5, -0.5},
    // The surface and the bars.
    {"ChartArea.Surface", "IsSolid", "SOLID_SURFACE", Engine::Int, false, true, 1},
    {"ChartArea.Surface", "IsRowMeshShowing", "XMESH_SHOW", Engine::Int, true, false, 0},
    {"ChartArea.Surface", "IsColumnMeshShowing", "YMESH_SHOW", Engine::Int, true, false, 0},
    {"ChartArea.Surface", "RowMeshFilter", "XMESH_FILTER", Engine::Int, 1, 3, 3, -1, ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Surface", "ColumnMeshFilter", "YMESH_FILTER", Engine::Int, 1, 4, 4, -2, ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Bar", "RowFormat", "XBAR_FORMAT", Engine::Int, 0, 1, 1, 2},
    {"ChartArea.Bar", "ColumnFormat", "YBAR_FORMAT", Engine::Int, 0, 1, 1, -1},
    {"ChartArea.Bar", "RowSpacing", "XBAR_SPACING", Engine::Double, 80.0, 60.0, 60.0, 101.0,
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Bar", "ColumnSpacing", "YBAR_SPACING", Engine::Double, 80.0, 100.0, 100.0, -1.0,
     ErrorCode::tcErrorOutOfRange},
    // The axes: one resource per axis, the Z axis's origin.
    {"ChartArea.Axes(X)", "IsShowing", "XAXIS_SHOW", Engine::Int, true, false, 0},
    {"ChartArea.Axes(Z)", "IsShowing", "ZAXIS_SHOW", Engine::Int, true, false, 0},
    {"ChartArea.Axes(Y)", "AnnotationMethod", "YANNO_METHOD", Engine::Int, 1, 3, 3, 4},
    {"ChartArea.Axes(Z)", "Origin", "ZORIGIN", Engine::Double, 0.0, 2.5, 2.5},
    {"ChartArea.Axes(Y).Title", "Text", "YAXIS_TITLE", Engine::Text, "", "Depth", "Depth"},
    {"ChartArea.Axes(Z).Title", "Text", "ZAXIS_TITLE", Engine::Text, "", "Height", "Height"},
    // Bounds: setting the value makes it the host's.
    {"ChartArea.Axes(X).Min", "Value", "XMIN", Engine::Double, Variant(), 5.0, 5.0, HUGE_VAL,
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Axes(Y).Max", "Value", "YMAX", Engine::Double, Variant(), -2.0, -2.0},
    {"ChartArea.Axes(Z).Max", "IsDefault", "ZMAX_USE_DEFAULT", Engine::Int, true, false, 0},
    // Grid lines: a plane bit each, the style's fields.
    {"ChartArea.Axes(X).MajorGrid", "IsOnXYPlane", "XGRID_LINES", Engine::Int, false, true, 1},
    {"ChartArea.Axes(Y).MajorGrid", "IsOnXZPlane", "YGRID_LINES", Engine::Int, false, true, 2},
    {"ChartArea.Axes(Z).MajorGrid", "IsOnYZPlane", "ZGRID_LINES", Engine::Int, false, true, 4},
    {"ChartArea.Axes(X).MajorGrid.Style", "Pattern", "XGRID_LINE_STYLE", Engine::Text, 2, 4, "(LpatDotted #000000 1)",
     8},
    {"ChartArea.Axes(Y).MajorGrid.Style", "Width", "YGRID_LINE_STYLE", Engine::Text, 1, 3, "(LpatSolid #000000 3)"},
    {"ChartArea.Axes(Z).MajorGrid.Style", "Color", "ZGRID_LINE_STYLE", Engine::Text, 0, 0x0000FF,
     "(LpatSolid #ff0000 1)", 0x1000000, ErrorCode::tcErrorInvalidValue},
    // Cube fonts: one annotation font and one title font for all axes.
    {"ChartArea.Axes(X).AnnotationFont", "Stroke", "AXIS_STROKE_FONT", Engine::Int, 13, 3, 3, 17},
    {"ChartArea.Axes(Z).AnnotationFont", "Type", "AXIS_STROKE_FONT", Engine::Int, 13, 0, 0, -1},
    {"ChartArea.Axes(Y).TitleFont", "Stroke", "AXIS_TITLE_STROKE_FONT", Engine::Int, 13, 16, 16},
    {"ChartArea.Axes(Y).AnnotationFont", "Size", "AXIS_STROKE_SIZE", Engine::Int, 80, 1000, 1000, 1001,
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Axes(X).TitleFont", "Size", "AXIS_TITLE_STROKE_SIZE", Engine::Int, 80, 1, 1, 0,
     ErrorCode::tcErrorOutOfRange},
    {"ChartArea.Axes(Z).TitleFont.TrueType", "Name", "AXIS_TITLE_FONT", Engine::Text, Variant(), "DejaVu Sans",
     "DejaVu Sans,12"},
    {"ChartArea.Axes(X).AnnotationFont.TrueType", "Name", "AXIS_FONT", Engine::Text, Variant(), "DejaVu Serif",
     "DejaVu Serif,12"},
};

TEST(ObjectModel, EveryPropertyReadsItsDefaultAndReachesItsResource) {
  for (const PropertyCase &c : kCases) {
    SCOPED_TRACE(std::string(c.object) + "." + c.property);
    auto chart = Chart3D::create();
    ObjectRef o = object_at(chart, c.object);
    ASSERT_TRUE(o);
    if (!c.default_value.is_empty()) {
      EXPECT_EQ(o->invoke(c.property, Invoke::Get), c.default_value);
    }

    Variant args[] = {c.valid};
    o->invoke(c.property, Invoke::Put, args);
    EXPECT_EQ(o->invoke(c.property, Invoke::Get), c.valid);
    if (*c.resource) {
      switch (c.engine) {
        case Engine::Int: EXPECT_EQ(engine_int(chart->graph(), c.resource), c.engine_value.to_int32()); break;
        case Engine::Double: EXPECT_EQ(engine_double(chart->graph(), c.resource), c.engine_value.to_double()); break;
        case Engine::Text: EXPECT_EQ(engine_text(chart->graph(), c.resource), c.engine_value.to_string()); break;
      }
    }
    if (c.invalid) {
      const Variant before = o->invoke(c.property, Invoke::Get);
      Variant bad[] = {*c.invalid};
      EXPECT_EQ(status_of([&] { o->invoke(c.property, Invoke::Put, bad); }), status_of(c.invalid_error));
      EXPECT_EQ(o->invoke(c.property, Invoke::Get), before);
    }
  }
}

TEST(ObjectModel, SystemColoursReachTheEngineAsPlainColours) {
  constexpr std::uint32_t kSystemWindow = 0x80000005u, kSystemWindowText = 0x80000008u;
  struct Case {
    std::uint32_t given;
    int plain;
  };
  const Case cases[] = {{kSystemWindow, 0xFFFFFF}, {kSystemWindowText, 0x000000}, {0xFFFFFFFFu, -1}};
  for (const Case &c : cases) {
    auto chart = Chart3D::create();
    Variant args[] = {static_cast<std::int32_t>(c.given)};
    object_at(chart, "Legend.Interior")->invoke("BackgroundColor", Invoke::Put, args);
    EXPECT_EQ(engine_int(chart->graph(), "LEGEND_BACKGROUND_COLOR"), c.plain);
  }
}

TEST(ObjectModel, ObjectPropertiesRefuseWritesAndKnowTheirParent) {
  auto chart = Chart3D::create();
  const char *const kObjects[][2] = {
      {"Header", "Border"},
      {"Header", "Interior"},
      {"Header", "Location"},
      {"Header", "Text"},
      {"Legend", "Text"},
      {"Legend", "Border"},
      {"Legend", "Location"},
      {"Header.Interior", "Image"},
      {"Footer.Location", "Height"},
      {"ChartArea", "Axes"},
      {"ChartArea.Axes(X)", "AnnotationFont"},
      {"ChartArea.Axes(Y)", "TitleFont"},
      {"ChartArea.Axes(Z)", "Min"},
      {"ChartArea.Axes(Z)", "Max"},
      {"ChartArea.Axes(X)", "MajorGrid"},
      {"ChartArea.Axes(Y)", "ValueLabels"},
      {"ChartArea.Axes(Z)", "Title"},
      {"ChartArea.Axes(X).MajorGrid", "Style"},
      {"ChartArea.Bar", "Colors"},
  };
  for (const auto &[owner, member] : kObjects) {
    SCOPED_TRACE(std::string(owner) + "." + member);
    ObjectRef parent = object_at(chart, owner);
    ObjectRef child = parent->invoke(member, Invoke::Get).to_object();
    ASSERT_TRUE(child);
    EXPECT_EQ(child->invoke("Parent", Invoke::Get).to_object(), parent);
    Variant args[] = {Variant(child)};
    EXPECT_EQ(status_of([&] { parent->invoke(member, Invoke::Put, args); }), status::kSetNotSupported);
    EXPECT_EQ(parent->invoke(member, Invoke::Get).to_object(), child);
  }
}

TEST(ObjectModel, HidingATitleKeepsItsTextAndShowingSendsItBack) {
  auto chart = Chart3D::create();
  ObjectRef header = object_at(chart, "Header");
  ObjectRef text = object_at(chart, "Header.Text");
  Variant lines[] = {Variant("First line\r\nSecond line")};
  text->invoke("Text", Invoke::Put, lines);
  char **list = nullptr;
  Vex3dGetValues(chart->graph(), VEX3D_HEADER_STRINGS, &list, 0);
  ASSERT_TRUE(list && list[0] && list[1]);
  EXPECT_STREQ(list[0], "First line");
  EXPECT_STREQ(list[1], "Second line");
  EXPECT_EQ(list[2], nullptr);

  Variant minimum[] = {Variant(true)};
  object_at(chart, "Header.Interior.Image")->invoke("HasMinimumSize", Invoke::Put, minimum);
  Variant hide[] = {Variant(false)};
  header->invoke("IsShowing", Invoke::Put, hide);
  list = nullptr;
  Vex3dGetValues(chart->graph(), VEX3D_HEADER_STRINGS, &list, 0);
  EXPECT_TRUE(!list || !list[0]);
  EXPECT_EQ(engine_int(chart->graph(), "HEADER_IMAGE_MINIMUM_SIZE"), 0);
  EXPECT_EQ(header->invoke("IsShowing", Invoke::Get), Variant(false));
  EXPECT_EQ(text->invoke("Text", Invoke::Get), Variant("First line\nSecond line"));

  Variant show[] = {Variant(true)};
  header->invoke("IsShowing", Invoke::Put, show);
  list = nullptr;
  Vex3dGetValues(chart->graph(), VEX3D_HEADER_STRINGS, &list, 0);
  ASSERT_TRUE(list && list[0] && list[1]);
  EXPECT_STREQ(list[1], "Second line");
  EXPECT_EQ(engine_int(chart->graph(), "HEADER_IMAGE_MINIMUM_SIZE"), 1);
}

TEST(ObjectModel, LocationsOfComputedSizesCannotBeSet) {
  auto chart = Chart3D::create();
  for (const char *path : {"Header.Location.Width", "Footer.Location.Height", "Legend.Location.Width"}) {
    SCOPED_TRACE(path);
    ObjectRef edge = object_at(chart, path);
    EXPECT_EQ(edge->invoke("IsDefault", Invoke::Get), Variant(true));
    Variant value[] = {Variant(50)}, off[] = {Variant(false)};
    EXPECT_EQ(status_of([&] { edge->invoke("Value", Invoke::Put, value); }), status_of(ErrorCode::tcErrorReadOnly));
    EXPECT_EQ(status_of([&] { edge->invoke("IsDefault", Invoke::Put, off); }), status_of(ErrorCode::tcErrorReadOnly));
  }
}

TEST(ObjectModel, SettingALocationValueClearsItsDefault) {
  auto chart = Chart3D::create();
  ObjectRef left = object_at(chart, "Legend.Location.Left");
  Variant value[] = {Variant(33)};
  left->invoke("Value", Invoke::Put, value);
  EXPECT_EQ(left->invoke("IsDefault", Invoke::Get), Variant(false));
  EXPECT_EQ(engine_int(chart->graph(), "LEGEND_X_USE_DEFAULT"), 0);
  Variant on[] = {Variant(true)};
  left->invoke("IsDefault", Invoke::Put, on);
  EXPECT_EQ(engine_int(chart->graph(), "LEGEND_X_USE_DEFAULT"), 1);
}

TEST(ObjectModel, AWriteRunsTheChartChangedProtocol) {
  auto chart = Chart3D::create();
  chart->clear_modified();
  Variant args[] = {Variant(9)};
  object_at(chart, "Legend.Border")->invoke("Type", Invoke::Put, args);
  EXPECT_TRUE(chart->modified());
  chart->clear_modified();
  Variant bad[] = {Variant(99)};
  EXPECT_NE(status_of([&] { object_at(chart, "Legend.Border")->invoke("Type", Invoke::Put, bad); }), status::kOk);
  EXPECT_FALSE(chart->modified());
}

TEST(ObjectModel, AProjectionBitChangesOnlyItself) {
  auto chart = Chart3D::create();
  ObjectRef floor = object_at(chart, "ChartArea.PlotCube.Floor.Projection");
  Vex3dSetValues(chart->graph(), VEX3D_PROJECT_ZMIN, 1, 0);
  Variant on[] = {Variant(true)}, off[] = {Variant(false)};
  floor->invoke("IsZoned", Invoke::Put, on);
  EXPECT_EQ(floor->invoke("IsContoured", Invoke::Get), Variant(true));
  EXPECT_EQ(engine_int(chart->graph(), "PROJECT_ZMIN"), 3);
  floor->invoke("IsContoured", Invoke::Put, off);
  EXPECT_EQ(floor->invoke("IsZoned", Invoke::Get), Variant(true));
  EXPECT_EQ(engine_int(chart->graph(), "PROJECT_ZMIN"), 2);
  EXPECT_EQ(engine_int(chart->graph(), "PROJECT_ZMAX"), 0);
}

TEST(ObjectModel, ThePlotCubeInteriorHasNoForeground) {
  auto chart = Chart3D::create();
  ObjectRef interior = object_at(chart, "ChartArea.PlotCube.Interior");
  const int foreground = engine_int(chart->graph(), "FOREGROUND_COLOR");
  const int graph_foreground = engine_int(chart->graph(), "GRAPH_FOREGROUND_COLOR");
  Variant red[] = {Variant(0x0000FF)};
  interior->invoke("ForegroundColor", Invoke::Put, red);
  EXPECT_EQ(interior->invoke("ForegroundColor", Invoke::Get), Variant(-1));
  EXPECT_EQ(engine_int(chart->graph(), "FOREGROUND_COLOR"), foreground);
  EXPECT_EQ(engine_int(chart->graph(), "GRAPH_FOREGROUND_COLOR"), graph_foreground);
}

TEST(ObjectModel, TheDualFormReturnsStatuses) {
  auto chart = Chart3D::create();
  IBorder_Dual border(chart->Header()->Border());
  EXPECT_EQ(border.put_Type(tc3dBorderBevel), status::kOk);
  std::int32_t type = 0;
  EXPECT_EQ(border.get_Type(&type), status::kOk);
  EXPECT_EQ(type, tc3dBorderBevel);
  EXPECT_EQ(border.put_Type(42), status_of(ErrorCode::tcErrorInvalidEnum));
  EXPECT_EQ(last_error_info().status, status_of(ErrorCode::tcErrorInvalidEnum));
}

TEST(ObjectModel, ObjectsOfADestroyedControlAreDisconnected) {
  ObjectRef border, text;
  {
    auto chart = Chart3D::create();
    border = object_at(chart, "Legend.Border");
    text = object_at(chart, "Header.Text");
  }
  EXPECT_NE(status_of([&] { border->invoke("Type", Invoke::Get); }), status::kOk);
  Variant args[] = {Variant("x")};
  EXPECT_NE(status_of([&] { text->invoke("Text", Invoke::Put, args); }), status::kOk);
}

Status item_status(const ObjectRef &collection, Variant index) {
  Variant args[] = {std::move(index)};
  return status_of([&] { collection->invoke(kDispidValue, Invoke::Get, args); });
}

ObjectRef item_of(const ObjectRef &collection, Variant index) {
  Variant args[] = {std::move(index)};
  return collection->invoke(kDispidValue, Invoke::Get, args).to_object();
}

// The items an enumerator walks, until it gives no more.
std::vector<ObjectRef> enumerated(const ObjectRef &collection) {
  ObjectRef e = collection->invoke("_NewEnum", Invoke::Get).to_object();
  std::vector<ObjectRef> items;
  for (Variant v = e->invoke("Next", Invoke::Method); !v.is_empty(); v = e->invoke("Next", Invoke::Method))
    items.push_back(v.to_object());
  return items;
}

TEST(ObjectModel, TheAxesAreThreeByPositionByNameAndByReference) {
  auto chart = Chart3D::create();
  ObjectRef axes = object_at(chart, "ChartArea.Axes");
  EXPECT_EQ(axes->invoke("Count", Invoke::Get), Variant(3));
  std::int32_t two = 2;
  std::int16_t three = 3;
  EXPECT_EQ(item_of(axes, "y"), item_of(axes, 2));
  EXPECT_EQ(item_of(axes, "Y"), item_of(axes, Variant::ref(&two)));
  EXPECT_EQ(item_of(axes, "z"), item_of(axes, std::int16_t{3}));
  EXPECT_EQ(item_of(axes, Variant::ref(&three)), item_of(axes, "Z"));
  const ObjectRef x = item_of(axes, "X");
  EXPECT_EQ(item_of(axes, x), x);
  EXPECT_EQ(x->invoke("Name", Invoke::Get), Variant("X"));
  EXPECT_EQ(item_of(axes, 3)->invoke("Name", Invoke::Get), Variant("Z"));
  EXPECT_EQ(x->invoke("Parent", Invoke::Get).to_object(), axes);
  EXPECT_EQ(enumerated(axes), (std::vector<ObjectRef>{x, item_of(axes, 2), item_of(axes, 3)}));

  struct Bad {
    Variant index;
    ErrorCode error;
  };
  const Bad bad[] = {
      {4, ErrorCode::tcErrorNoSuchItem},          {0, ErrorCode::tcErrorNoSuchItem},
      {"W", ErrorCode::tcErrorNoSuchItem},        {Variant(ObjectRef(chart)), ErrorCode::tcErrorNoSuchItem},
      {2.0, ErrorCode::tcErrorInvalidValue},      {true, ErrorCode::tcErrorInvalidValue},
      {Variant(), ErrorCode::tcErrorInvalidValue}};
  for (const Bad &b : bad) {
    SCOPED_TRACE(std::string(var_type_name(b.index.type())));
    EXPECT_EQ(item_status(axes, b.index), status_of(b.error));
  }
}

TEST(ObjectModel, OnlyTheZAxisHasAnOrigin) {
  auto chart = Chart3D::create();
  ObjectRef x = object_at(chart, "ChartArea.Axes(X)");
  Variant origin[] = {Variant(7.0)};
  x->invoke("Origin", Invoke::Put, origin);
  EXPECT_EQ(x->invoke("Origin", Invoke::Get), Variant(0.0));
  EXPECT_EQ(engine_double(chart->graph(), "ZORIGIN"), 0.0);
}

TEST(ObjectModel, ABoundReportsTheComputedValueWhileItIsTheDefault) {
  auto chart = Chart3D::create();
  double row0[] = {1, 2}, row1[] = {3, 4};
  double *rows[] = {row0, row1};
  Vex3dData data{};
  data.type = VEX3D_DATA_GRID;
  data.grid = Vex3dGridData{2, 2, -1000, 1, 1, 3, 0, rows};
  Vex3dSetValues(chart->graph(), VEX3D_SURFACE_DATA, &data, 0);
  ObjectRef min = object_at(chart, "ChartArea.Axes(X).Min");
  EXPECT_EQ(min->invoke("Value", Invoke::Get), Variant(3.0));
  Variant own[] = {Variant(1.0)}, on[] = {Variant(true)};
  min->invoke("Value", Invoke::Put, own);
  EXPECT_EQ(min->invoke("IsDefault", Invoke::Get), Variant(false));
  EXPECT_EQ(min->invoke("Value", Invoke::Get), Variant(1.0));
  min->invoke("IsDefault", Invoke::Put, on);
  EXPECT_EQ(min->invoke("Value", Invoke::Get), Variant(3.0));
  Vex3dSetValues(chart->graph(), VEX3D_SURFACE_DATA, nullptr, 0);
}

TEST(ObjectModel, ALineStyleFieldChangesOnlyItself) {
  auto chart = Chart3D::create();
  ObjectRef style = object_at(chart, "ChartArea.Axes(Y).MajorGrid.Style");
  Variant dotted[] = {Variant(4)}, wide[] = {Variant(3)}, blue[] = {Variant(0xFF0000)};
  style->invoke("Pattern", Invoke::Put, dotted);
  style->invoke("Width", Invoke::Put, wide);
  style->invoke("Color", Invoke::Put, blue);
  const Vex3dLineStyle *in_force = nullptr;
  Vex3dGetValues(chart->graph(), VEX3D_YGRID_LINE_STYLE, &in_force, 0);
  ASSERT_TRUE(in_force);
  EXPECT_EQ(in_force->pattern, 4);
  EXPECT_EQ(in_force->width, 3);
  EXPECT_EQ(in_force->color, 0xFF0000);
  EXPECT_EQ(engine_int(chart->graph(), "YGRID_LINE_STYLE_USE_DEFAULT"), 0);
  EXPECT_EQ(engine_text(chart->graph(), "XGRID_LINE_STYLE"), "(LpatSolid #000000 1)");
}

std::vector<std::pair<double, std::string>> value_labels(Vex3dGraph *g, int id) {
  Vex3dValueLabel **list = nullptr;
  Vex3dGetValues(g, id, &list, 0);
  std::vector<std::pair<double, std::string>> all;
  for (Vex3dValueLabel **p = list; p && *p; ++p) all.emplace_back((*p)->value, (*p)->text);
  return all;
}

using Labels = std::vector<std::pair<double, std::string>>;

TEST(ObjectModel, ValueLabelsAreAddedEditedAndRemovedInTheAxisList) {
  auto chart = Chart3D::create();
  ObjectRef labels = object_at(chart, "ChartArea.Axes(Z).ValueLabels");
  for (auto [value, text] : Labels{{2.5, "low"}, {5.0, "mid"}, {7.5, "high"}}) {
    Variant args[] = {Variant(value), Variant(text)};
    ObjectRef made = labels->invoke("Add", Invoke::Method, args).to_object();
    EXPECT_EQ(made->invoke("Value", Invoke::Get), Variant(value));
    EXPECT_EQ(made->invoke("Parent", Invoke::Get).to_object(), labels);
  }
  EXPECT_EQ(value_labels(chart->graph(), VEX3D_ZVALUE_LABELS), (Labels{{2.5, "low"}, {5.0, "mid"}, {7.5, "high"}}));
  EXPECT_TRUE(value_labels(chart->graph(), VEX3D_XVALUE_LABELS).empty());
  EXPECT_EQ(labels->invoke("Count", Invoke::Get), Variant(3));

  ObjectRef mid = item_of(labels, 2);
  Variant six[] = {Variant(6.0)}, middle[] = {Variant("middle")};
  mid->invoke("Value", Invoke::Put, six);
  mid->invoke("Label", Invoke::Get).to_object()->invoke("Text", Invoke::Put, middle);
  EXPECT_EQ(value_labels(chart->graph(), VEX3D_ZVALUE_LABELS), (Labels{{2.5, "low"}, {6.0, "middle"}, {7.5, "high"}}));

  // Removing the first renumbers the rest: the same objects, one place up.
  ObjectRef first = item_of(labels, 1);
  Variant one[] = {Variant(1)};
  labels->invoke("Remove", Invoke::Method, one);
  EXPECT_EQ(value_labels(chart->graph(), VEX3D_ZVALUE_LABELS), (Labels{{6.0, "middle"}, {7.5, "high"}}));
  EXPECT_EQ(item_of(labels, 1), mid);
  EXPECT_EQ(mid->invoke("Label", Invoke::Get).to_object()->invoke("Text", Invoke::Get), Variant("middle"));
  EXPECT_EQ(status_of([&] { first->invoke("Value", Invoke::Get); }), status_of(ErrorCode::tcErrorNotConnected));
  Variant gone[] = {Variant(first)};
  EXPECT_EQ(status_of([&] { labels->invoke("Remove", Invoke::Method, gone); }),
            status_of(ErrorCode::tcErrorNoSuchItem));
  EXPECT_EQ(item_status(labels, 3), status_of(ErrorCode::tcErrorNoSuchItem));

  // A list the engine was given directly is what the collection shows.
  Vex3dValueLabel only{1.0, const_cast<char *>("one")};
  Vex3dValueLabel *list[] = {&only, nullptr};
  Vex3dSetValues(chart->graph(), VEX3D_ZVALUE_LABELS, list, 0);
  EXPECT_EQ(labels->invoke("Count", Invoke::Get), Variant(1));
  EXPECT_EQ(item_of(labels, 1), mid);
  EXPECT_EQ(mid->invoke("Value", Invoke::Get), Variant(1.0));
}

std::vector<std::string> legend_strings(Vex3dGraph *g) {
  char **list = nullptr;
  Vex3dGetValues(g, VEX3D_LEGEND_STRINGS, &list, 0);
  std::vector<std::string> all;
  for (char **p = list; p && *p; ++p) all.emplace_back(*p);
  return all;
}

using Texts = std::vector<std::string>;

TEST(ObjectModel, LegendLabelsAreInsertedBeforeTheirIndexAndRenumbered) {
  auto chart = Chart3D::create();
  ObjectRef labels = object_at(chart, "Legend.Labels");
  auto add = [&](const char *text, std::optional<Variant> before = std::nullopt) {
    std::vector<Variant> args{Variant(text)};
    if (before) args.push_back(*before);
    return labels->invoke("Add", Invoke::Method, args).to_object();
  };
  ObjectRef low = add("low"), high = add("high");
  ObjectRef mid = add("mid", Variant(2));
  ObjectRef first = add("first", Variant(low));
  EXPECT_EQ(legend_strings(chart->graph()), (Texts{"first", "low", "mid", "high"}));
  EXPECT_EQ(labels->invoke("Count", Invoke::Get), Variant(4));
  EXPECT_EQ(enumerated(labels), (std::vector<ObjectRef>{first, low, mid, high}));
  EXPECT_EQ(mid->invoke("Parent", Invoke::Get).to_object(), labels);
  EXPECT_EQ(high->invoke("Text", Invoke::Get), Variant("high"));
  EXPECT_EQ(status_of([&] { add("nowhere", Variant(5)); }), status_of(ErrorCode::tcErrorNoSuchItem));
  EXPECT_EQ(status_of([&] { add("nowhere", Variant(1.5)); }), status_of(ErrorCode::tcErrorInvalidValue));
  EXPECT_EQ(legend_strings(chart->graph()).size(), 4u);

  Variant top[] = {Variant("top")};
  item_of(labels, 4)->invoke("Text", Invoke::Put, top);
  Variant by_object[] = {Variant(low)};
  labels->invoke("Remove", Invoke::Method, by_object);
  EXPECT_EQ(legend_strings(chart->graph()), (Texts{"first", "mid", "top"}));
  EXPECT_EQ(item_of(labels, 2), mid);
  EXPECT_EQ(mid->invoke("Text", Invoke::Get), Variant("mid"));
  EXPECT_EQ(status_of([&] { low->invoke("Text", Invoke::Get); }), status_of(ErrorCode::tcErrorNotConnected));
  // The labels have no names; the legend's own title is not one of them.
  EXPECT_EQ(item_status(labels, "mid"), status_of(ErrorCode::tcErrorNoSuchItem));
  EXPECT_EQ(item_status(labels, Variant(object_at(chart, "Legend.Text"))), status_of(ErrorCode::tcErrorNoSuchItem));
}

// RemoveAll of each collection with items, with a window to redraw.
TEST(ObjectModel, RemoveAllRedrawsOnce) {
  struct Case {
    const char *collection;
    std::function<std::vector<Variant>(int)> add;  // the arguments of the i-th Add
  };
  const Case cases[] = {
      {"ChartArea.Axes(X).ValueLabels",
       [](int i) {
         return std::vector<Variant>{Variant(i * 1.0), Variant("v")};
       }},
      {"Legend.Labels", [](int) { return std::vector<Variant>{Variant("label")}; }},
      {"ChartArea.Bar.Colors",
       [](int i) {
         return std::vector<Variant>{Variant(i + 1), Variant(1), Variant(0xFF)};
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.collection);
    auto chart = Chart3D::create(std::make_shared<HeadlessHost>(), {300, 200});
    int redraws = 0;
    chart->connect(std::make_shared<EventCallback>([&](const EventInfo &e, std::span<Variant>) {
      if (e.name == "Repaint") ++redraws;
    }));
    chart->open_window();
    chart->refresh();
    ObjectRef items = object_at(chart, c.collection);
    for (int i = 0; i < 5; ++i) {
      std::vector<Variant> args = c.add(i);
      items->invoke("Add", Invoke::Method, args);
    }
    EXPECT_EQ(items->invoke("Count", Invoke::Get), Variant(5));
    const int before = redraws;
    items->invoke("RemoveAll", Invoke::Method);
    EXPECT_EQ(redraws, before + 1);
    EXPECT_EQ(items->invoke("Count", Invoke::Get), Variant(0));
    EXPECT_FALSE(chart->is_batched());
  }
}

ObjectRef cell_of(const ObjectRef &colors, int row, int column) {
  Variant args[] = {Variant(row), Variant(column)};
  return colors->invoke(kDispidValue, Invoke::Get, args).to_object();
}

ObjectRef add_color(const ObjectRef &colors, int row, int column, int color) {
  Variant args[] = {Variant(row), Variant(column), Variant(color)};
  return colors->invoke("Add", Invoke::Method, args).to_object();
}

// Rows and columns count from 1 (0: all of them); the engine's from 0 (-1).
TEST(ObjectModel, DataColorsAreTheCellsOfTheColourList) {
  constexpr int kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kYellow = 0x00FFFF;
  auto chart = Chart3D::create();
  Vex3dGraph *g = chart->graph();
  ObjectRef colors = object_at(chart, "ChartArea.Bar.Colors");
  ObjectRef cell = add_color(colors, 2, 3, kRed);
  EXPECT_EQ(Vex3dGetXYColor(g, 1, 2), kRed);
  EXPECT_EQ(cell->invoke("Color", Invoke::Get), Variant(kRed));
  EXPECT_EQ(cell->invoke("Parent", Invoke::Get).to_object(), colors);
  ObjectRef index = cell->invoke("DataIndex", Invoke::Get).to_object();
  EXPECT_EQ(index->invoke("Row", Invoke::Get), Variant(2));
  EXPECT_EQ(index->invoke("Column", Invoke::Get), Variant(3));
  EXPECT_EQ(index->invoke("Parent", Invoke::Get).to_object(), cell);

  ObjectRef column = add_color(colors, 0, 3, kBlue);
  EXPECT_EQ(Vex3dGetXYColor(g, 4, 2), kBlue);
  EXPECT_EQ(Vex3dGetXYColor(g, 1, 2), kBlue);  // the later assignment wins
  EXPECT_EQ(column->invoke("DataIndex", Invoke::Get).to_object()->invoke("Row", Invoke::Get), Variant(0));
  // Giving the cell a colour again keeps its object and moves it to the end.
  EXPECT_EQ(add_color(colors, 2, 3, kGreen), cell);
  EXPECT_EQ(Vex3dGetXYColor(g, 1, 2), kGreen);
  EXPECT_EQ(enumerated(colors), (std::vector<ObjectRef>{column, cell}));
  EXPECT_EQ(cell_of(colors, 2, 3), cell);
  Variant yellow[] = {Variant(kYellow)};
  cell->invoke("Color", Invoke::Put, yellow);
  EXPECT_EQ(Vex3dGetXYColor(g, 1, 2), kYellow);

  Variant two[] = {Variant(2)};
  EXPECT_EQ(status_of([&] { index->invoke("Row", Invoke::Put, two); }), status_of(ErrorCode::tcErrorReadOnly));
  EXPECT_EQ(status_of([&] { index->invoke("Column", Invoke::Put, two); }), status_of(ErrorCode::tcErrorReadOnly));
  EXPECT_EQ(status_of([&] { cell_of(colors, 5, 5); }), status_of(ErrorCode::tcErrorNoSuchItem));
  EXPECT_EQ(status_of([&] { add_color(colors, -1, 1, kRed); }), status_of(ErrorCode::tcErrorInvalidIndex));
  EXPECT_EQ(status_of([&] { add_color(colors, 1, 1, -1); }), status_of(ErrorCode::tcErrorInvalidValue));
  EXPECT_EQ(status_of([&] { add_color(colors, 1, 1, 0x1000000); }), status_of(ErrorCode::tcErrorInvalidValue));
  Variant far[] = {Variant(9), Variant(9)};
  EXPECT_EQ(status_of([&] { colors->invoke("Remove", Invoke::Method, far); }), status_of(ErrorCode::tcErrorNoSuchItem));
  EXPECT_EQ(colors->invoke("Count", Invoke::Get), Variant(2));

  Variant which[] = {Variant(2), Variant(3)};
  colors->invoke("Remove", Invoke::Method, which);
  EXPECT_EQ(Vex3dGetXYColor(g, 1, 2), kBlue);
  EXPECT_EQ(colors->invoke("Count", Invoke::Get), Variant(1));
  EXPECT_EQ(status_of([&] { cell->invoke("Color", Invoke::Get); }), status_of(ErrorCode::tcErrorNotConnected));
}

// Each change of a font object sends the whole font as text; the fonts start
// from "DejaVu Sans,10" given to the owner as a description.
TEST(ObjectModel, FontChangesReachTheEngineAsTheFontText) {
  struct Case {
    const char *owner;  // the object whose Font property holds the font
    const char *font;   // its name there
    const char *resource;
    const char *property;
    Variant value;
    const char *text;  // what the engine then holds
  };
  const Case cases[] = {
      {"Header", "Font", "HEADER_FONT", "Bold", true, "DejaVu Sans,10,Bold"},
      {"Footer", "Font", "FOOTER_FONT", "Italic", true, "DejaVu Sans,10,Italic"},
      {"Legend", "Font", "LEGEND_FONT", "Underline", true, "DejaVu Sans,10,Underline"},
      {"Header", "Font", "HEADER_FONT", "Strikethrough", true, "DejaVu Sans,10,Strikeout"},
      {"Footer", "Font", "FOOTER_FONT", "Size", Currency{116000}, "DejaVu Sans,12"},
      {"Header", "Font", "HEADER_FONT", "Weight", std::int16_t{600}, "DejaVu Sans,10,Bold"},
      {"Footer", "Font", "FOOTER_FONT", "Weight", std::int16_t{500}, "DejaVu Sans,10"},
      {"Legend", "Font", "LEGEND_FONT", "Charset", std::int16_t{2}, "DejaVu Sans,10"},
      {"Header", "Font", "HEADER_FONT", "Name", "DejaVu Serif", "DejaVu Serif,10"},
      // No font is sent, and the engine keeps the one it has.
      {"Footer", "Font", "FOOTER_FONT", "Name", "", "DejaVu Sans,10"},
      {"ChartArea.Axes(Y).AnnotationFont", "TrueType", "AXIS_FONT", "Italic", true, "DejaVu Sans,10,Italic"},
      {"ChartArea.Axes(Z).TitleFont", "TrueType", "AXIS_TITLE_FONT", "Bold", true, "DejaVu Sans,10,Bold"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(std::string(c.owner) + "." + c.font + "." + c.property);
    auto chart = Chart3D::create();
    ObjectRef owner = object_at(chart, c.owner);
    Variant start[] = {Variant("DejaVu Sans,10")};
    owner->invoke(c.font, Invoke::Put, start);
    ObjectRef font = owner->invoke(c.font, Invoke::Get).to_object();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->invoke("Parent", Invoke::Get).to_object(), owner);
    Variant args[] = {c.value};
    font->invoke(c.property, Invoke::Put, args);
    EXPECT_EQ(font->invoke(c.property, Invoke::Get), c.value);
    EXPECT_EQ(engine_text(chart->graph(), c.resource), c.text);
  }
  // A size that rounds to 0 sends only the face (the engine then takes its
  // default size).
  FontDescription small{"DejaVu Sans", Currency{4000}};
  EXPECT_EQ(font_text(small), "DejaVu Sans");
}

TEST(ObjectModel, AFontShowsItsResourceUntilTheHostSetsIt) {
  auto chart = Chart3D::create();
  ObjectRef font = object_at(chart, "Legend.Font");
  Vex3dSetValueString(chart->graph(), VEX3D_LEGEND_FONT, "DejaVu Serif,14,Bold,Italic");
  EXPECT_EQ(font->invoke("Name", Invoke::Get), Variant("DejaVu Serif"));
  EXPECT_EQ(font->invoke("Size", Invoke::Get), Variant(Currency{140000}));
  EXPECT_EQ(font->invoke("Bold", Invoke::Get), Variant(true));
  EXPECT_EQ(font->invoke("Italic", Invoke::Get), Variant(true));
  EXPECT_EQ(font->invoke("Underline", Invoke::Get), Variant(false));

  // Another font object's font is copied; the source stays as it is.
  ObjectRef header = object_at(chart, "Header");
  Variant from_legend[] = {Variant(font)};
  header->invoke("Font", Invoke::Put, from_legend);
  EXPECT_EQ(engine_text(chart->graph(), "HEADER_FONT"), "DejaVu Serif,14,Bold,Italic");
  EXPECT_NE(header->invoke("Font", Invoke::Get).to_object(), font);
  Variant plain[] = {Variant(false)};
  header->invoke("Font", Invoke::Get).to_object()->invoke("Italic", Invoke::Put, plain);
  EXPECT_EQ(engine_text(chart->graph(), "LEGEND_FONT"), "DejaVu Serif,14,Bold,Italic");
  EXPECT_EQ(engine_text(chart->graph(), "HEADER_FONT"), "DejaVu Serif,14,Bold");

  // Once set by the host, the font is the host's.
  Variant weight[] = {Variant(std::int16_t{650})};
  font->invoke("Weight", Invoke::Put, weight);
  Vex3dSetValueString(chart->graph(), VEX3D_LEGEND_FONT, "DejaVu Sans,8");
  EXPECT_EQ(font->invoke("Weight", Invoke::Get), Variant(std::int16_t{650}));
  EXPECT_EQ(font->invoke("Name", Invoke::Get), Variant("DejaVu Serif"));

  Variant not_a_font[] = {Variant(ObjectRef(object_at(chart, "Legend.Border")))};
  EXPECT_EQ(status_of([&] { header->invoke("Font", Invoke::Put, not_a_font); }),
            status_of(ErrorCode::tcErrorInvalidValue));
}

}  // namespace
}  // namespace tc3d
