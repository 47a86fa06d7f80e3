// Design studies over 100,000 W12 designs (100 vee angles x 1000 L/R ratios)
// with every figure: zorvan-cli sweep on every core, its rows thrown away,
// and the same grid filled into arrays as the Python module fills them;
// designs per second. GridWorker is one worker's designs one after another,
// to set beside BM_FullChain/W12.
#include <benchmark/benchmark.h>

#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <thread>
#include <vector>

#include "app/cli/sweep.h"
#include "core/design_figures.h"
#include "core/design_sweep.h"
#include "core/presets.h"
#include "core/startup.h"

namespace zorvan {
namespace {

constexpr double kDesigns = 100 * 1000;

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_SweepW12(benchmark::State& state) {
  NullBuffer nothing;
  std::ostream out(&nothing);
  std::ostringstream err;
  for (auto _ : state) {
    const int code = cli::Sweep({"sweep", "--preset", "6", "--vary", "VeeAngle=60:159:1", "--vary",
                                 "LRRatio=3:3.999:0.001"},
                                out, err);
    if (code != 0) state.SkipWithError(err.str().c_str());
  }
  state.counters["designs/s"] = benchmark::Counter(kDesigns, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_SweepW12)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// The W12 grid of BM_SweepW12 with every figure.
struct W12Grid {
  std::unique_ptr<EngineDesignRecord> base = std::make_unique<EngineDesignRecord>();
  SweepGrid grid;
  bool ok = false;
  W12Grid() {
    MessageList told;
    VariedField vee, ratio;
    ok = Initialize(*base, told) && ApplyPreset(*base, 6, told) &&
         !MakeVariedField("VeeAngle", {60, 159, 1}, vee) && !MakeVariedField("LRRatio", {3, 3.999, 0.001}, ratio);
    grid.varied = {vee, ratio};
    for (std::size_t k = 0; k < DesignFigures().size(); ++k) grid.figures.push_back(k);
  }
};

// Every design's figures into arrays in grid order, as zorvan.sweep does.
void BM_SweepArraysW12(benchmark::State& state) {
  W12Grid w;
  if (!w.ok) return state.SkipWithError("the W12 could not be set up");
  const std::size_t n = w.grid.Designs(), figures = w.grid.figures.size();
  std::vector<double> values(n * figures);
  for (auto _ : state) {
    RunGrid(
        *w.base, {}, w.grid, {0, n}, static_cast<int>(std::thread::hardware_concurrency()),
        [&](std::size_t index, const GridDesign& d, std::string&) {
          for (std::size_t f = 0; f < d.figures.size(); ++f) values[index * figures + f] = d.figures[f];
        },
        [](const std::string&) {}, [](std::size_t) {});
    benchmark::DoNotOptimize(values.data());
  }
  state.counters["designs/s"] = benchmark::Counter(kDesigns, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_SweepArraysW12)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// One worker, one design after another: the chain and what the grid adds to it.
void BM_GridWorkerW12(benchmark::State& state) {
  W12Grid w;
  if (!w.ok) return state.SkipWithError("the W12 could not be set up");
  GridWorker worker(*w.base, {}, w.grid);
  std::size_t index = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(worker.Run(index).figures.data());
    index = (index + 1) % w.grid.Designs();
  }
}
BENCHMARK(BM_GridWorkerW12);

}  // namespace
}  // namespace zorvan
