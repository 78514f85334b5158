#include "BASSApi.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>

#include "audio/InternetStreams.h"
#include "audio/KestrelixAudioApi.h"
#include "audio/ReplayGain.h"
#include "audio/SongEntryFields.h"
#include "audio/StreamUrl.h"
#include "dsp/EQFilters.h"
#include "platform/bass/bass.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/MillisecondClock.h"

namespace BASSApi {

BackEndState state;

namespace {

using KestrelixAudioApi::vars;
namespace Kind = KestrelixAudioApi;

constexpr DWORD kRequiredVersion = 0x00060001;
// The library mixes at this rate; its level, wave and spectrum data are of the mix.
constexpr DWORD kMixRate = 44100;
constexpr DWORD kDataFailed = 0xFFFFFFFF;
constexpr DWORD kMusicLoadFlags = BASS_MUSIC_RAMP | BASS_MUSIC_CALCLEN;  // 0x2001
constexpr int kKeepPan = -101;
constexpr int kKeep = -1;
constexpr char kLibraryNotice[] =
    " - streams, tracker music and CD audio through mpg123, Vorbis, libsndfile, libopenmpt, "
    "libcdio and SDL2";

QString LibraryVersion() {
  const DWORD version = BASS_GetVersion();
  return QStringLiteral("%1.%2").arg(LOWORD(version)).arg(HIWORD(version));
}

// Rounds to the nearest integer, halves to even (the default rounding mode).
int64_t RoundHalfEven(double value) { return static_cast<int64_t>(std::nearbyint(value)); }

// Whole seconds of a length in bytes; library errors (negative) count as 0.
int64_t RoundedSeconds(DWORD handle, QWORD bytes) {
  const double seconds = BASS_ChannelBytes2Seconds(handle, bytes);
  return seconds > 0 ? RoundHalfEven(seconds) : 0;
}

// The channel the song's operations address: the stream, the music or the CD
// channel. None for kind 3, nor for a stream or music that could not be
// opened: its handle 0 would address the CD channel instead.
std::optional<DWORD> SongChannel() {
  switch (vars.FileKind) {
    case Kind::fkStream:
      return state.StreamHandle != 0 ? std::optional<DWORD>(state.StreamHandle) : std::nullopt;
    case Kind::fkMusic:
      return state.MusicHandle != 0 ? std::optional<DWORD>(state.MusicHandle) : std::nullopt;
    case Kind::fkCDTrack: return CDCHANNEL;
    default: return std::nullopt;
  }
}

// Where level, wave and spectrum come from: CD audio is heard through the
// recording channel.
std::optional<DWORD> DataChannel() {
  if (vars.FileKind == Kind::fkCDTrack) return RECORDCHAN;
  return SongChannel();
}

bool IsStreamOrMusic() { return vars.FileKind == Kind::fkStream || vars.FileKind == Kind::fkMusic; }

void TakeChannelFormat(DWORD handle) {
  const DWORD flags = handle != 0 ? BASS_ChannelGetFlags(handle) : 0;
  vars.OutputFrequency = 44100;
  vars.ChannelCount = (flags & BASS_SAMPLE_MONO) ? 1 : 2;
  vars.Is16Bit = (flags & BASS_SAMPLE_8BITS) ? 0 : 1;
  vars.TextWindowsDirty = 1;
}

// Kilobits per second from the file size. The product is taken in 64 bits so
// files over 512 MiB do not wrap; an unknown size or a 0-second song gives 0.
int16_t BitRateOf(DWORD fileBytes, int64_t seconds) {
  if (seconds <= 0 || fileBytes == kDataFailed) return 0;
  const int64_t rate = RoundHalfEven(double(int64_t{fileBytes} * 8) / double(seconds * 1000));
  return static_cast<int16_t>(std::min<int64_t>(rate, INT16_MAX));
}

void AudioStop() {
  vars.PlayStatus = Kind::psStopped;
  if (const auto channel = SongChannel()) BASS_ChannelStop(*channel);
}

void AudioGetCDDBID() {
  const char* id = BASS_CDInDrive() ? BASS_CDGetID(BASS_CDID_CDDB) : nullptr;
  vars.CDDBDiscID = id ? QString::fromLatin1(id) : QStringLiteral("CDDB ID Not Found");
}

// Length and bit rate of a stream file, or of an internet stream (none).
void TakeStreamFacts(DWORD handle) {
  const QWORD bytes = BASS_StreamGetLength(handle);
  vars.TotalSeconds = RoundedSeconds(handle, bytes);
  const DWORD size = BASS_StreamGetFilePosition(handle, BASS_FILEPOS_END);
  vars.BitRate = BitRateOf(size, vars.TotalSeconds);
  TakeChannelFormat(handle);
}

void TakeMusicFacts(DWORD handle) {
  const DWORD bytes = BASS_MusicGetLength(handle, TRUE);
  vars.TotalSeconds = bytes == kDataFailed ? 0 : RoundedSeconds(handle, bytes);
  TakeChannelFormat(handle);  // BitRate keeps the last stream's value
}

// A song file's loudness correction; off, the channel keeps its samples as they are.
void ApplyReplayGain(DWORD handle, const QString& path) {
  if (vars.ReplayGainMode == Kind::rgOff) return;
  const double factor = Kind::ReplayGainFactor(Kind::ReadReplayGainTags(path), vars.ReplayGainMode,
                                               vars.ReplayGainPreAmpDb);
  BASS_ChannelSetGain(handle, float(std::clamp(factor, 0.0, 16.0)));
}

void FreeChannel(uint8_t fileKind, DWORD handle) {
  if (fileKind == Kind::fkStream) BASS_StreamFree(handle);
  if (fileKind == Kind::fkMusic) BASS_MusicFree(handle);
}

void AudioCancelNextSong() {
  if (state.NextHandle == 0) return;
  if (const auto channel = SongChannel(); channel && IsStreamOrMusic()) BASS_ChannelSetNext(*channel, 0);
  FreeChannel(state.NextFileKind, state.NextHandle);
  state.NextHandle = 0;
  state.NextEQDSPHandle = 0;
  vars.NextSongPrepared = 0;
}

void LoadStream(const QString& path, const QByteArray& file) {
  // Only the newest channel is used again, so the previous one is released.
  if (state.StreamHandle != 0) BASS_StreamFree(state.StreamHandle);
  state.StreamHandle = vars.IsInternetStream ? CreateInternetStream(path)
                                             : BASS_StreamCreateFile(FALSE, file.constData(), 0, 0, 0);
  if (state.StreamHandle == 0) {
    ShowAudioError(QStringLiteral("Can't create stream"));
    vars.TotalSeconds = 0;
    vars.BitRate = 0;
    TakeChannelFormat(0);
    return;
  }
  TakeStreamFacts(state.StreamHandle);
  if (vars.IsInternetStream) {
    AwaitStationFormat();
  } else {
    ApplyReplayGain(state.StreamHandle, path);
  }
}

void LoadMusic(const QString& path, const QByteArray& file) {
  if (state.MusicHandle != 0) BASS_MusicFree(state.MusicHandle);
  state.MusicHandle = BASS_MusicLoad(FALSE, file.constData(), 0, 0, kMusicLoadFlags);
  if (state.MusicHandle == 0) {
    ShowAudioError(QStringLiteral("Can't load music"));
    vars.TotalSeconds = 0;
    TakeChannelFormat(0);
    return;
  }
  TakeMusicFacts(state.MusicHandle);
  ApplyReplayGain(state.MusicHandle, path);
}

// A track entry names its drive or disc image as its folder
// ("/dev/sr0/Track01.cda", "/music/disc.cue/Track01.cda"); the CD system is
// moved there when another drive is open.
void OpenDriveOf(const QString& path) {
  const QString drive = path.left(std::max<qsizetype>(0, path.lastIndexOf('/')));
  if (drive.isEmpty() || drive == QString::fromLocal8Bit(BASS_CDGetDrive())) return;
  BASS_CDFree();
  if (!BASS_CDInit(QFile::encodeName(drive).constData(), 0)) {
    ShowAudioError(QStringLiteral("Can't initialize CD system"));
  }
}

void LoadCDTrack(const QString& path, int track) {
  OpenDriveOf(path);
  state.CDTrack = DWORD(track);
  const DWORD milliseconds = BASS_CDGetTrackLength(state.CDTrack);
  vars.TotalSeconds = milliseconds == kDataFailed ? 0 : milliseconds / 1000;
  vars.OutputFrequency = 44100;
  vars.ChannelCount = 2;
  vars.Is16Bit = 1;
  vars.TextWindowsDirty = 1;
  AudioGetCDDBID();
}

// A channel's position; a failed query (all bits set) counts as the start.
QWORD PositionOf(DWORD handle) {
  const QWORD position = BASS_ChannelGetPosition(handle);
  return position == ~QWORD{0} ? 0 : position;
}

void ZeroFill(void* buffer, size_t bytes) { std::memset(buffer, 0, bytes); }

void AudioLoadSong() {
  vars.SongErrorText.clear();
  AudioCancelNextSong();
  const QString path = GeneralFunctions::GetEntrySongPath(vars.CurrentSongEntry);
  const KestrelixAudioApi::SongKind kind = KestrelixAudioApi::FileKindOfPath(path);
  vars.FileKind = kind.fileKind;
  vars.IsInternetStream = KestrelixAudioApi::IsStreamUrl(path) ? 1 : 0;
  const QByteArray file = QFile::encodeName(path);
  switch (vars.FileKind) {
    case Kind::fkStream: LoadStream(path, file); break;
    case Kind::fkMusic: LoadMusic(path, file); break;
    case Kind::fkCDTrack: LoadCDTrack(path, kind.cdTrack); break;
    default: break;
  }
}

void AudioPlay() {
  vars.PlayStatus = Kind::psPlaying;
  EQFilters::ClearFilterHistory();
  switch (vars.FileKind) {
    case Kind::fkStream:
      if (!BASS_StreamPlay(state.StreamHandle, FALSE, 0)) ShowAudioError(QStringLiteral("Can't play stream"));
      break;
    case Kind::fkMusic:
      if (!BASS_MusicPlay(state.MusicHandle)) ShowAudioError(QStringLiteral("Can't play music"));
      break;
    case Kind::fkCDTrack:
      if (BASS_CDPlay(state.CDTrack, FALSE, FALSE)) {
        state.CDPlaying = 1;
      } else {
        ShowAudioError(QStringLiteral("Can't play CD"));
      }
      break;
    default:
      ShowAudioError(QStringLiteral("Unknown File Type"));
      return;
  }
  vars.LastTickTime = PlatformUi::MillisecondClock();
  vars.MusicElapsedMs = 0;
}

void AudioPause() {
  vars.PlayStatus = Kind::psPaused;
  BASS_ChannelPause(CDCHANNEL);
  state.CDPlaying = 0;
  BASS_Pause();
}

void AudioResume() {
  vars.PlayStatus = Kind::psPlaying;
  EQFilters::ClearFilterHistory();
  if (BASS_ChannelResume(CDCHANNEL)) state.CDPlaying = 1;
  BASS_Start();
}

void AudioSetVolume() {
  if (IsStreamOrMusic()) {
    BASS_SetVolume(DWORD(std::clamp(vars.VolumeValue, 0, 100)));
  } else if (vars.FileKind == Kind::fkCDTrack) {
    BASS_ChannelSetAttributes(CDCHANNEL, kKeep, vars.VolumeValue, kKeepPan);
  }
}

void AudioSetBalance() {
  const int pan = 2 * vars.BalanceValue - 100;
  if (const auto channel = SongChannel()) BASS_ChannelSetAttributes(*channel, kKeep, kKeep, pan);
  if (state.NextHandle != 0) BASS_ChannelSetAttributes(state.NextHandle, kKeep, kKeep, pan);
}

void AudioSetPosition() {
  const int64_t seconds = vars.SeekSeconds >= 0 ? std::exchange(vars.SeekSeconds, -1)
                                                : int64_t{vars.PositionPercent} * vars.TotalSeconds / 100;
  if (!SongChannel()) return;
  switch (vars.FileKind) {
    case Kind::fkStream:
      BASS_ChannelSetPosition(state.StreamHandle,
                              BASS_ChannelSeconds2Bytes(state.StreamHandle, float(seconds)));
      break;
    case Kind::fkMusic: {
      // Low word: seconds; high word 0xFFFF marks a time; sign-extended to 64 bits.
      const auto position = int32_t(MAKELONG(seconds & 0xFFFF, BASS_MUSIC_POS_SECONDS));
      BASS_ChannelSetPosition(state.MusicHandle, QWORD(int64_t{position}));
      vars.MusicElapsedMs = seconds * 1000;
      break;
    }
    case Kind::fkCDTrack: BASS_ChannelSetPosition(CDCHANNEL, QWORD(seconds * 1000)); break;
    default: break;
  }
}

void AudioGetPosition() {
  if (vars.FileKind != Kind::fkNone) {
    switch (vars.FileKind) {
      case Kind::fkStream:
        vars.ElapsedSeconds = SongChannel() ? RoundedSeconds(state.StreamHandle, PositionOf(state.StreamHandle)) : 0;
        if (vars.IsInternetStream && SongChannel()) UpdateInternetStream(state.StreamHandle);
        break;
      case Kind::fkMusic: vars.ElapsedSeconds = vars.MusicElapsedMs / 1000; break;
      default: vars.ElapsedSeconds = int64_t(PositionOf(CDCHANNEL) / 1000); break;
    }
    const KestrelixAudioApi::HMS hms = KestrelixAudioApi::SecondsToHMS(vars.ElapsedSeconds);
    vars.ElapsedHours = hms.hours;
    vars.ElapsedMinutes = hms.minutes;
    vars.ElapsedSeconds60 = hms.seconds60;
    // A song shorter than half a second has no length to divide by.
    state.LastPercent =
        vars.TotalSeconds > 0 ? int32_t(vars.ElapsedSeconds * 100 / vars.TotalSeconds) : 0;
  }
  vars.PositionPercent = state.LastPercent;
}

// The filter is designed for the channel's own rate: that of the file, while
// an internet stream's channel is stereo at the mix rate whatever its
// station sends.
void UseRateOf(DWORD channel) {
  DWORD rate = 0;
  if (BASS_ChannelGetAttributes(channel, &rate, nullptr, nullptr)) EQFilters::SetSampleRate(int(rate));
}

// The prepared song has taken over where the playing one ended: it becomes
// the song, with every value loading it would have set.
void TakeOverNextSong() {
  FreeChannel(vars.FileKind, *SongChannel());
  (vars.FileKind == Kind::fkStream ? state.StreamHandle : state.MusicHandle) = 0;
  vars.FileKind = state.NextFileKind;
  vars.CurrentSongEntry = vars.NextSongEntry;
  if (vars.FileKind == Kind::fkStream) {
    state.StreamHandle = std::exchange(state.NextHandle, 0);
    TakeStreamFacts(state.StreamHandle);
  } else {
    state.MusicHandle = std::exchange(state.NextHandle, 0);
    TakeMusicFacts(state.MusicHandle);
    vars.MusicElapsedMs = int64_t(BASS_ChannelBytes2Seconds(state.MusicHandle, PositionOf(state.MusicHandle)) * 1000);
  }
  vars.LastTickTime = PlatformUi::MillisecondClock();
  state.EQDSPHandle = std::exchange(state.NextEQDSPHandle, 0);
  if (state.EQDSPHandle != 0) UseRateOf(*SongChannel());
  vars.NextSongPrepared = 0;
  vars.SongJoinedEvent = 1;
}

void AudioCheckEndOfSong() {
  if (vars.PlayStatus != Kind::psPlaying || vars.FileKind == Kind::fkNone) return;
  const auto channel = SongChannel();
  if (channel && BASS_ChannelIsActive(*channel) != BASS_ACTIVE_STOPPED) return;
  if (channel && state.NextHandle != 0 && BASS_ChannelIsActive(state.NextHandle) == BASS_ACTIVE_PLAYING) {
    TakeOverNextSong();
    return;
  }
  vars.PlayStatus = Kind::psEnded;
  vars.SongEndedEvent = 1;
  if (vars.IsInternetStream && channel) vars.SongErrorText = UnreachableStationText(*channel);
}

void AudioGetFFTData() {
  if (vars.FileKind == Kind::fkNone) return;
  const auto channel = DataChannel();
  if (!channel || BASS_ChannelGetData(*channel, vars.FFTData.data(), BASS_DATA_FFT1024) == kDataFailed) {
    ZeroFill(vars.FFTData.data(), sizeof vars.FFTData);
  }
}

void AudioGetWaveData() {
  if (vars.FileKind == Kind::fkNone) return;
  static_assert(sizeof vars.WaveData == 256, "64 stereo frames of 16-bit samples");
  const auto channel = DataChannel();
  if (!channel || BASS_ChannelGetData(*channel, vars.WaveData.data(), sizeof vars.WaveData) == kDataFailed) {
    ZeroFill(vars.WaveData.data(), sizeof vars.WaveData);
  }
}

void AudioGetLevel() {
  const auto channel = DataChannel();
  const DWORD level = channel ? BASS_ChannelGetLevel(*channel) : 0;
  vars.LevelData = level == kDataFailed ? 0 : level;
}

void AudioGetCPU() { vars.CPUUsage = BASS_GetCPU(); }

// The equalizer's procedure for a channel's own layout: the same as
// ChannelCount for a file, while an internet stream's channel is stereo
// whatever its station sends.
DSPPROC* EqualizerFor(DWORD channel) {
  return (BASS_ChannelGetFlags(channel) & BASS_SAMPLE_MONO) ? EQFilters::EQMonoDSP : EQFilters::EQStereoDSP;
}

void AttachEqualizer() {
  const auto channel = SongChannel();
  if (!IsStreamOrMusic() || !channel) return;
  UseRateOf(*channel);
  state.EQDSPHandle = BASS_ChannelSetDSP(*channel, EqualizerFor(*channel), 0);
  if (state.NextHandle != 0 && state.NextEQDSPHandle == 0)
    state.NextEQDSPHandle = BASS_ChannelSetDSP(state.NextHandle, EqualizerFor(state.NextHandle), 0);
}

void DetachEqualizer() {
  const auto channel = SongChannel();
  if (IsStreamOrMusic() && channel) BASS_ChannelRemoveDSP(*channel, state.EQDSPHandle);
  if (state.NextHandle != 0) BASS_ChannelRemoveDSP(state.NextHandle, std::exchange(state.NextEQDSPHandle, 0));
}

// Opens NextSongEntry and links it after the playing song, with the
// balance, ReplayGain and equalizer it will need. Quietly does nothing for
// what cannot follow without a gap: internet streams, CD tracks, files that
// do not open.
void AudioPrepareNextSong() {
  AudioCancelNextSong();
  const auto channel = SongChannel();
  const QString path = GeneralFunctions::GetEntrySongPath(vars.NextSongEntry);
  if (!channel || !IsStreamOrMusic() || vars.IsInternetStream || KestrelixAudioApi::IsStreamUrl(path)) return;
  const uint8_t kind = KestrelixAudioApi::FileKindOfPath(path).fileKind;
  const QByteArray file = QFile::encodeName(path);
  DWORD handle = 0;
  if (kind == Kind::fkStream) handle = BASS_StreamCreateFile(FALSE, file.constData(), 0, 0, 0);
  if (kind == Kind::fkMusic) handle = BASS_MusicLoad(FALSE, file.constData(), 0, 0, kMusicLoadFlags);
  if (handle == 0) return;
  BASS_ChannelSetAttributes(handle, kKeep, kKeep, 2 * vars.BalanceValue - 100);
  ApplyReplayGain(handle, path);
  if (!BASS_ChannelSetNext(*channel, handle)) {
    FreeChannel(kind, handle);
    return;
  }
  state.NextHandle = handle;
  state.NextFileKind = kind;
  if (vars.EQEnabled == 1) state.NextEQDSPHandle = BASS_ChannelSetDSP(handle, EqualizerFor(handle), 0);
  vars.NextSongPrepared = 1;
}

// The sliders reach the filter only while the equalizer is on.
void ApplyEqualizerSettings() {
  if (vars.EQEnabled == 1) EQFilters::ApplyEqualizerSettings(vars.EQPreAmpValue, vars.EQBandValues);
}

void AudioFree() {
  AudioCancelNextSong();
  BASS_ChannelStop(RECORDCHAN);
  BASS_Stop();
  BASS_StreamFree(state.StreamHandle);
  BASS_MusicFree(state.MusicHandle);
  BASS_RecordFree();
  BASS_Free();
  BASS_CDFree();
  state.StreamHandle = 0;
  state.MusicHandle = 0;
}

}  // namespace

void RegisterBASSApi() {
  for (size_t band = 0; band < vars.EQBandFrequencies.size(); ++band) {
    vars.EQBandFrequencies[band] = int32_t(std::lround(EQFilters::EQCentreFrequencies[band]));
  }
  const QString version = LibraryVersion();
  KestrelixAudioApi::RegisterAudioAPI(
      1, {LoadBASSApi, QStringLiteral("BASS ") + version + QLatin1String(kLibraryNotice),
          QStringLiteral("BASS ") + version, version, QStringLiteral("bass.dll")});
}

void LoadBASSApi() {
  auto& table = KestrelixAudioApi::operations;
  table.AudioLoadSong = AudioLoadSong;
  table.AudioPlay = AudioPlay;
  table.AudioPause = AudioPause;
  table.AudioResume = AudioResume;
  table.AudioStop = AudioStop;
  table.AudioSetVolume = AudioSetVolume;
  table.AudioSetBalance = AudioSetBalance;
  table.AudioSetPosition = AudioSetPosition;
  table.AudioGetPosition = AudioGetPosition;
  table.AudioCheckEndOfSong = AudioCheckEndOfSong;
  table.AudioGetFFTData = AudioGetFFTData;
  table.AudioGetWaveData = AudioGetWaveData;
  table.AudioGetLevel = AudioGetLevel;
  table.AudioGetCPU = AudioGetCPU;
  table.AttachEqualizer = AttachEqualizer;
  table.DetachEqualizer = DetachEqualizer;
  table.ApplyEqualizerSettings = ApplyEqualizerSettings;
  table.AudioGetCDDBID = AudioGetCDDBID;
  table.AudioFree = AudioFree;
  table.AudioPrepareNextSong = AudioPrepareNextSong;
  table.AudioCancelNextSong = AudioCancelNextSong;

  state = BackEndState{};
  vars.FileKind = Kind::fkNone;

  if (BASS_GetVersion() != kRequiredVersion) {
    ShowAudioError(QStringLiteral("BASS version 1.6 was not loaded"));
    std::exit(EXIT_FAILURE);
  }
  if (!BASS_Init(-1, kMixRate, 0, nullptr)) {
    ShowAudioError(QStringLiteral("Can't initialize digital sound system"));
  }
  if (!BASS_CDInit(nullptr, 0)) ShowAudioError(QStringLiteral("Can't initialize CD system"));
  BASS_Start();
  if (!BASS_RecordInit(-1)) ShowAudioError(QStringLiteral("Cannot initialize device"));
  // Recording runs for the whole session and only feeds the taps of the mix
  // (the CD's level, wave and spectrum): no procedure, so no thread wakes to
  // be handed recorded sound that nobody reads.
  if (!BASS_RecordStart(kMixRate, 0, nullptr, 0)) {
    ShowAudioError(QStringLiteral("Cannot start recording"));
  }
  vars.FFTSampleRate = int32_t(kMixRate);
  vars.SongEndedEvent = 0;
}

void ShowAudioError(const QString& message) {
  // Read the code first: stopping the channel is itself a library call.
  const DWORD code = BASS_ErrorGetCode();
  const QString codeText = QStringLiteral("(error code: ") + QString::number(code) + ')';
  vars.SongErrorText = message + ' ' + codeText;
  AudioStop();
  if (!vars.QuietSongErrors) PlatformUi::ShowErrorMessage(message + QStringLiteral("\r\n") + codeText);
}

}  // namespace BASSApi
