#include "WinampEqf.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace WinampEqf {

namespace {

constexpr char kHeader[kHeaderSize + 1] = "Winamp EQ library file v1.1\x1A!--";
constexpr uint8_t kFlatByte = 32;
constexpr uint8_t kLowestByte = 63;
// Where the exact slider values sit in a name field: a tag and eleven values.
constexpr char kExactTag[4] = {'S', 'L', 'V', 'N'};
constexpr int kExactOffset = kNameSize - 4 - 11;

int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

// The ten bands, then the preamp, as Winamp orders them.
std::array<int32_t, 11> WinampOrder(const EqualizerPresets::EQPresetsRecord& preset) {
  std::array<int32_t, 11> values;
  std::copy(preset.PresetBands.begin(), preset.PresetBands.end(), values.begin());
  values[10] = preset.PresetPreAmp;
  return values;
}

void ReadEntry(const char* entry, EqualizerPresets::EQPresetsRecord& preset) {
  const char* name = entry;
  preset.PresetName = QString::fromUtf8(name, qsizetype(strnlen(name, kNameSize - 1)));
  std::array<int32_t, 11> values;
  for (int i = 0; i < 11; ++i)
    values[size_t(i)] = ByteToSlider(static_cast<uint8_t>(entry[kNameSize + i]) & kLowestByte);
  if (std::memcmp(name + kExactOffset, kExactTag, 4) == 0) {
    std::array<int32_t, 11> exact;
    bool agrees = true;
    for (int i = 0; i < 11; ++i) {
      exact[size_t(i)] = static_cast<uint8_t>(name[kExactOffset + 4 + i]);
      agrees = agrees && exact[size_t(i)] <= 100 &&
               SliderToByte(exact[size_t(i)]) == static_cast<uint8_t>(entry[kNameSize + i]);
    }
    if (agrees) values = exact;
  }
  std::copy(values.begin(), values.begin() + 10, preset.PresetBands.begin());
  preset.PresetPreAmp = values[10];
  preset.PresetInUse = true;
  preset.PresetIsUser = true;
}

}  // namespace

uint8_t SliderToByte(int value) {
  value = std::clamp(value, 0, 100);
  if (value >= 50) return uint8_t(Round((100 - value) * kFlatByte / 50.0));
  return uint8_t(kFlatByte + Round((50 - value) * (kLowestByte - kFlatByte) / 50.0));
}

int ByteToSlider(uint8_t byte) {
  byte = std::min(byte, kLowestByte);
  if (byte <= kFlatByte) return 100 - Round(byte * 50.0 / kFlatByte);
  return 50 - Round((byte - kFlatByte) * 50.0 / (kLowestByte - kFlatByte));
}

ReadResult ReadEqf(const QByteArray& file, int maxPresets) {
  ReadResult result;
  if (file.size() < kHeaderSize || std::memcmp(file.constData(), kHeader, kHeaderSize) != 0) {
    result.problem = ReadResult::WrongHeader;
    return result;
  }
  const int64_t body = file.size() - kHeaderSize;
  result.entryCount = body / kEntrySize;
  if (body % kEntrySize != 0 || result.entryCount == 0) result.problem = ReadResult::CutShort;
  const int64_t wanted = std::min<int64_t>(result.entryCount, std::max(0, maxPresets));
  result.presets.resize(size_t(wanted));
  for (int64_t i = 0; i < wanted; ++i)
    ReadEntry(file.constData() + kHeaderSize + i * kEntrySize, result.presets[size_t(i)]);
  return result;
}

QByteArray WriteEqf(const std::vector<EqualizerPresets::EQPresetsRecord>& presets) {
  QByteArray file(kHeader, kHeaderSize);
  for (const auto& preset : presets) {
    QByteArray entry(kEntrySize, '\0');
    const QByteArray name = preset.PresetName.toUtf8().left(kExactOffset - 1);
    std::memcpy(entry.data(), name.constData(), size_t(name.size()));
    const auto values = WinampOrder(preset);
    std::memcpy(entry.data() + kExactOffset, kExactTag, 4);
    for (int i = 0; i < 11; ++i) {
      entry[kExactOffset + 4 + i] = char(std::clamp(values[size_t(i)], 0, 100));
      entry[kNameSize + i] = char(SliderToByte(values[size_t(i)]));
    }
    file += entry;
  }
  return file;
}

}  // namespace WinampEqf
