// The five unit systems: their labels, pressure factor, display digits and the
// conversion of a design from one system to another.
#include "core/units.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

struct SystemRow {
  const char* name;
  const char* length;      // slot 1
  const char* baseLength;  // the length quantities are held in
  const char* force;
  const char* mass;
  const char* volume;
  const char* pressure;
  float pressureFactor;
  int16_t conversionDigits, lengthDigits, pressureDigits;
  // The system's base units expressed in metres, kilograms, cubic metres, pascals.
  double metres, kilograms, cubicMetres, pascals;
};

constexpr double kInch = 0.0254;
constexpr double kBlob = 386.0 / 2.205;   // 386 in/s^2 as gravity, 2.205 lb per kg
constexpr double kCubicInch = 0.0000163872;
constexpr double kPsi = 6894.757;

// Systems 3, 4 and 5 hold the same metric base units; 4 and 5 only show
// lengths in cm and mm.
constexpr std::array<SystemRow, 5> kSystems{{
    {"in-lb-s", "in", "in", "lb", "bl", "in^3", "psi", 1.0f, 6, 3, 1, kInch, kBlob, kCubicInch, kPsi},
    {"ft-lb-s", "ft", "ft", "lb", "sl", "ft^3", "psf", 144.0f, 6, 3, 1, 12 * kInch, kBlob / 12,
     1728 * kCubicInch, kPsi / 144},
    {"m-kg-N-s", "m", "m", "N", "kg", "cc", "MPa", 6894.757f, 6, 4, 5, 1, 1, 1, 1},
    {"cm-kg-N-s", "cm", "m", "N", "kg", "cc", "MPa", 6894.757f, 6, 2, 5, 1, 1, 1, 1},
    {"mm-kg-N-s", "mm", "m", "N", "kg", "cc", "MPa", 6894.757f, 6, 1, 5, 1, 1, 1, 1},
}};

const SystemRow& Row(int16_t system) {
  if (system < 1 || system > static_cast<int16_t>(kSystems.size())) RaiseError(err::SubscriptOutOfRange);
  return kSystems[system - 1];
}

// The 23-slot label template of a system; slot 0 ("Deg") is not copied.
std::array<std::string, kLabelSlots + 1> LabelTemplate(const SystemRow& r) {
  std::array<std::string, kLabelSlots + 1> t;
  std::string force = r.force;
  std::string forceLength = force + "-" + r.baseLength;
  t[0] = "Deg";
  t[kLengthSlot] = r.length;
  t[kVelocitySlot] = std::string(r.baseLength) + "/Sec";
  t[kAccelerationSlot] = std::string(r.baseLength) + "/Sec^2";
  t[kForceSlot] = force;
  for (int k = 5; k <= 8; ++k) t[k] = forceLength;
  for (int k = 9; k <= 15; ++k) t[k] = force;
  for (int k = 16; k <= 19; ++k) t[k] = forceLength;
  t[kMassSlot] = r.mass;
  t[kVolumeSlot] = r.volume;
  t[kPressureSlot] = r.pressure;
  return t;
}

// Rounds a converted value with FNRound's half-up rule to `places` decimals,
// and further for small values so that 7 significant digits (all a float
// holds) survive. Fixed decimals alone would wipe out metric volumes (a 50 cc
// cylinder is 0.00005 m^3) and small masses in blobs; the rounding is there
// only to remove the noise of the factors (3 in -> 0.0762 m -> 3 in again).
double RoundConverted(double value, int16_t places) {
  Chk(value);
  if (value == 0.0) return 0.0;
  constexpr int kFloatDigits = 7;
  const int leading = static_cast<int>(std::floor(std::log10(std::fabs(value))));
  const int decimals = std::max<int>(places, kFloatDigits - 1 - leading);
  const double scale = std::pow(10.0, decimals);
  return Chk(std::floor(Chk(value * scale) + 0.5) / scale);
}

}  // namespace

void SetUnitLabels(EngineDesignRecord& d) {
  const SystemRow& r = Row(d.UnitSystem);
  auto t = LabelTemplate(r);
  for (int k = 1; k <= kLabelSlots; ++k) d.UnitLabel[k] = t[k];
  d.PressureFactor = r.pressureFactor;
}

void SetDigitCounts(EngineDesignRecord& d) {
  const SystemRow& r = Row(d.UnitSystem);
  d.ConversionDigits = r.conversionDigits;
  d.LengthDigits = r.lengthDigits;
  d.PressureDigits = r.pressureDigits;
}

std::string UnitSystemName(int16_t system) { return Row(system).name; }
double MetresPerLength(int16_t system) { return Row(system).metres; }
double KilogramsPerMass(int16_t system) { return Row(system).kilograms; }

double MassLengthSquaredFactor(int16_t fromSystem, int16_t toSystem) {
  const SystemRow& a = Row(fromSystem);
  const SystemRow& b = Row(toSystem);
  return a.kilograms * a.metres * a.metres / (b.kilograms * b.metres * b.metres);
}

double SteelShearModulus(int16_t system) {
  constexpr double kSteelPascals = 80e9;
  const SystemRow& r = Row(system);
  // A pascal is a kg / (m s^2): in the system's base units, kilograms and metres of its own.
  return kSteelPascals * r.metres / r.kilograms;
}

