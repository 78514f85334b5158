#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace PlatformUi {

namespace {
const char* const kProgramBaseName = "solvane";
}

QString ProgramFolder() {
  QString folder = qEnvironmentVariable("SOLVANE_HOME");
  if (folder.isEmpty()) folder = QCoreApplication::applicationDirPath();
  folder = QDir::fromNativeSeparators(QDir(folder).absolutePath());
  if (!folder.endsWith('/')) folder += '/';
  return folder;
}

QString ProgramFileWithExtension(const QString& extension) {
  return ProgramFolder() + kProgramBaseName + extension;
}

QString DefaultLastFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  if (!music.isEmpty() && QDir(music).exists()) return music;
  return QDir::homePath();
}

}  // namespace PlatformUi
