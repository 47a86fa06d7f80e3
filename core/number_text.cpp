// The general number text and its reading back. Shortest digits come from
// std::to_chars, reading from std::from_chars: both exact and independent of the
// process locale (the desktop program runs with the user's locale).
#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "core/runtime_error.h"

namespace zorvan {

namespace {

// The decimal digits (no trailing zeros) and the power of ten of the first one.
struct Digits {
  std::string digits;
  int exponent = 0;
};

Digits ScientificDigits(float magnitude, int maxDigits) {
  char buf[64];
  auto r = maxDigits > 0 ? std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                         maxDigits - 1)
                         : std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific);
  std::string_view s(buf, r.ptr - buf);  // d[.ddd]e±xx
  std::size_t e = s.find('e');
  Digits d;
  for (char c : s.substr(0, e))
    if (c != '.') d.digits.push_back(c);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  d.exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
  return d;
}

std::string Compose(const Digits& d) {
  const std::string& g = d.digits;
  int x = d.exponent;
  if (x < -4 || x >= 7) {
    std::string text = g.substr(0, 1);
    if (g.size() > 1) text += "." + g.substr(1);
    std::string ex = std::to_string(std::abs(x));
    if (ex.size() < 2) ex.insert(0, "0");
    return text + "E" + (x < 0 ? "-" : "+") + ex;
  }
  if (x < 0) return "." + std::string(-x - 1, '0') + g;
  std::size_t whole = static_cast<std::size_t>(x) + 1;
  if (g.size() <= whole) return g + std::string(whole - g.size(), '0');
  return g.substr(0, whole) + "." + g.substr(whole);
}

std::string NumberText(float v, int maxDigits) {
  if (!std::isfinite(v)) RaiseError(err::Overflow);
  if (v == 0.0f) return std::signbit(v) && maxDigits == 0 ? "-0" : "0";
  std::string sign = v < 0 ? "-" : "";
  return sign + Compose(ScientificDigits(std::fabs(v), maxDigits));
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The parts of a decimal number text; false when the text is not one.
struct DecimalParts {
  std::string_view number;  // without blanks and without a leading "+"
  int order = 0;            // the value lies in [10^(order-1), 10^order) unless it is 0
  bool zero = true;
};

bool SplitDecimal(std::string_view text, DecimalParts& parts) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  parts.number = text;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  int before = 0, after = 0, firstNonZero = -1, position = 0;
  auto digit = [&](char c) { return c >= '0' && c <= '9'; };
  for (; i < text.size() && digit(text[i]); ++i, ++before, ++position)
    if (firstNonZero < 0 && text[i] != '0') firstNonZero = position;
  if (i < text.size() && text[i] == '.') {
    ++i;
    for (; i < text.size() && digit(text[i]); ++i, ++after, ++position)
      if (firstNonZero < 0 && text[i] != '0') firstNonZero = position;
  }
  if (before + after == 0) return false;
  long exponent = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    std::size_t start = i;
    for (; i < text.size() && digit(text[i]); ++i)
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
    if (i == start) return false;
    if (negative) exponent = -exponent;
  }
  if (i != text.size()) return false;
  parts.zero = firstNonZero < 0;
  parts.order = static_cast<int>(before - firstNonZero + exponent);
  return true;
}

}  // namespace

std::string ExactNumberText(float v) { return NumberText(v, 0); }

std::string GeneralNumberText(float v) {
  if (v == 0.0f) return "0";
  return NumberText(v, 7);
}

std::string Str(float v) { return v < 0 ? GeneralNumberText(v) : " " + GeneralNumberText(v); }

std::string Str(int v) { return v < 0 ? std::to_string(v) : " " + std::to_string(v); }

bool ParseDecimal(std::string_view text, double& value) {
  DecimalParts parts;
  if (!SplitDecimal(text, parts)) return false;
  double v = 0;
  auto r = std::from_chars(parts.number.data(), parts.number.data() + parts.number.size(), v,
                           std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    if (parts.order > 0) return false;
    v = parts.number.front() == '-' ? -0.0 : 0.0;
  } else if (r.ec != std::errc() || r.ptr != parts.number.data() + parts.number.size()) {
    return false;
  }
  value = v;
  return true;
}

bool ParseFloat(std::string_view text, float& value, bool& overflow) {
  overflow = false;
  DecimalParts parts;
  if (!SplitDecimal(text, parts)) return false;
  float v = 0;
  auto r = std::from_chars(parts.number.data(), parts.number.data() + parts.number.size(), v,
                           std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    if (parts.order > 0) {
      overflow = true;
      return false;
    }
    v = parts.number.front() == '-' ? -0.0f : 0.0f;
  } else if (r.ec != std::errc() || r.ptr != parts.number.data() + parts.number.size()) {
    return false;
  }
  value = v;
  return true;
}

std::string DigitsText(double v, int digits) {
  std::string text;
  AppendDigitsText(text, v, digits);
  return text;
}

void AppendDigitsText(std::string& out, double v, int digits) {
  // Exactly what printf's "%.*g" writes, in the C locale (nan, -nan, inf, -inf included).
  char buf[40];
  const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits);
  out.append(buf, r.ptr);
}

std::string JsonNumberText(double v, int digits) { return std::isfinite(v) ? DigitsText(v, digits) : "null"; }

std::string ShortestText(float v) {
  char buf[32];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

std::string ShortestDoubleText(double v) {
  char buf[40];
  const auto r = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, r.ptr);
}

}  // namespace zorvan
