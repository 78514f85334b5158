#include "EQFilters.h"

#include <atomic>
#include <cmath>
#include <cstring>

namespace EQFilters {

const std::array<double, kBandCount> EQCentreFrequencies{31,   62,   125,  250,  500,
                                                         1000, 2000, 4000, 8000, 16000};

namespace {

// The design assumes this rate for every channel.
constexpr long double kDesignRate = 44100.0L;
constexpr long double kTwoPi = 6.283185307179586232L;
constexpr long double kBoostPerStep = 0.0713571428571428571L;  // 0.999 / 14
constexpr long double kCutPerStep = 0.0142857142857142857L;    // 0.2 / 14
constexpr double kPreAmpHeadroom = 0.9999;

using InputHistory = std::array<StereoFrame, HistoryDepth>;

// Coefficient sets travel from the user-interface thread to the mixer through
// a triple buffer: the writer fills its back slot and swaps it with the middle
// one; the reader swaps its front slot with the middle one when a fresh set
// is waiting. Neither side ever touches the slot the other one holds.
constexpr int kSlotMask = 3;
constexpr int kFresh = 4;

struct FilterState {
  FilterTableType design{};  // user-interface thread
  std::array<FilterTableType, 3> sets{};
  std::atomic<int> middle{0};
  int back = 1;   // user-interface thread
  int front = 2;  // mixer thread
  std::atomic<bool> clearRequested{false};
  InputHistory input{};  // mixer thread
  BandHistories sections{};

