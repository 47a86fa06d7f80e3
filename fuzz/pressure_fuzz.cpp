// Arbitrary bytes as a pressure-trace file, under options the first byte
// picks. A read either refuses with one message naming a line and column, or
// gives a trace within the reader's limits whose own written form reads back
// to the same trace and the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "files/pressure_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  zorvan::PressureReadOptions o;
  const uint8_t pick = data[0];
  if (pick & 1) o.unit = zorvan::kPressureUnits[(pick >> 1) % 5];
  if (pick & 16) o.absolute = (pick & 32) != 0;
  if (pick & 64) o.tdcOffset = -360;
  if (pick & 128) o.crankcase = 0.5;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const zorvan::PressureReading r = zorvan::ReadPressureText(input, "fuzz.csv", o);
  if (!r.trace) {
    if (r.fault.empty() || r.fault.find('\n') != std::string::npos) std::abort();
    return 0;
  }
  const zorvan::PressureTrace& t = *r.trace;
  if (t.Points() < zorvan::kFewestTracePoints || t.Columns() < 1 || t.Columns() > 16) std::abort();
  for (int k = 0; k < t.Points(); ++k) {
    if (k > 0 && !(t.angles[k] > t.angles[k - 1])) std::abort();
    for (const auto& column : t.columns)
      if (!(column[k] >= zorvan::kLowestGaugeBar && column[k] <= zorvan::kHighestGaugeBar)) std::abort();
  }
  for (const zorvan::TraceCycleFit& fit : t.fits)
    for (const auto& rows : fit.rows)
      for (double p : rows)
        if (!(p >= zorvan::kLowestGaugeBar - 1e-9 && p <= zorvan::kHighestGaugeBar + 1e-9)) std::abort();
  const std::string written = zorvan::PressureFileText(t);
  const zorvan::PressureReading again = zorvan::ReadPressureText(written, "again.csv", {});
  if (!again.trace || !(*again.trace == t) || zorvan::PressureFileText(*again.trace) != written) std::abort();
  return 0;
}
