// Shared numeric helpers: angles, rounding, display formatting, extremes and
// vector rotation. Failures are thrown as RunTimeError; the calling procedure's
// boundary reports them.
#include "core/numeric.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/checked.h"
#include "core/slider_crank.h"

namespace zorvan {

float FNArcSin(float x) {
  // x = ±1 deliberately gives 0, like any |x| > 1: callers treat the
  // degenerate right angle as "no angle".
  if (std::isnan(x)) RaiseError(err::Overflow);
  return ArcSinOfSingle(x);
}

double Atan2(float x, float y) {
  if (std::isnan(x) || std::isnan(y)) RaiseError(err::Overflow);
  if (x != 0.0f) {
    double a = std::atan(static_cast<double>(y) / static_cast<double>(x));
    return x < 0.0f ? a + kPi : a;
  }
  if (y > 0.0f) return 1.570796327;
  if (y < 0.0f) return -1.570796327;
  return 0.0;
}

void Cart_to_Polar(float x, float y, float& magnitude, float& angleDegrees) {
  double angle;
  if (x == 0.0f) {
    constexpr float kHalfPi = static_cast<float>(kPi / 2);
    angle = y > 0.0f ? kHalfPi : (y < 0.0f ? -kHalfPi : 0.0f);
    if (std::isnan(y)) RaiseError(err::Overflow);
  } else {
    angle = Atan2(x, y);
  }
  double dx = x, dy = y;
  magnitude = Sng(std::sqrt(dx * dx + dy * dy));
  angleDegrees = Sng(angle * kRadToDeg);
}

double FNRound(double value, int16_t places) {
  Chk(value);
  if (places == 0) return std::floor(value + 0.5);
  double scale = (places >= 1 && places <= 5) ? std::pow(10.0, places) : 1e6;
  return Chk(std::floor(Chk(value * scale) + 0.5) / scale);
}

namespace {

// The decimal digits of |value| to 15 significant places, as the classic
// formatter sees a double, and the power of ten of the first digit.
struct Decimal {
  std::string digits;  // exactly 15 digits, the first non-zero unless the value is 0
  int exponent = 0;    // value = 0.d1d2d3... x 10^(exponent+1)
};

Decimal ToDecimal(double magnitude) {
  Decimal d;
  if (magnitude == 0.0) {
    d.digits.assign(15, '0');
    return d;
  }
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14e", magnitude);  // d.dddddddddddddde±xx
  d.digits.push_back(buf[0]);
  d.digits.append(buf + 2, 14);
  d.exponent = std::atoi(buf + 17);
  return d;
}

// Rounds a digit string half away from zero to keep `keep` digits; returns
// true when the rounding carried into a new leading digit.
bool RoundDigits(std::string& digits, int keep) {
  if (keep < 0) {
    digits.clear();
    return false;
  }
  if (keep >= static_cast<int>(digits.size())) {
    digits.append(keep - digits.size(), '0');
    return false;
  }
  bool up = digits[keep] >= '5';
  digits.resize(keep);
  if (!up) return false;
  for (int i = keep - 1; i >= 0; --i) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      return false;
    }
  }
  digits.insert(digits.begin(), '1');
  return true;
}

std::string GroupThousands(const std::string& whole) {
  std::string out;
  int n = static_cast<int>(whole.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out.push_back(',');
    out.push_back(whole[i]);
  }
  return out;
}

// "#,###,###,##0.<decimals>": at least one whole digit, thousands separated.
std::string FixedText(double value, int decimals) {
  Decimal d = ToDecimal(std::fabs(value));
  // The digits of |value| * 10^decimals rounded to a whole number.
  std::string digits = d.digits;
  RoundDigits(digits, d.exponent + 1 + decimals);
  std::size_t nonZero = digits.find_first_not_of('0');
  bool isZero = nonZero == std::string::npos;
  digits.erase(0, isZero ? digits.size() : nonZero);
  if (digits.size() < static_cast<std::size_t>(decimals) + 1)
    digits.insert(0, decimals + 1 - digits.size(), '0');
  std::size_t wholeDigits = digits.size() - decimals;
  std::string text = (value < 0 && !isZero) ? "-" : "";
  return text + GroupThousands(digits.substr(0, wholeDigits)) + "." + digits.substr(wholeDigits);
}

// "0.00E+#": three significant digits and an exponent without leading zeros.
std::string ScientificText(double value) {
  Decimal d = ToDecimal(std::fabs(value));
  std::string digits = d.digits;
  int exponent = d.exponent;
  if (RoundDigits(digits, 3)) {
    ++exponent;
    digits.resize(3);
  }
  if (value == 0.0) exponent = 0;
  std::string text = value < 0 ? "-" : "";
  text += digits.substr(0, 1) + "." + digits.substr(1, 2) + "E";
  text += exponent < 0 ? "-" : "+";
  text += std::to_string(std::abs(exponent));
  return text;
}

}  // namespace

std::string FNRoundStr(double value, int16_t places) {
  Chk(value);
  if (places < 0) return ScientificText(value);
  if (places <= 4) return FixedText(value, places);
  std::string text = FixedText(value, 6);
  return text.insert(text.size() - 3, " ");  // "0.000 000"
}

namespace {
void CheckRange(std::size_t size, int first, int last) {
  if (first < 0 || first >= static_cast<int>(size)) RaiseError(err::SubscriptOutOfRange);
  if (last >= first && last >= static_cast<int>(size)) RaiseError(err::SubscriptOutOfRange);
}
}  // namespace

void MaxMin1(std::span<const float> values, int first, int last, float& smallest, float& largest) {
  CheckRange(values.size(), first, last);
  smallest = largest = values[first];
  for (int i = first; i <= last; ++i) {
    if (values[i] < smallest) smallest = values[i];
    if (values[i] > largest) largest = values[i];
  }
}

void MaxMinAvg(std::span<const float> values, int n, float& smallest, float& largest, float& average) {
  if (n < 0) RaiseError(err::SubscriptOutOfRange);
  CheckRange(values.size(), 0, n);
  smallest = largest = values[0];
  double sum = 0.0;
  for (int i = 1; i <= n; ++i) {
    if (values[i] < smallest) smallest = values[i];
    if (values[i] > largest) largest = values[i];
    sum += values[i];
  }
  // n = 0 is 0/0: the classic Overflow.
  average = Sng(Div(sum, n));
}

float GlobalMax(std::span<const float> a, std::span<const float> b, int first, int last) {
  float s1, l1, s2, l2;
  MaxMin1(a, first, last, s1, l1);
  MaxMin1(b, first, last, s2, l2);
  float best = std::fabs(s1);
  for (float v : {l1, s2, l2})
    if (std::fabs(v) > best) best = std::fabs(v);
  return best;
}

void Rotate(float x, float y, float angleDegrees, int16_t sign, float& xOut, float& yOut) {
  double phi = Chk(sign * static_cast<double>(angleDegrees) * kDegToRad);
  RotateCosSin(x, y, std::cos(phi), std::sin(phi), xOut, yOut);
}

void RotateCosSin(float x, float y, double cosPhi, double sinPhi, float& xOut, float& yOut) {
  double dx = x, dy = y;
  float nx = Sng(dx * cosPhi - dy * sinPhi);
  float ny = Sng(dx * sinPhi + dy * cosPhi);
  xOut = nx;
  yOut = ny;
}

}  // namespace zorvan
