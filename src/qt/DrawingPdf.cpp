#include "qt/DrawingPdf.h"

#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "model/Measurements.h"
#include "platform/Files.h"
#include "platform/ReplaceFile.h"
#include "qt/Catalogue.h"
#include "qt/PagePainter.h"
#include "qt/PrintPaper.h"

namespace grill {
namespace {

constexpr int kResolution = 600;  // dots per inch

}  // namespace

bool WriteDrawingPdf(const std::vector<print::Page>& pages, const QString& path,
                     const QString& title, QString& error) {
  if (pages.empty()) {
    error = Catalogue::tr("There are no pages to write.");
    return false;
  }
  // The PDF is made in memory and put in place through a temporary file: a failed write
  // leaves an earlier PDF whole, and a link planted under the name is replaced, never
  // written through.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setCreator(QStringLiteral("Grill Designer"));
    writer.setTitle(title);
    writer.setPageLayout(PageLayoutOf(pages.front()));
    QPainter painter;
    if (!painter.begin(&writer)) {
      error = Catalogue::tr("Cannot start the PDF %1.").arg(path);
      return false;
    }
    const double pixelsPerMillimetre = kResolution / kMillimetresPerInch;
    for (std::size_t i = 0; i < pages.size(); ++i) {
      if (i > 0) {
        writer.setPageLayout(PageLayoutOf(pages[i]));
        writer.newPage();
      }
      PaintPage(painter, pages[i], pixelsPerMillimetre);
    }
    painter.end();
  }
  buffer.close();
  StdFiles files;
  if (const auto failure = ReplaceFile(
          files, QFile::encodeName(path).toStdString(),
          std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    error = Catalogue::tr("Cannot write %1: %2").arg(path, QString::fromStdString(*failure));
    return false;
  }
  return true;
}

}  // namespace grill
