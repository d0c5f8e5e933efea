#include <fstream>
#include <iostream>

#include "ScriptSession.h"

// grill-script [SCRIPT]: runs the designer's start-up in the current folder,
// then the commands of SCRIPT, or of standard input without one.
int main(int argc, char* argv[]) {
  if (argc > 2) {
    std::cerr << "usage: grill-script [SCRIPT]\n";
    return 2;
  }
  if (argc == 1) {
    return grill::RunScript(std::cin, std::cout, std::cerr);
  }
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "grill-script: cannot open " << argv[1] << '\n';
    return 2;
  }
  return grill::RunScript(script, std::cout, std::cerr);
}
