#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "SkinWindows.h"
#include "skins/BitmapText.h"
#include "skins/SkinTextFiles.h"
#include "skins/SkinUnit.h"
#include "skins/WinampSkinLoader.h"
#include "support/TestEnvironment.h"

using SkinTests::Pixel;

namespace {

QRgb At(const QImage& image, int x = 0, int y = 0) { return image.pixel(x, y); }
const QRgb kBlank = qRgb(0, 0, 0);

// The three windows' controls on their own, loaded from a generated Winamp skin.
class WinampSkinTest : public testing::Test, public SkinTests::SkinWindows {
 protected:
  void SetUp() override {
    SkinUnit::DefaultSkinPath = TestSupport::ProgramFolder() + "skins/Default";
    skin = TestSupport::ProgramFolder() + "skins/Classic";
  }
  void Load(const QString& folder) { SkinUnit::LoadWinampSkin(folder, deck, eq, pl); }
  void Remove(const QString& name) { QFile::remove(skin + "/" + name); }

  QString skin;
};

TEST_F(WinampSkinTest, DeckSpritesComeFromTheirRectangles) {
  SkinTests::WriteWinampSkin(skin);
  Load(skin);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  EXPECT_EQ(deck.MainImage->Picture().size(), QSize(275, 116));
  EXPECT_EQ(At(deck.MainImage->Picture(), 274, 115), Pixel(274, 115));
  EXPECT_EQ(At(deck.TitleBarImageList.Sprite(0), 273, 13), Pixel(300, 13));
  EXPECT_EQ(At(deck.TitleBarImageList.Sprite(1)), Pixel(27, 15));
  // The title bar's eight buttons, then the windowshade strip's unroll button.
  ASSERT_EQ(deck.TitleBarButtonsImageList.Count(), 10);
  EXPECT_EQ(At(deck.TitleBarButtonsImageList.Sprite(7)), Pixel(9, 18));
  EXPECT_EQ(At(deck.TitleBarButtonsImageList.Sprite(8)), Pixel(0, 27));
  EXPECT_EQ(At(deck.ShadeImageList.Sprite(1), 274, 13), Pixel(301, 55));
  EXPECT_EQ(At(deck.ShadePosThumbImageList.Sprite(2)), Pixel(26, 36));
  EXPECT_EQ(At(deck.ToggleWindowButton->Picture()), Pixel(0, 18));
  EXPECT_EQ(At(deck.CloseWindowButton->Picture()), Pixel(18, 0));

  ASSERT_EQ(deck.PlayerMainButtonsImageList.Count(), 12);
  EXPECT_EQ(At(deck.PlayerMainButtonsImageList.Sprite(3)), Pixel(23, 18));
  EXPECT_EQ(At(deck.PlayerMainButtonsImageList.Sprite(11)), Pixel(115, 16));
  EXPECT_EQ(At(deck.PlayerMainButtonsImageList.Sprite(10), 20, 0), kBlank);  // eject is 20 x 16
  EXPECT_EQ(At(deck.RepeatButtonImageList.Sprite(3)), Pixel(0, 45));
  EXPECT_EQ(At(deck.ShuffleButtonImageList.Sprite(2)), Pixel(28, 30));
  EXPECT_EQ(At(deck.EQPLButtonImageList.Sprite(1)), Pixel(46, 61));
  EXPECT_EQ(At(deck.EQPLButtonImageList.Sprite(7)), Pixel(69, 73));
  EXPECT_EQ(At(deck.PlaylistButton->Picture()), Pixel(23, 61));

  ASSERT_EQ(deck.VolumeImageList.Count(), 28);
  EXPECT_EQ(At(deck.VolumeImageList.Sprite(27)), Pixel(0, 405));
  EXPECT_EQ(At(deck.VolumeImage->Picture()), Pixel(0, 315));
  EXPECT_EQ(At(deck.VolumeButtonImageList.Sprite(1), 13, 10), Pixel(28, 432));
  ASSERT_EQ(deck.BalanceImageList.Count(), 28);
  EXPECT_EQ(At(deck.BalanceImageList.Sprite(27)), Pixel(9, 405));
  EXPECT_EQ(At(deck.BalanceButtonImageList.Sprite(0)), Pixel(0, 422));
  EXPECT_EQ(At(deck.PosBarImageList.Sprite(0), 247, 9), Pixel(247, 9));
  EXPECT_EQ(At(deck.PosBarButtonImageList.Sprite(1)), Pixel(278, 0));
  EXPECT_EQ(At(deck.MonoStereoButtonImageList.Sprite(2)), Pixel(29, 0));
  EXPECT_EQ(At(deck.MonoStereoButtonImageList.Sprite(2), 27, 0), kBlank);  // mono is 27 wide
  EXPECT_EQ(At(deck.StereoButton->Picture()), Pixel(0, 12));
  EXPECT_EQ(At(deck.MonoButton->Picture()), Pixel(29, 12));
  EXPECT_EQ(At(deck.PlayPauseStateImageList.Sprite(3)), Pixel(27, 0));
  EXPECT_EQ(At(deck.TransmissionImageList.Sprite(1)), Pixel(39, 0));
  ASSERT_EQ(deck.FontSmallImageList.Count(), 93);
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(40)), Pixel(45, 6));
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(92)), Pixel(150, 12));
  ASSERT_EQ(deck.NumbersImageList.Count(), 12);
  EXPECT_EQ(At(deck.NumbersImageList.Sprite(11)), Pixel(99, 0));  // nums_ex has its own minus
  EXPECT_EQ(GeneralFunctions::SkinIsWinamp, 1);
}

