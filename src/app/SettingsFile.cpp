#include "SettingsFile.h"

#include <algorithm>

#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListDisplayOptions.h"

SavedSettings DefaultSavedSettings(const QString& programFolder) {
  SavedSettings settings;
  settings.SavedSkinsFolder = programFolder + "skins";
  settings.SavedSkinName = QStringLiteral("Default");
  settings.SavedLastFolder = PlatformUi::DefaultLastFolder();
  return settings;
}

namespace {

// A settings file is a few dozen short lines; anything far larger is not one.
constexpr qint64 kMaxSettingsFileBytes = 1 << 20;

QString BooleanText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

// Reads the value lines in order, skipping headers by position; the first
// value that does not convert marks the whole file as unusable.
class LineReader {
 public:
  explicit LineReader(const QStringList& lines) : lines_(lines) {}

  bool ok() const { return ok_; }

  QString Text(int index) { return lines_.at(index); }

  bool Boolean(int index) {
    const auto value = ParseSettingsBoolean(lines_.at(index));
    if (!value) ok_ = false;
    return value.value_or(false);
  }

  int32_t Integer(int index, int32_t low, int32_t high) {
    bool converted = false;
    const qlonglong value = lines_.at(index).trimmed().toLongLong(&converted, 10);
    if (!converted) ok_ = false;
    return static_cast<int32_t>(std::clamp<qlonglong>(value, low, high));
  }

 private:
  const QStringList& lines_;
  bool ok_ = true;
};

// A line after the first 44: missing in a file of an older build, or not a
// boolean, it keeps the default.
bool OptionalBoolean(const QStringList& lines, int index, bool byDefault) {
  return index < lines.size() ? ParseSettingsBoolean(lines[index]).value_or(byDefault) : byDefault;
}

// The same for a number, which must lie within [low, high].
int32_t OptionalInteger(const QStringList& lines, int index, int32_t low, int32_t high, int32_t byDefault) {
  bool converted = false;
  const int value = index < lines.size() ? lines[index].trimmed().toInt(&converted) : 0;
  return converted && value >= low && value <= high ? value : byDefault;
}

constexpr int32_t kIntMin = INT32_MIN;
constexpr int32_t kIntMax = INT32_MAX;

}  // namespace

