#pragma once
// The deck's own visualization under Winamp skins: a spectrum analyzer whose
// bars jump up and fall back, with peak dots that fall slower, or an
// oscilloscope, both in the skin's visualization colours. The state and the
// drawing work on fixed-size data and write pixels in place: a frame
// allocates nothing.
#include <QImage>
#include <QRect>
#include <QRgb>

#include <array>
#include <cstdint>

#include "skins/SkinTextFiles.h"

namespace DeckVisualization {

// In the order a click cycles through them.
enum Mode : uint8_t { dmAnalyzer = 0, dmScope = 1, dmOff = 2 };
Mode NextMode(Mode mode);

constexpr int kBars = 19;  // 3-pixel bars with a 1-pixel gap fill the 76-pixel display
constexpr int kRows = 16;  // the display's height; a bar's height is counted in rows

using Spectrum = std::array<float, 512>;  // bin i stands for i x 44100 / 1024 Hz
using Wave = std::array<std::array<int16_t, 2>, 64>;

struct Palette {
  QRgb background, grid;
  std::array<QRgb, 16> rows;  // the analyzer's rows, the top row first
  std::array<QRgb, 5> scope;  // the centre line first, the outer edges last
  QRgb peak;
};
Palette PaletteFrom(const SkinUnit::VisColourSettings& colours);

// Bar and peak heights in rows, 0..kRows.
class Analyzer {
 public:
  // Each bar rises at once to its band's loudest bin (60 dB below full scale
  // is empty, full scale fills the display) and otherwise falls back a
  // little each frame; each peak dot stays on top of its bar and falls
  // slower than the bars.
  void Step(const Spectrum& spectrum);
  // A frame of silence: bars and peaks fall towards empty.
  void StepSilence();
  bool IsEmpty() const;
  void Clear();

  // The heights as drawn, in whole rows.
  int BarRows(int bar) const;
  int PeakRows(int bar) const;

 private:
  void Fall(int bar, float level);
  std::array<float, kBars> bars_{};
  std::array<float, kBars> peaks_{};
};

// The background colour with the grid dots on every other pixel of every
// other row.
void DrawBackground(const Palette& palette, QImage& canvas, const QRect& area);

// The analyzer's bars, `barWidth` pixels wide every `pitch` pixels from the
// area's left edge, scaled to the area's height; each pixel row takes the
// colour of its row of the display.
void DrawAnalyzer(const Analyzer& analyzer, const Palette& palette, QImage& canvas,
                  const QRect& area, int barWidth, int pitch);

// Both channels mixed, one column per pixel, joined into a line; points far
// from the centre line take the outer colours.
void DrawScope(const Wave& wave, const Palette& palette, QImage& canvas, const QRect& area);

}  // namespace DeckVisualization
