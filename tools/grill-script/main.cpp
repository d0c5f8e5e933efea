#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "ScriptSession.h"

namespace {

constexpr const char* kUsage = "usage: grill-script [--config PATH] [SCRIPT]\n";

constexpr const char* kHelp =
    "usage: grill-script [--config PATH] [SCRIPT]\n"
    "\n"
    "Runs the designer's start-up and commands without a window, reading the\n"
    "commands from SCRIPT or from standard input, in the current folder.\n"
    "\n"
    "Options:\n"
    "  --config PATH   read MenuConfig.txt from PATH when the current folder has none\n"
    "  -h, --help      show this help and exit\n"
    "  -v, --version   show the version and exit\n"
    "  --              take what follows as the script's name\n"
    "\n"
    "See grill-script(1).\n";

}  // namespace

// grill-script [--config PATH] [SCRIPT]: runs the designer's start-up in the
// current folder, then the commands of SCRIPT, or of standard input without
// one. MenuConfig.txt is read from the current folder; without one there,
// from PATH when it is given.
int main(int argc, char* argv[]) {
  grill::ConfigSearch search;
  std::optional<std::string> scriptPath;
  bool options = true;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (options && (argument == "--help" || argument == "-h")) {
      std::cout << kHelp;
      return 0;
    }
    if (options && (argument == "--version" || argument == "-v")) {
      std::cout << "grill-script " GRILL_VERSION "\n";
      return 0;
    }
    if (options && argument == "--") {
      options = false;
    } else if (options && argument == "--config" && i + 1 < argc && !search.commandLinePath) {
      search.commandLinePath = argv[++i];
    } else if ((!options || !argument.starts_with('-') || argument == "-") && !scriptPath) {
      scriptPath = argument;
    } else {
      std::cerr << "grill-script: unexpected argument: " << argument << '\n' << kUsage;
      return 2;
    }
  }
  if (!scriptPath) {
    return grill::RunScript(std::cin, std::cout, std::cerr, std::move(search));
  }
  std::ifstream script(*scriptPath, std::ios::binary);
  if (!script) {
    std::cerr << "grill-script: cannot open " << *scriptPath << '\n';
    return 2;
  }
  return grill::RunScript(script, std::cout, std::cerr, std::move(search));
}
