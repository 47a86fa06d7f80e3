#pragma once
// Two designs side by side: the figures of the design study (core/design_figures.h)
// for a design A, a design B and their difference B - A. Both are read from
// calculated designs, the shaking figures of each with its balance shafts
// and its moments about one reference point, the flywheel's sized on a copy
// of each, so the figures equal those `dump` and `sweep` give for it.
#include <memory>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/moment_reference.h"
#include "platform/messages.h"

namespace zorvan {

// Every figure of a calculated design, in the order DesignFigures() lists
// them; a figure it cannot give (a flywheel that cannot be sized, no
// one-cylinder results for the rod load) is NaN, and the reason is told.
std::vector<double> ComparisonFigures(const EngineDesignRecord& d, MomentReference reference, MessageList& messages);

// A design read from a file for the comparison, calculated as the command
// line calculates it, in the unit system `unitSystem` (converted when its
// own differs). Null when it could not be calculated (told to `messages`).
std::unique_ptr<EngineDesignRecord> CalculatedForComparison(const EngineDesignRecord& read, int16_t unitSystem,
                                                            MessageList& messages);

struct ComparisonRow {
  std::string name;   // "PeakTotalMoment"
  std::string label;  // "Peak total shaking moment about cylinder 1"
  std::string unit;   // of design A's unit system
  double a, b;
  // b - a; 0 when the two are the same value (also two infinities or NaNs).
  double Difference() const;
};

// The rows of two designs' figures (of ComparisonFigures), in A's units.
std::vector<ComparisonRow> ComparisonRows(const EngineDesignRecord& a, const std::vector<double>& figuresA,
                                          const std::vector<double>& figuresB, MomentReference reference);

// The table as a fixed-width text (CR line breaks): the two names, then a
// line a figure with A, B and B - A, 9 significant digits.
std::string ComparisonText(const std::string& nameA, const std::string& nameB, const std::vector<ComparisonRow>& rows);
// The same as CSV: "figure,label,unit,A (<name>),B (<name>),B - A", LF line ends.
std::string ComparisonCsv(const std::string& nameA, const std::string& nameB, const std::vector<ComparisonRow>& rows);

}  // namespace zorvan
