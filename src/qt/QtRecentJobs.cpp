#include "qt/QtRecentJobs.h"

#include <QFile>
#include <QStringList>

#include "qt/UserSettings.h"

namespace grill {
namespace {

constexpr const char* kKey = "recentJobs";

}  // namespace

std::vector<std::string> QtRecentJobs::Load() const {
  std::vector<std::string> paths;
  for (const QString& path : UserSettings().value(QString::fromLatin1(kKey)).toStringList()) {
    paths.push_back(QFile::encodeName(path).toStdString());
  }
  return paths;
}

void QtRecentJobs::Store(const std::vector<std::string>& paths) {
  QStringList list;
  for (const std::string& path : paths) {
    list << QFile::decodeName(QByteArray::fromStdString(path));
  }
  UserSettings().setValue(QString::fromLatin1(kKey), list);
}

}  // namespace grill
