// The model file: round trips of every example in every unit system, the
// written forms, the reader's layouts and a read or save that fails.
#include <gtest/gtest.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <bit>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/startup.h"
#include "core/design.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "core/runtime_error.h"
#include "core/units.h"
#include "files/model_file.h"
#include "platform/messages.h"
#include "tests/support/unprivileged.h"

namespace zorvan {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends in CR LF";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string Join(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

struct Session {
  MessageList told;
  EngineDesignRecord d;
  ProgramValues v;
  Session() {
    Initialize(d, told);
    v.StartingUp = false;
    v.FilePath = "/designs/test.zrv";
    v.UserName = "A. Engineer";
    v.SaveDate = "12/07/2026";
    v.SaveTime = "21:30:00";
  }
  bool Read(const std::string& text) {
    std::istringstream in(text);
    return Readfile(in, d, v, told);
  }
};

// The design in system u: example k loaded in system 1, then converted.
void LoadIn(Session& s, int k, int16_t u) {
  ASSERT_TRUE(LoadExample(s.d, k, s.told)) << k;
  if (u == 1) return;
  ConvertDesign(s.d, 1, u);
  s.d.UnitSystem = u;
  SetUnitLabels(s.d);
  SetDigitCounts(s.d);
  ASSERT_TRUE(Engine_Data(s.d, s.told));
}

uint32_t Bits(float f) { return std::bit_cast<uint32_t>(f); }

// Every field the file carries, bit for bit.
void ExpectSameStoredFields(const EngineDesignRecord& a, const EngineDesignRecord& b, const std::string& where) {
  SCOPED_TRACE(where);
  const float EngineDesignRecord::*floats[] = {
      &EngineDesignRecord::TotalDisplacement, &EngineDesignRecord::VeeAngle, &EngineDesignRecord::Bore,
      &EngineDesignRecord::LRRatio, &EngineDesignRecord::PistonMass, &EngineDesignRecord::ConrodMass,
      &EngineDesignRecord::ConrodCGFraction, &EngineDesignRecord::CrankMass, &EngineDesignRecord::CrankCGFraction,
      &EngineDesignRecord::FrictionCoefficient, &EngineDesignRecord::MainJournalDiameter,
      &EngineDesignRecord::CrankpinJournalDiameter, &EngineDesignRecord::CounterweightMass,
      &EngineDesignRecord::CounterweightRadius, &EngineDesignRecord::CounterweightAngle,
      &EngineDesignRecord::PressureFactor, &EngineDesignRecord::CoefFluct, &EngineDesignRecord::GasPressureScale,
      &EngineDesignRecord::CylinderDisplacement, &EngineDesignRecord::PeakPressureEngine,
      &EngineDesignRecord::WristpinOffset, &EngineDesignRecord::DrawingScale, &EngineDesignRecord::PistonArea,
      &EngineDesignRecord::Stroke, &EngineDesignRecord::CrankRadius, &EngineDesignRecord::ConrodLength};
  for (auto f : floats) EXPECT_EQ(Bits(a.*f), Bits(b.*f)) << a.*f << " vs " << b.*f;
  const int16_t EngineDesignRecord::*ints[] = {
      &EngineDesignRecord::Arrangement, &EngineDesignRecord::NumCylinders, &EngineDesignRecord::IdleRPM,
      &EngineDesignRecord::RedlineRPM,  &EngineDesignRecord::StrokeCycle,  &EngineDesignRecord::RodsPerCrank,
      &EngineDesignRecord::GasCurve,    &EngineDesignRecord::SpeedIndex,   &EngineDesignRecord::UnitSystem};
  for (auto f : ints) EXPECT_EQ(a.*f, b.*f);
  for (int k = 1; k <= a.NumCylinders; ++k) {
    EXPECT_EQ(Bits(a.PhaseAngle[k]), Bits(b.PhaseAngle[k])) << k;
    EXPECT_EQ(Bits(a.FiringAngle[k]), Bits(b.FiringAngle[k])) << k;
    EXPECT_EQ(Bits(a.FiringOrder[k]), Bits(b.FiringOrder[k])) << k;
  }
  EXPECT_EQ(a.MachineType, b.MachineType);
  EXPECT_EQ(a.BalanceResultsValid, b.BalanceResultsValid);
  EXPECT_EQ(a.EngineResultsValid, b.EngineResultsValid);
  EXPECT_EQ(a.UnitLabel, b.UnitLabel);
}

TEST(ModelFile, EveryExampleInEveryUnitSystemReadsBackBitForBit) {
  for (int k = 0; k < kPresetCount; ++k) {
    for (int16_t u = 1; u <= 5; ++u) {
      Session source;
      LoadIn(source, k, u);
      std::string text = ModelFileText(source.d, source.v);
      EXPECT_EQ(Lines(text).size(), 102u + 3u * source.d.NumCylinders);

      Session target;
      ASSERT_TRUE(target.Read(text)) << "example " << k << " system " << u;
      ExpectSameStoredFields(source.d, target.d, "example " + std::to_string(k) + " system " + std::to_string(u));
      EXPECT_EQ(target.v.UserName, "A. Engineer");
      EXPECT_EQ(target.v.SaveTime, "21:30:00");
      // Written again, the file is the same byte for byte.
      EXPECT_EQ(ModelFileText(target.d, target.v), text);
    }
  }
}

TEST(ModelFile, LineCountFollowsTheCylinders) {
  Session s;
  EXPECT_EQ(Lines(ModelFileText(s.d, s.v)).size(), 114u);
  s.d.NumCylinders = 1;
  EXPECT_EQ(Lines(ModelFileText(s.d, s.v)).size(), 105u);
  s.d.NumCylinders = 16;
  EXPECT_EQ(Lines(ModelFileText(s.d, s.v)).size(), 150u);
  s.d.NumCylinders = 17;
  EXPECT_THROW(ModelFileText(s.d, s.v), RunTimeError);
}

TEST(ModelFile, WrittenLinesOfTheStartUpDesign) {
  Session s;
  s.d.CoefFluct = 0.1f;
  auto lines = Lines(ModelFileText(s.d, s.v));
  const int n = 4;
  EXPECT_EQ(lines[0], "\"ZORVAN for Windows\"");
  EXPECT_EQ(lines[1], "\"9.0\"");
  EXPECT_EQ(lines[2], "\"Engine_1\"");
  EXPECT_EQ(lines[8], "100");  // total displacement
  EXPECT_EQ(lines[13], ".005");
  // Cylinder 2: phase 180, firing angle 540, firing order entry 3.
  EXPECT_EQ(lines[31], "180");
  EXPECT_EQ(lines[32], "540");
  EXPECT_EQ(lines[33], "3");
  EXPECT_EQ(lines[28 + 3 * n], "\"in\"");
  EXPECT_EQ(lines[49 + 3 * n], ".1");
  EXPECT_EQ(lines[52 + 3 * n], "\"Engine\"");
  EXPECT_EQ(lines[55 + 3 * n], s.d.BalanceResultsValid ? "#TRUE#" : "#FALSE#");
  for (int i = 62 + 3 * n; i < 102 + 3 * n; ++i) EXPECT_EQ(lines[i], "\"\"") << i;

  Session metric;
  LoadIn(metric, 2, 3);
  EXPECT_EQ(Lines(ModelFileText(metric.d, metric.v))[48 + 3 * n], "6894.757");
}

TEST(ModelFile, TextsKeepTheirQuotesAndCannotBreakTheLayout) {
  Session s;
  s.v.UserName = "Bob \"The Builder\"";
  s.v.FileName = "two\r\nlines";
  std::string text = ModelFileText(s.d, s.v);
  EXPECT_EQ(Lines(text).size(), 114u);
  Session t;
  ASSERT_TRUE(t.Read(text));
  EXPECT_EQ(t.v.UserName, "Bob \"The Builder\"");
  EXPECT_EQ(t.v.FileName, "two  lines");
  ExpectSameStoredFields(s.d, t.d, "quoted texts");
}

TEST(ModelFile, ReaderAcceptsOtherSpellingsAndLineEnds) {
  Session s;
  auto lines = Lines(ModelFileText(s.d, s.v));
  lines[11] = "  3.0E+00 ";  // bore
  lines[18] = "8e2";         // idle speed, a whole number however written
  std::string text;
  for (const auto& l : lines) text += l + "\n";
  Session t;
  ASSERT_TRUE(t.Read(text));
  EXPECT_EQ(t.d.Bore, 3.0f);
  EXPECT_EQ(t.d.IdleRPM, 800);
}

TEST(ModelFile, ReadTakesOverFlagsLabelsAndDrawingScale) {
  Session s;
  LoadIn(s, 5, 5);
  auto lines = Lines(ModelFileText(s.d, s.v));
  const int n = s.d.NumCylinders;
  for (int slot = 0; slot < 20; ++slot) lines[28 + 3 * n + slot] = "\"furlong\"";
  lines[61 + 3 * n] = "0";  // drawing scale
  Session t;
  ASSERT_TRUE(t.Read(Join(lines)));
  EXPECT_EQ(t.d.UnitLabel[1], "mm");  // the labels follow the unit system
  EXPECT_EQ(t.d.UnitLabel[20], "kg");
  EXPECT_EQ(t.d.DrawingScale, 1.0f);
  EXPECT_TRUE(t.d.LoadedFromFile);
  EXPECT_TRUE(t.d.FromDiskFile);
  ASSERT_EQ(t.told.Size(), 1u);
  EXPECT_EQ(t.told.All()[0].text, "File /designs/test.zrv successfully read.");
  EXPECT_EQ(t.told.All()[0].icon, Icon::Information);

  Session quiet;
  quiet.v.StartingUp = true;
  ASSERT_TRUE(quiet.Read(Join(lines)));
  EXPECT_TRUE(quiet.told.Empty());
}

TEST(ModelFile, OlderLayoutsReadWhatTheyCarry) {
  Session s;
  s.d.GasCurve = 2;
  s.d.MachineType = "Pump";
  s.d.PeakPressureEngine = 750;
  auto lines = Lines(ModelFileText(s.d, s.v));
  const int n = 4;

  // Version 6: one reserved line after the drawing scale is all that is read.
  auto v6 = lines;
  v6[1] = "\"6.0\"";
  v6.resize(63 + 3 * n);
  Session t6;
  EXPECT_TRUE(t6.Read(Join(v6)));
  EXPECT_EQ(t6.d.GasCurve, 2);

  // The legacy marker with another version: nothing after the pressure factor.
  auto legacy = lines;
  legacy[0] = "\"ZORVAN\"";
  legacy[1] = "\"8.5\"";
  legacy.resize(51 + 3 * n);
  Session old;
  old.d.CoefFluct = 0.3f;
  ASSERT_TRUE(old.Read(Join(legacy)));
  EXPECT_EQ(old.d.GasCurve, 1);
  EXPECT_EQ(old.d.MachineType, "Engine");
  EXPECT_EQ(old.d.PeakPressureEngine, 600.0f);
  EXPECT_EQ(old.d.CoefFluct, 0.3f);
  EXPECT_EQ(old.v.UserName, "A. Engineer");

  // The legacy marker with this version also carries the gas curve and machine.
  std::vector<std::string> same(lines.begin(), lines.begin() + 49 + 3 * n);
  same[0] = "\"ZORVAN\"";
  for (const char* line : {"0", "0", "2", "3", "\"Pump\"", "1.5"}) same.push_back(line);
  same.resize(same.size() + 9, "\"\"");
  Session cur;
  ASSERT_TRUE(cur.Read(Join(same)));
  EXPECT_EQ(cur.d.GasCurve, 2);
  EXPECT_EQ(cur.d.SpeedIndex, 3);
  EXPECT_EQ(cur.d.MachineType, "Pump");
  EXPECT_EQ(cur.d.GasPressureScale, 1.5f);
  EXPECT_EQ(cur.d.PeakPressureEngine, 600.0f);
}

// A read that fails leaves the design, the names and the flags as they were.
TEST(ModelFile, FailedReadsLeaveTheDesignUntouched) {
  Session source;
  LoadIn(source, 8, 1);
  auto lines = Lines(ModelFileText(source.d, source.v));
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int error;  // 0: the incompatibility message
  };
  auto with = [&](std::size_t i, const std::string& text) {
    auto l = lines;
    l[i] = text;
    return l;
  };
  auto cut = [&](std::size_t n) { return std::vector<std::string>(lines.begin(), lines.begin() + n); };
  const Case cases[] = {
      {"marker in other letter case", with(0, "\"Zorvan for Windows\""), 0},
      {"unknown marker", with(0, "\"hello\""), 0},
      {"truncated in the cylinder rows", cut(35), 62},
      {"truncated before the last reserved line", cut(lines.size() - 2), 62},
      {"empty file", {}, 62},
      {"seventeen cylinders", with(9, "17"), 9},
      {"no cylinders", with(9, "0"), 9},
      {"unit system 6", with(56 + 3 * source.d.NumCylinders, "6"), 9},
      {"arrangement 5", with(7, "5"), 9},
      {"bore not a number", with(11, "three"), 13},
      {"flag not a flag", with(55 + 3 * source.d.NumCylinders, "#YES#"), 13},
      {"speed beyond 16 bits", with(18, "40000"), 6},
      {"value beyond float range", with(11, "1E+39"), 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Session t;
    t.d.FiringOrder[5] = 42;  // something the file would overwrite
    t.v.FileName = "open design";  // names other than the file's
    t.v.UserName = "B. Reader";
    t.v.DesignNumber = 9;
    t.v.SaveDate = "01/02/2025";
    t.v.SaveTime = "03:04:05";
    EngineDesignRecord before = t.d;
    ProgramValues valuesBefore = t.v;
    EXPECT_FALSE(t.Read(Join(c.lines)));
    ExpectSameStoredFields(before, t.d, c.what);
    EXPECT_EQ(t.d.FiringOrder[5], 42.0f);
    EXPECT_FALSE(t.d.LoadedFromFile);
    EXPECT_FALSE(t.d.FromDiskFile);
    EXPECT_EQ(t.v.UserName, valuesBefore.UserName);
    EXPECT_EQ(t.v.FileName, valuesBefore.FileName);
    EXPECT_EQ(t.v.DesignNumber, valuesBefore.DesignNumber);
    EXPECT_EQ(t.v.SaveDate, valuesBefore.SaveDate);
    EXPECT_EQ(t.v.SaveTime, valuesBefore.SaveTime);
    ASSERT_EQ(t.told.Size(), 1u);
    if (c.error == 0) {
      EXPECT_EQ(t.told.All()[0].text, "This data file is not compatible with this version of ZORVAN for Windows. ");
      EXPECT_EQ(t.told.All()[0].icon, Icon::Question);
    } else {
      EXPECT_EQ(t.told.All()[0].text.rfind("Error " + std::to_string(c.error) + "   (", 0), 0u)
          << t.told.All()[0].text;
      EXPECT_NE(t.told.All()[0].text.find(")  has occurred in Readfile\r\n"), std::string::npos);
    }
  }
}

class ModelFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("zorvan-model-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir);
  }
  static std::string Contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  fs::path dir;
};

