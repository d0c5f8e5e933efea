#include <QStandardPaths>
#include <QtTest>

#include "QtTestRegistry.h"
#include "qt/ExportFolderSetting.h"

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
};

}  // namespace grill

GRILL_QT_TEST(grill::ExportFolderTest);
#include "export_folder_test.moc"
