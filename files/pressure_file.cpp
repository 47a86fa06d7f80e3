// The pressure-trace reader and writer. The reader takes one pass over the
// lines and stops at the first thing it cannot take, naming its line and
// column; nothing is handed over unless the whole file was read.
#include "files/pressure_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/number_text.h"
#include "core/units.h"
#include "core/visible_text.h"

namespace zorvan {

namespace {

constexpr std::uintmax_t kMaxFileBytes = 32u << 20;
constexpr std::size_t kMaxPoints = 500000;
constexpr std::size_t kMaxColumns = kMaxCylinders + 1;
constexpr double kMaxAngle = 1e6;
constexpr double kLeastStep = 1e-6;  // degrees between points
constexpr const char* kUtf8Mark = "\xEF\xBB\xBF";
constexpr const char* kUnitList = "bar, kPa, MPa, Pa or psi";

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ' && c != '\t') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// A field as a message quotes it: visible, and not too long.
std::string Quoted(std::string_view s) {
  const bool longer = s.size() > 40;
  return "'" + VisibleText(s.substr(0, 40)) + (longer ? "...'" : "'");
}

std::string Number(double v) { return DigitsText(v, 9); }

enum class Separator { Comma, Semicolon, Tab, Blank };

Separator SeparatorOf(std::string_view line) {
  if (line.find(';') != std::string_view::npos) return Separator::Semicolon;
  if (line.find('\t') != std::string_view::npos) return Separator::Tab;
  if (line.find(',') != std::string_view::npos) return Separator::Comma;
  return Separator::Blank;
}

// The fields of a line. Blank-separated headers keep a unit in brackets with
// its name ("p [bar]"); one separator at the end of a line is no field.
std::vector<std::string> Fields(std::string_view line, Separator sep, bool header) {
  std::vector<std::string> fields;
  if (sep == Separator::Blank) {
    std::size_t i = 0;
    int open = 0;  // brackets of a header field not yet closed: "p (bar a)" is one field
    while (i < line.size()) {
      while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
      std::size_t end = i;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
      if (end == i) break;
      const std::string_view token = line.substr(i, end - i);
      if (header && !fields.empty() && (open > 0 || token.front() == '(' || token.front() == '['))
        fields.back() += " " + std::string(token);
      else
        fields.emplace_back(token);
      if (header)
        for (char c : token) open = std::max(0, open + (c == '(' || c == '[') - (c == ')' || c == ']'));
      i = end;
    }
    return fields;
  }
  const char c = sep == Separator::Comma ? ',' : sep == Separator::Semicolon ? ';' : '\t';
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = line.find(c, start);
    fields.emplace_back(Trim(line.substr(start, at == std::string_view::npos ? line.npos : at - start)));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
  return fields;
}

struct PressureUnit {
  std::string name;
  double bar = 0;
  std::optional<bool> absolute;
};

std::optional<PressureUnit> UnitOfName(const std::string& lower) {
  // psi as the in-lb-s system holds pressures, so a trace in psi reads back as it was written.
  const std::pair<const char*, double> units[] = {
      {"bar", 1}, {"kpa", 0.01}, {"mpa", 10}, {"pa", 1 / kPascalsPerBar}, {"psi", 1 / HeldPressurePerBar(1)}};
  for (std::size_t k = 0; k < std::size(units); ++k)
    if (lower == units[k].first) return PressureUnit{kPressureUnits[k], units[k].second, std::nullopt};
  return std::nullopt;
}

// "bar", "kPa abs", "psia", "barg", "bar (gauge)", "kPa (a)": the unit and
// what it says of the reference. Blanks and brackets are left out first.
std::optional<PressureUnit> ParsePressureUnit(std::string_view text) {
  std::string t = Lower(text);
  std::erase_if(t, [](char c) { return c == '(' || c == ')' || c == '[' || c == ']'; });
  if (auto u = UnitOfName(t)) return u;
  static constexpr std::pair<const char*, bool> kMarks[] = {
      {"absolute", true}, {"abs", true}, {"gauge", false}, {"gage", false}, {"a", true}, {"g", false}};
  for (const auto& [mark, absolute] : kMarks) {
    if (!t.ends_with(mark)) continue;
    if (auto u = UnitOfName(t.substr(0, t.size() - std::string_view(mark).size()))) {
      u->absolute = absolute;
      return u;
    }
  }
  return std::nullopt;
}

bool DegreeUnit(std::string_view text) {
  const std::string t = Lower(text);
  return t.find("deg") != std::string::npos || t.find('\xB0') != std::string::npos || t == "ca" || t == "cad" ||
         t == "crankangle";
}

// The unit a header field names: in brackets ("p [kPa]", "p (bar) (abs)"),
// after a slash ("p/bar"), or else its last word ("p bar"), which counts only
// when it is a unit (`explicitly` false).
std::string UnitText(std::string_view field, bool& explicitly) {
  explicitly = true;
  const std::size_t open = field.find_first_of("[("), close = field.find_last_of("])");
  if (open != std::string_view::npos && close != std::string_view::npos && close > open) {
    std::string inside(field.substr(open + 1, close - open - 1));
    for (char& c : inside)
      if (c == '[' || c == ']' || c == '(' || c == ')') c = ' ';
    return inside;
  }
  if (const std::size_t slash = field.rfind('/'); slash != std::string_view::npos)
    return std::string(Trim(field.substr(slash + 1)));
  explicitly = false;
  const std::size_t blank = field.find_last_of(" _");
  return blank == std::string_view::npos ? std::string() : std::string(Trim(field.substr(blank + 1)));
}

class Reader {
 public:
  Reader(const std::string& source, const PressureReadOptions& o) : o_(o) {
    trace_.source = VisibleText(Trim(source));
  }

