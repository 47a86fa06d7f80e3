#pragma once
// One station of the crankshaft's mass-elastic model: a disc on the shaft
// line with its inertia, the shaft section that joins it to the next station
// and its damping to the frame, in the base units of the design's unit system.
#include <string>
#include <vector>

namespace zorvan {

struct ShaftStation {
  std::string name;
  double inertia = 0;    // mass x length^2 (kg-m^2, bl-in^2, sl-ft^2)
  double stiffness = 0;  // of the section to the next station, torque per radian; 0 on the last station
  double damping = 0;    // absolute, torque x second per radian; 0 for none
  friend bool operator==(const ShaftStation&, const ShaftStation&) = default;
};
// The stations from the front of the shaft to its back.
using ShaftTable = std::vector<ShaftStation>;

}  // namespace zorvan
