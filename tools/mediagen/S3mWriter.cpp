// Scream Tracker 3 S3M: parapointers in 16-byte paragraphs, unsigned samples,
// packed pattern rows.
#include <algorithm>

#include "ByteBuffer.h"
#include "ModuleSong.h"

namespace MediaGen {

namespace {

// Note 49 (C-4) is ST3's octave 4, semitone 0, played at the sample's C2Spd.
int S3mNote(int note) { return ((note - 1) / 12) << 4 | (note - 1) % 12; }

ByteBuffer PackedPattern(const ModulePattern& pattern) {
  ByteBuffer data;
  data.Le16(0);  // patched: length including these two bytes
  for (int row = 0; row < kPatternRows; ++row) {
    for (int channel = 0; channel < pattern.channels; ++channel) {
      const ModuleCell& cell = pattern.At(row, channel);
      const bool hasNote = cell.note > 0 || cell.sample > 0;
      const bool hasVolume = cell.volume >= 0;
      if (!hasNote && !hasVolume) continue;
      data.U8(channel | (hasNote ? 32 : 0) | (hasVolume ? 64 : 0));
      if (hasNote) {
        data.U8(cell.note > 0 ? S3mNote(cell.note) : 255);
        data.U8(cell.sample);
      }
      if (hasVolume) data.U8(std::min(cell.volume, 64));
    }
    data.U8(0);
  }
  data.PatchLe16(0, int(data.Size()));
  return data;
}

}  // namespace

bool WriteS3m(const std::string& path, const ModuleSong& song) {
  if (song.order.empty() || song.channels > 16) return false;
  std::vector<int> order = song.order;
  if (order.size() % 2 != 0) order.push_back(255);  // the order count must be even

  ByteBuffer out;
  out.Text(song.title, 28);
  out.U8(0x1A);
  out.U8(16);  // type: S3M module
  out.Zeros(2);
  out.Le16(int(order.size()));
  out.Le16(int(song.samples.size()));
  out.Le16(int(song.patterns.size()));
  out.Le16(0);       // flags
  out.Le16(0x1320);  // created with ST 3.20
  out.Le16(2);       // unsigned samples
  out.Text("SCRM", 4);
  out.U8(64);  // global volume
  out.U8(song.speed);
  out.U8(song.tempo);
  out.U8(0x80 | 48);  // stereo, master volume 48
  out.U8(0);
  out.U8(0);  // no panning table
  out.Zeros(8 + 2);
  for (int channel = 0; channel < 32; ++channel) {
    // Left, right, right, left ... as on the Amiga.
    const bool right = channel % 4 == 1 || channel % 4 == 2;
    out.U8(channel < song.channels ? (right ? 8 : 0) + channel / 2 : 255);
  }
  for (int entry : order) out.U8(entry);

  const size_t instrumentPointers = out.Size();
  out.Zeros(song.samples.size() * 2);
  const size_t patternPointers = out.Size();
  out.Zeros(song.patterns.size() * 2);

  std::vector<size_t> instrumentAt;
  for (const ModuleSample& sample : song.samples) {
    out.PadTo(16);
    instrumentAt.push_back(out.Size());
    out.PatchLe16(instrumentPointers + 2 * (instrumentAt.size() - 1), int(out.Size() / 16));
    out.U8(1);  // sampled instrument
    out.Text(sample.name, 12);
    out.Zeros(3);  // sample data parapointer, patched below
    out.Le32(uint32_t(sample.data.size()));
    out.Le32(uint32_t(sample.loopStart));
    out.Le32(uint32_t(sample.loopStart + sample.loopLength));
    out.U8(std::min(sample.volume, 64));
    out.U8(0);
    out.U8(0);  // not packed
    out.U8(sample.loopLength > 0 ? 1 : 0);
    out.Le32(8363);
    out.Zeros(12);
    out.Text(sample.name, 28);
    out.Text("SCRS", 4);
  }
  for (size_t i = 0; i < song.patterns.size(); ++i) {
    out.PadTo(16);
    out.PatchLe16(patternPointers + 2 * i, int(out.Size() / 16));
    out.Bytes(PackedPattern(song.patterns[i]).Data());
  }
  for (size_t i = 0; i < song.samples.size(); ++i) {
    out.PadTo(16);
    const size_t paragraph = out.Size() / 16;
    out.PatchU8(instrumentAt[i] + 13, int(paragraph >> 16));  // high byte, then the low word
    out.PatchLe16(instrumentAt[i] + 14, int(paragraph & 0xFFFF));
    for (int8_t value : song.samples[i].data) out.U8(value + 128);
  }
  return out.SaveAs(path);
}

}  // namespace MediaGen
