#pragma once
// The rod load at the wristpin: the combined gas and inertia load along the
// cylinder axis (the wristpin force F34x) over one working cycle, its peak in
// each direction, and how long and how strongly it reverses, the figures a
// compressor or small-end bearing designer reads first.
//
// Compression is a positive F34x: the rod pushes the piston towards the
// cylinder head. Tension is a negative F34x: the rod pulls it towards the crank.
#include <string>

#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {

// Industry practice for process compressors: the load reverses for at least
// 15 degrees of crank angle, with a reverse peak of at least 3 % of the peak
// the other way.
constexpr double kMinimumReversalDegrees = 15;
constexpr double kMinimumReversalPercent = 3;

struct RodLoad {
  float PeakTension = 0;           // magnitude of the largest tension (0 when there is none)
  float PeakTensionAngle = 0;      // crank angle of that row, degrees
  float PeakCompression = 0;       // the largest compression
  float PeakCompressionAngle = 0;
  double ReversalDegrees = 0;      // crank degrees spent in the shorter direction
  double ReversalPercent = 0;      // the smaller peak over the larger, in percent (0..100)
  bool MinimumsMet = false;
};

// The rod load of the one-cylinder results over rows 0..120 (two-stroke) or
// 0..240 (four-stroke). Throws when there are no one-cylinder results or a
// load is not a finite number.
RodLoad RodLoadOf(const EngineDesignRecord& d);

// The same reported under "Rod_Load"; false when it failed.
bool RodLoadCalculation(const EngineDesignRecord& d, MessageList& messages, RodLoad& out);

// The rod-load text of the Charts menu and of zorvan-cli notice rodload.
std::string RodLoadText(const EngineDesignRecord& d, const RodLoad& load);

}  // namespace zorvan
