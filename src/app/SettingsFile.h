#pragma once
// The settings file: 44 lines every build reads by position, then lines
// later builds added, which older builds never look at.
#include <QString>
#include <QStringList>

#include <optional>

#include "settings/SavedSettings.h"

// The lines a file needs to be read at all, and the lines a file is written with.
constexpr int kSettingsLineCount = 44;
constexpr int kWrittenSettingsLineCount = 53;

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
