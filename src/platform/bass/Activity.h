#pragma once
// Pausing and resuming a channel's activity (BASS_ACTIVE_*), for callers that
// hold the lock guarding it.
#include "platform/bass/bass.h"

namespace Bass {

// Moves `activity` from `from` to `to`; false, leaving it, when it is not `from`.
inline bool MoveActivity(DWORD& activity, DWORD from, DWORD to) {
  if (activity != from) return false;
  activity = to;
  return true;
}

inline bool PauseActivity(DWORD& activity) { return MoveActivity(activity, BASS_ACTIVE_PLAYING, BASS_ACTIVE_PAUSED); }
inline bool ResumeActivity(DWORD& activity) { return MoveActivity(activity, BASS_ACTIVE_PAUSED, BASS_ACTIVE_PLAYING); }

}  // namespace Bass
