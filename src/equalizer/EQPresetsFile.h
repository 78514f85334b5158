#pragma once
// The presets file beside the program ("<program>.EQP"): the twenty user
// slots, read at start-up and written at shutdown.
#include <QString>

namespace EqualizerPresets {

QString PresetsFilePath();

// Where a presets file that did not read cleanly is kept before it is
// written over, so that no user preset is lost to a damaged file.
QString PresetsBackupPath();

// Reads the file into the user slots. A missing or unreadable file is
// replaced by the defaults at once; a file with damaged blocks keeps its
// good blocks and is copied to the backup path first.
void LoadPresetsFile();

// Writes the user slots; a failed write keeps the old file.
bool SavePresetsFile();

}  // namespace EqualizerPresets
