// zorvan-cli sweep over 100,000 W12 designs (100 vee angles x 1000 L/R
// ratios) on every core, its rows thrown away: designs per second.
#include <benchmark/benchmark.h>

#include <ostream>
#include <sstream>
#include <streambuf>
#include <thread>

#include "app/cli/sweep.h"

namespace zorvan {
namespace {

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

void BM_SweepW12(benchmark::State& state) {
  NullBuffer nothing;
  std::ostream out(&nothing);
  std::ostringstream err;
  constexpr double kDesigns = 100 * 1000;
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

}  // namespace
}  // namespace zorvan
