#include "ui/frm_compare.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenuBar>
#include <QVBoxLayout>
#include <cmath>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/number_text.h"
#include "core/recalculate.h"
#include "core/startup.h"
#include "files/atomic_file.h"
#include "files/model_file.h"
#include "ui/application.h"
#include "ui/chart_view.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {
QString Value(double v) { return std::isnan(v) ? QString("-") : QtText(DigitsText(v, 9)); }
}  // namespace

FrmCompare::FrmCompare(Application& app) : FormScreen(app, "frm_Compare") {
  auto* body = new QVBoxLayout;
  auto* top = new QHBoxLayout;
  names_ = NamedLabel(this, "lbl_Designs", "");
  names_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  top->addWidget(names_, 1);
  moments_ = new QComboBox(this);
  moments_->setObjectName("cmb_Moments");
  moments_->addItems({"Moments about cylinder 1's plane", "Moments about the engine's centre"});
  top->addWidget(moments_);
  body->addLayout(top);
  grid_ = new QTableWidget(0, 5, this);
  grid_->setObjectName("grd_Compare");
  grid_->setHorizontalHeaderLabels({"Figure", "Unit", "A", "B", "B - A"});
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  body->addWidget(grid_, 1);
  connect(moments_, &QComboBox::activated, this, [this] { Run([this] { Figures(); }); });
  Lay(body, CommandRow({
                {"cmd_Back", "< &Back", [this] { Back(); }},
                {"cmd_CopyData", "Copy &Data", [this] { CopyChartText(Csv()); }},
                {"cmd_SaveData", "&Save Data...",
                 [this] { SaveChartData(app_, Csv(), "frm_Compare.SaveData"); }},
                {"cmd_Stop", "S&top Comparing",
                 [this] {
                   app_.GetShell().StopComparing();
                   DesignTouched();
                   hide();
                 }},
                Stretch(),
            }));
  HelpMenu("Comparison", "frm_Compare.mnu_Help_Click", HelpTopic::Compare);
  EscapeGoesBack();
  resize(980, 620);
}

void FrmCompare::ReadWidgets() {
  reference_ = moments_->currentIndex() == 1 ? MomentReference::Centre : MomentReference::Cylinder1;
}

void FrmCompare::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  moments_->setCurrentIndex(reference_ == MomentReference::Centre ? 1 : 0);
  names_->setText(QtText("A:  " + nameA_ + "\nB:  " + nameB_ + (note_.empty() ? "" : "\n" + note_)));
  grid_->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    const ComparisonRow& row = rows_[r];
    const QString cells[5] = {QtText(row.label), QtText(row.unit), Value(row.a), Value(row.b), Value(row.Difference())};
    for (int c = 0; c < 5; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c >= 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid_->setItem(r, c, item);
    }
  }
}

void FrmCompare::Figures() {
  rows_.clear();
  note_.clear();
  Comparison& comparison = app_.GetShell().GetComparison();
  const EngineDesignRecord& a = app_.Design();
  nameA_ = app_.Values().FileName + " (the current design)";
  nameB_ = comparison.Active() ? comparison.Name() : "none: File > Compare With... reads one";
  if (!a.EngineResultsValid) {
    note_ = "Calculate the current engine to compare it.";
    return;
  }
  MessageList told;
  const EngineDesignRecord* b = comparison.Calculated(a.UnitSystem, told);
  if (b) {
    const std::vector<double> figuresA = ComparisonFigures(a, reference_, told);
    rows_ = ComparisonRows(a, figuresA, ComparisonFigures(*b, reference_, told), reference_);
    if (!a.BalanceShafts.empty() || !b->BalanceShafts.empty())
      note_ = "The shaking figures of a design with balance shafts are those with its shafts.";
  }
  zorvan::Show(app_.GetUi(), told);
}

std::string FrmCompare::Csv() const { return ComparisonCsv(nameA_, nameB_, rows_); }

void FrmCompare::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Comparison")));
  Run([this] { Figures(); });
}

void CompareWithExample(Application& app, int k) {
  auto d = std::make_unique<EngineDesignRecord>();
  MessageList told;
  ProgramValues values;
  const std::string path = QDir(QDir::tempPath()).filePath(QString("zorvan-example-%1.zrv").arg(k)).toStdString();
  values.FileName = "example";
  Guarded(told, "Compare", [&] {
    if (Initialize(*d, told) && LoadExample(*d, k, told)) ReplaceFileAtomically(path, ModelFileText(*d, values));
    app.GetShell().GetComparison().Read(path, app.Design().UnitSystem, told);
  });
}

void RegisterCompare(Application& app) {
  auto screen = std::make_unique<FrmCompare>(app);
  FrmCompare* s = screen.get();
  // The picture: the inline four beside the V8.
  auto picture = [&app, s] {
    app.LoadExample(2);
    CompareWithExample(app, 5);
    s->Activate();
  };
  app.Register({ScreenId::Compare, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::Compare, [&app] { return app.GetShell().GetComparison().Active(); });
}

}  // namespace zorvan::ui
