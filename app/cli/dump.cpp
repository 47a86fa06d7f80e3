#include "app/cli/dump.h"

#include <cmath>
#include <cstdio>
#include <sstream>

#include "app/cli/design_args.h"
#include "core/balance_shafts.h"
#include "core/field_table.h"
#include "core/indicated.h"
#include "core/number_text.h"
#include "core/orders.h"
#include "core/result_catalogue.h"
#include "core/rod_load.h"
#include "core/torsional.h"

namespace zorvan::cli {

namespace {

// Floats with 9 significant digits and doubles with 17 read back exactly;
// NaN and infinities have no JSON form and are written as null.
std::string Num(float v) { return JsonNumberText(v, 9); }
std::string Num(double v) { return JsonNumberText(v, 17); }
std::string Num(int v) { return std::to_string(v); }
std::string Num(bool v) { return v ? "true" : "false"; }

template <class Seq>
std::string Array(const Seq& values) {
  std::string s = "[";
  bool first = true;
  for (const auto& v : values) {
    if (!first) s += ',';
    first = false;
    if constexpr (requires { std::size(v); }) {
      s += Array(v);
    } else {
      s += Num(v);
    }
  }
  return s + "]";
}

// Writes "name":value pairs of one object, separated by commas.
class Object {
 public:
  explicit Object(std::ostream& out) : out_(out) { out_ << '{'; }
  ~Object() { out_ << '}'; }
  template <class T>
  void Put(const char* name, const T& value) {
    Key(name);
    if constexpr (requires { std::size(value); }) {
      out_ << Array(value);
    } else {
      out_ << Num(value);
    }
  }
  std::ostream& Key(const char* name) {
    if (!first_) out_ << ',';
    first_ = false;
    return out_ << '"' << name << "\":";
  }

