#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <sstream>

#include "app/cli/cli.h"
#include "app/cli/dump.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

struct Result {
  int code;
  std::string out, err;
  Json json;
  bool valid = false;
};

Result Dump(std::vector<std::string> args) {
  args.insert(args.begin(), "dump");
  std::ostringstream out, err;
  Result r;
  r.code = Run(args, out, err);
  r.out = out.str();
  r.err = err.str();
  r.valid = JsonReader(r.out).Read(r.json);
  return r;
}

TEST(CliDump, StartUpDesignShape) {
  Result r = Dump({});
  ASSERT_EQ(r.code, 0) << r.err;
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.out.back(), '\n');
  const Json& derived = r.json["derived"];
  EXPECT_FLOAT_EQ(derived["PistonArea"].number, 7.0685835f);
  EXPECT_FLOAT_EQ(derived["ConrodLength"].number, 6.189359f);
  EXPECT_EQ(derived["MidRPM"].number, 3400);
  ASSERT_EQ(derived["SpeedTable"].items.size(), 3u);
  EXPECT_NEAR(derived["SpeedTable"][0].number, 83.7758, 1e-4);
  EXPECT_EQ(derived["LastStep"].number, 240);
  for (const char* k : {"Omega", "OmegaSquared", "MassAtCrankpin", "RadiusOverLength",
                        "CounterweightMass", "CounterweightRadius", "CounterweightAngle"})
    EXPECT_EQ(derived.members.count(k), 1u) << k;
  for (const char* k : {"SingleResultsValid", "BalanceResultsValid", "EngineResultsValid",
                        "FlywheelResultsValid"})
    EXPECT_EQ(r.json["flags"][k].kind, Json::Bool) << k;
  EXPECT_EQ(r.json["columns"].members.size(), 12u);
  for (const auto& [name, column] : r.json["columns"].members) EXPECT_EQ(column.items.size(), 241u) << name;
  for (const auto& [name, table] : r.json["tables"].members) {
    ASSERT_EQ(table.items.size(), 241u) << name;
    EXPECT_EQ(table[240].items.size(), name.starts_with("PinForce") ? 10u : 48u) << name;
  }
  EXPECT_EQ(r.json["tables"].members.size(), 5u);
  const Json& h = r.json["HarmonicSums"];
  ASSERT_EQ(h.items.size(), 7u);
  EXPECT_EQ(h[6].items.size(), 2u);
  EXPECT_EQ(h[6][1].items.size(), 2u);
  EXPECT_EQ(h[6][1][1].items.size(), 4u);
  EXPECT_EQ(r.json["BankNumber"].items.size(), 17u);
  EXPECT_EQ(r.json["BankAngle"].items.size(), 17u);
  for (const char* k : {"TorqueMinNoFlywheel", "TorqueMaxNoFlywheel", "TorqueMinFlywheel",
                        "TorqueMaxFlywheel", "PulseCount", "EnergySwing", "FlywheelInertia"})
    EXPECT_EQ(r.json["flywheel"][k].kind, Json::Number) << k;
  EXPECT_EQ(r.json["flywheel"]["PositiveAreas"].items.size(), 21u);
}

TEST(CliDump, SettingsApplyInOrder) {
  Result r = Dump({"--set", "Bore=4", "--set", "Bore=3.5", "--set", "Arrangement=2", "--set",
                   "NumCylinders=6", "--set", "VeeAngle=90", "--set", "PhaseAngle=0,120,240,0,120,240", "--set",
                   "FiringOrder=1,4,2,5,3,6"});
  ASSERT_TRUE(r.valid) << r.err;
  EXPECT_FLOAT_EQ(r.json["derived"]["PistonArea"].number, 9.6211275f);
  const float banks[] = {0, 1, 1, 1, 2, 2, 2};
  for (int k = 1; k <= 6; ++k) {
    EXPECT_EQ(r.json["BankNumber"][k].number, banks[k]) << k;
    EXPECT_EQ(r.json["BankAngle"][k].number, banks[k] == 1 ? -45 : 45) << k;
  }
  EXPECT_EQ(r.err.find("Please define a Vee Angle"), std::string::npos);
}

