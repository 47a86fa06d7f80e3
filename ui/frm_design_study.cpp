#include "ui/frm_design_study.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "core/captions.h"
#include "core/design_figures.h"
#include "core/display_units.h"
#include "core/entry_number.h"
#include "core/error_report.h"
#include "core/field_table.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {
QString Number(double v) { return QString::number(v, 'g', 7); }
}  // namespace

FrmDesignStudy::FrmDesignStudy(Application& app) : FormScreen(app, "frm_DesignStudy") {
  auto* body = new QVBoxLayout;
  body->addWidget(BuildChoices());
  view_ = new ChartView(this, "grf_Study", kPlotChart);
  GraphMenu(view_->Actions());
  HelpMenu("Design Study", "frm_DesignStudy.mnu_Help_Click", HelpTopic::DesignStudy);
  body->addWidget(view_, 1);
  Lay(body, CommandRow({
                {"cmd_Back", "< &Back", [this] { Back(); }},
                {"cmd_Calc", "&Calculate", [this] { Calculate(); }},
                Stretch(),
            }));
  view_->AnswerActions(
      app_, "frm_DesignStudy", [this](Canvas& c) { PaintPlot(c, view_->Model()); },
      [this] { return StudyCsv(app_.Design(), request_, points_); }, QSize(900, 560));
  resize(1000, 760);
}

QWidget* FrmDesignStudy::BuildChoices() {
  auto* frame = new QGroupBox("Study", this);
  frame->setObjectName("fra_Study");
  auto* grid = new QGridLayout(frame);
  field_ = new QComboBox(frame);
  field_->setObjectName("cmb_Field");
  from_ = NamedBox(frame, "txt_From", "The first value of the input", 120, this);
  to_ = NamedBox(frame, "txt_To", "The last value of the input", 120, this);
  step_ = NamedBox(frame, "txt_Step", "The step from one design to the next", 120, this);
  unit_ = NamedLabel(frame, "lbl_Unit", "");
  figure1_ = new QComboBox(frame);
  figure1_->setObjectName("cmb_Figure1");
  figure2_ = new QComboBox(frame);
  figure2_->setObjectName("cmb_Figure2");
  figure2_->addItem("(none)");

  failures_ = NamedLabel(frame, "lbl_Failures", "");
  grid->addWidget(new QLabel("Input", frame), 0, 0);
  grid->addWidget(field_, 0, 1);
  grid->addWidget(new QLabel("From", frame), 0, 2);
  grid->addWidget(from_, 0, 3);
  grid->addWidget(new QLabel("To", frame), 0, 4);
  grid->addWidget(to_, 0, 5);
  grid->addWidget(new QLabel("Step", frame), 0, 6);
  grid->addWidget(step_, 0, 7);
  grid->addWidget(unit_, 0, 8);
  grid->addWidget(new QLabel("Figures", frame), 1, 0);
  grid->addWidget(figure1_, 1, 1);
  grid->addWidget(figure2_, 1, 2, 1, 3);
  grid->addWidget(failures_, 1, 5, 1, 4);
  connect(field_, &QComboBox::activated, this, [this] { FieldChosen(); });
  return frame;
}

// The inputs and figures by the names the screens give them, with the units
// of the design's unit system; each item keeps the field's or figure's name.
void FrmDesignStudy::FillLists() {
  const EngineDesignRecord& d = app_.Design();
  const QString field = field_->currentData().toString();
  field_->clear();
  for (const std::string& f : StudyFields()) field_->addItem(QtText(StudyFieldLabel(d, f)), QtText(f));
  if (const int k = field_->findData(field); k >= 0) field_->setCurrentIndex(k);
  for (QComboBox* list : {figure1_, figure2_}) {
    const int chosen = list->currentIndex();
    list->clear();
    if (list == figure2_) list->addItem("(none)");
    for (std::size_t k = 0; k < DesignFigures().size(); ++k) {
      list->addItem(QtText(StudyFigureLabel(d, k)), QString(DesignFigures()[k].name));
      list->setItemData(list->count() - 1, DesignFigures()[k].meaning, Qt::ToolTipRole);
    }
    list->setCurrentIndex(std::max(chosen, 0));
  }
}

