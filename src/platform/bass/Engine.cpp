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
  // One that ends hands the rest of the block to the channel linked after it.
  for (std::shared_ptr<Channel> channel : playing) {
    size_t done = 0;
    while (channel && (done += channel->MixInto(mix + 2 * done, frames - done)) < frames) channel = channel->StartNext();
  }
  const bool sounded = !playing.empty();
  playing.clear();
  return sounded;
}

void Engine::ChannelStarted() {
  std::lock_guard lock(mutex);
  if (mixer) mixer->Wake();
}

}  // namespace Bass
