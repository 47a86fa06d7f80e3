#include "ui/frm_plot_select4.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/captions.h"
#include "core/error_report.h"
#include "core/presets.h"
#include "ui/application.h"
#include "ui/qt_platform.h"
#include "ui/screen_base.h"

namespace zorvan::ui {

FrmPlotSelect4::FrmPlotSelect4(Application& app)
    : FormScreen(app, "frm_PlotSelect4"), logic_(app.Design(), app.Selection(), boxes_) {
  HelpMenu("Help", "frm_PlotSelect4.mnu_Help", HelpTopic::PolarPlots);

  auto* columns = new QHBoxLayout;
  auto* slot = new QGroupBox("Function 1", this);
  slot->setObjectName("fra_Function1");
  auto* slotLayout = new QGridLayout(slot);
  var_ = new QComboBox(slot);
  var_->setObjectName("cmb_Var1");
  var_->setMinimumWidth(150);
  var_->installEventFilter(this);
  var_->view()->viewport()->installEventFilter(this);
  clear_ = NamedButton(slot, "cmd_Clear1", "&Clear");
  slotLayout->addWidget(NamedLabel(slot, "lbl_Var_0", "Variable"), 0, 0);
  slotLayout->addWidget(var_, 1, 0);
  slotLayout->addWidget(clear_, 1, 1);
  slotLayout->setRowStretch(2, 1);
  columns->addWidget(slot);

  auto* right = new QVBoxLayout;
  coordFrame_ = new QGroupBox("Coordinate System", this);
  coordFrame_->setObjectName("fra_coord");
  auto* coordLayout = new QVBoxLayout(coordFrame_);
  const char* captions[2] = {"Global", "Local Rotating"};
  for (int i = 0; i < 2; ++i) {
    coord_[i] = new QRadioButton(captions[i], coordFrame_);
    coord_[i]->setObjectName(QString("opt_Coord_%1").arg(i));
    coordLayout->addWidget(coord_[i]);
  }
  right->addWidget(coordFrame_);
  auto* plot = new QGroupBox("Plot 1", this);
  plot->setObjectName("fra_Plot_0");
  function_ = NamedLabel(plot, "lbl_Function_0", "");
  function_->setMinimumWidth(120);
  (new QVBoxLayout(plot))->addWidget(function_);
  right->addWidget(plot);
  right->addStretch(1);
  columns->addLayout(right, 1);

  Lay(columns, CommandRow({
                   {"cmd_CancelPlotData", "< &Back", [this] { Back(); }},
                   Stretch(),
                   {"cmd_Done", "&Next >", [this] { Next(); }, &done_},
               }));

  connect(var_, &QComboBox::activated, this, [this] { Run([&] { logic_.Picked(); }); });
  connect(clear_, &QPushButton::clicked, this, [this] { Run([&] { logic_.Clear(); }); });
  Refill();
  resize(560, 320);
}

bool FrmPlotSelect4::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && !IsFilling() &&
      (watched == var_ || watched == var_->view()->viewport()) && var_->isEnabled()) {
    bool next = false;
    Run([&] { next = logic_.DoubleClicked(); });
    if (next) Next();
    if (watched == var_) return true;
  }
  return FormScreen::eventFilter(watched, event);
}

void FrmPlotSelect4::ReadWidgets() {
  boxes_.var.index = var_->currentIndex();
  boxes_.coord = coord_[1]->isChecked() ? 1 : 0;
}

void FrmPlotSelect4::WriteWidgets() {
  QStringList items;
  for (const std::string& item : boxes_.var.items) items << QtText(item);
  QStringList shown;
  for (int k = 0; k < var_->count(); ++k) shown << var_->itemText(k);
  if (shown != items) {
    var_->clear();
    var_->addItems(items);
  }
  var_->setCurrentIndex(boxes_.var.index);
  function_->setText(QtText(boxes_.functionLabel));
  coord_[boxes_.coord == 1 ? 1 : 0]->setChecked(true);
  coordFrame_->setEnabled(boxes_.coordFrameEnabled);
  coord_[1]->setEnabled(boxes_.localEnabled);
  done_->setEnabled(boxes_.doneEnabled);
  SetTitlebox(this, app_.Values());
}

void FrmPlotSelect4::AfterRun() {
  if (boxes_.focusList) var_->setFocus();
  boxes_.focusList = false;
}

void FrmPlotSelect4::Activate() {
  if (keep_) logic_.Return();
  else logic_.Activate();
  keep_ = false;
  Refill();
  AfterRun();
  setWindowTitle(QtText(ScreenCaption(app_.Values(), "Select Polar Plot")));
}

void FrmPlotSelect4::Next() {
  if (!boxes_.doneEnabled) return;
  Run([&] { logic_.Next(); });
  hide();
  app_.Show(ScreenId::MyPlot4, Modality::Modal);
}

void FrmPlotSelect4::Back() {
  Run([&] { logic_.Back(); });
  hide();
  app_.Show(ScreenId::Plot, Modality::Modal);
}

void RegisterPlotSelect4(Application& app) {
  auto window = std::make_unique<FrmPlotSelect4>(app);
  FrmPlotSelect4* s = window.get();
  // Picture: the V8 with the main-bearing force chosen, ready for the rotating frame.
  auto picture = [&app, s] {
    app.LoadExample(5);
    s->Activate();
    auto* list = s->findChild<QComboBox*>("cmb_Var1");
    const int k = list->findText("F Main");
    list->setCurrentIndex(k);
    emit list->activated(k);
    s->findChild<QRadioButton*>("opt_Coord_1")->setChecked(true);
  };
  app.Register({ScreenId::PlotSelect4, std::move(window), [s](Modality) { s->Activate(); }, true, {{"", picture}}});
}

}  // namespace zorvan::ui
