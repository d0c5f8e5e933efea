#include "qt/Catalogue.h"

#include <QRegularExpression>
#include <QStringList>
#include <optional>

namespace grill {
namespace {

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A phrase as a pattern of the whole line: its fixed parts as they are,
// each %N a value of at least one character.
QRegularExpression PatternOf(const QString& phrase) {
  static const QRegularExpression hole(QStringLiteral("%[1-9]"));
  QString pattern = QStringLiteral("^");
  qsizetype start = 0;
  for (const QRegularExpressionMatch& match : hole.globalMatch(phrase)) {
    pattern += QRegularExpression::escape(phrase.mid(start, match.capturedStart() - start));
    pattern += QStringLiteral("(.+?)");
    start = match.capturedEnd();
  }
  pattern += QRegularExpression::escape(phrase.mid(start)) + QStringLiteral("$");
  return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption);
}

// A value the core counted ("3 remnants") in the user's language; any other
// value (a name, a path, a number) as it is. A count is digits alone, so a
// name that happens to end in a counted word is left alone.
QString TranslatedValue(const QString& value) {
  static const QRegularExpression count(QStringLiteral("^([0-9]+) (.+)$"));
  const QRegularExpressionMatch parts = count.match(value);
  if (!parts.hasMatch()) {
    return value;
  }
  const QString counted = QStringLiteral("%1 ") + parts.captured(2);
  for (const char* phrase : CoreCountPhrases()) {
    if (counted == QLatin1String(phrase)) {
      return Catalogue::tr(phrase).replace(QStringLiteral("%1"), parts.captured(1));
    }
  }
  return value;
}

// The translated phrase with each %N replaced by the line's Nth value, in one
// pass, so that a value holding "%2" stays as it is.
QString Filled(const QString& phrase, const QRegularExpressionMatch& values) {
  static const QRegularExpression hole(QStringLiteral("%([1-9])"));
  QString filled;
  qsizetype start = 0;
  for (const QRegularExpressionMatch& match : hole.globalMatch(phrase)) {
    filled += phrase.mid(start, match.capturedStart() - start);
    filled += TranslatedValue(values.captured(match.captured(1).toInt()));
    start = match.capturedEnd();
  }
  return filled + phrase.mid(start);
}

// The line translated by the first phrase it matches, or none.
std::optional<QString> ByPhrase(const QString& line) {
  for (const char* phrase : CorePhrases()) {
    const QRegularExpressionMatch match = PatternOf(QString::fromUtf8(phrase)).match(line);
    if (match.hasMatch()) {
      return Filled(Catalogue::tr(phrase), match);
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