TEST_F(ModelFileOnDisk, SaveReplacesTheFileAndKeepsItsPermissions) {
  Session s;
  fs::path file = dir / "v8.zrv";
  { std::ofstream(file) << "old"; }
  ::chmod(file.c_str(), 0640);
  SaveModelFile(file.string(), s.d, s.v, s.told);
  EXPECT_EQ(Contents(file), ModelFileText(s.d, s.v));
  EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_EQ(s.told.Size(), 1u);
  EXPECT_EQ(s.told.All()[0].text, "The file was successfully written to \r\n" + file.string());
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);  // no temporary left
}

TEST_F(ModelFileOnDisk, FailedSaveThrowsAndKeepsTheOldFile) {
  Session s;
  EXPECT_THROW(SaveModelFile((dir / "gone" / "x.zrv").string(), s.d, s.v, s.told), RunTimeError);
  try {
    SaveModelFile((dir / "gone" / "x.zrv").string(), s.d, s.v, s.told);
  } catch (const RunTimeError& e) {
    EXPECT_EQ(e.Number(), 76);
  }
  // A read-only folder, then a read-only file, as a user who is not the superuser.
  fs::path file = dir / "kept.zrv";
  { std::ofstream(file) << "the design that was there"; }
  const auto outcome = testing::AsUnprivilegedUser(dir, [&]() -> std::string {
    std::string wrong;
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    try {
      SaveModelFile(file.string(), s.d, s.v, s.told);
      wrong += "saved into a read-only folder; ";
    } catch (const RunTimeError& e) {
      if (e.Number() != 70) wrong += "error " + std::to_string(e.Number()) + " in a read-only folder; ";
    }
    fs::permissions(dir, fs::perms::owner_all);
    if (Contents(file) != "the design that was there") wrong += "the old file is lost; ";
    fs::permissions(file, fs::perms::owner_read);
    try {
      SaveModelFile(file.string(), s.d, s.v, s.told);
      wrong += "a read-only file was replaced; ";
    } catch (const RunTimeError&) {
    }
    if (Contents(file) != "the design that was there") wrong += "the read-only file changed; ";
    if (!s.told.Empty()) wrong += "told: " + s.told.All()[0].text;
    return wrong;
  });
  if (!outcome.ran) GTEST_SKIP() << outcome.text;
  EXPECT_EQ(outcome.text, "");
}

