#pragma once
// The logic of the polar selection screen: one list of the vector functions,
// the summary label of the choice and the coordinate box, on the plot
// selection and the screen's boxes, without a window system.
#include <string>

#include "core/design_record.h"
#include "plots/plot_select_logic.h"
#include "plots/plot_selection.h"

namespace zorvan {

struct PolarSelectBoxes {
  PlotListBox var;                                       // cmb_Var1
  std::string functionLabel;                             // lbl_Function(0)
  bool coordFrameEnabled = false, localEnabled = false;  // fra_coord, opt_Coord(1)
  int coord = 0;                                         // 0 Global, 1 Local Rotating
  bool doneEnabled = false;                              // cmd_Done
  bool focusList = false;                                // the list is to take the focus
};

class PolarSelectLogic {
 public:
  PolarSelectLogic(const EngineDesignRecord& d, PlotSelection& s, PolarSelectBoxes& boxes)
      : d_(d), s_(s), b_(boxes) {}
  // Each time the screen is shown: the list filled for the design's results,
  // the label emptied, Next disabled, "Global" again with the box disabled.
  void Activate();
  // A click in the list: the function taken into slot 1 and its label.
  void Picked();
  // A double-click: the click, and true when Next is to be pressed.
  bool DoubleClicked();
  // cmd_Clear1: the list's choice emptied.
  void Clear();
  // cmd_Done: one polar function in one window, in the chosen coordinates;
  // the box shows "Global" again.
  void Next();
  // The back button: the coordinate box reset.
  void Back();
  // Shown again by the plot's Back: the function as it was chosen, in the
  // coordinate system the plot was drawn in.
  void Return();

 private:
  void ResetCoordinates();

  const EngineDesignRecord& d_;
  PlotSelection& s_;
  PolarSelectBoxes& b_;
};

}  // namespace zorvan
