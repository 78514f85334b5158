#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "SkinWindows.h"
#include "skins/BitmapText.h"
#include "skins/NativeSkinLoader.h"
#include "skins/SkinTextFiles.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

using SkinTests::Pixel;

namespace {

QRgb At(const QImage& image, int x = 0, int y = 0) { return image.pixel(x, y); }

// The three windows' controls on their own, loaded from a generated skin.
class NativeSkinTest : public testing::Test, public SkinTests::SkinWindows {
 protected:
  void SetUp() override {
    SkinUnit::DefaultSkinPath = TestSupport::ProgramFolder() + "skins/Default";
    skin = TestSupport::ProgramFolder() + "skins/Generated";
  }
  void TearDown() override {
    SkinUnit::RedrawEqualizerDiagram = nullptr;
    SkinUnit::RebuildPlayListView = nullptr;
  }
  void Load(const QString& folder) { SkinUnit::LoadNativeSkin(folder, deck, eq, pl); }

  QString skin;
};

TEST_F(NativeSkinTest, DeckSpritesComeFromTheirRectangles) {
  SkinTests::WriteNativeSkin(skin);
  Load(skin);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  EXPECT_EQ(deck.MainImage->Picture().size(), QSize(300, 130));
  EXPECT_EQ(At(deck.MainImage->Picture(), 299, 129), Pixel(299, 129));
  EXPECT_EQ(At(deck.TitleBarImageList.Sprite(0)), Pixel(0, 131));
  EXPECT_EQ(At(deck.TitleBarImageList.Sprite(1), 299, 14), Pixel(299, 161));
  ASSERT_EQ(deck.TitleBarButtonsImageList.Count(), 6);
  EXPECT_EQ(At(deck.TitleBarButtonsImageList.Sprite(5)), Pixel(45, 163));
  EXPECT_TRUE(deck.ToggleWindowButton->Picture().isNull());
  EXPECT_EQ(At(deck.CloseWindowButton->Picture()), Pixel(36, 163));

  ASSERT_EQ(deck.PlayerMainButtonsImageList.Count(), 12);
  EXPECT_EQ(At(deck.PlayerMainButtonsImageList.Sprite(7)), Pixel(90, 20));
  EXPECT_EQ(At(deck.EjectButton->Picture()), Pixel(150, 0));
  EXPECT_EQ(At(deck.RepeatButtonImageList.Sprite(3)), Pixel(0, 48));
  EXPECT_EQ(At(deck.ShuffleButtonImageList.Sprite(2)), Pixel(55, 32));
  ASSERT_EQ(deck.EQPLButtonImageList.Count(), 8);
  EXPECT_EQ(At(deck.EQPLButtonImageList.Sprite(5)), Pixel(55, 16));
  EXPECT_EQ(At(deck.PlaylistButton->Picture()), Pixel(55, 0));
  ASSERT_EQ(deck.MP3MODCDImageList.Count(), 12);
  EXPECT_EQ(At(deck.MP3MODCDImageList.Sprite(10)), Pixel(120, 32));
  EXPECT_EQ(At(deck.MODButton->Picture()), Pixel(60, 0));

  ASSERT_EQ(deck.VolumeImageList.Count(), 26);
  EXPECT_EQ(At(deck.VolumeImageList.Sprite(25), 12, 54), Pixel(337, 54));
  EXPECT_EQ(At(deck.VolumeButtonImageList.Sprite(1)), Pixel(338, 5));
  EXPECT_EQ(At(deck.VolumeImage->Picture()), Pixel(13 * 21, 0));
  ASSERT_EQ(deck.BalanceImageList.Count(), 26);
  EXPECT_EQ(At(deck.BalanceImageList.Sprite(25)), Pixel(0, 325));
  EXPECT_EQ(At(deck.BalanceButtonImageList.Sprite(1)), Pixel(5, 338));
  ASSERT_EQ(deck.PosBarImageList.Count(), 26);
  EXPECT_EQ(At(deck.PosBarImageList.Sprite(25)), Pixel(0, 375));
  EXPECT_EQ(At(deck.PosBarButtonImageList.Sprite(1)), Pixel(26, 390));
  EXPECT_EQ(At(deck.MonoStereoButtonImageList.Sprite(3)), Pixel(32, 13));
  EXPECT_EQ(At(deck.StereoButton->Picture()), Pixel(0, 13));
  EXPECT_EQ(At(deck.PlayPauseStateImageList.Sprite(3)), Pixel(27, 0));
  EXPECT_EQ(At(deck.TransmissionImageList.Sprite(1)), Pixel(39, 0));

  ASSERT_EQ(deck.FontSmallImageList.Count(), 95);
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(GeneralFunctions::CharacterCell(u'A'))), Pixel(0, 13));
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(GeneralFunctions::CharacterCell(u'a'))), Pixel(0, 39));
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(GeneralFunctions::CharacterCell(u'@'))), Pixel(256, 0));
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(GeneralFunctions::CharacterCell(u'`'))), Pixel(40, 26));
  EXPECT_EQ(At(deck.FontSmallImageList.Sprite(94)), Pixel(24, 52));
  ASSERT_EQ(deck.NumbersImageList.Count(), 16);
  EXPECT_EQ(At(deck.NumbersImageList.Sprite(13)), Pixel(104, 0));
}

