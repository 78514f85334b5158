// The equalizer filter: coefficient design, slider mapping, sample-exact DSP
// output, buffer bounds and the hand-over of new settings to the mixer thread.
#include "dsp/EQFilters.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <complex>
#include <cstring>
#include <numbers>
#include <thread>
#include <vector>

#include "support/TestEnvironment.h"

namespace {

using namespace EQFilters;

class EQFiltersTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetEqualizerFilters(); }
  void TearDown() override { ResetEqualizerFilters(); }

  // Sets every slider and applies them.
  static void Apply(int preAmp, std::array<int32_t, 10> bands) { ApplyEqualizerSettings(preAmp, bands); }
  static void ApplyFlat(int preAmp = 50) { Apply(preAmp, {50, 50, 50, 50, 50, 50, 50, 50, 50, 50}); }

  static std::vector<int16_t> Stereo(std::vector<int16_t> samples) {
    ClearFilterHistory();
    EQStereoDSP(0, 0, samples.data(), uint32_t(samples.size() * 2), 0);
    return samples;
  }
  static std::vector<int16_t> Mono(std::vector<int16_t> samples) {
    ClearFilterHistory();
    EQMonoDSP(0, 0, samples.data(), uint32_t(samples.size() * 2), 0);
    return samples;
  }
};

std::vector<int16_t> StereoSine(double frequency, int frames, double amplitude = 8000) {
  std::vector<int16_t> samples;
  for (int i = 0; i < frames; ++i) {
    const auto value = int16_t(amplitude * std::sin(2 * std::numbers::pi * frequency * i / 44100));
    samples.insert(samples.end(), {value, value});
  }
  return samples;
}

// Amplitude of the steady part (the second half) of the left channel.
double LeftAmplitude(const std::vector<int16_t>& samples) {
  double peak = 0;
  for (size_t i = samples.size() / 2; i < samples.size(); i += 2) {
    peak = std::max(peak, std::abs(double(samples[i])));
  }
  return peak;
}

TEST_F(EQFiltersTest, BandCoefficientsMatchTheDesignTable) {
  const double expected[10][3] = {
      {0.001575, 0.996850, 1.996831}, {0.003145, 0.993710, 1.993632},
      {0.006320, 0.987360, 1.987044}, {0.012561, 0.974879, 1.973626},
      {0.024806, 0.950389, 1.945442}, {0.048381, 0.903238, 1.883953},
      {0.092082, 0.815835, 1.742612}, {0.167186, 0.665627, 1.402380},
      {0.277656, 0.444688, 0.603547}, {0.381052, 0.237896, -0.805792}};
  for (int band = 0; band < 10; ++band) {
    const BandFilterRecord& record = FilterTable()[size_t(band)];
    EXPECT_EQ(record.Frequency, EQCentreFrequencies[size_t(band)]);
    EXPECT_EQ(record.Width, 1.4);
    EXPECT_NEAR(record.Gain, 0.999, 1e-12) << "start-up designs every band at +14";
    EXPECT_NEAR(record.Alpha, expected[band][0], 5e-7) << band;
    EXPECT_NEAR(record.Beta, expected[band][1], 5e-7) << band;
    EXPECT_NEAR(record.Gamma, expected[band][2], 5e-7) << band;
  }
  EXPECT_EQ(FilterTable()[kOutputRecord].PreAmp, 0.0) << "the output stage is empty until applied";
}

TEST_F(EQFiltersTest, SlidersMapToGainFactorsAndPreAmp) {
  Apply(50, {0, 51, 49, 100, 50, 50, 50, 50, 50, 50});
  const FilterTableType& table = FilterTable();
  EXPECT_NEAR(table[0].Gain, -0.2, 1e-12);
  EXPECT_NEAR(table[1].Gain, 0.01998, 1e-12);
  EXPECT_NEAR(table[2].Gain, -0.004, 1e-12);
  EXPECT_NEAR(table[3].Gain, 0.999, 1e-12);
  EXPECT_EQ(table[4].Gain, 0.0);
  EXPECT_NEAR(table[0].Alpha, 0.001575, 5e-7) << "a cut keeps the band's shape";
  EXPECT_NEAR(table[kOutputRecord].PreAmp, 0.9999, 1e-15);

  ApplyFlat(0);
  EXPECT_NEAR(FilterTable()[kOutputRecord].PreAmp, 0.2 * 0.9999, 1e-15);
  ApplyFlat(100);
  EXPECT_NEAR(FilterTable()[kOutputRecord].PreAmp, 5.0 * 0.9999, 1e-15);
}

