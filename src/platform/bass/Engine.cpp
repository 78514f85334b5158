#include "platform/bass/Engine.h"

#include <vector>

namespace Bass {

Engine& TheEngine() {
  static Engine engine;
  return engine;
}

std::shared_ptr<Channel> Engine::Find(DWORD handle) {
  std::lock_guard lock(mutex);
  if (handle == CDCHANNEL) return cdTrack;
  const auto found = channels.find(handle);
  return found == channels.end() ? nullptr : found->second;
}

bool Engine::Render(float* mix, size_t frames) {
  playing.clear();
  {
    std::lock_guard lock(mutex);
    for (const auto& [handle, channel] : channels)
      if (channel->Activity() == BASS_ACTIVE_PLAYING) playing.push_back(channel);
    if (cdTrack && cdTrack->Activity() == BASS_ACTIVE_PLAYING) playing.push_back(cdTrack);
  }
  // A channel freed meanwhile lives on in `playing` until this block is done.
  for (const auto& channel : playing) channel->MixInto(mix, frames);
  const bool sounded = !playing.empty();
  playing.clear();
  return sounded;
}

void Engine::ChannelStarted() {
  std::lock_guard lock(mutex);
  if (mixer) mixer->Wake();
}

}  // namespace Bass