std::string InertiaLabel(int16_t system) { return std::string(Row(system).mass) + "-" + Row(system).baseLength + "^2"; }
std::string StiffnessLabel(int16_t system) {
  return std::string(Row(system).force) + "-" + Row(system).baseLength + "/rad";
}
std::string DampingLabel(int16_t system) {
  return std::string(Row(system).force) + "-" + Row(system).baseLength + "-s/rad";
}

double PascalsPerHeldPressure(int16_t system) { return Row(system).pascals; }

double JoulesPerHeldWork(int16_t system) {
  const SystemRow& r = Row(system);
  return r.pascals * r.metres * r.metres * r.metres;
}

float InchesInSystem(double inches, int16_t system) {
  const double factor = Row(1).metres / Row(system).metres;
  return factor == 1 ? Sng(inches) : Sng(RoundConverted(inches * factor, 6));
}

namespace {

using R = EngineDesignRecord;
enum class Kind { Length, Volume, Pressure, Mass };
struct Converted {
  float R::* field;
  Kind kind;
};
// Every held quantity whose unit depends on the system.
constexpr std::array<Converted, 17> kConverted{{
    {&R::Bore, Kind::Length}, {&R::Stroke, Kind::Length}, {&R::CrankRadius, Kind::Length},
    {&R::MainJournalDiameter, Kind::Length}, {&R::CrankpinJournalDiameter, Kind::Length},
    {&R::WristpinOffset, Kind::Length}, {&R::ConrodLength, Kind::Length}, {&R::CylinderSpacing, Kind::Length},
    {&R::CounterweightRadius, Kind::Length}, {&R::CylinderDisplacement, Kind::Volume},
    {&R::TotalDisplacement, Kind::Volume}, {&R::PeakPressureEngine, Kind::Pressure},
    {&R::PeakPressurePump, Kind::Pressure}, {&R::PistonMass, Kind::Mass}, {&R::ConrodMass, Kind::Mass},
    {&R::CrankMass, Kind::Mass}, {&R::CounterweightMass, Kind::Mass},
}};
using HeldValues = std::array<float, kConverted.size()>;
static_assert(kConverted.size() == 17, "UnitMemory holds every converted quantity");

HeldValues Held(const EngineDesignRecord& d) {
  HeldValues v;
  for (std::size_t i = 0; i < kConverted.size(); ++i) v[i] = d.*kConverted[i].field;
  return v;
}

// The values of one system in another; all are converted before any is
// stored, so a failure leaves the design as it was.
void ConvertHeld(EngineDesignRecord& d, const HeldValues& from, int16_t fromSystem, int16_t toSystem) {
  const SystemRow& a = Row(fromSystem);
  const SystemRow& b = Row(toSystem);
  const double factors[] = {a.metres / b.metres, a.cubicMetres / b.cubicMetres, a.pascals / b.pascals,
                            a.kilograms / b.kilograms};
  const int16_t digits = d.ConversionDigits > 0 ? d.ConversionDigits : 6;
  HeldValues to = from;
  for (std::size_t i = 0; i < kConverted.size(); ++i) {
    const double f = factors[static_cast<int>(kConverted[i].kind)];
    if (f != 1) to[i] = Sng(RoundConverted(from[i] * f, digits));
  }
  for (std::size_t i = 0; i < kConverted.size(); ++i) d.*kConverted[i].field = to[i];
}

// An entered shaft in another system: every value is a mass x length^2 per
// second^0, ^1 or ^2, so one factor converts them all.
std::optional<ShaftTable> ConvertedShaft(const std::optional<ShaftTable>& shaft, int16_t fromSystem, int16_t toSystem) {
  if (!shaft) return shaft;
  const double f = MassLengthSquaredFactor(fromSystem, toSystem);
  ShaftTable t = *shaft;
  for (ShaftStation& s : t) {
    s.inertia = Chk(s.inertia * f);
    s.stiffness = Chk(s.stiffness * f);
    s.damping = Chk(s.damping * f);
  }
  return t;
}

}  // namespace

void ConvertDesign(EngineDesignRecord& d, int16_t fromSystem, int16_t toSystem) {
  std::optional<ShaftTable> shaft = ConvertedShaft(d.Shaft, fromSystem, toSystem);
  ConvertHeld(d, Held(d), fromSystem, toSystem);
  d.Shaft = std::move(shaft);
}

void UnitMemory::Convert(EngineDesignRecord& d, int16_t fromSystem, int16_t toSystem) {
  const HeldValues now = Held(d);
  // A design that changed since the last switch starts a new memory.
  if (!remembered_ || now != last_ || d.Shaft != lastShaft_) {
    origin_ = now;
    originShaft_ = d.Shaft;
    originSystem_ = fromSystem;
    remembered_ = true;
  }
  if (toSystem == originSystem_) {
    for (std::size_t i = 0; i < kConverted.size(); ++i) d.*kConverted[i].field = origin_[i];
    d.Shaft = originShaft_;
  } else {
    std::optional<ShaftTable> shaft = ConvertedShaft(originShaft_, originSystem_, toSystem);
    ConvertHeld(d, origin_, originSystem_, toSystem);
    d.Shaft = std::move(shaft);
  }
  last_ = Held(d);
  lastShaft_ = d.Shaft;
}

}  // namespace zorvan
