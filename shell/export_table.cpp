#include "shell/export_table.h"

#include <charconv>
#include <functional>
#include <vector>

namespace zorvan {

namespace {

struct ExportColumn {
  std::string name;
  std::string unit;
  std::function<float(int row)> value;
};

std::string Number(float v) {
  char buf[32];
  auto r = std::to_chars(buf, buf + sizeof buf, v);  // shortest form that reads back exactly
  return std::string(buf, r.ptr);
}

const std::string& Label(const EngineDesignRecord& d, int slot) { return d.UnitLabel[slot]; }

void AddScalar(std::vector<ExportColumn>& cols, const EngineDesignRecord& d, std::string name, int slot,
               const Column& c, float scale = 1) {
  cols.push_back({std::move(name), Label(d, slot), [&c, scale](int r) { return c[r] * scale; }});
}

// X and Y of a pin-force column pair.
void AddPinForce(std::vector<ExportColumn>& cols, const EngineDesignRecord& d, const std::string& name,
                 int slot, int column) {
  const auto& t = d.table;
  cols.push_back({name + " X", Label(d, slot), [&t, column](int r) { return t.PinForceX[r][column]; }});
  cols.push_back({name + " Y", Label(d, slot), [&t, column](int r) { return t.PinForceY[r][column]; }});
}

void AddShaking(std::vector<ExportColumn>& cols, const EngineDesignRecord& d, const std::string& name,
                int slot, const ShakingTable& table, int group) {
  int x = ShakingColumn(0, kX, group), y = ShakingColumn(0, kY, group);
  cols.push_back({name + " X", Label(d, slot), [&table, x](int r) { return table[r][x]; }});
  cols.push_back({name + " Y", Label(d, slot), [&table, y](int r) { return table[r][y]; }});
}

std::vector<ExportColumn> Columns(const EngineDesignRecord& d) {
  const auto& t = d.table;
  std::vector<ExportColumn> cols;
  cols.push_back({"Crank Angle", "deg", [&t](int r) { return t.CrankAngle[r]; }});
  // Piston position is shown in cm or mm in systems 4 and 5, like its unit label.
  float lengthScale = d.UnitSystem == 4 ? 100.0f : d.UnitSystem == 5 ? 1000.0f : 1.0f;
  AddScalar(cols, d, "Piston Position", 1, t.PistonPosition, lengthScale);
  AddScalar(cols, d, "Piston Velocity", 2, t.PistonVelocity);
  AddScalar(cols, d, "Piston Acceleration", 3, t.PistonAcceleration);
  AddScalar(cols, d, "Gas Force", 4, t.GasForce);
  AddScalar(cols, d, "Gas Torque", 5, t.GasTorque);
  AddScalar(cols, d, "Inertia Torque", 6, t.InertiaTorque);
  AddScalar(cols, d, "Total Torque", 7, t.TotalTorque);
  AddScalar(cols, d, "Friction Torque", 8, t.FrictionTorque);
  AddPinForce(cols, d, "Crankpin Force F32", 9, kCrankpin);
  AddPinForce(cols, d, "Wristpin Force F34", 10, kWristpin);
  AddPinForce(cols, d, "Sidewall Force F41", 11, kWall);
  AddPinForce(cols, d, "Mainpin Force F21", 12, kMainBearing);
  AddPinForce(cols, d, "Crankpin Force F32 Rotating", 9, kCrankpin + kRotatedOffset);
  AddPinForce(cols, d, "Wristpin Force F34 Rotating", 10, kWristpin + kRotatedOffset);
  AddPinForce(cols, d, "Sidewall Force F41 Rotating", 11, kWall + kRotatedOffset);
  AddPinForce(cols, d, "Mainpin Force F21 Rotating", 12, kMainBearing + kRotatedOffset);
  if (d.EngineResultsValid) {
    AddShaking(cols, d, "Primary Shaking Force", 13, t.ShakingForce, kPrimary);
    AddShaking(cols, d, "Secondary Shaking Force", 14, t.ShakingForce, kSecondary);
    AddShaking(cols, d, "Total Shaking Force", 15, t.ShakingForce, kTotal);
    AddShaking(cols, d, "Primary Shaking Moment", 16, t.ShakingMoment, kPrimary);
    AddShaking(cols, d, "Secondary Shaking Moment", 17, t.ShakingMoment, kSecondary);
    AddShaking(cols, d, "Total Shaking Moment", 18, t.ShakingMoment, kTotal);
    AddScalar(cols, d, "Shaking Torque", 7, t.ShakingTorque);
  }
  if (d.FlywheelResultsValid) AddScalar(cols, d, "Flywheel-Smoothed Torque", 19, t.SmoothedTorque);
  return cols;
}

}  // namespace

std::string ExportTableText(const EngineDesignRecord& d) {
  const auto cols = Columns(d);
  std::string text;
  for (std::size_t c = 0; c < cols.size(); ++c) {
    if (c) text += '\t';
    text += cols[c].name + " (" + cols[c].unit + ")";
  }
  text += "\r\n";
  int last = d.LastStep < 0 ? -1 : (d.LastStep > kLastRow ? kLastRow : d.LastStep);
  for (int r = 0; r <= last; ++r) {
    for (std::size_t c = 0; c < cols.size(); ++c) {
      if (c) text += '\t';
      text += Number(cols[c].value(r));
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace zorvan
