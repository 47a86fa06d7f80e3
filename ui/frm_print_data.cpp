#include "ui/frm_print_data.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/frm_print_select.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

constexpr int kHeadingRows = 5;  // function, component, unit, Min, Max

void SetCell(QTableWidget* grid, int row, int column, const std::string& text, bool heading) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  item->setTextAlignment(heading ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
  if (heading) item->setBackground(QColor(192, 192, 192));
  grid->setItem(row, column, item);
}

}  // namespace

FrmPrintData::FrmPrintData(Application& app) : FormScreen(app, "frm_PrintData") {
  HelpMenu("Printing", "frm_PrintData.mnu_Help_Click", HelpTopic::Printing);
  EscapeGoesBack();
  auto* body = new QVBoxLayout;
  summary_.AddHeaderLines(this, body);
  auto* row = new QHBoxLayout;
  grid_ = new QTableWidget(this);
  grid_->setObjectName("grd_Data");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  row->addWidget(grid_, 1);
  auto* side = new QVBoxLayout;
  summary_.AddPanels(this, side);
  side->addStretch(1);
  row->addLayout(side);
  body->addLayout(row, 1);
  Lay(body,
      CommandRow({
          {"cmd_Reprint", "< &Back", [this] { Back(); }},
          {"cmd_Copy", "&Copy", [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); }},
          {"cmd_PrintForm", "&Print Form",
           [this] { PrintForm(*this, app_.GetUi(), app_.Printer(), "frm_Printdata.PrintForm"); }},
          Stretch(),
          {"cmd_Done", "&Next >", [this] { hide(); }},
      }));
  resize(1000, 760);
}

void FrmPrintData::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Print Data")));
  auto* selection = app_.Screen<FrmPrintSelect>(ScreenId::Print);
  const PrintSettings settings = selection ? selection->Settings() : PrintSettings{};
  Guarded(app_.GetUi(), "Multiprint", [&] {
    table_ = BuildPrintTable(app_.Design(), app_.Selection(), settings);
    FillGrid();
  });
  Refill();
}

void FrmPrintData::FillGrid() {
  const int n = static_cast<int>(table_.columns.size());
  const int count = kHeadingRows + static_cast<int>(table_.rows.size());
  if (count < previousRows_) grid_->clearContents();  // "Clear_Grid"
  previousRows_ = count;
  grid_->setColumnCount(n + 1);
  grid_->setRowCount(count);
  // The columns share the grid's width equally.
  grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  const char* first[kHeadingRows] = {"Crank", "Angle", "deg", "Min", "Max"};
  for (int r = 0; r < kHeadingRows; ++r) SetCell(grid_, r, 0, first[r], true);
  for (int c = 1; c <= n; ++c) {
    const PrintColumn& col = table_.columns[c - 1];
    SetCell(grid_, 0, c, col.shownFunction, true);
    SetCell(grid_, 1, c, col.component, true);
    SetCell(grid_, 2, c, col.printUnit, true);
    SetCell(grid_, 3, c, table_.minimum[c - 1], false);
    SetCell(grid_, 4, c, table_.maximum[c - 1], false);
  }
  for (std::size_t r = 0; r < table_.rows.size(); ++r)
    for (int c = 0; c <= n; ++c) SetCell(grid_, kHeadingRows + static_cast<int>(r), c, table_.rows[r][c], c == 0);
}

void FrmPrintData::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  summary_.Write(app_.Design());
}

void FrmPrintData::Back() {
  hide();
  app_.Screen<FrmPrintSelect>(ScreenId::Print)->KeepChoices();
  app_.Show(ScreenId::Print, Modality::Modal);
}

void RegisterPrintData(Application& app) {
  auto window = std::make_unique<FrmPrintData>(app);
  FrmPrintData* s = window.get();
  // Picture: the V8 with the total shaking force, every third step, two decimals.
  auto picture = [&app, s] {
    app.LoadExample(5);
    app.Selection() = PlotSelection{};
    ApplyPlotPreset(app.Selection(), "Total Shaking Force - X, Y, Mag, Angle", 4);
    if (auto* select = app.Screen<FrmPrintSelect>(ScreenId::Print)) select->SetSettings({PrintTarget::Screen, 3, 2});
    s->Activate();
  };
  app.Register({ScreenId::PrintData, std::move(window), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::PrintData, [&app] { return SelectionOffered(app.Design(), app.Selection()); });
}

}  // namespace zorvan::ui
