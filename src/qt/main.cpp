#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "app/MainDialogTemplate.h"
#include "config/ConfigSearch.h"
#include "platform/Clock.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"
#include "platform/StateFolder.h"
#include "qt/ApplicationIcon.h"
#include "qt/ExportFolderSetting.h"
#include "qt/PdfCommand.h"
#include "qt/QtDesigner.h"
#include "qt/QtRecentJobs.h"

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    return std::nullopt;
  }
  return std::string(value);
}

bool WritesPdf(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string_view(argv[i]) == "--pdf") {
      return true;
    }
  }
  return false;
}

constexpr const char* kUsage =
    "usage: grill-designer [--config PATH] [JOB.grilljob]\n"
    "       grill-designer [--config PATH] --pdf OUT.pdf [--design NAME] JOB.grilljob\n";

}  // namespace

// grill-designer [--config PATH] [JOB.grilljob]: the designer in the current
// folder, opening the job once it has started. MenuConfig.txt is read from the
// working folder; without one there, from PATH or the user's configuration
// folder. With --pdf OUT.pdf [--design NAME] the job's drawings are written
// to OUT.pdf without a window.
int main(int argc, char** argv) {
  if (WritesPdf(argc, argv) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
    // No window is shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QString::fromUtf8(grill::kApplicationName));
  QApplication::setWindowIcon(grill::ApplicationIcon());

  grill::ConfigSearch search;
  std::optional<std::string> job;
  std::optional<std::string> pdf;
  std::optional<std::string> design;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--config" && i + 1 < argc) {
      search.commandLinePath = argv[++i];
    } else if (argument == "--pdf" && i + 1 < argc) {
      pdf = argv[++i];
    } else if (argument == "--design" && i + 1 < argc) {
      design = argv[++i];
    } else if (!argument.starts_with('-') && !job) {
      job =
          QFile::encodeName(QFileInfo(QFile::decodeName(argv[i])).absoluteFilePath()).toStdString();
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  search.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  search.home = Environment("HOME");
  search.executableFolder = QCoreApplication::applicationDirPath().toStdString();
  search.installPrefix = GRILL_INSTALL_PREFIX;

  if (pdf || design) {
    if (!pdf || !job) {
      std::cerr << kUsage;
      return 2;
    }
    return grill::RunPdfCommand({*pdf, *job, design}, "MenuConfig.txt", search, std::cerr);
  }

  grill::StdFiles files;
  grill::SystemClock clock;
  grill::StdFileLocks locks;
  grill::QtRecentJobs recentJobs;
  grill::QtDesigner designer(
      files, clock, grill::StoredExportFolder(grill::StdFiles::DefaultExportFolder()),
      "MenuConfig.txt", std::cerr, std::move(search),
      grill::JobPlaces{grill::StateFolder(), grill::WorkingFolder(), &locks, &recentJobs});
  designer.Start();

  if (job) {
    // Through File > Open once the dialog is up, so that its question comes
    // over the dialog.
    QTimer::singleShot(0, &designer.Dialog(),
                       [&designer, path = *job] { designer.Designer().Job().Open(path); });
  }
  designer.Run();
  return 0;
}
