#pragma once
// The logic of the balancing screen: the throw's masses and radius, the
// counterweight boxes with their checks, rods per crank, and Calculate, which
// runs the one-cylinder pass again before the counterweight pass so that
// pressing it twice gives what pressing it once gives. It works on the
// record and on the screen's box texts; the widgets copy them in and out.
#include <array>
#include <string>

#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {

extern const char* const kMustBePositive;  // "This value must be positive.  Please redo."

enum class BalanceFocus { None, Calc, Done, Mass, Radius, Angle, Rodnum };

struct BalanceBoxes {
  std::array<std::string, 4> massA, massB;  // lbl_MassA(1..3), lbl_MassB(1..3)
  std::string radius, mr2, ang2;            // lbl_Radius, lbl_MR2, lbl_Ang2
  std::string rodnum;                       // txt_Rodnum
  bool rodnumEditable = false;              // arrangements 2 to 4
  std::string mass, rad, angle;             // txt_CtrwtMass, txt_CtrwtRad, txt_CtrwtAng
  bool massEdited = false, radEdited = false, angleEdited = false, rodnumEdited = false;
  std::string massUnit, lengthUnit;  // lbl_Unit(0..6) and (8..9)
  std::string productUnit;           // lbl_Unit_7, of the mass-radius product ("bl-in", "kg-cm")
  bool doneEnabled = false, copyEnabled = false, printEnabled = false;
  int plotMode = 1;  // 1 the unbalanced curve, 2 both with their legends
  BalanceFocus focus = BalanceFocus::None;
};

class BalanceLogic {
 public:
  BalanceLogic(EngineDesignRecord& d, Ui& ui, BalanceBoxes& boxes) : d_(d), ui_(ui), b_(boxes) {}

  // Each activation: the boxes filled, the unbalanced curve only, the
  // commands disabled, the focus on Calculate.
  void Activate();
  // The labels and boxes from the record (the counterweight proposed for
  // exact balance until a balance has been calculated or read from a file).
  void Fill();
  // cmd_Calc: the three boxes to the counterweight, the one-cylinder pass
  // again when a balance stands, the counterweight pass, both curves.
  bool Calculate();
  // The boxes left (or Enter) after an edit.
  void MassLeft();
  void RadiusLeft();
  void AngleLeft();
  void RodsLeft();

 private:
  // A box's number; false (after the message, the box reset to `reset`) when
  // it is not a number or below 0.
  bool Entry(std::string& box, const char* reset, double& value, BalanceFocus focus);

  EngineDesignRecord& d_;
  Ui& ui_;
  BalanceBoxes& b_;
  // What the unedited counterweight boxes stand for, as held.
  float mass_ = 0, radius_ = 0, angle_ = 180;
};

}  // namespace zorvan
