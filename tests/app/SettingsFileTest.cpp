#include <gtest/gtest.h>

#include "app/SettingsFile.h"
#include "platform/ui/ProgramFolder.h"

namespace {

QStringList DefaultLines() { return SettingsToLines(DefaultSavedSettings("/opt/solvane/")); }

}  // namespace

TEST(SavedSettings, DefaultFileLineByLine) {
  QStringList expected{"[Deck Variables]", "[Skin To Load On StartUp]", "/opt/solvane/skins",
                       "Default", PlatformUi::DefaultLastFolder(), "False", "False", "81", "143",
                       "[Deck Buttons Positions]", "50", "78", "False", "False", "0", "0", "0",
                       "[EQ Variables]", "True", "381", "143", "[EQ Buttons Positions]"};
  for (int i = 0; i < 11; ++i) expected << "50";
  expected << "0" << "True" << "False" << "False" << "[PL Variables]" << "True" << "81" << "273"
           << "600" << "166" << "[doFullSongFileName]" << "[Window Options]" << "False" << "True"
           << "False" << "True" << "[Playback Options]" << "True" << "0" << "0";
  EXPECT_EQ(DefaultLines(), expected);
  EXPECT_EQ(expected.size(), kWrittenSettingsLineCount);
}

TEST(SavedSettings, EveryFieldSurvivesARoundTrip) {
  SavedSettings s = DefaultSavedSettings("/p/");
  s.SavedSkinsFolder = "/home/u/skins";
  s.SavedSkinName = "Night Blue";
  s.SavedLastFolder = "/home/u/Music/Jazz";
  s.AlwaysOnTop = true;
  s.UseFreedbSupport = true;
  s.DeckLeft = -20;
  s.DeckTop = 1500;
  s.SavedBalance = 12;
  s.SavedVolume = 100;
  s.RepeatOn = true;
  s.ShuffleOn = true;
  s.SavedTimeDisplayMode = 1;
  s.SavedArtistScrollMode = 1;
  s.SavedTitleScrollMode = 0;
  s.EQVisible = false;
  s.EQLeft = 7;
  s.EQTop = 8;
  for (int i = 0; i < 11; ++i) s.SavedEQSliders[i] = static_cast<int16_t>(i * 10);
  s.SavedVisualEffectsMode = 2;
  s.SavedLevelMeterOn = false;
  s.SavedEQOn = true;
  s.SavedEQAuto = true;
  s.PLVisible = false;
  s.PLLeft = 1;
  s.PLTop = 2;
  s.PLWidth = 450;
  s.PLHeight = 291;
  s.SavedPLDisplayOptions = GeneralFunctions::doSongArtistTitle | GeneralFunctions::doHideCounter;
  s.DoubleSize = true;
  s.ReadTitlesFromTags = false;
  s.AddFoldersWithSubfolders = true;
  s.SkipUnplayableSongs = false;
  s.GaplessPlayback = false;
  s.ReplayGainMode = 2;
  s.ReplayGainPreAmpDb = -6;

  const auto back = SettingsFromLines(SettingsToLines(s));
  ASSERT_TRUE(back);
  EXPECT_EQ(SettingsToLines(*back), SettingsToLines(s));
  // Preamp first, then bands 1 to 10, each on its own line.
  const QStringList lines = SettingsToLines(s);
  EXPECT_EQ(lines[22], "0");
  EXPECT_EQ(lines[23], "10");
  EXPECT_EQ(lines[32], "100");
  EXPECT_EQ(lines[43], "[doSongArtistTitle][doHideCounter]");
  EXPECT_EQ(lines[45], "True");
  EXPECT_EQ(lines[46], "False");
  EXPECT_EQ(lines[47], "True");
  EXPECT_EQ(lines.mid(50), QStringList({"False", "2", "-6"}));
}

TEST(SavedSettings, BooleansReadInAnyCaseOrAsNumbers) {
  for (const char* truth : {"True", "TRUE", "true", "tRuE", "1", "-1", "7"}) {
    EXPECT_EQ(ParseSettingsBoolean(truth), std::optional<bool>(true)) << truth;
  }
  for (const char* falsehood : {"False", "FALSE", "false", "0"}) {
    EXPECT_EQ(ParseSettingsBoolean(falsehood), std::optional<bool>(false)) << falsehood;
  }
  for (const char* junk : {"", "yes", "T", "1.5"}) {
    EXPECT_FALSE(ParseSettingsBoolean(junk)) << junk;
  }
}

TEST(SavedSettings, HeaderLinesAreNeverRead) {
  QStringList lines = DefaultLines();
  lines[5] = "true";
  for (int header : {0, 1, 9, 17, 21, 37}) lines[header] = header % 2 ? "" : "anything at all";
  const auto parsed = SettingsFromLines(lines);
  ASSERT_TRUE(parsed);
  EXPECT_TRUE(parsed->AlwaysOnTop);
  EXPECT_EQ(parsed->DeckLeft, 81);
}

