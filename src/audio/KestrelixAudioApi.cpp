#include "KestrelixAudioApi.h"

#include <map>
#include <vector>

#include "audio/StreamUrl.h"
#include "platform/ui/MessageBoxService.h"

namespace KestrelixAudioApi {

Registry registry;
OperationTable operations;
SharedVariables vars;

namespace {

std::map<int, std::function<void()>> playStatusObservers;
int nextObserverId = 1;

}  // namespace

void ResetAudioApi() {
  registry = Registry{};
  operations = OperationTable{};
  vars = SharedVariables{};
  playStatusObservers.clear();
}

int AddPlayStatusObserver(std::function<void()> observer) {
  playStatusObservers.emplace(nextObserverId, std::move(observer));
  return nextObserverId++;
}

void RemovePlayStatusObserver(int id) { playStatusObservers.erase(id); }

void RegisterAudioAPI(int index, AudioAPIToLoadStructure entry) {
  if (index < 0 || index >= kMaxAudioAPIs) return;
  registry.AudioAPIs[index] = std::move(entry);
  ++registry.AudioAPICount;
}

bool SelectAudioAPI(int index) {
  if (index < 0 || index >= kMaxAudioAPIs) return false;
  if (!registry.AudioAPIs[index].LoadRoutine) return false;
  registry.CurrentAudioAPI = registry.AudioAPIs[index];
  registry.SelectedAudioAPI = index;
  return true;
}

void LoadSelectedAudioAPI() {
  if (SelectAudioAPI(1)) {
    registry.CurrentAudioAPI.LoadRoutine();
  } else {
    PlatformUi::ShowMessage(QStringLiteral("Error Loading Audio API"),
                            QStringLiteral("Audio API Message"));
  }
}

namespace {
void Call(const AudioOperation& operation) {
  if (!operation) return;
  const uint8_t before = vars.PlayStatus;
  operation();
  if (vars.PlayStatus == before) return;
  // An observer may add or remove observers: run those present now.
  std::vector<int> ids;
  for (const auto& [id, observer] : playStatusObservers) ids.push_back(id);
  for (const int id : ids) {
    const auto found = playStatusObservers.find(id);
    if (found == playStatusObservers.end()) continue;
    const auto observer = found->second;  // it may remove itself while it runs
    observer();
  }
}
}  // namespace

void AudioLoadSong() { Call(operations.AudioLoadSong); }
void AudioPlay() { Call(operations.AudioPlay); }
void AudioPause() { Call(operations.AudioPause); }
void AudioResume() { Call(operations.AudioResume); }
void AudioStop() { Call(operations.AudioStop); }
void AudioSetVolume() { Call(operations.AudioSetVolume); }
void AudioSetBalance() { Call(operations.AudioSetBalance); }
void AudioSetPosition() { Call(operations.AudioSetPosition); }
void AudioGetPosition() { Call(operations.AudioGetPosition); }
void AudioCheckEndOfSong() { Call(operations.AudioCheckEndOfSong); }
void AudioGetFFTData() { Call(operations.AudioGetFFTData); }
void AudioGetWaveData() { Call(operations.AudioGetWaveData); }
void AudioGetLevel() { Call(operations.AudioGetLevel); }
void AudioGetCPU() { Call(operations.AudioGetCPU); }
void AudioPrepareNextSong() { Call(operations.AudioPrepareNextSong); }
void AudioCancelNextSong() { Call(operations.AudioCancelNextSong); }
void AttachEqualizer() { Call(operations.AttachEqualizer); }
void DetachEqualizer() { Call(operations.DetachEqualizer); }
void ApplyEqualizerSettings() { Call(operations.ApplyEqualizerSettings); }
void AudioGetCDDBID() { Call(operations.AudioGetCDDBID); }
void AudioFree() { Call(operations.AudioFree); }

HMS SecondsToHMS(int64_t seconds) {
  const int64_t hours = seconds / 3600;
  const int64_t minutes = (seconds - hours * 3600) / 60;
  const int64_t rest = seconds - hours * 3600 - minutes * 60;
  return {static_cast<int32_t>(hours), static_cast<int32_t>(minutes),
          static_cast<int32_t>(rest)};
}

int64_t HMSToSeconds(int32_t hours, int32_t minutes, int32_t seconds60) {
  return int64_t{hours} * 3600 + int64_t{minutes} * 60 + seconds60;
}

namespace {

QString UpperExtension(const QString& path) {
  const int slash = path.lastIndexOf('/');
  const int dot = path.lastIndexOf('.');
  if (dot <= slash) return {};
  return path.mid(dot).toUpper();
}

// "Track07.cda" gives 7: drop the extension and the leading "Track".
int TrackNumberOfFileName(const QString& path) {
  const QString name = path.mid(path.lastIndexOf('/') + 1);
  if (name.size() <= 9) return 0;
  bool ok = false;
  const int number = name.mid(5, name.size() - 9).toInt(&ok, 10);
  return ok && number > 0 ? number : 0;
}

}  // namespace

SongKind FileKindOfPath(const QString& path) {
  if (IsStreamUrl(path)) return {fkStream, 0};
  QString extension = UpperExtension(path);
  if (extension == QLatin1String(".TEMP")) {
    extension = UpperExtension(path.left(path.size() - 5));
  }
  static const QStringList streams{".MP3", ".MP2", ".MP1", ".OGG", ".WAV", ".FLAC", ".OPUS"};
  static const QStringList musics{".XM", ".MOD", ".S3M", ".IT", ".MTM", ".UMX"};
  SongKind kind;
  if (streams.contains(extension)) {
    kind.fileKind = fkStream;
  } else if (musics.contains(extension)) {
    kind.fileKind = fkMusic;
  } else if (extension == QLatin1String(".CDA")) {
    kind.fileKind = fkCDTrack;
    kind.cdTrack = TrackNumberOfFileName(path);
  }
  return kind;
}

}  // namespace KestrelixAudioApi