  FilterState() { Reset(); }
  void Reset();
};

void Publish(FilterState& state) {
  state.sets[size_t(state.back)] = state.design;
  state.back = state.middle.exchange(state.back | kFresh, std::memory_order_acq_rel) & kSlotMask;
}

const FilterTableType& AcquireForBuffer(FilterState& state) {
  if ((state.middle.load(std::memory_order_acquire) & kFresh) != 0) {
    state.front = state.middle.exchange(state.front, std::memory_order_acq_rel) & kSlotMask;
  }
  if (state.clearRequested.exchange(false, std::memory_order_acq_rel)) {
    state.input = {};
    state.sections = {};
  }
  return state.sets[size_t(state.front)];
}

// The design steps work on a table and publish nothing; their callers hand
// the finished table over in one piece.
void InitBandFilters(FilterTableType& table, const std::array<double, kBandCount>& frequencies) {
  for (int band = 0; band < kBandCount; ++band) {
    CalcBandCoefficients(table[size_t(band)], frequencies[size_t(band)], kBandWidth,
                         kMaxGainParameter);
  }
}

// Redesigns a band at its stored centre frequency.
void SetBandFilter(FilterTableType& table, int band, double width, double gainParameter) {
  BandFilterRecord& record = table[size_t(band)];
  CalcBandCoefficients(record, record.Frequency, width, gainParameter);
}

// Sets the output stage: the headroom keeps a flat setting from reaching full scale.
void UpdateCombinedFilter(FilterTableType& table, double preAmp) {
  table[kOutputRecord] = {};
  table[kOutputRecord].PreAmp = preAmp * kPreAmpHeadroom;
}

void FilterState::Reset() {
  design = {};
  sets = {};
  middle.store(0);
  back = 1;
  front = 2;
  input = {};
  sections = {};
  clearRequested.store(true);
  InitBandFilters(design, EQCentreFrequencies);
  Publish(*this);
}

FilterState& State() {
  static FilterState state;
  return state;
}

// Frame access for the two sample layouts. Samples are read and written with
// memcpy, so buffers need no particular alignment.
struct StereoLayout {
  static constexpr uint32_t kFrameBytes = 4;
  static StereoFrame Read(const unsigned char* at) {
    int16_t pair[2];
    std::memcpy(pair, at, sizeof pair);
    return {double(pair[0]), double(pair[1])};
  }
  static void Write(unsigned char* at, StereoFrame frame) {
    const int16_t pair[2] = {int16_t(frame.left), int16_t(frame.right)};
    std::memcpy(at, pair, sizeof pair);
  }
};

struct MonoLayout {
  static constexpr uint32_t kFrameBytes = 2;
  static StereoFrame Read(const unsigned char* at) {
    int16_t sample;
    std::memcpy(&sample, at, sizeof sample);
    return {double(sample), double(sample)};
  }
  static void Write(unsigned char* at, StereoFrame frame) {
    const int16_t sample = int16_t(frame.left);
    std::memcpy(at, &sample, sizeof sample);
  }
};

void Shift(InputHistory& history, StereoFrame newest) {
  for (int j = 0; j < HistoryDepth - 1; ++j) history[size_t(j)] = history[size_t(j + 1)];
  history[HistoryDepth - 1] = newest;
}

// Output values are clamped before the cast, so the cast truncates toward zero.
template <typename Layout>
void FilterBuffer(void* buffer, uint32_t length) {
  FilterState& state = State();
  const FilterTableType table = AcquireForBuffer(state);
  // Working on local copies lets the compiler keep them in registers: writes
  // through the byte buffer could otherwise alias them.
  InputHistory input = state.input;
  BandHistories sections = state.sections;
  auto* bytes = static_cast<unsigned char*>(buffer);
  for (uint32_t offset = 0; length - offset >= Layout::kFrameBytes; offset += Layout::kFrameBytes) {
    Shift(input, Layout::Read(bytes + offset));
    const StereoFrame y =
        FilterFrameBands(table, input[HistoryDepth - 1], input[HistoryDepth - 3], sections);
    Layout::Write(bytes + offset, y);
  }
  state.input = input;
  state.sections = sections;
}

}  // namespace

double ClampSample(double x) {
  if (x <= -32768.0) return -32768.0;
  if (x >= 32767.0) return 32767.0;
  return x;
}

// A dry-plus-band-pass section: k weights the band-pass response that is
// added to the dry signal. Each named intermediate is rounded to double.
void CalcBandCoefficients(BandFilterRecord& record, double frequency, double width,
                          double gainParameter) {
  const long double w = width;
  const long double g = gainParameter;
  record.Frequency = frequency;
  record.Width = width;
  record.Gain = double(g > 0 ? g * kBoostPerStep : g * kCutPerStep);
  const double theta = double(frequency * kTwoPi / kDesignRate);
  const double q = double((std::sqrt(4.0L * w * w + 1.0L) + 1.0L) / (2.0L * w));
  const long double thetaOverQ = (long double)theta / q;
  const double r = double(std::sin(thetaOverQ) /
                          (std::cos(thetaOverQ) - std::cos((long double)theta)));
  const double beta = double((r - 1.0L) / (2.0L * (r + 1.0L)));
  record.Alpha = double(((0.5L - beta) / 2.0L) * 2.0L);
  record.Beta = double(2.0L * beta);
  record.Gamma = double(2.0L * (0.5L + beta) * std::cos((long double)theta));
}

void ClearFilterHistory() { State().clearRequested.store(true, std::memory_order_release); }

const FilterTableType& FilterTable() { return State().design; }

StereoFrame FilterFrameBands(const FilterTableType& table, StereoFrame x0, StereoFrame x2,
                             BandHistories& sections) {
  StereoFrame sum = x0;
  for (int band = 0; band < kBandCount; ++band) {
    const BandFilterRecord& r = table[size_t(band)];
    SectionHistory& h = sections[size_t(band)];
    if (r.Gain == 0) {  // a flat band adds nothing; its section rests
      h = {};
      continue;
    }
    const StereoFrame out{r.Alpha * (x0.left - x2.left) + r.Gamma * h.y1.left - r.Beta * h.y2.left,
                          r.Alpha * (x0.right - x2.right) + r.Gamma * h.y1.right - r.Beta * h.y2.right};
    h.y2 = h.y1;
    h.y1 = out;
    sum.left += r.Gain * out.left;
    sum.right += r.Gain * out.right;
  }
  const double preAmp = table[kOutputRecord].PreAmp;
  return {ClampSample(preAmp * sum.left), ClampSample(preAmp * sum.right)};
}

void EQStereoDSP(uint32_t, uint32_t, void* buffer, uint32_t length, uint32_t) {
  FilterBuffer<StereoLayout>(buffer, length);
}

void EQMonoDSP(uint32_t, uint32_t, void* buffer, uint32_t length, uint32_t) {
  FilterBuffer<MonoLayout>(buffer, length);
}

double EQSliderToUnit(int32_t value) { return double((value - 50) * 2) / 100.0; }

void ApplyEqualizerSettings(int32_t preAmpValue, const std::array<int32_t, kBandCount>& bandValues) {
  FilterState& state = State();
  for (int band = 0; band < kBandCount; ++band) {
    SetBandFilter(state.design, band, kBandWidth, EQSliderToUnit(bandValues[size_t(band)]) * kMaxGainParameter);
  }
  const double preAmpUnit = EQSliderToUnit(preAmpValue);
  const double multiplier = preAmpUnit > 0 ? 1.0 + 4.0 * preAmpUnit : 1.0 + (4.0 / 5.0) * preAmpUnit;
  UpdateCombinedFilter(state.design, multiplier);
  Publish(state);  // one hand-over for the whole new set
}

void ResetEqualizerFilters() { State().Reset(); }

}  // namespace EQFilters
