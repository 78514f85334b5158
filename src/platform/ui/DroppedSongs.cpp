#include "DroppedSongs.h"

#include <QMimeData>
#include <QUrl>

namespace PlatformUi {

QStringList DroppedSongs(const QMimeData* data) {
  QStringList paths;
  if (!data) return paths;
  for (const QUrl& url : data->urls()) {
    if (url.isLocalFile()) {
      paths.append(url.toLocalFile());
    } else if ((url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
               !url.host().isEmpty()) {
      paths.append(url.toString());
    }
  }
  return paths;
}

}  // namespace PlatformUi
