// Placeholder bodies; replaced by the bank assignment.
#include "core/banks.h"
#include "core/runtime_error.h"
namespace zorvan {
CylinderGroup HalfGroup(int, int) { RaiseError(51); }
CylinderGroup ThirdGroup(int, int) { RaiseError(51); }
void AssignBanks(EngineDesignRecord&, Ui&) { RaiseError(51); }
void FillBankAngleTable(EngineDesignRecord&) { RaiseError(51); }
}  // namespace zorvan