TEST(CliDump, RefusedArgumentsPrintNothing) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"--set", "Foo=1"}, "Foo"},
      {{"--set", "Bore=abc"}, "abc"},
      {{"--set", "Bore="}, "Bore"},
      {{"--set", "Bore"}, "Bore"},
      {{"--set", "PhaseAngle=0,,90"}, "PhaseAngle"},
      {{"--set", "FiringAngle=0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"}, "FiringAngle"},
      {{"--set", "NumCylinders=17"}, "NumCylinders"},
      {{"--set", "NumCylinders=0"}, "NumCylinders"},
      {{"--set", "UnitSystem=6"}, "UnitSystem"},
      {{"--set", "MachineType=Turbine"}, "MachineType"},
      {{"--preset", "11"}, "--preset"},
      {{"--preset"}, "--preset"},
      {{"--frobnicate"}, "--frobnicate"},
      {{"a.zrv", "b.zrv"}, "b.zrv"},
      // Values and designs outside the inputs' limits, named as the screens name them.
      {{"--set", "IdleRPM=0"}, "zorvan-cli: IdleRPM: Idle RPM must be above 0.\n"},
      {{"--set", "Arrangement=5"}, "Engine Type must be 0 to 4."},
      {{"--set", "Arrangement=Tee"}, "'Tee' is not a number"},
      {{"--set", "Bore=nan"}, "'nan' is not a number"},
      {{"--set", "Bore=-inf"}, "'-inf' is out of range"},
      {{"--set", "PistonMass=-0.005"}, "Piston Mass must not be negative."},
      {{"--set", "PhaseAngle=0,360"}, "The phase angle of cylinder 2 must be at least 0 and below 360."},
      {{"--set", "FiringOrder=1,99,3,4"}, "Place 2 of the firing order"},
      {{"--set", "NumCylinders=6"}, "The firing order must name each cylinder from 1 to 6 exactly once."},
      {{"--set", "StrokeCycle=2"}, "The firing angle of cylinder 2 must be at least 0 and below 360."},
  };
  for (const auto& [args, named] : cases) {
    Result r = Dump(args);
    EXPECT_EQ(r.code, 2) << args[0];
    EXPECT_TRUE(r.out.empty()) << args[0];
    EXPECT_NE(r.err.find(named), std::string::npos) << r.err;
  }
}

// A design that cannot be built or calculated has no dump, as it is never saved.
TEST(CliDump, OverflowsAreReportedAndNothingPrinted) {
  Result r = Dump({"--set", "IdleRPM=40000", "--set", "Bore=4"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "Error 6   (Overflow)  has occurred in --set IdleRPM\n\n\n");
  EXPECT_EQ(r.out, "");

  r = Dump({"--set", "IdleRPM=20000", "--set", "RedlineRPM=20000"});
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.err, "Error 6   (Overflow)  has occurred in Engine_Data\n\n\n");
  EXPECT_EQ(r.out, "");

  // Codes are rounded, then checked against their range, whatever their size.
  for (const char* bad : {"NumCylinders=40000", "NumCylinders=-32768.5", "UnitSystem=-32768.5"}) {
    r = Dump({"--set", bad});
    EXPECT_EQ(r.code, 2) << bad;
    EXPECT_NE(r.err.find("must be 1 to"), std::string::npos) << bad;
  }
}