TEST_F(WinampSkinTest, EqualizerAndPlaylistSpritesComeFromTheirRectangles) {
  SkinTests::WriteWinampSkin(skin);
  Load(skin);

  EXPECT_EQ(At(eq.EQMainImage->Picture(), 274, 115), Pixel(274, 115));
  EXPECT_EQ(At(eq.EQTitleBarButtonsImageList.Sprite(3)), Pixel(0, 125));
  EXPECT_EQ(At(eq.EQCloseWindowButton->Picture()), Pixel(0, 116));
  EXPECT_EQ(At(eq.EQOnButtonImageList.Sprite(2)), Pixel(69, 119));
  EXPECT_EQ(At(eq.EQAutoButtonImageList.Sprite(3)), Pixel(212, 119));
  EXPECT_EQ(At(eq.EQTitleBarImageList.Sprite(1)), Pixel(0, 149));
  EXPECT_EQ(At(eq.EQBandButtonImageList.Sprite(1)), Pixel(0, 176));
  ASSERT_EQ(eq.EQBandsImageList.Count(), 28);
  EXPECT_EQ(At(eq.EQBandsImageList.Sprite(13)), Pixel(208, 164));
  EXPECT_EQ(At(eq.EQBandsImageList.Sprite(27), 13, 62), Pixel(221, 291));
  EXPECT_EQ(At(eq.EQPreAmpImage->Picture()), Pixel(13, 164));
  EXPECT_EQ(At(eq.EQBandImage10->Picture()), Pixel(163, 164));
  EXPECT_EQ(At(eq.EQPresetsButtonImageList.Sprite(1)), Pixel(224, 176));
  EXPECT_EQ(At(eq.EQDiagramImageList.Sprite(1)), Pixel(0, 294));
  EXPECT_EQ(At(eq.EQDiagramPreAmpLine->Picture(), 112, 0), Pixel(112, 314));

  EXPECT_EQ(At(pl.PLShadeImageList.Sprite(1)), Pixel(72, 57));
  EXPECT_EQ(At(pl.PLShadeImageList.Sprite(3), 49, 13), Pixel(148, 70));
  ASSERT_EQ(pl.PLTitleBarButtonsImageList.Count(), 4);
  EXPECT_EQ(At(pl.PLCloseWindowButton->Picture()), Pixel(167, 3));
  ASSERT_EQ(pl.PLMenuButtonsImageList.Count(), 32);
  EXPECT_EQ(At(pl.PLMenuButtonsImageList.Sprite(13)), Pixel(77, 168));
  EXPECT_EQ(At(pl.PLMenuButtonsImageList.Sprite(31)), Pixel(227, 149));
  EXPECT_EQ(At(pl.PLMenu2Button4->Picture()), Pixel(54, 168));
  EXPECT_EQ(At(pl.PLMenu5Image->Picture(), 2, 53), Pixel(252, 164));
  EXPECT_EQ(At(pl.ToggleMenu5Button->Picture()), Pixel(232, 80));
  EXPECT_EQ(At(pl.PLBottomRightImage->Picture()), Pixel(126, 72));

  EXPECT_EQ(SkinUnit::PlaylistColours.Normal, QColor(0, 255, 0));
  EXPECT_EQ(SkinUnit::VisColours.Background, QColor(0, 0, 0));
  EXPECT_EQ(SkinUnit::VisColours.Levels[15], QColor(2, 0, 0));
}

