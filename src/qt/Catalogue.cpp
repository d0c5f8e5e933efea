#include "qt/Catalogue.h"

#include <QStringList>

namespace grill {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The line translated by the first phrase whose fixed parts lead and end it,
// or none.
std::optional<QString> ByPhrase(const QString& line) {
  for (const char* phrase : CorePhrases()) {
    const QString key = QString::fromUtf8(phrase);
    const qsizetype hole = key.indexOf(QStringLiteral("%1"));
    const QString lead = key.left(hole);
    const QString end = key.mid(hole + 2);
    if (line.size() > lead.size() + end.size() && line.startsWith(lead) && line.endsWith(end)) {
      const QString value = line.mid(lead.size(), line.size() - lead.size() - end.size());
      return Catalogue::tr(phrase).arg(value);
    }
  }
  return std::nullopt;
}

QString TranslatedLine(const QString& line) {
  const QByteArray bytes = line.toUtf8();
  const QString whole = Catalogue::tr(bytes.constData());
  if (whole != line) {
    return whole;
  }
  return ByPhrase(line).value_or(line);
}

}  // namespace

QString CoreText(std::string_view english) {
  const QString text = Utf8(english);
  const QString whole = Catalogue::tr(std::string(english).c_str());
  if (whole != text) {
    return whole;
  }
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    line = TranslatedLine(line);
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace grill
