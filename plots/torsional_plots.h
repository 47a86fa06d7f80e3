#pragma once
// The pictures of the torsional analysis as plot models, drawn by the plot
// painter: the mode shapes (relative amplitude at each station), the
// Campbell diagram (natural frequencies against engine speed with the order
// lines, the running range shaded and each crossing marked: a filled square
// for a major order, an open circle for a minor one) and the forced response
// of one station or shaft section over the running range, order by order.
#include <string>
#include <vector>

#include "core/torsional.h"
#include "plots/plot_model.h"

namespace zorvan {

// The elastic modes the mode-shape plot draws, at most.
constexpr int kPlottedModes = 6;
// The orders the response plot draws, at most: those with the largest peaks.
constexpr int kPlottedOrders = 6;

PlotModel ModeShapePlot(const TorsionalResult& r);
PlotModel CampbellPlot(const TorsionalResult& r);

// What the response plot shows: the torque or twist of a section, or a station's amplitude.
enum class ResponseQuantity { SectionTorque, SectionTwist, StationAmplitude };
struct ResponseChoice {
  ResponseQuantity quantity = ResponseQuantity::SectionTorque;
  int index = 0;      // the section or station, from 0
  std::string label;  // "Torque in Throw 3 - Throw 4"
};
// Every choice, the sections' torques first; none without a response.
std::vector<ResponseChoice> ResponseChoices(const TorsionalResult& r);
// The choice the response plot starts with: the torque of the section of the peak torque.
std::size_t PeakResponseChoice(const TorsionalResult& r);
PlotModel ResponsePlot(const EngineDesignRecord& d, const TorsionalResult& r, const ResponseChoice& choice);
// The response plot's curves as CSV: speed, then one column per order (CR LF).
std::string ResponsePlotCsv(const PlotModel& m);

}  // namespace zorvan