TEST(CliDump, BadDesignsEndInAReportNotACrash) {
  // What a calculation divides by, and codes that index its tables, are kept out by the limits.
  const std::vector<std::vector<std::string>> refused{
      {"--set", "Bore=0"},          {"--set", "Bore=nan"},     {"--set", "LRRatio=0"},
      {"--set", "CylinderDisplacement=0"}, {"--set", "SpeedIndex=0"}, {"--set", "Arrangement=7"},
      {"--set", "VeeAngle=inf"},
  };
  for (const auto& args : refused) {
    Result r = Dump(args);
    EXPECT_EQ(r.code, 2) << args[1];
    EXPECT_EQ(r.out, "") << args[1];
  }
  const std::vector<std::vector<std::string>> cases{{"--set", "Bore=1e30"}, {"--set", "PistonMass=1e39"}};
  for (const auto& args : cases) {
    Result r = Dump(args);
    EXPECT_EQ(r.code, 1) << args[1];
    EXPECT_NE(r.err.find("has occurred in"), std::string::npos) << args[1] << ": " << r.err;
    EXPECT_EQ(r.out, "") << args[1];
  }
  // Odd inputs within the limits that the calculation must survive, reported or not.
  const std::vector<std::vector<std::string>> survive{
      {"--set", "PistonMass=0", "--set", "CrankMass=0"},
      {"--set", "NumCylinders=16", "--set", "Arrangement=4", "--set", "VeeAngle=60", "--set",
       "FiringOrder=1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16"},
      {"--set", "NumCylinders=1", "--set", "Arrangement=2", "--set", "VeeAngle=90"},
      {"--set", "StrokeCycle=2", "--set", "FiringAngle=0,180,0,180", "--set", "MachineType=Pump"},
  };
  for (const auto& args : survive) {
    Result r = Dump(args);
    EXPECT_TRUE(r.code == 0 || r.code == 1) << args[1];
    EXPECT_TRUE(r.valid) << args[1];
  }
}

TEST(CliDump, WarningsGoToStandardErrorWithoutCarriageReturns) {
  Result r = Dump({"--set", "Arrangement=2", "--set", "VeeAngle=0"});
  EXPECT_TRUE(r.valid);
  EXPECT_NE(r.err.find("Please define a Vee Angle for this engine\n"), std::string::npos);
  r = Dump({"--set", "CounterweightMass=0"});
  EXPECT_TRUE(r.valid);
  EXPECT_EQ(r.err.find('\r'), std::string::npos);
}

TEST(CliDump, GivenCounterweightIsTheOneComputedWith) {
  // Without a counterweight the four-cylinder throws are out of balance by the
  // rotating mass-radius product.
  Result r = Dump({"--set", "CounterweightMass=0"});
  ASSERT_TRUE(r.valid);
  EXPECT_EQ(r.json["derived"]["CounterweightMass"].number, 0);
  EXPECT_NE(r.err.find("NOT now exactly balanced"), std::string::npos);
  EXPECT_NE(r.err.find("0.050 222  bl * in"), std::string::npos);
  // Without --set the throw's own balancing counterweight is used.
  r = Dump({});
  EXPECT_EQ(r.err.find("NOT now exactly balanced"), std::string::npos);
  EXPECT_NEAR(r.json["derived"]["CounterweightMass"].number, 0.0284, 1e-6);

  // A single cylinder shows the rotating force across its axis only when its
  // counterweight is taken away.
  auto largestPrimaryY = [](const Result& res) {
    double largest = 0;
    for (const Json& row : res.json["tables"]["ShakingForce"].items)
      largest = std::max(largest, std::fabs(row[8].number));
    return largest;
  };
  const std::vector<std::string> single = {"--set", "Arrangement=0", "--set", "NumCylinders=1"};
  r = Dump(single);
  ASSERT_TRUE(r.valid);
  EXPECT_LT(largestPrimaryY(r), 0.1);
  std::vector<std::string> unbalanced = single;
  unbalanced.insert(unbalanced.end(), {"--set", "CounterweightMass=0"});
  r = Dump(unbalanced);
  ASSERT_TRUE(r.valid);
  const double rotating = 0.0284 * 1.7683883 * 356.04718 * 356.04718;  // mA r w^2
  EXPECT_NEAR(largestPrimaryY(r), rotating, rotating * 1e-3);
}

TEST(CliDump, ModelFileThatCannotBeReadPrintsNothing) {
  Result r = Dump({"/nonexistent/folder/none.zrv"});
  EXPECT_NE(r.code, 0);
  EXPECT_TRUE(r.out.empty());
  EXPECT_NE(r.err.find("'/nonexistent/folder/none.zrv'"), std::string::npos) << r.err;
}

