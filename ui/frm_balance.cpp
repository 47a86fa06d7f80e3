#include "ui/frm_balance.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/design.h"
#include "core/startup.h"
#include "core/recalculate.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

namespace {

QLabel* Value(QWidget* parent, const QString& name) {
  QLabel* l = NamedLabel(parent, name.toUtf8().constData(), "");
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  l->setMinimumWidth(80);
  l->setFrameShape(QFrame::Panel);
  l->setFrameShadow(QFrame::Sunken);
  return l;
}

QLabel* Panel(QWidget* parent, const char* name, const QString& text = {}) {
  QLabel* l = NamedLabel(parent, name, text);
  l->setAlignment(Qt::AlignCenter);
  return l;
}

}  // namespace

FrmBalance::FrmBalance(Application& app)
    : FormScreen(app, "frm_Balance"), logic_(app.Design(), app.GetUi(), boxes_) {
  HelpMenu("Balancing", "frm_balance.mnu_Help _Click", HelpTopic::Balancing);
  auto* body = new QHBoxLayout;
  body->addWidget(BuildData());
  body->addWidget(BuildPlot(), 1);
  QWidget* commands = CommandRow({
      {"cmd_Back", "< &Back", [this] { Back(); }},
      {"cmd_Calc", "&Calculate", [this] { Run([this] { logic_.Calculate(); }); }, &calc_},
      {"cmd_Print", "&Print Form", [this] { PrintThisForm(); }, &print_},
      {"cmd_copy", "C&opy", [this] { app_.GetUi().Message(kCopyScreenText, Buttons::Ok, Icon::Information); }, &copy_},
      Stretch(),
      {"cmd_Done", "&Next >",
       [this] {
         app_.Selection().ResultsExist = true;
         ReturnHome();
       },
       &done_},
  });
  Lay(body, commands);
  for (QLineEdit* box : {rodnum_, mass_, rad_, angle_}) box->installEventFilter(this);
  connect(mass_, &QLineEdit::textEdited, this, [this] { boxes_.massEdited = true; });
  connect(rad_, &QLineEdit::textEdited, this, [this] { boxes_.radEdited = true; });
  connect(angle_, &QLineEdit::textEdited, this, [this] { boxes_.angleEdited = true; });
  connect(rodnum_, &QLineEdit::textEdited, this, [this] { boxes_.rodnumEdited = true; });
  OnLeave(mass_, [this] { logic_.MassLeft(); });
  OnLeave(rad_, [this] { logic_.RadiusLeft(); });
  OnLeave(angle_, [this] { logic_.AngleLeft(); });
  OnLeave(rodnum_, [this] { logic_.RodsLeft(); });
  resize(1100, 760);
}

