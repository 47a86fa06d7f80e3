// The balance notices and the design notices: fixed lines, record fields and
// numbers in the general text (Str) or the rounding formatter (FNRoundStr).
#include "screen_logic/notices.h"

#include <algorithm>
#include <cmath>

#include "core/checked.h"
#include "core/number_text.h"
#include "core/numeric.h"

namespace zorvan {

namespace {

constexpr const char* CR = "\r";
constexpr const char* TAB = "\t";

// The cylinders the per-cylinder loops visit; never beyond the arrays.
int Cylinders(const EngineDesignRecord& d) {
  return std::clamp<int>(d.NumCylinders, 0, kMaxCylinders);
}

std::string V(double x) { return FNRoundStr(x, 2); }

double Sum(const EngineDesignRecord& d, int n, int q, int t, int b) { return d.HarmonicSums[n][q][t][b]; }

const char* KindName(BalanceKind kind) {
  switch (kind) {
    case BalanceKind::Force: return "Force";
    case BalanceKind::Moment: return "Moment";
    default: return "Torque";
  }
}

// The bank lines shared by the force and torque notices (force sums, sets 1, 2).
std::string BankLines(const EngineDesignRecord& d, int n, const std::string& phi) {
  std::string s;
  s += " Right Bank - Sum of Sin " + Str(n) + phi + V(Sum(d, n, 0, 1, 1)) + CR;
  s += " Right Bank - Sum of Cos " + Str(n) + phi + V(Sum(d, n, 0, 0, 1)) + CR;
  s += " Left  Bank - Sum of Sin " + Str(n) + phi + V(Sum(d, n, 0, 1, 2)) + CR;
  s += " Left  Bank - Sum of Cos " + Str(n) + phi + V(Sum(d, n, 0, 0, 2)) + CR;
  return s;
}

std::string Conclusion(const EngineDesignRecord& d, const std::string& what) {
  if (d.Arrangement > 1) {
    return " If all terms are zero, this is sufficient to make the inertia " + what + " zero." + CR +
           " If any terms are non-zero, then the inertia " + what + " may be non-zero." + CR +
           " However, the bank angle (gamma) can interact with the phase angles" + CR +
           " to cancel shaking " + what + "s that exist within the individual banks.";
  }
  return " If any terms are non-zero, then the inertia " + what + " will be non-zero.";
}

std::string ForceNotice(const EngineDesignRecord& d) {
  std::string s = BalanceNoticeHeader(d, BalanceKind::Force);
  for (int n = 1; n <= 2; ++n) {
    s += " For Inertia Force Harmonic #" + Str(n) + CR + CR;
    if (d.Arrangement <= 1) {
      const std::string phi = " Phi                            = ";
      s += "       Sum of Sin " + Str(n) + phi + V(Sum(d, n, 0, 1, 1)) + CR;
      s += "       Sum of Cos " + Str(n) + phi + V(Sum(d, n, 0, 0, 1)) + CR + CR;
      continue;
    }
    const std::string phi = " Phi  = ";
    s += BankLines(d, n, phi);
    if (d.Arrangement == 4) {
      s += " Center Bank- Sum of Sin " + Str(n) + phi + V(Sum(d, n, 0, 1, 3)) + CR;
      s += " Center Bank- Sum of Cos " + Str(n) + phi + V(Sum(d, n, 0, 0, 3)) + CR + CR;
    } else {
      s += CR;
    }
  }
  return s + Conclusion(d, "force");
}

std::string MomentNotice(const EngineDesignRecord& d) {
  std::string s = BalanceNoticeHeader(d, BalanceKind::Moment);
  for (int n = 1; n <= 2; ++n) {
    s += " For Inertia Moment Harmonic #" + Str(n) + CR;
    if (d.Arrangement <= 1) {
      const std::string phi = " Phi                      = ";
      s += "       Sum of Zi * Sin " + Str(n) + phi + V(Sum(d, n, 1, 1, 1)) + CR;
      s += "       Sum of Zi * Cos " + Str(n) + phi + V(Sum(d, n, 1, 0, 1)) + CR + CR;
      continue;
    }
    const std::string phi = " Phi   = ";
    s += " Right Bank - Sum of Zi * Sin " + Str(n) + phi + V(Sum(d, n, 1, 1, 1)) + CR;
    s += " Right Bank - Sum of Zi * Cos " + Str(n) + phi + V(Sum(d, n, 1, 0, 1)) + CR;
    s += " Left  Bank - Sum of Zi * Sin " + Str(n) + phi + V(Sum(d, n, 1, 1, 2)) + CR;
    s += " Left  Bank - Sum of Zi * Cos " + Str(n) + phi + V(Sum(d, n, 1, 0, 2)) + CR;
    if (d.Arrangement == 4) {
      s += " Center Bank- Sum of Zi * Sin " + Str(n) + phi + V(Sum(d, n, 1, 1, 3)) + CR;
      s += " Center Bank- Sum of Zi * Cos " + Str(n) + phi + V(Sum(d, n, 1, 0, 3)) + CR + CR;
    } else {
      s += CR;
    }
  }
  std::string end = Conclusion(d, "moment");
  return s + end + (d.Arrangement > 1 ? "" : CR);
}

std::string TorqueNotice(const EngineDesignRecord& d) {
  std::string s = BalanceNoticeHeader(d, BalanceKind::Torque);
  for (int n = 1; n <= 3; ++n) {
    s += " For Inertia Torque Harmonic # " + Str(n) + CR + CR;
    if (d.Arrangement <= 1) {
      s += "       Sum of Sin " + Str(n) + " Phi   = " + V(Sum(d, n, 0, 1, 0)) + CR;
      s += "       Sum of Cos " + Str(n) + " Phi  = " + V(Sum(d, n, 0, 0, 0)) + CR + CR;
      continue;
    }
    s += BankLines(d, n, " Phi  = ");
    if (d.Arrangement == 4) {
      s += " Center Bank - Sum of  Sin " + Str(n) + " Phi   = " + V(Sum(d, n, 0, 1, 3)) + CR;
      s += " Center Bank - Sum of  Cos " + Str(n) + " Phi   = " + V(Sum(d, n, 0, 0, 3)) + CR + CR;
    } else {
      s += CR;
    }
  }
  return s + Conclusion(d, "torque");
}

std::string Whole(double x) { return FNRoundStr(x, 0); }

}  // namespace

std::string BalanceNoticeHeader(const EngineDesignRecord& d, BalanceKind kind) {
  std::string s = "For phase angles: ";
  for (int k = 1; k <= Cylinders(d); ++k) s += Str(d.PhaseAngle[k]) + "  ";
  s += std::string(CR) + CR;
  s += std::string("The ") + KindName(kind) + " balance condition of this " + Str(d.NumCylinders) + " cyl.";
  if (d.Arrangement > 1) s += " " + Str(d.VeeAngle) + " deg.";
  return s + d.ArrangementName + "Engine is :" + CR + CR;
}

std::string BalanceNoticeText(const EngineDesignRecord& d, BalanceKind kind) {
  switch (kind) {
    case BalanceKind::Force: return ForceNotice(d);
    case BalanceKind::Moment: return MomentNotice(d);
    default: return TorqueNotice(d);
  }
}

std::string MassNoticeText(const EngineDesignRecord& d) {
  const std::string m = d.UnitLabel[kMassSlot];
  const std::string atRadius = " at " + FNRoundStr(d.CrankRadius, 3) + " R.";
  std::string s;
  s += " CRANKSHAFT MASS 'concentrated' at Crankpin is  " + FNRoundStr(d.CrankMassAtCrankpin, 4) + "  " + m +
       atRadius + CR + CR;
  s += " You have " + Str(d.RodsPerCrank) + "  Connecting rods on each Crankpin" + CR + CR;
  s += " CON-ROD MASS 'concentrated' at Crankpin is     " + FNRoundStr(d.RodMassAtCrankpin, 4) + "  " + m +
       atRadius + CR + CR;
  s += " COMBINED MASS 'concentrated' @ Crankpin is     " + FNRoundStr(d.MassAtCrankpin, 4) + "  " + m +
       atRadius + CR + CR;
  s += " CON-ROD MASS 'concentrated' at Wristpin is     " + FNRoundStr(d.ConrodMassAtWristpin, 4) + "  " + m +
       CR + CR;
  s += " Present PISTON MASS is                         " + FNRoundStr(d.PistonMass, 4) + "  " + m + CR + CR;
  s += " COMBINED MASS concentrated at each Wristpin is " + FNRoundStr(d.MassAtWristpin, 4) + "  " + m + CR;
  return s;
}

std::string FiringArrangementText(const EngineDesignRecord& d) {
  const int n = Cylinders(d);
  const bool roomy = d.NumCylinders < 13;  // short lists get blank lines between the blocks
  std::string s = " For this " + d.ArrangementName + " engine" + CR;
  s += " with " + Str(d.NumCylinders) + " cylinders" + CR;
  if (roomy) s += CR;
  s += std::string(" and phase angles of: ") + CR;
  for (int k = 1; k <= n; ++k) {
    s += Str(d.PhaseAngle[k]) + "  ";
    if (d.NumCylinders > 6 && (k == 4 || k == 8)) s += CR;
  }
  s += CR;
  if (d.Arrangement < 2)
    s += CR;
  else
    s += " and a Vee Angle of" + d.VeeAngleText + CR;
  if (roomy) s += CR;
  s += std::string(" Your firing arrangement is:") + CR + CR;
  s += std::string(" Cyl. ") + TAB + "Bank " + TAB + "Phase" + TAB + "Firing" + CR;
  s += std::string(" No. ") + TAB + "No." + TAB + "Angle" + TAB + "Angle" + CR;
  if (roomy) s += CR;
  for (int j = 1; j <= n; ++j) {
    s += Str(d.FiringOrder[j]);
    int k = FiredCylinder(d, j);
    if (k == 0) {
      s += std::string(TAB) + TAB + TAB + CR;
      continue;
    }
    s += TAB + Str(d.BankNumber[k]) + TAB + Whole(d.PhaseAngle[k]) + TAB + Whole(d.FiringAngle[k]) + TAB +
         " deg" + CR;
  }
  return s;
}

std::string SpacingNoticeText() {
  return std::string("For correct values of shaking moments the program needs the distance") + CR +
         "between centerlines of adjacent cylinders (pistons) in one bank" + CR +
         "The default value of 1 will only give relative values of moments between designs";
}

std::string SuggestionsNoticeText() {
  return std::string("Before proceeding you need to work out, on paper, ") + CR +
         "the crankshaft's Phase Angles,the engine's Firing Order" + CR +
         "and the Firing angles (the angles at which the cylinders fire)." + CR + CR +
         "This program uses the Phase Angles, Firing angles, " + CR +
         "and Vee Angle to calculate the results.  Firing Order is only used as a pointer.  " + CR +
         "If you change just the Firing Order, it will make the results incorrect." + CR +
         "It is your responsibility to ensure that all these parameters agree." + CR + CR;
}

std::string GuidelinesNoticeText(int16_t strokeCycle) {
  std::string s;
  s += std::string("This program requires that these guidelines be followed when designing") + CR;
  s += std::string("and numbering your Phase Angles, Firing Angles, and Vee Angle.") + CR + CR;
  s += std::string("1 - The engine's front cylinder in the right bank is always number one.") + CR;
  s += std::string("2 - Number one cylinder is the reference cylinder for all others.") + CR;
  s += std::string("3 - Number one cylinder always has a Phase Angle of zero degrees") + CR;
  s += std::string("4 - Number one cylinder always fires first in Firing Order.") + CR;
  s += std::string("5 - Thus the Firing Angle for number one is also zero degrees") + CR;
  s += std::string("6 - Crankshaft Phase Angles are always between 0 and 360 degrees.") + CR;
  s += "7 - Firing Angles are between 0 and " + Whole(180.0 * strokeCycle) + "  deg. and in ascending order" + CR;
  s += std::string("8 - Phase Angles shift to the Right versus cylinder one on the Power Chart") + CR;
  s += std::string("9 - The Vee Angle shifts the second bank to the Right on the Power Chart") + CR;
  s += std::string("10 - Cylinders are numbered first down the right bank and then down the left bank") + CR + CR;
  s += std::string("You should draw a power chart diagram to decide these values before proceeding.") + CR;
  s += std::string("After calculating your engine, check the Power Chart under the Charts pull-down on Homescreen.") +
       CR;
  return s;
}

std::string PhaseAngleAdviceText(const EngineDesignRecord& d) {
  // Whole-number divisions, rounded half to even.
  const int a = CInt(Div(360, d.NumCylinders));
  const int b = CInt(Div(720, d.NumCylinders));
  const int cycle = Mul16(180, d.StrokeCycle);
  std::string s = "For this engine design, the phase angle should be either " + Str(a) + " or " + Str(b) +
                  " degrees" + CR;
  s += " A " + Str(d.StrokeCycle) + "-stroke engine takes " + Str(cycle) + " degrees to complete its cycle." + CR;
  s += std::string(" Half of its power strokes should be in the first half cycle.") + CR;
  s += std::string(" You have chosen the following firing arrangement :") + CR + CR;
  for (int j = 1; j <= Cylinders(d); ++j) {
    int k = FiredCylinder(d, j);
    s += " cylinder " + Str(d.FiringOrder[j]) + "  with crank throw at : " + (k ? Str(d.PhaseAngle[k]) : "") + CR;
  }
  s += std::string(CR) + " You must now define the crank angle (between 0 and " + Str(cycle) + " degrees) " + CR +
       " at which the first power stroke of each cylinder begins";
  return s;
}

}  // namespace zorvan
