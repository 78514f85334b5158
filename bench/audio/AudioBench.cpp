// Audio speed figures (printed, not asserted):
//  1. decode + equalizer DSP + mix throughput, as a multiple of real time, for
//     WAV, FLAC, MP3, OGG, Opus and XM, with the output unpaced, and what
//     playing FLAC costs above WAV in percent of one core;
//  2. equalizer DSP cost in CPU nanoseconds per frame (stereo and mono);
//  3. mixer CPU share while an MP3 plays in real time to the null output.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <array>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "dsp/EQFilters.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/TaggedFiles.h"
#include "mediagen/WavFile.h"
#include "platform/bass/bass.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// CPU time of the calling thread: unlike wall time it does not grow when
// other processes share the machine.
double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

void SetEqualizer(const std::array<int32_t, 10>& bands) {
  EQFilters::ApplyEqualizerSettings(45, bands);
}

// Eight of the ten bands away from the middle.
void SetEqualizerBoost() { SetEqualizer({70, 65, 55, 50, 45, 50, 55, 60, 65, 70}); }

MediaGen::PcmAudio Music(double seconds) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {220, 277.2, 329.6, 440, 1760};
  spec.seconds = seconds;
  return MediaGen::MakeTone(spec);
}

// Four busy channels for `patterns` x 7.68 s.
MediaGen::ModuleSong BusySong(int patterns) {
  MediaGen::ModuleSong song;
  song.title = "bench";
  song.samples.push_back(MediaGen::MakeCycleSample("a", 32, 0.3));
  song.samples.push_back(MediaGen::MakeCycleSample("b", 64, 0.5));
  for (int p = 0; p < patterns; ++p) {
    MediaGen::ModulePattern pattern(song.channels);
    for (int row = 0; row < MediaGen::kPatternRows; ++row) {
      for (int channel = 0; channel < song.channels; ++channel) {
        pattern.At(row, channel) = {40 + (row * 5 + channel * 7) % 30, 1 + channel % 2, 40};
      }
    }
    song.patterns.push_back(pattern);
    song.order.push_back(p);
  }
  return song;
}

// Plays a channel with the equalizer on until it ends; returns the wall time.
double PlayThrough(DWORD handle, bool music) {
  const DWORD flags = BASS_ChannelGetFlags(handle);
  BASS_ChannelSetDSP(handle, (flags & BASS_SAMPLE_MONO) ? EQFilters::EQMonoDSP : EQFilters::EQStereoDSP, 0);
  const auto start = Clock::now();
  if (!(music ? BASS_MusicPlay(handle) : BASS_StreamPlay(handle, FALSE, 0))) return -1;
  while (BASS_ChannelIsActive(handle) != BASS_ACTIVE_STOPPED) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return SecondsSince(start);
}

