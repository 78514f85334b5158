#pragma once
// The text files of the default skin: playlist and visualization colours and the readme.
#include <QStringList>

namespace SkinGen {

// Lines of "Playlist.txt".
QStringList PlaylistColourLines();

// Lines of "viscolor.txt": background, grid, the level ramp from the top
// down, then the oscilloscope colours and the peak dots.
QStringList VisColourLines();

// Lines of "Readme.txt".
QStringList ReadmeLines();

}  // namespace SkinGen
