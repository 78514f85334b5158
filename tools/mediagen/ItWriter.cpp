// Impulse Tracker IT in sample mode: no instruments, signed 8-bit samples,
// packed pattern rows with a mask byte for every cell.
#include <algorithm>

#include "ByteBuffer.h"
#include "ModuleSong.h"

namespace MediaGen {

namespace {

// Note 49 (C-4 here) is IT's C-5 (60), played at the sample's C5Speed.
int ItNote(int note) { return note - 1 + 12; }

ByteBuffer PackedPattern(const ModulePattern& pattern) {
  ByteBuffer data;
  for (int row = 0; row < kPatternRows; ++row) {
    for (int channel = 0; channel < pattern.channels; ++channel) {
      const ModuleCell& cell = pattern.At(row, channel);
      const int mask = (cell.note > 0 ? 1 : 0) | (cell.sample > 0 ? 2 : 0) | (cell.volume >= 0 ? 4 : 0);
      if (mask == 0) continue;
      data.U8((channel + 1) | 128);
      data.U8(mask);
      if (cell.note > 0) data.U8(ItNote(cell.note));
      if (cell.sample > 0) data.U8(cell.sample);
      if (cell.volume >= 0) data.U8(std::min(cell.volume, 64));
    }
    data.U8(0);
  }
  return data;
}

void WriteSampleHeader(ByteBuffer& out, const ModuleSample& sample) {
  out.Text("IMPS", 4);
  out.Text(sample.name, 12);
  out.U8(0);
  out.U8(64);  // global volume
  out.U8(1 | (sample.loopLength > 0 ? 16 : 0));  // sample present, loop
  out.U8(std::min(sample.volume, 64));
  out.Text(sample.name, 26);
  out.U8(1);   // signed samples
  out.U8(32);  // default pan, not used
  out.Le32(uint32_t(sample.data.size()));
  out.Le32(uint32_t(sample.loopStart));
  out.Le32(uint32_t(sample.loopStart + sample.loopLength));
  out.Le32(8363);
  out.Le32(0);
  out.Le32(0);
  out.Le32(0);  // sample data offset, patched later
  out.Zeros(4);  // vibrato
}

}  // namespace

bool WriteIt(const std::string& path, const ModuleSong& song) {
  if (song.order.empty() || song.channels > 64) return false;
  std::vector<int> order = song.order;
  order.push_back(255);  // end of song

  ByteBuffer out;
  out.Text("IMPM", 4);
  out.Text(song.title, 26);
  out.Le16(0x1004);  // row highlights
  out.Le16(int(order.size()));
  out.Le16(0);  // no instruments
  out.Le16(int(song.samples.size()));
  out.Le16(int(song.patterns.size()));
  out.Le16(0x0214);
  out.Le16(0x0200);
  out.Le16(1 | 8);  // stereo, linear slides
  out.Le16(0);
  out.U8(128);  // global volume
  out.U8(48);   // mix volume
  out.U8(song.speed);
  out.U8(song.tempo);
  out.U8(128);  // stereo separation
  out.U8(0);
  out.Le16(0);  // no message
  out.Le32(0);
  out.Zeros(4);
  for (int channel = 0; channel < 64; ++channel) out.U8(channel < song.channels ? 32 : 32 | 128);
  for (int channel = 0; channel < 64; ++channel) out.U8(64);
  for (int entry : order) out.U8(entry);

  const size_t samplePointers = out.Size();
  out.Zeros(song.samples.size() * 4);
  const size_t patternPointers = out.Size();
  out.Zeros(song.patterns.size() * 4);

  std::vector<size_t> sampleHeaderAt;
  for (size_t i = 0; i < song.samples.size(); ++i) {
    sampleHeaderAt.push_back(out.Size());
    out.PatchLe32(samplePointers + 4 * i, uint32_t(out.Size()));
    WriteSampleHeader(out, song.samples[i]);
  }
  for (size_t i = 0; i < song.patterns.size(); ++i) {
    out.PatchLe32(patternPointers + 4 * i, uint32_t(out.Size()));
    const ByteBuffer packed = PackedPattern(song.patterns[i]);
    out.Le16(int(packed.Size()));
    out.Le16(kPatternRows);
    out.Zeros(4);
    out.Bytes(packed.Data());
  }
  for (size_t i = 0; i < song.samples.size(); ++i) {
    out.PatchLe32(sampleHeaderAt[i] + 0x48, uint32_t(out.Size()));
    for (int8_t value : song.samples[i].data) out.U8(value);
  }
  return out.SaveAs(path);
}

}  // namespace MediaGen
