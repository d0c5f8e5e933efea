// The one Qt test program: `qt_tests CLASS [Qt Test options]` runs the tests
// of one class, as QTEST_MAIN would in a program of its own, so every class
// still runs in a fresh process with a fresh QApplication.
#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "QtTestRegistry.h"

namespace grill::testing {
namespace {

std::map<std::string, QtTestFactory>& Registry() {
  static std::map<std::string, QtTestFactory> registry;
  return registry;
}

int ListClasses() {
  for (const auto& entry : Registry()) {
    std::printf("%s\n", entry.first.c_str());
  }
  return 0;
}

}  // namespace

bool RegisterQtTest(std::string name, QtTestFactory factory) {
  if (const std::size_t colons = name.rfind("::"); colons != std::string::npos) {
    name.erase(0, colons + 2);
  }
  Registry().emplace(std::move(name), std::move(factory));
  return true;
}

}  // namespace grill::testing

int main(int argc, char* argv[]) {
  using grill::testing::Registry;
  if (argc < 2 || std::strcmp(argv[1], "--list") == 0) {
    return grill::testing::ListClasses();
  }
  const auto found = Registry().find(argv[1]);
  if (found == Registry().end()) {
    std::fprintf(stderr, "qt_tests: no test class %s (--list names them)\n", argv[1]);
    return 2;
  }
  // Qt Test reads its own options after the class name; argv[0] stays.
  std::vector<char*> args{argv[0]};
  args.insert(args.end(), argv + 2, argv + argc);
  int count = static_cast<int>(args.size());
  QApplication app(count, args.data());
  QApplication::setAttribute(Qt::AA_Use96Dpi, true);
  const std::unique_ptr<QObject> tests = found->second();
  return QTest::qExec(tests.get(), count, args.data());
}
