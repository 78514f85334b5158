#pragma once
// The BASS back-end of the audio front-end: the only code of the player that
// calls the audio library. It registers itself as back-end 1 and, when loaded,
// fills the front-end's operation table and initialises the library.
#include <QString>

#include <cstdint>

namespace BASSApi {

struct BackEndState {
  uint32_t StreamHandle = 0;  // stream of the last stream file loaded
  uint32_t MusicHandle = 0;   // music of the last module loaded
  uint8_t CDPlaying = 0;      // 1 after a CD track started or resumed, 0 after a pause
  uint32_t CDTrack = 0;       // track number of the last CD track loaded
  uint32_t EQDSPHandle = 0;   // DSP handle of the attached equalizer
  int32_t LastPercent = 0;    // position percentage last computed by AudioGetPosition
  // The song opened ahead to follow the playing one (gapless playback).
  uint32_t NextHandle = 0;      // its stream or music, 0 when none
  uint8_t NextFileKind = 3;     // its FileKind
  uint32_t NextEQDSPHandle = 0; // the equalizer attached to it, 0 when none
};

extern BackEndState state;

// Writes this back-end into the front-end's registry at index 1 and fills the
// equalizer's band frequencies. Runs once at start-up, before any window exists.
void RegisterBASSApi();

// The registry entry's load routine: fills the front-end's operation table with
// this back-end's operations and initialises the audio library.
void LoadBASSApi();

// Error box: message, CR LF, "(error code: N)"; stops the current channel
// first. The same text on one line goes into SongErrorText, and with
// QuietSongErrors there only.
void ShowAudioError(const QString& message);

}  // namespace BASSApi
