#include "ui/frm_shafts.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {
constexpr int kColumns = 5;
}  // namespace

FrmShafts::FrmShafts(Application& app) : FormScreen(app, "frm_Shafts") {
  auto* body = new QHBoxLayout;
  auto* left = new QVBoxLayout;
  left->addWidget(BuildGrid(), 2);
  table_ = new QPlainTextEdit(this);
  table_->setObjectName("txt_Shafts");
  table_->setReadOnly(true);
  table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  table_->setLineWrapMode(QPlainTextEdit::NoWrap);
  left->addWidget(table_, 3);
  body->addLayout(left, 3);
  view_ = new ChartView(this, "pct_Shafts");
  view_->SetPaint([this](Canvas& c, int cursor) { area_ = PaintPolarPlot(c, plot_, cursor); });
  view_->SetRowAt([this](double x, double y) { return PolarRowAt(area_, plot_, x, y); });
  view_->AnswerActions(
      app_, "frm_Shafts", [this](Canvas& c) { PaintPolarPlot(c, plot_); }, [this] { return PolarCsv(plot_); });
  body->addWidget(view_, 2);
  Lay(body, CommandRow({
                {"cmd_Back", "< &Back", [this] { Back(); }},
                {"cmd_Add", "&Add Shaft",
                 [this] { Run([this] { rows_.push_back({"2", "with", "0", "0", "0"}); }); }},
                {"cmd_Remove", "&Remove Shaft",
                 [this] {
                   const int row = grid_->currentRow();
                   Run([this, row] {
                     if (row >= 0 && row < static_cast<int>(rows_.size())) rows_.erase(rows_.begin() + row);
                   });
                 }},
                {"cmd_Apply", "A&pply", [this] { Run([this] { Apply(); }); }},
                Stretch(),
            }));
  GraphMenu(view_->Actions());
  HelpMenu("Balance Shafts", "frm_Shafts.mnu_Help_Click", HelpTopic::BalanceShafts);
  EscapeGoesBack();
  resize(1100, 720);
}

QWidget* FrmShafts::BuildGrid() {
  auto* frame = new QGroupBox("Balance Shafts", this);
  frame->setObjectName("fra_Shafts");
  auto* layout = new QVBoxLayout(frame);
  auto* sizing = new QHBoxLayout;
  order_ = new QComboBox(frame);
  order_->setObjectName("cmb_Order");
  order_->addItems({"First order (crank speed)", "Second order (Lanchester pair)", "First and second order"});
  order_->setCurrentIndex(1);
  auto* size = NamedButton(frame, "cmd_Size", "&Size Automatically");
  size->setToolTip("Shafts at the engine's centre that cancel the free force of the chosen order");
  connect(size, &QPushButton::clicked, this, [this] { Run([this] { Size(); }); });
  sizing->addWidget(order_, 1);
  sizing->addWidget(size);
  layout->addLayout(sizing);
  grid_ = new QTableWidget(0, kColumns, frame);
  grid_->setObjectName("grd_Shafts");
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setToolTip("Turns: \"with\" the crank or \"against\" it. Phase: where the unbalance points at crank "
                    "angle 0. Place: along the crankshaft from the engine's centre.");
  layout->addWidget(grid_, 1);
  return frame;
}

void FrmShafts::ReadWidgets() {
  rows_.clear();
  for (int r = 0; r < grid_->rowCount(); ++r) {
    ShaftRow row;
    for (int c = 0; c < kColumns; ++c) {
      const QTableWidgetItem* item = grid_->item(r, c);
      row[c] = item ? item->text().toStdString() : "";
    }
    rows_.push_back(row);
  }
}

void FrmShafts::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  QStringList titles;
  for (const std::string& t : ShaftColumnTitles(app_.Design())) titles << QtText(t);
  grid_->setHorizontalHeaderLabels(titles);
  grid_->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r)
    for (int c = 0; c < kColumns; ++c) grid_->setItem(r, c, new QTableWidgetItem(QtText(rows_[r][c])));
  table_->setPlainText(QtText(text_));
  view_->update();
}

void FrmShafts::Apply() {
  EngineDesignRecord& d = app_.Design();
  std::vector<BalanceShaft> shafts;
  if (auto refusal = ReadShaftRows(d, rows_, shafts)) {
    app_.GetUi().Message(*refusal, Buttons::Ok, Icon::Warning);
    return;
  }
  if (shafts != d.BalanceShafts) app_.Values().DesignSaved = false;
  d.BalanceShafts = std::move(shafts);
  Show();
}

void FrmShafts::Size() {
  EngineDesignRecord& d = app_.Design();
  const int k = order_->currentIndex();
  MessageList told;
  if (SizeDesignShafts(d, k == 0 ? ShaftChoice::First : k == 1 ? ShaftChoice::Second : ShaftChoice::Both, told))
    app_.Values().DesignSaved = false;
  zorvan::Show(app_.GetUi(), told);
  Show();
}

void FrmShafts::Show() {
  const EngineDesignRecord& d = app_.Design();
  rows_ = ShaftRows(d);
  plot_ = {};
  text_ = "Calculate the engine first: the shafts are sized for its shaking.";
  if (!d.EngineResultsValid) return;
  Guarded(app_.GetUi(), "Balance_Shafts", [&] {
    const std::unique_ptr<EngineDesignRecord> with = DesignWithShafts(d);
    text_ = ShaftsText(d, *with, MomentReference::Centre);
    PlotSelection s;
    Set_Variable(s, PlotFunction(kTotalShakingForce).shortName, 1);
    s.FunctionCount = s.WindowCount = 1;
    s.PlotType = 4;
    const PlotOverlay without{&d, "with shafts", "without shafts", true};
    plot_ = BuildPolarPlot(*with, s, kPolarEnvelope, d.BalanceShafts.empty() ? nullptr : &without);
  });
}

void FrmShafts::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Balance Shafts")));
  Run([this] { Show(); });
}

void RegisterShafts(Application& app) {
  auto screen = std::make_unique<FrmShafts>(app);
  FrmShafts* s = screen.get();
  // The picture: the inline four with its Lanchester pair.
  auto picture = [&app, s] {
    app.LoadExample(2);
    MessageList told;
    SizeDesignShafts(app.Design(), ShaftChoice::Second, told);
    s->Activate();
  };
  app.Register({ScreenId::Shafts, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::Shafts, [&app] { return app.Design().EngineResultsValid; });
}

}  // namespace zorvan::ui
