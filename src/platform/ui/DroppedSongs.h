#pragma once
#include <QStringList>

class QMimeData;

namespace PlatformUi {

// The songs of a drag and drop, in the order they were dropped: local files
// as paths, internet radio streams (http and https addresses) as their
// addresses; other addresses are left out.
QStringList DroppedSongs(const QMimeData* data);

}  // namespace PlatformUi
