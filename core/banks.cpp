// Bank assignment of vee, opposed and W engines, and the tilt of each bank.
#include "core/banks.h"

#include <cmath>

#include "core/checked.h"
#include "core/numeric.h"
#include "core/runtime_error.h"

namespace zorvan {

namespace {

// n/d rounded to the nearest whole number, halves to the even one.
int RoundHalfEven(int n, int d) {
  int q = n / d, r = n % d;
  if (2 * r > d || (2 * r == d && q % 2 == 1)) ++q;
  return q;
}

void SetBank(EngineDesignRecord& d, CylinderGroup g, float bank, double angle) {
  for (int k = g.first; k <= g.last; ++k) {
    d.BankNumber[k] = bank;
    d.BankAngle[k] = Sng(angle);
  }
}

void SetBankAngle(EngineDesignRecord& d, int bank, double degrees) {
  double rad = degrees * kDegToRad;
  d.BankAngleRad[bank] = Sng(rad);
  d.BankCos[bank] = Sng(std::cos(rad));
  d.BankSin[bank] = Sng(std::sin(rad));
}

}  // namespace

// The first bank ends at round(n/2) (halves to even); the second bank takes
// every cylinder after it, so an odd count leaves no cylinder out and none in both.
CylinderGroup HalfGroup(int n, int half) {
  const int split = RoundHalfEven(n, 2);
  if (half == 1) return {1, split};
  if (half == 2) return {split + 1, n};
  RaiseError(err::SubscriptOutOfRange);
}

// n/3 is never a half, so the thirds end at round(n/3), round(2n/3) and n.
CylinderGroup ThirdGroup(int n, int third) {
  const int firstEnd = RoundHalfEven(n, 3), secondEnd = RoundHalfEven(2 * n, 3);
  if (third == 1) return {1, firstEnd};
  if (third == 2) return {firstEnd + 1, secondEnd};
  if (third == 3) return {secondEnd + 1, n};
  RaiseError(err::SubscriptOutOfRange);
}

void AssignBanks(EngineDesignRecord& d, MessageList& messages) {
  if (!(d.VeeAngle > 0)) {
    d.VeeAngleDefined = false;
    messages.Add("Please define a Vee Angle for this engine", Icon::Warning);
    return;
  }
  const int n = d.NumCylinders;
  if (n < 1 || n > kMaxCylinders) RaiseError(err::SubscriptOutOfRange);
  const double half = static_cast<double>(d.VeeAngle) / 2;
  Sng(half);
  d.VeeAngleDefined = true;
  if (d.Arrangement != 4) {
    SetBank(d, HalfGroup(n, 1), 1, -half);
    SetBank(d, HalfGroup(n, 2), 2, half);
    return;
  }
  // W: BankNumber counts the thirds along the crankshaft (1, 2, 3), so the
  // middle third is bank 2 here. The bank-angle table and the harmonic sums
  // instead keep the outer banks as 1 (-vee/2) and 2 (+vee/2) and call the
  // centre bank 3, so that vee and W share banks 1 and 2. A W cylinder with
  // BankNumber 2 therefore belongs to set 3, and BankNumber 3 to set 2.
  SetBank(d, ThirdGroup(n, 1), 1, -half);
  SetBank(d, ThirdGroup(n, 2), 2, 0);
  SetBank(d, ThirdGroup(n, 3), 3, half);
}

void FillBankAngleTable(EngineDesignRecord& d) {
  const double half = static_cast<double>(d.VeeAngle) / 2;
  switch (d.Arrangement) {
    case 1:
      SetBankAngle(d, 1, 0);
      SetBankAngle(d, 2, 0);
      break;
    case 2:
    case 3:
      SetBankAngle(d, 1, -half);
      SetBankAngle(d, 2, half);
      break;
    case 4:
      SetBankAngle(d, 1, -half);
      SetBankAngle(d, 2, half);
      SetBankAngle(d, 3, 0);
      break;
    default: break;  // a single cylinder has no banks
  }
}

}  // namespace zorvan