TEST_F(NativeSkinTest, EqualizerSpritesAndColourRamps) {
  SkinTests::WriteNativeSkin(skin);
  Load(skin);
  EXPECT_EQ(At(eq.EQMainImage->Picture(), 299, 129), Pixel(299, 129));
  EXPECT_EQ(At(eq.EQTitleBarImageList.Sprite(1)), Pixel(0, 147));
  EXPECT_EQ(At(eq.EQTitleBarButtonsImageList.Sprite(3)), Pixel(27, 163));
  EXPECT_EQ(At(eq.EQBandButtonImageList.Sprite(1)), Pixel(48, 163));
  EXPECT_EQ(At(eq.EQPresetsButtonImageList.Sprite(1)), Pixel(196, 187));
  EXPECT_EQ(At(eq.EQOnButtonImageList.Sprite(3)), Pixel(196, 236));
  EXPECT_EQ(At(eq.EQAutoButtonImageList.Sprite(2)), Pixel(221, 224));
  ASSERT_EQ(eq.EQBandsImageList.Count(), 28);
  EXPECT_EQ(At(eq.EQBandsImageList.Sprite(13)), Pixel(182, 175));
  EXPECT_EQ(At(eq.EQBandsImageList.Sprite(14), 12, 64), Pixel(12, 305));
  EXPECT_EQ(At(eq.EQDiagramImageList.Sprite(1)), Pixel(157, 307));
  EXPECT_EQ(eq.EQDiagramPreAmpLine->Picture().size(), QSize(152, 1));
  EXPECT_EQ(At(eq.EQDiagramPreAmpLine->Picture(), 151, 0), Pixel(151, 345));
  EXPECT_EQ(At(eq.EQBandImage7->Picture()), Pixel(0, 175));

  EXPECT_EQ(eq.SpectrumColors[0], Pixel(196, 303));
  EXPECT_EQ(eq.SpectrumColors[32], Pixel(196, 271));
  EXPECT_EQ(eq.ScopeColors[16], Pixel(198, 287));
  EXPECT_EQ(eq.LevelColors[5], Pixel(200, 298));

  ASSERT_EQ(eq.EQVisualEffectsImageList.Count(), 18);
  EXPECT_EQ(At(eq.EQVisualEffectsImageList.Sprite(17)), Pixel(255, 0));
  ASSERT_EQ(eq.EQVisualEffectsVolLevelImageList.Count(), 32);
  EXPECT_EQ(At(eq.EQVisualEffectsVolLevelImageList.Sprite(31), 12, 64), Pixel(415, 98));
}

