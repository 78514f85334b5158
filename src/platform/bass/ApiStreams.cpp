// Stream files, internet streams and music modules: opening, lengths, file
// size, play, free.
#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "platform/bass/Engine.h"
#include "platform/bass/Errors.h"
#include "platform/bass/MusicDecoder.h"
#include "platform/bass/NetStreamRegistry.h"
#include "platform/bass/StreamOpener.h"
#include "platform/bass/bass.h"

using namespace Bass;

namespace {

// Opening a decoder can take a while (an MP3 is scanned to its end), so it
// happens outside the engine lock; only the registration takes it.
DWORD Register(ChannelKind kind, OpenResult opened, DWORD flags, uint64_t fileSize) {
  if (!opened.decoder) return Fail(opened.error, DWORD{0});
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  if (!engine.mixer) return Fail(BASS_ERROR_INIT, DWORD{0});
  const DWORD handle = engine.nextHandle++;
  engine.channels[handle] =
      std::make_shared<Channel>(handle, kind, std::move(opened.decoder), flags, engine.mixRate, fileSize);
  return Succeed(handle);
}

// Only whole files are opened: data in memory and parts of files are not offered.
bool IsWholeFile(BOOL mem, const void* file, DWORD offset, DWORD length) {
  return !mem && file && offset == 0 && length == 0;
}

int MixRateIfInitialised() {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  return engine.mixer ? engine.mixRate : 0;
}

std::shared_ptr<Channel> FindOfKind(DWORD handle, ChannelKind kind) {
  std::shared_ptr<Channel> channel = handle == CDCHANNEL ? nullptr : TheEngine().Find(handle);
  return channel && channel->Kind() == kind ? channel : nullptr;
}

void FreeOfKind(DWORD handle, ChannelKind kind) {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  const auto found = engine.channels.find(handle);
  if (found == engine.channels.end() || found->second->Kind() != kind) return SetError(BASS_ERROR_HANDLE);
  found->second->Stop();
  engine.channels.erase(found);
  SetError(BASS_OK);
}

BOOL PlayOfKind(DWORD handle, ChannelKind kind) {
  const std::shared_ptr<Channel> channel = FindOfKind(handle, kind);
  if (!channel) return Fail(BASS_ERROR_HANDLE, FALSE);
  channel->Play();
  TheEngine().ChannelStarted();
  return Succeed(TRUE);
}

}  // namespace

extern "C" {

HSTREAM BASS_StreamCreateFile(BOOL mem, const void* file, DWORD offset, DWORD length, DWORD flags) {
  if (!IsWholeFile(mem, file, offset, length)) return Fail(BASS_ERROR_ILLPARAM, HSTREAM{0});
  if (MixRateIfInitialised() == 0) return Fail(BASS_ERROR_INIT, HSTREAM{0});
  const std::string path = static_cast<const char*>(file);
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(path, error);
  return Register(ChannelKind::Stream, OpenStreamDecoder(path), flags, error ? 0 : size);
}

HSTREAM BASS_StreamCreateURL(const char* url, DWORD offset, DWORD flags, DOWNLOADPROC* proc, void*) {
  const std::string address = url ? url : "";
  if ((address.rfind("http://", 0) != 0 && address.rfind("https://", 0) != 0) || offset != 0 || proc)
    return Fail(BASS_ERROR_ILLPARAM, HSTREAM{0});
  const int mixRate = MixRateIfInitialised();
  if (mixRate == 0) return Fail(BASS_ERROR_INIT, HSTREAM{0});
  NetStreamLink link;
  const HSTREAM handle =
      Register(ChannelKind::Stream, OpenNetStreamDecoder(address, CurrentNetOptions(), mixRate, link.net, link.info), flags, 0);
  if (handle != 0) RememberNetStream(handle, link);
  return handle;
}

void BASS_StreamFree(HSTREAM handle) { FreeOfKind(handle, ChannelKind::Stream); }

QWORD BASS_StreamGetLength(HSTREAM handle) {
  const std::shared_ptr<Channel> channel = FindOfKind(handle, ChannelKind::Stream);
  if (!channel) return Fail(BASS_ERROR_HANDLE, ~QWORD{0});
  return Succeed(channel->FramesToPosition(channel->LengthFrames()));
}

DWORD BASS_StreamGetFilePosition(HSTREAM handle, DWORD mode) {
  if (const std::optional<DWORD> position = NetFilePosition(handle, mode)) return *position;
  const std::shared_ptr<Channel> channel = FindOfKind(handle, ChannelKind::Stream);
  if (!channel) return Fail(BASS_ERROR_HANDLE, ~DWORD{0});
  const uint64_t size = channel->FileSize();
  uint64_t result = size;
  if (mode == BASS_FILEPOS_DECODE) {
    // Proportional to the decoded position: exact for PCM, close for compressed data.
    const uint64_t frames = std::max<uint64_t>(channel->LengthFrames(), 1);
    result = static_cast<uint64_t>(static_cast<double>(size) * channel->PositionFrames() / frames);
  } else if (mode != BASS_FILEPOS_DOWNLOAD && mode != BASS_FILEPOS_END) {
    return Fail(BASS_ERROR_ILLTYPE, ~DWORD{0});
  }
  return Succeed(static_cast<DWORD>(std::min<uint64_t>(result, 0xFFFFFFFEu)));
}

BOOL BASS_StreamPlay(HSTREAM handle, BOOL, DWORD flags) {
  if (const std::shared_ptr<Channel> channel = FindOfKind(handle, ChannelKind::Stream))
    channel->SetLooping((flags & BASS_SAMPLE_LOOP) != 0);
  return PlayOfKind(handle, ChannelKind::Stream);
}

HMUSIC BASS_MusicLoad(BOOL mem, const void* file, DWORD offset, DWORD length, DWORD flags) {
  if (!IsWholeFile(mem, file, offset, length)) return Fail(BASS_ERROR_ILLPARAM, HMUSIC{0});
  const int mixRate = MixRateIfInitialised();
  if (mixRate == 0) return Fail(BASS_ERROR_INIT, HMUSIC{0});
  return Register(ChannelKind::Music, OpenMusicDecoder(static_cast<const char*>(file), mixRate, flags), flags, 0);
}

void BASS_MusicFree(HMUSIC handle) { FreeOfKind(handle, ChannelKind::Music); }

DWORD BASS_MusicGetLength(HMUSIC handle, BOOL playlen) {
  const std::shared_ptr<Channel> channel = FindOfKind(handle, ChannelKind::Music);
  if (!channel) return Fail(BASS_ERROR_HANDLE, ~DWORD{0});
  if (!playlen) return Fail(BASS_ERROR_NOTAVAIL, ~DWORD{0});
  return Succeed(static_cast<DWORD>(std::min<QWORD>(channel->FramesToPosition(channel->LengthFrames()), 0xFFFFFFFEu)));
}

BOOL BASS_MusicPlay(HMUSIC handle) { return PlayOfKind(handle, ChannelKind::Music); }

}  // extern "C"
