#include "EQFilters.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <cstring>
#include <map>
#include <numbers>

namespace EQFilters {

const std::array<double, kBandCount> EQCentreFrequencies{31,   62,   125,  250,  500,
                                                         1000, 2000, 4000, 8000, 16000};

namespace {

constexpr long double kTwoPi = 6.283185307179586232L;
constexpr long double kBoostPerStep = 0.0713571428571428571L;  // 0.999 / 14
constexpr long double kCutPerStep = 0.0142857142857142857L;    // 0.2 / 14
constexpr double kPreAmpHeadroom = 0.9999;

using InputHistory = std::array<StereoFrame, HistoryDepth>;

// Where a band's section sits at one sample rate: the frequency and width
// handed to the design, or nothing at all (flat) for a band at or above half
// the rate, which a section cannot hold.
struct SectionShape {
  double frequency = 0;
  double width = kBandWidth;
  bool flat = false;
};
using SectionShapes = std::array<SectionShape, kBandCount>;

// The band-pass response of a designed section at `omega` radians per sample.
std::complex<double> SectionResponse(const BandFilterRecord& record, double omega) {
  const std::complex<double> z1 = std::polar(1.0, -omega);
  return record.Alpha * (1.0 - z1 * z1) / (1.0 - record.Gamma * z1 + record.Beta * z1 * z1);
}

// The equalizer's gain in dB at `omega` with one band at gain factor k.
double BandGainDb(const BandFilterRecord& record, double k, double omega) {
  return 20 * std::log10(std::abs(1.0 + k * SectionResponse(record, omega)));
}

// Minimises `cost` over two parameters by the Nelder-Mead simplex method,
// from `start` with first steps `step`.
template <typename Cost>
std::array<double, 2> Minimise(const Cost& cost, std::array<double, 2> start, std::array<double, 2> step) {
  using Point = std::array<double, 2>;
  std::array<Point, 3> points{start, Point{start[0] + step[0], start[1]}, Point{start[0], start[1] + step[1]}};
  std::array<double, 3> costs{cost(points[0]), cost(points[1]), cost(points[2])};
  const auto along = [](const Point& from, const Point& to, double t) {
    return Point{from[0] + t * (to[0] - from[0]), from[1] + t * (to[1] - from[1])};
  };
  for (int iteration = 0; iteration < 300; ++iteration) {
    std::array<int, 3> order{0, 1, 2};
    std::sort(order.begin(), order.end(), [&](int a, int b) { return costs[size_t(a)] < costs[size_t(b)]; });
    const Point best = points[size_t(order[0])], good = points[size_t(order[1])];
    const Point worst = points[size_t(order[2])];
    const double bestCost = costs[size_t(order[0])], goodCost = costs[size_t(order[1])];
    const double worstCost = costs[size_t(order[2])];
    points = {best, good, worst};
    costs = {bestCost, goodCost, worstCost};
    const Point centre = along(best, good, 0.5);
    const Point reflected = along(worst, centre, 2.0);
    const double reflectedCost = cost(reflected);
    if (reflectedCost < bestCost) {
      const Point expanded = along(worst, centre, 3.0);
      const double expandedCost = cost(expanded);
      points[2] = expandedCost < reflectedCost ? expanded : reflected;
      costs[2] = std::min(expandedCost, reflectedCost);
    } else if (reflectedCost < goodCost) {
      points[2] = reflected;
      costs[2] = reflectedCost;
    } else {
      const Point contracted = along(centre, worst, 0.5);
      const double contractedCost = cost(contracted);
      if (contractedCost < worstCost) {
        points[2] = contracted;
        costs[2] = contractedCost;
      } else {
        for (size_t i = 1; i < 3; ++i) {
          points[i] = along(best, points[i], 0.5);
          costs[i] = cost(points[i]);
        }
      }
    }
  }
  return points[size_t(std::min_element(costs.begin(), costs.end()) - costs.begin())];
}

// The shape that gives a band at `rate` the response it has at the reference
// rate, where every preset was made: the largest difference in dB, at the
// band's centre and an octave either side, for the strongest boost and cut,
// is made as small as it gets. Near half of either rate the plain design
// would bend the band's skirts differently, by up to a decibel.
SectionShape FitShape(double centre, int rate) {
  if (centre >= rate / 2.0) return {centre, kBandWidth, true};
  BandFilterRecord reference;
  CalcBandCoefficients(reference, centre, kBandWidth, kMaxGainParameter);
  const double highest = std::min(rate, kReferenceRate) / 2.0;
  const auto cost = [&](const std::array<double, 2>& shape) {
    const double frequency = shape[0], width = shape[1];
    if (frequency <= 0 || frequency >= rate / 2.0 || width <= 0.05) return 1e9;
    BandFilterRecord candidate;
    CalcBandCoefficients(candidate, frequency, width, kMaxGainParameter, rate);
    double worst = 0;
    for (const double at : {centre / 2, centre, centre * 2}) {
      if (at >= highest) continue;
      for (const double k : {reference.Gain, -0.2}) {
        const double wanted = BandGainDb(reference, k, 2 * std::numbers::pi * at / kReferenceRate);
        worst = std::max(worst, std::abs(BandGainDb(candidate, k, 2 * std::numbers::pi * at / rate) - wanted));
      }
    }
    return worst;
  };
  const std::array<double, 2> best = Minimise(cost, {centre, kBandWidth}, {centre * 0.05, 0.1});
  return {best[0], best[1], false};
}

SectionShapes ShapesForRate(int rate) {
  SectionShapes shapes;
  for (int band = 0; band < kBandCount; ++band) {
    const double centre = EQCentreFrequencies[size_t(band)];
    // The reference rate keeps its design exactly, so nobody's presets change.
    shapes[size_t(band)] = rate == kReferenceRate ? SectionShape{centre, kBandWidth, false} : FitShape(centre, rate);
  }
  return shapes;
}

// Coefficient sets travel from the user-interface thread to the mixer through
// a triple buffer: the writer fills its back slot and swaps it with the middle
// one; the reader swaps its front slot with the middle one when a fresh set
// is waiting. Neither side ever touches the slot the other one holds.
constexpr int kSlotMask = 3;
constexpr int kFresh = 4;

struct FilterState {
  // User-interface thread: what the table is designed from.
  int rate = kReferenceRate;
  SectionShapes shapes;
  std::map<int, SectionShapes> shapesByRate;  // fitting takes milliseconds: once per rate
  std::array<double, kBandCount> gainParameters{};
  double preAmp = 0;
  FilterTableType design{};
  int back = 1;
  // Shared: the middle slot's index travels through `middle`; each slot is
  // written only by the side holding it.
  std::array<FilterTableType, 3> sets{};
  std::atomic<int> middle{0};
  std::atomic<bool> clearRequested{false};
  // Mixer thread.
  int front = 2;
  InputHistory input{};
  BandHistories sections{};

