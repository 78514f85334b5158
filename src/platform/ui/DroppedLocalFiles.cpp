#include "DroppedLocalFiles.h"

#include <QMimeData>
#include <QUrl>

namespace PlatformUi {

QStringList DroppedLocalFiles(const QMimeData* data) {
  QStringList paths;
  if (!data) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) paths.append(url.toLocalFile());
  }
  return paths;
}

}  // namespace PlatformUi
