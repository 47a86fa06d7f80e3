#pragma once
// Checked arithmetic: the places where the classic runtime raised Overflow or
// Division by zero. Everything numeric that can fault goes through these.
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/runtime_error.h"

namespace zorvan {

// A finite double, or error 6 (an overflowed or invalid floating result).
inline double Chk(double v) {
  if (!std::isfinite(v)) RaiseError(err::Overflow);
  return v;
}

// Stores a double into a float32 field; out of float range (or NaN) is error 6.
inline float Sng(double v) {
  if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<float>::max())
    RaiseError(err::Overflow);
  return static_cast<float>(v);
}

// a / b with the classic faults: 0/0 is Overflow (6), x/0 is Division by zero (11).
inline double Div(double a, double b) {
  if (b == 0.0) RaiseError(a == 0.0 || std::isnan(a) ? err::Overflow : err::DivisionByZero);
  return Chk(a / b);
}

// Integer value into an int16 field; outside -32768..32767 is error 6.
inline int16_t Int16(long long v) {
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
    RaiseError(err::Overflow);
  return static_cast<int16_t>(v);
}

// A double rounded half-to-even into int16 (the classic CInt), error 6 out of range.
inline int16_t CInt(double v) {
  if (!std::isfinite(v) || v < -32768.5 || v >= 32767.5) RaiseError(err::Overflow);
  return Int16(static_cast<long long>(std::nearbyint(v)));
}

inline int16_t Add16(int16_t a, int16_t b) { return Int16(static_cast<long long>(a) + b); }
inline int16_t Sub16(int16_t a, int16_t b) { return Int16(static_cast<long long>(a) - b); }
inline int16_t Mul16(int16_t a, int16_t b) { return Int16(static_cast<long long>(a) * b); }

}  // namespace zorvan
