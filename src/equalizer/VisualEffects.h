#pragma once
// The visual effects of the equalizer's panel and its level meter, drawn
// straight into the panels' canvases 50 times a second. Every routine works
// on fixed-size data and writes pixels in place: a frame allocates nothing.
#include <QImage>
#include <QRgb>

#include <array>
#include <cstdint>

#include "platform/ui/ImageList.h"

namespace VisualEffects {

// Panel modes, in the order a click cycles through them.
enum Mode : uint8_t { vmScope = 0, vmBandBars = 1, vmSpectrum = 2, vmNone = 3 };

// Bin i stands for i x rate / 1024 Hz, the rate being that of the sound the
// spectrum was taken from.
using Spectrum = std::array<float, 512>;
using Wave = std::array<std::array<int16_t, 2>, 64>;
using ColorRamp = std::array<QRgb, 33>;  // entry 0 the bottom
using BandPeaks = std::array<double, 10>;

struct ScopePoint {
  int16_t left = 0, right = 0;
};
using ScopePoints = std::array<ScopePoint, 64>;

// The largest magnitude in the bins from low to high Hz (0 for none) of a
// spectrum of sound at `sampleRate` Hz.
double BandPeak(const Spectrum& spectrum, double low, double high, int sampleRate);

// Each band from 0.7 to 1.4 times its centre; the top band up to half the rate.
void ComputeBandPeaks(const Spectrum& spectrum, int sampleRate, const std::array<int32_t, 10>& centres,
                      BandPeaks& peaks);

// One bar sprite per band: height round(sqrt(peak) x 17), at x 15 i + 3, y 2.
void DrawBandBars(const BandPeaks& peaks, const PlatformUi::ImageList& bars, QImage& canvas);

// Background sprite 0, then 128 columns, each lit from 4 pixels above the
// bottom up to round(sqrt(v) x 32) pixels more. Column i shows the bin nearest
// to 4 i x 44100 / 1024 Hz (every fourth bin of sound at 44,100 Hz), so the
// columns stand for the same frequencies whatever the rate; one above half
// the rate shows nothing.
void DrawSpectrum(const Spectrum& spectrum, int sampleRate, const PlatformUi::ImageList& backgrounds,
                  const ColorRamp& colors, QImage& canvas);

// Background sprite 1, then one point per frame: the left channel from
// column 2, the right from column 90, 2048 sample steps to a pixel.
void DrawScope(const Wave& wave, const PlatformUi::ImageList& backgrounds, const ColorRamp& colors,
               QImage& canvas, ScopePoints& points);

// The level sprites 0..31 of both sides from a level word of 0..128 per side
// (left in the low half): left in the low half of the result.
uint32_t LevelSprites(uint32_t level);

// Two level sprites (left at x 0, right at x 17), both 0 when the meter is off.
void DrawLevelMeter(uint32_t level, bool on, const PlatformUi::ImageList& sprites, QImage& canvas);

// Copies a sprite onto the canvas, cut at the canvas edges; an index the
// list does not hold copies nothing.
void CopySprite(const PlatformUi::ImageList& list, int index, QImage& canvas, int x, int y);

}  // namespace VisualEffects
