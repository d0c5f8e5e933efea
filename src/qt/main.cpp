#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <iostream>

#include "app/MainDialogTemplate.h"
#include "platform/Clock.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"
#include "platform/StateFolder.h"
#include "qt/ApplicationIcon.h"
#include "qt/QtDesigner.h"
#include "qt/QtRecentJobs.h"

// grill-designer [JOB.grilljob]: the designer in the current folder, opening
// the job once it has started.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(grill::kApplicationName));
  QApplication::setWindowIcon(grill::ApplicationIcon());

  grill::StdFiles files;
  grill::SystemClock clock;
  grill::StdFileLocks locks;
  grill::QtRecentJobs recentJobs;
  grill::QtDesigner designer(
      files, clock, grill::StdFiles::DefaultExportFolder(), "MenuConfig.txt", std::cerr,
      grill::JobPlaces{grill::StateFolder(), grill::WorkingFolder(), &locks, &recentJobs});
  designer.Start();

  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) {
    const std::string job =
        QFile::encodeName(QFileInfo(arguments.at(1)).absoluteFilePath()).toStdString();
    // Through File > Open once the dialog is up, so that its question comes
    // over the dialog.
    QTimer::singleShot(0, &designer.Dialog(),
                       [&designer, job] { designer.Designer().Job().Open(job); });
  }
  designer.Run();
  return 0;
}
