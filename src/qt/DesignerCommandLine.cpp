#include "qt/DesignerCommandLine.h"

#include <QCommandLineParser>
#include <QFile>
#include <vector>

namespace grill {
namespace {

std::string LocalBytes(const QString& text) {
  return QFile::encodeName(text).toStdString();
}

DesignerCommandLine Refused(std::string error) {
  DesignerCommandLine line;
  line.action = DesignerCommandLine::Action::RefuseUsage;
  line.error = std::move(error);
  return line;
}

// "a4, letter or roll62".
std::string SheetNames() {
  const std::vector<print::LabelSheet> sheets = print::AllLabelSheets();
  std::string names;
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    names += (i == 0                   ? ""
              : i + 1 == sheets.size() ? " or "
                                       : ", ") +
             print::LabelSheetName(sheets[i]);
  }
  return names;
}

}  // namespace

DesignerCommandLine ParseDesignerCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
  const QCommandLineOption config(QStringLiteral("config"), {}, QStringLiteral("PATH"));
  const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("OUT.pdf"));
  const QCommandLineOption design(QStringLiteral("design"), {}, QStringLiteral("NAME"));
  const QCommandLineOption labels(QStringLiteral("labels"), {}, QStringLiteral("OUT.pdf"));
  const QCommandLineOption sheet(QStringLiteral("sheet"), {}, QStringLiteral("NAME"));
  parser.addOptions({help, version, config, pdf, design, labels, sheet});
  // The parser reads the program's name first, as QCoreApplication gives it.
  if (!parser.parse(QStringList{QStringLiteral("grill-designer")} + arguments)) {
    return Refused(parser.errorText().toStdString());
  }
  if (parser.isSet(help)) {
    DesignerCommandLine line;
    line.action = DesignerCommandLine::Action::ShowHelp;
    return line;
  }
  if (parser.isSet(version)) {
    DesignerCommandLine line;
    line.action = DesignerCommandLine::Action::ShowVersion;
    return line;
  }
  for (const QCommandLineOption* once : {&config, &pdf, &design, &labels, &sheet}) {
    if (parser.values(*once).size() > 1) {
      return Refused("--" + once->names().constFirst().toStdString() + " given more than once");
    }
  }
  const QStringList jobs = parser.positionalArguments();
  if (jobs.size() > 1) {
    return Refused("more than one job file");
  }

  DesignerCommandLine line;
  if (parser.isSet(config)) {
    line.configPath = LocalBytes(parser.value(config));
  }
  if (!jobs.isEmpty()) {
    line.job = LocalBytes(jobs.constFirst());
  }
  if (parser.isSet(design) && !parser.isSet(pdf)) {
    return Refused("--design needs --pdf");
  }
  if (parser.isSet(sheet) && !parser.isSet(labels)) {
    return Refused("--sheet needs --labels");
  }
  if (parser.isSet(labels)) {
    if (parser.isSet(pdf)) {
      return Refused("--labels and --pdf cannot be given together");
    }
    if (!line.job) {
      return Refused("--labels needs a job file");
    }
    line.action = DesignerCommandLine::Action::WriteLabels;
    line.labels = LocalBytes(parser.value(labels));
    if (parser.isSet(sheet)) {
      const std::string name = parser.value(sheet).toStdString();
      line.sheet = print::LabelSheetNamed(name);
      if (!line.sheet) {
        return Refused("unknown label sheet \"" + name + "\"; the sheets are " + SheetNames());
      }
    }
  }
  if (parser.isSet(pdf)) {
    if (!line.job) {
      return Refused("--pdf needs a job file");
    }
    line.action = DesignerCommandLine::Action::WritePdf;
    line.pdf = LocalBytes(parser.value(pdf));
    if (parser.isSet(design)) {
      line.design = parser.value(design).toStdString();
    }
  }
  return line;
}

std::string DesignerHelpText() {
  return "Usage: grill-designer [--config PATH] [JOB.grilljob]\n"
         "       grill-designer [--config PATH] --pdf OUT.pdf [--design NAME] JOB.grilljob\n"
         "       grill-designer [--config PATH] --labels OUT.pdf [--sheet NAME] JOB.grilljob\n"
         "\n"
         "Lays out window grills and writes the cut files that drive the saw.\n"
         "Opens JOB.grilljob when it is given. With --pdf, writes the job's drawings\n"
         "to OUT.pdf without a window and exits; with --labels, a label for every\n"
         "piece of the job's cutting plan.\n"
         "\n"
         "Options:\n"
         "  --config PATH   read MenuConfig.txt from PATH when the working folder has none\n"
         "  --pdf OUT.pdf   write the drawings of the job (or of one design) to OUT.pdf\n"
         "  --design NAME   with --pdf: the design NAME alone\n"
         "  --labels OUT.pdf  write a label for every cut piece to OUT.pdf\n"
         "  --sheet NAME    with --labels: a4 (3 x 8), letter (3 x 10, Avery 5160)\n"
         "                  or roll62 (62 mm roll); the locale's paper by default\n"
         "  -h, --help      show this help and exit\n"
         "  -v, --version   show the version and exit\n"
         "\n"
         "See grill-designer(1).\n";
}

std::string DesignerVersionText() {
  return "grill-designer " GRILL_VERSION "\n";
}

}  // namespace grill
