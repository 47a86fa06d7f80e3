#pragma once
// Which bank each cylinder belongs to, and the tilt of each bank.
#include "core/design_record.h"
#include "platform/messages.h"

namespace zorvan {

// The cylinders of one bank: first..last (inclusive; empty when first > last).
struct CylinderGroup {
  int first;
  int last;
};
// The division of 1..n into two (vee, opposed) or three (W) consecutive groups,
// every cylinder in exactly one group. Used by the bank assignment and the
// moment-arm groups of the harmonic sums.
CylinderGroup HalfGroup(int n, int half);    // half 1 or 2
CylinderGroup ThirdGroup(int n, int third);  // third 1, 2 (middle) or 3 (last)

// Fills BankNumber/BankAngle (warns when there is no vee angle).
void AssignBanks(EngineDesignRecord& d, MessageList& messages);
// Fills BankAngleRad, BankCos, BankSin by arrangement.
void FillBankAngleTable(EngineDesignRecord& d);

}  // namespace zorvan
