// The one-cylinder pass over all rows for the start-up design, with and
// without the derivation step before it.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/design.h"
#include "core/one_cylinder.h"
#include "tests/support/recording_ui.h"

namespace zorvan {
namespace {

void BM_OneCylinder(benchmark::State& state, bool withEngineData) {
  auto d = std::make_unique<EngineDesignRecord>();
  RecordingUi ui;
  if (!Initialize(*d, ui)) {
    state.SkipWithError("Initialize failed");
    return;
  }
  for (auto _ : state) {
    bool ok = (!withEngineData || Engine_Data(*d, ui)) && OneCylinderPass(*d, ui);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(d->table.FrictionTorque.data());
    benchmark::ClobberMemory();
  }
  if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().text.c_str());
}
BENCHMARK_CAPTURE(BM_OneCylinder, EngineDataAndPass, true);
BENCHMARK_CAPTURE(BM_OneCylinder, PassAlone, false);

}  // namespace
}  // namespace zorvan
