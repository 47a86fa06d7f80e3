// The full calculation chain (Engine_Data, one-cylinder pass, counterweight
// pass, multi-cylinder pass, flywheel) for the start-up design, the V8 and the W12.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/design.h"
#include "core/flywheel.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/startup.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

// preset < 0: the start-up design as it is.
void BM_FullChain(benchmark::State& state, int preset) {
  auto d = std::make_unique<EngineDesignRecord>();
  MessageList told;
  if (!Initialize(*d, told) || (preset >= 0 && !ApplyPreset(*d, preset, told))) {
    state.SkipWithError("the design could not be set up");
    return;
  }
  FlywheelResult flywheel;
  for (auto _ : state) {
    bool ok = Engine_Data(*d, told) && RecalculateAll(*d, told) && FlywheelCalculation(*d, told, flywheel);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(d->table.SmoothedTorque.data());
    benchmark::ClobberMemory();
  }
  if (!told.Empty()) state.SkipWithError(told[0].text.c_str());
}
BENCHMARK_CAPTURE(BM_FullChain, StartUpDesign, -1);
BENCHMARK_CAPTURE(BM_FullChain, V8, 5);
BENCHMARK_CAPTURE(BM_FullChain, W12, 6);

}  // namespace
}  // namespace zorvan