QWidget* FrmBalance::BuildData() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  int unit = 0;
  auto unitLabel = [&](QWidget* parent) {
    units_[unit] = NamedLabel(parent, QString("lbl_Unit_%1").arg(unit).toUtf8().constData(), "");
    return units_[unit++];
  };
  auto massFrame = [&](const char* caption, const char* name, const char* labels, std::array<QLabel*, 4>& values,
                       const char* const captions[3]) {
    auto* frame = new QGroupBox(caption, column);
    frame->setObjectName(name);
    auto* grid = new QGridLayout(frame);
    for (int i = 1; i <= 3; ++i) {
      grid->addWidget(new QLabel(captions[i - 1], frame), i - 1, 0);
      values[i] = Value(frame, QString("%1_%2").arg(labels).arg(i));
      grid->addWidget(values[i], i - 1, 1);
      grid->addWidget(unitLabel(frame), i - 1, 2);
    }
    layout->addWidget(frame);
  };
  const char* const crankpin[3] = {"Combined Mass", "Crank Mass", "Conrod Mass"};
  const char* const wristpin[3] = {"Combined Mass", "Piston Mass", "Conrod Mass"};
  massFrame("Crankpin Data", "fra_Crankpin", "lbl_MassA", massA_, crankpin);
  massFrame("Wristpin Data", "fra_Wristpin", "lbl_MassB", massB_, wristpin);

  auto* exact = new QGroupBox("Needed for Exact Balance", column);
  exact->setObjectName("fra_Exact");
  auto* exactGrid = new QGridLayout(exact);
  exactGrid->addWidget(new QLabel("MR product", exact), 0, 0);
  mr2_ = Value(exact, "lbl_MR2");
  exactGrid->addWidget(mr2_, 0, 1);
  exactGrid->addWidget(new QLabel("at Angle", exact), 1, 0);
  ang2_ = Value(exact, "lbl_Ang2");
  exactGrid->addWidget(ang2_, 1, 1);
  exactGrid->addWidget(new QLabel("deg", exact), 1, 2);
  layout->addWidget(exact);

  auto* row = new QHBoxLayout;
  auto* radius = new QGroupBox("Crank Radius", column);
  radius->setObjectName("fra_Radius");
  auto* radiusLayout = new QHBoxLayout(radius);
  radius_ = Value(radius, "lbl_Radius");
  radiusLayout->addWidget(radius_);
  row->addWidget(radius);
  auto* rods = new QGroupBox("Conrods/Throw", column);
  rods->setObjectName("fra_Rodnum");
  rodnum_ = NamedBox(rods, "txt_Rodnum", "Conrods on each crank throw", 60, this);
  (new QHBoxLayout(rods))->addWidget(rodnum_);
  row->addWidget(rods);
  layout->addLayout(row);

  auto* balance = new QGroupBox("Balance Data", column);
  balance->setObjectName("fra_Balance");
  auto* grid = new QGridLayout(balance);
  mass_ = NamedBox(balance, "txt_CtrwtMass", "The counterweight's mass", 110, this);
  rad_ = NamedBox(balance, "txt_CtrwtRad", "The radius of the counterweight's centre of gravity", 110, this);
  angle_ = NamedBox(balance, "txt_CtrwtAng", "The counterweight's angle from the crankpin", 110, this);
  grid->addWidget(new QLabel("Balance Mass", balance), 0, 0);
  grid->addWidget(mass_, 0, 1);
  grid->addWidget(unitLabel(balance), 0, 2);
  grid->addWidget(new QLabel("Balance Radius", balance), 1, 0);
  grid->addWidget(rad_, 1, 1);
  grid->addWidget(new QLabel("Balance Angle", balance), 2, 0);
  grid->addWidget(angle_, 2, 1);
  grid->addWidget(new QLabel("deg", balance), 2, 2);
  layout->addWidget(balance);
  // Units 0..6 the mass, 7 the mass-radius product, 8 and 9 the length.
  units_[7] = unitLabel(exact);
  exactGrid->addWidget(units_[7], 0, 2);
  units_[8] = NamedLabel(radius, "lbl_Unit_8", "");
  radiusLayout->addWidget(units_[8]);
  units_[9] = NamedLabel(balance, "lbl_Unit_9", "");
  grid->addWidget(units_[9], 1, 2);
  layout->addStretch(1);
  return column;
}

QWidget* FrmBalance::BuildPlot() {
  auto* column = new QWidget(this);
  auto* grid = new QGridLayout(column);
  title_ = Panel(column, "pnl_LeftTitle_0");
  ymax_ = Panel(column, "pnl_Ymax");
  ymin_ = Panel(column, "pnl_Ymin");
  xmin_ = Panel(column, "pnl_Xmin");
  xmax_ = Panel(column, "pnl_Xmax");
  picture_ = new PictureBox(column, "pct_Plot_0");
  picture_->setFixedSize(500, 500);  // the polar window keeps its shape
  grid->addWidget(title_, 0, 0, 1, 3);
  grid->addWidget(ymax_, 1, 1);
  grid->addWidget(xmin_, 2, 0);
  grid->addWidget(picture_, 2, 1);
  grid->addWidget(xmax_, 2, 2);
  grid->addWidget(ymin_, 3, 1);
  auto* legends = new QHBoxLayout;
  unbal_ = Panel(column, "pnl_Unbal", "Unbalanced");
  unbal_->setStyleSheet("color: rgb(0, 0, 255);");
  bal_ = Panel(column, "pnl_Bal", "Balanced");
  bal_->setStyleSheet("color: rgb(0, 160, 0);");
  force_ = Panel(column, "pnl_Force", "Max =");
  max_ = Panel(column, "pnl_Max");
  for (QLabel* l : {unbal_, bal_, force_, max_}) legends->addWidget(l);
  grid->addLayout(legends, 4, 0, 1, 3);
  grid->setRowStretch(2, 1);
  grid->setColumnStretch(1, 1);
  return column;
}

