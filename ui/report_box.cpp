#include "ui/report_box.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

namespace zorvan::ui {

ReportBox::ReportBox(QWidget* parent, const QString& title, const QString& text) : QDialog(parent) {
  setObjectName("dlg_Report");
  setWindowTitle(title);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  auto* icon = new QLabel(this);
  int side = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(side, side));
  icon->setAlignment(Qt::AlignTop);

  auto* body = new QLabel(text, this);
  body->setObjectName("lbl_Report");
  body->setTextFormat(Qt::PlainText);
  body->setWordWrap(false);
  body->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  body->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  body->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  body->setContentsMargins(4, 4, 4, 4);

  auto* scroll = new QScrollArea(this);
  scroll->setWidget(body);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  // As large as the text, within most of the display.
  QSize want = body->sizeHint() + QSize(24, 24);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    want = want.boundedTo(screen->availableGeometry().size() * 0.85);
  scroll->setMinimumSize(want);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addWidget(scroll, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addWidget(buttons);
}

}  // namespace zorvan::ui
