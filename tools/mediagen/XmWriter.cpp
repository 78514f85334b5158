// FastTracker 2 XM: one instrument per sample, patterns stored unpacked,
// sample data delta-encoded.
#include <algorithm>

#include "ByteBuffer.h"
#include "ModuleSong.h"

namespace MediaGen {

namespace {

void WriteHeader(ByteBuffer& out, const ModuleSong& song) {
  out.Text("Extended Module: ", 17);
  out.Text(song.title, 20);
  out.U8(0x1A);
  out.Text("solvane mediagen", 20);
  out.Le16(0x0104);
  out.Le32(276);  // header size from this field to the end of the order table
  out.Le16(int(song.order.size()));
  out.Le16(0);  // restart position
  out.Le16(song.channels);
  out.Le16(int(song.patterns.size()));
  out.Le16(int(song.samples.size()));
  out.Le16(1);  // linear frequency table
  out.Le16(song.speed);
  out.Le16(song.tempo);
  for (int i = 0; i < 256; ++i) out.U8(size_t(i) < song.order.size() ? song.order[size_t(i)] : 0);
}

void WritePattern(ByteBuffer& out, const ModulePattern& pattern) {
  out.Le32(9);  // pattern header length
  out.U8(0);    // packing type
  out.Le16(kPatternRows);
  out.Le16(kPatternRows * pattern.channels * 5);
  for (const ModuleCell& cell : pattern.cells) {
    out.U8(cell.note);
    out.U8(cell.sample);
    out.U8(cell.volume >= 0 ? 0x10 + std::min(cell.volume, 64) : 0);
    out.U8(0);
    out.U8(0);
  }
}

void WriteInstrument(ByteBuffer& out, const ModuleSample& sample) {
  out.Le32(263);  // instrument header size
  out.Text(sample.name, 22);
  out.U8(0);
  out.Le16(1);   // one sample
  out.Le32(40);  // sample header size
  out.Zeros(96 + 48 + 48);  // keymap (all notes -> sample 0), envelopes
  out.Zeros(2 + 6 + 2);     // envelope point counts, sustain and loop points, types
  out.Zeros(4);             // vibrato
  out.Le16(0);              // fade-out
  out.Zeros(22);

  out.Le32(uint32_t(sample.data.size()));
  out.Le32(uint32_t(sample.loopStart));
  out.Le32(uint32_t(sample.loopLength));
  out.U8(std::min(sample.volume, 64));
  out.U8(0);                               // finetune
  out.U8(sample.loopLength > 0 ? 1 : 0);   // forward loop, 8-bit
  out.U8(128);                             // panning
  out.U8(0);                               // relative note
  out.U8(0);
  out.Text(sample.name, 22);
  int8_t previous = 0;
  for (int8_t value : sample.data) {
    out.U8(uint8_t(value - previous));
    previous = value;
  }
}

}  // namespace

bool WriteXm(const std::string& path, const ModuleSong& song) {
  if (song.order.empty() || song.order.size() > 256) return false;
  ByteBuffer out;
  WriteHeader(out, song);
  for (const ModulePattern& pattern : song.patterns) WritePattern(out, pattern);
  for (const ModuleSample& sample : song.samples) WriteInstrument(out, sample);
  return out.SaveAs(path);
}

}  // namespace MediaGen
