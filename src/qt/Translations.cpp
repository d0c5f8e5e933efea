#include "qt/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

#include "config/ConfigSearch.h"

namespace grill {
namespace {

QStringList DataFolders() {
  const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
  return (dirs.isEmpty() ? QStringLiteral("/usr/local/share:/usr/share") : dirs)
      .split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

QString TranslationsUnder(const QString& share) {
  return QDir::cleanPath(share + QLatin1Char('/') + QString::fromLatin1(kConfigFolderName) +
                         QStringLiteral("/translations"));
}

// Loads the first file of `name` for `locale` in `folders` into a translator
// owned by `application`.
void Install(QCoreApplication& application, const QLocale& locale, const QString& name,
             const QStringList& folders) {
  for (const QString& folder : folders) {
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, name, QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return;
    }
    delete translator;
  }
}

}  // namespace

QStringList TranslationFolders(const QString& executableFolder, const QString& installPrefix) {
  QStringList folders{TranslationsUnder(executableFolder + QStringLiteral("/../share"))};
  for (const QString& share : DataFolders()) {
    folders << TranslationsUnder(share);
  }
  if (!installPrefix.isEmpty()) {
    folders << TranslationsUnder(installPrefix + QStringLiteral("/share"));
  }
  folders << executableFolder + QStringLiteral("/translations");
  folders.removeDuplicates();
  return folders;
}

void InstallTranslations(QCoreApplication& application, const QStringList& folders,
                         const QLocale& locale) {
  Install(application, locale, QStringLiteral("grill-designer"), folders);
  Install(application, locale, QStringLiteral("qtbase"),
          {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
}

}  // namespace grill
