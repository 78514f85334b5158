#pragma once
// The library's state behind the C entry points: the mixer, the open channels
// by handle, the CD drive and its channel, and the recording loopback.
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/bass/CdDrive.h"
#include "platform/bass/Channel.h"
#include "platform/bass/Mixer.h"
#include "platform/bass/Recorder.h"

namespace Bass {

struct Engine {
  // Guards the members up to `recorder`, and the `mixer` pointer; held only for
  // short bookkeeping, never while a channel decodes. Lock order: this, then
  // a channel's or the mixer's own lock, never the other way round.
  std::mutex mutex;
  int mixRate = 44100;
  std::map<DWORD, std::shared_ptr<Channel>> channels;  // streams and musics
  DWORD nextHandle = RECORDCHAN + 1;
  // Exists between BASS_CDInit and BASS_CDFree; changed under both this lock
  // and the CD calls' drive lock, so it is read under either.
  std::unique_ptr<CdDrive> cd;
  std::shared_ptr<Channel> cdTrack;  // the CD channel's current track, if any
  int cdVolume = 100, cdPan = 0;     // the CD channel's attributes, kept across tracks
  Recorder recorder;  // behind its own lock
  std::vector<std::shared_ptr<Channel>> playing;  // mixer thread only: the block's channels
  // Exists between BASS_Init and BASS_Free. Declared last so that its thread
  // ends before the members it reads go away.
  std::unique_ptr<Mixer> mixer;

  // The stream, music or CD track behind a handle, or null.
  std::shared_ptr<Channel> Find(DWORD handle);
  // Mixer thread: adds every playing channel to the block; false when none plays.
  bool Render(float* mix, size_t frames);
  // A channel started or resumed: the mixer stops resting.
  void ChannelStarted();
};

Engine& TheEngine();

}  // namespace Bass
