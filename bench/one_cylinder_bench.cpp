// Derivation step plus the one-cylinder pass over all rows, for the start-up design.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/design.h"
#include "core/one_cylinder.h"
#include "platform/recording_ui.h"

namespace zorvan {
namespace {

void BM_EngineDataAndOneCylinderPass(benchmark::State& state) {
  auto d = std::make_unique<EngineDesignRecord>();
  RecordingUi ui;
  if (!Initialize(*d, ui)) {
    state.SkipWithError("Initialize failed");
    return;
  }
  for (auto _ : state) {
    bool ok = Engine_Data(*d, ui) && OneCylinderPass(*d, ui);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(d->table.FrictionTorque.data());
    benchmark::ClobberMemory();
  }
  if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().text.c_str());
}
BENCHMARK(BM_EngineDataAndOneCylinderPass);

// The pass alone, on the derived start-up design.
void BM_OneCylinderPass(benchmark::State& state) {
  auto d = std::make_unique<EngineDesignRecord>();
  RecordingUi ui;
  if (!Initialize(*d, ui)) {
    state.SkipWithError("Initialize failed");
    return;
  }
  for (auto _ : state) {
    bool ok = OneCylinderPass(*d, ui);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(d->table.FrictionTorque.data());
    benchmark::ClobberMemory();
  }
  if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().text.c_str());
}
BENCHMARK(BM_OneCylinderPass);

}  // namespace
}  // namespace zorvan
