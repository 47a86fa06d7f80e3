#include "ui/frm_orders.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMenuBar>
#include <QVBoxLayout>

#include "core/balance_shafts.h"
#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "files/atomic_file.h"
#include "plots/orders_chart.h"
#include "ui/application.h"
#include "ui/chart_view.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmOrders::FrmOrders(Application& app) : FormScreen(app, "frm_Orders") {
  BuildMenus();
  auto* body = new QVBoxLayout;
  subject_ = new QComboBox(this);
  subject_->setObjectName("cmb_Subject");
  subject_->addItems({"Torques", "Shaking Force and Moment"});
  moments_ = new QComboBox(this);
  moments_->setObjectName("cmb_Moments");
  moments_->addItems({"Moments about the engine's centre", "Moments about cylinder 1's plane"});
  shafts_ = new QCheckBox("With the balance shafts", this);
  shafts_->setObjectName("chk_Shafts");
  shafts_->setChecked(true);  // an engine with shafts is shown with them, as zorvan-cli orders shows it
  auto* choices = new QHBoxLayout;
  choices->addWidget(subject_, 1);
  choices->addWidget(moments_, 1);
  choices->addWidget(shafts_);
  body->addLayout(choices);
  chart_ = new DrawingView(this, "pct_Orders");
  body->addWidget(chart_, 3);
  table_ = new QPlainTextEdit(this);
  table_->setObjectName("txt_Orders");
  table_->setReadOnly(true);
  table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  body->addWidget(table_, 2);
  Lay(body, CommandRow({
                {"cmd_Back", "< &Back", [this] { Back(); }},
                Stretch(),
            }));
  connect(subject_, &QComboBox::activated, this, [this] { Analyse(); });
  connect(moments_, &QComboBox::activated, this, [this] { Analyse(); });
  connect(shafts_, &QCheckBox::toggled, this, [this] {
    if (!IsFilling()) Analyse();
  });
  resize(1000, 760);
}

void FrmOrders::BuildMenus() {
  QMenu* graph = menuBar()->addMenu("&Graph");
  graph->setObjectName("mnu_Graph");
  auto add = [&](QMenu* menu, const char* name, const char* text, std::function<void()> run) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, std::move(run));
    return a;
  };
  const QSize size(900, 560);
  add(graph, "mnu_SaveImage", "Save &Image...",
      [this, size] { SaveChartImage(app_, chart_->Drawing(), size, "frm_Orders.SaveImage"); });
  add(graph, "mnu_CopyImage", "Copy I&mage", [this, size] { CopyChartImage(chart_->Drawing(), size); })
      ->setShortcut(QKeySequence::Copy);
  add(graph, "mnu_CopyData", "Copy &Data", [this] { CopyChartText(OrdersCsv(Analysed(), columns_)); });
  HelpMenu("Orders", "frm_Orders.mnu_Help_Click", HelpTopic::Orders);
  EscapeGoesBack();
}

OrderSubject FrmOrders::Subject() const {
  return subject_->currentIndex() == 1 ? OrderSubject::Shaking : OrderSubject::Torque;
}

const EngineDesignRecord& FrmOrders::Analysed() const { return withShafts_ ? *withShafts_ : app_.Design(); }

void FrmOrders::Analyse() {
  std::vector<OrderColumn> columns;
  MessageList told;
  const EngineDesignRecord& d = app_.Design();
  const MomentReference reference =
      moments_->currentIndex() == 1 ? MomentReference::Cylinder1 : MomentReference::Centre;
  // The shafts act on the shaking only, and only an engine's.
  withShafts_.reset();
  const bool shafts = Subject() == OrderSubject::Shaking && shafts_->isChecked() && !d.BalanceShafts.empty() &&
                      d.EngineResultsValid;
  if (shafts && !Guarded(told, "Balance_Shafts", [&] { withShafts_ = DesignWithShafts(d); })) withShafts_.reset();
  if (!OrderCalculation(Analysed(), Subject(), told, columns, reference)) columns.clear();
  Show(app_.GetUi(), told);
  columns_ = std::move(columns);
  Refill();
}

void FrmOrders::WriteWidgets() {
  const EngineDesignRecord& d = Analysed();
  moments_->setEnabled(Subject() == OrderSubject::Shaking);
  shafts_->setEnabled(Subject() == OrderSubject::Shaking && !app_.Design().BalanceShafts.empty());
  SetTitlebox(this, app_.Values());
  auto charts = std::make_shared<std::vector<OrdersChart>>(BuildOrdersCharts(d, columns_));
  chart_->SetDrawing([charts](Canvas& c) { PaintOrdersCharts(c, *charts); });
  table_->setPlainText(QtText(columns_.empty() ? "" : OrdersText(d, Subject(), columns_)));
}

void FrmOrders::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Orders of Crank Speed")));
  Analyse();
}

void RegisterOrders(Application& app) {
  auto screen = std::make_unique<FrmOrders>(app);
  FrmOrders* s = screen.get();
  auto picture = [&app, s] {
    app.LoadExample(2);  // the inline 4
    s->Activate();
  };
  app.Register({ScreenId::Orders, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::Orders, [&app] { return app.GetShell().State().chart[kChartOrders]; });
}

}  // namespace zorvan::ui