TEST_F(ModelFileOnDisk, OpenSetsTheNamesOrRestoresThePath) {
  Session s;
  s.d.Bore = 2.5f;
  fs::path file = dir / "small bore.zrv";
  SaveModelFile(file.string(), s.d, s.v, s.told);

  Session t;
  t.v.FilePath = "/designs/previous.zrv";
  ASSERT_TRUE(OpenModelFile(file.string(), t.d, t.v, t.told));
  EXPECT_EQ(t.d.Bore, 2.5f);
  EXPECT_EQ(t.v.FilePath, file.string());
  EXPECT_EQ(t.v.FileName, "small bore");

  Session missing;
  missing.v.FilePath = "/designs/previous.zrv";
  EXPECT_FALSE(OpenModelFile((dir / "none.zrv").string(), missing.d, missing.v, missing.told));
  EXPECT_EQ(missing.v.FilePath, "/designs/previous.zrv");
  ASSERT_EQ(missing.told.Size(), 1u);
  EXPECT_EQ(missing.told.All()[0].text.rfind("Error 53   (File not found)  has occurred in Readfile", 0), 0u);
}

// Only a regular file is replaced: a pipe, a socket, a device or a loop of
// links is refused and left as it was.
TEST_F(ModelFileOnDisk, SaveRefusesWhatIsNotARegularFile) {
  Session s;
  std::vector<fs::path> targets;
  fs::path fifo = dir / "fifo.zrv";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  targets.push_back(fifo);
  fs::path socket = dir / "socket.zrv";
  int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un addr{};
  addr.sun_family = AF_UNIX;
  std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socket.c_str());
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  targets.push_back(socket);
  fs::path device = dir / "null.zrv";
  if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) targets.push_back(device);
  fs::create_symlink(dir / "loop-b.zrv", dir / "loop-a.zrv");
  fs::create_symlink(dir / "loop-a.zrv", dir / "loop-b.zrv");
  targets.push_back(dir / "loop-a.zrv");
  for (const fs::path& target : targets) {
    const auto before = fs::symlink_status(target).type();
    try {
      SaveModelFile(target.string(), s.d, s.v, s.told);
      ADD_FAILURE() << "saved over " << target;
    } catch (const RunTimeError& e) {
      EXPECT_EQ(e.Number(), 75) << target;
    }
    EXPECT_EQ(fs::symlink_status(target).type(), before) << target;
  }
  ::close(fd);
  EXPECT_TRUE(s.told.Empty());
}

