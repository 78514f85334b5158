#include "StreamUrl.h"

#include <QUrl>

#include <algorithm>

namespace KestrelixAudioApi {

namespace {

bool HasScheme(const QString& text) { return text.contains(QLatin1String("://")); }

// Control characters and blanks would break the playlist file's lines; the
// entry's field markers would break the entry itself.
bool HasUnstorableCharacters(const QString& text) {
  const bool control = std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 32 || c == QChar(127); });
  return control || text.contains(QLatin1String(";PL_"));
}

}  // namespace

bool IsStreamUrl(const QString& path) {
  return path.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
         path.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

CheckedUrl CheckStreamUrl(const QString& text) {
  const QString trimmed = text.trimmed();
  const auto refuse = [&trimmed](const char* reason) {
    return CheckedUrl{{}, QStringLiteral("\"%1\" is not an internet radio address: %2.\n"
                                         "An address looks like http://HOST:PORT/PATH")
                              .arg(trimmed, QLatin1String(reason))};
  };
  if (trimmed.isEmpty()) return refuse("it is empty");
  if (HasUnstorableCharacters(trimmed)) return refuse("it holds blanks or characters an address cannot have");
  const QString candidate = HasScheme(trimmed) ? trimmed : QStringLiteral("http://") + trimmed;
  if (!IsStreamUrl(candidate)) return refuse("only http:// and https:// addresses can be played");
  const QUrl url(candidate, QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) return refuse("it names no server");
  // A bare word ("hello") would be taken for a server name; real ones hold a
  // point, a port or are the local machine.
  if (!HasScheme(trimmed) && !url.host().contains('.') && url.port() < 0 &&
      url.host() != QLatin1String("localhost"))
    return refuse("it names no server");
  return {url.toString(), {}};
}

}  // namespace KestrelixAudioApi
