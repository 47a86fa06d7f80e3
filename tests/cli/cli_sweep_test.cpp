// zorvan-cli sweep: each row is the figures of the same design's dump; failed
// designs keep their place; bad arguments write nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/cli/cli.h"
#include "core/ordered_rows.h"
#include "core/crank_angle_table.h"
#include "core/runtime_error.h"
#include "tests/support/json_reader.h"

namespace zorvan::cli {
namespace {

struct Outcome {
  int code;
  std::string out, err;
};

Outcome Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  int code = Run(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<std::string> Split(const std::string& text, char by) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, by);) parts.push_back(part);
  if (!text.empty() && text.back() == by && by == ',') parts.push_back("");
  return parts;
}

std::string Nine(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", v);
  return buf;
}

// The float a dump's nine digits stand for.
double Float(const Json& v) { return static_cast<float>(v.number); }

// Every figure of a dump, worked out here from its columns over rows 0..239.
std::vector<std::string> FiguresOfDump(const Json& j) {
  const Json& torque = j["columns"]["TotalTorque"];
  double peak = Float(torque[0]), low = peak, sum = 0;
  for (std::size_t r = 0; r < 240; ++r) {
    peak = std::max(peak, Float(torque[r]));
    low = std::min(low, Float(torque[r]));
    sum += Float(torque[r]);
  }
  auto largest = [](const Json& xs, const Json& ys, int cx, int cy) {
    double m = 0;
    for (std::size_t r = 0; r < 240; ++r) {
      const double x = Float(xs[r][cx]), y = Float(ys[r][cy]);
      m = std::max(m, x * x + y * y);
    }
    return std::sqrt(m);
  };
  std::vector<std::string> f = {Nine(peak), Nine(low), Nine(sum / 240), Nine((peak - low) / (sum / 240))};
  for (const char* table : {"ShakingForce", "ShakingMoment"})
    for (int group : {kPrimary, kSecondary, kTotal}) {
      const Json& t = j["tables"][table];
      f.push_back(Nine(largest(t, t, ShakingColumn(0, kX, group), ShakingColumn(0, kY, group))));
    }
  for (int pin : {kMainBearing, kCrankpin})
    f.push_back(Nine(largest(j["tables"]["PinForceX"], j["tables"]["PinForceY"], pin, pin)));
  f.push_back(Nine(j["rodload"]["ReversalDegrees"].number));
  f.push_back(Nine(j["rodload"]["ReversalPercent"].number));
  f.push_back(Nine(j["flywheel"]["EnergySwing"].number));
  f.push_back(Nine(j["flywheel"]["FlywheelInertia"].number));
  return f;
}

// A 3 x 3 grid of two fields against nine dumps of the same designs.
void ExpectRowsAreDumps(std::vector<std::string> design, const std::string& a, const std::string& b) {
  std::vector<std::string> args = {"sweep", "--vary", a, "--vary", b};
  args.insert(args.end(), design.begin(), design.end());
  const Outcome sweep = Cli(args);
  ASSERT_EQ(sweep.code, 0) << sweep.err;
  const std::vector<std::string> lines = Split(sweep.out, '\n');
  ASSERT_EQ(lines.size(), 10u);
  const std::string fa = a.substr(0, a.find('=')), fb = b.substr(0, b.find('='));
  EXPECT_TRUE(lines[0].starts_with(fa)) << lines[0];
  EXPECT_TRUE(lines[0].ends_with(",FlywheelInertia (bl-in^2),error")) << lines[0];
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::vector<std::string> row = Split(lines[k], ',');
    ASSERT_EQ(row.size(), 19u) << lines[k];
    std::vector<std::string> dump = {"dump"};
    dump.insert(dump.end(), design.begin(), design.end());
    dump.insert(dump.end(), {"--set", fa + "=" + row[0], "--set", fb + "=" + row[1]});
    const Outcome single = Cli(dump);
    ASSERT_EQ(single.code, 0) << single.err;
    Json j;
    ASSERT_TRUE(JsonReader(single.out).Read(j));
    const std::vector<std::string> expected = FiguresOfDump(j);
    EXPECT_EQ(std::vector<std::string>(row.begin() + 2, row.end() - 1), expected) << lines[k];
    EXPECT_EQ(row.back(), "");
  }
  // The last field varies fastest.
  EXPECT_TRUE(lines[2].starts_with(Split(lines[1], ',')[0] + ","));
}

TEST(CliSweep, EachRowHoldsTheFiguresOfItsDesignsDump) {
  ExpectRowsAreDumps({"--preset", "5"}, "VeeAngle=60:120:30", "LRRatio=2.5:4.5:1");
  ExpectRowsAreDumps({"--set", "MachineType=Pump"}, "Bore=2.5:3.5:0.5", "RedlineRPM=3000:6000:1500");
}

