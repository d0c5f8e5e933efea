#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>

#include "app/MainDialogTemplate.h"
#include "config/ConfigSearch.h"
#include "platform/Clock.h"
#include "platform/FileLocks.h"
#include "platform/Files.h"
#include "platform/StateFolder.h"
#include "qt/ApplicationIcon.h"
#include "qt/DesignerCommandLine.h"
#include "qt/ExportFolderSetting.h"
#include "qt/PdfCommand.h"
#include "qt/QtDesigner.h"
#include "qt/QtRecentJobs.h"
#include "qt/Translations.h"
#include "qt/UserSettings.h"

namespace {

std::optional<std::string> Environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') {
    return std::nullopt;
  }
  return std::string(value);
}

QStringList Arguments(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    arguments << QFile::decodeName(argv[i]);
  }
  return arguments;
}

grill::ConfigSearch Search(const grill::DesignerCommandLine& line) {
  grill::ConfigSearch search;
  search.commandLinePath = line.configPath;
  search.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  search.home = Environment("HOME");
  search.executableFolder = QCoreApplication::applicationDirPath().toStdString();
  search.dataFolders = grill::DataFolders(Environment("XDG_DATA_DIRS"));
  search.installPrefix = GRILL_INSTALL_PREFIX;
  return search;
}

std::string AbsolutePath(const std::string& path) {
  return QFile::encodeName(
             QFileInfo(QFile::decodeName(QByteArray::fromStdString(path))).absoluteFilePath())
      .toStdString();
}

// The application object of a run that got past its arguments: named, with
// its icon, tied to its desktop entry and speaking the user's language.
void SetUp(QApplication& application) {
  QApplication::setApplicationName(QString::fromUtf8(grill::kApplicationName));
  QApplication::setApplicationVersion(QStringLiteral(GRILL_VERSION));
  // Wayland shells find the window's desktop entry, and so its icon and name, by this.
  QGuiApplication::setDesktopFileName(QStringLiteral("com.varnel.GrillDesigner"));
  QApplication::setWindowIcon(grill::ApplicationIcon());
  grill::InstallTranslations(application,
                             grill::TranslationFolders(QCoreApplication::applicationDirPath(),
                                                       QStringLiteral(GRILL_INSTALL_PREFIX)));
}

}  // namespace

// grill-designer [--config PATH] [JOB.grilljob]: the designer in the current
// folder, opening the job once it has started. With --pdf OUT.pdf [--design
// NAME] the job's drawings are written to OUT.pdf without a window, with
// --labels OUT.pdf [--sheet NAME] a label for every piece of its plan. The
// arguments are read before anything needs a display, so that --help,
// --version and a wrong option work without one.
int main(int argc, char** argv) {
  using Action = grill::DesignerCommandLine::Action;
  const grill::DesignerCommandLine line = grill::ParseDesignerCommandLine(Arguments(argc, argv));
  switch (line.action) {
    case Action::ShowHelp:
      std::cout << grill::DesignerHelpText();
      return 0;
    case Action::ShowVersion:
      std::cout << grill::DesignerVersionText();
      return 0;
    case Action::RefuseUsage:
      std::cerr << "grill-designer: " << line.error << "\n\n" << grill::DesignerHelpText();
      return 2;
    case Action::WritePdf:
    case Action::WriteLabels:
      if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        // No window is shown, so no display is needed.
        qputenv("QT_QPA_PLATFORM", "offscreen");
      }
      break;
    case Action::RunDesigner:
      break;
  }

  QApplication application(argc, argv);
  SetUp(application);
  grill::ConfigSearch search = Search(line);
  const std::optional<std::string> job =
      line.job ? std::optional(AbsolutePath(*line.job)) : std::nullopt;

  if (line.action == Action::WritePdf) {
    return grill::RunPdfCommand({*line.pdf, *job, line.design}, grill::kConfigFileName, search,
                                std::cerr);
  }
  if (line.action == Action::WriteLabels) {
    return grill::RunLabelsCommand({*line.labels, *job, line.sheet}, grill::kConfigFileName, search,
                                   std::cerr);
  }

  grill::MoveEarlierSettings();
  grill::StdFiles files;
  grill::SystemClock clock;
  grill::StdFileLocks locks;
  grill::QtRecentJobs recentJobs;
  grill::QtDesigner designer(
      files, clock, grill::StoredExportFolder(grill::StdFiles::DefaultExportFolder()),
      grill::kConfigFileName, std::cerr, std::move(search),
      grill::JobPlaces{grill::StateFolder(), grill::WorkingFolder(), &locks, &recentJobs});
  designer.Designer().SetExportLayout(grill::StoredExportLayout());
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