TEST_F(EQFiltersTest, FlatSettingsScaleEverySampleBy09999TowardZero) {
  ApplyFlat();
  const std::vector<int16_t> in{10000, 12345, 32767, -1, -10000, -32768};
  const std::vector<int16_t> expected{9999, 12343, 32763, 0, -9999, -32764};
  EXPECT_EQ(Stereo(in), expected);
  EXPECT_EQ(Mono(in), expected);
}

TEST_F(EQFiltersTest, LoudPreAmpClampsToSixteenBits) {
  ApplyFlat(100);
  EXPECT_EQ(Stereo({10000, -10000, 100, -100}), (std::vector<int16_t>{32767, -32768, 499, -499}));
}

TEST_F(EQFiltersTest, PartialTrailingFrameIsLeftAlone) {
  ApplyFlat(100);
  std::vector<int16_t> stereo{1000, 1000, 1000, 1000};  // 6 bytes given: one frame and a half
  EQStereoDSP(0, 0, stereo.data(), 6, 0);
  EXPECT_EQ(stereo, (std::vector<int16_t>{4999, 4999, 1000, 1000}));

  unsigned char mono[8] = {0xE8, 0x03, 0xE8, 0x03, 0xE8, 0x03, 0xAB, 0xCD};  // 1000 x3, guard
  EQMonoDSP(0, 0, mono, 7, 0);
  int16_t third;
  std::memcpy(&third, mono + 4, 2);
  EXPECT_EQ(third, 4999);
  EXPECT_EQ(mono[6], 0xAB);
  EXPECT_EQ(mono[7], 0xCD);
}

