// The preset slots, their 280-line file, the rule for damaged files, and
// Winamp preset files.
#include <gtest/gtest.h>

#include <QFile>

#include "equalizer/EQPresets.h"
#include "equalizer/EQPresetsFile.h"
#include "equalizer/WinampEqf.h"
#include "platform/ui/TextFile.h"

namespace {

using namespace EqualizerPresets;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

EQPresetsRecord UserPreset(const QString& name, int32_t preAmp, int32_t firstBand) {
  EQPresetsRecord preset;
  preset.PresetName = name;
  preset.PresetPreAmp = preAmp;
  for (int band = 0; band < 10; ++band) preset.PresetBands[size_t(band)] = (firstBand + 9 * band) % 101;
  preset.PresetInUse = true;
  return preset;
}

class PresetsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile::remove(PresetsFilePath());
    QFile::remove(PresetsBackupPath());
    InitDefaultPresets();
  }
};

// A first start writes a whole file of empty user slots; user presets
// written later come back from it.
TEST_F(PresetsFile, FirstStartWritesEmptySlotsAndUserSlotsSurviveARoundTrip) {
  LoadPresetsFile();
  const auto lines = PlatformUi::ReadTextLines(PresetsFilePath(), 1 << 20);
  ASSERT_TRUE(lines);
  ASSERT_EQ(lines->size(), kFileLineCount);
  EXPECT_EQ((*lines)[0], "User Preset <Empty>");
  EXPECT_EQ(EQPresets.Presets[5].PresetBands[9], 86);
  EXPECT_EQ(FindFirstEmptyUserSlot(), 10);
  EXPECT_FALSE(QFile::exists(PresetsBackupPath()));

  EQPresets.Presets[10] = UserPreset("Mine", 70, 3);
  EQPresets.Presets[29] = UserPreset("Last one", 0, 100);
  ASSERT_TRUE(SavePresetsFile());
  InitDefaultPresets();
  LoadPresetsFile();
  EXPECT_EQ(EQPresets.Presets[10].PresetName, "Mine");
  EXPECT_TRUE(EQPresets.Presets[10].SameValues(UserPreset("", 70, 3)));
  EXPECT_TRUE(EQPresets.Presets[29].SameValues(UserPreset("", 0, 100)));
  EXPECT_TRUE(EQPresets.Presets[29].PresetInUse);
  EXPECT_EQ(FindFirstEmptyUserSlot(), 11);
}

TEST_F(PresetsFile, ReadingAcceptsBooleansInAnyCaseOrAsNumbersAndClampsValues) {
  QStringList lines = PresetsToLines();
  lines[1] = "250";  // preamp
  lines[2] = "-4";
  lines[12] = "tRUE";
  lines[13] = "1";
  ASSERT_TRUE(LinesToPresets(lines));
  EXPECT_EQ(EQPresets.Presets[10].PresetPreAmp, 100);
  EXPECT_EQ(EQPresets.Presets[10].PresetBands[0], 0);
  EXPECT_TRUE(EQPresets.Presets[10].PresetInUse);
}

