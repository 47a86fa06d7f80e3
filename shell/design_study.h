#pragma once
// A design study on the desktop: one input of the current design varied from
// a value to another in steps, each design run as the command line's sweep
// runs it, and up to two of its figures plotted against the input. The
// current design itself is left as it was.
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "core/grid_axis.h"
#include "plots/plot_model.h"

namespace zorvan {

struct StudyRequest {
  std::string field;                // an input field of the field table (not a per-cylinder list)
  GridAxis axis;                    // in the units the screens show (cm, mm, cc, MPa)
  std::vector<std::size_t> figures;  // indexes of DesignFigures(), one or two
};

struct StudyPoint {
  double value = 0;             // the input as the screens show it
  std::vector<double> figures;  // empty when the design failed
  std::string failure;          // the first line of what went wrong
};

// The input fields a study may vary.
std::vector<std::string> StudyFields();
// An input as the screens name it, with the unit they show it in: "Bore (cm)".
std::string StudyFieldLabel(const EngineDesignRecord& d, const std::string& field);
// A figure as the screens name it, with its unit: "Peak torque (lb-in)".
std::string StudyFigureLabel(const EngineDesignRecord& d, std::size_t figure);
// Why a request cannot run (an unknown field, a step of 0 or of the wrong
// sign, more than 10,000 designs, no figure or more than two), or none.
std::optional<std::string> CheckStudy(const StudyRequest& r);
// Every design of the study, in the order of the grid.
std::vector<StudyPoint> RunStudy(const EngineDesignRecord& base, const StudyRequest& r);
// One window per figure against the varied input; a design that failed
// leaves a gap in the curve.
PlotModel StudyPlot(const EngineDesignRecord& base, const StudyRequest& r, const std::vector<StudyPoint>& points);
// The study's numbers: the input, each figure and the failure, one line a
// design, as `zorvan-cli sweep` writes its rows (the input in the screens' units).
std::string StudyCsv(const EngineDesignRecord& base, const StudyRequest& r, const std::vector<StudyPoint>& points);

}  // namespace zorvan
