#include "ui/frm_orders.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QMenuBar>
#include <QVBoxLayout>

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
  body->addWidget(subject_);
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
  add(graph, "mnu_CopyData", "Copy &Data", [this] { CopyChartText(OrdersCsv(app_.Design(), columns_)); });
  HelpMenu("Orders", "frm_Orders.mnu_Help_Click", HelpTopic::Orders);
  EscapeGoesBack();
}

OrderSubject FrmOrders::Subject() const {
  return subject_->currentIndex() == 1 ? OrderSubject::Shaking : OrderSubject::Torque;
}

void FrmOrders::Analyse() {
  std::vector<OrderColumn> columns;
  MessageList told;
  if (!OrderCalculation(app_.Design(), Subject(), told, columns)) columns.clear();
  Show(app_.GetUi(), told);
  columns_ = std::move(columns);
  Refill();
}

void FrmOrders::WriteWidgets() {
  const EngineDesignRecord& d = app_.Design();
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