// A range about the design's own value: from 80 % to 120 % in ten steps.
void FrmDesignStudy::FieldChosen() {
  const DesignField* f = FindDesignField(field_->currentData().toString().toStdString());
  if (!f) return;
  const EngineDesignRecord& d = app_.Design();
  // The boxes take the input as the screens show it (cm, mm, cc, MPa).
  const double v = ToDisplay(FieldNumber(d, *f), f->unitSlot, d.UnitSystem);
  const bool whole = IsWholeNumber(*f);
  const double from = whole ? v : v * 0.8, to = whole ? v + 10 : v * 1.2;
  from_->setText(Number(from));
  to_->setText(Number(to == from ? from + 1 : to));
  step_->setText(Number(whole ? 1 : (to == from ? 0.1 : (to - from) / 10)));
  unit_->setText(QtText(f->unitSlot > 0 ? d.UnitLabel[f->unitSlot] : ""));
  Forget();
}

void FrmDesignStudy::Calculate() {
  StudyRequest r;
  r.field = field_->currentData().toString().toStdString();
  // The range as typed, in the units the box shows: its decimals count.
  const std::pair<QLineEdit*, double*> boxes[] = {{from_, &r.axis.from}, {to_, &r.axis.to}, {step_, &r.axis.step}};
  const char* names[] = {"first value", "last value", "step"};
  for (int i = 0; i < 3; ++i) {
    const EntryRead read = ReadEntryDecimal(boxes[i].first->text().toStdString(), *boxes[i].second);
    if (read != EntryRead::Number) {
      app_.GetUi().Message(EntryReadMessage(read, names[i]), Buttons::Ok, Icon::Warning);
      return;
    }
  }
  r.figures.push_back(static_cast<std::size_t>(figure1_->currentIndex()));
  if (figure2_->currentIndex() > 0) r.figures.push_back(static_cast<std::size_t>(figure2_->currentIndex() - 1));
  if (auto refusal = CheckStudy(r)) {
    app_.GetUi().Message(*refusal, Buttons::Ok, Icon::Warning);
    return;
  }
  BusyPointer busy(app_.GetUi());
  Guarded(app_.GetUi(), "frm_DesignStudy.Calculate", [&] {
    points_ = RunStudy(app_.Design(), r);
    request_ = r;
    view_->SetModel(StudyPlot(app_.Design(), r, points_));
    int failed = 0;
    for (const StudyPoint& p : points_) failed += p.figures.empty();
    failures_->setText(failed ? QString("%1 of %2 designs could not be calculated").arg(failed).arg(points_.size())
                              : QString());
  });
}

void FrmDesignStudy::Forget(const QString& why) {
  if (points_.empty()) return;
  points_.clear();
  view_->SetModel(PlotModel{});
  failures_->setText(why);
}

void FrmDesignStudy::Activate() {
  SetTitlebox(this, app_.Values());
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Design Study")));
  FillLists();
  if (from_->text().isEmpty()) FieldChosen();
}

void RegisterDesignStudy(Application& app) {
  auto screen = std::make_unique<FrmDesignStudy>(app);
  FrmDesignStudy* s = screen.get();
  auto picture = [&app, s] {
    app.LoadExample(5);
    s->Activate();
    auto* field = s->findChild<QComboBox*>("cmb_Field");
    field->setCurrentIndex(field->findData("VeeAngle"));
    emit field->activated(field->currentIndex());
    s->findChild<QLineEdit*>("txt_From")->setText("60");
    s->findChild<QLineEdit*>("txt_To")->setText("120");
    s->findChild<QLineEdit*>("txt_Step")->setText("5");
    auto* figure = s->findChild<QComboBox*>("cmb_Figure1");
    figure->setCurrentIndex(figure->findData("PeakTotalMoment"));
    s->findChild<QPushButton*>("cmd_Calc")->click();
  };
  app.Register({ScreenId::DesignStudy, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  // A study belongs to the design it was run on: it goes when the design changes.
  app.ShowsResults(ScreenId::DesignStudy, [&app, s] {
    s->Forget("The design has changed: Calculate to study it again.");
    return app.GetShell().State().chart[kChartStudy];
  });
}

}  // namespace zorvan::ui
