#pragma once
// A design study on the desktop: one input of the current design varied from
// a value to another in steps, each design calculated as the command line's
// sweep calculates it, and up to two of its figures plotted against the input.
// The current design itself is left as it was.
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "plots/plot_model.h"

namespace zorvan {

struct StudyRequest {
  std::string field;                // an input field of the field table (not a per-cylinder list)
  double from = 0, to = 0, step = 0;  // in the base units of the design's unit system
  std::vector<std::size_t> figures;   // indexes of DesignFigures(), one or two
};

struct StudyPoint {
  double value = 0;
  std::vector<double> figures;  // empty when the design failed
  std::string failure;          // the first line of what went wrong
};

// The input fields a study may vary.
std::vector<std::string> StudyFields();
// Why a request cannot run (an unknown field, a step of 0 or of the wrong
// sign, more than 10,000 designs, no figure or more than two), or none.
std::optional<std::string> CheckStudy(const StudyRequest& r);
// Every design of the study, in order of the varied value.
std::vector<StudyPoint> RunStudy(const EngineDesignRecord& base, const StudyRequest& r);
// One window per figure against the varied input, shown in the units the
// screens use; a failed design repeats its neighbour's value, so the curve
// stays continuous.
PlotModel StudyPlot(const EngineDesignRecord& base, const StudyRequest& r, const std::vector<StudyPoint>& points);

}  // namespace zorvan
