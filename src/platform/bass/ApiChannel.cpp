// Calls on any channel: streams and musics by handle, the CD channel (0) and
// the recording channel (1).
#include <cmath>
#include <memory>

#include "platform/bass/Engine.h"
#include "platform/bass/Errors.h"
#include "platform/bass/bass.h"

using namespace Bass;

namespace {

constexpr float kBadSeconds = -1;
constexpr QWORD kBadPosition = ~QWORD{0};
constexpr DWORD kBadValue = ~DWORD{0};

bool CdInitialised() {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  return engine.cd != nullptr;
}

int RecordBytesPerSecond() {
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  return engine.mixRate * 4;
}

// A stream, music or CD track that exists, or null with the error recorded:
// BASS_ERROR_CDINIT or BASS_ERROR_NOPLAY for the CD channel, BASS_ERROR_HANDLE
// otherwise.
std::shared_ptr<Channel> Lookup(DWORD handle) {
  std::shared_ptr<Channel> channel = TheEngine().Find(handle);
  if (!channel)
    SetError(handle != CDCHANNEL ? BASS_ERROR_HANDLE : CdInitialised() ? BASS_ERROR_NOPLAY : BASS_ERROR_CDINIT);
  return channel;
}

// The taps of a channel that is playing or paused, or null with the error recorded.
const Taps* SoundingTaps(DWORD handle, std::shared_ptr<Channel>& keepAlive) {
  if (handle == RECORDCHAN) {
    const Recorder& recorder = TheEngine().recorder;
    if (recorder.Activity() == BASS_ACTIVE_STOPPED) return Fail(BASS_ERROR_NOPLAY, static_cast<const Taps*>(nullptr));
    return &recorder.Tapped();
  }
  keepAlive = Lookup(handle);
  if (!keepAlive) return nullptr;
  if (keepAlive->Activity() == BASS_ACTIVE_STOPPED) return Fail(BASS_ERROR_NOPLAY, static_cast<const Taps*>(nullptr));
  return &keepAlive->Tapped();
}

// A stream or music, or null with BASS_ERROR_HANDLE recorded.
std::shared_ptr<Channel> StreamOrMusic(DWORD handle) {
  std::shared_ptr<Channel> channel = handle == CDCHANNEL || handle == RECORDCHAN ? nullptr : TheEngine().Find(handle);
  if (!channel) SetError(BASS_ERROR_HANDLE);
  return channel;
}

}  // namespace

