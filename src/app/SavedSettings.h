#pragma once
// The deck's saved-settings fields and the settings file they are kept in:
// 44 lines every build reads by position, then lines later builds added,
// which older builds never look at.
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
  // Lines after the first 44, which older builds read past.
  bool DoubleSize = false;
  bool ReadTitlesFromTags = true;
};

// The lines a file needs to be read at all, and the lines a file is written with.
constexpr int kSettingsLineCount = 44;
constexpr int kWrittenSettingsLineCount = 47;

// The defaults of a new settings file; programFolder ends with "/".
SavedSettings DefaultSavedSettings(const QString& programFolder);

// The lines in file order, header lines included.
QStringList SettingsToLines(const SavedSettings& settings);

// Parses the value lines by position (headers are never looked at). Nothing is
// returned when there are fewer than 44 lines or one of theirs does not
// convert; modes and slider values outside their range are clamped. A later
// line that is missing or does not convert keeps its default, so a file of
// an older build reads as it did.
std::optional<SavedSettings> SettingsFromLines(const QStringList& lines);

// The settings file in the program's settings folder, and its lines as read
// (nothing when it is missing, unreadable or far too large to be one).
QString SettingsFilePath();
std::optional<QStringList> ReadSettingsFileLines();

// "True"/"False" in any letter case, or a number (0 false, anything else true).
std::optional<bool> ParseSettingsBoolean(const QString& text);
