#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "print/LabelSheets.h"

namespace grill {

// What grill-designer was asked to do by its arguments.
struct DesignerCommandLine {
  enum class Action { RunDesigner, WritePdf, WriteLabels, ShowHelp, ShowVersion, RefuseUsage };

  Action action = Action::RunDesigner;
  std::optional<std::string> configPath;   // --config PATH
  std::optional<std::string> job;          // JOB.grilljob, as given
  std::optional<std::string> pdf;          // --pdf OUT.pdf
  std::optional<std::string> design;       // --design NAME
  std::optional<std::string> labels;       // --labels OUT.pdf
  std::optional<print::LabelSheet> sheet;  // --sheet NAME
  // Why the arguments were refused, for RefuseUsage.
  std::string error;
};

// Reads the arguments after the program's name. Needs no application object,
// so that --help and --version work where no display can be opened.
DesignerCommandLine ParseDesignerCommandLine(const QStringList& arguments);

// The usage, the options and what the program does, for --help.
std::string DesignerHelpText();
// The program's name and version, for --version.
std::string DesignerVersionText();

}  // namespace grill
