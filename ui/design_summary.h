#pragma once
// What the plot and table screens show of the design: the engine's header
// lines (lbl_Header2..4, shown while the engine's results are valid) above
// the body, and the Cylinder Data and Engine Data panels beside it.
#include <QBoxLayout>
#include <QLabel>
#include <array>

#include "core/design_record.h"

namespace zorvan::ui {

class DesignSummary {
 public:
  void AddHeaderLines(QWidget* parent, QBoxLayout* into);
  void AddPanels(QWidget* parent, QBoxLayout* into);
  // The labels written from the design.
  void Write(const EngineDesignRecord& d);

 private:
  std::array<QLabel*, 3> headers_{};
  QLabel* pressure_ = nullptr;  // "Pressure: measured, FILE, N points", shown only with a trace
  QLabel *cylinder_ = nullptr, *engine_ = nullptr;
};

}  // namespace zorvan::ui
