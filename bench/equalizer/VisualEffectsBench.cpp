// One visual-effects frame of each mode, as the equalizer's 20 ms timer draws
// it, and one frame of the deck's analyzer and oscilloscope under Winamp
// skins: the data read from a playing channel into fixed buffers, then the
// drawing into the panel. Prints CPU microseconds per frame and the heap
// allocations a frame makes (counted by replacing operator new).
//   visual_effects_bench [FRAMES]
#include <QImage>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <new>
#include <string>
#include <thread>

#include "app/DeckVisualization.h"
#include "equalizer/VisualEffects.h"
#include "mediagen/WavFile.h"
#include "platform/bass/bass.h"

namespace {

constexpr int kMixRate = 44100;

std::atomic<long> allocations{0};

double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

PlatformUi::ImageList Sprites(int width, int height, int count) {
  PlatformUi::ImageList list(width, height);
  for (int i = 0; i < count; ++i) {
    QImage sprite(width, height, QImage::Format_ARGB32);
    sprite.fill(qRgb(i * 7, 40, 80));
    list.Add(sprite);
  }
  return list;
}

struct Panel {
  PlatformUi::ImageList backgrounds = Sprites(156, 37, 2);
  PlatformUi::ImageList bars = Sprites(15, 33, 18);
  PlatformUi::ImageList levels = Sprites(13, 65, 32);
  VisualEffects::ColorRamp ramp{};
  QImage canvas = QImage(156, 37, QImage::Format_ARGB32);
  QImage meter = QImage(30, 65, QImage::Format_ARGB32);
  VisualEffects::Spectrum spectrum{};
  VisualEffects::Wave wave{};
  VisualEffects::BandPeaks peaks{};
  VisualEffects::ScopePoints points{};
  const std::array<int32_t, 10> centres{31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000};
  QImage deck = QImage(76, 16, QImage::Format_ARGB32);
  DeckVisualization::Analyzer analyzer;
  DeckVisualization::Palette palette{};
  DeckVisualization::Spectrum deckSpectrum{};
  DeckVisualization::Wave deckWave{};
};

enum Mode { kScope, kBandBars, kSpectrum, kDeckAnalyzer, kDeckScope, kModes };

void Frame(Panel& p, DWORD channel, int mode) {
  switch (mode) {
    case kDeckAnalyzer:
      BASS_ChannelGetData(channel, p.deckSpectrum.data(), BASS_DATA_FFT1024);
      p.analyzer.Step(p.deckSpectrum);
      DeckVisualization::DrawAnalyzer(p.analyzer, p.palette, p.deck, p.deck.rect(), 3, 4);
      return;
    case kDeckScope:
      BASS_ChannelGetData(channel, p.deckWave.data(), sizeof p.deckWave);
      DeckVisualization::DrawScope(p.deckWave, p.palette, p.deck, p.deck.rect());
      return;
    case kScope:
      BASS_ChannelGetData(channel, p.wave.data(), sizeof p.wave);
      VisualEffects::DrawScope(p.wave, p.backgrounds, p.ramp, p.canvas, p.points);
      break;
    case kBandBars:
      BASS_ChannelGetData(channel, p.spectrum.data(), BASS_DATA_FFT1024);
      VisualEffects::ComputeBandPeaks(p.spectrum, kMixRate, p.centres, p.peaks);
      VisualEffects::DrawBandBars(p.peaks, p.bars, p.canvas);
      break;
    default:
      BASS_ChannelGetData(channel, p.spectrum.data(), BASS_DATA_FFT1024);
      VisualEffects::DrawSpectrum(p.spectrum, kMixRate, p.backgrounds, p.ramp, p.canvas);
      break;
  }
  VisualEffects::DrawLevelMeter(BASS_ChannelGetLevel(channel), true, p.levels, p.meter);
}

}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size ? size : 1)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5000;
  setenv("SOLVANE_AUDIO_OUTPUT", "null", 1);
  const std::string song = (std::filesystem::temp_directory_path() / "visual_effects_bench.wav").string();
  MediaGen::ToneSpec spec;
  spec.frequencies = {110, 440, 1760, 7040};
  spec.seconds = 10;
  if (!MediaGen::WriteWav(song, MediaGen::MakeTone(spec)) || !BASS_Init(-1, kMixRate, 0, nullptr) || !BASS_Start()) {
    std::fprintf(stderr, "cannot start the audio library\n");
    return 1;
  }
  const HSTREAM stream = BASS_StreamCreateFile(FALSE, song.c_str(), 0, 0, 0);
  BASS_StreamPlay(stream, FALSE, BASS_SAMPLE_LOOP);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));

  Panel panel;
  const char* names[] = {"oscilloscope", "band bars", "spectrum", "deck analyzer", "deck scope"};
  std::printf("%-14s %12s %18s\n", "mode", "us/frame", "allocations/frame");
  for (int mode = 0; mode < kModes; ++mode) {
    Frame(panel, stream, mode);  // the first frame of a spectrum size sets up its transform
    const long allocatedBefore = allocations;
    const double begun = ThreadCpuSeconds();
    for (int i = 0; i < frames; ++i) Frame(panel, stream, mode);
    const double microseconds = (ThreadCpuSeconds() - begun) * 1e6 / frames;
    std::printf("%-14s %12.2f %18.3f\n", names[mode], microseconds,
                double(allocations - allocatedBefore) / frames);
  }
  BASS_Free();
  std::filesystem::remove(song);
  return 0;
}
