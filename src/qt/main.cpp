#include <QApplication>
#include <iostream>

#include "app/MainDialogTemplate.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "qt/ApplicationIcon.h"
#include "qt/ExportFolderSetting.h"
#include "qt/QtDesigner.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(grill::kApplicationName));
  QApplication::setWindowIcon(grill::ApplicationIcon());

  grill::StdFiles files;
  grill::SystemClock clock;
  grill::QtDesigner designer(files, clock,
                             grill::StoredExportFolder(grill::StdFiles::DefaultExportFolder()),
                             "MenuConfig.txt", std::cerr);
  designer.Start();
  designer.Run();
  return 0;
}