 private:
  std::ostream& out_;
  bool first_ = true;
};

// The derived quantities and the counterweight, named by the field table.
void WriteDerived(const EngineDesignRecord& d, std::ostream& out) {
  Object o(out);
  for (const char* name : DerivedFieldNames()) {
    const DesignField& f = Field(name);
    if (std::holds_alternative<std::array<float, 4> EngineDesignRecord::*>(f.member)) {
      // Speeds 1..3; slot 0 is not used.
      const auto& speeds = d.*std::get<std::array<float, 4> EngineDesignRecord::*>(f.member);
      o.Put(name, std::array{speeds[1], speeds[2], speeds[3]});
    } else if (IsWholeNumber(f)) {
      o.Put(name, static_cast<int>(FieldNumber(d, f)));
    } else {
      o.Put(name, static_cast<float>(FieldNumber(d, f)));
    }
  }
}

void WriteFlags(const EngineDesignRecord& d, std::ostream& out) {
  Object o(out);
  o.Put("SingleResultsValid", d.SingleResultsValid);
  o.Put("BalanceResultsValid", d.BalanceResultsValid);
  o.Put("EngineResultsValid", d.EngineResultsValid);
  o.Put("FlywheelResultsValid", d.FlywheelResultsValid);
}

// The stored result columns, or the stored tables, named as the record names them.
void WriteStored(const CrankAngleTable& t, bool tables, std::ostream& out) {
  Object o(out);
  ForEachStored(t, [&](const char* name, const auto& rows) {
    constexpr bool table = requires { std::size(rows[0]); };
    if (table == tables) o.Put(name, rows);
  });
}

void WriteFlywheel(const EngineDesignRecord& d, const FlywheelResult& f, std::ostream& out) {
  Object o(out);
  o.Put("TorqueMinNoFlywheel", d.TorqueMinNoFlywheel);
  o.Put("TorqueMaxNoFlywheel", d.TorqueMaxNoFlywheel);
  o.Put("TorqueMinFlywheel", d.TorqueMinFlywheel);
  o.Put("TorqueMaxFlywheel", d.TorqueMaxFlywheel);
  o.Put("PositiveAreas", d.PositiveAreas);
  o.Put("NegativeAreas", d.NegativeAreas);
  o.Put("PulseCount", f.pulseCount);
  o.Put("EnergySwing", f.energySwing);
  o.Put("FlywheelInertia", f.flywheelInertia);
}

// The rod load of the one-cylinder results; null when there are none to read.
void WriteRodLoad(const EngineDesignRecord& d, std::ostream& out) {
  RodLoad r;
  try {
    r = RodLoadOf(d);
  } catch (const std::exception&) {
    out << "null";
    return;
  }
  Object o(out);
  o.Put("PeakTension", r.PeakTension);
  o.Put("PeakTensionAngle", r.PeakTensionAngle);
  o.Put("PeakCompression", r.PeakCompression);
  o.Put("PeakCompressionAngle", r.PeakCompressionAngle);
  // Figures drawn from single-precision loads: 9 significant digits, as the floats.
  o.Key("ReversalDegrees") << JsonNumberText(r.ReversalDegrees);
  o.Key("ReversalPercent") << JsonNumberText(r.ReversalPercent);
  o.Put("MinimumsMet", r.MinimumsMet);
}

// The orders of one analysis as a JSON object: per column the arrays order,
// a, b, amplitude and phase, or null for a column without results.
void WriteOrderColumns(const std::vector<OrderColumn>& columns, Object& o) {
  for (const OrderColumn& c : columns) {
    std::ostream& value = o.Key(c.name.c_str());
    if (!c.offered) {
      value << "null";
      continue;
    }
    Object column(value);
    auto put = [&](const char* name, double OrderTerm::* member) {
      std::string s = "[";
      for (const OrderTerm& t : c.spectrum) s += (s.size() > 1 ? "," : "") + JsonNumberText(t.*member);
      column.Key(name) << s << ']';
    };
    put("order", &OrderTerm::order);
    put("a", &OrderTerm::a);
    put("b", &OrderTerm::b);
    put("amplitude", &OrderTerm::amplitude);
    put("phase", &OrderTerm::phase);
  }
}

// The orders of the torques and of the engine's shaking force and moment, in
// held units, the moments about `moments` (named first, with the centre's
// place from cylinder 1's plane); null altogether when a value cannot be analysed.
void WriteOrders(const EngineDesignRecord& d, MomentReference moments, std::ostream& out) {
  std::vector<OrderColumn> columns;
  double centre = 0;
  try {
    columns = OrderAnalysis(d, OrderSubject::Torque, moments);
    for (OrderColumn& c : OrderAnalysis(d, OrderSubject::Shaking, moments)) columns.push_back(std::move(c));
    centre = EngineCentre(d);
  } catch (const std::exception&) {
    out << "null";
    return;
  }
  Object o(out);
  o.Key("MomentsAbout") << '"' << ReferenceName(moments) << '"';
  o.Put("EngineCentre", centre);
  WriteOrderColumns(columns, o);
}

// The balance shafts and the engine with them: each shaft (as its balancer
// file holds it, in SI units, then in held units with its bearing load and
// the moment it adds about the centre), the shaking tables with the shafts,
// their orders and the residual table; null when they cannot be worked out.
void WriteBalancer(const EngineDesignRecord& d, MomentReference moments, std::ostream& out) {
  std::unique_ptr<EngineDesignRecord> with;
  std::vector<OrderColumn> columns;
  std::vector<ResidualRow> residual;
  try {
    with = DesignWithShafts(d);
    columns = OrderAnalysis(*with, OrderSubject::Shaking, moments);
    residual = ResidualTable(d, *with, moments);
  } catch (const std::exception&) {
    out << "null";
    return;
  }
  Object o(out);
  std::ostream& list = o.Key("shafts");
  list << '[';
  for (std::size_t k = 0; k < d.BalanceShafts.size(); ++k) {
    const BalanceShaft& s = d.BalanceShafts[k];
    if (k > 0) list << ',';
    Object shaft(list);
    shaft.Put("order", s.order);
    shaft.Put("sense", s.sense);
    shaft.Put("massRadius", s.massRadius);
    shaft.Put("phase", s.phase);
    shaft.Put("place", s.position);
    shaft.Put("massRadiusHeld", HeldMassRadius(d, s.massRadius));
    shaft.Put("placeHeld", HeldPlace(d, s.position));
    shaft.Put("bearingLoad", ShaftForce(d, s));
    shaft.Put("momentAboutCentre", ShaftMomentAboutCentre(d, s));
  }
  list << ']';
  o.Put("ShakingForce", with->table.ShakingForce);
  o.Put("ShakingMoment", with->table.ShakingMoment);
  {
    Object orders(o.Key("orders"));
    orders.Key("MomentsAbout") << '"' << ReferenceName(moments) << '"';
    WriteOrderColumns(columns, orders);
  }
  std::ostream& rows = o.Key("residual");
  rows << '[';
  for (std::size_t k = 0; k < residual.size(); ++k) {
    if (k > 0) rows << ',';
    Object row(rows);
    row.Put("order", residual[k].order);
    row.Put("forceWithout", residual[k].forceWithout);
    row.Put("forceWith", residual[k].forceWith);
    row.Put("momentWithout", residual[k].momentWithout);
    row.Put("momentWith", residual[k].momentWith);
  }
  rows << ']';
}

// The torsional vibration of the design's shaft (its entered stations or the
// defaults, modal damping 2 %): the natural frequencies in Hz from the
// rigid-body mode's 0, and the peak vibratory twist (deg) and shaft torque
// of the forced response with their speed (rpm), order and section (1: the
// front one); the peaks null without a response, the whole null without results.
void WriteTorsional(const EngineDesignRecord& d, std::ostream& out) {
  TorsionalResult t;
  MessageList quiet;
  if (!d.EngineResultsValid || !TorsionalCalculation(d, kDefaultModalRatio, quiet, t)) {
    out << "null";
    return;
  }
  Object o(out);
  std::string frequencies = "[";
  for (const ShaftMode& m : t.modes) frequencies += (frequencies.size() > 1 ? "," : "") + JsonNumberText(m.frequency);
  o.Key("NaturalFrequencies") << frequencies << ']';
  auto peak = [&](const std::string& name, const ResponsePeak& p) {
    const bool none = p.section < 0;
    o.Key(name.c_str()) << (none ? "null" : JsonNumberText(p.value));
    o.Key((name + "Speed").c_str()) << (none ? "null" : JsonNumberText(p.speed));
    o.Key((name + "Order").c_str()) << (none ? "null" : JsonNumberText(p.order));
    o.Key((name + "Section").c_str()) << (none ? "null" : std::to_string(p.section + 1));
  };
  peak("PeakTwist", t.peakTwist);
  peak("PeakTorque", t.peakTorque);
}

std::string JsonString(const std::string& text) {
  std::string s = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') s += '\\';
    if (static_cast<unsigned char>(c) >= 0x20) s += c;
  }
  return s + '"';
}

void WriteIndicated(const IndicatedFigures& f, std::ostream& out) {
  Object o(out);
  o.Put("Work", f.work);
  o.Put("IMEP", f.imep);
  o.Put("Power", f.power);
  o.Put("MeanGasTorque", f.meanGasTorque);
}

// The measured pressure trace the design uses and the indicated figures it
// gives, per cylinder and for the engine; null when they cannot be formed.
void WritePressure(const EngineDesignRecord& d, std::ostream& out) {
  IndicatedResult r;
  try {
    r = IndicatedOf(d);
  } catch (const std::exception&) {
    out << "null";
    return;
  }
  Object o(out);
  o.Key("Source") << JsonString(d.Pressure->source);
  o.Put("Points", d.Pressure->Points());
  o.Put("Columns", d.Pressure->Columns());
  WriteIndicated(r.engine, o.Key("Engine"));
  std::ostream& list = o.Key("Cylinders");
  list << '[';
  for (std::size_t k = 0; k < r.cylinders.size(); ++k) {
    if (k > 0) list << ',';
    WriteIndicated(r.cylinders[k], list);
  }
  list << ']';
}

}  // namespace