extern "C" {

float BASS_ChannelBytes2Seconds(DWORD handle, QWORD pos) {
  if (handle == RECORDCHAN) return Succeed(static_cast<float>(static_cast<double>(pos) / RecordBytesPerSecond()));
  if (handle == CDCHANNEL) return Succeed(static_cast<float>(static_cast<double>(pos) / 1000));
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return kBadSeconds;
  return Succeed(static_cast<float>(channel->PositionToSeconds(pos)));
}

QWORD BASS_ChannelSeconds2Bytes(DWORD handle, float pos) {
  if (pos < 0) return Fail(BASS_ERROR_ILLPARAM, kBadPosition);
  if (handle == RECORDCHAN) return Succeed(static_cast<QWORD>(pos * (RecordBytesPerSecond() / 4)) * 4);
  if (handle == CDCHANNEL) return Succeed(static_cast<QWORD>(pos * 1000.0));
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return kBadPosition;
  return Succeed(channel->SecondsToPosition(pos));
}

DWORD BASS_ChannelGetFlags(DWORD handle) {
  if (handle == RECORDCHAN) return Succeed(DWORD{0});
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return kBadValue;
  return Succeed(channel->Flags());
}

DWORD BASS_ChannelIsActive(DWORD handle) {
  if (handle == RECORDCHAN) return Succeed(TheEngine().recorder.Activity());
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return DWORD{BASS_ACTIVE_STOPPED};
  const DWORD activity = channel->Activity();
  return Succeed(activity == BASS_ACTIVE_PLAYING && channel->Waiting() ? DWORD{BASS_ACTIVE_STALLED} : activity);
}

BOOL BASS_ChannelStop(DWORD handle) {
  if (handle == RECORDCHAN) {
    TheEngine().recorder.Stop();
    return Succeed(TRUE);
  }
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return FALSE;
  channel->Stop();
  return Succeed(TRUE);
}

BOOL BASS_ChannelPause(DWORD handle) {
  if (handle == RECORDCHAN) return TheEngine().recorder.Pause() ? Succeed(TRUE) : Fail(BASS_ERROR_NOPLAY, FALSE);
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return FALSE;
  return channel->Pause() ? Succeed(TRUE) : Fail(BASS_ERROR_NOPLAY, FALSE);
}

BOOL BASS_ChannelResume(DWORD handle) {
  if (handle == RECORDCHAN) return TheEngine().recorder.Resume() ? Succeed(TRUE) : Fail(BASS_ERROR_NOPAUSE, FALSE);
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return FALSE;
  if (!channel->Resume()) return Fail(BASS_ERROR_NOPAUSE, FALSE);
  TheEngine().ChannelStarted();
  return Succeed(TRUE);
}

BOOL BASS_ChannelSetAttributes(DWORD handle, int freq, int volume, int pan) {
  if (handle == RECORDCHAN) return Fail(BASS_ERROR_ILLTYPE, FALSE);
  if (handle == CDCHANNEL) {
    // The CD channel keeps its volume and pan for the tracks played later.
    Engine& engine = TheEngine();
    std::lock_guard lock(engine.mutex);
    if (!engine.cd) return Fail(BASS_ERROR_CDINIT, FALSE);
    if (volume >= 0) engine.cdVolume = std::min(volume, 100);
    if (pan != -101) engine.cdPan = std::clamp(pan, -100, 100);
    if (engine.cdTrack) engine.cdTrack->SetAttributes(freq, volume, pan);
    return Succeed(TRUE);
  }
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return FALSE;
  channel->SetAttributes(freq, volume, pan);
  return Succeed(TRUE);
}

BOOL BASS_ChannelGetAttributes(DWORD handle, DWORD* freq, DWORD* volume, int* pan) {
  if (handle == RECORDCHAN) return Fail(BASS_ERROR_ILLTYPE, FALSE);
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return FALSE;
  channel->GetAttributes(freq, volume, pan);
  return Succeed(TRUE);
}

BOOL BASS_ChannelSetPosition(DWORD handle, QWORD pos) {
  if (handle == RECORDCHAN) return Fail(BASS_ERROR_ILLTYPE, FALSE);
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return FALSE;
  uint64_t frame = channel->PositionToFrames(pos);
  if (channel->Kind() == ChannelKind::Music && HIWORD(pos) == BASS_MUSIC_POS_SECONDS)
    frame = static_cast<uint64_t>(LOWORD(pos)) * static_cast<uint64_t>(channel->Format().rate);
  return channel->SeekFrames(frame) ? Succeed(TRUE) : Fail(BASS_ERROR_POSITION, FALSE);
}

QWORD BASS_ChannelGetPosition(DWORD handle) {
  if (handle == RECORDCHAN) return Succeed(TheEngine().recorder.RecordedFrames() * 4);
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return kBadPosition;
  return Succeed(channel->FramesToPosition(channel->PositionFrames()));
}

DWORD BASS_ChannelGetLevel(DWORD handle) {
  std::shared_ptr<Channel> keepAlive;
  const Taps* taps = SoundingTaps(handle, keepAlive);
  if (!taps) return kBadValue;
  return Succeed(taps->Level());
}

DWORD BASS_ChannelGetData(DWORD handle, void* buffer, DWORD length) {
  if (!buffer) return Fail(BASS_ERROR_ILLPARAM, kBadValue);
  std::shared_ptr<Channel> keepAlive;
  const Taps* taps = SoundingTaps(handle, keepAlive);
  if (!taps) return kBadValue;
  const DWORD written = taps->Data(buffer, length);
  return written == kBadValue ? Fail(BASS_ERROR_ILLPARAM, kBadValue) : Succeed(written);
}

HDSP BASS_ChannelSetDSP(DWORD handle, DSPPROC* proc, DWORD user) {
  if (!proc) return Fail(BASS_ERROR_ILLPARAM, HDSP{0});
  if (handle == RECORDCHAN) return Fail(BASS_ERROR_ILLTYPE, HDSP{0});
  const std::shared_ptr<Channel> channel = Lookup(handle);
  if (!channel) return HDSP{0};
  return Succeed(channel->AddDsp(proc, user));
}

BOOL BASS_ChannelRemoveDSP(DWORD handle, HDSP dsp) {
  const std::shared_ptr<Channel> channel = handle == RECORDCHAN ? nullptr : Lookup(handle);
  if (!channel) return Fail(handle == RECORDCHAN ? BASS_ERROR_ILLTYPE : LastError(), FALSE);
  return channel->RemoveDsp(dsp) ? Succeed(TRUE) : Fail(BASS_ERROR_HANDLE, FALSE);
}

BOOL BASS_ChannelSetNext(DWORD handle, DWORD next) {
  const std::shared_ptr<Channel> channel = StreamOrMusic(handle);
  if (!channel) return FALSE;
  if (next == 0) {
    channel->SetNext({});
    return Succeed(TRUE);
  }
  const std::shared_ptr<Channel> following = StreamOrMusic(next);
  if (!following) return FALSE;
  if (following == channel || following->Activity() != BASS_ACTIVE_STOPPED) return Fail(BASS_ERROR_ILLPARAM, FALSE);
  channel->SetNext(following);
  return Succeed(TRUE);
}

BOOL BASS_ChannelSetGain(DWORD handle, float factor) {
  const std::shared_ptr<Channel> channel = StreamOrMusic(handle);
  if (!channel) return FALSE;
  if (!(factor >= 0 && factor <= 16)) return Fail(BASS_ERROR_ILLPARAM, FALSE);
  channel->SetGain(factor);
  return Succeed(TRUE);
}

}  // extern "C"
