// Internet streams: options, tags, the source's format, file positions.
#include <map>
#include <mutex>
#include <string>

#include "platform/bass/Engine.h"
#include "platform/bass/Errors.h"
#include "platform/bass/NetStreamRegistry.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

struct Registry {
  std::mutex mutex;
  NetOptions options;
  std::map<DWORD, std::weak_ptr<NetStream>> nets;
  std::map<DWORD, std::weak_ptr<NetSourceInfo>> infos;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

}  // namespace

NetOptions CurrentNetOptions() {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  return registry.options;
}

void RememberNetStream(DWORD handle, const NetStreamLink& link) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  std::erase_if(registry.nets, [](const auto& entry) { return entry.second.expired(); });
  std::erase_if(registry.infos, [](const auto& entry) { return entry.second.expired(); });
  registry.nets[handle] = link.net;
  registry.infos[handle] = link.info;
}

NetStreamLink FindNetStream(DWORD handle) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  const auto net = registry.nets.find(handle);
  const auto info = registry.infos.find(handle);
  if (net == registry.nets.end() || info == registry.infos.end()) return {};
  return {net->second.lock(), info->second.lock()};
}

std::optional<DWORD> NetFilePosition(DWORD handle, DWORD mode) {
  const NetStreamLink link = FindNetStream(handle);
  if (!link.net) return std::nullopt;
  switch (mode) {
    case BASS_FILEPOS_DECODE:
    case BASS_FILEPOS_DOWNLOAD: return Succeed(static_cast<DWORD>(std::min<uint64_t>(link.net->Downloaded(), 0xFFFFFFFEu)));
    case BASS_FILEPOS_END: return Succeed(DWORD{0});  // a station has no end
    case BASS_FILEPOS_CONNECTED: return Succeed(DWORD{link.net->Connected() ? 1u : 0u});
    case BASS_FILEPOS_BUFFER: return Succeed(static_cast<DWORD>(link.net->Buffer().Available()));
    default: return Fail(BASS_ERROR_ILLTYPE, ~DWORD{0});
  }
}

}  // namespace Bass

using namespace Bass;

extern "C" {

const char* BASS_StreamGetTags(HSTREAM handle, DWORD tags) {
  const NetStreamLink link = FindNetStream(handle);
  if (!link.net) return Fail(BASS_ERROR_HANDLE, static_cast<const char*>(nullptr));
  thread_local std::string answer;
  const NetTags now = link.net->Tags();
  switch (tags) {
    case BASS_TAG_HTTP: answer = now.http; break;
    case BASS_TAG_ICY: answer = now.icy; break;
    case BASS_TAG_META: answer = now.meta; break;
    default: return Fail(BASS_ERROR_ILLTYPE, static_cast<const char*>(nullptr));
  }
  if (answer.empty()) return Fail(BASS_ERROR_NOTAVAIL, static_cast<const char*>(nullptr));
  answer.push_back('\0');  // the list's closing zero; a single text ends at its own
  return Succeed(answer.c_str());
}

DWORD BASS_StreamGetNetError(HSTREAM handle) {
  const NetStreamLink link = FindNetStream(handle);
  if (!link.net) return Fail(BASS_ERROR_HANDLE, ~DWORD{0});
  const int error = link.net->Error() != BASS_OK ? link.net->Error() : link.info->error.load();
  return Succeed(static_cast<DWORD>(error));
}

BOOL BASS_ChannelGetInfo(DWORD handle, BASS_CHANNELINFO* info) {
  if (!info) return Fail(BASS_ERROR_ILLPARAM, FALSE);
  const std::shared_ptr<Channel> channel = handle == CDCHANNEL || handle == RECORDCHAN ? nullptr : TheEngine().Find(handle);
  if (!channel) return Fail(BASS_ERROR_HANDLE, FALSE);
  *info = {static_cast<DWORD>(channel->Format().rate), static_cast<DWORD>(channel->Format().channels), channel->Flags(),
           0, 0};
  if (const NetStreamLink link = FindNetStream(handle); link.info) {
    info->freq = static_cast<DWORD>(link.info->rate.load());
    info->chans = static_cast<DWORD>(link.info->channels.load());
    info->ctype = link.info->type;
    info->bitrate = static_cast<DWORD>(link.info->bitRate > 0 ? link.info->bitRate.load() : link.net->Tags().bitRate);
  }
  return Succeed(TRUE);
}

BOOL BASS_SetConfig(DWORD option, DWORD value) {
  Registry& registry = TheRegistry();
  std::lock_guard lock(registry.mutex);
  switch (option) {
    case BASS_CONFIG_NET_TIMEOUT: registry.options.timeoutMs = static_cast<int>(std::min<DWORD>(value, 600000)); break;
    case BASS_CONFIG_NET_RETRIES: registry.options.retries = static_cast<int>(std::min<DWORD>(value, 100)); break;
    case BASS_CONFIG_NET_RETRYWAIT: registry.options.retryPauseMs = static_cast<int>(std::min<DWORD>(value, 600000)); break;
    default: return Fail(BASS_ERROR_ILLTYPE, FALSE);
  }
  return Succeed(TRUE);
}

DWORD BASS_GetConfig(DWORD option) {
  const NetOptions options = CurrentNetOptions();
  switch (option) {
    case BASS_CONFIG_NET_TIMEOUT: return Succeed(static_cast<DWORD>(options.timeoutMs));
    case BASS_CONFIG_NET_RETRIES: return Succeed(static_cast<DWORD>(options.retries));
    case BASS_CONFIG_NET_RETRYWAIT: return Succeed(static_cast<DWORD>(options.retryPauseMs));
    default: return Fail(BASS_ERROR_ILLTYPE, ~DWORD{0});
  }
}

}  // extern "C"
