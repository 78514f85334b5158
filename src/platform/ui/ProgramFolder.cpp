#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace PlatformUi {

namespace {

const char* const kProgramBaseName = "solvane";

// Set when this run left a program folder it could not write into.
bool userFoldersForThisRun = false;

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
  ProgramFolders folders = ChooseProgramFolders(QCoreApplication::applicationDirPath());
  if (userFoldersForThisRun) {
    folders.config = UserFolder(QStandardPaths::GenericConfigLocation);
    folders.data = UserFolder(QStandardPaths::GenericDataLocation);
    folders.installed = true;
  }
  return folders;
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

namespace {

// Whether a file can be made in the folder: its permissions alone do not
// say (a read-only file system, an immutable folder, root).
bool CanWriteInto(const QString& folder) {
  QTemporaryFile probe(folder + QStringLiteral(".write-probe-XXXXXX"));
  return probe.open();
}

}  // namespace

QString LeaveUnwritableProgramFolder() {
  const ProgramFolders own = CurrentProgramFolders();
  if (own.installed || CanWriteInto(own.config)) return {};
  userFoldersForThisRun = true;
  PrepareUserFolders();
  const QString user = CurrentProgramFolders().config;
  const QStringList files = QDir(own.config).entryList({QString::fromLatin1(kProgramBaseName) + ".*"}, QDir::Files);
  for (const QString& name : files) {
    if (!QFileInfo::exists(user + name)) QFile::copy(own.config + name, user + name);
  }
  return own.config;
}

void ForgetUnwritableProgramFolder() { userFoldersForThisRun = false; }

QString DefaultLastFolder() {
  const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
  if (!music.isEmpty() && QDir(music).exists()) return music;
  return QDir::homePath();
}

}  // namespace PlatformUi
