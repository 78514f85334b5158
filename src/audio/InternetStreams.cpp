#include "InternetStreams.h"

#include <QUrl>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "audio/KestrelixAudioApi.h"
#include "platform/bass/IcyMetadata.h"
#include "platform/bass/bass.h"

namespace BASSApi {

namespace {

using KestrelixAudioApi::vars;

// Stations send UTF-8 or, the older ones, Latin-1.
QString StationText(const std::string& bytes) {
  const QString text = QString::fromUtf8(bytes);
  return text.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(bytes) : text;
}

// The value of one header in a BASS_TAG_ICY list, or nothing.
std::string HeaderValue(const char* list, const std::string& name) {
  const std::string prefix = name + ": ";
  for (; list && *list; list += std::strlen(list) + 1)
    if (std::strncmp(list, prefix.c_str(), prefix.size()) == 0) return list + prefix.size();
  return {};
}

template <typename T, typename U>
void SetAndMarkDirty(T& variable, U value) {
  if (variable == static_cast<T>(value)) return;
  variable = static_cast<T>(value);
  vars.TextWindowsDirty = 1;
}

// The status of the server's last answer ("404 Not Found"), from the
// status line that heads the HTTP tags; empty when there was none.
QString ServerStatus(uint32_t handle) {
  const char* tags = BASS_StreamGetTags(handle, BASS_TAG_HTTP);
  if (!tags) return {};
  const QString line = QString::fromLatin1(tags);
  if (!line.startsWith(QLatin1String("HTTP/")) && !line.startsWith(QLatin1String("ICY "))) return {};
  return line.section(' ', 1).trimmed();
}

}  // namespace

QString UnreachableStationText(uint32_t handle) {
  if (BASS_StreamGetFilePosition(handle, BASS_FILEPOS_DOWNLOAD) > 0) return {};
  const QString unreachable = QStringLiteral("Can't reach the station: ");
  switch (BASS_StreamGetNetError(handle)) {
    case BASS_OK: return {};
    case BASS_ERROR_TIMEOUT: return unreachable + QStringLiteral("no answer in time");
    case BASS_ERROR_NONET: return unreachable + QStringLiteral("no network connection");
    case BASS_ERROR_FILEFORM:
      return QStringLiteral("Can't play the station: it sends no stream the player knows");
    default: break;
  }
  const QString status = ServerStatus(handle);
  return unreachable + (status.isEmpty() || status.startsWith(QLatin1String("200"))
                            ? QStringLiteral("no connection could be made")
                            : QStringLiteral("the server answered ") + status);
}

uint32_t CreateInternetStream(const QString& url) {
  vars.StreamName.clear();
  vars.StreamTitle.clear();
  vars.StreamBuffering = 1;
  return BASS_StreamCreateURL(QUrl(url).toEncoded().constData(), 0, 0, nullptr, nullptr);
}

void AwaitStationFormat() {
  vars.OutputFrequency = 0;
  vars.ChannelCount = 0;  // leaves the lamps as they are
  vars.BitRate = 0;
  vars.TextWindowsDirty = 0;
}

void UpdateInternetStream(uint32_t handle) {
  BASS_CHANNELINFO info{};
  if (BASS_ChannelGetInfo(handle, &info)) {
    if (info.freq > 0) SetAndMarkDirty(vars.OutputFrequency, info.freq);
    if (info.chans > 0) SetAndMarkDirty(vars.ChannelCount, info.chans == 1 ? 1 : 2);
    if (info.bitrate > 0) SetAndMarkDirty(vars.BitRate, std::min<DWORD>(info.bitrate, INT16_MAX));
  }
  vars.StreamBuffering = BASS_ChannelIsActive(handle) == BASS_ACTIVE_STALLED ? 1 : 0;
  vars.StreamName = StationText(HeaderValue(BASS_StreamGetTags(handle, BASS_TAG_ICY), "icy-name"));
  const char* meta = BASS_StreamGetTags(handle, BASS_TAG_META);
  if (!meta) return;
  if (const std::optional<std::string> title = Bass::StreamTitleOf(meta)) {
    const QString text = StationText(*title);
    if (text == vars.StreamTitle) return;
    vars.StreamTitle = text;
    ++vars.StreamTitleChanges;
  }
}

}  // namespace BASSApi
