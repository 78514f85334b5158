#pragma once
// The equalizer's filter arithmetic: ten band-pass sections (one per band),
// each weighted by its band's gain and added to the dry signal, run in place
// on 16-bit PCM by the DSP procedures the audio back-end installs on the
// playing channel.
//
// Each section feeds back its own previous outputs. (Feeding every section the
// final output instead, or folding the ten sections into one by averaging
// their coefficients, turns a boost of one band into a large boost of every
// low frequency, so neither is done.)
//
// Sample rates: the sections are designed for the rate the buffers come at
// (SetSampleRate), so a band sounds where its slider says at any rate. At the
// reference rate of 44,100 Hz the design is the one every preset was made
// with; at other rates each band is shaped to give the same response at its
// centre and an octave either side, and a band at or above half the rate
// stays flat.
//
// Threads: the design functions, SetSampleRate and ApplyEqualizerSettings run
// on the user-interface thread and work on a private table; each finished
// design is published whole to the mixer thread, which picks up the newest
// set at the start of a buffer. Clearing the filter history is likewise a
// request the mixer carries out between buffers. So no buffer is ever
// filtered with a half-written coefficient set.
#include <array>
#include <cstdint>

namespace EQFilters {

constexpr int kBandCount = 10;
constexpr int kOutputRecord = 10;  // holds the preamp multiplier
constexpr int HistoryDepth = 4;    // input frames kept; entry HistoryDepth-1 is the newest
constexpr double kBandWidth = 1.4;
constexpr double kMaxGainParameter = 14.0;
constexpr int kReferenceRate = 44100;  // Hz

// Centre frequencies in Hz, in band order.
extern const std::array<double, kBandCount> EQCentreFrequencies;

struct BandFilterRecord {
  double Frequency = 0;  // bands only
  double Width = 0;      // bands only
  double Gain = 0;       // gain factor k, bands only
  double Alpha = 0;
  double Beta = 0;
  double Gamma = 0;
  double PreAmp = 0;  // preamp multiplier P, output record only
};

// Records 0..9 are the bands, record 10 the output stage.
using FilterTableType = std::array<BandFilterRecord, kBandCount + 1>;

struct StereoFrame {
  double left = 0;
  double right = 0;
};

// The last two outputs (y1, y2) of each band's section.
struct SectionHistory {
  StereoFrame y1, y2;
};
using BandHistories = std::array<SectionHistory, kBandCount>;

double ClampSample(double x);

// Designs one band-pass section for buffers at `rate` Hz (see the .cpp for
// the arithmetic).
void CalcBandCoefficients(BandFilterRecord& record, double frequency, double width,
                          double gainParameter, double rate = kReferenceRate);

// The rate in Hz of the buffers the DSP procedures are given from now on;
// the channel's own rate, set before the procedure is installed on it.
// Redesigns and publishes the table when the rate changes.
void SetSampleRate(int rate);

// Asks the mixer to zero the input and section histories before its next buffer.
void ClearFilterHistory();

// The table as last designed on the user-interface thread, for the current rate.
const FilterTableType& FilterTable();

// One output frame from the current input x0 and the input two frames back
// x2: y = clamp(P x (x0 + sum of k_i x section_i)), where section i is
// alpha_i (x0 - x2) + gamma_i y1_i - beta_i y2_i. Advances the sections' histories.
StereoFrame FilterFrameBands(const FilterTableType& table, StereoFrame x0, StereoFrame x2,
                             BandHistories& sections);

// DSP procedures with the audio library's signature: filter 16-bit signed
// samples in place, stereo 4-byte frames (left in the low half) or mono
// 2-byte samples. Results are clamped, then truncated toward zero. A trailing
// partial frame is left untouched.
void EQStereoDSP(uint32_t handle, uint32_t channel, void* buffer, uint32_t length, uint32_t user);
void EQMonoDSP(uint32_t handle, uint32_t channel, void* buffer, uint32_t length, uint32_t user);

// Slider value 0..100 (50 flat) to -1.0..+1.0.
double EQSliderToUnit(int32_t value);

// Turns the equalizer's slider values (0..100, 50 flat) into filter settings.
void ApplyEqualizerSettings(int32_t preAmpValue, const std::array<int32_t, kBandCount>& bandValues);

// Back to the state right after start-up, at the reference rate (for tests).
void ResetEqualizerFilters();

}  // namespace EQFilters