TEST_F(EQFiltersTest, BandBoostsAndCutsActOnTheirOwnBandOnly) {
  struct Case {
    int band;
    int slider;
    double frequency;
    double low, high;  // expected gain range at the band's own frequency
  };
  for (const Case& c : {Case{5, 100, 1000, 1.9, 2.1}, Case{1, 100, 62, 1.9, 2.1},
                        Case{9, 100, 16000, 1.8, 2.1}, Case{5, 0, 1000, 0.75, 0.85}}) {
    SCOPED_TRACE(c.band);
    std::array<int32_t, 10> bands{50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
    bands[size_t(c.band)] = c.slider;
    Apply(50, bands);
    const double own = LeftAmplitude(Stereo(StereoSine(c.frequency, 17640))) / 8000;
    EXPECT_GT(own, c.low);
    EXPECT_LT(own, c.high);
    // Tones three or more octaves away pass almost unchanged.
    for (double other : {62.0, 1000.0, 16000.0}) {
      if (std::abs(std::log2(other / c.frequency)) < 3) continue;
      EXPECT_NEAR(LeftAmplitude(Stereo(StereoSine(other, 17640))) / 8000, 1.0, 0.06) << other;
    }
  }
}

TEST_F(EQFiltersTest, MonoAndStereoPathsFilterAlike) {
  Apply(70, {80, 20, 65, 50, 35, 100, 0, 55, 90, 10});
  std::vector<int16_t> mono;
  const std::vector<int16_t> stereo = StereoSine(300, 4410, 12000);
  for (size_t i = 0; i < stereo.size(); i += 2) mono.push_back(stereo[i]);
  const std::vector<int16_t> stereoOut = Stereo(stereo);
  const std::vector<int16_t> monoOut = Mono(mono);
  for (size_t i = 0; i < monoOut.size(); ++i) {
    ASSERT_EQ(monoOut[i], stereoOut[2 * i]) << i;
    ASSERT_EQ(stereoOut[2 * i + 1], stereoOut[2 * i]) << i;
  }
}

TEST_F(EQFiltersTest, HistoryCarriesAcrossBuffersUntilCleared) {
  Apply(50, {50, 50, 50, 50, 50, 100, 50, 50, 50, 50});
  const std::vector<int16_t> tone = StereoSine(1000, 64);
  const std::vector<int16_t> fresh = Stereo(tone);
  std::vector<int16_t> continued = tone;
  EQStereoDSP(0, 0, continued.data(), uint32_t(continued.size() * 2), 0);
  EXPECT_NE(continued, fresh) << "the second buffer continues the first one's history";
  EXPECT_EQ(Stereo(tone), fresh) << "a cleared history starts over";
}

// The gain in dB that the filter gives a steady tone at `rate`, measured over
// whole cycles of the tone once the sections have settled.
double ToneGainDb(double frequency, int rate, bool mono) {
  const int settle = rate / 8;
  const int cycles = std::max(4, int(frequency / 20));
  const int frames = settle + int(std::lround(cycles * rate / frequency));
  std::vector<int16_t> samples;
  for (int i = 0; i < frames; ++i) {
    const auto value = int16_t(std::lround(8000 * std::sin(2 * std::numbers::pi * frequency * i / rate)));
    samples.insert(samples.end(), mono ? 1 : 2, value);
  }
  const std::vector<int16_t> input = samples;
  ClearFilterHistory();
  (mono ? EQMonoDSP : EQStereoDSP)(0, 0, samples.data(), uint32_t(samples.size() * 2), 0);
  const size_t step = mono ? 1 : 2;
  std::complex<double> in, out;
  for (int i = settle; i < frames; ++i) {
    const std::complex<double> turn = std::polar(1.0, -2 * std::numbers::pi * frequency * i / rate);
    in += double(input[size_t(i) * step]) * turn;
    out += double(samples[size_t(i) * step]) * turn;
  }
  return 20 * std::log10(std::abs(out) / std::abs(in));
}

// Every band, boosted or cut to the end of its slider, gives a tone at its
// centre and an octave either side the gain it gives at 44,100 Hz, at any
// rate the band fits below half of.
TEST_F(EQFiltersTest, EverySampleRateHearsTheSlidersAsAt44100Hz) {
  const int rates[] = {8000, 11025, 16000, 22050, 32000, 48000, 96000};
  for (const int slider : {100, 0}) {
    for (int band = 0; band < kBandCount; ++band) {
      std::array<int32_t, 10> bands{50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
      bands[size_t(band)] = slider;
      const double centre = EQCentreFrequencies[size_t(band)];
      for (const double tone : {centre / 2, centre, centre * 2}) {
        if (tone >= kReferenceRate / 2) continue;
        SetSampleRate(kReferenceRate);
        Apply(50, bands);
        const double wanted = ToneGainDb(tone, kReferenceRate, false);
        for (size_t r = 0; r < std::size(rates); ++r) {
          if (centre >= rates[r] / 2 || tone >= rates[r] / 2) continue;
          SetSampleRate(rates[r]);
          EXPECT_NEAR(ToneGainDb(tone, rates[r], r % 2 == 0), wanted, 0.3)
              << "slider " << slider << ", band " << centre << " Hz, tone " << tone << " Hz at " << rates[r];
        }
      }
    }
  }
}

TEST_F(EQFiltersTest, BandsAtOrAboveHalfTheRateStayFlat) {
  SetSampleRate(8000);
  Apply(50, {50, 50, 50, 50, 50, 50, 50, 100, 100, 0});  // 4, 8 and 16 kHz
  const std::vector<int16_t> in{10000, 12345, 32767, -1, -10000, -32768};
  const std::vector<int16_t> expected{9999, 12343, 32763, 0, -9999, -32764};
  EXPECT_EQ(Stereo(in), expected);
  EXPECT_EQ(Mono(in), expected);
  for (int band = 7; band < kBandCount; ++band) EXPECT_EQ(FilterTable()[size_t(band)].Alpha, 0.0) << band;
  EXPECT_NE(FilterTable()[6].Alpha, 0.0) << "2 kHz still fits below 4 kHz";
}

// Presets were made at 44,100 Hz: coming back to that rate restores the
// very coefficients it always had.
TEST_F(EQFiltersTest, The44100HzDesignIsUntouchedByOtherRates) {
  Apply(60, {80, 20, 65, 50, 35, 100, 0, 55, 90, 10});
  const FilterTableType reference = FilterTable();
  SetSampleRate(22050);
  EXPECT_NE(FilterTable()[5].Alpha, reference[5].Alpha);
  SetSampleRate(kReferenceRate);
  for (size_t record = 0; record < reference.size(); ++record) {
    EXPECT_EQ(std::memcmp(&FilterTable()[record], &reference[record], sizeof(BandFilterRecord)), 0) << record;
  }
}

// The mixer thread filters buffers while the user-interface thread keeps
// switching between two settings: every buffer must come out exactly as one
// of the two complete settings would filter it, never as a mixture.
TEST_F(EQFiltersTest, BuffersNeverSeeAHalfWrittenSetting) {
  const std::array<int32_t, 10> boost{100, 0, 100, 0, 100, 0, 100, 0, 100, 0};
  const std::array<int32_t, 10> cut{0, 100, 0, 100, 0, 100, 0, 100, 0, 100};
  const std::vector<int16_t> input = StereoSine(700, 256);
  Apply(60, boost);
  const std::vector<int16_t> withBoost = Stereo(input);
  Apply(40, cut);
  const std::vector<int16_t> withCut = Stereo(input);
  ASSERT_NE(withBoost, withCut);

  std::atomic<bool> done{false};
  std::thread ui([&] {
    for (int i = 0; !done; ++i) i % 2 ? Apply(60, boost) : Apply(40, cut);
  });
  int mixtures = 0;
  for (int buffer = 0; buffer < 3000; ++buffer) {
    const std::vector<int16_t> out = Stereo(input);
    if (out != withBoost && out != withCut) ++mixtures;
  }
  done = true;
  ui.join();
  EXPECT_EQ(mixtures, 0);
}

}  // namespace
