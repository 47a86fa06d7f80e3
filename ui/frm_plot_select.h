#pragma once
// The selection screens of the cartesian plots: up to four slots, each a plot
// function and its component, filled by hand ("Mix and Match") or from a
// preset format, with the coordinate system and, for two and four windows,
// the plot style. One class serves the three screens; each knows its slots
// and windows.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "plots/plot_select_logic.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class Application;

class FrmPlotSelect : public FormScreen {
 public:
  // screen 1 (one window, four slots), 2 (two windows), 3 (four windows).
  FrmPlotSelect(Application& app, int screen);

  // Each activation: header, caption, lists filled for the design's results;
  // after KeepChoices, the choices the plot was made from instead.
  void Activate();
  // The next activation is the plot's Back: what was chosen stays.
  void KeepChoices() { keep_ = true; }
  const PlotSelectBoxes& Boxes() const { return boxes_; }

 protected:
  // What sets a screen of the same slots apart: its name, the caption of its
  // summary boxes ("Plot" or "Column"), its back button, window caption and help.
  struct Variant {
    const char* name;
    const char* summaryWord;
    const char* backName;
    const char* caption;
    HelpTopic help;
  };
  FrmPlotSelect(Application& app, int screen, const Variant& variant);

  bool eventFilter(QObject* watched, QEvent* event) override;
  void Back() override;
  // cmd_Done (also a double-click that completes the selection).
  virtual void Next();
  // The column beside the slots, for a screen's own choices.
  QVBoxLayout* Side() const { return side_; }
  PlotSelectLogic& Logic() { return logic_; }

 private:
  QWidget* BuildSlots();
  QWidget* BuildSummary();
  QWidget* BuildChoices();
  void Wire();

  void ReadWidgets() override;
  void WriteWidgets() override;
  void AfterRun() override;

  int screen_;
  bool keep_ = false;
  Variant variant_;
  QVBoxLayout* side_ = nullptr;
  PlotSelectBoxes boxes_;
  PlotSelectLogic logic_;
  struct Slot {
    QGroupBox* frame = nullptr;
    QLabel *varLabel = nullptr, *comLabel = nullptr;
    QComboBox *var = nullptr, *com = nullptr;
    QPushButton *ok = nullptr, *clear = nullptr;
  };
  std::array<Slot, 5> slot_{};  // 1..n
  std::array<QLabel*, 4> function_{}, component_{};
  std::array<QRadioButton*, 2> method_{}, coord_{}, style_{};
  QGroupBox *presetFrame_ = nullptr, *coordFrame_ = nullptr;
  QComboBox* preset_ = nullptr;
  QPushButton *clearPreset_ = nullptr, *done_ = nullptr;
};

// Creates the three screens, wires them to the application and registers them.
void RegisterPlotSelect(Application& app);

}  // namespace zorvan::ui