  FilterState() { Reset(); }
  void Reset();
  void Redesign();
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

// Designs every band for the state's rate from its gain parameter, sets the
// output stage (the headroom keeps a flat setting from reaching full scale)
// and hands the whole table over in one piece.
void FilterState::Redesign() {
  for (int band = 0; band < kBandCount; ++band) {
    const SectionShape& shape = shapes[size_t(band)];
    BandFilterRecord& record = design[size_t(band)];
    if (shape.flat) {
      record = {shape.frequency, shape.width, 0, 0, 0, 0, 0};
    } else {
      CalcBandCoefficients(record, shape.frequency, shape.width, gainParameters[size_t(band)], rate);
    }
  }
  design[kOutputRecord] = {};
  design[kOutputRecord].PreAmp = preAmp * kPreAmpHeadroom;
  Publish(*this);
}

// Start-up: every band at +14, the output stage empty (silent) until the
// first settings arrive.
void FilterState::Reset() {
  rate = kReferenceRate;
  shapes = ShapesForRate(rate);
  gainParameters.fill(kMaxGainParameter);
  preAmp = 0;
  design = {};
  sets = {};
  middle.store(0);
  back = 1;
  front = 2;
  input = {};
  sections = {};
  clearRequested.store(true);
  Redesign();
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
                          double gainParameter, double rate) {
  const long double w = width;
  const long double g = gainParameter;
  record.Frequency = frequency;
  record.Width = width;
  record.Gain = double(g > 0 ? g * kBoostPerStep : g * kCutPerStep);
  const double theta = double(frequency * kTwoPi / (long double)rate);
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
    state.gainParameters[size_t(band)] = EQSliderToUnit(bandValues[size_t(band)]) * kMaxGainParameter;
  }
  const double preAmpUnit = EQSliderToUnit(preAmpValue);
  state.preAmp = preAmpUnit > 0 ? 1.0 + 4.0 * preAmpUnit : 1.0 + (4.0 / 5.0) * preAmpUnit;
  state.Redesign();
}

void SetSampleRate(int rate) {
  FilterState& state = State();
  if (rate <= 0 || rate == state.rate) return;
  state.rate = rate;
  auto known = state.shapesByRate.find(rate);
  if (known == state.shapesByRate.end()) known = state.shapesByRate.emplace(rate, ShapesForRate(rate)).first;
  state.shapes = known->second;
  state.Redesign();
}

void ResetEqualizerFilters() { State().Reset(); }

}  // namespace EQFilters