// A damaged file keeps every block that reads cleanly, and a copy of it is
// kept before anything is written over it.
TEST_F(PresetsFile, DamagedFilesKeepTheirGoodBlocksAndACopy) {
  EQPresets.Presets[10] = UserPreset("Good", 60, 1);
  EQPresets.Presets[11] = UserPreset("Broken", 60, 1);
  EQPresets.Presets[12] = UserPreset("After", 40, 7);
  const QStringList good = PresetsToLines();
  struct Case {
    const char* what;
    QByteArray content;
    bool keepsGoodBlocks;
    const char* slot11;
  };
  QStringList notANumber = good;
  notANumber[14 + 5] = "loud";
  const QStringList shortened = good.mid(0, kFileLineCount - 1);
  const Case cases[] = {
      {"a value that is not a number", notANumber.join("\r\n").toUtf8(), true, "User Preset <Empty>"},
      {"279 lines", shortened.join("\r\n").toUtf8(), true, "Broken"},
      {"binary", QByteArray("\x00\xff\x13\x37\x00\x89PNG\r\n\x1a", 12).repeated(40), false, "User Preset <Empty>"},
      {"a megabyte of one line", QByteArray(1 << 20, 'x'), false, "User Preset <Empty>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    WriteAll(PresetsFilePath(), c.content);
    QFile::remove(PresetsBackupPath());
    InitDefaultPresets();
    LoadPresetsFile();
    EXPECT_EQ(ReadAll(PresetsBackupPath()), c.content);
    EXPECT_EQ(EQPresets.Presets[11].PresetName, c.slot11);
    EXPECT_EQ(EQPresets.Presets[10].PresetName, c.keepsGoodBlocks ? "Good" : "User Preset <Empty>");
    EXPECT_EQ(EQPresets.Presets[12].PresetName, c.keepsGoodBlocks ? "After" : "User Preset <Empty>");
    EXPECT_EQ(EQPresets.Presets[0].PresetName, "Classical   (Predefined)");
  }
}

TEST(WinampEqf, BytesRunFromTheTopOfTheSliderWithTheMiddleAt32) {
  EXPECT_EQ(WinampEqf::SliderToByte(100), 0);
  EXPECT_EQ(WinampEqf::SliderToByte(50), 32);
  EXPECT_EQ(WinampEqf::SliderToByte(0), 63);
  EXPECT_EQ(WinampEqf::ByteToSlider(0), 100);
  EXPECT_EQ(WinampEqf::ByteToSlider(32), 50);
  EXPECT_EQ(WinampEqf::ByteToSlider(63), 0);
  for (int byte = 0; byte < 64; ++byte)
    EXPECT_EQ(WinampEqf::SliderToByte(WinampEqf::ByteToSlider(uint8_t(byte))), byte);
}

TEST(WinampEqf, ExportThenImportGivesBackEverySliderValue) {
  std::vector<EQPresetsRecord> presets;
  for (int value = 0; value <= 100; value += 10)
    presets.push_back(UserPreset(QStringLiteral("Preset %1").arg(value), value, value));
  const QByteArray single = WinampEqf::WriteEqf({presets[0]});
  EXPECT_EQ(single.size(), 299);
  EXPECT_TRUE(single.startsWith(QByteArray("Winamp EQ library file v1.1\x1a!--")));

  const QByteArray library = WinampEqf::WriteEqf(presets);
  const auto read = WinampEqf::ReadEqf(library, 100);
  EXPECT_EQ(read.problem, WinampEqf::ReadResult::None);
  ASSERT_EQ(read.presets.size(), presets.size());
  for (size_t i = 0; i < presets.size(); ++i) {
    EXPECT_EQ(read.presets[i].PresetName, presets[i].PresetName);
    EXPECT_TRUE(read.presets[i].SameValues(presets[i])) << i;
  }
}

TEST(WinampEqf, AFileFromWinampItselfReadsFromItsBandBytes) {
  QByteArray file("Winamp EQ library file v1.1\x1a!--", 31);
  QByteArray entry(WinampEqf::kEntrySize, '\0');
  entry.replace(0, 6, "Entry1");
  for (int i = 0; i < 10; ++i) entry[WinampEqf::kNameSize + i] = char(i == 0 ? 0 : 32);
  entry[WinampEqf::kNameSize + 10] = char(63);
  const auto read = WinampEqf::ReadEqf(file + entry, 20);
  ASSERT_EQ(read.presets.size(), 1u);
  EXPECT_EQ(read.presets[0].PresetName, "Entry1");
  EXPECT_EQ(read.presets[0].PresetBands[0], 100);
  EXPECT_EQ(read.presets[0].PresetBands[5], 50);
  EXPECT_EQ(read.presets[0].PresetPreAmp, 0);
}

TEST(WinampEqf, BadFilesReadWhatFitsAndSayWhatIsWrong) {
  const QByteArray one = WinampEqf::WriteEqf({UserPreset("One", 50, 50)});
  QByteArray wrongHeader = one;
  wrongHeader[3] = 'X';
  EXPECT_EQ(WinampEqf::ReadEqf(wrongHeader, 20).problem, WinampEqf::ReadResult::WrongHeader);
  EXPECT_EQ(WinampEqf::ReadEqf(one.left(20), 20).problem, WinampEqf::ReadResult::WrongHeader);

  const auto cut = WinampEqf::ReadEqf(WinampEqf::WriteEqf({UserPreset("A", 1, 2), UserPreset("B", 3, 4)}).chopped(5), 20);
  EXPECT_EQ(cut.problem, WinampEqf::ReadResult::CutShort);
  ASSERT_EQ(cut.presets.size(), 1u);
  EXPECT_EQ(cut.presets[0].PresetName, "A");

  const QByteArray huge = one + one.mid(31).repeated(9999);
  const auto many = WinampEqf::ReadEqf(huge, 20);
  EXPECT_EQ(many.problem, WinampEqf::ReadResult::None);
  EXPECT_EQ(many.entryCount, 10000);
  EXPECT_EQ(many.presets.size(), 20u);
}

}  // namespace