  PressureReading Read(std::string_view text) {
    if (text.starts_with(kUtf8Mark)) text.remove_prefix(3);
    if (!CheckOptions()) return Done();
    int number = 0;
    std::size_t start = 0;
    while (start < text.size() || (start == text.size() && number == 0)) {
      std::size_t end = text.find_first_of("\r\n", start);
      if (end == std::string_view::npos) end = text.size();
      ++number;
      if (!Line(number, text.substr(start, end - start))) return Done();
      start = end + (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n' ? 2 : 1);
    }
    if (trace_.angles.size() < static_cast<std::size_t>(kFewestTracePoints)) {
      Refuse(std::max(last_, 1), 1,
             "only " + std::to_string(trace_.angles.size()) + " points; a trace needs at least " +
                 std::to_string(kFewestTracePoints));
      return Done();
    }
    trace_.lastLine = last_;
    reading_.trace = CompleteTrace(std::move(trace_));
    return Done();
  }

 private:
  PressureReading Done() {
    if (!reading_.fault.empty()) reading_.trace.reset();
    return std::move(reading_);
  }

  bool Refuse(int line, int column, const std::string& what) {
    reading_.fault = trace_.source + ": line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + what;
    return false;
  }
  bool RefuseOption(const std::string& what) {
    reading_.fault = trace_.source + ": " + what;
    return false;
  }

  bool CheckOptions() {
    if (!o_.unit.empty()) {
      auto u = UnitOfName(Lower(o_.unit));
      if (!u) return RefuseOption("the pressure unit " + Quoted(o_.unit) + " is not one of " + kUnitList);
      unit_ = *u;
      reading_.unitChosen = true;
    }
    if (!std::isfinite(o_.tdcOffset) || std::fabs(o_.tdcOffset) > kMaxAngle)
      return RefuseOption("the top dead centre offset must be a number of degrees within 1000000");
    if (o_.crankcase && !(std::isfinite(*o_.crankcase) && *o_.crankcase >= 0))
      return RefuseOption("the crankcase pressure must be a number not below 0");
    return true;
  }

  // "# source: NAME" and "# compression ratio: R"; other comments are left out.
  bool Comment(int number, std::string_view line) {
    line = Trim(line.substr(1));
    const std::string lower = Lower(line.substr(0, std::min<std::size_t>(line.size(), 24)));
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos) return true;
    const std::string_view value = Trim(line.substr(colon + 1));
    if (lower.starts_with("source:")) {
      // An empty source names nothing: the trace keeps the file's name.
      if (std::string name = VisibleText(value); !Trim(name).empty()) trace_.source = std::string(Trim(name));
    } else if (lower.starts_with("compressionratio:")) {
      double ratio = 0;
      if (!ParseDecimal(value, ratio) || !(ratio > 1 && ratio <= 1000))
        return Refuse(number, 1, "the compression ratio " + Quoted(value) + " is not a number above 1 and up to 1000");
      trace_.compressionRatio = ratio;
    }
    return true;
  }

  bool Line(int number, std::string_view line) {
    if (Trim(line).starts_with('#')) return Comment(number, Trim(line));
    if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
    line = Trim(line);
    if (line.empty()) return true;
    if (!separator_) separator_ = SeparatorOf(line);
    std::vector<std::string> fields = Fields(line, *separator_, false);
    if (columns_ == 0) {
      double v;
      const bool numbers = std::all_of(fields.begin(), fields.end(), [&](const std::string& f) { return ParseDecimal(f, v); });
      if (!numbers) return Header(number, Fields(line, *separator_, true));
      if (!Columns(number, fields.size()) || !Units(number, {})) return false;
    }
    return Point(number, fields);
  }

