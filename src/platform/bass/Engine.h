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
  // Guards every member below; held only for short bookkeeping, never while
  // a channel decodes.
  std::mutex mutex;
  int mixRate = 44100;
  std::map<DWORD, std::shared_ptr<Channel>> channels;  // streams and musics
  DWORD nextHandle = RECORDCHAN + 1;
  std::unique_ptr<CdDrive> cd;       // exists between BASS_CDInit and BASS_CDFree
  std::shared_ptr<Channel> cdTrack;  // the CD channel's current track, if any
  int cdVolume = 100, cdPan = 0;     // the CD channel's attributes, kept across tracks
  std::string cdIdText;              // storage for the last BASS_CDGetID answer
  Recorder recorder;
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
