// The W12 chain cut after each step (Engine_Data, one-cylinder, counterweight,
// multi-cylinder, flywheel): the difference of two neighbours is one step's time.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/assembly.h"
#include "core/counterweight.h"
#include "core/design.h"
#include "core/flywheel.h"
#include "core/one_cylinder.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "tests/support/recording_ui.h"

namespace zorvan {
namespace {

constexpr int kW12 = 6;

bool RunSteps(EngineDesignRecord& d, Ui& ui, FlywheelResult& flywheel, int steps) {
  bool ok = Engine_Data(d, ui);
  if (ok && steps >= 2) {
    SetSpeed(d);
    ApplyRodsPerThrow(d);
    ResetCounterweight(d);
    ok = OneCylinderPass(d, ui);
  }
  if (ok && steps >= 3) ok = CounterweightPass(d, ui);
  if (ok && steps >= 4) ok = MultiCylinderPass(d, ui);
  if (ok && steps >= 5) ok = FlywheelCalculation(d, ui, flywheel);
  return ok;
}

void BM_ChainUpTo(benchmark::State& state) {
  auto d = std::make_unique<EngineDesignRecord>();
  RecordingUi ui;
  if (!Initialize(*d, ui) || !ApplyPreset(*d, kW12, ui)) {
    state.SkipWithError("the design could not be set up");
    return;
  }
  FlywheelResult flywheel;
  for (auto _ : state) {
    bool ok = RunSteps(*d, ui, flywheel, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(ok);
    benchmark::ClobberMemory();
  }
  if (!ui.messages.empty()) state.SkipWithError(ui.messages.front().text.c_str());
}
BENCHMARK(BM_ChainUpTo)->DenseRange(1, 5);

}  // namespace
}  // namespace zorvan
