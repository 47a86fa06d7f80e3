// Placeholder bodies; replaced by the numeric helpers.
#include "core/numeric.h"
namespace zorvan {
float FNArcSin(float) { RaiseError(51); }
double Atan2(float, float) { RaiseError(51); }
void Cart_to_Polar(float, float, float&, float&) { RaiseError(51); }
double FNRound(double, int16_t) { RaiseError(51); }
std::string FNRoundStr(double, int16_t) { RaiseError(51); }
void MaxMin1(std::span<const float>, int, int, float&, float&) { RaiseError(51); }
void MaxMinAvg(std::span<const float>, int, float&, float&, float&) { RaiseError(51); }
float GlobalMax(std::span<const float>, std::span<const float>, int, int) { RaiseError(51); }
void Rotate(float, float, float, int16_t, float&, float&) { RaiseError(51); }
}  // namespace zorvan
