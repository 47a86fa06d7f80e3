#include "files/balancer_file.h"

#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/balance_shafts.h"
#include "core/csv_writer.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "files/atomic_file.h"
#include "files/model_file.h"

namespace zorvan {

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader = "Order,Sense,Mass x radius (kg m),Phase (deg),Place (m)";
constexpr std::uintmax_t kMaxFileBytes = 64 * 1024;

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == ',')
      fields.emplace_back();
    else
      fields.back() += c;
  }
  return fields;
}

// A whole number among those allowed, or a finite value.
bool Whole(const std::string& text, int& v) {
  double x;
  if (!ParseDecimal(text, x) || x != std::floor(x) || std::fabs(x) > 10) return false;
  v = static_cast<int>(x);
  return true;
}

bool RowOf(const std::string& line, BalanceShaft& s, std::string& why) {
  const std::vector<std::string> f = Fields(line);
  if (f.size() != 5) {
    why = "it has " + std::to_string(f.size()) + " fields, not 5 (order, sense, mass x radius, phase, place)";
    return false;
  }
  if (!Whole(f[0], s.order)) s.order = 0;
  if (!Whole(f[1], s.sense)) s.sense = 0;
  const char* names[] = {"mass x radius", "phase", "place"};
  double* values[] = {&s.massRadius, &s.phase, &s.position};
  for (int k = 0; k < 3; ++k) {
    if (!ParseDecimal(f[k + 2], *values[k])) {
      why = std::string("the ") + names[k] + " '" + f[k + 2] + "' is not a number";
      return false;
    }
  }
  if (auto fault = ShaftFault(s)) {
    why = *fault;
    return false;
  }
  return true;
}

// The bytes of a regular file, or none when there is no file at all.
std::optional<std::string> Existing(const std::string& path) {
  std::error_code ec;
  const auto status = fs::status(path, ec);
  if (!fs::exists(status)) return std::nullopt;
  if (!fs::is_regular_file(status)) RaiseError(err::PathFileAccess);
  if (fs::file_size(path, ec) > kMaxFileBytes) throw RunTimeError(err::PathFileAccess, "The file is too large");
  std::ifstream in(path, std::ios::binary);
  if (!in) RaiseError(ErrorNumberForErrno(errno));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Puts the balancer file back as it was: its old bytes, or no file.
void Restore(const std::string& path, const std::optional<std::string>& old) {
  try {
    if (old) {
      ReplaceFileAtomically(path, *old);
    } else {
      std::error_code ec;
      fs::remove(path, ec);
    }
  } catch (const std::exception&) {
    // The model file's failure is the one to tell.
  }
}

}  // namespace

std::string BalancerFilePath(const std::string& modelPath) {
  std::string base = modelPath;
  const std::size_t slash = base.find_last_of("/\\");
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  if (base.size() >= name + 5) {
    std::string ext = base.substr(base.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == ".zrv") base.resize(base.size() - 4);
  }
  return base + ".balancer.csv";
}

std::string BalancerFileText(const std::vector<BalanceShaft>& shafts) {
  std::string text = std::string(kHeader) + kCsvFile.lineEnd;
  CsvWriter csv(text, kCsvFile);
  for (const BalanceShaft& s : shafts) {
    csv.Whole(s.order).Whole(s.sense).Number(s.massRadius, 17).Number(s.phase, 17).Number(s.position, 17);
    csv.EndLine();
  }
  return text;
}

bool ParseBalancerText(const std::string& text, std::vector<BalanceShaft>& shafts, std::string& error) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  if (lines.empty() || lines[0] != kHeader) {
    error = std::string("its first line is not the header \"") + kHeader + "\"";
    return false;
  }
  std::vector<BalanceShaft> read;
  for (std::size_t k = 1; k < lines.size(); ++k) {
    const std::string row = "row " + std::to_string(k) + " (line " + std::to_string(k + 1) + ")";
    if (read.size() == kMaxShafts) {
      error = row + ": more than " + std::to_string(kMaxShafts) + " shafts";
      return false;
    }
    BalanceShaft s;
    std::string why;
    if (!RowOf(lines[k], s, why)) {
      error = row + ": " + why;
      return false;
    }
    read.push_back(s);
  }
  shafts = std::move(read);
  return true;
}

bool ReadBalancerFile(const std::string& modelPath, std::vector<BalanceShaft>& shafts, MessageList& messages) {
  const std::string path = BalancerFilePath(modelPath);
  std::string error;
  std::vector<BalanceShaft> read;
  try {
    const std::optional<std::string> text = Existing(path);
    if (!text || ParseBalancerText(*text, read, error)) {
      shafts = std::move(read);
      return true;
    }
  } catch (const std::exception& e) {
    error = ErrorDescriptionOf(e);
  }
  messages.Add("The balance shafts in \"" + path + "\" cannot be read: " + error + ".", Icon::Warning);
  return false;
}

void SaveDesignFiles(const std::string& modelPath, const EngineDesignRecord& d, const ProgramValues& v,
                     MessageList& messages) {
  (void)ModelFileText(d, v);  // a design that cannot be written fails before any file is touched
  const std::string path = BalancerFilePath(modelPath);
  const std::optional<std::string> old = Existing(path);
  if (!d.BalanceShafts.empty()) {
    ReplaceFileAtomically(path, BalancerFileText(d.BalanceShafts));
  } else if (old) {
    std::error_code ec;
    if (!fs::remove(path, ec) && ec) RaiseError(ErrorNumberForErrno(ec.value()));
  }
  try {
    WriteModelFiles(modelPath, d, v);  // with the shaft's stations file
  } catch (...) {
    Restore(path, old);
    throw;
  }
  messages.Add(std::string("The file was successfully written to ") + "\r\n" + modelPath +
                   (d.BalanceShafts.empty() ? "" : "\r\nand its balance shafts to\r\n" + path),
               Icon::Information);
}

}  // namespace zorvan
