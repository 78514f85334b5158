#include "EQPresets.h"

#include <algorithm>

namespace EqualizerPresets {

EQPresetsStructure EQPresets;
EQPresetsRecord PresetSnapshot;

namespace {

struct Predefined {
  const char* name;
  std::array<int32_t, 10> bands;
};

// The padding lines the "(Predefined)" marks up in the list.
constexpr Predefined kPredefined[kPredefinedCount] = {
    {"Classical   (Predefined)", {50, 50, 50, 50, 50, 50, 50, 25, 25, 12}},
    {"Club        (Predefined)", {50, 50, 50, 66, 70, 70, 70, 66, 66, 50}},
    {"Dance       (Predefined)", {81, 81, 73, 63, 50, 50, 30, 25, 25, 50}},
    {"Pop         (Predefined)", {37, 37, 67, 73, 75, 69, 38, 36, 36, 37}},
    {"Reggae      (Predefined)", {50, 50, 50, 39, 30, 50, 73, 73, 73, 50}},
    {"Rock        (Predefined)", {75, 75, 67, 30, 23, 34, 66, 79, 79, 86}},
    {"Techno      (Predefined)", {75, 75, 70, 50, 30, 31, 50, 75, 75, 79}},
    {"Live        (Predefined)", {31, 31, 50, 66, 69, 70, 70, 66, 66, 63}},
    {"Full Bass   (Predefined)", {81, 81, 81, 81, 70, 62, 33, 21, 21, 16}},
    {"Full Treble (Predefined)", {12, 12, 12, 12, 33, 64, 86, 100, 100, 100}},
};

QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

bool ReadValue(const QString& text, int32_t& value) {
  bool ok = false;
  const int read = text.trimmed().toInt(&ok);
  if (ok) value = std::clamp(read, 0, 100);
  return ok;
}

// One 14-line block starting at `first`; false when it does not read cleanly.
bool ReadBlock(const QStringList& lines, qsizetype first, EQPresetsRecord& record) {
  if (first + kLinesPerSlot > lines.size()) return false;
  EQPresetsRecord read;
  read.PresetName = lines[first];
  bool ok = ReadValue(lines[first + 1], read.PresetPreAmp);
  for (int band = 0; band < 10; ++band) ok = ReadValue(lines[first + 2 + band], read.PresetBands[band]) && ok;
  bool inUseOk = false, isUserOk = false;
  read.PresetInUse = ParsePresetBoolean(lines[first + 12], inUseOk);
  ParsePresetBoolean(lines[first + 13], isUserOk);
  // A user slot stays a user slot whatever the file says, so it can be changed.
  read.PresetIsUser = true;
  if (!ok || !inUseOk || !isUserOk) return false;
  record = read;
  return true;
}

}  // namespace

bool EQPresetsRecord::SameValues(const EQPresetsRecord& other) const {
  return PresetPreAmp == other.PresetPreAmp && PresetBands == other.PresetBands;
}

EQPresetsRecord EmptyUserPreset() {
  EQPresetsRecord empty;
  empty.PresetName = QStringLiteral("User Preset <Empty>");
  return empty;
}

void InitDefaultPresets() {
  EQPresets.Count = kPredefinedCount;
  for (int slot = 0; slot < kPredefinedCount; ++slot) {
    EQPresetsRecord& record = EQPresets.Presets[slot];
    record.PresetName = QString::fromLatin1(kPredefined[slot].name);
    record.PresetPreAmp = 50;
    record.PresetBands = kPredefined[slot].bands;
    record.PresetInUse = true;
    record.PresetIsUser = false;
  }
  for (int slot = kPredefinedCount; slot < kSlotCount; ++slot) EQPresets.Presets[slot] = EmptyUserPreset();
  EQPresets.Count = kSlotCount;
}

QStringList PresetsToLines() {
  QStringList lines;
  for (int slot = kPredefinedCount; slot < EQPresets.Count; ++slot) {
    const EQPresetsRecord& record = EQPresets.Presets[slot];
    lines << record.PresetName << QString::number(record.PresetPreAmp);
    for (int32_t band : record.PresetBands) lines << QString::number(band);
    lines << BooleanText(record.PresetInUse) << BooleanText(record.PresetIsUser);
  }
  return lines;
}

bool LinesToPresets(const QStringList& lines) {
  bool clean = lines.size() == kFileLineCount;
  for (int slot = kPredefinedCount; slot < EQPresets.Count; ++slot) {
    const qsizetype first = qsizetype(slot - kPredefinedCount) * kLinesPerSlot;
    EQPresetsRecord& record = EQPresets.Presets[slot];
    if (!ReadBlock(lines, first, record)) {
      record = EmptyUserPreset();
      clean = false;
    }
  }
  return clean;
}

int FindFirstEmptyUserSlot() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const EQPresetsRecord& record = EQPresets.Presets[slot];
    if (record.PresetIsUser && !record.PresetInUse) return slot;
  }
  return -1;
}

int FindMatchingPreset(const EQPresetsRecord& values) {
  for (int slot = 0; slot < EQPresets.Count; ++slot) {
    if (EQPresets.Presets[slot].SameValues(values)) return slot;
  }
  return -1;
}

bool ParsePresetBoolean(const QString& text, bool& ok) {
  const QString word = text.trimmed();
  ok = true;
  if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  const int number = word.toInt(&ok);
  return ok && number != 0;
}

}  // namespace EqualizerPresets