TEST_F(NativeSkinTest, PlaylistSpritesMenusAndFrame) {
  SkinTests::WriteNativeSkin(skin);
  Load(skin);
  EXPECT_EQ(At(pl.PLTitleBarMainImageList.Sprite(1)), Pixel(26, 21));
  EXPECT_EQ(At(pl.PLTitleBarRestImageList.Sprite(4)), Pixel(153, 0));
  EXPECT_EQ(At(pl.PLBottomExtraImage2->Picture(), 74, 37), Pixel(279, 37));
  EXPECT_EQ(At(pl.PLVerticalRightImage->Picture()), Pixel(26, 42));
  EXPECT_EQ(At(pl.PLTitleBarButtonsImageList.Sprite(3)), Pixel(82, 42));
  EXPECT_EQ(At(pl.PLCloseWindowButton->Picture()), Pixel(72, 42));
  EXPECT_EQ(At(pl.PLScrollButtonImageList.Sprite(1)), Pixel(61, 53));
  EXPECT_EQ(At(pl.PLBottomRightImage->Picture()), Pixel(126, 72));

  ASSERT_EQ(pl.PLMenuButtonsImageList.Count(), 32);
  EXPECT_EQ(At(pl.PLMenuButtonsImageList.Sprite(5)), Pixel(33, 153));
  EXPECT_EQ(At(pl.PLMenuButtonsImageList.Sprite(13)), Pixel(95, 174));
  EXPECT_EQ(At(pl.PLMenuButtonsImageList.Sprite(14)), Pixel(128, 111));
  EXPECT_EQ(At(pl.PLMenuButtonsImageList.Sprite(31)), Pixel(281, 153));
  EXPECT_EQ(At(pl.PLMenu4Button2->Picture()), Pixel(190, 132));
  EXPECT_EQ(At(pl.ToggleMenu2Button->Picture()), Pixel(66, 195));
  EXPECT_EQ(At(pl.ToggleMenu5Button->Picture()), Pixel(252, 174));
  EXPECT_EQ(pl.PLMenu2Image->Picture().size(), QSize(3, 80));
  EXPECT_EQ(At(pl.PLMenu2Image->Picture(), 2, 79), Pixel(64, 190));
  EXPECT_EQ(At(pl.PLMenu5Image->Picture()), Pixel(248, 111));

  // Frame parts follow Panel1; the title buttons follow the title bar's right end.
  EXPECT_EQ(pl.PLBottomPanel->geometry(), QRect(0, 225 - 38, 300, 38));
  EXPECT_EQ(pl.PLBottomRightImage->x(), 150);
  EXPECT_EQ(pl.PLCloseWindowButton->x(), pl.PLTitleBarRightImage->x() + 13);
  EXPECT_EQ(pl.PLTitleBarRightImage->x(), 275);
  EXPECT_EQ(pl.PLMenu2Button4->geometry(), QRect(0, 60, 28, 20));
  // One 25-pixel step more than the two bottom parts: the info area's 18
  // characters reach into the bottom bar.
  EXPECT_EQ(pl.PLMinimumSize, QSize(300, 116));
}

TEST_F(NativeSkinTest, PlaylistFrameFollowsPanelResizes) {
  SkinTests::WriteNativeSkin(skin);
  Load(skin);
  plWindow.show();
  panel1.resize(425, 141);
  EXPECT_EQ(pl.PLTitleBarRightImage->x(), 400);
  EXPECT_EQ(pl.PLCloseWindowButton->x(), 413);
  EXPECT_EQ(pl.PLToggleWindowButton->x(), 404);
  EXPECT_EQ(pl.PLTopCanvas->geometry(), QRect(25, 0, 375, 20));
  EXPECT_EQ(pl.PLRightPanel->geometry(), QRect(400, 20, 25, 141 - 58));
  EXPECT_EQ(pl.PLBottomPanel->geometry(), QRect(0, 141 - 38, 425, 38));
  EXPECT_EQ(pl.PLBottomCanvas->geometry(), QRect(125, 0, 425 - 275, 38));
  EXPECT_EQ(pl.PLLeftCanvas->geometry(), QRect(0, 29, 25, 141 - 58 - 29));
}

