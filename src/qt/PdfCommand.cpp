#include "qt/PdfCommand.h"

#include <QString>

#include "app/LabelCommands.h"
#include "app/PrintCommands.h"
#include "config/LoadConfiguration.h"
#include "config/StockFile.h"
#include "platform/Files.h"
#include "qt/DrawingPdf.h"
#include "qt/LabelPrinting.h"
#include "qt/PrintPaper.h"

namespace grill {
namespace {

// Where the configuration was looked for and, unless a path was named on the
// command line, the installed sample and how to start from it: without a
// window nothing is copied.
void ReportNotFound(const ConfigSearchResult& found, const ConfigSearch& search,
                    std::ostream& errors) {
  errors << "Cannot find " << kConfigFileName << "; looked in:\n";
  for (const std::string& place : found.lookedIn) {
    errors << "  " << place << '\n';
  }
  if (found.sample && found.userFile) {
    errors << "A sample configuration is installed at " << *found.sample << ";\n"
           << "copy it to " << *found.userFile << " and describe your shop in it.\n";
  } else if (!search.commandLinePath) {
    errors << "No sample configuration is installed.\n";
  }
}

std::optional<LoadedConfiguration> LoadForPrinting(Files& files, const std::string& workingFile,
                                                   const ConfigSearch& search,
                                                   std::ostream& errors) {
  const ConfigSearchResult found = FindConfiguration(workingFile, search, files);
  if (!found.found) {
    ReportNotFound(found, search, errors);
    return std::nullopt;
  }
  LoadedConfiguration loaded = LoadConfiguration(files, *found.found);
  for (const std::string& message : loaded.messages) {
    errors << message << '\n';
  }
  if (loaded.endDialog) {
    return std::nullopt;
  }
  return loaded;
}

}  // namespace

int RunPdfCommand(const PdfCommand& command, const std::string& workingFolderConfig,
                  const ConfigSearch& search, std::ostream& errors) {
  StdFiles files;
  const std::optional<LoadedConfiguration> loaded =
      LoadForPrinting(files, workingFolderConfig, search, errors);
  if (!loaded) {
    return 1;
  }
  print::DrawingSettings settings;
  settings.paper = LocalePaper();
  settings.date = DrawingDate();
  const JobFilePrint print =
      PrintJobFile(files, loaded->configuration, command.job, command.design, settings);
  if (!print.warning.empty()) {
    errors << print.warning << '\n';
  }
  if (!print.error.empty()) {
    errors << print.error << '\n';
    return 1;
  }
  QString error;
  if (!WriteDrawingPdf(print.pages, QString::fromStdString(command.output), kDrawingsTitle,
                       error)) {
    errors << error.toStdString() << '\n';
    return 1;
  }
  return 0;
}

int RunLabelsCommand(const LabelsCommand& command, const std::string& workingFolderConfig,
                     const ConfigSearch& search, std::ostream& errors) {
  StdFiles files;
  const std::optional<LoadedConfiguration> loaded =
      LoadForPrinting(files, workingFolderConfig, search, errors);
  if (!loaded) {
    return 1;
  }
  const print::LabelSheet sheet = command.sheet.value_or(LocaleLabelSheet());
  const JobFileLabels labels =
      LabelJobFile(files, loaded->configuration, StockPathBeside(loaded->path),
                   loaded->settings.exportUnit, command.job, sheet);
  for (const std::string& warning : labels.warnings) {
    errors << warning << '\n';
  }
  if (!labels.error.empty()) {
    errors << labels.error << '\n';
    return 1;
  }
  QString error;
  if (!WriteDrawingPdf(labels.pages, QString::fromStdString(command.output),
                       QStringLiteral("Piece labels"), error)) {
    errors << error.toStdString() << '\n';
    return 1;
  }
  return 0;
}

}  // namespace grill