std::optional<bool> ParseSettingsBoolean(const QString& text) {
  const QString trimmed = text.trimmed();
  if (trimmed.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  if (trimmed.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
  bool converted = false;
  const qlonglong number = trimmed.toLongLong(&converted, 10);
  if (!converted) return std::nullopt;
  return number != 0;
}

QStringList SettingsToLines(const SavedSettings& s) {
  QStringList lines{QStringLiteral("[Deck Variables]"),
                    QStringLiteral("[Skin To Load On StartUp]"),
                    s.SavedSkinsFolder,
                    s.SavedSkinName,
                    s.SavedLastFolder,
                    BooleanText(s.AlwaysOnTop),
                    BooleanText(s.UseFreedbSupport),
                    QString::number(s.DeckLeft),
                    QString::number(s.DeckTop),
                    QStringLiteral("[Deck Buttons Positions]"),
                    QString::number(s.SavedBalance),
                    QString::number(s.SavedVolume),
                    BooleanText(s.RepeatOn),
                    BooleanText(s.ShuffleOn),
                    QString::number(s.SavedTimeDisplayMode),
                    QString::number(s.SavedArtistScrollMode),
                    QString::number(s.SavedTitleScrollMode),
                    QStringLiteral("[EQ Variables]"),
                    BooleanText(s.EQVisible),
                    QString::number(s.EQLeft),
                    QString::number(s.EQTop),
                    QStringLiteral("[EQ Buttons Positions]")};
  for (int16_t slider : s.SavedEQSliders) lines << QString::number(slider);
  lines << QString::number(s.SavedVisualEffectsMode) << BooleanText(s.SavedLevelMeterOn)
        << BooleanText(s.SavedEQOn) << BooleanText(s.SavedEQAuto)
        << QStringLiteral("[PL Variables]") << BooleanText(s.PLVisible)
        << QString::number(s.PLLeft) << QString::number(s.PLTop) << QString::number(s.PLWidth)
        << QString::number(s.PLHeight)
        << GeneralFunctions::DisplayOptionsToText(s.SavedPLDisplayOptions)
        << QStringLiteral("[Window Options]") << BooleanText(s.DoubleSize)
        << BooleanText(s.ReadTitlesFromTags) << BooleanText(s.AddFoldersWithSubfolders)
        << BooleanText(s.SkipUnplayableSongs) << QStringLiteral("[Playback Options]")
        << BooleanText(s.GaplessPlayback) << QString::number(s.ReplayGainMode)
        << QString::number(s.ReplayGainPreAmpDb);
  return lines;
}

std::optional<SavedSettings> SettingsFromLines(const QStringList& lines) {
  if (lines.size() < kSettingsLineCount) return std::nullopt;
  LineReader in(lines);
  SavedSettings s;
  s.SavedSkinsFolder = in.Text(2);
  s.SavedSkinName = in.Text(3);
  s.SavedLastFolder = in.Text(4);
  s.AlwaysOnTop = in.Boolean(5);
  s.UseFreedbSupport = in.Boolean(6);
  s.DeckLeft = in.Integer(7, kIntMin, kIntMax);
  s.DeckTop = in.Integer(8, kIntMin, kIntMax);
  s.SavedBalance = static_cast<int16_t>(in.Integer(10, 0, 100));
  s.SavedVolume = static_cast<int16_t>(in.Integer(11, 0, 100));
  s.RepeatOn = in.Boolean(12);
  s.ShuffleOn = in.Boolean(13);
  s.SavedTimeDisplayMode = static_cast<uint8_t>(in.Integer(14, 0, 1));
  s.SavedArtistScrollMode = static_cast<uint8_t>(in.Integer(15, 0, 1));
  s.SavedTitleScrollMode = static_cast<uint8_t>(in.Integer(16, 0, 1));
  s.EQVisible = in.Boolean(18);
  s.EQLeft = in.Integer(19, kIntMin, kIntMax);
  s.EQTop = in.Integer(20, kIntMin, kIntMax);
  for (int i = 0; i < 11; ++i) s.SavedEQSliders[i] = static_cast<int16_t>(in.Integer(22 + i, 0, 100));
  s.SavedVisualEffectsMode = static_cast<uint8_t>(in.Integer(33, 0, 3));
  s.SavedLevelMeterOn = in.Boolean(34);
  s.SavedEQOn = in.Boolean(35);
  s.SavedEQAuto = in.Boolean(36);
  s.PLVisible = in.Boolean(38);
  s.PLLeft = in.Integer(39, kIntMin, kIntMax);
  s.PLTop = in.Integer(40, kIntMin, kIntMax);
  s.PLWidth = in.Integer(41, 0, kIntMax);
  s.PLHeight = in.Integer(42, 0, kIntMax);
  s.SavedPLDisplayOptions = GeneralFunctions::TextToDisplayOptions(in.Text(43));
  if (!in.ok()) return std::nullopt;
  s.DoubleSize = OptionalBoolean(lines, 45, s.DoubleSize);
  s.ReadTitlesFromTags = OptionalBoolean(lines, 46, s.ReadTitlesFromTags);
  s.AddFoldersWithSubfolders = OptionalBoolean(lines, 47, s.AddFoldersWithSubfolders);
  s.SkipUnplayableSongs = OptionalBoolean(lines, 48, s.SkipUnplayableSongs);
  s.GaplessPlayback = OptionalBoolean(lines, 50, s.GaplessPlayback);
  s.ReplayGainMode = static_cast<uint8_t>(OptionalInteger(lines, 51, 0, 2, s.ReplayGainMode));
  s.ReplayGainPreAmpDb = OptionalInteger(lines, 52, -15, 15, s.ReplayGainPreAmpDb);
  return s;
}

QString SettingsFilePath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".ini")); }

std::optional<QStringList> ReadSettingsFileLines() {
  return PlatformUi::ReadTextLines(SettingsFilePath(), kMaxSettingsFileBytes);
}
