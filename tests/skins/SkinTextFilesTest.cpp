#include <QDir>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/SkinLoading.h"
#include "skins/SkinTextFiles.h"
#include "support/TestEnvironment.h"

using namespace SkinUnit;

namespace {

PlaylistColourSettings Apply(const QStringList& lines) {
  PlaylistColourSettings colours;
  for (const QString& line : lines) ApplyPlaylistColourLine(line, colours);
  return colours;
}

TEST(PlaylistColoursTest, KeysAndDigitsMatchInAnyCase) {
  const auto colours = Apply({"normal=#00ff00", "Current=#FF8000", "SelectedBG=#0000C6"});
  EXPECT_EQ(colours.Normal, QColor(0, 255, 0));
  EXPECT_EQ(colours.Current, QColor(255, 128, 0));
  EXPECT_EQ(colours.SelectedBG, QColor(0, 0, 198));
}

TEST(PlaylistColoursTest, BackgroundKeyDoesNotSetTheTextColour) {
  const PlaylistColourSettings defaults;
  const auto colours = Apply({"NormalBG=#102030"});
  EXPECT_EQ(colours.NormalBG, QColor(0x10, 0x20, 0x30));
  EXPECT_EQ(colours.Normal, defaults.Normal);
}

TEST(PlaylistColoursTest, FontNamesAreCapitalisedAndLaterLinesWin) {
  auto colours = Apply({"Font=Arial Narrow", "MbBG=#123456", "mbfg=#654321", "Normal=#010101",
                        "Normal=#020202"});
  EXPECT_EQ(colours.FontName, "ARIAL NARROW");
  EXPECT_EQ(colours.Normal, QColor(2, 2, 2));
  colours = Apply({"Font=", "Font=ABCDEFGHIJKLMNOPQRSTUVWXYZ"});
  EXPECT_EQ(colours.FontName, "ABCDEFGHIJKLMNOPQRST");
}

TEST(PlaylistColoursTest, UnreadableColoursLeaveTheValue) {
  const PlaylistColourSettings defaults;
  const auto colours = Apply({"Normal=#GG0000", "Current=#12", "NormalBG=", "SelectedBG=#-12345",
                              QString(5000, u'#'), "\x01\x02NORMAL=\xff"});
  EXPECT_EQ(colours.Normal, defaults.Normal);
  EXPECT_EQ(colours.Current, defaults.Current);
  EXPECT_EQ(colours.NormalBG, defaults.NormalBG);
  EXPECT_EQ(colours.SelectedBG, defaults.SelectedBG);
}

TEST(PlaylistColoursTest, MissingFileFallsBackToTheDefaultSkin) {
  const QString skin = TestSupport::ProgramFolder() + "skin";
  const QString fallback = TestSupport::ProgramFolder() + "default";
  QDir().mkpath(skin);
  QDir().mkpath(fallback);
  SkinTests::WriteBytes(fallback + "/PLEDIT.TXT", "[Text]\r\nNormalBG=#0A0B0C\r\n");
  SkinFileSource files(skin, fallback);
  ReadPlaylistColours(files, "pledit.txt");
  EXPECT_EQ(PlaylistColours.NormalBG, QColor(10, 11, 12));
  EXPECT_TRUE(files.Missing().isEmpty());
}

TEST(VisColoursTest, LinesInOrderWithCommentsAndBlanks) {
  QStringList lines = {"0,0,0, // background", "24,33,41, // grid"};
  for (int i = 0; i < 16; ++i) lines << QString("%1,%2,0,").arg(i).arg(200 + i);
  lines << "1 2 3" << "x" << "y" << "z" << "w" << "ignored";
  const auto colours = ParseVisColours(lines);
  EXPECT_EQ(colours.Background, QColor(0, 0, 0));
  EXPECT_EQ(colours.Grid, QColor(24, 33, 41));
  EXPECT_EQ(colours.Levels[15], QColor(0, 200, 0));
  EXPECT_EQ(colours.Levels[0], QColor(15, 215, 0));
}

TEST(VisColoursTest, SeparatorsAndOversizedNumbers) {
  const auto colours = ParseVisColours({"10\t20\t30", "2550,0,99", "1 , 2 , 3"});
  EXPECT_EQ(colours.Background, QColor(10, 20, 30));
  EXPECT_EQ(colours.Grid, QColor(255, 0, 99));
  EXPECT_EQ(colours.Levels[15], QColor(1, 2, 3));
}

TEST(VisColoursTest, GarbageAndShortFilesKeepTheDefaults) {
  const VisColourSettings defaults;
  const auto colours = ParseVisColours({"red,green,blue", "12,34", "", "99999999999,1,1"});
  EXPECT_EQ(colours.Background, defaults.Background);
  EXPECT_EQ(colours.Grid, defaults.Grid);
  EXPECT_EQ(colours.Levels[15], defaults.Levels[15]);
  EXPECT_EQ(colours.Levels[14], defaults.Levels[14]);
  EXPECT_EQ(colours.Levels[0], defaults.Levels[0]);
}

// A skin's colour file that is empty, short or unreadable takes each missing
// or unreadable line from the base skin's file, not from the built-in colours.
TEST(VisColoursTest, EachUnreadableLineOfASkinTakesTheBaseSkinsColour) {
  const QString skin = TestSupport::ProgramFolder() + "vis-skin";
  const QString base = TestSupport::ProgramFolder() + "vis-base";
  QDir().mkpath(skin);
  QDir().mkpath(base);
  QByteArray baseFile;
  for (int line = 1; line <= 24; ++line) baseFile += QByteArray::number(line) + ",0,0\r\n";
  SkinTests::WriteBytes(base + "/viscolor.txt", baseFile);
  const struct {
    QByteArray file;
    int firstOwnLine, lastOwnLine;  // lines (from 1) that keep the skin's own colour
  } cases[] = {
      {"", 0, -1},
      {"0,0,200\r\n0,0,201\r\n0,0,202\r\n", 1, 3},
      {"red,green,blue\r\nthe background\r\n\xff\xfe", 0, -1},
      {"0,0,200\r\n99999999999,1,1\r\n0,0,202", 1, 1},
  };
  for (const auto& test : cases) {
    SkinTests::WriteBytes(skin + "/VISCOLOR.TXT", test.file);
    SkinFileSource files(skin, base);
    ReadVisColours(files);
    const QColor background = VisColours.Background;
    const QColor peak = VisColours.Peak;
    EXPECT_EQ(background, test.firstOwnLine == 1 ? QColor(0, 0, 200) : QColor(1, 0, 0)) << test.file.constData();
    EXPECT_EQ(VisColours.Grid, test.lastOwnLine >= 2 ? QColor(0, 0, 201) : QColor(2, 0, 0)) << test.file.constData();
    EXPECT_EQ(VisColours.Scope[0], QColor(19, 0, 0));
    EXPECT_EQ(peak, QColor(24, 0, 0));
  }
}

}  // namespace
