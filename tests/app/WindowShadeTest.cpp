// Windowshade: each window rolled up into its strip and back by a double
// click on its title bar, its shade button and the keys, carrying the windows
// below it; the deck's small position bar seeks. Runs at normal and at double
// size with the window-layout tests.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include "app/DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/WindowDockingSetup.h"
#include "app/WindowShade.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

namespace {

using namespace WindowShade;
namespace Audio = KestrelixAudioApi;

class WindowShadeTest : public DeckTests::DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
  }

  // The deck, the equalizer under it, the playlist editor under that.
  static void StackWindows() {
    DeckForm->move(40, 40);
    EqualizerFormSkinned->show();
    PlayListEditorForm->show();
    EqualizerFormSkinned->move(40, 40 + DeckForm->height());
    PlayListEditorForm->move(40, EqualizerFormSkinned->y() + EqualizerFormSkinned->height());
    WindowDocking::CheckAllWindows();
  }

  static void UseWinampSkin() {
    ASSERT_TRUE(SkinUnit::SwitchToSkin(SkinUnit::DefaultSkinPath + "/Winamp"));
    ASSERT_EQ(GeneralFunctions::SkinIsWinamp, 1);
  }

  static void DoubleClick(PlatformUi::SkinnedControl* control, QPoint at) {
    QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, at);
  }

  // Each window hangs right under the one above it.
  static void ExpectStacked() {
    EXPECT_EQ(EqualizerFormSkinned->y(), DeckForm->y() + DeckForm->height());
    EXPECT_EQ(PlayListEditorForm->y(), EqualizerFormSkinned->y() + EqualizerFormSkinned->height());
  }
};

TEST_F(WindowShadeTest, EachWindowRollsUpAndDownCarryingTheWindowsBelow) {
  UseWinampSkin();
  StackWindows();
  const int deckHeight = DeckForm->height();
  const int playListHeight = PlayListEditorForm->height();

  DoubleClick(DeckForm->TitleBarImage, {100, 5});
  EXPECT_TRUE(IsShaded(wiDeck));
  EXPECT_EQ(DeckForm->height(), 14);
  EXPECT_TRUE(DeckForm->DeckShadeStrip->isVisible());
  ExpectStacked();
  QApplication::setActiveWindow(DeckForm);
  QTest::keyClick(DeckForm, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(DeckForm->height(), deckHeight);
  ExpectStacked();

  Click(EqualizerFormSkinned->EQToggleWindowButton);
  EXPECT_EQ(EqualizerFormSkinned->height(), 14);
  ExpectStacked();
  DoubleClick(EqualizerFormSkinned->EQShadeStrip, {30, 5});
  EXPECT_EQ(EqualizerFormSkinned->height(), deckHeight);
  ExpectStacked();

  DoubleClick(PlayListEditorForm->PLTitleBarLeftImage, {10, 5});
  EXPECT_EQ(PlayListEditorForm->height(), 14);
  EXPECT_EQ(PlayListEditorForm->PLShadeStrip->width(), PlayListEditorForm->width());
  const QPoint unroll(PlayListEditorForm->width() - 16, 7);
  Click(PlayListEditorForm->PLShadeStrip, unroll);
  EXPECT_EQ(PlayListEditorForm->height(), playListHeight);

  // The states come back with the next start, the windows where they were left.
  QTest::keyClick(DeckForm, Qt::Key_W, Qt::ControlModifier);
  const QPoint equalizerAt = EqualizerFormSkinned->pos();
  Stop();
  Start();
  EXPECT_TRUE(IsShaded(wiDeck));
  EXPECT_EQ(DeckForm->height(), 14);
  EXPECT_EQ(EqualizerFormSkinned->pos(), equalizerAt);
}

TEST_F(WindowShadeTest, TheSmallPositionBarSeeksWhereItIsLetGo) {
  UseWinampSkin();
  UsePlayList({WriteSong("long.wav", 60)});
  DeckForm->PlayButtonClick();
  ASSERT_EQ(Audio::vars.PlayStatus, Audio::psPlaying);
  SetShaded(wiDeck, true);
  SkinUnit::ShadeStrip* strip = DeckForm->DeckShadeStrip;
  Press(strip, {227, 7});
  DragTo(strip, {235, 7});
  Release(strip, {236, 7});
  ASSERT_TRUE(TickUntil([] { return Audio::vars.PositionPercent >= 50; }, 3000));
  EXPECT_LT(Audio::vars.PositionPercent, 90);
}

// The default skin of the player's own format brings a strip for the deck;
// a skin without one keeps the deck unrolled.
TEST_F(WindowShadeTest, SkinsOfTheOwnFormatShadeOnlyWithTheirStrip) {
  DoubleClick(DeckForm->TitleBarImage, {100, 5});
  EXPECT_EQ(DeckForm->height(), 14);
  DoubleClick(DeckForm->DeckShadeStrip, {100, 5});
  EXPECT_EQ(DeckForm->height(), 130);

  const QString plain = TestSupport::ProgramFolder() + "myskins/Plain";
  ASSERT_TRUE(QDir().mkpath(plain));
  ASSERT_TRUE(QFile::copy(SkinUnit::DefaultSkinPath + "/DeckMain.bmp", plain + "/DeckMain.bmp"));
  SetShaded(wiDeck, true);
  ASSERT_TRUE(SkinUnit::SwitchToSkin(plain));
  EXPECT_FALSE(IsShaded(wiDeck));
  EXPECT_EQ(DeckForm->height(), 130);
  DoubleClick(DeckForm->TitleBarImage, {100, 5});
  EXPECT_EQ(DeckForm->height(), 130);
}

}  // namespace
