#pragma once
// Winamp equalizer preset files: a single preset (.EQF, 299 bytes) or a
// library of them (.q1). After a 31-byte header each entry is a 257-byte
// zero-padded name, ten band bytes and a preamp byte.
//
// The bytes run from 0 at the top of the slider (+12 dB) to 63 at the bottom,
// with the flat middle at 32; 50 on our sliders maps onto 32. Winamp has 64
// steps where we have 101, so export also keeps the exact slider values in
// the name field's padding after the name's terminating zero, where Winamp
// does not look; import uses them when they agree with the band bytes.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

#include "equalizer/EQPresets.h"

namespace WinampEqf {

constexpr int kHeaderSize = 31;
constexpr int kNameSize = 257;
constexpr int kEntrySize = kNameSize + 11;

uint8_t SliderToByte(int value);
int ByteToSlider(uint8_t byte);

struct ReadResult {
  enum Problem { None, WrongHeader, CutShort };
  Problem problem = None;
  std::vector<EqualizerPresets::EQPresetsRecord> presets;  // at most the number asked for
  int64_t entryCount = 0;                           // whole entries the file holds
};

// Reads up to maxPresets entries; names become the records' names, marked in
// use and as user presets.
ReadResult ReadEqf(const QByteArray& file, int maxPresets);

// The file for these presets (one entry makes a .EQF file).
QByteArray WriteEqf(const std::vector<EqualizerPresets::EQPresetsRecord>& presets);

}  // namespace WinampEqf
