#include "qt/AboutBox.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/MainDialogTemplate.h"
#include "platform/ControlIds.h"
#include "qt/ApplicationIcon.h"
#include "qt/Catalogue.h"

namespace grill {

std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent) {
  auto box = std::make_unique<QDialog>(parent);
  box->setWindowTitle(CoreText(kAboutTitle));
  box->setWindowIcon(ApplicationIcon());

  auto* icon = new QLabel(box.get());
  icon->setPixmap(ApplicationIcon().pixmap(32, 32));
  auto* text = new QLabel(CoreText(kAboutText), box.get());
  text->setTextFormat(Qt::PlainText);
  auto* ok = new QPushButton(Catalogue::tr("OK"), box.get());
  ok->setObjectName(QString::number(kIdOk));
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, box.get(), &QDialog::accept);

  auto* top = new QHBoxLayout;
  top->addWidget(icon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addWidget(text, 1);
  auto* layout = new QVBoxLayout(box.get());
  layout->addLayout(top);
  layout->addWidget(ok, 0, Qt::AlignRight);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  return box;
}

}  // namespace grill
