#pragma once
#include <QString>

namespace PlatformUi {

// Where the player finds what it ships and where it writes, each with a
// trailing "/". A portable program (its folder holds the skins and is
// writable, like the build folder) keeps everything in its own folder. An
// installed program (under <prefix>/bin, its files under
// <prefix>/share/solvane) reads what it ships from there and writes into the
// user's XDG folders. SOLVANE_HOME, when set, is all three folders.
struct ProgramFolders {
  QString shipped;  // skins/Default, demo/
  QString config;   // settings, playlist and presets
  QString data;     // local CD database, the user's own skins
  bool installed = false;
};

// The folders for a program whose executable lives in executableFolder,
// from SOLVANE_HOME and the XDG variables of the environment.
ProgramFolders ChooseProgramFolders(const QString& executableFolder);
// The running program's folders.
ProgramFolders CurrentProgramFolders();

// The folder of the files the player ships.
QString ProgramFolder();

// The settings file's path and its siblings: ".ini" gives
// <config folder>/solvane.ini.
QString ProgramFileWithExtension(const QString& extension);

// The read-me: beside a portable program, in <prefix>/share/doc/solvane
// for an installed one.
QString ReadMePath();

// The local CD database's folder.
QString LocalCDDatabaseFolder();

// An installed program's user folders are made on first run; a portable
// program has its own. False when a folder could not be made.
bool PrepareUserFolders();

// A portable program (or SOLVANE_HOME) whose folder cannot be written keeps
// what it writes in the user's XDG folders for this run instead, starting
// from copies of its own settings, playlist and presets where those folders
// have none. Returns the folder that could not be written, or an empty text
// when nothing changed.
QString LeaveUnwritableProgramFolder();
// Back to the folders the environment gives (for tests).
void ForgetUnwritableProgramFolder();

// Where song dialogs start before the user has chosen a folder: the user's
// music folder, else the home folder.
QString DefaultLastFolder();

}  // namespace PlatformUi
