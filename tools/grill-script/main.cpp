#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "ScriptSession.h"

// grill-script [--config PATH] [SCRIPT]: runs the designer's start-up in the
// current folder, then the commands of SCRIPT, or of standard input without
// one. MenuConfig.txt is read from the current folder; without one there,
// from PATH when it is given.
int main(int argc, char* argv[]) {
  grill::ConfigSearch search;
  std::optional<std::string> scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--config" && i + 1 < argc && !search.commandLinePath) {
      search.commandLinePath = argv[++i];
    } else if (argument != "--config" && !scriptPath) {
      scriptPath = argument;
    } else {
      std::cerr << "usage: grill-script [--config PATH] [SCRIPT]\n";
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
