#pragma once
#include <QString>

#include "settings/PlayListDisplayFlags.h"

namespace GeneralFunctions {

QString DisplayOptionsToText(TPLDisplayOptions options);
TPLDisplayOptions TextToDisplayOptions(const QString& text);

// Sets one mode flag and clears the other two; doHideCounter is kept.
TPLDisplayOptions WithDisplayMode(TPLDisplayOptions options, TPLDisplayOption mode);

// The text of entry `index` as the list shows it: "<index + 1>. " unless the
// counter is hidden, then the full path, the file name, or "artist - title".
QString DisplayTextOfEntry(const QString& entry, int index, TPLDisplayOptions options);

}  // namespace GeneralFunctions