TEST_F(ModelFileOnDisk, LongNamesSaveAndTheOwnerStays) {
  Session s;
  fs::path longest = dir / (std::string(251, 'n') + ".zrv");  // 255 bytes, the longest a name may be
  SaveModelFile(longest.string(), s.d, s.v, s.told);
  EXPECT_EQ(Contents(longest), ModelFileText(s.d, s.v));
  if (::geteuid() != 0) GTEST_SKIP() << "only the superuser can save over another user's file";
  fs::path theirs = dir / "theirs.zrv";
  { std::ofstream(theirs) << "old"; }
  ASSERT_EQ(::chown(theirs.c_str(), 4321, 8765), 0);
  SaveModelFile(theirs.string(), s.d, s.v, s.told);
  struct stat st {};
  ASSERT_EQ(::stat(theirs.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 4321u);
  EXPECT_EQ(st.st_gid, 8765u);
}

// What no model file holds is refused under Readfile before it is read in
// full: an endless line, a huge file, a pipe (which would block) or a device.
TEST_F(ModelFileOnDisk, ReadRefusesWhatCannotBeAModelFile) {
  Session good;
  fs::path longLine = dir / "long.zrv";
  { std::ofstream(longLine) << '"' << std::string(5000, 'x'); }
  fs::path big = dir / "big.zrv";
  { std::ofstream(big) << ModelFileText(good.d, good.v) << std::string(100000, '\n'); }
  fs::path fifo = dir / "pipe.zrv";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
  for (const fs::path& file : {longLine, big, fifo, fs::path("/dev/zero")}) {
    Session t;
    const float bore = t.d.Bore;
    EXPECT_FALSE(OpenModelFile(file.string(), t.d, t.v, t.told)) << file;
    ASSERT_EQ(t.told.Size(), 1u) << file;
    EXPECT_TRUE(t.told.All()[0].text.starts_with("Error 75   (")) << t.told.All()[0].text;
    EXPECT_NE(t.told.All()[0].text.find("has occurred in Readfile"), std::string::npos);
    EXPECT_EQ(t.d.Bore, bore);
  }
}

TEST(ModelFile, MarkTypesAndControlCharactersOfOtherEditors) {
  Session s;
  const std::string text = ModelFileText(s.d, s.v);
  Session bom;
  EXPECT_TRUE(bom.Read("\xEF\xBB\xBF" + text));  // the byte-order mark of a UTF-8 editor

  std::vector<std::string> lines = Lines(text);
  std::vector<std::string> diesel = lines;
  for (std::string& l : diesel)
    if (l == "\"Engine\"") l = "\"Diesel\"";
  Session refused;
  EXPECT_FALSE(refused.Read(Join(diesel)));
  ASSERT_EQ(refused.told.Size(), 1u);
  EXPECT_TRUE(refused.told.All()[0].text.starts_with("Error 9 "));

  std::vector<std::string> escaped = lines;
  escaped[2] = "\"\x1b[2Jname\x07\"";  // the model's file name, with terminal codes
  escaped[3] = "\"user\xC2\x9B\"";
  Session shown;
  ASSERT_TRUE(shown.Read(Join(escaped)));
  EXPECT_EQ(shown.v.FileName, "\u241B[2Jname\u2407");
  EXPECT_EQ(shown.v.UserName, "user\uFFFD");

  // The writer refuses a design the reader would refuse, before any file is touched.
  Session odd;
  odd.d.MachineType = "Diesel";
  EXPECT_THROW(ModelFileText(odd.d, odd.v), RunTimeError);
}

}  // namespace
}  // namespace zorvan
