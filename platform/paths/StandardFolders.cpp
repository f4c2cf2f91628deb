#include "platform/paths/StandardFolders.h"

#include <QDir>
#include <QStandardPaths>

#include <climits>
#include <unistd.h>

std::string DocumentsFolder() {
  const QString path = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (path.isEmpty() || !QDir().mkpath(path)) return std::string();
  return path.toStdString();
}

std::string DocumentsFolderLocation() {
  return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
}

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return std::string();
  const std::string path(buffer, static_cast<size_t>(length));
  const std::string::size_type slash = path.rfind('/');
  if (slash == std::string::npos) return std::string();
  return path.substr(0, slash + 1);
}

std::string TemporaryFolder() { return QDir::tempPath().toStdString(); }