TEST_F(WinampSkinTest, LayoutSlidersAndWindowSizes) {
  SkinTests::WriteWinampSkin(skin);
  Load(skin);
  EXPECT_EQ(deck.VolumeButton->geometry(), QRect(150, 58, 14, 11));
  EXPECT_EQ(deck.ShuffleButton->geometry(), QRect(164, 90, 47, 15));
  EXPECT_EQ(deck.SongArtistWindow->geometry(), QRect(111, 27, 155, 6));
  EXPECT_EQ(eq.EQBandButton10->geometry(), QRect(241, 64, 11, 11));
  EXPECT_EQ(eq.EQDiagramImageCanvas->geometry(), QRect(86, 17, 113, 19));
  EXPECT_EQ(pl.ToggleMenu1Button->geometry(), QRect(14, 8, 22, 18));
  EXPECT_EQ(pl.PLMenu2Panel->size(), QSize(25, 72));
  EXPECT_EQ(pl.PLCloseWindowButton->x(), pl.PLTitleBarRightImage->x() + 14);
  EXPECT_EQ(pl.PLMinimumSize, QSize(275, 116));
  EXPECT_EQ(deckWindow.size(), QSize(275, 116));
  EXPECT_EQ(eqWindow.size(), QSize(275, 116));
  EXPECT_TRUE(deck.SongTitleWindow->isHidden());
  EXPECT_TRUE(eq.EQVolLevelCanvas->isHidden());
  EXPECT_TRUE(pl.PLMainMenuButton->isHidden());

  const auto& volume = deck.VolumeSliderRecord;
  EXPECT_EQ(std::tuple(volume.ButtonLeft, volume.CrossOffset, volume.HighestSpriteIndex, volume.Value,
                       volume.SpriteIndex),
            std::tuple(150, -12, 27, 78, 21));
  EXPECT_EQ(deck.BalanceSliderRecord.ButtonLeft, 189);
  EXPECT_EQ(deck.PositionSliderRecord.CrossOffset, -10);
  EXPECT_EQ(eq.BandSliderRecords[9].ButtonTop, 64);
  EXPECT_EQ(eq.EQDiagramStep, 12);
}

TEST_F(WinampSkinTest, NumbersWithoutMinusGetOnePaintedFromTheDigitTwo) {
  SkinTests::WriteWinampSkin(skin);
  Remove("nums_ex.bmp");
  Load(skin);
  ASSERT_EQ(deck.NumbersImageList.Count(), 12);
  const QImage minus = deck.NumbersImageList.Sprite(11);
  EXPECT_EQ(At(minus, 2, 6), Pixel(20, 6));
  EXPECT_EQ(At(minus, 6, 6), Pixel(24, 6));
  EXPECT_EQ(At(minus, 1, 6), Pixel(91, 6));
  EXPECT_EQ(At(deck.NumbersImageList.Sprite(10), 2, 6), Pixel(92, 6));  // the blank stays blank
}

// Sloppy skins: names in capitals, files missing (taken from the base skin,
// balance from volume), a PNG for a BMP, 8-bit and RLE8 bitmaps, a bitmap
// smaller than its rectangles.
TEST_F(WinampSkinTest, SloppySkinsAreReadAsUsersExpect) {
  SkinTests::WriteWinampSkin(SkinUnit::WinampBaseSkinPath(), 1);
  SkinTests::WriteWinampSkin(skin, 2, true);
  Remove("EQMAIN.BMP");
  Remove("BALANCE.BMP");
  Remove("CBUTTONS.BMP");
  QImage png(136, 36, QImage::Format_RGB32);
  png.fill(qRgb(10, 20, 30));
  png.save(skin + "/CButtons.png", "PNG");
  SkinTests::WriteBytes(skin + "/TITLEBAR.BMP", SkinTests::EightBitBitmap(344, 87, true));
  SkinTests::WriteBytes(skin + "/POSBAR.BMP", SkinTests::EightBitBitmap(307, 10, false));
  SkinTests::WritePatternBitmap(skin + "/MONOSTER.BMP", 10, 10, 2);
  Load(skin);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  EXPECT_EQ(At(deck.MainImage->Picture()), Pixel(0, 0, 2));
  EXPECT_EQ(At(eq.EQMainImage->Picture()), Pixel(0, 0, 1));
  EXPECT_EQ(At(deck.BalanceImageList.Sprite(0)), Pixel(9, 0, 2));
  EXPECT_EQ(At(deck.PlayButton->Picture()), qRgb(10, 20, 30));
  EXPECT_EQ(At(deck.TitleBarImageList.Sprite(1)), SkinTests::PaletteColour(27 + 2 * 15));
  EXPECT_EQ(At(deck.PosBarImageList.Sprite(0), 5, 3), SkinTests::PaletteColour(11));
  EXPECT_EQ(At(deck.MonoStereoButtonImageList.Sprite(0), 9, 9), Pixel(9, 9, 2));
  EXPECT_EQ(At(deck.StereoButton->Picture()), kBlank);
  EXPECT_EQ(SkinUnit::PlaylistColours.Normal, QColor(0, 255, 2));
}

TEST_F(WinampSkinTest, FileMissingEverywhereIsNamedAndTheRestLoads) {
  SkinTests::WriteWinampSkin(skin);
  Remove("monoster.bmp");
  Load(skin);
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown[0].text.contains("monoster.bmp"));
  EXPECT_EQ(At(pl.ToggleMenu5Button->Picture()), Pixel(232, 80));
}

}  // namespace
