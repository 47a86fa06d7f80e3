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
#include "core/startup.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

constexpr int kW12 = 6;

bool RunSteps(EngineDesignRecord& d, MessageList& told, FlywheelResult& flywheel, int steps) {
  bool ok = Engine_Data(d, told);
  if (ok && steps >= 2) {
    SetSpeed(d);
    ApplyRodsPerThrow(d);
    ResetCounterweight(d);
    ok = OneCylinderPass(d, told);
  }
  if (ok && steps >= 3) ok = CounterweightPass(d, told);
  if (ok && steps >= 4) ok = MultiCylinderPass(d, told);
  if (ok && steps >= 5) ok = FlywheelCalculation(d, told, flywheel);
  return ok;
}

void BM_ChainUpTo(benchmark::State& state) {
  auto d = std::make_unique<EngineDesignRecord>();
  MessageList told;
  if (!Initialize(*d, told) || !ApplyPreset(*d, kW12, told)) {
    state.SkipWithError("the design could not be set up");
    return;
  }
  FlywheelResult flywheel;
  for (auto _ : state) {
    bool ok = RunSteps(*d, told, flywheel, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(ok);
    benchmark::ClobberMemory();
  }
  if (!told.Empty()) state.SkipWithError(told[0].text.c_str());
}
BENCHMARK(BM_ChainUpTo)->DenseRange(1, 5);

}  // namespace
}  // namespace zorvan
