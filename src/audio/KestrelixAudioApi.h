#pragma once
// The audio front-end: a registry of back-ends, the operation table the chosen
// back-end fills, and the shared variables that carry values between callers
// and the back-end. Callers never touch the audio library directly.
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace KestrelixAudioApi {

using AudioOperation = std::function<void()>;

struct AudioAPIToLoadStructure {
  AudioOperation LoadRoutine;
  QString Description;
  QString APIName;
  QString APIVersion;
  QString LibraryFile;
};

constexpr int kMaxAudioAPIs = 10;

struct Registry {
  std::array<AudioAPIToLoadStructure, kMaxAudioAPIs> AudioAPIs;
  int AudioAPICount = 0;
  int SelectedAudioAPI = -1;
  AudioAPIToLoadStructure CurrentAudioAPI;
};

// Filled by the back-end's load routine. An empty entry does nothing when called.
struct OperationTable {
  AudioOperation AudioLoadSong, AudioPlay, AudioPause, AudioResume, AudioStop;
  AudioOperation AudioSetVolume, AudioSetBalance, AudioSetPosition, AudioGetPosition;
  AudioOperation AudioCheckEndOfSong, AudioGetFFTData, AudioGetWaveData, AudioGetLevel;
  AudioOperation AudioGetCPU, AttachEqualizer, DetachEqualizer, ApplyEqualizerSettings;
  AudioOperation AudioGetCDDBID, AudioFree;
  AudioOperation AudioPrepareNextSong, AudioCancelNextSong;
};

enum PlayStatusValue : uint8_t { psPlaying = 0, psPaused = 1, psStopped = 2, psEnded = 3 };
enum FileKindValue : uint8_t { fkStream = 0, fkMusic = 1, fkCDTrack = 2, fkNone = 3 };

struct SharedVariables {
  QString CurrentSongEntry;
  uint8_t PlayStatus = psStopped;
  uint8_t FileKind = fkNone;
  uint8_t SongEndedEvent = 0;
  uint8_t TextWindowsDirty = 0;
  // Gapless playback: the entry AudioPrepareNextSong opens ahead to follow
  // the playing song without a gap; NextSongPrepared is 1 while it waits.
  // When it took over, AudioCheckEndOfSong makes it the current song
  // (CurrentSongEntry and every value AudioLoadSong sets), keeps PlayStatus
  // playing and sets SongJoinedEvent := 1, which the deck clears.
  QString NextSongEntry;
  uint8_t NextSongPrepared = 0;
  uint8_t SongJoinedEvent = 0;
  // ReplayGain: 0 off, 1 track gain, 2 album gain (track gain when the song
  // has none); songs without gain get PreAmpDb. Read by AudioLoadSong and
  // AudioPrepareNextSong.
  uint8_t ReplayGainMode = 0;
  double ReplayGainPreAmpDb = 0;
  int64_t TotalSeconds = 0;
  int32_t TotalHours = 0, TotalMinutes = 0, TotalSeconds60 = 0;
  int64_t ElapsedSeconds = 0;
  int32_t ElapsedHours = 0, ElapsedMinutes = 0, ElapsedSeconds60 = 0;
  int32_t PositionPercent = 0;
  // A position in whole seconds for the next AudioSetPosition, which then
  // goes there instead of to PositionPercent and clears it back to -1.
  int64_t SeekSeconds = -1;
  uint8_t PositionDragging = 0;
  int32_t VolumeValue = 0;
  int32_t BalanceValue = 50;
  int16_t BitRate = 0;
  int32_t OutputFrequency = 44100;
  uint8_t ChannelCount = 2;
  uint8_t Is16Bit = 1;
  QString CDDBDiscID;
  // The song is an internet stream: no length, no moving in it, and its
  // station tells its name and the title on air as it plays.
  uint8_t IsInternetStream = 0;
  uint8_t StreamBuffering = 0;       // 1 while the stream waits for its buffer to fill
  QString StreamName;                // the station's name, empty until it tells one
  QString StreamTitle;               // the title on air ("Artist - Title"), empty until told
  uint32_t StreamTitleChanges = 0;   // counts the changes of StreamTitle
  uint64_t LastTickTime = 0;
  int64_t MusicElapsedMs = 0;
  QString ElapsedTimeText, TotalTimeText;
  std::array<float, 512> FFTData{};
  std::array<std::array<int16_t, 2>, 64> WaveData{};
  uint32_t LevelData = 0;
  long double CPUUsage = 0;
  // Equalizer hand-over: slider values 0..100 (50 flat) and band centres in Hz.
  uint8_t EQEnabled = 0;
  int32_t EQPreAmpValue = 50;
  std::array<int32_t, 10> EQBandValues{50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  std::array<int32_t, 10> EQBandFrequencies{};
};

extern Registry registry;
extern OperationTable operations;
extern SharedVariables vars;

// Back to the state before any back-end registered (for tests).
void ResetAudioApi();

// Writes a back-end's entry at its fixed index.
void RegisterAudioAPI(int index, AudioAPIToLoadStructure entry);
bool SelectAudioAPI(int index);
void LoadSelectedAudioAPI();

// The operations, each going through the table.
void AudioLoadSong();
void AudioPlay();
void AudioPause();
void AudioResume();
void AudioStop();
void AudioSetVolume();
void AudioSetBalance();
void AudioSetPosition();
void AudioGetPosition();
void AudioCheckEndOfSong();
void AudioGetFFTData();
void AudioGetWaveData();
void AudioGetLevel();
void AudioGetCPU();
void AttachEqualizer();
void DetachEqualizer();
void ApplyEqualizerSettings();
void AudioGetCDDBID();
void AudioFree();
// Gapless playback: opens NextSongEntry to start where the playing song ends
// (stream files and modules only); cancelling frees it again.
void AudioPrepareNextSong();
void AudioCancelNextSong();

struct HMS {
  int32_t hours, minutes, seconds60;
};
HMS SecondsToHMS(int64_t seconds);
int64_t HMSToSeconds(int32_t hours, int32_t minutes, int32_t seconds60);

// The file-kind rule every back-end applies to CurrentSongEntry's path.
struct SongKind {
  uint8_t fileKind = fkNone;
  int cdTrack = 0;  // for CD tracks: the number from "TrackNN.cda", 0 if none
};
SongKind FileKindOfPath(const QString& path);

}  // namespace KestrelixAudioApi
