// One frame of each visual effect against known input, and the response
// diagram's points.
#include "equalizer/VisualEffects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include <QColor>

#include "equalizer/EQResponseDiagram.h"

namespace {

using namespace VisualEffects;

constexpr int kPanelWidth = 156, kPanelHeight = 37;

// Each sprite is one flat colour whose red part is its index.
PlatformUi::ImageList NumberedSprites(int width, int height, int count) {
  PlatformUi::ImageList list(width, height);
  for (int i = 0; i < count; ++i) {
    QImage sprite(width, height, QImage::Format_ARGB32);
    sprite.fill(qRgb(i, 200, 200));
    list.Add(sprite);
  }
  return list;
}

ColorRamp Ramp() {
  ColorRamp ramp;
  for (int i = 0; i < 33; ++i) ramp[size_t(i)] = qRgb(10, i, 255);
  return ramp;
}

QImage Panel() {
  QImage canvas(kPanelWidth, kPanelHeight, QImage::Format_ARGB32);
  canvas.fill(Qt::transparent);
  return canvas;
}

class VisualEffectsFrame : public ::testing::Test {
 protected:
  PlatformUi::ImageList backgrounds = NumberedSprites(kPanelWidth, kPanelHeight, 2);
  PlatformUi::ImageList bars = NumberedSprites(15, 33, 18);
  PlatformUi::ImageList levels = NumberedSprites(13, 65, 32);
  ColorRamp ramp = Ramp();
  QImage canvas = Panel();
  const std::array<int32_t, 10> centres{31, 62, 125, 250, 500, 1000, 2000, 4000, 8000, 16000};
};

TEST_F(VisualEffectsFrame, SilenceLightsOnlyTheBottomPixelOfEverySpectrumColumn) {
  const Spectrum silence{};
  DrawSpectrum(silence, 44100, backgrounds, ramp, canvas);
  const int bottom = kPanelHeight - 4;
  for (int column = 0; column < 128; ++column) {
    EXPECT_EQ(canvas.pixel(column + 14, bottom), ramp[0]);
    EXPECT_EQ(qRed(canvas.pixel(column + 14, bottom - 1)), 0);  // background sprite 0
  }
}

TEST_F(VisualEffectsFrame, AFullSpectrumBinLightsAColumnOf33PixelsInTheRampColours) {
  Spectrum spectrum{};
  spectrum[4 * 10] = 1.0f;  // column 10
  spectrum[4 * 20] = 0.25f;  // column 20: round(0.5 x 32) = 16
  DrawSpectrum(spectrum, 44100, backgrounds, ramp, canvas);
  const int bottom = kPanelHeight - 4;
  for (int k = 0; k <= 32; ++k) EXPECT_EQ(canvas.pixel(24, bottom - k), ramp[size_t(k)]);
  EXPECT_EQ(canvas.pixel(34, bottom - 16), ramp[16]);
  EXPECT_NE(canvas.pixel(34, bottom - 17), ramp[17]);
}

TEST_F(VisualEffectsFrame, ScopePointsFollowTheSamplesAndFullScaleUsesTheRampEnds) {
  Wave wave{};
  wave[0] = {32767, -32768};
  wave[1] = {-1, 2048};
  ScopePoints points;
  DrawScope(wave, backgrounds, ramp, canvas, points);
  const int mid = kPanelHeight / 2 - 1;
  EXPECT_EQ(points[0].left, mid - 15);
  EXPECT_EQ(canvas.pixel(2, mid - 15), ramp[31]);
  EXPECT_EQ(points[0].right, mid + 16);
  EXPECT_EQ(canvas.pixel(90, mid + 16), ramp[0]);
  EXPECT_EQ(points[1].left, mid);  // -1 truncates toward zero
  EXPECT_EQ(points[1].right, mid - 1);
  EXPECT_EQ(points[63].left, mid);  // silence is a flat line at mid
  EXPECT_EQ(canvas.pixel(65, mid), ramp[16]);
  EXPECT_EQ(qRed(canvas.pixel(70, 2)), 1);  // background sprite 1
}

TEST_F(VisualEffectsFrame, BandBarsShowTheSquareRootOfEachBandsPeak) {
  Spectrum spectrum{};
  spectrum[23] = 1.0f;    // 990 Hz: band 6 (700..1400 Hz)
  spectrum[3] = 0.25f;    // 129 Hz: band 3
  spectrum[511] = 0.04f;  // the top band reaches the last bin
  BandPeaks peaks;
  ComputeBandPeaks(spectrum, 44100, centres, peaks);
  EXPECT_DOUBLE_EQ(peaks[5], 1.0);
  EXPECT_DOUBLE_EQ(peaks[2], 0.25);
  EXPECT_NEAR(peaks[9], 0.04, 1e-7);
  EXPECT_DOUBLE_EQ(peaks[0], 0.0);
  DrawBandBars(peaks, bars, canvas);
  EXPECT_EQ(qRed(canvas.pixel(15 * 5 + 3, 2)), 17);
  EXPECT_EQ(qRed(canvas.pixel(15 * 2 + 3, 2)), 8);  // round(8.5): ties go to even
  EXPECT_EQ(qRed(canvas.pixel(15 * 9 + 3, 2)), 3);  // round(0.2 x 17)
  EXPECT_EQ(qRed(canvas.pixel(3, 2)), 0);
}

// A spectrum's bins stand for frequencies by the rate of its sound: a 1 kHz
// peak is the 1K bar's, and a spectrum column shows the same frequency, at
// every rate; above half the rate a column has nothing to show.
TEST_F(VisualEffectsFrame, BarsAndColumnsFindEachFrequencyAtAnyRate) {
  const int bottom = kPanelHeight - 4;
  for (const int rate : {22050, 44100, 48000}) {
    SCOPED_TRACE(rate);
    Spectrum spectrum{};
    spectrum[size_t(std::lround(1000.0 * 1024 / rate))] = 1.0f;
    BandPeaks peaks;
    ComputeBandPeaks(spectrum, rate, centres, peaks);
    EXPECT_EQ(std::max_element(peaks.begin(), peaks.end()) - peaks.begin(), 5);

    spectrum = {};
    spectrum[size_t(std::nearbyint(20 * 4 * 44100.0 / rate))] = 1.0f;  // column 20: 3445 Hz
    DrawSpectrum(spectrum, rate, backgrounds, ramp, canvas);
    EXPECT_EQ(canvas.pixel(20 + 14, bottom - 32), ramp[32]);
    EXPECT_NE(canvas.pixel(21 + 14, bottom - 1), ramp[1]);
  }
  Spectrum full;
  full.fill(1.0f);
  DrawSpectrum(full, 22050, backgrounds, ramp, canvas);
  EXPECT_EQ(canvas.pixel(63 + 14, bottom - 32), ramp[32]) << "10.9 kHz is below 11,025 Hz";
  EXPECT_NE(canvas.pixel(65 + 14, bottom - 1), ramp[1]) << "11.2 kHz is not";
}

TEST_F(VisualEffectsFrame, BandPeakCoversItsRoundedBinsOnly) {
  Spectrum spectrum{};
  spectrum[2] = 0.5f;
  EXPECT_DOUBLE_EQ(BandPeak(spectrum, 86.1, 86.1, 44100), 0.5);  // 86.1 Hz is bin 2
  EXPECT_DOUBLE_EQ(BandPeak(spectrum, 200, 100, 44100), 0.0);     // last before first
  EXPECT_DOUBLE_EQ(BandPeak(spectrum, 0, 1e9, 44100), 0.5);       // cut at the last bin
}

TEST_F(VisualEffectsFrame, LevelMeterMaps128ToTheTopSpriteAndOffToTheEmptyOne) {
  QImage meter(30, 65, QImage::Format_ARGB32);
  DrawLevelMeter((128u << 16) | 128u, true, levels, meter);
  EXPECT_EQ(qRed(meter.pixel(0, 0)), 31);
  EXPECT_EQ(qRed(meter.pixel(17, 0)), 31);
  DrawLevelMeter((64u << 16) | 0u, true, levels, meter);
  EXPECT_EQ(qRed(meter.pixel(0, 0)), 0);
  EXPECT_EQ(qRed(meter.pixel(17, 0)), 15);
  DrawLevelMeter((128u << 16) | 128u, false, levels, meter);
  EXPECT_EQ(qRed(meter.pixel(17, 0)), 0);
}

TEST(ResponseDiagram, PointsFollowTheBandsWithTwoInBetweenPointsPerGap) {
  const EQResponseDiagram::Geometry native{16, 2, 6};
  EQResponseDiagram::SliderValues flat;
  flat.fill(50);
  for (const QPoint& p : EQResponseDiagram::DiagramPoints(flat, native, 37)) EXPECT_EQ(p.y(), 18);

  EQResponseDiagram::SliderValues values{50, 100, 0, 50, 50, 50, 50, 50, 50, 50, 75};
  const auto points = EQResponseDiagram::DiagramPoints(values, {12, 0, 2}, 19);
  EXPECT_EQ(points[0], QPoint(2, 0));     // band 1 at 100: the top
  EXPECT_EQ(points[1], QPoint(5, 4));     // a quarter of the way: 18 - round(13.5)
  EXPECT_EQ(points[2], QPoint(8, 9));     // half of the way
  EXPECT_EQ(points[3], QPoint(14, 18));   // band 2 at 0: the bottom
  EXPECT_EQ(points[27], QPoint(110, 4));  // band 10: 18 - round(13.5) = 4 (ties to even)
  EXPECT_EQ(EQResponseDiagram::PreAmpLineY(100, 19), 0);
  EXPECT_EQ(EQResponseDiagram::PreAmpLineY(0, 19), 18);
}

}  // namespace