TEST(CliSweep, AFailedDesignKeepsItsPlaceAndTheGridGoesOn) {
  const Outcome r = Cli({"sweep", "--preset", "5", "--vary", "IdleRPM=20000:30000:10000", "--vary",
                         "LRRatio=3.5:0.5:-3", "--vary", "VeeAngle=150:210:60", "--figures", "PeakTorque",
                         "--jobs", "2"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::vector<std::string> lines = Split(r.out, '\n');
  const std::string limit =
      ",,\"Error 5   (VeeAngle: Vee Angle must be at least 0 and at most 180.)  has occurred in --vary VeeAngle\"";
  const std::vector<std::string> expected = {
      "IdleRPM,LRRatio,VeeAngle,PeakTorque (lb-in),error",
      "20000,3.5,150,6427.50879,",
      "20000,3.5,210" + limit,
      "20000,0.5,150,,\"Error 5   (The linkage cannot close: the rod length less the crank radius must exceed "
      "the wristpin offset)  has occurred in One_Cylinder\"",
      "20000,0.5,210" + limit,
      "30000,3.5,150,,\"Error 6   (Overflow)  has occurred in Engine_Data\""};
  ASSERT_EQ(lines.size(), 9u);
  for (std::size_t k = 0; k < expected.size(); ++k) EXPECT_EQ(lines[k], expected[k]);
}

// 4 x 8 x 12 = 384 designs, more than four workers' window of 256 rows, with
// failed designs among them: four workers write what one writes.
TEST(CliSweep, FourWorkersOverAGridLargerThanTheirWindowWriteWhatOneWrites) {
  std::vector<std::string> args = {"sweep",  "--preset", "5", "--vary", "LRRatio=0.5:3.5:1", "--vary",
                                   "VeeAngle=30:170:20", "--vary", "IdleRPM=500:1600:100", "--jobs", "4"};
  const Outcome four = Cli(args);
  args.back() = "1";
  const Outcome one = Cli(args);
  ASSERT_EQ(four.code, 0) << four.err;
  EXPECT_EQ(std::count(four.out.begin(), four.out.end(), '\n'), 385);
  EXPECT_EQ(std::count(four.out.begin(), four.out.end(), '"'), 2 * 96);  // LRRatio 0.5 cannot close
  EXPECT_TRUE(four.out == one.out);
}

// The window at work: while row 0 is slow the other workers take every row up
// to the window's end and no further (a row beyond it fails its worker, so a
// window that does not hold ends the run), and the rows still come out in
// order; a worker that fails mid-grid stops the others and is reported.
TEST(CliSweep, RowsWaitInTheirWindowAndAFailingWorkerStopsTheRest) {
  constexpr std::size_t total = 1000, window = 4 * kWindowPerJob;
  std::atomic<std::size_t> started{0};
  std::atomic<bool> firstDone{false}, overrun{false};
  auto maker = [&]() -> RowMaker {
    return [&](std::size_t index, std::string& row) {
      if (index >= window && !firstDone) {
        overrun = true;
        throw RunTimeError(9, "row " + std::to_string(index) + " was taken while row 0 was being made");
      }
      ++started;
      if (index == 0) {  // the others fill the window meanwhile
        for (int waited = 0; started <= window - kRowsPerTake && !overrun && waited < 2000; ++waited)
          std::this_thread::sleep_for(std::chrono::milliseconds(5));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(started, window - kRowsPerTake + 1);
        firstDone = true;
      }
      row = std::to_string(index) + "\n";
    };
  };
  std::string out, expected;
  for (std::size_t k = 0; k < total; ++k) expected += std::to_string(k) + "\n";
  try {
    WriteRowsInOrder(total, 4, maker, [&](const std::string& rows) { out += rows; }, [](std::size_t) {});
  } catch (const RunTimeError& e) {
    ADD_FAILURE() << e.what();
  }
  EXPECT_TRUE(out == expected);

  out.clear();
  auto failing = [&]() -> RowMaker {
    return [](std::size_t index, std::string& row) {
      if (index == 300) throw RunTimeError(7);  // out of memory
      row = std::to_string(index) + "\n";
    };
  };
  try {
    WriteRowsInOrder(total, 4, failing, [&](const std::string& rows) { out += rows; }, [](std::size_t) {});
    ADD_FAILURE() << "a failed worker went unreported";
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), 7);
  }
  EXPECT_LT(out.size(), expected.size());
  EXPECT_EQ(out, expected.substr(0, out.size()));  // whole rows, in order, none after the gap
  EXPECT_TRUE(out.empty() || out.back() == '\n');
  EXPECT_EQ(out.find("300\n"), std::string::npos);
}

