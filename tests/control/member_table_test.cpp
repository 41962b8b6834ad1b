// What the member rows derive: dispatch by name and identifier, typed
// accessors, the dual form and the checks (the test class IGadget).
#include <gtest/gtest.h>

#include "gadget.h"
#include "type_library.h"

#include <sstream>

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

TEST(MemberTable, ByNameIsCaseInsensitiveAndAgreesWithTheIdentifier) {
  auto g = std::make_shared<Gadget>();
  EXPECT_EQ(g->id_of("Width"), 1);
  EXPECT_EQ(g->id_of("wIDTH"), 1);
  EXPECT_EQ(g->id_of("slot"), 7);
  Variant value[] = {Variant(25)};
  g->invoke("width", Invoke::Put, value);
  EXPECT_EQ(g->invoke(1, Invoke::Get), Variant(25));
  EXPECT_EQ(g->Width(), 25);
  EXPECT_EQ(status_of([&] { g->id_of("Depth"); }), status::kUnknownName);
  EXPECT_EQ(status_of([&] { g->invoke(99, Invoke::Get); }), status::kMemberNotFound);
}

TEST(MemberTable, TypedAccessorsConvertAndRunTheProtocol) {
  auto g = std::make_shared<Gadget>();
  g->put_Ratio(2);  // a long for a double
  EXPECT_EQ(g->Ratio(), 2.0);
  EXPECT_EQ(g->changes, 1);
  g->put_Title("t");  // its row says the setter runs its own protocol
  EXPECT_EQ(g->changes, 1);
  EXPECT_EQ(g->Title(), "t");
  EXPECT_EQ(g->Name(), "gadget");
  g->put_Slot(4.5, 2);
  EXPECT_EQ(g->Slot(2), 4.5);
  EXPECT_EQ(status_of([&] { g->Slot(4); }), status_of(ErrorCode::tcErrorInvalidIndex));
  EXPECT_EQ(g->Scale(3.0), 6.0);  // the ratio 2 set above, times 3
  EXPECT_EQ(g->Child()->Name(), "gadget");
  EXPECT_EQ(g->Child(), g->Child());  // the embedded object, not a new one
}

TEST(MemberTable, EnumerationsAreCheckedBeforeAnythingChanges) {
  auto g = std::make_shared<Gadget>();
  for (int v : {1, 2, 4}) {
    g->put_Shape(v);
    EXPECT_EQ(g->Shape(), v);
  }
  const int changes = g->changes;
  for (int v : {0, 3, 5, 8, -1}) {
    EXPECT_EQ(status_of([&] { g->put_Shape(v); }), status_of(ErrorCode::tcErrorInvalidEnum)) << v;
    EXPECT_EQ(g->Shape(), 4);
  }
  EXPECT_EQ(g->changes, changes);  // no protocol after a refused write
  // Method arguments too, before the method runs.
  const double ratio = g->Ratio();
  EXPECT_EQ(status_of([&] { g->Scale(2.0, 3); }), status_of(ErrorCode::tcErrorInvalidEnum));
  EXPECT_EQ(g->Ratio(), ratio);
  g->Scale(1.0, 2);
  EXPECT_EQ(g->Shape(), 2);
}

TEST(MemberTable, AccessArgumentCountsAndConversions) {
  auto g = std::make_shared<Gadget>();
  struct Case {
    const char *what;
    std::function<void()> call;
    Status expected;
  };
  const Case cases[] = {
      {"write a read-only property",
       [&] {
         Variant v[] = {Variant("x")};
         g->invoke("Name", Invoke::Put, v);
       },
       status::kSetNotSupported},
      {"write an object property",
       [&] {
         Variant v[] = {Variant(ObjectRef(g))};
         g->invoke("Child", Invoke::Put, v);
       },
       status::kSetNotSupported},
      {"write a method",
       [&] {
         Variant v[] = {Variant(1)};
         g->invoke("Scale", Invoke::Put, v);
       },
       status::kMemberNotFound},
      {"too many arguments", [&] { g->Scale(1.0, 1, 3); }, status::kBadParamCount},
      {"too few arguments", [&] { g->invoke("Scale", Invoke::Method); }, status::kBadParamCount},
      {"index missing", [&] { g->invoke("Slot", Invoke::Get); }, status::kBadParamCount},
      {"index on a plain property", [&] { g->Width(1); }, status::kBadParamCount},
      {"a word for a long", [&] { g->typed_put(1, Variant("wide")); }, status::kTypeMismatch},
      {"a long out of 16 bits as index", [&] { g->Slot(100000); }, status::kOverflow},
      {"put without a value", [&] { g->invoke("Width", Invoke::Put); }, status::kBadParamCount},
      {"a required argument missing",
       [&] {
         Variant v[] = {Variant::missing()};
         g->invoke("Scale", Invoke::Method, v);
       },
       status::kParamNotOptional},
  };
  for (const Case &c : cases) EXPECT_EQ(status_of(c.call), c.expected) << c.what;
  EXPECT_EQ(g->Width(), 10);
}

