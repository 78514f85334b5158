#include "VisualEffects.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace VisualEffects {

namespace {

constexpr int kFftSize = 1024;
constexpr double kColumnStepHz = 4 * 44100.0 / kFftSize;
constexpr int kLastBin = 511;

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

void SetPixel(QImage& canvas, int x, int y, QRgb color) {
  if (x < 0 || y < 0 || x >= canvas.width() || y >= canvas.height()) return;
  reinterpret_cast<QRgb*>(canvas.scanLine(y))[x] = color;
}

}  // namespace

double BandPeak(const Spectrum& spectrum, double low, double high, int sampleRate) {
  const int first = std::max(0, Round(low * kFftSize / sampleRate));
  const int last = std::min(kLastBin, Round(high * kFftSize / sampleRate));
  double peak = 0;
  for (int bin = first; bin <= last; ++bin) peak = std::max(peak, double(spectrum[size_t(bin)]));
  return peak;
}

void ComputeBandPeaks(const Spectrum& spectrum, int sampleRate, const std::array<int32_t, 10>& centres,
                      BandPeaks& peaks) {
  for (size_t band = 0; band < peaks.size(); ++band) {
    const double high = band + 1 < peaks.size() ? 1.4 * centres[band] : sampleRate / 2.0;
    peaks[band] = BandPeak(spectrum, 0.7 * centres[band], high, sampleRate);
  }
}

void DrawBandBars(const BandPeaks& peaks, const PlatformUi::ImageList& bars, QImage& canvas) {
  for (size_t band = 0; band < peaks.size(); ++band)
    CopySprite(bars, Round(std::sqrt(peaks[band]) * 17), canvas, 15 * int(band) + 3, 2);
}

void DrawSpectrum(const Spectrum& spectrum, int sampleRate, const PlatformUi::ImageList& backgrounds,
                  const ColorRamp& colors, QImage& canvas) {
  CopySprite(backgrounds, 0, canvas, 0, 0);
  const int bottom = canvas.height() - 4;
  for (int column = 0; column < 128; ++column) {
    const int bin = Round(column * kColumnStepHz * kFftSize / sampleRate);
    const double value = bin <= kLastBin ? std::max(0.0f, spectrum[size_t(bin)]) : 0.0;
    const int lit = std::min(Round(std::sqrt(value) * 32), 32);
    for (int k = 0; k <= lit; ++k) SetPixel(canvas, column + 14, bottom - k, colors[size_t(k)]);
  }
}

void DrawScope(const Wave& wave, const PlatformUi::ImageList& backgrounds, const ColorRamp& colors,
               QImage& canvas, ScopePoints& points) {
  CopySprite(backgrounds, 1, canvas, 0, 0);
  const int mid = canvas.height() / 2 - 1;
  for (int frame = 0; frame < 64; ++frame) {
    // Integer division truncates toward zero: -16..15.
    const int left = wave[size_t(frame)][0] / 2048;
    const int right = wave[size_t(frame)][1] / 2048;
    SetPixel(canvas, frame + 2, mid - left, colors[size_t(left + 16)]);
    SetPixel(canvas, frame + 90, mid - right, colors[size_t(right + 16)]);
    points[size_t(frame)] = {int16_t(mid - left), int16_t(mid - right)};
  }
}

uint32_t LevelSprites(uint32_t level) {
  const uint32_t left = std::min<uint32_t>(level & 0xFFFF, 128) * 31 / 128;
  const uint32_t right = std::min<uint32_t>(level >> 16, 128) * 31 / 128;
  return left | right << 16;
}

void DrawLevelMeter(uint32_t level, bool on, const PlatformUi::ImageList& sprites, QImage& canvas) {
  const uint32_t shown = on ? LevelSprites(level) : 0;
  CopySprite(sprites, int(shown & 0xFFFF), canvas, 0, 0);
  CopySprite(sprites, int(shown >> 16), canvas, 17, 0);
}

void CopySprite(const PlatformUi::ImageList& list, int index, QImage& canvas, int x, int y) {
  const QImage sprite = list.Sprite(index);  // shares the list's pixels
  if (sprite.isNull() || canvas.isNull()) return;
  const int fromX = std::max(0, -x), fromY = std::max(0, -y);
  const int toX = std::min(sprite.width(), canvas.width() - x);
  const int toY = std::min(sprite.height(), canvas.height() - y);
  if (fromX >= toX) return;
  for (int row = fromY; row < toY; ++row) {
    const auto* source = reinterpret_cast<const QRgb*>(sprite.constScanLine(row)) + fromX;
    auto* target = reinterpret_cast<QRgb*>(canvas.scanLine(y + row)) + x + fromX;
    std::memcpy(target, source, size_t(toX - fromX) * sizeof(QRgb));
  }
}

}  // namespace VisualEffects
