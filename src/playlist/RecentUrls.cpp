#include "RecentUrls.h"

#include "audio/StreamUrl.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"

namespace RecentUrls {

namespace {

constexpr qint64 kMaxFileBytes = 64 * 1024;

QString RecentUrlsPath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".urls")); }

}  // namespace

QStringList LoadRecentUrls() {
  QStringList urls;
  for (const QString& line : PlatformUi::ReadTextLines(RecentUrlsPath(), kMaxFileBytes).value_or(QStringList())) {
    // An edited file may hold anything: only addresses that could be added come back.
    const QString url = KestrelixAudioApi::CheckStreamUrl(line).url;
    if (!url.isEmpty() && !urls.contains(url) && urls.size() < kMaxRecentUrls) urls.append(url);
  }
  return urls;
}

void RememberUrl(const QString& url) {
  QStringList urls = LoadRecentUrls();
  urls.removeAll(url);
  urls.prepend(url);
  PlatformUi::WriteTextLines(RecentUrlsPath(), urls.mid(0, kMaxRecentUrls));
}

}  // namespace RecentUrls
