#include "core/entry_number.h"

#include <cctype>
#include <cmath>

#include "core/number_text.h"

namespace zorvan {

namespace {

// Removes grouping commas; false when a comma stands anywhere but between
// groups of three digits of the whole part ("12,345,678.5").
bool Ungroup(std::string& s) {
  if (s.find(',') == std::string::npos) return true;
  const std::size_t start = s[0] == '+' || s[0] == '-' ? 1 : 0;
  std::size_t end = start;
  while (end < s.size() && (std::isdigit(static_cast<unsigned char>(s[end])) || s[end] == ',')) ++end;
  if (s.find(',', end) != std::string::npos) return false;
  std::string digits;
  std::size_t group = 0;
  for (std::size_t i = start; i < end; ++i) {
    if (s[i] != ',') {
      digits += s[i];
      ++group;
      continue;
    }
    // The first group has 1 to 3 digits, every later one exactly 3.
    if (group == 0 || group > 3 || (digits.size() > group && group != 3)) return false;
    group = 0;
  }
  if (group != 3) return false;
  s = s.substr(0, start) + digits + s.substr(end);
  return true;
}

// The text without blanks and grouping commas; empty when it cannot be a number.
std::string Compact(std::string_view text) {
  std::string compact;
  for (char c : text)
    if (c != ' ' && c != '\t') compact += c;
  return !compact.empty() && Ungroup(compact) ? compact : std::string();
}

}  // namespace

EntryRead ReadEntryNumber(std::string_view text, double& value) {
  const std::string compact = Compact(text);
  if (compact.empty()) return EntryRead::NotANumber;
  float v = 0;
  bool overflow = false;
  if (!ParseFloat(compact, v, overflow)) return overflow ? EntryRead::OutOfRange : EntryRead::NotANumber;
  value = v;
  return EntryRead::Number;
}

EntryRead ReadEntryDecimal(std::string_view text, double& value) {
  const std::string compact = Compact(text);
  double v = 0;
  if (compact.empty() || !ParseDecimal(compact, v)) return EntryRead::NotANumber;
  if (!std::isfinite(v)) return EntryRead::OutOfRange;
  value = v;
  return EntryRead::Number;
}

std::string EntryReadMessage(EntryRead r, const std::string& what) {
  return "The " + what + (r == EntryRead::OutOfRange ? " is out of range.  Please redo." : " is not a number.  Please redo.");
}

}  // namespace zorvan
