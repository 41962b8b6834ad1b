// Bad input through dispatch by name: every property of every object the
// control offers is given every kind of value an automation caller can send
// (empty, strings, objects, arrays, huge numbers, NaN, negatives, errors and
// by-reference forms). Each write either converts or is refused with one of
// the statuses of the value conversions and the object model's checks; a
// refused write changes nothing, neither in the engine nor in what the
// object's properties read; an accepted one reads back, and the chart still
// draws. The objects and members come from the type library's tables: this
// test checks robustness, not defaults.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "3dctl.h"
#include "safe_array.h"
#include "scratch_dir.h"

namespace tc3d {
namespace {

// One value an automation caller may send, with what the test says of it.
struct Hostile {
  const char *name;
  Variant value;
};

// Storage the by-reference forms point at; it outlives every case.
struct RefTargets {
  std::int16_t int16 = std::numeric_limits<std::int16_t>::min();
  std::int32_t int32 = std::numeric_limits<std::int32_t>::max();
  float real32 = std::numeric_limits<float>::infinity();
  double nan = std::nan(""), huge = 1e308;
  bool yes = true;
  Currency money{std::numeric_limits<std::int64_t>::max()};
  std::string text = "not a number";
  ObjectRef nothing;
  Variant empty, array = Variant(SafeArray::of_doubles(std::vector<double>{1, 2, 3})), inner_ref = Variant::ref(&nan);
};

SafeArray variant_matrix() {
  SafeArray a(VarType::Variant, {{1, 2}, {-3, 2}});
  a.put({1, -3}, Variant("x"));
  a.put({2, -2}, Variant(std::nan("")));
  return a;
}

std::vector<Hostile> hostile_values(RefTargets &r, const ObjectRef &chart, const ObjectRef &some_object) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  return {
      {"empty", Variant()},
      {"empty string", Variant("")},
      {"word", Variant("neither a number nor a name")},
      {"number text", Variant("12.5")},
      {"huge number text", Variant("1e999")},
      {"NaN text", Variant("nan")},
      {"True text", Variant("True")},
      {"unbalanced text", Variant("((Arial,,,-7")},
      {"NUL inside", Variant(std::string("a\0b", 3))},
      {"control bytes", Variant("\x01\x7f\xff\n\t")},
      {"64 KiB text", Variant(std::string(65536, 'W'))},
      {"the control", Variant(chart)},
      {"another object", Variant(some_object)},
      {"Nothing", Variant(ObjectRef())},
      {"array of doubles", Variant(SafeArray::of_doubles(std::vector<double>{1, 2, 3}, 5))},
      {"empty array", Variant(SafeArray(VarType::Double, {{0, 0}}))},
      {"matrix of variants", Variant(variant_matrix())},
      {"zero", Variant(0)},
      {"minus one", Variant(-1)},
      {"smallest long", Variant(std::numeric_limits<std::int32_t>::min())},
      {"largest long", Variant(std::numeric_limits<std::int32_t>::max())},
      {"smallest integer", Variant(std::numeric_limits<std::int16_t>::min())},
      {"huge double", Variant(1e308)},
      {"huge negative double", Variant(-1e308)},
      {"beyond long", Variant(4294967296.0)},
      {"infinity", Variant(inf)},
      {"minus infinity", Variant(-inf)},
      {"NaN", Variant(std::nan(""))},
      {"negative zero", Variant(-0.0)},
      {"denormal", Variant(std::numeric_limits<double>::denorm_min())},
      {"float NaN", Variant(std::numeric_limits<float>::quiet_NaN())},
      {"largest currency", Variant(Currency{std::numeric_limits<std::int64_t>::max()})},
      {"smallest currency", Variant(Currency{std::numeric_limits<std::int64_t>::min()})},
      {"True", Variant(true)},
      {"missing argument", Variant::missing()},
      {"error value", Variant(ErrorValue{status::kFail})},
      {"reference to a short", Variant::ref(&r.int16)},
      {"reference to a long", Variant::ref(&r.int32)},
      {"reference to a float", Variant::ref(&r.real32)},
      {"reference to NaN", Variant::ref(&r.nan)},
      {"reference to a huge double", Variant::ref(&r.huge)},
      {"reference to a boolean", Variant::ref(&r.yes)},
      {"reference to currency", Variant::ref(&r.money)},
      {"reference to a string", Variant::ref(&r.text)},
      {"reference to Nothing", Variant::ref(&r.nothing)},
      {"reference to empty", Variant::ref(&r.empty)},
      {"reference to an array", Variant::ref(&r.array)},
      {"reference to a reference", Variant::ref(&r.inner_ref)},
  };
}

// What a write may be refused with: the value conversions and the object
// model's checks of ranges (a double that is not finite is out of range),
// enumerations, values, object types and values that are computed
// (read-only while so).
bool refusal_allowed(Status s) {
  const std::set<Status> allowed = {
      status::kTypeMismatch,
      status::kOverflow,
      status_of(ErrorCode::tcErrorReadOnly),
      status_of(ErrorCode::tcErrorOutOfRange),
      status_of(ErrorCode::tcErrorInvalidEnum),
      status_of(ErrorCode::tcErrorInvalidValue),
      status_of(ErrorCode::tcErrorTypeMismatch),
  };
  return allowed.count(s) != 0;
}
// What reading an item with a bad index may give.
bool index_refusal_allowed(Status s) {
  const std::set<Status> allowed = {
      status::kTypeMismatch,
      status::kOverflow,
      status::kParamNotOptional,
      status_of(ErrorCode::tcErrorInvalidIndex),
      status_of(ErrorCode::tcErrorInvalidValue),
      status_of(ErrorCode::tcErrorNoSuchItem),
      status_of(ErrorCode::tcErrorTypeMismatch),
  };
  return allowed.count(s) != 0;
}

bool names_an_object(const Member &m) {
  return m.access != Access::Method && !m.attributes.hidden &&
         ((m.type.kind == Kind::Object && !m.type.class_name.empty()) || m.type.kind == Kind::Font);
}

// The first item of a collection's Item: 1 for each index.
std::vector<Variant> first_index(const Member &m) { return std::vector<Variant>(m.params.size(), Variant(1)); }

struct Reached {
  std::string path;
  ObjectRef object;
};

// Every object reachable from the control through the members that return
// objects of the model (embedded objects, fonts, the first item of each
// collection), each once.
std::vector<Reached> reachable_objects(const std::shared_ptr<Chart3D> &chart) {
  std::vector<Reached> found{{"Chart3D", chart}};
  std::set<const Object *> seen{chart.get()};
  for (std::size_t k = 0; k < found.size(); ++k) {
    const Reached here = found[k];
    for (const Member &m : here.object->class_info().members) {
      if (!names_an_object(m)) continue;
      std::vector<Variant> args = first_index(m);
      ObjectRef o = here.object->invoke(m.id, Invoke::Get, args).to_object();
      if (o && seen.insert(o.get()).second)
        found.push_back({here.path + "." + std::string(m.name) + (m.params.empty() ? "" : "(1)"), o});
    }
  }
  return found;
}

// Everything a refused write must leave alone: the text of every resource
// of the graph, and what the object's properties read.
std::vector<std::string> state_of(Vex3dGraph *graph, Object &object) {
  std::vector<std::string> state;
  for (int row = 0; row < Vex3dResourceCount(); ++row) {
    const int id = Vex3dResourceIdAt(row);
    char *text = nullptr;
    if (Vex3dResourceOwner(id) != VEX3D_OWNER_GRAPH || !Vex3dGetValueString(graph, id, &text)) continue;
    state.emplace_back(std::string(Vex3dResourceName(id)) + "=" + text);
    std::free(text);
  }
  for (const Member &m : object.class_info().members) {
    if (m.access == Access::Method || !m.params.empty() || names_an_object(m)) continue;
    Variant result;
    ErrorInfo info;
    const Status s = object.invoke(m.id, Invoke::Get, {}, &result, &info);
    state.emplace_back(std::string(m.name) + "=" + (succeeded(s) ? display_text(result) : status_hex(s)));
  }
  return state;
}

class HostileValues : public ScratchDir {};

TEST_F(HostileValues, EveryPropertyConvertsOrRefusesEveryKindAndARefusalChangesNothing) {
  auto chart = Chart3D::create();
  // One item in each collection, so that the items' classes are reached too.
  {
    Variant label[] = {Variant("first")}, value_label[] = {Variant(1.5), Variant("one and a half")},
            cell[] = {Variant(1), Variant(1), Variant(0x0000FF)};
    chart->invoke("Legend", Invoke::Get).to_object()->invoke("Labels", Invoke::Get).to_object()->invoke(
        "Add", Invoke::Method, label);
    ObjectRef area = chart->invoke("ChartArea", Invoke::Get).to_object();
    Variant x[] = {Variant("X")};
    area->invoke("Axes", Invoke::Get).to_object()->invoke(kDispidValue, Invoke::Get, x).to_object()->invoke(
        "ValueLabels", Invoke::Get).to_object()->invoke("Add", Invoke::Method, value_label);
    area->invoke("Bar", Invoke::Get).to_object()->invoke("Colors", Invoke::Get).to_object()->invoke(
        "Add", Invoke::Method, cell);
  }
  const std::vector<Reached> objects = reachable_objects(chart);
  std::set<std::string_view> classes;
  for (const Reached &r : objects) classes.insert(r.object->class_info().name);
  // Every class of the type library that has a member a caller can write or
  // read with arguments is among them.
  for (const ClassInfo *c : type_library().classes) {
    bool has_properties = false;
    for (const Member &m : c->members) has_properties |= m.access != Access::Method && m.name != "Parent";
    if (has_properties) {
      EXPECT_TRUE(classes.count(c->name)) << c->name << " was not reached";
    }
  }

  RefTargets targets;
  const std::vector<Hostile> values = hostile_values(targets, chart, objects.back().object);
  std::map<std::string, int> outcomes;  // for the failure message
  int drawn = 0;
  for (const Reached &r : objects) {
    Object &o = *r.object;
    for (const Member &m : o.class_info().members) {
      if (m.access == Access::Method) continue;
      for (const Hostile &h : values) {
        SCOPED_TRACE(r.path + "." + std::string(m.name) + " = " + h.name);
        // A write: the indices of the first item, then the value.
        std::vector<Variant> args = first_index(m);
        args.push_back(h.value);
        const std::vector<std::string> before = state_of(chart->graph(), o);
        ErrorInfo info;
        const Status s = o.invoke(o.id_of(m.name), Invoke::Put, args, nullptr, &info);
        // ErrorOffset takes any long, and a large one would turn the statuses
        // of later refusals into success codes: they are read under the
        // default.
        set_error_offset(kDefaultErrorOffset);
        if (m.access != Access::Property) {
          EXPECT_EQ(s, status::kSetNotSupported);
        } else if (succeeded(s)) {
          Variant back;
          std::vector<Variant> index = first_index(m);
          EXPECT_EQ(o.invoke(m.id, Invoke::Get, index, &back, &info), status::kOk)
              << "an accepted value does not read back: " << info.description;
          ++outcomes["accepted"];
          continue;
        } else {
          EXPECT_TRUE(refusal_allowed(s)) << status_hex(s) << " " << info.description;
          EXPECT_FALSE(info.description.empty());
          ++outcomes[status_hex(s)];
        }
        EXPECT_EQ(state_of(chart->graph(), o), before) << "a refused write changed something";

        // A read with the value as every index of an item.
        if (m.params.empty()) continue;
        std::vector<Variant> index(m.params.size(), h.value);
        Variant item;
        const Status got = o.invoke(m.id, Invoke::Get, index, &item, &info);
        if (failed(got)) {
          EXPECT_TRUE(index_refusal_allowed(got)) << status_hex(got) << " " << info.description;
        }
        EXPECT_EQ(state_of(chart->graph(), o), before) << "reading an item changed something";
      }
    }
    // Whatever the object accepted, the chart still draws.
    EXPECT_TRUE(chart->save_image_as_png(path("page.png"), false)) << "after " << r.path;
    ++drawn;
  }
  EXPECT_EQ(drawn, static_cast<int>(objects.size()));
  std::string seen;
  for (const auto &[what, count] : outcomes) seen += what + ": " + std::to_string(count) + "\n";
  EXPECT_GT(outcomes["accepted"], 0) << seen;
  EXPECT_GT(outcomes.size(), 3u) << seen;
}

}  // namespace
}  // namespace tc3d
