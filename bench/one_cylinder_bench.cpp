// The one-cylinder pass over all rows for the start-up design, with and
// without the derivation step before it.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/design.h"
#include "core/one_cylinder.h"
#include "core/startup.h"
#include "platform/messages.h"

namespace zorvan {
namespace {

void BM_OneCylinder(benchmark::State& state, bool withEngineData) {
  auto d = std::make_unique<EngineDesignRecord>();
  MessageList told;
  if (!Initialize(*d, told)) {
    state.SkipWithError("Initialize failed");
    return;
  }
  for (auto _ : state) {
    bool ok = (!withEngineData || Engine_Data(*d, told)) && OneCylinderPass(*d, told);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(d->table.FrictionTorque.data());
    benchmark::ClobberMemory();
  }
  if (!told.Empty()) state.SkipWithError(told[0].text.c_str());
}
BENCHMARK_CAPTURE(BM_OneCylinder, EngineDataAndPass, true);
BENCHMARK_CAPTURE(BM_OneCylinder, PassAlone, false);

}  // namespace
}  // namespace zorvan
