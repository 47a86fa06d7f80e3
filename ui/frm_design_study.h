#pragma once
// The design study: one input of the current design varied over a range, and
// up to two figures of every design plotted against it, with the plots'
// value cursor, pictures and data. The current design is not changed.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "shell/design_study.h"
#include "ui/chart_view.h"
#include "ui/form_screen.h"

namespace zorvan::ui {

class FrmDesignStudy : public FormScreen {
 public:
  explicit FrmDesignStudy(Application& app);
  void Activate();
  // The study's results go: they belong to the design as it was. `why` is
  // shown where the failures are counted.
  void Forget(const QString& why = {});
  ChartView* View() const { return view_; }
  const std::vector<StudyPoint>& Points() const { return points_; }

 protected:
  void ReadWidgets() override {}
  void WriteWidgets() override {}

 private:
  QWidget* BuildChoices();
  void FillLists();
  void FieldChosen();
  void Calculate();

  QComboBox *field_ = nullptr, *figure1_ = nullptr, *figure2_ = nullptr;
  QLineEdit *from_ = nullptr, *to_ = nullptr, *step_ = nullptr;
  QLabel *unit_ = nullptr, *failures_ = nullptr;
  ChartView* view_ = nullptr;
  std::vector<StudyPoint> points_;
  StudyRequest request_;  // what points_ answer
};

void RegisterDesignStudy(Application& app);

}  // namespace zorvan::ui
