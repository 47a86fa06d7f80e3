#include "ui/frm_torsional.h"

#include <cstdio>
#include <utility>

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/units.h"
#include "screen_logic/torsional_data.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {
enum Picture { kModes, kCampbell, kResponse };
}  // namespace

FrmTorsional::FrmTorsional(Application& app) : FormScreen(app, "frm_Torsional") {
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildTable(), 3);
  report_ = new QPlainTextEdit(this);
  report_->setObjectName("txt_Report");
  report_->setReadOnly(true);
  report_->setLineWrapMode(QPlainTextEdit::NoWrap);
  report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  left->addWidget(report_, 2);
  body->addLayout(left, 2);

  auto* right = new QVBoxLayout;
  auto* choices = new QHBoxLayout;
  picture_ = new QComboBox(this);
  picture_->setObjectName("cmb_Picture");
  picture_->addItems({"Mode Shapes", "Campbell Diagram", "Forced Response"});
  picture_->setCurrentIndex(kCampbell);
  response_ = new QComboBox(this);
  response_->setObjectName("cmb_Response");
  response_->setToolTip("The station or shaft section whose response is drawn, order by order");
  choices->addWidget(picture_);
  choices->addWidget(response_, 1);
  right->addLayout(choices);
  view_ = new ChartView(this, "grf_Torsional", kPlotChart);
  view_->setMinimumSize(480, 360);
  view_->AnswerActions(
      app_, "frm_Torsional", [this](Canvas& c) { PaintPlot(c, view_->Model()); }, [this] { return PictureCsv(); },
      QSize(1000, 700));
  right->addWidget(view_, 1);
  body->addLayout(right, 3);
  connect(picture_, &QComboBox::activated, this, [this] { ShowPicture(); });
  connect(response_, &QComboBox::activated, this, [this] { ShowPicture(); });

  Lay(body, CommandRow({
                {"cmd_Back", "< &Back", [this] { Back(); }},
                {"cmd_Calc", "&Calculate", [this] { Run([this] { Calculate(); }); }},
                Stretch(),
            }));
  GraphMenu(view_->Actions());
  HelpMenu("Torsional Vibration", "frm_Torsional.mnu_Help", HelpTopic::Torsional);
  resize(1280, 800);
}

QWidget* FrmTorsional::BuildTable() {
  auto* frame = new QGroupBox("Stations from the front", this);
  frame->setObjectName("fra_Stations");
  auto* layout = new QVBoxLayout(frame);
  source_ = NamedLabel(frame, "lbl_Source", "");
  source_->setWordWrap(true);
  layout->addWidget(source_);
  table_ = new QTableWidget(0, 4, frame);
  table_->setObjectName("grd_Stations");
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  layout->addWidget(table_, 1);
  auto* buttons = new QGridLayout;
  buttons->addWidget(NamedButton(frame, "cmd_AddRow", "&Add Station"), 0, 0);
  buttons->addWidget(NamedButton(frame, "cmd_RemoveRow", "&Remove Station"), 0, 1);
  buttons->addWidget(NamedButton(frame, "cmd_Defaults", "De&faults"), 0, 2);
  buttons->addWidget(new QLabel("Modal damping (% of critical)", frame), 1, 0, 1, 2);
  damping_ = NamedBox(frame, "txt_Damping", "The damping ratio of every elastic mode, in percent", 100, this);
  buttons->addWidget(damping_, 1, 2);
  layout->addLayout(buttons);
  connect(frame->findChild<QPushButton*>("cmd_AddRow"), &QPushButton::clicked, this, [this] { AddStation(); });
  connect(frame->findChild<QPushButton*>("cmd_RemoveRow"), &QPushButton::clicked, this, [this] { RemoveStation(); });
  connect(frame->findChild<QPushButton*>("cmd_Defaults"), &QPushButton::clicked, this,
          [this] { Run([this] { Defaults(); }); });
  return frame;
}

void FrmTorsional::Analyse() {
  MessageList told;
  analysed_ = TorsionalCalculation(app_.Design(), modalRatio_, told, result_);
  if (!analysed_) {
    // The table still shows the stations, so that a bad one can be put right.
    result_ = TorsionalResult{};
    result_.modalRatio = modalRatio_;
    result_.entered = app_.Design().Shaft.has_value();
    Guarded(told, "Torsional", [&] { result_.stations = ShaftOf(app_.Design(), result_.notes); });
  }
  Show(app_.GetUi(), told);
}

