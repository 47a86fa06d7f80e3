#include "ui/frm_phasors.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmPhasors::FrmPhasors(Application& app) : FormScreen(app, "frm_Phasors") {
  auto* body = new QVBoxLayout;
  auto* kinds = new QGroupBox("Vectors", this);
  kinds->setObjectName("fra_Kind");
  auto* kindLayout = new QHBoxLayout(kinds);
  const char* captions[2] = {"&Forces", "&Moments"};
  for (int i = 0; i < 2; ++i) {
    kindOption_[i] = new QRadioButton(captions[i], kinds);
    kindOption_[i]->setObjectName(QString("opt_Kind_%1").arg(i));
    kindLayout->addWidget(kindOption_[i]);
    connect(kindOption_[i], &QRadioButton::clicked, this, [this] { Run([this] { Redraw(); }); });
  }
  kindLayout->addStretch(1);
  body->addWidget(kinds);
  view_ = new ChartView(this, "pct_Phasors");
  view_->SetPaint([this](Canvas& c, int) { PaintPhasors(c, model_); });
  view_->AnswerActions(
      app_, "frm_Phasors", [this](Canvas& c) { PaintPhasors(c, model_); }, [this] { return PhasorCsv(model_); });
  body->addWidget(view_, 1);

  Lay(body, CommandRow({
                {"cmd_PlotPrint", "&Print Form", [this] { PrintThisForm(); }},
                Stretch(),
                {"cmd_Done", "&Next >", [this] { hide(); }},
            }));
  GraphMenu(view_->Actions());
  HelpMenu("Phasor Diagrams", "frm_Phasors.mnu_Help", HelpTopic::Phasors);
  EscapeGoesBack();
  resize(1000, 720);
}

void FrmPhasors::ReadWidgets() { kind_ = kindOption_[1]->isChecked() ? kPhasorMoments : kPhasorForces; }

void FrmPhasors::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  kindOption_[kind_ == kPhasorMoments ? 1 : 0]->setChecked(true);
}

void FrmPhasors::Redraw() {
  Guarded(app_.GetUi(), "frm_Phasors.Draw", [&] { model_ = BuildPhasors(app_.Design(), kind_); });
  view_->update();
}

void FrmPhasors::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Phasor Diagrams")));
  Run([this] { Redraw(); });
}

void RegisterPhasors(Application& app) {
  auto screen = std::make_unique<FrmPhasors>(app);
  FrmPhasors* s = screen.get();
  auto picture = [&app, s] {
    app.LoadExample(2);
    s->Activate();
  };
  app.Register({ScreenId::Phasors, std::move(screen), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::Phasors, [&app] { return app.GetShell().State().chart[kChartPhasors]; });
}

}  // namespace zorvan::ui
