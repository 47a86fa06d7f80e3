#pragma once
// The logic of the plot-type screen and of the three selection screens that
// fill the plot slots (one window with up to four functions, two windows, four
// windows). It works on the plot selection, the design and the screens' boxes
// (list entries and choices, label texts, enabled flags, where the focus
// goes), so it runs without a window system; the screens copy their widgets
// into the boxes before each call and write them back after.
#include <array>
#include <string>
#include <vector>

#include "core/design_record.h"
#include "platform/screens.h"
#include "platform/ui.h"
#include "plots/plot_selection.h"

namespace zorvan {

// A drop-down list: its entries and the chosen one (-1 none, an empty text).
struct PlotListBox {
  std::vector<std::string> items;
  int index = -1;
  bool enabled = true;
  std::string Text() const;
  // Chooses the entry with this text; none when no entry has it.
  void Choose(const std::string& text);
};

// One slot "Function N": cmb_VarN, cmb_ComN, cmd_OKN, cmd_ClearN, and the
// frame fra_FunctionN with its lbl_Var/lbl_Comp labels.
struct PlotSlotBoxes {
  PlotListBox var, com;
  bool frameEnabled = true;  // the frame and its labels
  bool okEnabled = false, clearEnabled = true;
};

// The controls a selection screen's logic hands the focus to.
enum class PlotSelectFocus { None, Var, Com, Ok, Preset, Done };

struct PlotSelectBoxes {
  std::array<PlotSlotBoxes, 5> slot;                        // 1..n
  std::array<std::string, 4> functionLabel, componentLabel;  // lbl_Function(i), lbl_Component(i)
  bool presetMethod = true;                                  // opt_PrintSet(0), else (1) "Mix and Match"
  PlotListBox preset;                                            // cmb_Preset
  bool presetFrameEnabled = true;                            // its box and cmd_ClearPreset
  bool coordFrameEnabled = false, localEnabled = false;      // fra_coord, opt_Coord(1)
  int coord = 0;                                             // opt_Coord checked: 0 Global, 1 Local Rotating
  int style = 0;                                             // opt_Plotstyle checked: 0 Aligned, 1 Annotated
  bool doneEnabled = false;                                  // cmd_Done
  PlotSelectFocus focus = PlotSelectFocus::None;
  int focusSlot = 0;  // the slot of a Var, Com or Ok focus
};

// Screen k (1..3) of the selection screens: its slot count and windows.
int PlotSelectSlots(int screen);    // 4, 2, 4
int PlotSelectWindows(int screen);  // 1, 2, 4

class PlotSelectLogic {
 public:
  PlotSelectLogic(const EngineDesignRecord& d, PlotSelection& s, Ui& ui, PlotSelectBoxes& boxes, int screen);
  int Slots() const { return n_; }

  // The screen created: Next disabled; on the one-window screen slots 2..4
  // and the component lists disabled.
  void Load();
  // Each time the screen is shown: lists filled afresh for the design's
  // results, "Global" again, the setup method applied.
  void Activate();
  // opt_PrintSet clicked: true "Preset Formats", false "Mix and Match".
  void SetupMethod(bool presets);
  // A click in slot N's variable list, in its component list.
  void Variable_Picked(int slot);
  void Component_Picked(int slot);
  // Slot N taken into the selection and its summary labels.
  void Select_OK(int slot);
  // cmd_OKN: the slot accepted, the next slot opened, the selection checked.
  void AcceptSlot(int slot);
  // cmd_ClearN: the slot's lists emptied.
  void ClearSlot(int slot);
  // A double-click in slot N's variable list; true when Next is to be pressed.
  bool VariableDoubleClicked(int slot);
  // Checks the filled summary labels, sets FunctionCount and Next (the
  // one-window screen warns of a gap).
  void Validate();
  // A choice in cmb_Preset; a double-click also asks for Next (true).
  void PresetPicked();
  bool PresetDoubleClicked();
  // cmd_ClearPreset.
  void ClearPreset();
  // cmd_Done: the coordinate system and style taken, the plot screen to show
  // returned; the coordinate box shows "Global" again.
  ScreenId Next();
  // The back button: the coordinate box reset; the plot-type screen is next.
  void Back();
  // Shown again by the plot's Back: the slots, labels and preset as Next
  // left them, in the coordinate system the plot was drawn in, Next enabled.
  void Return();

 private:
  void Toggle_Coordinate(bool enabled);
  void EnableSlots(bool enabled);
  void ClearLabels();
  void ClearLists();
  int FilledLabels() const;

  const EngineDesignRecord& d_;
  PlotSelection& s_;
  Ui& ui_;
  PlotSelectBoxes& b_;
  int screen_, n_;
  int lastFilled_ = 0;  // filled labels counted by the last validation
};

// The plot-type screen: opt_PickPlot(0..3) and cmd_PickPlotDone.
struct PlotTypeBoxes {
  int option = -1;  // the checked option
  bool nextEnabled = false;
};

class PlotTypeLogic {
 public:
  PlotTypeLogic(PlotSelection& s, PlotTypeBoxes& boxes) : s_(s), b_(boxes) {}
  // An option or its picture clicked; a double-click also asks for Next (true).
  void OptionClicked(int option);
  bool OptionDoubleClicked(int option);
  // Next: PlotType = option + 1 and the selection screen to show.
  ScreenId Next();

 private:
  PlotSelection& s_;
  PlotTypeBoxes& b_;
};

}  // namespace zorvan
