// The model file: one field per line, each line ended by CR LF. Texts are
// quoted, whole numbers plain, floats in their shortest exact decimal, flags
// "#TRUE#"/"#FALSE#". A read goes into a copy of the design, which is taken
// over only when the whole body has been read; a save replaces the old file
// only once the new one is safely on the disk.
#include "files/model_file.h"

#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "core/checked.h"
#include "core/design.h"
#include "core/field_table.h"
#include "core/number_text.h"
#include "core/units.h"
#include "core/visible_text.h"
#include "files/atomic_file.h"
#include "files/pressure_file.h"
#include "files/shaft_file.h"
#include "core/error_report.h"
#include "core/file_names.h"

namespace zorvan {

namespace {

constexpr const char* kCrLf = "\r\n";
constexpr const char* kLegacyMarker = "ZORVAN";
constexpr int kStoredLabels = 20;
constexpr int kReservedLines = 40;
// No field needs more than a few hundred bytes, and a model file of sixteen
// cylinders is under 10 KB; anything longer is not a model file.
constexpr std::size_t kMaxLine = 1024;
constexpr std::uintmax_t kMaxFileBytes = 64 * 1024;
constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";

// The runs of design fields in the order the file holds them.
constexpr const char* kHeadCount[] = {"Arrangement", "TotalDisplacement", "NumCylinders"};
constexpr const char* kHeadCylinder[] = {
    "VeeAngle", "Bore", "LRRatio", "PistonMass", "ConrodMass", "ConrodCGFraction", "CrankMass",
    "CrankCGFraction", "IdleRPM", "RedlineRPM", "FrictionCoefficient", "MainJournalDiameter",
    "CrankpinJournalDiameter", "StrokeCycle", "RodsPerCrank", "CounterweightMass", "CounterweightRadius",
    "CounterweightAngle"};
constexpr const char* kCylinderRow[] = {"PhaseAngle", "FiringAngle", "FiringOrder"};
constexpr const char* kCurrentTail[] = {
    "CoefFluct", "GasCurve", "SpeedIndex", "MachineType", "GasPressureScale", "CylinderDisplacement",
    "BalanceResultsValid", "UnitSystem", "PeakPressureEngine", "EngineResultsValid", "Stroke",
    "WristpinOffset", "DrawingScale"};
constexpr const char* kLegacyTail[] = {"GasCurve", "SpeedIndex", "MachineType", "GasPressureScale"};

// ---- writing ---------------------------------------------------------------

class LineWriter {
 public:
  void Text(const std::string& s) {
    // A line break inside a text would split the field over two lines and shift
    // every field after it, so it is written as a blank.
    std::string line = s;
    for (char& c : line)
      if (c == '\r' || c == '\n') c = ' ';
    text_ += '"' + line + '"' + kCrLf;
  }
  void Int(int16_t v) { text_ += std::to_string(v) + kCrLf; }
  void Float(float v) { text_ += ExactNumberText(v) + kCrLf; }
  void Flag(bool v) { text_ += std::string(v ? "#TRUE#" : "#FALSE#") + kCrLf; }
  void Field(const EngineDesignRecord& d, const DesignField& f, int k = 0) {
    if (IsText(f))
      Text(FieldText(d, f));
    else if (IsFlag(f))
      Flag(FieldFlag(d, f));
    else if (IsWholeNumber(f))
      Int(static_cast<int16_t>(FieldNumber(d, f)));
    else
      Float(static_cast<float>(FieldNumber(d, f, k)));
  }
  template <std::size_t N>
  void Fields(const EngineDesignRecord& d, const char* const (&names)[N]) {
    for (const char* name : names) Field(d, zorvan::Field(name));
  }
  const std::string& Result() const { return text_; }