TEST(SavedSettings, ShortOrUnconvertibleFilesAreRejectedWhole) {
  QStringList lines = DefaultLines();
  EXPECT_FALSE(SettingsFromLines(lines.mid(0, 43)));
  EXPECT_FALSE(SettingsFromLines({}));

  QStringList badNumber = lines;
  badNumber[7] = "eighty";
  EXPECT_FALSE(SettingsFromLines(badNumber));

  QStringList badBoolean = lines;
  badBoolean[38] = "maybe";
  EXPECT_FALSE(SettingsFromLines(badBoolean));

  // Extra lines after the known ones do no harm.
  QStringList longer = lines;
  longer << "extra";
  EXPECT_TRUE(SettingsFromLines(longer));
}

// A file of an older build (44 lines) reads with the later options at their
// defaults, as does one whose later lines do not convert; an older build
// reads the first 44 lines of a new file, which keep their old meaning.
TEST(SavedSettings, FilesOfOlderAndNewerBuildsReadBothWays) {
  SavedSettings s = DefaultSavedSettings("/p/");
  s.DoubleSize = true;
  s.PLHeight = 300;
  s.ReadTitlesFromTags = false;
  s.AddFoldersWithSubfolders = true;
  s.SkipUnplayableSongs = false;
  s.GaplessPlayback = false;
  s.ReplayGainMode = 1;
  s.ReplayGainPreAmpDb = 3;
  const QStringList lines = SettingsToLines(s);
  const auto older = SettingsFromLines(lines.mid(0, kSettingsLineCount));
  ASSERT_TRUE(older);
  EXPECT_FALSE(older->DoubleSize);
  EXPECT_TRUE(older->ReadTitlesFromTags);
  EXPECT_FALSE(older->AddFoldersWithSubfolders);
  EXPECT_TRUE(older->SkipUnplayableSongs);
  EXPECT_TRUE(older->GaplessPlayback);
  EXPECT_EQ(older->ReplayGainMode, 0);
  EXPECT_EQ(older->ReplayGainPreAmpDb, 0);
  EXPECT_EQ(older->PLHeight, 300);
  QStringList junk = lines;
  junk[45] = "perhaps";
  junk[46] = "";
  junk[47] = "sometimes";
  junk[48] = "skip";
  junk[50] = "perhaps";
  junk[51] = "3";     // no such mode
  junk[52] = "-99";   // beyond the pre-amp's range
  ASSERT_TRUE(SettingsFromLines(junk));
  EXPECT_TRUE(SettingsFromLines(junk)->SkipUnplayableSongs);
  EXPECT_FALSE(SettingsFromLines(lines)->SkipUnplayableSongs);
  EXPECT_TRUE(SettingsFromLines(junk)->GaplessPlayback);
  EXPECT_EQ(SettingsFromLines(junk)->ReplayGainMode, 0);
  EXPECT_EQ(SettingsFromLines(junk)->ReplayGainPreAmpDb, 0);
  EXPECT_FALSE(SettingsFromLines(junk)->DoubleSize);
  EXPECT_TRUE(SettingsFromLines(junk)->ReadTitlesFromTags);
  EXPECT_FALSE(SettingsFromLines(junk)->AddFoldersWithSubfolders);
  EXPECT_TRUE(SettingsFromLines(lines)->DoubleSize);
  EXPECT_FALSE(SettingsFromLines(lines)->ReadTitlesFromTags);
  EXPECT_TRUE(SettingsFromLines(lines)->AddFoldersWithSubfolders);
  EXPECT_FALSE(SettingsFromLines(lines)->GaplessPlayback);
  EXPECT_EQ(SettingsFromLines(lines)->ReplayGainMode, 1);
  EXPECT_EQ(SettingsFromLines(lines)->ReplayGainPreAmpDb, 3);
}

TEST(SavedSettings, ModesAndSliderValuesAreClampedToTheirRange) {
  QStringList lines = DefaultLines();
  lines[14] = "5";     // time display mode
  lines[15] = "-3";    // artist scroll mode
  lines[16] = "300";   // title scroll mode
  lines[10] = "250";   // balance
  lines[11] = "-1";    // volume
  lines[22] = "101";   // preamp
  lines[33] = "9";     // visual-effects mode
  const auto parsed = SettingsFromLines(lines);
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->SavedTimeDisplayMode, 1);
  EXPECT_EQ(parsed->SavedArtistScrollMode, 0);
  EXPECT_EQ(parsed->SavedTitleScrollMode, 1);
  EXPECT_EQ(parsed->SavedBalance, 100);
  EXPECT_EQ(parsed->SavedVolume, 0);
  EXPECT_EQ(parsed->SavedEQSliders[0], 100);
  EXPECT_EQ(parsed->SavedVisualEffectsMode, 3);
}
