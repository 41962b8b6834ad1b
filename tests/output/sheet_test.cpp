// The check sheet of the drawing operations (sheets.h): it goes through
// every slot of the operation table, and it looks as reviewed.
#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "golden.h"
#include "graph_fixture.h"
#include "operations_sheet.h"
#include "raster_context.h"
#include "w_render.h"

namespace {

// A table that counts the calls of each slot on their way to the real one.
const Vex3dDrawOps *g_real = nullptr;
std::array<int, 32> g_calls{};  // slots 0 to 31

template <std::size_t Slot, auto Field>
struct Counted;
template <std::size_t Slot, class R, class... A, R (*Vex3dDrawOps::*Field)(A...)>
struct Counted<Slot, Field> {
  static R call(A... a) {
    ++g_calls[Slot];
    return (g_real->*Field)(a...);
  }
};

template <std::size_t Slot, int Set, auto Field>
struct CountedPrimitive;
template <std::size_t Slot, int Set, class R, class... A, R (*Vex3dPrimitiveOps::*Field)(A...)>
struct CountedPrimitive<Slot, Set, Field> {
  static R call(A... a) {
    ++g_calls[Slot];
    return (g_real->primitives[Set].*Field)(a...);
  }
};

template <int Set>
Vex3dPrimitiveOps counted_primitives() {
  constexpr std::size_t k = Set * 7;
  using P = Vex3dPrimitiveOps;
  return {.drawline = CountedPrimitive<k + 0, Set, &P::drawline>::call,
          .drawlines = CountedPrimitive<k + 1, Set, &P::drawlines>::call,
          .drawrectangle = CountedPrimitive<k + 2, Set, &P::drawrectangle>::call,
          .drawarc = CountedPrimitive<k + 3, Set, &P::drawarc>::call,
          .fillpolygon = CountedPrimitive<k + 4, Set, &P::fillpolygon>::call,
          .fillrectangle = CountedPrimitive<k + 5, Set, &P::fillrectangle>::call,
          .fillarc = CountedPrimitive<k + 6, Set, &P::fillarc>::call};
}

Vex3dDrawOps counting_table(const Vex3dDrawOps &real) {
  g_real = &real;
  g_calls.fill(0);
  using T = Vex3dDrawOps;
  return {.primitives = {counted_primitives<0>(), counted_primitives<1>()},
          .drawstring = Counted<14, &T::drawstring>::call,
          .drawstring_aligned = Counted<15, &T::drawstring_aligned>::call,
          .setclip = Counted<16, &T::setclip>::call,
          .setbackground = Counted<17, &T::setbackground>::call,
          .setdashes = Counted<18, &T::setdashes>::call,
          .setfillstyle = Counted<19, &T::setfillstyle>::call,
          .setsolidfill = Counted<20, &T::setsolidfill>::call,
          .setsolidline = Counted<21, &T::setsolidline>::call,
          .setfont = Counted<22, &T::setfont>::call,
          .setforeground = Counted<23, &T::setforeground>::call,
          .setfillcolor = Counted<24, &T::setfillcolor>::call,
          .setlineattributes = Counted<25, &T::setlineattributes>::call,
          .setstipple = Counted<26, &T::setstipple>::call,
          .setdither = Counted<27, &T::setdither>::call,
          .textextents = Counted<28, &T::textextents>::call,
          .textwidth = Counted<29, &T::textwidth>::call,
          .dith_index = Counted<30, &T::dith_index>::call,
          .drawimage = Counted<31, &T::drawimage>::call,
          .coordinate_factor = real.coordinate_factor};
}

TEST(OperationsSheet, GoesThroughEverySlotOfTheTable) {
  GraphPtr graph = make_graph();
  vex3d::platform::RasterContext raster(vex3d::kSheetWidth, vex3d::kSheetHeight);
  const vex3d::CurrentContextScope current(graph.get(), &raster);
  const Vex3dDrawOps counting = counting_table(*graph->draw_ops);
  graph->draw_ops = &counting;
  vex3d::draw_operations_sheet(graph.get());
  graph->draw_ops = g_real;
  for (std::size_t slot = 0; slot < g_calls.size(); ++slot) EXPECT_GT(g_calls[slot], 0) << "slot " << slot;
}

TEST(OperationsSheet, Golden) {
  GraphPtr graph = make_graph();
  vex3d::platform::RasterContext raster(vex3d::kSheetWidth, vex3d::kSheetHeight);
  {
    const vex3d::CurrentContextScope current(graph.get(), &raster);
    vex3d::prepare_context(graph.get());
    vex3d::draw_operations_sheet(graph.get());
  }
  // Lines, arcs, text and stretched pictures are antialiased or filtered.
  EXPECT_TRUE(golden::matches("operations_sheet", raster, golden::kAntialiased));
}

}  // namespace
