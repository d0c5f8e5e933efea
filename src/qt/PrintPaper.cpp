#include "qt/PrintPaper.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <algorithm>

namespace grill {

print::PaperSize LocalePaper() {
  const QLocale::Territory territory = QLocale::system().territory();
  const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada;
  return letter ? print::kLetter : print::kA4;
}

print::PaperSize PrinterPaper(const QPrinter& printer) {
  const QSizeF size = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
  return {std::min(size.width(), size.height()), std::max(size.width(), size.height())};
}

std::string DrawingDate() {
  return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

QPageLayout PageLayoutOf(const print::Page& page) {
  const QSizeF portrait(std::min(page.width, page.height), std::max(page.width, page.height));
  return QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                     page.width > page.height ? QPageLayout::Landscape : QPageLayout::Portrait,
                     QMarginsF());
}

}  // namespace grill
