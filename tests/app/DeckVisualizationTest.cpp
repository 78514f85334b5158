// The deck's analyzer and oscilloscope drawn in a skin's visualization
// colours, without a window.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>

#include "app/DeckVisualization.h"
#include "skins/SkinTextFiles.h"

namespace {

namespace Vis = DeckVisualization;

// A colour file in which every line's colour tells its line: line n holds n, 0, 0.
QStringList NumberedColourLines() {
  QStringList lines;
  for (int line = 1; line <= 24; ++line) lines << QString("%1,0,0, // line %1").arg(line);
  return lines;
}

int LineOf(QRgb pixel) { return qRed(pixel); }

Vis::Spectrum ToneAt(double hz, float magnitude) {
  Vis::Spectrum spectrum{};
  spectrum[size_t(std::lround(hz * 1024 / 44100))] = magnitude;
  return spectrum;
}

QImage Display() {
  QImage display(76, 16, QImage::Format_ARGB32);
  display.fill(Qt::transparent);
  return display;
}

// The columns of the bar lit highest, and how high it is.
int TallestBar(const QImage& display, int* height) {
  int best = -1;
  *height = 0;
  for (int bar = 0; bar < Vis::kBars; ++bar) {
    int lit = 0;
    for (int y = 0; y < 16; ++y) lit += LineOf(display.pixel(4 * bar, y)) >= 3 ? 1 : 0;
    if (lit > *height) {
      *height = lit;
      best = bar;
    }
  }
  return best;
}

TEST(DeckVisualizationTest, ALoudToneLightsItsBarInTheRowsColoursAndSilenceLeavesTheBackground) {
  const Vis::Palette palette = Vis::PaletteFrom(SkinUnit::ParseVisColours(NumberedColourLines()));
  Vis::Analyzer analyzer;
  QImage display = Display();

  analyzer.Step(ToneAt(1000, 1.0f));
  Vis::DrawAnalyzer(analyzer, palette, display, display.rect(), 3, 4);
  int height = 0;
  const int bar = TallestBar(display, &height);
  ASSERT_GE(bar, 0);
  EXPECT_EQ(height, 16);
  EXPECT_GT(bar, Vis::kBars / 3);  // 1 kHz lies in the middle of the bars, not at the bottom end
  EXPECT_LT(bar, 2 * Vis::kBars / 3);
  // The peak dot tops the bar (line 24), the rows below take lines 4 to 18 downwards.
  EXPECT_EQ(LineOf(display.pixel(4 * bar, 0)), 24);
  for (int y = 1; y < 16; ++y) EXPECT_EQ(LineOf(display.pixel(4 * bar + 2, y)), 3 + y) << y;
  EXPECT_EQ(LineOf(display.pixel(4 * bar + 3, 8)), 1) << "the gap between bars";

  analyzer.Clear();
  analyzer.Step(Vis::Spectrum{});
  Vis::DrawAnalyzer(analyzer, palette, display, display.rect(), 3, 4);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 76; ++x) EXPECT_LE(LineOf(display.pixel(x, y)), 2) << x << "," << y;
  EXPECT_EQ(LineOf(display.pixel(1, 1)), 2) << "grid dot";
  EXPECT_EQ(LineOf(display.pixel(0, 0)), 1) << "background";
}

TEST(DeckVisualizationTest, BarsFallAfterTheSoundAndThePeaksFallSlowerUntilEmpty) {
  Vis::Analyzer analyzer;
  analyzer.Step(ToneAt(440, 1.0f));
  int bar = 0;
  while (analyzer.BarRows(bar) == 0) ++bar;
  analyzer.StepSilence();
  EXPECT_LT(analyzer.BarRows(bar), Vis::kRows);
  for (int frame = 0; frame < 10; ++frame) analyzer.StepSilence();
  EXPECT_GT(analyzer.PeakRows(bar), analyzer.BarRows(bar));
  int frames = 0;
  while (!analyzer.IsEmpty() && frames < 1000) {
    analyzer.StepSilence();
    ++frames;
  }
  EXPECT_TRUE(analyzer.IsEmpty());
  EXPECT_LT(frames, 200) << "about two seconds at fifty frames a second";
}

TEST(DeckVisualizationTest, TheScopeColoursItsPointsByTheirDistanceFromTheCentre) {
  const Vis::Palette palette = Vis::PaletteFrom(SkinUnit::ParseVisColours(NumberedColourLines()));
  QImage display = Display();
  Vis::Wave wave{};
  Vis::DrawScope(wave, palette, display, display.rect());
  EXPECT_EQ(LineOf(display.pixel(10, 7)), 19) << "silence: the centre line";
  for (auto& frame : wave) frame = {32767, 32767};
  Vis::DrawScope(wave, palette, display, display.rect());
  EXPECT_EQ(LineOf(display.pixel(10, 0)), 23) << "full scale: the top edge";
  EXPECT_LE(LineOf(display.pixel(10, 7)), 2);
}

}  // namespace