TEST(CliDump, UnitSystemRelabelsWithoutConverting) {
  Result r = Dump({"--set", "UnitSystem=3", "--set", "Bore=0.08", "--set", "CylinderDisplacement=0.0004"});
  ASSERT_TRUE(r.valid) << r.err;
  EXPECT_FLOAT_EQ(r.json["derived"]["PistonArea"].number, 0.0050265482f);
}

TEST(CliDump, NonFiniteNumbersBecomeNull) {
  EngineDesignRecord d;
  d.table.GasForce[3] = std::nanf("");
  d.table.TanConrodAngle[4] = -INFINITY;
  d.HarmonicSums[1][0][0][0] = 1.0 / 3;
  FlywheelResult f;
  std::ostringstream out;
  WriteDumpJson(d, f, out);
  Json j;
  ASSERT_TRUE(JsonReader(out.str()).Read(j));
  EXPECT_EQ(j["columns"]["GasForce"][3].kind, Json::Null);
  EXPECT_EQ(j["columns"]["TanConrodAngle"][4].kind, Json::Null);
  EXPECT_EQ(j["HarmonicSums"][1][0][0][0].number, 1.0 / 3);  // doubles round-trip
}

TEST(CliDump, BinaryWritesTheDump) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(ZORVAN_CLI_PATH " dump 2>/dev/null", "r"), pclose);
  ASSERT_TRUE(pipe);
  std::string text;
  char buf[65536];
  while (std::size_t n = fread(buf, 1, sizeof buf, pipe.get())) text.append(buf, n);
  int status = pclose(pipe.release());
  EXPECT_EQ(status, 0);
  Json j;
  EXPECT_TRUE(JsonReader(text).Read(j));
  EXPECT_TRUE(text.starts_with("{\"derived\":{\"PistonArea\":7.06858349,"));
}

// Without gas and with a rod a hundred cranks long the wristpin carries only
// the piston's inertia, 0.005 bl times -r w^2 (cos t + lambda cos 2t), lambda
// = 0.01: tension (negative) of 0.005 r w^2 (1 + lambda) at top dead centre,
// compression of 0.005 r w^2 (1 - lambda) at 180 degrees, and the load turns
// where the acceleration vanishes, 89.4271 degrees from each top dead centre
// (the exact slider-crank), so 4 x 89.4271 of the 720 degrees are in tension.
TEST(CliDump, RodLoadOfAPistonWithoutGasOnALongRod) {
  Result r = Dump({"--set", "GasPressureScale=0", "--set", "LRRatio=100"});
  ASSERT_EQ(r.code, 0) << r.err;
  const Json& derived = r.json["derived"];
  const double lambda = derived["RadiusOverLength"].number;
  const double inertia = 0.005 * derived["CrankRadius"].number * derived["OmegaSquared"].number;
  ASSERT_NEAR(lambda, 0.01, 1e-7);
  const Json& load = r.json["rodload"];
  EXPECT_NEAR(load["PeakTension"].number, inertia * (1 + lambda), 1e-6 * inertia);
  EXPECT_NEAR(load["PeakCompression"].number, inertia * (1 - lambda), 1e-6 * inertia);
  EXPECT_EQ(load["PeakTensionAngle"].number, 0);
  EXPECT_EQ(load["PeakCompressionAngle"].number, 180);
  EXPECT_NEAR(load["ReversalDegrees"].number, 4 * 89.42712, 0.01);
  EXPECT_NEAR(load["ReversalPercent"].number, 100 * 0.99 / 1.01, 1e-4);
  EXPECT_EQ(load["MinimumsMet"].number, 1);
  std::ostringstream none;  // no results: nothing to read
  WriteDumpJson(EngineDesignRecord{}, FlywheelResult{}, none);
  Json j;
  ASSERT_TRUE(JsonReader(none.str()).Read(j));
  EXPECT_EQ(j["rodload"].kind, Json::Null);
}

}  // namespace
}  // namespace zorvan::cli

