#include "ui/design_summary.h"

#include "core/pressure_trace.h"
#include "plots/design_header.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

void DesignSummary::AddHeaderLines(QWidget* parent, QBoxLayout* into) {
  for (int i = 0; i < 3; ++i) {
    headers_[i] = NamedLabel(parent, QString("lbl_Header%1").arg(i + 2).toUtf8().constData(), "");
    into->addWidget(headers_[i]);
  }
  pressure_ = NamedLabel(parent, "lbl_Pressure", "");
  pressure_->setVisible(false);
  into->addWidget(pressure_);
}

void DesignSummary::AddPanels(QWidget* parent, QBoxLayout* into) {
  InfoPanel(parent, into, "fra_Cylinder", "Cylinder Data", {{&cylinder_, "lbl_CylinderData"}});
  InfoPanel(parent, into, "fra_Engine", "Engine Data", {{&engine_, "lbl_EngineData"}});
}

void DesignSummary::Write(const EngineDesignRecord& d) {
  cylinder_->setText(QtText(SummaryText(CylinderSummary(d))));
  engine_->setText(QtText(SummaryText(EngineSummary(d))));
  const std::string lines[] = {PhaseLine(d), FiringOrderLine(d), FiringAngleLine(d)};
  for (int i = 0; i < 3; ++i) {
    headers_[i]->setText(QtText(lines[i]));
    headers_[i]->setVisible(d.EngineResultsValid);
  }
  pressure_->setText(QtText(PressureCaption(d)));
  pressure_->setVisible(d.Pressure != nullptr);
}

}  // namespace zorvan::ui
