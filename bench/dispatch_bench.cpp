// A property put through the control's dispatch beside the engine's own set
// of the same resource: by name, by identifier and through the typed
// accessor, while batched (so neither draws). The drawings counter must stay
// 0: 100,000 puts while batched cause no drawing.
#include <benchmark/benchmark.h>

#include "3dctl.h"

namespace {

struct Batched {
  std::shared_ptr<tc3d::HeadlessHost> host = std::make_shared<tc3d::HeadlessHost>();
  std::shared_ptr<tc3d::Chart3D> chart = tc3d::Chart3D::create(host, {400, 300});
  int drawings = 0;
  Batched() {
    chart->open_window();
    chart->connect(std::make_shared<tc3d::EventCallback>([this](const tc3d::EventInfo &e, std::span<tc3d::Variant>) {
      if (e.id == tc3d::kEventRepaint) ++drawings;
    }));
    chart->put_IsBatched(true);
  }
  void report(benchmark::State &state) { state.counters["drawings"] = drawings + host->paints(); }
};

void EngineSet(benchmark::State &state) {
  Batched b;
  int v = 0;
  for (auto _ : state) {
    Vex3dSetValues(b.chart->graph(), VEX3D_USE_TRUETYPE, v ^= 1, 0);
  }
  b.report(state);
}
BENCHMARK(EngineSet)->Iterations(100000);

void PutByName(benchmark::State &state) {
  Batched b;
  bool v = false;
  for (auto _ : state) {
    tc3d::Variant args[] = {tc3d::Variant(v = !v)};
    b.chart->invoke("UseTrueType", tc3d::Invoke::Put, args);
  }
  b.report(state);
}
BENCHMARK(PutByName)->Iterations(100000);

void PutByIdentifier(benchmark::State &state) {
  Batched b;
  const tc3d::DispatchId id = b.chart->id_of("UseTrueType");
  bool v = false;
  for (auto _ : state) {
    tc3d::Variant args[] = {tc3d::Variant(v = !v)};
    b.chart->invoke(id, tc3d::Invoke::Put, args);
  }
  b.report(state);
}
BENCHMARK(PutByIdentifier)->Iterations(100000);

void TypedPut(benchmark::State &state) {
  Batched b;
  bool v = false;
  for (auto _ : state) b.chart->put_UseTrueType(v = !v);
  b.report(state);
}
BENCHMARK(TypedPut)->Iterations(100000);

// An enumerated property by name (its value set is checked on every put).
void EnumPutByName(benchmark::State &state) {
  Batched b;
  int v = 0;
  for (auto _ : state) {
    tc3d::Variant args[] = {tc3d::Variant(v ^= 100)};
    b.chart->invoke("PreviewMethod", tc3d::Invoke::Put, args);
  }
  b.report(state);
}
BENCHMARK(EnumPutByName)->Iterations(100000);

}  // namespace
