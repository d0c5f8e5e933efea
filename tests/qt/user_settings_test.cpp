#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QtTest>

#include "QtTestRegistry.h"
#include "qt/UserSettings.h"

namespace grill {

// One folder holds the user's MenuConfig.txt and the designer's settings;
// the settings of the earlier place move there once. The test location of
// QStandardPaths stands in for the user's configuration folder.
class UserSettingsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() { RemoveBoth(); }
  void cleanupTestCase() { RemoveBoth(); }

  void settingsLiveBesideTheConfiguration() {
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QCOMPARE(UserConfigFolder(), configHome + QStringLiteral("/varnel-grill-designer"));
    QCOMPARE(UserSettings().fileName(),
             UserConfigFolder() + QStringLiteral("/grill-designer.conf"));
  }

  void earlierSettingsMoveOnce() {
    WriteEarlier(QStringLiteral("/srv/cuts"));
    MoveEarlierSettings();
    QCOMPARE(UserSettings().value(QStringLiteral("export/folder")).toString(),
             QStringLiteral("/srv/cuts"));
    QCOMPARE(UserSettings().value(QStringLiteral("recentJobs")).toStringList(),
             QStringList{QStringLiteral("/home/ann/shop.grilljob")});
    QVERIFY(!QFile::exists(EarlierFile()));

    // An earlier file that shows up again never replaces the settings in use.
    WriteEarlier(QStringLiteral("/old/place"));
    MoveEarlierSettings();
    QCOMPARE(UserSettings().value(QStringLiteral("export/folder")).toString(),
             QStringLiteral("/srv/cuts"));
  }

  void nothingToMove() {
    MoveEarlierSettings();
    QVERIFY(!QFile::exists(UserSettings().fileName()));
  }

 private:
  static QString EarlierFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Varnel/Grill Designer.conf");
  }

  static void WriteEarlier(const QString& folder) {
    QSettings earlier(EarlierFile(), QSettings::IniFormat);
    earlier.setValue(QStringLiteral("export/folder"), folder);
    earlier.setValue(QStringLiteral("recentJobs"),
                     QStringList{QStringLiteral("/home/ann/shop.grilljob")});
  }

  static void RemoveBoth() {
    QFile::remove(EarlierFile());
    QFile::remove(UserSettings().fileName());
  }
};

}  // namespace grill

GRILL_QT_TEST(grill::UserSettingsTest);
#include "user_settings_test.moc"
