#pragma once
// The crankshaft's mass-elastic model: its stations from the front (a pulley
// or damper the user adds, one disc per crank throw, the flywheel, a driven
// load the user adds), each with an inertia, joined by torsional stiffnesses,
// with damping; the stations the design gives by default; and the judging of
// a table of stations as the user types it or a file holds it.
//
// Defaults, in the base units of the design's unit system:
//  - a throw's inertia about the shaft axis, with r the crank radius,
//    lambda = r / conrod length and n the cylinders on the throw:
//      J = (CrankMassAtCrankpin + n * ConrodMassAtCrankpin) r^2
//          + CounterweightMass * CounterweightRadius^2
//          + n * MassAtWristpin * r^2 * (1/2 + lambda^2 / 8)
//    the last term the mean inertia of the reciprocating mass over a turn;
//  - the stiffness of the shaft section between neighbouring throws, and from
//    the last throw to the flywheel, as a main journal and a crankpin in
//    series, each half as long as the throw pitch p (the cylinder spacing
//    times the throws' distance in spacings), in steel of G = 80 GPa:
//      1/k = (p/2) / (G Ip(main journal)) + (p/2) / (G Ip(crankpin)),
//      Ip = pi D^4 / 32
//    (the webs are taken as rigid, so real shafts are softer: enter measured
//    or computed stiffnesses where they are known);
//  - the flywheel of the flywheel sizing (its energy swing over CoefFluct
//    times the speed squared), last;
//  - no damping at the stations.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/design_record.h"

namespace zorvan {

// The most stations a shaft may have.
constexpr int kMaxStations = 64;
// Inertias, stiffnesses and dampings lie within these (or are 0 where 0 is allowed).
constexpr double kSmallestShaftValue = 1e-12, kLargestShaftValue = 1e15;

// The cylinders that share one crank throw, and where it lies along the shaft
// (in cylinder spacings from the front throw).
struct CrankThrow {
  std::vector<int> cylinders;
  double arm = 0;
};
// The throws of the design from the front: the cylinders at one place along
// the shaft share a throw (the banks of a vee whose second bank starts with
// cylinder 1's phase, the three banks of a W); a single cylinder has one.
std::vector<CrankThrow> CrankThrows(const EngineDesignRecord& d);

// "Throw 3": the name of throw k (1..) in the stations; the throw a station's
// name calls (any case and spacing), or 0.
std::string ThrowName(int k);
int ThrowNumberOf(const std::string& name);

// The default inertia of a throw carrying `cylinders` cylinders.
double ThrowInertia(const EngineDesignRecord& d, int cylinders);
// The default stiffness of a shaft section `length` long; 0 when a journal
// diameter or the length is not above 0 (the user must then enter it).
double SectionStiffness(const EngineDesignRecord& d, double length);
// The default stations: the throws, then the flywheel when its inertia is
// above 0 (the flywheel cannot always be sized).
ShaftTable DefaultShaft(const EngineDesignRecord& d, double flywheelInertia);

// A station table as typed: per row the name, inertia, stiffness and damping
// texts. Reads it into `out` and returns nothing, or the one sentence that
// names the first bad row ("Row 3 ("Throw 2"): the inertia must be a number
// above 0, not "-1".") and leaves `out` as it was.
using ShaftRowTexts = std::array<std::string, 4>;
std::optional<std::string> ReadShaftRows(const std::vector<ShaftRowTexts>& rows, ShaftTable& out);
// The same judging of a table already held (an entered table, the defaults).
std::optional<std::string> ShaftTableFault(const ShaftTable& t);

}  // namespace zorvan
