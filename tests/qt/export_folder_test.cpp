#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include "QtTestRegistry.h"
#include "qt/ExportFolderSetting.h"
#include "qt/UserSettings.h"

namespace grill {

// The chosen export folder outlives the session; the settings live in the
// test location, away from the user's own.
class ExportFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void remembersTheChosenFolder() {
    StoreExportFolder("");
    QCOMPARE(StoredExportFolder("/home/user/export/grills"), "/home/user/export/grills");
    StoreExportFolder("/srv/cuts/kitchen job");
    QCOMPARE(StoredExportFolder("/home/user/export/grills"), "/srv/cuts/kitchen job");
    StoreExportFolder("");
  }

  // One folder per job is off until chosen, and kept as a word, not in the locale's form.
  void remembersOneFolderPerJob() {
    UserSettings().remove(QStringLiteral("export/folderPerJob"));
    QCOMPARE(StoredExportLayout(), ExportLayout::kExportFolder);
    StoreExportLayout(ExportLayout::kFolderPerJob);
    QCOMPARE(StoredExportLayout(), ExportLayout::kFolderPerJob);
    QFile file(UserSettings().fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("folderPerJob=true"));
    StoreExportLayout(ExportLayout::kExportFolder);
    QCOMPARE(StoredExportLayout(), ExportLayout::kExportFolder);
  }
};

}  // namespace grill

GRILL_QT_TEST(grill::ExportFolderTest);
#include "export_folder_test.moc"
