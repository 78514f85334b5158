#pragma once
// The deck's saved-settings fields and the 44-line settings file they are kept in.
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

#include "playlist/PlayListDisplayOptions.h"

struct SavedSettings {
  QString SavedSkinsFolder;
  QString SavedSkinName;
  QString SavedLastFolder;
  bool AlwaysOnTop = false;
  bool UseFreedbSupport = false;
  int32_t DeckLeft = 81;
  int32_t DeckTop = 143;
  int16_t SavedBalance = 50;
  int16_t SavedVolume = 78;
  bool RepeatOn = false;
  bool ShuffleOn = false;
  uint8_t SavedTimeDisplayMode = 0;
  uint8_t SavedArtistScrollMode = 0;
  uint8_t SavedTitleScrollMode = 0;
  bool EQVisible = true;
  int32_t EQLeft = 381;
  int32_t EQTop = 143;
  std::array<int16_t, 11> SavedEQSliders{50, 50, 50, 50, 50, 50, 50, 50, 50, 50, 50};
  uint8_t SavedVisualEffectsMode = 0;
  bool SavedLevelMeterOn = true;
  bool SavedEQOn = false;
  bool SavedEQAuto = false;
  bool PLVisible = true;
  int32_t PLLeft = 81;
  int32_t PLTop = 273;
  int32_t PLWidth = 600;
  int32_t PLHeight = 166;
  GeneralFunctions::TPLDisplayOptions SavedPLDisplayOptions = GeneralFunctions::doFullSongFileName;
  // Kept on a line after the first 44, which older builds read past.
  bool ReadTitlesFromTags = true;
};

// Lines a file must have; lines past them are optional, and a file without
// them (written by an older build) gives those settings their defaults.
constexpr int kSettingsLineCount = 44;

// The defaults of a new settings file; programFolder ends with "/".
SavedSettings DefaultSavedSettings(const QString& programFolder);

// The lines in file order, header lines included: the 44 and the optional ones.
QStringList SettingsToLines(const SavedSettings& settings);

// Parses the value lines by position (headers are never looked at). Nothing is
// returned when there are fewer than 44 lines or one of them does not
// convert; an optional line that does not convert keeps its default. Modes and
// slider values outside their range are clamped.
std::optional<SavedSettings> SettingsFromLines(const QStringList& lines);

// "True"/"False" in any letter case, or a number (0 false, anything else true).
std::optional<bool> ParseSettingsBoolean(const QString& text);