void FrmBalance::ReadWidgets() {
  boxes_.mass = mass_->text().toStdString();
  boxes_.rad = rad_->text().toStdString();
  boxes_.angle = angle_->text().toStdString();
  boxes_.rodnum = rodnum_->text().toStdString();
}

void FrmBalance::WriteWidgets() {
  SetTitlebox(this, app_.Values());
  for (int i = 1; i <= 3; ++i) {
    massA_[i]->setText(QtText(boxes_.massA[i]));
    massB_[i]->setText(QtText(boxes_.massB[i]));
  }
  radius_->setText(QtText(boxes_.radius));
  mr2_->setText(QtText(boxes_.mr2));
  ang2_->setText(QtText(boxes_.ang2));
  rodnum_->setText(QtText(boxes_.rodnum));
  mass_->setText(QtText(boxes_.mass));
  rad_->setText(QtText(boxes_.rad));
  angle_->setText(QtText(boxes_.angle));
  for (int i = 0; i < 10; ++i) units_[i]->setText(QtText(i < 7 ? boxes_.massUnit : boxes_.lengthUnit));
  units_[7]->setText(QtText(boxes_.productUnit));
  // Rods per crank: yellow and editable for vee, opposed and W engines.
  rodnum_->setEnabled(boxes_.rodnumEditable);
  rodnum_->setCursor(boxes_.rodnumEditable ? Qt::IBeamCursor : Qt::ForbiddenCursor);
  rodnum_->setStyleSheet(boxes_.rodnumEditable ? "background: rgb(255, 255, 0);" : "background: rgb(0, 255, 255);");
  done_->setEnabled(boxes_.doneEnabled);
  copy_->setEnabled(boxes_.copyEnabled);
  print_->setEnabled(boxes_.printEnabled);
  Redraw();
}

void FrmBalance::Redraw() {
  Guarded(app_.GetUi(), "Balance_Plot", [&] {
    plot_ = BuildBalancePlot(app_.Design(), boxes_.plotMode);
    title_->setText(QtText(plot_.title));
    xmax_->setText(QtText(plot_.xmax));
    xmin_->setText(QtText(plot_.xmin));
    ymax_->setText(QtText(plot_.ymax));
    ymin_->setText(QtText(plot_.ymin));
    max_->setText(QtText(plot_.maxText));
    for (QLabel* l : {unbal_, bal_, force_, max_}) l->setVisible(boxes_.plotMode == 2);
    picture_->Picture().Reset();
    PaintBalancePlot(picture_->Picture(), plot_);
    picture_->update();
  });
}

void FrmBalance::AfterRun() {
  QWidget* target = nullptr;
  switch (boxes_.focus) {
    case BalanceFocus::Calc: target = calc_; break;
    case BalanceFocus::Done: target = done_; break;
    case BalanceFocus::Mass: target = mass_; break;
    case BalanceFocus::Radius: target = rad_; break;
    case BalanceFocus::Angle: target = angle_; break;
    case BalanceFocus::Rodnum: target = rodnum_; break;
    case BalanceFocus::None: break;
  }
  if (target && target->isEnabled()) target->setFocus();
  boxes_.focus = BalanceFocus::None;
}

void FrmBalance::Activate() {
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Balance One Cylinder")));
  logic_.Activate();
  Refill();
  AfterRun();
}

void FrmBalance::Back() { ReturnHome(); }

void RegisterBalance(Application& app) {
  auto window = std::make_unique<FrmBalance>(app);
  FrmBalance* s = window.get();
  // Picture: the start-up design after Calculate, both curves.
  auto picture = [&app, s] {
    MessageList told;
    Initialize(app.Design(), told);
    OneCylinderChain(app.Design(), told, "Calculate");
    Show(app.GetUi(), told);
    s->Activate();
    s->findChild<QPushButton*>("cmd_Calc")->click();
  };
  app.Register({ScreenId::Balance, std::move(window), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
  app.ShowsResults(ScreenId::Balance, [&app] { return app.GetShell().State().cmdBalance; });
}

}  // namespace zorvan::ui
