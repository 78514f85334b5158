#pragma once
// The audio front-end: a registry of back-ends, the operation table the chosen
// back-end fills, and the shared variables that carry values between callers
// and the back-end. Callers never touch the audio library directly.
//
// Threads: everything here belongs to the user-interface thread. Callers set
// variables, call an operation and read what it updated, all on that thread;
// the back-end never writes them from another. (The equalizer's filter runs on
// the library's mixer thread but only reads what ApplyEqualizerSettings
// handed over.)
//
// Failure: an operation never reports to its caller. A failed library call
// shows the user an error box and leaves PlayStatus at psStopped; callers
// learn of it from PlayStatus.
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
  QString CurrentSongEntry;  // the playlist entry of the song to load or playing
  uint8_t PlayStatus = psStopped;
  uint8_t FileKind = fkNone;
  uint8_t SongEndedEvent = 0;    // 1 with psEnded; the deck clears it when it reacts
  uint8_t TextWindowsDirty = 0;  // 1 after a load; the deck redraws its texts and clears it
  // Why the current song cannot be played, in one line ("Can't create
  // stream (error code: 2)", or why a station could not be reached); empty
  // while it can. Each load starts it afresh.
  QString SongErrorText;
  // 1: a failure is only recorded in SongErrorText, without an error box.
  uint8_t QuietSongErrors = 0;
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
  int64_t TotalSeconds = 0;      // the song's length in whole seconds, 0 when unknown
  int32_t TotalHours = 0, TotalMinutes = 0, TotalSeconds60 = 0;
  int64_t ElapsedSeconds = 0;    // the playing position in whole seconds
  int32_t ElapsedHours = 0, ElapsedMinutes = 0, ElapsedSeconds60 = 0;
  int32_t PositionPercent = 0;   // position 0..100: read by AudioSetPosition, written by AudioGetPosition
  // A position in whole seconds for the next AudioSetPosition, which then
  // goes there instead of to PositionPercent and clears it back to -1.
  int64_t SeekSeconds = -1;
  uint8_t PositionDragging = 0;  // 1 while the user drags the position slider
  int32_t VolumeValue = 0;       // 0..100 for AudioSetVolume
  int32_t BalanceValue = 50;     // 0 (left) ..100 (right), 50 centred, for AudioSetBalance
  int16_t BitRate = 0;           // kilobits per second of a stream file
  int32_t OutputFrequency = 44100;  // Hz shown on the deck (an internet stream: its station's, 0 until known)
  uint8_t ChannelCount = 2;      // 1 mono, 2 stereo
  uint8_t Is16Bit = 1;           // 0 for a source of 8-bit samples
  QString CDDBDiscID;            // the disc's identifier, or "CDDB ID Not Found"
  // The song is an internet stream: no length, no moving in it, and its
  // station tells its name and the title on air as it plays.
  uint8_t IsInternetStream = 0;
  uint8_t StreamBuffering = 0;       // 1 while the stream waits for its buffer to fill
  QString StreamName;                // the station's name, empty until it tells one
  QString StreamTitle;               // the title on air ("Artist - Title"), empty until told
  uint32_t StreamTitleChanges = 0;   // counts the changes of StreamTitle
  uint64_t LastTickTime = 0;    // millisecond clock at the last elapsed-time update
  int64_t MusicElapsedMs = 0;   // milliseconds played of a tracker music
  QString ElapsedTimeText, TotalTimeText;
  // Spectrum magnitudes of the sound heard now (a full-scale sine near 1.0,
  // 0 for silence); bin i stands for i x FFTSampleRate / 1024 Hz.
  std::array<float, 512> FFTData{};
  int32_t FFTSampleRate = 44100;  // Hz of the sound FFTData and WaveData were taken from
  std::array<std::array<int16_t, 2>, 64> WaveData{};  // the newest 64 frames, left and right, oldest first
  uint32_t LevelData = 0;       // peak level 0..128 per side: left in the low 16 bits, right in the high
  long double CPUUsage = 0;     // percent of wall time the audio library's mixer works
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

// Runs `observer` on the caller's thread after every operation that changed
// PlayStatus, so that displays idle while nothing plays and wake at once when
// something starts. The number returned removes it again.
int AddPlayStatusObserver(std::function<void()> observer);
void RemovePlayStatusObserver(int id);

// Writes a back-end's entry at its fixed index.
void RegisterAudioAPI(int index, AudioAPIToLoadStructure entry);
bool SelectAudioAPI(int index);
void LoadSelectedAudioAPI();

// The operations, each going through the table; the user-interface thread
// only. What each reads and writes:
//   AudioLoadSong       CurrentSongEntry -> FileKind, TotalSeconds, BitRate, OutputFrequency,
//                       ChannelCount, Is16Bit, CDDBDiscID, TextWindowsDirty
//   AudioPlay/Resume    -> PlayStatus psPlaying (Play also LastTickTime, MusicElapsedMs := 0)
//   AudioPause, AudioStop -> PlayStatus psPaused, psStopped
//   AudioSetVolume      VolumeValue;  AudioSetBalance  BalanceValue
//   AudioSetPosition    SeekSeconds or PositionPercent with TotalSeconds -> MusicElapsedMs (musics)
//   AudioGetPosition    -> ElapsedSeconds and its parts, PositionPercent
//   AudioCheckEndOfSong PlayStatus -> PlayStatus psEnded and SongEndedEvent 1 at the song's end
//   AudioGetFFTData, AudioGetWaveData, AudioGetLevel -> FFTData with FFTSampleRate, WaveData,
//                       LevelData; silence (zeros) when the library has no data
//   AudioGetCPU         -> CPUUsage
//   AttachEqualizer, DetachEqualizer: the filter on the song's stream or music (never a CD)
//   ApplyEqualizerSettings  EQEnabled, EQPreAmpValue, EQBandValues -> the filter
//   AudioGetCDDBID      -> CDDBDiscID;  AudioFree releases the library at shutdown
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