// A 3 x 4 x 5 grid with failed designs in it, split 1, 2, 7 and 10 ways: the
// shards' rows after their headings, in order, are the whole sweep's.
TEST(CliSweep, ShardsInOrderAreTheWholeSweep) {
  const std::vector<std::string> grid = {"sweep", "--preset", "5", "--vary", "LRRatio=0.5:2.5:1", "--vary",
                                         "VeeAngle=60:240:60", "--vary", "IdleRPM=500:900:100"};
  const Outcome whole = Cli(grid);
  ASSERT_EQ(whole.code, 0) << whole.err;
  const std::string heading = whole.out.substr(0, whole.out.find('\n') + 1);
  for (int n : {1, 2, 7, 10}) {
    std::string joined = heading;
    for (int k = 1; k <= n; ++k) {
      std::vector<std::string> args = grid;
      args.insert(args.end(), {"--shard", std::to_string(k) + "/" + std::to_string(n), "--jobs", "3"});
      const Outcome part = Cli(args);
      ASSERT_EQ(part.code, 0) << part.err;
      ASSERT_TRUE(part.out.starts_with(heading));
      const long rows = std::count(part.out.begin(), part.out.end(), '\n') - 1;
      EXPECT_TRUE(rows == 60 / n || rows == 60 / n + 1) << k << "/" << n;
      joined += part.out.substr(heading.size());
    }
    EXPECT_TRUE(joined == whole.out) << n << " shards";
  }
}

TEST(CliSweep, BadArgumentsWriteNothing) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("zorvan-sweep-" + std::to_string(::getpid()) + ".csv")).string();
  const std::vector<std::vector<std::string>> bad = {
      {},                                                             // no --vary
      {"--vary", "VeeAngle=60:120"},                                  // no step
      {"--vary", "VeeAngle=60:120:x"},                                // not a number
      {"--vary", "VeeAngle=60:120:0"},                                // step 0
      {"--vary", "VeeAngle=60:120:-10"},                              // wrong sign
      {"--vary", "Nothing=1:2:1"},                                    // unknown field
      {"--vary", "MachineType=1:2:1"},                                // a text
      {"--vary", "NumCylinders=2:8:0.5"},                             // a code in part steps
      {"--vary", "PhaseAngle=0:90:90"},                               // a list without its cylinder
      {"--vary", "VeeAngle=60:120:30", "--figures", "PeakTorque,Nope"},  // unknown figure
      {"--vary", "VeeAngle=60:120:30", "--jobs", "0"},
      {"--vary", "VeeAngle=60:120:30", "--vary", "VeeAngle=1:2:1"},   // twice
      {"--vary", "Bore=1:4:1", "--vary", "LRRatio=1:4:1", "--vary", "IdleRPM=1:4:1", "--vary", "Stroke=1:4:1"},
      {"--vary", "Bore=1:10000:1", "--vary", "LRRatio=1:10000:1"},   // 10^8 designs
      {"--vary", "VeeAngle=60:120:30", "--set", "Bore=-1"},          // a bad design argument
      {"--vary", "VeeAngle=60:120:30", "--shard", "1"},              // shards: not K/N
      {"--vary", "VeeAngle=60:120:30", "--shard", "1/x"},
      {"--vary", "VeeAngle=60:120:30", "--shard", "+1/2"},
      {"--vary", "VeeAngle=60:120:30", "--shard", "0/2"},            // K outside 1..N
      {"--vary", "VeeAngle=60:120:30", "--shard", "3/2"},
      {"--vary", "VeeAngle=60:120:30", "--shard", "1/0"},
      {"--vary", "VeeAngle=60:120:30", "--shard", "1/4"},            // more shards than designs
  };
  for (std::vector<std::string> args : bad) {
    args.insert(args.begin(), "sweep");
    args.insert(args.end(), {"-o", path});
    const Outcome r = Cli(args);
    EXPECT_EQ(r.code, 2) << args.at(2);
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
    EXPECT_FALSE(std::filesystem::exists(path)) << args.at(2);
  }
  // A good one goes to the file whole, as it would to standard output.
  const Outcome r = Cli({"sweep", "--vary", "PhaseAngle[2]=0:180:90", "-o", path});
  ASSERT_EQ(r.code, 0) << r.err;
  std::ifstream in(path);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(text, Cli({"sweep", "--vary", "PhaseAngle[2]=0:180:90"}).out);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace zorvan::cli