TEST_F(NativeSkinTest, LayoutSlidersAndSkinValues) {
  SkinTests::WriteNativeSkin(skin);
  GeneralFunctions::SkinIsWinamp = 1;
  for (QWidget* c : {static_cast<QWidget*>(deck.MP3Button), static_cast<QWidget*>(deck.SongTitleWindow),
                     static_cast<QWidget*>(eq.EQVolLevelCanvas), static_cast<QWidget*>(pl.PLMainMenuButton)})
    c->hide();
  int diagramRedraws = 0;
  int viewRebuilds = 0;
  SkinUnit::RedrawEqualizerDiagram = [&] { ++diagramRedraws; };
  SkinUnit::RebuildPlayListView = [&] { ++viewRebuilds; };
  Load(skin);

  EXPECT_EQ(GeneralFunctions::SkinIsWinamp, 0);
  EXPECT_EQ(diagramRedraws, 1);
  EXPECT_EQ(viewRebuilds, 1);
  EXPECT_FALSE(deck.MP3Button->isHidden());
  EXPECT_FALSE(deck.SongTitleWindow->isHidden());
  EXPECT_FALSE(eq.EQVolLevelCanvas->isHidden());
  EXPECT_FALSE(pl.PLMainMenuButton->isHidden());
  EXPECT_EQ(deckWindow.size(), QSize(300, 130));
  EXPECT_EQ(eqWindow.size(), QSize(300, 130));

  EXPECT_EQ(deck.PauseButton->geometry(), QRect(119, 108, 30, 20));
  EXPECT_EQ(deck.VolumeImage->geometry(), QRect(265, 29, 13, 55));
  EXPECT_EQ(deck.SongArtistWindow->geometry(), QRect(57, 17, 192, 13));
  EXPECT_EQ(deck.KhzTextWindow->geometry(), QRect(191, 56, 40, 13));
  EXPECT_EQ(eq.EQBandImage10->geometry(), QRect(228, 58, 13, 65));
  EXPECT_EQ(eq.EQBandButton4->geometry(), QRect(121, 64, 11, 11));
  EXPECT_EQ(eq.EQDiagramImageCanvas->geometry(), QRect(75, 16, 156, 37));
  EXPECT_EQ(pl.PLTextWindow->geometry(), QRect(126, 11, 144, 13));
  EXPECT_EQ(pl.ToggleMenu4Button->geometry(), QRect(97, 8, 28, 20));
  EXPECT_EQ(pl.PLMenu2Panel->size(), QSize(31, 80));
  EXPECT_EQ(pl.PLRightCanvas->height(), pl.PLLeftCanvas->height());

  EXPECT_EQ(deck.VolumeSliderRecord.Value, 78);
  EXPECT_EQ(deck.VolumeSliderRecord.SpriteIndex, 21);
  EXPECT_EQ(deck.VolumeSliderRecord.CrossOffset, 1);
  EXPECT_EQ(deck.BalanceSliderRecord.ButtonLeft, 266);
  EXPECT_EQ(deck.BalanceSliderRecord.CrossOffset, -12);
  EXPECT_EQ(deck.PositionSliderRecord.HighestSpriteIndex, 25);
  EXPECT_EQ(eq.BandSliderRecords[9].ButtonTop, 64);
  EXPECT_EQ(eq.PreAmpSliderRecord.HighestSpriteIndex, 27);
  EXPECT_EQ(eq.EQDiagramStep, 16);
  EXPECT_EQ(eq.EQDiagramPreAmpX, 2);
  EXPECT_EQ(eq.EQDiagramOffsetX, 6);
  EXPECT_EQ(SkinUnit::PlaylistColours.Normal, QColor(0, 255, 0));
}

TEST_F(NativeSkinTest, FilesMissingFromTheSkinComeFromTheDefaultSkin) {
  SkinTests::WriteNativeSkin(SkinUnit::DefaultSkinPath, 1);
  QDir().mkpath(skin);
  SkinTests::WritePatternBitmap(skin + "/deckmain.BMP", 300, 173, 0);
  Load(skin);
  EXPECT_EQ(At(deck.MainImage->Picture()), Pixel(0, 0, 0));
  EXPECT_EQ(At(deck.PlayerMainButtonsImageList.Sprite(3)), Pixel(30, 20, 1));
  EXPECT_EQ(At(pl.PLBottomLeftImage->Picture()), Pixel(0, 72, 1));
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
}

TEST_F(NativeSkinTest, FilesMissingEverywhereAreReportedAndTheRestStillLoads) {
  SkinTests::WriteNativeSkin(skin);
  QFile::remove(skin + "/PlayButtons.bmp");
  QFile::remove(skin + "/visuals.bmp");
  Load(skin);
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  const auto& box = TestSupport::MessageBoxes().shown[0];
  EXPECT_EQ(box.caption, "Error");
  EXPECT_TRUE(box.text.contains("PlayButtons.bmp"));
  EXPECT_TRUE(box.text.contains("visuals.bmp"));
  EXPECT_EQ(deck.PlayerMainButtonsImageList.Count(), 0);
  EXPECT_EQ(eq.EQVisualEffectsImageList.Count(), 0);
  EXPECT_EQ(pl.PLMenuButtonsImageList.Count(), 32);
  EXPECT_EQ(deckWindow.size(), QSize(300, 130));
}

}  // namespace