TEST(MemberTable, ByReferenceArgumentsAreWrittenThrough) {
  auto g = std::make_shared<Gadget>();
  double a = 1;
  std::string b = "2.5";
  Variant args[] = {Variant::ref(&a), Variant::ref(&b)};
  g->invoke("Swap", Invoke::Method, args);
  EXPECT_EQ(a, 2.5);
  EXPECT_EQ(b, "1");
}

TEST(MemberTable, TheDualFormReturnsStatusesAndErrorInformation) {
  auto g = std::make_shared<Gadget>();
  IGadget_Dual dual(g);
  std::int32_t width = 0;
  EXPECT_EQ(dual.get_Width(&width), status::kOk);
  EXPECT_EQ(width, 10);
  EXPECT_EQ(dual.put_Width(30), status::kOk);
  EXPECT_EQ(g->Width(), 30);
  EXPECT_EQ(dual.put_Shape(3), status_of(ErrorCode::tcErrorInvalidEnum));
  EXPECT_EQ(last_error_info().description, "Enumerated value not within range.");
  EXPECT_EQ(last_error_info().source, "IGadget");
  double result = 0;
  EXPECT_EQ(dual.Scale(&result, 4.0), status::kOk);
  EXPECT_EQ(result, 2.0);
  EXPECT_EQ(last_error_info().status, status::kOk);
  EXPECT_EQ(dual.Swap(nullptr, 1, 2), status::kOk);
  std::shared_ptr<Gadget> child;
  EXPECT_EQ(dual.get_Child(&child), status::kOk);
  EXPECT_EQ(child, g->Child());
  EXPECT_EQ(dual.put_Child(Variant(ObjectRef(child))), status::kSetNotSupported);
  double slot = -1;
  EXPECT_EQ(dual.get_Slot(&slot, 9), status_of(ErrorCode::tcErrorInvalidIndex));
  EXPECT_EQ(slot, -1);  // untouched on failure
}

TEST(MemberTable, RowsCarryTheirDeclaration) {
  const ClassInfo &info = Gadget().class_info();
  ASSERT_EQ(info.members.size(), 10u);
  const Member *scale = info.find("Scale");
  ASSERT_NE(scale, nullptr);
  EXPECT_EQ(scale->access, Access::Method);
  ASSERT_EQ(scale->params.size(), 2u);
  EXPECT_EQ(scale->params[1].name, "Shape");
  EXPECT_TRUE(scale->params[1].optional);
  EXPECT_EQ(scale->required_params(), 1u);
  EXPECT_EQ(info.find("Width")->attributes.default_number, 10);
  EXPECT_TRUE(info.find("Hidden")->attributes.hidden);
  EXPECT_EQ(info.find(6)->type.class_name, "IGadget");
  EXPECT_EQ(kGadgetShapes.value_of("GSSTAR"), 4);
  EXPECT_FALSE(kGadgetShapes.value_of("gsOval").has_value());
}

TEST(TypeLibrary, PrintsClassesMembersAndEnumerations) {
  static const ClassInfo *const classes[] = {&Gadget().class_info()};
  static const Enumeration *const enums[] = {&kGadgetShapes};
  const TypeLibrary library{"GadgetLibrary", 1, 2, classes, enums};
  std::ostringstream out;
  print_type_library(library, out);
  const std::string text = out.str();
  for (const char *expected :
       {"library GadgetLibrary 1.2\n", "enum GadgetShapeConstants\n    gsRound = 1\n    gsSquare = 2\n    gsStar = 4\n",
        "class IGadget (dispatch IGadget, dual IGadget_Dual)\n", "property        1  Width As Long\n",
        "read-only       5  Name As String\n", "object          6  Child As IGadget\n",
        "property        7  Slot(Index As Integer) As Double\n",
        "method          8  Scale(Factor As Double, Optional Shape As GadgetShapeConstants) As Double\n",
        "method          9  Swap(Left As Variant, Right As Variant)\n", "Hidden As Boolean [hidden]\n"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\nin\n" << text;
  EXPECT_EQ(library.find_class("igadget"), classes[0]);
}

}  // namespace
}  // namespace tc3d
