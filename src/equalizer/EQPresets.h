#pragma once
// The thirty equalizer preset slots: ten built-in presets that never change
// and twenty user slots kept in the presets file, 14 lines per slot.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace EqualizerPresets {

constexpr int kSlotCount = 30;
constexpr int kPredefinedCount = 10;
constexpr int kUserCount = kSlotCount - kPredefinedCount;
constexpr int kLinesPerSlot = 14;
constexpr int kFileLineCount = kUserCount * kLinesPerSlot;

struct EQPresetsRecord {
  QString PresetName;
  int32_t PresetPreAmp = 50;
  std::array<int32_t, 10> PresetBands{50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  bool PresetInUse = false;
  bool PresetIsUser = true;

  // Preamp and bands equal (names and flags are not compared).
  bool SameValues(const EQPresetsRecord& other) const;
};

struct EQPresetsStructure {
  int32_t Count = 0;
  std::array<EQPresetsRecord, kSlotCount> Presets;
};

// The process's presets and the slider values captured when the dialog was
// shown or a preset was loaded.
extern EQPresetsStructure EQPresets;
extern EQPresetsRecord PresetSnapshot;

// A free user slot: "User Preset <Empty>", every value 50.
EQPresetsRecord EmptyUserPreset();

// Slots 0..9 from the built-in table, 10..29 empty; count 30.
void InitDefaultPresets();

// Slots 10..count-1 as 14 lines each.
QStringList PresetsToLines();

// Reads 14-line blocks into slots 10..count-1. A block that does not read
// cleanly (missing lines, a value that is not a number) leaves its slot empty
// and the slots after it are read all the same; values are clamped to
// 0..100. Returns whether every block read cleanly.
bool LinesToPresets(const QStringList& lines);

// The first user slot not in use, or -1.
int FindFirstEmptyUserSlot();

// The first slot whose values equal the record's, or -1.
int FindMatchingPreset(const EQPresetsRecord& values);

// "True"/"False" in any case, or a number (0 false, else true).
bool ParsePresetBoolean(const QString& text, bool& ok);

}  // namespace EqualizerPresets
