#include "DeckVisualization.h"

#include <algorithm>
#include <cmath>

namespace DeckVisualization {

namespace {

constexpr float kRangeDb = 60.0f;
constexpr float kBarFallPerFrame = 0.6f;
constexpr float kPeakFallPerFrame = 0.15f;
constexpr double kBinHz = 44100.0 / 1024.0;
constexpr double kLowestHz = 50.0;
constexpr double kHighestHz = 16000.0;

// The first bin of each bar and one past the last, spaced evenly on a
// logarithmic scale so that every octave gets its share of the bars.
std::array<int, kBars + 1> BarBins() {
  std::array<int, kBars + 1> edges{};
  for (int bar = 0; bar <= kBars; ++bar) {
    const double hz = kLowestHz * std::pow(kHighestHz / kLowestHz, double(bar) / kBars);
    edges[size_t(bar)] = std::clamp(int(std::lround(hz / kBinHz)), 1, 511);
  }
  for (int bar = 1; bar <= kBars; ++bar)
    edges[size_t(bar)] = std::max(edges[size_t(bar)], edges[size_t(bar) - 1] + 1);
  return edges;
}

const std::array<int, kBars + 1> kBarBins = BarBins();

float LevelRows(float magnitude) {
  if (magnitude <= 0.0f) return 0.0f;
  const float db = 20.0f * std::log10(magnitude);
  return std::clamp((db + kRangeDb) / kRangeDb * kRows, 0.0f, float(kRows));
}

QRgb Opaque(const QColor& colour) { return colour.rgb() | 0xFF000000u; }

// The canvas's pixels inside one area, addressed from the area's top left
// corner; pixels off the canvas are skipped. The image is detached once, not
// at every pixel.
class Pixels {
 public:
  Pixels(QImage& canvas, const QRect& area)
      : bits(canvas.bits()),
        stride(canvas.bytesPerLine()),
        origin(area.topLeft()),
        clip(area.intersected(canvas.rect()).translated(-area.topLeft())) {}

  void Put(int x, int y, QRgb colour) {
    if (clip.contains(x, y)) Row(y)[x] = colour;
  }
  void Background(const Palette& palette) {
    for (int y = clip.top(); y <= clip.bottom(); ++y) {
      QRgb* row = Row(y);
      for (int x = clip.left(); x <= clip.right(); ++x)
        row[x] = x % 2 == 1 && y % 2 == 1 ? palette.grid : palette.background;
    }
  }

 private:
  QRgb* Row(int y) { return reinterpret_cast<QRgb*>(bits + qsizetype(y + origin.y()) * stride) + origin.x(); }

  uchar* bits;
  qsizetype stride;
  QPoint origin;
  QRect clip;  // in the area's coordinates
};

}  // namespace

Mode NextMode(Mode mode) { return Mode((mode + 1) % 3); }

Palette PaletteFrom(const SkinUnit::VisColourSettings& colours) {
  Palette palette{};
  palette.background = Opaque(colours.Background);
  palette.grid = Opaque(colours.Grid);
  // The colour file lists the analyzer from the top row down; Levels holds
  // the lowest level first.
  for (int row = 0; row < 16; ++row) palette.rows[size_t(row)] = Opaque(colours.Levels[size_t(15 - row)]);
  for (int i = 0; i < 5; ++i) palette.scope[size_t(i)] = Opaque(colours.Scope[size_t(i)]);
  palette.peak = Opaque(colours.Peak);
  return palette;
}

void Analyzer::Fall(int bar, float level) {
  float& height = bars_[size_t(bar)];
  height = std::max(level, height - kBarFallPerFrame);
  float& peak = peaks_[size_t(bar)];
  peak = std::max(height, peak - kPeakFallPerFrame);
}

void Analyzer::Step(const Spectrum& spectrum) {
  for (int bar = 0; bar < kBars; ++bar) {
    const auto first = spectrum.begin() + kBarBins[size_t(bar)];
    const auto last = spectrum.begin() + kBarBins[size_t(bar) + 1];
    Fall(bar, LevelRows(*std::max_element(first, last)));
  }
}

void Analyzer::StepSilence() {
  for (int bar = 0; bar < kBars; ++bar) Fall(bar, 0.0f);
}

bool Analyzer::IsEmpty() const {
  return std::all_of(peaks_.begin(), peaks_.end(), [](float peak) { return peak <= 0.0f; });
}

void Analyzer::Clear() {
  bars_.fill(0.0f);
  peaks_.fill(0.0f);
}

int Analyzer::BarRows(int bar) const { return int(std::lround(bars_[size_t(bar)])); }
int Analyzer::PeakRows(int bar) const { return int(std::ceil(peaks_[size_t(bar)])); }

void DrawBackground(const Palette& palette, QImage& canvas, const QRect& area) {
  Pixels(canvas, area).Background(palette);
}

void DrawAnalyzer(const Analyzer& analyzer, const Palette& palette, QImage& canvas,
                  const QRect& area, int barWidth, int pitch) {
  Pixels pixels(canvas, area);
  pixels.Background(palette);
  const int height = area.height();
  for (int bar = 0; bar < kBars; ++bar) {
    const int left = bar * pitch;
    const int top = height - analyzer.BarRows(bar) * height / kRows;
    const int peakRows = analyzer.PeakRows(bar);
    const int peakY = peakRows > 0 ? height - peakRows * height / kRows : height;
    for (int y = 0; y < height; ++y) {
      QRgb colour;
      if (y == peakY) {
        colour = palette.peak;
      } else if (y >= top) {
        colour = palette.rows[size_t(y * kRows / height)];
      } else {
        continue;
      }
      for (int x = 0; x < barWidth; ++x) pixels.Put(left + x, y, colour);
    }
  }
}

void DrawScope(const Wave& wave, const Palette& palette, QImage& canvas, const QRect& area) {
  Pixels pixels(canvas, area);
  pixels.Background(palette);
  const int height = area.height();
  const int centre = (height - 1) / 2;
  int previous = centre;
  for (int x = 0; x < area.width(); ++x) {
    const auto& frame = wave[size_t(x * int(wave.size()) / area.width())];
    const int sample = (int(frame[0]) + int(frame[1])) / 2;
    const int y = std::clamp(centre - sample * height / 65536, 0, height - 1);
    const int from = x == 0 ? y : previous;
    for (int row = std::min(from, y); row <= std::max(from, y); ++row) {
      const int distance = std::abs(row - centre) * 5 / (centre + 1);
      pixels.Put(x, row, palette.scope[size_t(std::min(distance, 4))]);
    }
    previous = y;
  }
}

}  // namespace DeckVisualization
