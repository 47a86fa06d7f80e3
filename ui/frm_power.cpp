#include "ui/frm_power.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "screen_logic/notices.h"
#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmPower::FrmPower(Application& app) : FormScreen(app, "frm_Power") {
  // Every view gives the whole chart's picture, and its bars as zorvan-cli plot --power --csv lists them.
  auto wire = [this](ChartView* v) {
    v->AnswerActions(
        app_, "frm_Power", [this](Canvas& c) { Draw(c); }, [this] { return PowerChartCsv(model_); },
        QSize(1280, 900));
  };
  auto* body = new QHBoxLayout;
  text_ = new ChartView(this, "Picture1");
  text_->SetPaint([this](Canvas& c, int) { PaintPowerText(c, model_.arrangementText); });
  text_->setMinimumWidth(270);
  wire(text_);
  body->addWidget(text_);
  auto* charts = new QVBoxLayout;
  for (int i = 0; i < 3; ++i) {
    titles_[i] = NamedLabel(this, QString("lbl_Title_%1").arg(i + 1).toUtf8().constData(), "");
    titles_[i]->setAlignment(Qt::AlignCenter);
    charts_[i] = new ChartView(this, QString("pct_Pict_%1").arg(i + 1).toUtf8().constData());
    charts_[i]->SetPaint([this, i](Canvas& c, int) { PaintPowerPanel(c, model_.charts[i]); });
    wire(charts_[i]);
    charts->addWidget(titles_[i]);
    charts->addWidget(charts_[i], 1);
  }
  body->addLayout(charts, 1);

  Lay(body, CommandRow({
                {"cmd_Redraw", "Redraw", [this] { Redraw(); }},
                Stretch(),
                {"cmd_Done", "&Next >", [this] { hide(); }},
            }));
  GraphMenu(text_->Actions());
  HelpMenu("Power Charts", "frm_Power.mnu_Help", HelpTopic::PowerChart);
  EscapeGoesBack();

  redrawTimer_.setSingleShot(true);
  redrawTimer_.setInterval(250);
  connect(&redrawTimer_, &QTimer::timeout, this, [this] { Redraw(); });
  resize(1100, 800);
}

void FrmPower::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  for (int i = 0; i < 3; ++i) titles_[i]->setText(QtText(model_.charts[i].title));
}

void FrmPower::Redraw() {
  Guarded(app_.GetUi(), "Chart_Setup", [&] {
    PowerChartModel m = BuildPowerChart(app_.Design());
    m.arrangementText = FiringArrangementText(app_.Design());
    model_ = std::move(m);
  });
  Refill();
  text_->update();
  for (ChartView* v : charts_) v->update();
}

void FrmPower::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Power Charts")));
  Redraw();
  redrawTimer_.start();
}

void RegisterPower(Application& app) {
  auto screen = std::make_unique<FrmPower>(app);
  FrmPower* s = screen.get();
  auto picture = [&app, s] {
    app.LoadExample(5);
    s->Activate();
  };
  app.Register({ScreenId::PowerChart, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::PowerChart, [&app] { return app.GetShell().State().chart[kChartPower]; });
}

}  // namespace zorvan::ui