namespace zorvan::cli {
namespace {

double GasPeakOverArea(const Result& r) {
  double peak = 0;
  for (const Json& v : r.json["columns"]["GasForce"].items) peak = std::max(peak, v.number);
  return peak / r.json["derived"]["PistonArea"].number;
}

// The device type brings its own gas curve, and the pressure entered for it is
// the curve's peak, whichever is given first.
TEST(CliDump, PeakPressureIsThePeakOfTheDevicesCurve) {
  for (const char* p : {"131", "262", "600"}) {
    const std::string pressure = std::string("PeakPressurePump=") + p;
    Result typeFirst = Dump({"--set", "MachineType=Pump", "--set", pressure});
    ASSERT_TRUE(typeFirst.valid) << typeFirst.err;
    EXPECT_NEAR(GasPeakOverArea(typeFirst), std::stod(p), 0.01 * std::stod(p));
    EXPECT_EQ(Dump({"--set", pressure, "--set", "MachineType=Pump"}).out, typeFirst.out) << p;
  }
  EXPECT_NEAR(GasPeakOverArea(Dump({"--set", "PeakPressureEngine=300"})), 300, 3);
  EXPECT_NEAR(GasPeakOverArea(Dump({"--set", "PeakPressurePump=300"})), 600, 6);  // the engine's stays
}

TEST(CliDump, ArrangementByNameAndRodLoadDigits) {
  Result byNumber = Dump({"--preset", "5", "--set", "Arrangement=2"});
  for (const char* name : {"Vee", "vEE"})
    EXPECT_EQ(Dump({"--preset", "5", "--set", std::string("Arrangement=") + name}).out, byNumber.out) << name;
  for (const char* name : {"Single", "Inline", "Opposed", "W"})
    EXPECT_EQ(Dump({"--set", std::string("Arrangement=") + name}).code, 0) << name;
  EXPECT_NE(byNumber.out.find("\"ReversalDegrees\":215.330758,\"ReversalPercent\":44.7379853,"), std::string::npos);
  // Pure inertia, two-stroke: the shorter direction has the larger peak, and
  // the percentage is still the smaller peak over the larger.
  Result inertia = Dump({"--set", "StrokeCycle=2", "--set", "FiringAngle=0,180,180,0", "--set", "GasPressureScale=0"});
  ASSERT_EQ(inertia.code, 0) << inertia.err;
  EXPECT_NE(inertia.out.find("\"ReversalDegrees\":150.275732,\"ReversalPercent\":55.8269093,"), std::string::npos);
}

// The orders object: five arrays over the orders 0..12 per column, the inline
// four's inertia torque at order 2 (four times half the reciprocating
// amplitude), and null before any results.
TEST(CliDump, OrdersOfTheTorquesAndShaking) {
  Result r = Dump({"--set", "GasPressureScale=0"});
  ASSERT_TRUE(r.valid) << r.err;
  const Json &orders = r.json["orders"], &d = r.json["derived"];
  ASSERT_EQ(orders.members.size(), 9u);  // the columns, and the point the moments are taken about
  EXPECT_EQ(orders["MomentsAbout"].text, "centre");
  EXPECT_EQ(orders["EngineCentre"].number, 1.5);  // the start-up four: 1.5 spacings of 1 in
  for (const auto& [name, column] : orders.members)
    if (column.kind == Json::Object) {
      for (const char* k : {"order", "a", "b", "amplitude", "phase"}) EXPECT_EQ(column[k].items.size(), 25u) << name << k;
    }
  const double amp = d["MassAtWristpin"].number * std::pow(d["CrankRadius"].number, 2) * d["OmegaSquared"].number;
  EXPECT_NEAR(orders["InertiaTorque"]["amplitude"][4].number / amp, 2, 1e-5);
  std::ostringstream none;
  WriteDumpJson(EngineDesignRecord{}, FlywheelResult{}, none);
  EXPECT_NE(none.str().find("\"EngineCentre\":0,\"GasTorque\":null,"), std::string::npos);
}

}  // namespace
}  // namespace zorvan::cli
