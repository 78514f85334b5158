#pragma once
#include <QString>

namespace PlatformUi {

// The folder the player lives in and writes beside itself, with a trailing "/".
// It is the executable's folder unless SOLVANE_HOME names another.
QString ProgramFolder();

// The program's own path with its extension replaced, e.g. ".ini" gives
// <program folder>/solvane.ini.
QString ProgramFileWithExtension(const QString& extension);

// Where song dialogs start before the user has chosen a folder: the user's
// music folder, else the home folder.
QString DefaultLastFolder();

}  // namespace PlatformUi
