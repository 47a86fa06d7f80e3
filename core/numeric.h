#pragma once
// Shared routines for angles, rounding, number formatting, extremes and rotation.
// Each reports nothing itself: failures propagate as RunTimeError to the caller,
// whose boundary reports them.
#include <cstdint>
#include <span>
#include <string>

#include "core/crank_angle_table.h"

namespace zorvan {

constexpr double kPi = 3.141592654;           // the program's pi, everywhere
constexpr double kDegToRad = 3.141592654 / 180;
constexpr double kRadToDeg = 57.29577950560105;

float FNArcSin(float x);
double Atan2(float x, float y);
void Cart_to_Polar(float x, float y, float& magnitude, float& angleDegrees);
double FNRound(double value, int16_t places);
std::string FNRoundStr(double value, int16_t places);
void MaxMin1(std::span<const float> values, int first, int last, float& smallest, float& largest);
// One column of a row-major table; rows of the first occurrence of each extreme.
template <std::size_t Cols>
void MaxMin2(const std::array<std::array<float, Cols>, kRows>& table, int column, int first, int last,
             float& smallest, float& largest, int& rowSmallest, int& rowLargest);
void MaxMinAvg(std::span<const float> values, int n, float& smallest, float& largest, float& average);
float GlobalMax(std::span<const float> a, std::span<const float> b, int first, int last);
void Rotate(float x, float y, float angleDegrees, int16_t sign, float& xOut, float& yOut);
// The turn of Rotate once the cos and sin of its angle are known, for loops
// that turn several vectors through the same angle.
void RotateCosSin(float x, float y, double cosPhi, double sinPhi, float& xOut, float& yOut);

}  // namespace zorvan

#include "core/numeric_impl.h"
