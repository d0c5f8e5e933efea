#include "qt/DesignerCommandLine.h"

#include <QCommandLineParser>
#include <QFile>

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

}  // namespace

DesignerCommandLine ParseDesignerCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, {});
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, {});
  const QCommandLineOption config(QStringLiteral("config"), {}, QStringLiteral("PATH"));
  const QCommandLineOption pdf(QStringLiteral("pdf"), {}, QStringLiteral("OUT.pdf"));
  const QCommandLineOption design(QStringLiteral("design"), {}, QStringLiteral("NAME"));
  parser.addOptions({help, version, config, pdf, design});
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
  for (const QCommandLineOption* once : {&config, &pdf, &design}) {
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
         "\n"
         "Lays out window grills and writes the cut files that drive the saw.\n"
         "Opens JOB.grilljob when it is given. With --pdf, writes the job's drawings\n"
         "to OUT.pdf without a window and exits.\n"
         "\n"
         "Options:\n"
         "  --config PATH   read MenuConfig.txt from PATH when the working folder has none\n"
         "  --pdf OUT.pdf   write the drawings of the job (or of one design) to OUT.pdf\n"
         "  --design NAME   with --pdf: the design NAME alone\n"
         "  -h, --help      show this help and exit\n"
         "  -v, --version   show the version and exit\n"
         "\n"
         "See grill-designer(1).\n";
}

std::string DesignerVersionText() {
  return "grill-designer " GRILL_VERSION "\n";
}

}  // namespace grill
