#include "BASSSession.h"

#include <QFile>

#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "audio/SongEntryFields.h"
#include "mediagen/WavFile.h"
#include "support/TestEnvironment.h"
#include "support/WaitUntil.h"

namespace AudioTests {

using KestrelixAudioApi::vars;

namespace {
// Tests hear songs eight times faster than real time.
constexpr char kPace[] = "8";
}  // namespace

MediaGen::PcmAudio SineFixture(double frequency, double seconds, int channels, int rate,
                               double amplitude) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {frequency};
  spec.seconds = seconds;
  spec.channels = channels;
  spec.sampleRate = rate;
  spec.amplitude = amplitude;
  return MediaGen::MakeTone(spec);
}

void BASSSession::SetUp() {
  KestrelixAudioApi::ResetAudioApi();
  qputenv("SOLVANE_AUDIO_PACE", kPace);
  qunsetenv("SOLVANE_CD_DRIVE");
}

void BASSSession::TearDown() {
  ShutDown();
  qunsetenv("SOLVANE_AUDIO_PACE");
  qunsetenv("SOLVANE_CD_DRIVE");
  qputenv("SOLVANE_AUDIO_OUTPUT", "null");
  KestrelixAudioApi::ResetAudioApi();
}

void BASSSession::StartBackEnd(const QString& outputName, const QByteArray& output) {
  outputPath_ = InFolder(outputName);
  qputenv("SOLVANE_AUDIO_OUTPUT", output.isEmpty() ? "wav:" + QFile::encodeName(outputPath_) : output);
  BASSApi::RegisterBASSApi();
  KestrelixAudioApi::LoadSelectedAudioAPI();
  running_ = true;
  vars.VolumeValue = 100;
  vars.BalanceValue = 50;
}

void BASSSession::ShutDown() {
  if (!running_) return;
  KestrelixAudioApi::AudioFree();
  running_ = false;
}

QString BASSSession::InFolder(const QString& name) { return TestSupport::ProgramFolder() + name; }

QString BASSSession::WriteWavFixture(const QString& name, const MediaGen::PcmAudio& audio,
                                     int subformat) {
  const QString path = InFolder(name);
  EXPECT_TRUE(MediaGen::WriteWav(path.toStdString(), audio, subformat ? subformat : SF_FORMAT_PCM_16));
  return path;
}

void BASSSession::Load(const QString& path) {
  vars.CurrentSongEntry = GeneralFunctions::MakeSongEntry(path, {}, {});
  KestrelixAudioApi::AudioLoadSong();
}

bool BASSSession::PlayToEnd(double timeoutSeconds) {
  KestrelixAudioApi::AudioSetVolume();
  KestrelixAudioApi::AudioSetBalance();
  KestrelixAudioApi::AudioPlay();
  return WaitForEnd(timeoutSeconds);
}

bool BASSSession::WaitForElapsed(int64_t seconds) {
  return TestSupport::WaitUntil([seconds] {
    KestrelixAudioApi::AudioGetPosition();
    return vars.ElapsedSeconds >= seconds;
  });
}

bool BASSSession::WaitForEnd(double timeoutSeconds) {
  TestSupport::WaitUntil([] {
    KestrelixAudioApi::AudioCheckEndOfSong();
    return vars.PlayStatus != KestrelixAudioApi::psPlaying;
  }, int(timeoutSeconds * 1000), 10);
  return vars.PlayStatus == KestrelixAudioApi::psEnded;
}

bool BASSSession::WaitForMixerWork() {
  return TestSupport::WaitUntil([] {
    KestrelixAudioApi::AudioGetCPU();
    return vars.CPUUsage > 0;
  });
}

bool BASSSession::WaitForMixerRest() {
  return TestSupport::WaitUntil([] {
    KestrelixAudioApi::AudioGetCPU();
    return vars.CPUUsage == 0;
  });
}

MediaGen::PcmAudio BASSSession::HeardOutput() {
  ShutDown();
  auto audio = MediaGen::ReadAudioFile(outputPath_.toStdString());
  EXPECT_TRUE(audio.has_value()) << "no output file " << outputPath_.toStdString();
  return audio.value_or(MediaGen::PcmAudio{});
}

MediaGen::PcmAudio BASSSession::HearSong(const QString& path, const std::function<void()>& beforePlay) {
  ShutDown();
  StartBackEnd(QStringLiteral("heard%1.wav").arg(++sessions_));
  TestSupport::MessageBoxes().shown.clear();
  Load(path);
  if (beforePlay) beforePlay();
  EXPECT_TRUE(PlayToEnd()) << path.toStdString();
  return HeardOutput();
}

int64_t BASSSession::FirstSoundFrame(const MediaGen::PcmAudio& audio, double threshold) {
  for (size_t i = 0; i < audio.samples.size(); ++i) {
    if (std::abs(audio.samples[i]) > threshold) return int64_t(i) / audio.channels;
  }
  return -1;
}

double BASSSession::SoundingSeconds(const MediaGen::PcmAudio& audio, double threshold) {
  const int64_t first = FirstSoundFrame(audio, threshold);
  if (first < 0) return 0.0;
  int64_t last = first;
  for (size_t i = 0; i < audio.samples.size(); ++i) {
    if (std::abs(audio.samples[i]) > threshold) last = int64_t(i) / audio.channels;
  }
  return double(last - first + 1) / audio.sampleRate;
}

}  // namespace AudioTests
