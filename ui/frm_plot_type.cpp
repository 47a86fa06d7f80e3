#include "ui/frm_plot_type.h"

#include <QEvent>
#include <QKeyEvent>
#include <QGridLayout>
#include <cmath>

#include "core/captions.h"
#include "core/error_report.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

const char* const kPlotTypes[4] = {"Single Window - One to Four Functions", "Two Windows - Two Functions",
                                   "Four Windows - Four Functions", "Polar Plot - One Function"};

// A curve across a window: a sine of the given phase and number of waves.
void Curve(Canvas& c, double left, double top, double right, double bottom, double phase, double waves, Rgb colour) {
  const double mid = (top + bottom) / 2, amplitude = (bottom - top) * 0.35;
  const Pen pen{colour, 1.0, Dash::Solid};
  for (int k = 0; k <= 40; ++k) {
    const double x = left + (right - left) * k / 40;
    const double y = mid - amplitude * std::sin(phase + waves * 6.283185307 * k / 40);
    if (k == 0) c.Line(x, y, x, y, pen);
    else c.LineTo(x, y, pen);
  }
}

}  // namespace

void DrawPlotLayout(Canvas& c, int option) {
  c.Scale(0, 0, 100, 60);
  c.Clear(palette::White);
  const Pen frame{palette::Black, 0.75, Dash::Solid};
  const Rgb colours[4] = {palette::Red, palette::Blue, palette::Green, palette::Magenta};
  switch (option) {
    case 0:
      c.Box(5, 5, 95, 55, frame, false);
      for (int k = 0; k < 4; ++k) Curve(c, 5, 5, 95, 55, k * 0.8, 1 + k * 0.5, colours[k]);
      break;
    case 1:
      for (int k = 0; k < 2; ++k) {
        c.Box(5, 4 + k * 27, 95, 29 + k * 27, frame, false);
        Curve(c, 5, 4 + k * 27, 95, 29 + k * 27, k * 1.2, 1 + k, colours[k]);
      }
      break;
    case 2:
      for (int k = 0; k < 4; ++k) {
        const double x = 5 + (k % 2) * 46, y = 4 + (k / 2) * 27;
        c.Box(x, y, x + 44, y + 25, frame, false);
        Curve(c, x, y, x + 44, y + 25, k * 0.8, 1 + k * 0.5, colours[k]);
      }
      break;
    default: {
      c.Circle(50, 30, 25, frame);
      c.Line(25, 30, 75, 30, frame);
      c.Line(50, 5, 50, 55, frame);
      // A closed polar curve: a force vector turning once about the pin.
      const Pen pen{palette::Red, 1.0, Dash::Solid};
      for (int k = 0; k <= 48; ++k) {
        const double a = 6.283185307 * k / 48, r = 12 + 8 * std::cos(2 * a);
        const double x = 50 + r * std::cos(a), y = 30 - r * std::sin(a);
        if (k == 0) c.Line(x, y, x, y, pen);
        else c.LineTo(x, y, pen);
      }
    }
  }
}

FrmPlotType::FrmPlotType(Application& app) : FormScreen(app, "frm_PlotType"), logic_(app.Selection(), boxes_) {
  HelpMenu("Help", "frm_PlotType.mnu_Help", HelpTopic::Plotting);

  auto* grid = new QGridLayout;
  for (int i = 0; i < 4; ++i) {
    picture_[i] = new PictureBox(this, QString("pct_PickPlot_%1").arg(i).toUtf8().constData());
    picture_[i]->setFixedSize(120, 72);
    picture_[i]->SetKeepSquare(false);
    picture_[i]->installEventFilter(this);
    DrawPlotLayout(picture_[i]->Picture(), i);
    option_[i] = new QRadioButton(kPlotTypes[i], this);
    option_[i]->setObjectName(QString("opt_PickPlot_%1").arg(i));
    option_[i]->installEventFilter(this);
    connect(option_[i], &QRadioButton::clicked, this, [this, i] { Pick(i); });
    grid->addWidget(picture_[i], i, 0);
    grid->addWidget(option_[i], i, 1);
  }
  Lay(grid, CommandRow({
                {"cmd_CancelPickPlot", "< &Back", [this] { Back(); }},
                Stretch(),
                {"cmd_PickPlotDone", "&Next >", [this] { Next(); }, &next_},
            }));
  Refill();
  resize(520, 420);
}

bool FrmPlotType::eventFilter(QObject* watched, QEvent* event) {
  for (int i = 0; i < 4; ++i) {
    if (watched != picture_[i] && watched != option_[i]) continue;
    if (!option_[i]->isEnabled()) break;
    // The arrow keys choose the option above or below, as in any option group.
    if (event->type() == QEvent::KeyPress && watched == option_[i]) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1 : key == Qt::Key_Up || key == Qt::Key_Left ? -1 : 0;
      if (step == 0) break;
      int k = i + step;
      while (k >= 0 && k < 4 && !option_[k]->isEnabled()) k += step;
      if (k >= 0 && k < 4) {
        Pick(k);
        option_[k]->setFocus(Qt::TabFocusReason);
      }
      return true;
    }
    // A picture clicked checks its option; a double-click on either also goes on.
    if (event->type() == QEvent::MouseButtonPress && watched == picture_[i]) Pick(i);
    if (event->type() == QEvent::MouseButtonDblClick) {
      Pick(i);
      Next();
      return true;
    }
  }
  return FormScreen::eventFilter(watched, event);
}

void FrmPlotType::WriteWidgets() {
  for (int i = 0; i < 4; ++i) option_[i]->setChecked(boxes_.option == i);
  next_->setEnabled(boxes_.nextEnabled);
  SetTitlebox(this, app_.Values());
}

void FrmPlotType::Activate() {
  option_[3]->setEnabled(app_.Available(ScreenId::PlotSelect4));
  Refill();
  // The keyboard starts in the option group, at the option chosen last.
  option_[boxes_.option >= 0 && boxes_.option < 4 ? boxes_.option : 0]->setFocus();
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Select Plot Type")));
}

void FrmPlotType::Pick(int option) {
  Run([&] { logic_.OptionClicked(option); });
}

void FrmPlotType::Next() {
  if (!boxes_.nextEnabled) return;
  ScreenId next = ScreenId::PlotSelect1;
  if (!Guarded(app_.GetUi(), "frm_PlotType.cmd_PickPlotDone", [&] { next = logic_.Next(); })) return;
  hide();
  app_.Show(next, Modality::Modal);
}

void RegisterPlotType(Application& app) {
  auto screen = std::make_unique<FrmPlotType>(app);
  FrmPlotType* s = screen.get();
  app.Register({ScreenId::Plot, std::move(screen), [s](Modality) { s->Activate(); }, true, {}});
}

}  // namespace zorvan::ui
