#pragma once
// Balance shafts: unbalances turning at once (a first-order balancer) or
// twice (a Lanchester pair) crank speed, added to the engine's shaking.
//
// A shaft of order n, sense s (+1 with the crank, -1 against it), mass times
// radius U and phase p pulls with its centrifugal force
//
//   F(theta) = U (n omega)^2 (cos psi, sin psi),   psi = s n theta + p,
//
// in the frame of the shaking tables (X along the cylinder axis of an inline
// engine, Y across it; theta is measured from X towards Y, as the crank
// turns). At its place z along the crankshaft it adds z F to the moments,
// X with X and Y with Y, as each cylinder does (core/moment_reference.h).
//
// Sizing. Any harmonic of order n of a plane force splits into a part that
// turns with the crank and one that turns against it: with the cosine and
// sine coefficients (ax, bx) of its X and (ay, by) of its Y, and F = X + iY,
//
//   F = P e^(i n theta) + Q e^(-i n theta),
//   P = ((ax + by) + i (ay - bx)) / 2,   Q = ((ax - by) + i (ay + bx)) / 2.
//
// A shaft turning with the crank cancels P when U (n omega)^2 e^(ip) = -P,
// one turning against it cancels Q when U (n omega)^2 e^(ip) = -Q. An inline
// four's second order (along X only) has |P| = |Q|: two equal shafts of
// opposite senses, the Lanchester pair. A single cylinder whose counterweight
// takes half the reciprocating mass has P = 0: one shaft against the crank.
// A first-order part that turns with the crank is what a larger crank
// counterweight would take; its shaft stands for that counterweight. Sized
// shafts sit at the engine's centre and add no moment about it; a shaft
// placed off the centre adds (its place - centre) times its force.
//
// The shafts' bearings carry the shaft's own centrifugal force, U (n omega)^2,
// turning with it. The power the shafts take is not counted.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/design_record.h"
#include "core/moment_reference.h"
#include "core/orders.h"
#include "platform/messages.h"

namespace zorvan {

constexpr int kMaxShafts = 8;
// Limits of an entered shaft, far beyond any real one, so that its force
// stays within single precision at any speed the design takes.
constexpr double kMaxMassRadius = 1e4;  // kg m
constexpr double kMaxShaftPlace = 1e3;  // m

enum class ShaftChoice { First, Second, Both };
// "first", "second" or "both".
std::optional<ShaftChoice> ParseShaftChoice(std::string_view name);

// Why a shaft cannot be taken (order, sense, a value that is not a finite
// number or out of its range), or none.
std::optional<std::string> ShaftFault(const BalanceShaft& s);

// A shaft's mass times radius and place from the engine's centre in the
// design's held units, and the values the user types there in SI.
double HeldMassRadius(const EngineDesignRecord& d, double kgMetres);
double HeldPlace(const EngineDesignRecord& d, double metres);
double SiMassRadius(const EngineDesignRecord& d, double held);
double SiPlace(const EngineDesignRecord& d, double held);

// A shaft's centrifugal force in held force units: U (n omega)^2, which its
// bearings carry.
double ShaftForce(const EngineDesignRecord& d, const BalanceShaft& s);
// The moment it adds about the engine's centre: its place from the centre
// times its force (held units).
double ShaftMomentAboutCentre(const EngineDesignRecord& d, const BalanceShaft& s);

// The turning parts of the order-n harmonic of a plane vector: P (with the
// crank) and Q (against it), and the vector's largest magnitude over a
// cycle, |P| + |Q|.
struct TurningParts {
  double pRe = 0, pIm = 0, qRe = 0, qIm = 0;
  double Largest() const;
};
TurningParts TurningPartsOf(const OrderTerm& x, const OrderTerm& y);

// Shafts sized to cancel the engine's free force of order 1 or 2, at the
// engine's centre; none when that force is nil. Needs the engine's results.
std::vector<BalanceShaft> SizeShafts(const EngineDesignRecord& d, int order);
// The design's shafts of the chosen orders sized anew (the others kept),
// reported under "Balance_Shafts"; an order without a free force is told.
bool SizeDesignShafts(EngineDesignRecord& d, ShaftChoice choice, MessageList& messages);

// Adds the shafts of d to the engine slot of the tables: order 1 to the
// primary, order 2 to the secondary and both to the total columns, moments
// about cylinder 1's plane as the tables take them; values below the
// engine's threshold stored as 0, as the tables are.
void AddShafts(const EngineDesignRecord& d, ShakingTable& force, ShakingTable& moment);
// A copy of the design whose shaking tables hold the engine with its shafts
// (ShaftsInTables set). Error 6 for a result beyond single precision.
std::unique_ptr<EngineDesignRecord> DesignWithShafts(const EngineDesignRecord& d);

// The free force and moment of each whole order 1..6 of the engine without
// and with its shafts: the largest magnitude of that order over a cycle,
// moments about `reference`.
struct ResidualRow {
  int order;
  double forceWithout, forceWith, momentWithout, momentWith;
};
constexpr int kResidualOrders = 6;
std::vector<ResidualRow> ResidualTable(const EngineDesignRecord& without, const EngineDesignRecord& with,
                                       MomentReference reference);

// The shafts with their bearing loads and the residual table, as a
// fixed-width text in the design's display units (CR line breaks).
std::string ShaftsText(const EngineDesignRecord& d, const EngineDesignRecord& withShafts, MomentReference reference);

}  // namespace zorvan