  bool Columns(int number, std::size_t count) {
    trace_.columnsLine = number;
    if (count < 2)
      return Refuse(number, 2, "one column only: a trace needs the crank angle and at least one pressure column");
    if (count > kMaxColumns)
      return Refuse(number, static_cast<int>(kMaxColumns) + 1,
                    "more than " + std::to_string(kMaxCylinders) + " pressure columns");
    columns_ = count;
    trace_.columns.assign(count - 1, {});
    return true;
  }

  bool Header(int number, const std::vector<std::string>& fields) {
    if (!Columns(number, fields.size())) return false;
    for (const std::string& f : fields) reading_.names.push_back(VisibleText(f));
    return Units(number, fields);
  }

  // The angle's unit, the pressure unit and its reference, from the header
  // (when there is one) and the choices.
  bool Units(int number, const std::vector<std::string>& header) {
    if (header.empty())
      for (std::size_t c = 0; c < columns_; ++c)
        reading_.names.push_back(c == 0 ? "angle" : columns_ == 2 ? "p" : "p" + std::to_string(c));
    std::optional<PressureUnit> common;
    int commonColumn = 0;
    std::optional<bool> absolute;
    for (std::size_t c = 0; c < header.size(); ++c) {
      bool explicitly = false;
      const std::string text = UnitText(header[c], explicitly);
      const int column = static_cast<int>(c) + 1;
      if (c == 0) {
        if (explicitly && !DegreeUnit(text))
          return Refuse(number, 1, "the angle unit " + Quoted(text) + " is not degrees of crank angle");
        continue;
      }
      std::optional<PressureUnit> u = text.empty() ? std::nullopt : ParsePressureUnit(text);
      if (!u) {
        if (explicitly && !reading_.unitChosen)
          return Refuse(number, column, "unknown pressure unit " + Quoted(text) + ": use " + kUnitList);
        continue;
      }
      if (u->absolute) {
        if (absolute && *absolute != *u->absolute)
          return Refuse(number, column, "one pressure column is gauge and another absolute");
        absolute = u->absolute;
      }
      if (reading_.unitChosen) continue;
      if (common && common->name != u->name)
        return Refuse(number, column,
                      "this column is in " + u->name + " and column " + std::to_string(commonColumn) + " in " +
                          common->name + ": every pressure column takes the same unit");
      if (!common) common = u, commonColumn = column;
    }
    if (!reading_.unitChosen) {
      if (!common)
        return Refuse(number, 2,
                      std::string("no pressure unit: name it in the header, as \"p [bar]\", or choose one of ") +
                          kUnitList);
      unit_ = *common;
    }
    reading_.unit = unit_.name;
    reading_.referenceGiven = o_.absolute.has_value() || absolute.has_value();
    reading_.absolute = o_.absolute.value_or(absolute.value_or(false));
    if (o_.crankcase) reading_.crankcaseBar = *o_.crankcase * unit_.bar;
    if (!(reading_.crankcaseBar <= kHighestGaugeBar))
      return RefuseOption("the crankcase pressure is above 10000 bar");
    return true;
  }

  bool Point(int number, const std::vector<std::string>& fields) {
    if (fields.size() != columns_) {
      const int column = static_cast<int>(std::min(fields.size(), columns_)) + 1;
      return Refuse(number, column,
                    (fields.size() < columns_ ? "missing: the lines before have " : "one column too many: the lines before have ") +
                        std::to_string(columns_) + " columns");
    }
    if (trace_.angles.size() >= kMaxPoints)
      return Refuse(number, 1, "more than " + std::to_string(kMaxPoints) + " points");
    std::vector<double> values(columns_);
    for (std::size_t c = 0; c < columns_; ++c) {
      if (!ParseDecimal(fields[c], values[c])) {
        const bool comma = fields[c].find(',') != std::string::npos;
        return Refuse(number, static_cast<int>(c) + 1,
                      Quoted(fields[c]) + " is not a number" + (comma ? " (the decimal separator is the point)" : ""));
      }
    }
    if (std::fabs(values[0]) > kMaxAngle)
      return Refuse(number, 1, "the angle " + Number(values[0]) + " lies beyond 1000000 degrees");
    const double angle = values[0] - o_.tdcOffset;
    if (!trace_.angles.empty() && !(angle >= trace_.angles.back() + kLeastStep))
      return Refuse(number, 1,
                    "the angles do not increase: " + Number(values[0]) + " follows " + Number(previous_) + " on line " +
                        std::to_string(last_));
    for (std::size_t c = 1; c < columns_; ++c) {
      const double bar = values[c] * unit_.bar - (reading_.absolute ? reading_.crankcaseBar : 0);
      const std::string given = Number(values[c]) + " " + unit_.name + (reading_.absolute ? " absolute" : "");
      if (bar < kLowestGaugeBar) return Refuse(number, static_cast<int>(c) + 1, given + " is below -1 bar gauge");
      if (bar > kHighestGaugeBar) return Refuse(number, static_cast<int>(c) + 1, given + " is above 10000 bar");
      trace_.columns[c - 1].push_back(bar);
    }
    trace_.angles.push_back(angle);
    previous_ = values[0];
    last_ = number;
    return true;
  }

