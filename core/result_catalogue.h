#pragma once
// Every result over crank angle that the program shows: the plot functions
// (1..19, and 20, the one-cylinder shaking force before the counterweight),
// with their names, the UnitLabel slot of their unit, whether they are vectors,
// which results they need, and where their rows are read. Plots, tables,
// exports and the command line read the results through this one list.
#include <cstdint>
#include <string>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

// The plot functions by what they show; the number is the one the lists
// and the command line use.
enum PlotFn : int16_t {
  kPosition = 1, kVelocity, kAcceleration, kGasForce, kGasTorque, kInertiaTorque, kTotalTorque,
  kFrictionTorque, kCrankpinForce, kWristpinForce, kSidewallForce, kMainpinForce, kPrimaryShakingForce,
  kSecondaryShakingForce, kTotalShakingForce, kPrimaryShakingMoment, kSecondaryShakingMoment,
  kTotalShakingMoment, kFlywheelTorque, kUnbalancedShakingForce
};

// How far the calculation chain must have run for an entry to hold results.
enum class ResultNeeds { SingleResults, BalanceResults, EngineResults, FlywheelResults };

struct ResultEntry {
  enum class Source { Scalar, PinForce, Shaking };
  int16_t function;       // plot function number, 0 for a result no plot list offers
  const char* shortName;  // list, label and legend text
  const char* longName;   // graph title, table and export heading
  int16_t unitSlot;       // UnitLabel slot of the unit
  bool vector;            // X and Y columns (pin forces also in the rotating frame)
  ResultNeeds needs;
  Source source;
  Column CrankAngleTable::* column = nullptr;         // Source::Scalar
  int pinColumn = 0;                                   // Source::PinForce: 1..4, +5 rotating
  ShakingTable CrankAngleTable::* shaking = nullptr;  // Source::Shaking: engine slot
  int group = 0;                                       // Source::Shaking: primary, secondary, total
  // The one cylinder's column, which the multi-cylinder pass fills with the
  // engine's sum (gas force and the torques).
  bool engineSum = false;
};

// The entries in the order tables and exports list them.
const std::vector<ResultEntry>& ResultCatalogue();
// Plot function 1..20; error 9 for another number.
const ResultEntry& PlotFunction(int number);

// Whether the design's flags offer the entry's results.
bool Offered(const EngineDesignRecord& d, const ResultEntry& e);
// Pin forces are read in the crank's rotating frame when `rotating`.
bool HasRotatingFrame(const ResultEntry& e);

// The X and Y of a vector entry at a row, as held; a scalar entry's value is
// its X and its Y is 0. Rows outside 0..240 are error 9.
struct ResultXY {
  float x, y;
};
ResultXY ResultAt(const CrankAngleTable& t, const ResultEntry& e, int row, bool rotating = false);

// The entry's short or long name as the screens and pictures show it: with
// " (engine sum)" while the column holds the assembled engine's sum. Data
// files and exports keep the plain names, which other programs read.
std::string ShownName(const EngineDesignRecord& d, const ResultEntry& e, bool longName = false);

// A held value of the entry as the user sees it in the design's unit system.
double ShownResult(const EngineDesignRecord& d, const ResultEntry& e, double held);
// The unit text of the entry in the design's unit system.
const std::string& ResultUnit(const EngineDesignRecord& d, const ResultEntry& e);

// Every stored column and table of the results, by its name in the record:
// the scalar columns in order, then the tables of several columns a row.
template <class Table, class F>
void ForEachStored(Table& t, F&& f) {
  f("CrankAngle", t.CrankAngle);
  f("PistonPosition", t.PistonPosition);
  f("PistonVelocity", t.PistonVelocity);
  f("PistonAcceleration", t.PistonAcceleration);
  f("TanConrodAngle", t.TanConrodAngle);
  f("GasForce", t.GasForce);
  f("GasTorque", t.GasTorque);
  f("InertiaTorque", t.InertiaTorque);
  f("TotalTorque", t.TotalTorque);
  f("ShakingTorque", t.ShakingTorque);
  f("FrictionTorque", t.FrictionTorque);
  f("SmoothedTorque", t.SmoothedTorque);
  f("PinForceX", t.PinForceX);
  f("PinForceY", t.PinForceY);
  f("ShakingForce", t.ShakingForce);
  f("ShakingMoment", t.ShakingMoment);
  f("SingleShakingForce", t.SingleShakingForce);
}

}  // namespace zorvan
