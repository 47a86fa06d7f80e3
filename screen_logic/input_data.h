#pragma once
// The logic of the one-cylinder input screen: the record to the boxes and
// back, the linked geometry, the checks and Calculate. It works on the record
// and on the texts of the boxes, so it runs without a window system; the
// screen copies its widgets into InputBoxes before each call and back after.
#include <array>
#include <string>

#include "core/design_record.h"
#include "platform/ui.h"

namespace zorvan {

// txt_Linkout_0..9, txt_Linkout2_1..8 (index 0 unused), txt_Rodnum and what
// the screen shows beside them.
struct InputBoxes {
  std::array<std::string, 10> linkout;
  std::array<std::string, 9> linkout2;
  std::string rodnum = "1";
  std::array<std::string, 10> linkoutUnit;   // lbl_Unitleft_k
  std::array<std::string, 9> linkout2Unit;   // lbl_Unitrite_k
  std::string bsRatio;                       // lbl_BSratio
  // Boxes the user typed into since they were last written: only these are
  // read, so viewing and calculating never change what the record holds.
  std::array<bool, 10> linkoutEdited{};
  std::array<bool, 9> linkout2Edited{};
  bool rodnumEdited = false;
};

// What the screen holds beyond the boxes.
struct InputScreenState {
  bool doneEnabled = false, animateEnabled = false;
  int speedIndex = 2;          // opt_Calctype 1..3
  bool pump = false;           // opt_Type 1
  bool twoStroke = false;      // opt_Stroke 0
  int arrangementIndex = 0;    // cmb_Type: 0 Inline, 1 Vee, 2 Opposed, 3 W
  std::string arrangementText = "Inline";
  bool conrodFrameVisible = false;
  int AnimationDelay = 16383;  // 32767 - the slider position of the last Run
  int AnimationSpeedRange = 10;
  int focusBox = -1;           // a box the check hands the focus to (txt_Rodnum: 100)
};
constexpr int kRodnumFocus = 100;

extern const char* const kArrangementItems[4];  // "Inline", "Vee", "Opposed", "W"

// Label captions and tool tips of the boxes, in index order.
extern const char* const kLinkoutLabels[10];
extern const char* const kLinkoutTips[10];
extern const char* const kLinkout2Labels[9];
extern const char* const kLinkout2Tips[9];

struct BoxField;  // what a box holds: its field, its name, its unit

class InputDataLogic {
 public:
  InputDataLogic(EngineDesignRecord& d, Ui& ui, InputBoxes& boxes, InputScreenState& state)
      : d_(d), ui_(ui), boxes_(boxes), state_(state) {}

  // Each activation: header aside, the boxes from the record, options and list.
  void Activate();
  // Record to boxes, with the display conversions of the unit system.
  bool Put_InputData();
  // The edited geometry boxes to the record. False when a box was refused
  // (told, naming the box) or the link lengths are incompatible (told).
  bool Get_InputData();
  // The edited cylinder, speed, mass, pressure and friction boxes to the record.
  bool Get_InitialCond();
  // Geometry box k left after an edit: checked, stored, the linked geometry
  // follows and the boxes are written again. Unedited boxes are not read.
  bool Linkout_LostFocus(int k);
  // Cylinder box k (txt_Linkout2) left after an edit.
  bool Linkout2_LostFocus(int k);
  // Any edit: results that depend on the old entries are no longer valid.
  void Invalidate();
  // Box 7 (peak pressure) left: the device type's peak and its curve's scale.
  bool PressureUpdate();
  // txt_Rodnum left.
  void RodsPerCrankCheck();
  // cmb_Type changed to this text.
  void ArrangementUpdate(const std::string& text);
  // The option groups clicked.
  void SetSpeedIndex(int index);
  void SetPump(bool pump);
  void SetTwoStroke(bool twoStroke);
  // cmd_Calc: read, derive and compute the one cylinder. True when the
  // results are there (the screen then draws the linkage).
  bool Calculate();
  // The zoom menu: factor applied to DrawingScale (0 for Normal), then Calculate.
  bool Zoom(double factor);

 private:
  // A box's text as the held value of its field; false after telling why not.
  bool Entry(const std::string& text, const BoxField& box, double& held);
  bool LinksClose();
  void ApplyOptions();

  EngineDesignRecord& d_;
  Ui& ui_;
  InputBoxes& boxes_;
  InputScreenState& state_;
};

// The number in a box as the program writes it ("1,500.0", "0.000 000"); an
// empty or non-numeric text is error 13, beyond float32 error 6.
double ReadBoxNumber(const std::string& text);

}  // namespace zorvan