  const PressureReadOptions& o_;
  PressureTrace trace_;
  PressureReading reading_;
  PressureUnit unit_{"bar", 1, std::nullopt};
  std::optional<Separator> separator_;
  std::size_t columns_ = 0;
  double previous_ = 0;
  int last_ = 0;
};

// The shortest decimal that reads back as the same double.
std::string Exact(double v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace

std::string PressureUnitName(std::string_view text) {
  auto u = UnitOfName(Lower(text));
  return u ? u->name : std::string();
}

PressureReading ReadPressureText(std::string_view text, const std::string& source, const PressureReadOptions& o) {
  return Reader(source, o).Read(text);
}

PressureReading ReadPressureFile(const std::string& path, const PressureReadOptions& o) {
  namespace fs = std::filesystem;
  const std::string name = fs::path(path).filename().string();
  PressureReading refused;
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (!fs::exists(status)) {
    refused.fault = "The pressure file '" + path + "' was not found.";
  } else if (!fs::is_regular_file(status)) {
    refused.fault = "'" + path + "' is not a file of pressures.";
  } else if (fs::file_size(path, ec) > kMaxFileBytes) {
    refused.fault = "The pressure file '" + path + "' is larger than 32 MB.";
  } else {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (in && (text << in.rdbuf())) return ReadPressureText(text.str(), name, o);
    refused.fault = "The pressure file '" + path + "' could not be read.";
  }
  return refused;
}

std::string PressureFileText(const PressureTrace& t) {
  const char* crlf = "\r\n";
  std::string s = "# ZORVAN pressure trace: gauge pressure (bar) over the crank angle (degrees from the firing top "
                  "dead centre)";
  s += crlf;
  if (!t.source.empty()) s += "# source: " + t.source + crlf;
  if (t.compressionRatio) s += "# compression ratio: " + Exact(*t.compressionRatio) + crlf;
  s += "angle (deg)";
  for (int c = 0; c < t.Columns(); ++c) s += t.Columns() == 1 ? ",p (bar)" : ",p" + std::to_string(c + 1) + " (bar)";
  s += crlf;
  for (int k = 0; k < t.Points(); ++k) {
    s += Exact(t.angles[k]);
    for (const std::vector<double>& column : t.columns) s += "," + Exact(column[k]);
    s += crlf;
  }
  return s;
}

std::string PressurePreviewText(const PressureReading& r) {
  if (!r.trace) return r.fault;
  const PressureTrace& t = *r.trace;
  const char* cr = "\r";
  std::string s = t.source + ": " + std::to_string(t.Points()) + " points, " +
                  (t.Columns() == 1 ? std::string("one pressure column for every cylinder")
                                    : std::to_string(t.Columns()) + " pressure columns, one per cylinder") + cr;
  std::string names;
  for (const std::string& n : r.names) names += (names.empty() ? "" : ", ") + n;
  s += "Columns: " + names + cr;
  s += "Pressure unit: " + r.unit + (r.unitChosen ? " (chosen)" : " (from the header)") + ", " +
       (r.absolute ? "absolute, less the crankcase pressure of " + Number(r.crankcaseBar) + " bar" : "gauge") +
       (r.referenceGiven ? "" : " (not said: taken as gauge)") + cr;
  double lo = HUGE_VAL, hi = -HUGE_VAL, peakAngle = 0;
  for (const std::vector<double>& column : t.columns)
    for (std::size_t k = 0; k < column.size(); ++k) {
      lo = std::min(lo, column[k]);
      if (column[k] > hi) hi = column[k], peakAngle = t.angles[k];
    }
  s += "Crank angle from " + Number(t.angles.front()) + " to " + Number(t.angles.back()) + " degrees" + cr;
  s += "Gauge pressure from " + Number(lo) + " to " + Number(hi) + " bar, the peak at " + Number(peakAngle) +
       " degrees" + cr;
  for (const TraceCycleFit& fit : t.fits)
    if (fit.fault.empty())
      s += std::string(&fit == &t.fits[0] ? "Two-stroke" : "Four-stroke") + ": " + std::to_string(fit.cycles) +
           (fit.cycles == 1 ? " cycle" : " cycles, averaged") + cr;
  return s;
}

std::string PressureFilePath(const std::string& modelPath) {
  std::string base = modelPath;
  const std::size_t dot = base.rfind('.');
  const std::size_t slash = base.find_last_of("/\\");
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
    std::string ext = base.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
    if (ext == ".zrv") base.resize(dot);
  }
  return base + ".pressure.csv";
}

}  // namespace zorvan