void WriteDumpJson(const EngineDesignRecord& d, const FlywheelResult& flywheel, std::ostream& out,
                   MomentReference moments) {
  {
    Object o(out);
    WriteDerived(d, o.Key("derived"));
    WriteFlags(d, o.Key("flags"));
    WriteStored(d.table, false, o.Key("columns"));
    WriteStored(d.table, true, o.Key("tables"));
    o.Put("HarmonicSums", d.HarmonicSums);
    o.Put("BankNumber", d.BankNumber);
    o.Put("BankAngle", d.BankAngle);
    WriteFlywheel(d, flywheel, o.Key("flywheel"));
    WriteRodLoad(d, o.Key("rodload"));
    WriteOrders(d, moments, o.Key("orders"));
    if (!d.BalanceShafts.empty()) WriteBalancer(d, moments, o.Key("balancer"));
    WriteTorsional(d, o.Key("torsional"));
    // Only a design with a measured trace has this key: the dump of any other stays as it was.
    if (d.Pressure) WritePressure(d, o.Key("pressure"));
  }
  out << '\n';
}

int Dump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  DesignArgs parsed;
  if (int code = ParseDesignArgs(args, 1, parsed, err, {kBalancerOption, kMomentsOption})) return code;
  if (int code = ReadShaftOptions(parsed, MomentReference::Centre, err)) return code;

  auto c = std::make_unique<CalculatedDesign>();
  if (int code = BuildAndCalculate(parsed, *c, err)) return code;
  WriteMessages(c->messages, err);
  // A design that could not be built or calculated has no dump, as it is never saved.
  if (!c->ok) return 1;

  std::ostringstream json;
  WriteDumpJson(c->d, c->flywheel, json, parsed.moments);
  out << json.str();
  return 0;
}

}  // namespace zorvan::cli