 private:
  std::string text_;
};

void CheckCylinderCount(int16_t n) {
  if (n < 1 || n > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
}

// ---- reading ---------------------------------------------------------------

class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  // The next line without its end (CR LF, LF or CR); error 62 past the end.
  std::string Line() {
    std::string line;
    std::streambuf* buf = in_.rdbuf();
    if (buf == nullptr) RaiseError(err::InputPastEnd);
    bool any = false;
    for (;;) {
      int c = buf->sbumpc();
      if (c == std::char_traits<char>::eof()) break;
      any = true;
      if (c == '\n') return line;
      if (c == '\r') {
        if (buf->sgetc() == '\n') buf->sbumpc();
        return line;
      }
      line.push_back(static_cast<char>(c));
      if (line.size() > kMaxLine) throw RunTimeError(err::PathFileAccess, "A line is too long for a model file");
    }
    if (!any) RaiseError(err::InputPastEnd);
    return line;
  }

  // A quoted text runs to the last quote of its line (so a text holding quotes
  // reads back whole); an unquoted line is taken as it stands, without blanks.
  std::string Text() {
    std::string line = Line();
    // A file saved by an editor may open with the UTF-8 byte-order mark.
    if (first_ && line.starts_with(kUtf8Mark)) line.erase(0, 3);
    first_ = false;
    std::size_t open = line.find_first_not_of(" \t");
    if (open == std::string::npos) return {};
    if (line[open] != '"') {
      std::size_t end = line.find_last_not_of(" \t");
      return VisibleText(line.substr(open, end - open + 1));
    }
    std::size_t close = line.rfind('"');
    if (close == open) return VisibleText(line.substr(open + 1));
    return VisibleText(line.substr(open + 1, close - open - 1));
  }

  int16_t Int() {
    double v = 0;
    if (!ParseDecimal(Line(), v)) RaiseError(err::TypeMismatch);
    return CInt(v);
  }

  float Float() {
    float v = 0;
    bool overflow = false;
    if (!ParseFloat(Line(), v, overflow)) RaiseError(overflow ? err::Overflow : err::TypeMismatch);
    return v;
  }

  bool Flag() {
    std::string line = Line();
    std::size_t first = line.find_first_not_of(" \t");
    std::size_t last = line.find_last_not_of(" \t");
    std::string word = first == std::string::npos ? "" : line.substr(first, last - first + 1);
    if (word == "#TRUE#") return true;
    if (word == "#FALSE#") return false;
    RaiseError(err::TypeMismatch);
  }

  void Field(EngineDesignRecord& d, const DesignField& f, int k = 0) {
    if (IsText(f))
      SetFieldText(d, f, Text());
    else if (IsFlag(f))
      SetFieldFlag(d, f, Flag());
    else if (IsWholeNumber(f))
      SetFieldNumber(d, f, Int());
    else
      SetFieldNumber(d, f, Float(), k);
  }
  template <std::size_t N>
  void Fields(EngineDesignRecord& d, const char* const (&names)[N]) {
    for (const char* name : names) Field(d, zorvan::Field(name));
  }

  void Skip(int lines) {
    for (int i = 0; i < lines; ++i) Line();
  }

 private:
  std::istream& in_;
  bool first_ = true;
};

// Lines 3 to 49+3N, the same in both layouts: names, configuration, one
// cylinder, counterweight, the per-cylinder rows, labels and pressure factor.
void ReadCommonHead(LineReader& r, EngineDesignRecord& d, ProgramValues& v) {
  v.FileName = r.Text();
  v.UserName = r.Text();
  v.DesignNumber = r.Int();
  v.SaveDate = r.Text();
  v.SaveTime = r.Text();
  r.Fields(d, kHeadCount);
  // The per-cylinder arrays hold cylinders 1..16 only.
  CheckCylinderCount(d.NumCylinders);
  r.Fields(d, kHeadCylinder);
  for (int k = 1; k <= d.NumCylinders; ++k)
    for (const char* name : kCylinderRow) r.Field(d, Field(name), k);
  for (int slot = 1; slot <= kStoredLabels; ++slot) d.UnitLabel[slot] = r.Text();
  d.PressureFactor = r.Float();
}

int LeadingDigit(const std::string& version) {
  if (version.empty() || !std::isdigit(static_cast<unsigned char>(version[0]))) return 0;
  return version[0] - '0';
}

void ReadCurrentBody(LineReader& r, EngineDesignRecord& d, ProgramValues& v, const std::string& version) {
  ReadCommonHead(r, d, v);
  r.Fields(d, kCurrentTail);
  if (d.DrawingScale == 0) d.DrawingScale = 1;
  // Reserved lines: files from version 7 on carry 39 of the 40 that are written.
  r.Skip(1);
  if (LeadingDigit(version) >= 7) r.Skip(kReservedLines - 2);
}

void ReadLegacyBody(LineReader& r, EngineDesignRecord& d, ProgramValues& v, const std::string& version,
                    const std::string& programVersion) {
  ReadCommonHead(r, d, v);
  r.Skip(2);
  if (version.substr(0, 4) != programVersion.substr(0, 4)) return;
  r.Fields(d, kLegacyTail);
  r.Skip(9);
}

// Values the rest of the program uses to pick table entries; a design holding
// others could not be shown or computed, so such a file is refused.
void CheckIndexFields(const EngineDesignRecord& d) {
  CheckCylinderCount(d.NumCylinders);
  if (d.UnitSystem < 1 || d.UnitSystem > 5) RaiseError(err::SubscriptOutOfRange);
  if (d.Arrangement < 0 || d.Arrangement > 4) RaiseError(err::SubscriptOutOfRange);
  if (d.MachineType != "Engine" && d.MachineType != "Pump") RaiseError(err::SubscriptOutOfRange);
}

// Reads a whole model file into `next`: true when it is one of ours, false
// when its marker is another program's. A file the reader refuses throws.
bool ReadBody(std::istream& in, EngineDesignRecord& next, ProgramValues& nextValues, const ProgramValues& v) {
  LineReader r(in);
  std::string marker = r.Text();
  std::string version = r.Text();
  if (marker == v.ProductTitle) {
    ReadCurrentBody(r, next, nextValues, version);
  } else if (marker == kLegacyMarker) {
    ReadLegacyBody(r, next, nextValues, version, v.ProgramVersion);
  } else {
    return false;
  }
  CheckIndexFields(next);
  return true;
}


namespace fs = std::filesystem;

// A file beside the model file set aside while a save puts the new pair in
// place: a hard link of a file about to be replaced, or the file itself moved
// aside when it is to go. Put back when the save fails; removed when it stands.
class SetAside {
 public:
  SetAside(const std::string& path, bool replaced) : path_(path) {
    std::error_code ec;
    const fs::file_status link = fs::symlink_status(path_, ec);
    if (replaced) {
      // The writer replaces the file the name leads to: that one is kept.
      path_ = fs::exists(fs::status(path_, ec)) ? fs::canonical(path_, ec).string() : path_;
      if (!fs::is_regular_file(fs::status(path_, ec))) return;
    } else if (!fs::is_regular_file(link) && !fs::is_symlink(link)) {
      return;  // nothing to remove (a folder of that name is no trace and stays)
    }
    std::string pattern = (fs::path(path_).parent_path() / ".zorvan-kept-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) RaiseError(ErrorNumberForErrno(errno));
    ::close(fd);
    kept_ = pattern;
    const int moved = replaced ? (::unlink(kept_.c_str()), ::link(path_.c_str(), kept_.c_str()))
                               : ::rename(path_.c_str(), kept_.c_str());
    if (moved != 0) {
      const int code = errno;
      ::unlink(kept_.c_str());
      kept_.clear();
      RaiseError(ErrorNumberForErrno(code));
    }
  }
  ~SetAside() {
    if (!kept_.empty()) ::unlink(kept_.c_str());
  }
  SetAside(const SetAside&) = delete;
  SetAside& operator=(const SetAside&) = delete;
  // The pair failed: the file is as it was (a file that was not there goes again).
  void PutBack(bool placed) {
    if (!kept_.empty()) {
      if (::rename(kept_.c_str(), path_.c_str()) == 0) kept_.clear();
    } else if (placed) {
      ::unlink(path_.c_str());
    }
  }

 private:
  std::string path_, kept_;
};

}  // namespace

std::string ModelFileText(const EngineDesignRecord& d, const ProgramValues& v) {
  CheckCylinderCount(d.NumCylinders);
  LineWriter w;
  w.Text(v.ProductTitle);
  w.Text(v.ProgramVersion);
  w.Text(v.FileName);
  w.Text(v.UserName);
  w.Int(v.DesignNumber);
  w.Text(v.SaveDate);
  w.Text(v.SaveTime);
  w.Fields(d, kHeadCount);
  w.Fields(d, kHeadCylinder);
  for (int k = 1; k <= d.NumCylinders; ++k)
    for (const char* name : kCylinderRow) w.Field(d, Field(name), k);
  for (int slot = 1; slot <= kStoredLabels; ++slot) w.Text(d.UnitLabel[slot]);
  w.Float(d.PressureFactor);
  w.Fields(d, kCurrentTail);
  for (int i = 0; i < kReservedLines; ++i) w.Text("");
  // Never write a file the reader would refuse: read it back first.
  std::istringstream back(w.Result());
  EngineDesignRecord scratch = d;
  ProgramValues scratchValues = v;
  ReadBody(back, scratch, scratchValues, v);
  return w.Result();
}

void Writefile(std::ostream& out, const EngineDesignRecord& d, const ProgramValues& v) {
  std::string text = ModelFileText(d, v);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) RaiseError(err::DeviceIO);
}

bool Readfile(std::istream& in, EngineDesignRecord& d, ProgramValues& v, MessageList& messages,
              const std::function<void()>& refreshScreens) {
  EngineDesignRecord next = d;
  ProgramValues nextValues = v;
  bool bodyRead = false;
  Guarded(messages, "Readfile", [&] {
    if (!ReadBody(in, next, nextValues, v)) {
      messages.Add("This data file is not compatible with this version of " + v.ProductTitle + ". ", Icon::Question);
      return;
    }
    bodyRead = true;
  });
  if (!bodyRead) return false;

  // The whole body is read: the design and the file's names become current.
  next.Shaft.reset();     // a model file holds no shaft: its stations file gives it
  next.Pressure.reset();  // nor a pressure trace: the file beside it gives it
  d = std::move(next);
  v.FileName = nextValues.FileName;
  v.UserName = nextValues.UserName;
  v.DesignNumber = nextValues.DesignNumber;
  v.SaveDate = nextValues.SaveDate;
  v.SaveTime = nextValues.SaveTime;
  d.FromDiskFile = true;
  d.LoadedFromFile = true;
  Engine_Data(d, messages);
  // The labels stored in the file carry no meaning: they follow the unit system.
  Guarded(messages, "Readfile", [&] {
    SetUnitLabels(d);
    SetDigitCounts(d);
  });
  if (refreshScreens) refreshScreens();
  if (!v.StartingUp) messages.Add("File " + v.FilePath + " successfully read.", Icon::Information);
  return true;
}

void WriteModelFiles(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v) {
  const std::string tracePath = PressureFilePath(path), shaftPath = ShaftFilePath(path);
  AtomicFileWriter model(path);
  model.Write(ModelFileText(d, v));
  std::optional<AtomicFileWriter> trace, shaft;
  if (d.Pressure) {
    // Never write a trace the reader would not give back as it is.
    const std::string text = PressureFileText(*d.Pressure);
    const PressureReading back = ReadPressureText(text, d.Pressure->source, {});
    if (!back.trace || !(*back.trace == *d.Pressure)) RaiseError(err::InvalidCall);
    trace.emplace(tracePath);
    trace->Write(text);
    trace->Complete();
  }
  if (d.Shaft) {
    // Never write a stations file the reader would refuse.
    ShaftTable back;
    const std::string text = ShaftCsvText(*d.Shaft);
    if (!ReadShaftCsv(text, back).empty() || back != *d.Shaft) RaiseError(err::InvalidCall);
    shaft.emplace(shaftPath);
    shaft->Write(text);
    shaft->Complete();
  }
  model.Complete();
  // All are on the disk: only the renames are left. The files of before
  // stay aside until the model file stands.
  SetAside traceBefore(trace ? trace->TargetPath() : tracePath, trace.has_value());
  SetAside shaftBefore(shaft ? shaft->TargetPath() : shaftPath, shaft.has_value());
  try {
    if (trace) trace->Commit();
    if (shaft) shaft->Commit();
    model.Commit();
  } catch (...) {
    traceBefore.PutBack(trace.has_value());
    shaftBefore.PutBack(shaft.has_value());
    throw;
  }
}

void SaveModelFile(const std::string& path, const EngineDesignRecord& d, const ProgramValues& v,
                   MessageList& messages) {
  WriteModelFiles(path, d, v);
  messages.Add(std::string("The file was successfully written to ") + kCrLf + path, Icon::Information);
}

namespace {

// The trace file beside a model file, when there is one. A trace file that
// cannot be read stops the model's read too: opened without it, the design
// would lose its trace at the next save.
bool ReadTraceBeside(const std::string& path, std::shared_ptr<const PressureTrace>& trace, MessageList& messages) {
  const std::string tracePath = PressureFilePath(path);
  std::error_code ec;
  if (!fs::exists(fs::symlink_status(tracePath, ec))) return true;
  const PressureReading r = ReadPressureFile(tracePath, {});
  if (!r.trace) {
    messages.Add(r.fault + "\r\rThe model was not read: correct or remove the pressure file " + tracePath + ".",
                 Icon::Warning);
    return false;
  }
  trace = r.trace;
  return true;
}

}  // namespace

bool OpenModelFile(const std::string& path, EngineDesignRecord& d, ProgramValues& v, MessageList& messages,
                   const std::function<void()>& refreshScreens) {
  std::string oldPath = v.FilePath;
  v.FilePath = path;
  bool read = false;
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  std::optional<ShaftTable> shaft;
  const std::string shaftPath = ShaftFilePath(path);
  if (std::filesystem::exists(std::filesystem::symlink_status(shaftPath, ec))) {
    shaft.emplace();
    const std::string fault = ReadShaftFile(shaftPath, *shaft);
    if (!fault.empty()) {
      messages.Add(fault + " The model was not read: correct or remove the stations file.", Icon::Warning);
      v.FilePath = oldPath;
      return false;
    }
  }
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    // A folder, device, pipe or socket: never opened, so nothing can block or run on.
    ErrorReport(messages, err::PathFileAccess, "Readfile");
  } else if (std::filesystem::exists(status) && std::filesystem::file_size(path, ec) > kMaxFileBytes) {
    ErrorReport(messages, err::PathFileAccess, "The file is too large to be a model file", "Readfile");
  } else {
    std::ifstream in(path, std::ios::binary);
    std::shared_ptr<const PressureTrace> trace;
    if (!in) {
      ErrorReport(messages, ErrorNumberForErrno(errno) == err::PathNotFound ? err::FileNotFound
                                                                       : ErrorNumberForErrno(errno),
                  "Readfile");
    } else if (ReadTraceBeside(path, trace, messages)) {
      read = Readfile(in, d, v, messages, refreshScreens);
      if (read) d.Pressure = std::move(trace);
    }
  }
  // A failed read leaves the design as it was, so it stays tied to its own file:
  // a later Save must not overwrite the file that could not be read.
  if (read) {
    v.FileName = StripFilename(v.FilePath);
    d.Shaft = std::move(shaft);
  } else {
    v.FilePath = oldPath;
  }
  return read;
}

}  // namespace zorvan