void FrmTorsional::Calculate() {
  std::vector<ShaftRowTexts> cells;
  for (int row = 0; row < table_->rowCount(); ++row) {
    ShaftRowTexts texts;
    for (int col = 0; col < 4; ++col) {
      const QTableWidgetItem* item = table_->item(row, col);
      texts[static_cast<std::size_t>(col)] = item ? item->text().toStdString() : "";
    }
    cells.push_back(texts);
  }
  const std::optional<double> ratio = ModalRatioOf(damping_->text().toStdString());
  if (!ratio) {
    keepCells_ = true;
    app_.GetUi().Message(kModalDampingMessage, Buttons::Ok, Icon::Warning);
    damping_->setFocus();
    return;
  }
  bool changed = false;
  if (auto fault = AcceptStations(app_.Design(), cells, result_.stations, changed)) {
    keepCells_ = true;
    app_.GetUi().Message(*fault, Buttons::Ok, Icon::Warning);
    int row = 0;
    if (std::sscanf(fault->c_str(), "Row %d", &row) == 1) table_->setCurrentCell(row - 1, 1);
    table_->setFocus();
    return;
  }
  if (changed) app_.Values().DesignSaved = false;
  modalRatio_ = *ratio;
  BusyPointer busy(app_.GetUi());
  Analyse();
}

void FrmTorsional::Defaults() {
  if (app_.Design().Shaft) {
    app_.Design().Shaft.reset();
    app_.Values().DesignSaved = false;
  }
  Analyse();
}

void FrmTorsional::AddStation() {
  const int row = table_->currentRow() >= 0 ? table_->currentRow() + 1 : table_->rowCount();
  table_->insertRow(row);
  table_->setCurrentCell(row, 0);
}

void FrmTorsional::RemoveStation() {
  const int row = table_->currentRow();
  if (row < 0) return;
  table_->removeRow(row);
  // The new last station has no section after it.
  const int last = table_->rowCount() - 1;
  if (row > last && last >= 0) table_->setItem(last, 2, new QTableWidgetItem(""));
}

void FrmTorsional::WriteWidgets() {
  const EngineDesignRecord& d = app_.Design();
  SetTitlebox(this, app_.Values());
  const int16_t u = d.UnitSystem;
  table_->setHorizontalHeaderLabels({"Station", QtText("Inertia\n(" + InertiaLabel(u) + ")"),
                                     QtText("Stiffness to next\n(" + StiffnessLabel(u) + ")"),
                                     QtText("Damping\n(" + DampingLabel(u) + ")")});
  if (!std::exchange(keepCells_, false)) {
    const std::vector<ShaftRowTexts> cells = StationCells(result_.stations);
    table_->setRowCount(static_cast<int>(cells.size()));
    for (int row = 0; row < table_->rowCount(); ++row)
      for (int col = 0; col < 4; ++col)
        table_->setItem(row, col,
                        new QTableWidgetItem(QtText(cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)])));
    damping_->setText(QtText(DigitsText(modalRatio_ * 100, 6)));
  }
  source_->setText(result_.entered
                       ? "The stations as entered: Save keeps them beside the model file (NAME.shaft.csv)."
                       : "The design's default stations: edit them and Calculate to enter your own.");
  std::string report;
  if (analysed_) {
    report = TorsionalText(d, result_);
  } else {
    for (const std::string& n : result_.notes) report += n + "\n";
  }
  report_->setPlainText(QtText(report));
  choices_ = analysed_ ? ResponseChoices(result_) : std::vector<ResponseChoice>{};
  response_->clear();
  for (const ResponseChoice& c : choices_) response_->addItem(QtText(c.label));
  if (!choices_.empty()) response_->setCurrentIndex(static_cast<int>(PeakResponseChoice(result_)));
  ShowPicture();
}

void FrmTorsional::ShowPicture() {
  const int picture = picture_->currentIndex();
  response_->setEnabled(picture == kResponse && !choices_.empty());
  PlotModel model;
  if (analysed_) {
    Guarded(app_.GetUi(), "frm_Torsional.Draw", [&] {
      if (picture == kModes) model = ModeShapePlot(result_);
      if (picture == kCampbell) model = CampbellPlot(result_);
      const int k = response_->currentIndex();
      if (picture == kResponse && k >= 0 && k < static_cast<int>(choices_.size()))
        model = ResponsePlot(app_.Design(), result_, choices_[static_cast<std::size_t>(k)]);
    });
  }
  view_->SetModel(std::move(model));
}

std::string FrmTorsional::PictureCsv() const {
  if (!analysed_) return "";
  switch (picture_->currentIndex()) {
    case kModes: return ModesCsv(result_);
    case kCampbell: return CampbellCsv(result_);
    default: return ResponsePlotCsv(view_->Model());
  }
}

void FrmTorsional::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Torsional Vibration")));
  BusyPointer busy(app_.GetUi());
  Analyse();
  Refill();
}

void RegisterTorsional(Application& app) {
  auto screen = std::make_unique<FrmTorsional>(app);
  FrmTorsional* s = screen.get();
  auto show = [&app, s](int picture) {
    return [&app, s, picture] {
      app.LoadExample(4);  // the inline six
      s->Activate();
      auto* list = s->findChild<QComboBox*>("cmb_Picture");
      list->setCurrentIndex(picture);
      emit list->activated(picture);
    };
  };
  app.Register({ScreenId::Torsional, std::move(screen), [s](Modality) { s->Activate(); }, true,
                {{"", show(kCampbell)}, {"modes", show(kModes)}, {"response", show(kResponse)}}});
  app.ShowsResults(ScreenId::Torsional, [&app] { return app.GetShell().State().chart[kChartTorsional]; });
}

}  // namespace zorvan::ui