void Throughput(const std::filesystem::path& folder) {
  const double seconds = 60.0;
  const std::string mp3 = (folder / "bench.mp3").string();
  const std::string ogg = (folder / "bench.ogg").string();
  const std::string xm = (folder / "bench.xm").string();
  const std::string wav = (folder / "bench.wav").string();
  const std::string flac = (folder / "bench.flac").string();
  const std::string opus = (folder / "bench.opus").string();
  MediaGen::WriteMp3(mp3, Music(seconds), 192);
  MediaGen::WriteOgg(ogg, Music(seconds));
  MediaGen::WriteWav(wav, Music(seconds));
  MediaGen::WriteFlac(flac, Music(seconds));
  MediaGen::WriteOpus(opus, Music(seconds));
  const MediaGen::ModuleSong song = BusySong(8);
  MediaGen::WriteXm(xm, song);

  setenv("SOLVANE_AUDIO_OUTPUT", "null", 1);
  setenv("SOLVANE_AUDIO_PACE", "100000", 1);
  BASS_Init(-1, 44100, 0, nullptr);
  BASS_Start();
  // Opening an MP3 reads all of it, to find its exact length.
  const auto opening = Clock::now();
  BASS_StreamFree(BASS_StreamCreateFile(FALSE, mp3.c_str(), 0, 0, 0));
  std::printf("MP3 of %.0f s opened (scanned to its end): %.1f ms\n", seconds, SecondsSince(opening) * 1000);
  std::printf("Decode + EQ DSP + mix throughput (unpaced null output):\n");
  struct Stream {
    const char* label;
    const std::string& path;
    double speed = 0;  // multiple of real time
  };
  Stream streams[] = {{"WAV 16-bit stereo:     ", wav}, {"FLAC 16-bit stereo:    ", flac},
                      {"MP3 192 kbit/s stereo: ", mp3}, {"OGG q0.4 stereo:       ", ogg},
                      {"Opus 64 kbit/s stereo: ", opus}};
  for (Stream& stream : streams) {
    const DWORD handle = BASS_StreamCreateFile(FALSE, stream.path.c_str(), 0, 0, 0);
    stream.speed = seconds / PlayThrough(handle, false);
    std::printf("  %s%7.1f x real time\n", stream.label, stream.speed);
  }
  // At n times real time a stream takes 100/n percent of a core to play.
  std::printf("  FLAC above WAV: %.3f %% of one core\n", 100 / streams[1].speed - 100 / streams[0].speed);
  const DWORD music = BASS_MusicLoad(FALSE, xm.c_str(), 0, 0, BASS_MUSIC_RAMP | BASS_MUSIC_CALCLEN);
  std::printf("  XM 4 channels:         %7.1f x real time\n", song.Seconds() / PlayThrough(music, true));
  BASS_Free();

  setenv("SOLVANE_AUDIO_PACE", "1", 1);
  BASS_Init(-1, 44100, 0, nullptr);
  BASS_Start();
  const DWORD realTime = BASS_StreamCreateFile(FALSE, mp3.c_str(), 0, 0, 0);
  BASS_ChannelSetDSP(realTime, EQFilters::EQStereoDSP, 0);
  BASS_StreamPlay(realTime, FALSE, 0);
  double sum = 0, peak = 0;
  const int samples = 50;
  for (int i = 0; i < samples; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const double cpu = BASS_GetCPU();
    sum += cpu;
    peak = std::max(peak, cpu);
  }
  std::printf("Mixer CPU while an MP3 plays in real time with the EQ on: %.2f %% average, %.2f %% peak\n",
              sum / samples, peak);
  BASS_Free();
}

void EqualizerCost(const char* setting) {
  constexpr int kFrames = 4096;
  constexpr int kRounds = 2000;
  std::vector<int16_t> buffer(kFrames * 2);
  for (size_t i = 0; i < buffer.size(); ++i) buffer[i] = int16_t((i * 7919) % 20000 - 10000);
  for (const bool stereo : {true, false}) {
    const auto bytes = uint32_t(kFrames * (stereo ? 4 : 2));
    const double start = ThreadCpuSeconds();
    for (int round = 0; round < kRounds; ++round) {
      (stereo ? EQFilters::EQStereoDSP : EQFilters::EQMonoDSP)(0, 0, buffer.data(), bytes, 0);
    }
    std::printf("EQ DSP %s, %s: %.1f ns CPU per frame\n", stereo ? "stereo" : "mono  ", setting,
                (ThreadCpuSeconds() - start) * 1e9 / (double(kFrames) * kRounds));
  }
}

}  // namespace

int main() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "solvane-audio-bench";
  std::filesystem::create_directories(folder);
  SetEqualizer({50, 50, 50, 50, 50, 50, 50, 50, 50, 50});
  EqualizerCost("flat        ");
  SetEqualizerBoost();
  EqualizerCost("8 bands set ");
  Throughput(folder);
  std::filesystem::remove_all(folder);
  return 0;
}
