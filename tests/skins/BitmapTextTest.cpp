#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/BitmapText.h"
#include "skins/ScrollingText.h"
#include "support/TestEnvironment.h"

using namespace GeneralFunctions;
using SkinTests::CellsAt;

namespace {

constexpr int kCell = 4;

// x of every cell from 0 in steps of the cell width (plus a pixel inside it).
std::vector<int> CellColumns(int count, int step = kCell) {
  std::vector<int> xs;
  for (int i = 0; i < count; ++i) xs.push_back(i * step + 1);
  return xs;
}

class BitmapTextTest : public testing::Test {
 protected:
  void SetUp() override {
    box.resize(400, 4);
    SkinIsWinamp = 0;
  }
  void TearDown() override { SkinIsWinamp = 0; }
  std::vector<int> Drawn(int count, int step = kCell) {
    return CellsAt(box.Canvas(), CellColumns(count, step));
  }
  PlatformUi::PaintBox box;
  PlatformUi::ImageList font = SkinTests::NumberedSprites(95, kCell, 4);
};

TEST_F(BitmapTextTest, OwnFontMapsCharacterCodesInOrder) {
  SkinIsWinamp = 0;
  EXPECT_EQ(CharacterCell(u' '), 0);
  EXPECT_EQ(CharacterCell(u'A'), 33);
  EXPECT_EQ(CharacterCell(u'a'), 65);
  EXPECT_EQ(CharacterCell(u'~'), 94);
  EXPECT_EQ(CharacterCell(u'@'), 32);
}

TEST_F(BitmapTextTest, WinampFontFoldsCaseAndMapsPunctuation) {
  SkinIsWinamp = 1;
  const std::pair<char16_t, int> expected[] = {
      {u'A', 0},  {u'z', 25}, {u'"', 26}, {u'@', 27}, {u' ', 30}, {u'_', 30}, {u'~', 30},
      {u'0', 31}, {u'9', 40}, {u'.', 42}, {u':', 43}, {u'(', 44}, {u')', 45}, {u'-', 46},
      {u'\'', 47}, {u'!', 48}, {u'+', 50}, {u'\\', 51}, {u'/', 52}, {u'[', 53}, {u']', 54},
      {u'^', 55}, {u'&', 56}, {u'%', 57}, {u',', 58}, {u'=', 59}, {u'$', 60}, {u'#', 61},
      {u'*', 66}, {u'?', 30}, {0x00E9, 30}};
  for (const auto& [character, cell] : expected)
    EXPECT_EQ(CharacterCell(QChar(character)), cell) << char(character);
}

TEST_F(BitmapTextTest, DrawsExactlyTheCellsAskedFor) {
  DrawBitmapText(QStringLiteral("ABCDEFG"), 3, 0, 0, font, box);
  EXPECT_EQ(Drawn(4), (std::vector<int>{33, 34, 35, -1}));

  // A shorter text over a longer one: the rest becomes spaces.
  DrawBitmapText(QStringLiteral("Z"), 3, 0, 0, font, box);
  EXPECT_EQ(Drawn(3), (std::vector<int>{58, 0, 0}));
}

TEST_F(BitmapTextTest, WinampAtSignTakesTwoCells) {
  SkinIsWinamp = 1;
  DrawBitmapText(QStringLiteral("A@B"), 3, 0, 0, font, box);
  EXPECT_EQ(Drawn(5), (std::vector<int>{0, 27, 28, 1, -1}));
}

TEST_F(BitmapTextTest, NumberTextPadsAndSkipsBlanksUnlessShown) {
  PlatformUi::ImageList numbers = SkinTests::NumberedSprites(14, kCell, 4);
  DrawNumberText(QStringLiteral("7"), 2, 0, 0, 0, numbers, box, true);
  EXPECT_EQ(Drawn(2), (std::vector<int>{10, 7}));

  PlatformUi::PaintBox fresh;
  fresh.resize(100, 4);
  DrawNumberText(QStringLiteral("7"), 2, 0, 0, 0, numbers, fresh, false);
  EXPECT_EQ(CellsAt(fresh.Canvas(), CellColumns(2)), (std::vector<int>{-1, 7}));
}

TEST_F(BitmapTextTest, NumberTextGapAndColon) {
  PlatformUi::ImageList numbers = SkinTests::NumberedSprites(14, kCell, 4);
  // Cells advance by width + gap; a colon draws nothing and takes width - gap.
  DrawNumberText(QStringLiteral("-1:2+"), 0, 3, 0, 0, numbers, box, false);
  const int step = kCell + 3;
  EXPECT_EQ(CellsAt(box.Canvas(), {1, step + 1, 2 * step + kCell - 3 + 1,
                                   3 * step + kCell - 3 + 1}),
            (std::vector<int>{11, 1, 2, 10}));
  EXPECT_EQ(CellsAt(box.Canvas(), {2 * step - 2}), (std::vector<int>{-1}));
}

TEST_F(BitmapTextTest, TimeTextDrawsTheColonAndSkipsQuestionMarks) {
  PlatformUi::ImageList numbers = SkinTests::NumberedSprites(14, kCell, 4);
  DrawTimeText(QStringLiteral("+05:3?"), 6, 0, 0, 0, numbers, box, false);
  EXPECT_EQ(Drawn(7), (std::vector<int>{10, 0, 5, 13, 3, -1, -1}));
}

// The shown part of a scrolling line after each of `ticks` steps.
std::vector<QString> Frames(ScrollingTextRecord& record, const ScrollWindowSettings& window,
                            int ticks, PlatformUi::PaintBox& box,
                            const PlatformUi::ImageList& font) {
  std::vector<QString> frames;
  for (int i = 0; i < ticks; ++i) {
    StepScrollingText(record, 0, 0, window, box, font);
    frames.push_back(record.ShownText.leftJustified(window.WidthInChars).left(window.WidthInChars));
  }
  return frames;
}

const QString kWelcome = QStringLiteral("Welcome to Solvane Audio Player v1.1");

TEST_F(BitmapTextTest, RunningTextEntersRightLeavesLeftAndRepeats) {
  ScrollingTextRecord record{kWelcome, {}, 0, 1};
  const ScrollWindowSettings window{28, 0};
  const auto frames = Frames(record, window, 66, box, font);
  EXPECT_EQ(frames[0], QString(27, u' ') + "W");
  EXPECT_EQ(frames[1], QString(26, u' ') + "We");
  EXPECT_EQ(frames[35], kWelcome.mid(8, 28));
  EXPECT_EQ(frames[63], QString(28, u' '));
  EXPECT_EQ(frames[64], frames[0]);
  EXPECT_EQ(frames[65], frames[1]);
  // The canvas shows the frame: 27 blanks (cell 0) and "e" of "We" at the end.
  EXPECT_EQ(CellsAt(box.Canvas(), {27 * kCell + 1})[0], CharacterCell(u'e'));
}

TEST_F(BitmapTextTest, BouncingLongTextGoesLeftThenRightEverySixteenTicks) {
  ScrollingTextRecord record{kWelcome, {}, 0, 1};
  const ScrollWindowSettings window{28, 1};
  const auto frames = Frames(record, window, 34, box, font);
  for (int tick = 1; tick <= 8; ++tick) EXPECT_EQ(frames[tick - 1], kWelcome.mid(tick, 28)) << tick;
  for (int tick = 9; tick <= 16; ++tick)
    EXPECT_EQ(frames[tick - 1], kWelcome.mid(16 - tick, 28)) << tick;
  for (int tick = 17; tick <= 34; ++tick) EXPECT_EQ(frames[tick - 1], frames[tick - 17]) << tick;
}

TEST_F(BitmapTextTest, BouncingShortTextWalksRightAndBackEveryTwelveTicks) {
  ScrollingTextRecord record{QStringLiteral("Solv"), {}, 0, 1};
  const ScrollWindowSettings window{10, 1};
  const auto frames = Frames(record, window, 26, box, font);
  const auto at = [](int cell) { return (QString(cell, u' ') + "Solv").leftJustified(10); };
  for (int tick = 1; tick <= 7; ++tick) EXPECT_EQ(frames[tick - 1], at(tick - 1)) << tick;
  for (int tick = 8; tick <= 13; ++tick) EXPECT_EQ(frames[tick - 1], at(13 - tick)) << tick;
  for (int tick = 13; tick <= 26; ++tick) EXPECT_EQ(frames[tick - 1], frames[tick - 13]) << tick;
}

TEST_F(BitmapTextTest, BouncingTextOfWindowWidthStandsStill) {
  ScrollingTextRecord record{QStringLiteral("0123456789"), {}, 0, 1};
  const auto frames = Frames(record, ScrollWindowSettings{10, 1}, 5, box, font);
  for (const QString& frame : frames) EXPECT_EQ(frame, "0123456789");
}

TEST_F(BitmapTextTest, EmptyTextsAndZeroWidthWindowsShowNothing) {
  for (const uint8_t mode : {0, 1}) {
    SCOPED_TRACE(int(mode));
    ScrollingTextRecord empty{{}, {}, 0, 1};
    for (const QString& frame : Frames(empty, ScrollWindowSettings{5, mode}, 20, box, font)) {
      EXPECT_EQ(frame, QString(5, u' '));
    }
    ScrollingTextRecord text{QStringLiteral("abc"), {}, 0, 1};
    const QImage before = box.Canvas();
    for (int tick = 0; tick < 20; ++tick) StepScrollingText(text, 0, 0, ScrollWindowSettings{0, mode}, box, font);
    EXPECT_EQ(box.Canvas(), before) << "a window without width draws nothing";
  }
}

}  // namespace
