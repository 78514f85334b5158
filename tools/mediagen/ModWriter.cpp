// ProTracker MOD: big-endian, sample lengths in words, notes as Amiga periods.
#include <algorithm>
#include <cmath>

#include "ByteBuffer.h"
#include "ModuleSong.h"

namespace MediaGen {

namespace {

constexpr int kModSamples = 31;

// Note 49 is the period 428 (ProTracker's C-2); the format spans 113..856.
int PeriodOfNote(int note) {
  const double period = 428.0 * std::pow(2.0, -(note - kMiddleCNote) / 12.0);
  return std::clamp(int(std::lround(period)), 113, 856);
}

void WriteCell(ByteBuffer& out, const ModuleCell& cell) {
  const int period = cell.note > 0 ? PeriodOfNote(cell.note) : 0;
  const int effect = cell.volume >= 0 ? 0xC : 0;
  const int parameter = cell.volume >= 0 ? std::min(cell.volume, 64) : 0;
  out.U8((cell.sample & 0xF0) | (period >> 8));
  out.U8(period & 0xFF);
  out.U8(((cell.sample & 0x0F) << 4) | effect);
  out.U8(parameter);
}

}  // namespace

bool WriteMod(const std::string& path, const ModuleSong& song) {
  if (song.samples.size() > kModSamples || song.order.empty() || song.order.size() > 128) {
    return false;
  }
  ByteBuffer out;
  out.Text(song.title, 20);
  for (int i = 0; i < kModSamples; ++i) {
    if (size_t(i) >= song.samples.size()) {
      out.Zeros(22 + 2 + 2);
      out.Be16(0);
      out.Be16(1);  // a loop length of one word means "no loop"
      continue;
    }
    const ModuleSample& sample = song.samples[size_t(i)];
    out.Text(sample.name, 22);
    out.Be16(int((sample.data.size() + 1) / 2));
    out.U8(0);  // finetune
    out.U8(std::min(sample.volume, 64));
    out.Be16(sample.loopLength > 0 ? sample.loopStart / 2 : 0);
    out.Be16(sample.loopLength > 0 ? sample.loopLength / 2 : 1);
  }
  out.U8(int(song.order.size()));
  out.U8(127);
  for (int i = 0; i < 128; ++i) out.U8(size_t(i) < song.order.size() ? song.order[size_t(i)] : 0);
  out.Text(song.channels == 4 ? "M.K." : std::to_string(song.channels) + "CHN", 4);
  for (const ModulePattern& pattern : song.patterns) {
    for (int row = 0; row < kPatternRows; ++row) {
      for (int channel = 0; channel < song.channels; ++channel) WriteCell(out, pattern.At(row, channel));
    }
  }
  for (const ModuleSample& sample : song.samples) {
    for (int8_t value : sample.data) out.U8(value);
    out.PadTo(2);
  }
  return out.SaveAs(path);
}

}  // namespace MediaGen
