#pragma once
// The logic of the engine configuration screen: cylinder count, arrangement,
// vee angle, spacing, the rows of phase angles, firing angles and firing
// order, the examples, Calculate, Clear Data, the bank labels and Next. It
// works on the record and on the texts of the boxes; the screen copies its
// widgets into EngineBoxes before each call and back after.
#include <array>
#include <optional>
#include <string>

#include "core/design_record.h"
#include "core/program_values.h"
#include "platform/dialogs.h"
#include "platform/ui.h"

namespace zorvan {

struct EngineRow {
  std::string phase, power, order;  // txt_Phase_k, txt_Power_k, txt_Order_k
  std::string bank;                 // lbl_Bank_k
};

struct EngineBoxes {
  std::string cylinders = "4", spacing = "1", veeAngle = "0";  // txt_Cylinders, txt_Spacing, txt_Veeang
  std::string stroke;                                          // lbl_Stroke
  std::array<EngineRow, kMaxCylinders + 1> rows;               // rows 1..16
};

// What the screen holds beyond the boxes: commands, visibility and its flags.
struct EngineScreenState {
  int arrangementIndex = 0;  // cmb_Type: 0 Inline, 1 Vee, 2 Opposed, 3 W
  int exampleIndex = -1;     // cmb_Examples; -1 is empty
  int shownRows = 4;         // rows 1..shownRows are visible
  bool veeVisible = false;
  bool calcEnabled = true, balanceEnabled = false, animateEnabled = false, doneEnabled = false;
  bool drawEngine = false;   // the picture shows the engine; false: cleared
  bool exampleLoading = false, exampleShown = false, screenOpen = false, cylindersChanged = false;
  bool veeFocus = false;     // the vee-angle box takes the focus
  int AnimationDelay = 16383;
  int AnimationSpeedRange = 10;
};

class EngineDataLogic {
 public:
  EngineDataLogic(EngineDesignRecord& d, ProgramValues& v, Ui& ui, Dialogs& dialogs, EngineBoxes& boxes,
                  EngineScreenState& state)
      : d_(d), v_(v), ui_(ui), dialogs_(dialogs), boxes_(boxes), state_(state) {}

  // Each activation; homeExample is the example (1..7) the home screen's menu
  // just loaded, or 0.
  void Activate(int homeExample);
  // The record to the boxes.
  void PutEngineData();
  void BankLabels();
  void CylinderCountCheck();
  void ArrangementChange(int index);
  void VeeAngleEntry();
  // The vee-angle message, line by line; empty when there is nothing to say.
  std::string VeeAngleCheckText() const;
  void SpacingEntry();
  void SpacingFocus();
  // A row box left: its value checked; a refused entry is told and the box
  // shows its last good value again (the engine's, or what it held before),
  // and nothing else changes. A changed entry takes the engine's results away.
  enum class RowBox { Phase, Power, Order };
  void RowEdit(int k, RowBox box);
  void ResetSelection();
  void ClearData();
  // Example k (0..10) of the list, loaded and calculated.
  bool LoadExample(int k);
  // cmd_Calc. True when the engine was calculated (the screen then draws it).
  bool Calculate();
  void Balance();
  void Copy();
  // Help menu notices: "Suggestions", "Guidelines", "Phase Angles", "Moments".
  void Suggestions();
  void Guidelines();
  void PhaseAngles();
  void Moments();
  bool Zoom(double factor);
  // "&Next >": a new design number, date and time; "< Back".
  void Next();
  void Back();

 private:
  bool ReadEngineData(bool& complete);
  std::string RowBoxName(int k, RowBox box) const;
  std::optional<std::string> CheckRowValue(int k, RowBox box, double v) const;
  void EngineChanged();

  EngineDesignRecord& d_;
  ProgramValues& v_;
  Ui& ui_;
  Dialogs& dialogs_;
  EngineBoxes& boxes_;
  EngineScreenState& state_;
  std::array<EngineRow, kMaxCylinders + 1> good_;  // each row box's last good text
};

}  // namespace zorvan
