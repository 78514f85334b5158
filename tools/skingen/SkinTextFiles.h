#pragma once
// The text files of the default skin: playlist colours and the readme.
#include <QStringList>

namespace SkinGen {

// Lines of "Playlist.txt".
QStringList PlaylistColourLines();

// Lines of "Readme.txt".
QStringList ReadmeLines();

}  // namespace SkinGen
