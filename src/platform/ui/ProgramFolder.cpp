#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace PlatformUi {

namespace {

const char* const kProgramBaseName = "solvane";

QString WithSlash(const QString& folder) {
  QString path = QDir::fromNativeSeparators(QDir(folder).absolutePath());
  if (!path.endsWith('/')) path += '/';
  return path;
}

QString UserFolder(QStandardPaths::StandardLocation location) {
  return WithSlash(QStandardPaths::writableLocation(location) + '/' + kProgramBaseName);
}

// The shape of the folder decides, not only its permissions: root may write
// anywhere, yet /usr/bin is no place for a settings file.
bool IsPortableFolder(const QString& folder) {
  const QFileInfo info(folder);
  return QFileInfo(folder + "skins").isDir() && info.isDir() && info.isWritable();
}

}  // namespace

ProgramFolders ChooseProgramFolders(const QString& executableFolder) {
  const QString home = qEnvironmentVariable("SOLVANE_HOME");
  if (!home.isEmpty()) return {WithSlash(home), WithSlash(home), WithSlash(home), false};
  const QString own = WithSlash(executableFolder);
  if (IsPortableFolder(own)) return {own, own, own, false};
  const QString shared = WithSlash(own + "../share/" + kProgramBaseName);
  return {QFileInfo(shared + "skins").isDir() ? shared : own,
          UserFolder(QStandardPaths::GenericConfigLocation),
          UserFolder(QStandardPaths::GenericDataLocation), true};
}

ProgramFolders CurrentProgramFolders() {
  return ChooseProgramFolders(QCoreApplication::applicationDirPath());
}

QString ProgramFolder() { return CurrentProgramFolders().shipped; }

QString ProgramFileWithExtension(const QString& extension) {
  return CurrentProgramFolders().config + kProgramBaseName + extension;
}

QString ReadMePath() {
  const ProgramFolders folders = CurrentProgramFolders();
  const QString folder = folders.installed ? folders.shipped + "../doc/" + kProgramBaseName + '/' : folders.shipped;
  return QDir::cleanPath(folder + "README.md");
}

QString LocalCDDatabaseFolder() { return CurrentProgramFolders().data + "LocalCDDatabase/"; }

bool PrepareUserFolders() {
  const ProgramFolders folders = CurrentProgramFolders();
  if (!folders.installed) return true;
  bool made = true;
  for (const QString& folder :
       {folders.config, folders.data + "LocalCDDatabase", folders.data + "skins"}) {
    made = QDir().mkpath(folder) && made;
  }
  return made;
}

QString DefaultLastFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  if (!music.isEmpty() && QDir(music).exists()) return music;
  return QDir::homePath();
}

}  // namespace PlatformUi
