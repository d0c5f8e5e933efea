#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

namespace grill::testing {

// Makes one Qt Test class's object.
using QtTestFactory = std::function<std::unique_ptr<QObject>()>;

// Adds a test class to the runner under `name` (without namespace), the name
// its CTest entry passes on the command line. Returns true, for a static.
bool RegisterQtTest(std::string name, QtTestFactory factory);

}  // namespace grill::testing

#define GRILL_QT_TEST_CONCAT2(a, b) a##b
#define GRILL_QT_TEST_CONCAT(a, b) GRILL_QT_TEST_CONCAT2(a, b)

// Registers a QObject test class with the one Qt test runner, in place of
// QTEST_MAIN: every class of tests/qt/ is linked into one program. The
// counter keeps the names apart when several files share a batch.
#define GRILL_QT_TEST(TestClass)                                               \
  static const bool GRILL_QT_TEST_CONCAT(grillQtTestRegistered, __COUNTER__) = \
      ::grill::testing::RegisterQtTest(#TestClass,                             \
                                       [] { return std::unique_ptr<QObject>(new TestClass); })
