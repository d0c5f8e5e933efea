#pragma once

#include <QLocale>
#include <QStringList>

class QCoreApplication;

namespace grill {

// Where the designer's translations (grill-designer_LANGUAGE.qm) may be, in
// order: share/varnel-grill-designer/translations beside the executable's
// folder, under each of $XDG_DATA_DIRS (/usr/local/share:/usr/share without
// it) and under `installPrefix`; then the executable's own folder, where a
// build tree keeps them.
QStringList TranslationFolders(const QString& executableFolder, const QString& installPrefix);

// Installs the translations of `locale`'s languages into `application`: the
// designer's own, found in the first of `folders` that holds one, and Qt's
// (dialog buttons and the file dialog). English needs none.
void InstallTranslations(QCoreApplication& application, const QStringList& folders,
                         const QLocale& locale = QLocale::system());

}  // namespace grill
