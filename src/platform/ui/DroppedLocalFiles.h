#pragma once
#include <QStringList>

class QMimeData;

namespace PlatformUi {

// The local files of a drag and drop, in the order they were dropped; other
// addresses are left out.
QStringList DroppedLocalFiles(const QMimeData* data);

}  // namespace PlatformUi
