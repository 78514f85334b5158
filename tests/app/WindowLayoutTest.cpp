// The three player windows moved with the mouse, their menu and keys, and
// where they come back. The same binary runs a second time with Qt's window
// scale at 2 (double size): every position below is in skin pixels and must
// come out the same.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QTest>

#include <functional>

#include "app/DeckTestKit.h"
#include "app/Forms.h"
#include "app/SettingsFile.h"
#include "app/TDeckForm.h"
#include "app/WindowDocking.h"
#include "app/WindowDockingSetup.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

namespace {

using namespace WindowDocking;
using PlatformUi::ImageControl;

class WindowLayoutTest : public DeckTests::DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
    // Deck on top, equalizer and playlist editor apart from it and each other.
    DeckForm->move(20, 20);
    EqualizerFormSkinned->move(20, 300);
    PlayListEditorForm->move(400, 20);
    EqualizerFormSkinned->show();
    PlayListEditorForm->show();
    CheckAllWindows();
  }
  // Drags a window by a point of its title bar by (dx, dy) skin pixels.
  static void DragTitle(ImageControl* title, int dx, int dy) {
    const QPoint press(30, 5);
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, press);
    QTest::mouseMove(title, press + QPoint(dx, dy));
    // The title bar moved with the window, so the mouse is over the same point of it.
    QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, press);
  }
  static void DragWindowTo(QWidget* window, ImageControl* title, QPoint to) {
    DragTitle(title, to.x() - window->x(), to.y() - window->y());
  }
  static QPoint BelowDeck() { return {DeckForm->x(), DeckForm->y() + DeckForm->height()}; }
  static ImageControl* EQTitle() { return EqualizerFormSkinned->EQTitleBarImage; }
  static ImageControl* PLTitle() { return PlayListEditorForm->PLTitleBarLeftImage; }
};

TEST_F(WindowLayoutTest, DraggedWindowsSnapWithinReachAndNotByACorner) {
  DragWindowTo(EqualizerFormSkinned, EQTitle(), BelowDeck() + QPoint(7, 7));
  EXPECT_EQ(EqualizerFormSkinned->pos(), BelowDeck());
  EXPECT_EQ(CurrentDocking().Equalizer.DockedTo, diDeck);

  // Touching the deck's bottom-right corner only is no contact.
  DragWindowTo(EqualizerFormSkinned, EQTitle(),
               BelowDeck() + QPoint(DeckForm->width() + 1, 1));
  EXPECT_EQ(CurrentDocking().Equalizer.DockSide, kNotDocked);

  // Eleven pixels off is out of reach.
  DragWindowTo(EqualizerFormSkinned, EQTitle(), BelowDeck() + QPoint(0, 11));
  EXPECT_EQ(EqualizerFormSkinned->pos(), BelowDeck() + QPoint(0, 11));
  EXPECT_EQ(CurrentDocking().Equalizer.DockSide, kNotDocked);
}

TEST_F(WindowLayoutTest, TheDeckCarriesTheChainAndWindowsLeaveItAlone) {
  DragWindowTo(EqualizerFormSkinned, EQTitle(), BelowDeck() + QPoint(3, 4));
  const QPoint belowEqualizer = BelowDeck() + QPoint(0, EqualizerFormSkinned->height());
  DragWindowTo(PlayListEditorForm, PLTitle(), belowEqualizer + QPoint(-6, 2));
  ASSERT_EQ(CurrentDocking().PlayList.DockedTo, diEqualizer);

  DragTitle(DeckForm->TitleBarImage, 40, 25);
  EXPECT_EQ(EqualizerFormSkinned->pos(), BelowDeck());
  EXPECT_EQ(PlayListEditorForm->pos(), BelowDeck() + QPoint(0, EqualizerFormSkinned->height()));

  // The playlist editor leaves on its own; the deck no longer carries it.
  DragTitle(PLTitle(), 100, 300);
  const QPoint left = PlayListEditorForm->pos();
  DragTitle(DeckForm->TitleBarImage, -5, -5);
  EXPECT_EQ(EqualizerFormSkinned->pos(), BelowDeck());
  EXPECT_EQ(PlayListEditorForm->pos(), left);

  // The equalizer leaves the deck, the editor docked to it goes free.
  DragWindowTo(PlayListEditorForm, PLTitle(), BelowDeck() + QPoint(0, EqualizerFormSkinned->height()));
  ASSERT_EQ(CurrentDocking().PlayList.DockedTo, diEqualizer);
  DragTitle(EQTitle(), 400, -140);
  EXPECT_EQ(CurrentDocking().Equalizer.DockSide, kNotDocked);
  EXPECT_EQ(CurrentDocking().PlayList.DockSide, kNotDocked);

  // Hiding frees; the deck then moves alone.
  DragWindowTo(EqualizerFormSkinned, EQTitle(), BelowDeck());
  ASSERT_EQ(CurrentDocking().Equalizer.DockedTo, diDeck);
  const QPoint hiddenAt = EqualizerFormSkinned->pos();
  DeckForm->EqualizerButtonClick();
  DragTitle(DeckForm->TitleBarImage, 10, 10);
  EXPECT_EQ(EqualizerFormSkinned->pos(), hiddenAt);
}

// A skin switch gives the deck and the equalizer other sizes (300 x 130 in
// the default skin, 275 x 116 in a Winamp skin): the windows docked before it
// are docked against the new sizes, and the deck carries them on.
TEST_F(WindowLayoutTest, SkinSwitchesKeepTheDockedWindowsDocked) {
  const QString defaultSkin = TestSupport::ProgramFolder() + "skins/Default";
  const auto below = [](const QWidget* window) { return QPoint(window->x(), window->y() + window->height()); };
  const auto rightOf = [](const QWidget* window) { return QPoint(window->x() + window->width(), window->y()); };
  const struct {
    const char* what;
    std::function<QPoint()> equalizerAt;
    std::function<QPoint()> playListAt;
  } layouts[] = {
      {"a chain below the deck", [&] { return below(DeckForm); }, [&] { return below(EqualizerFormSkinned); }},
      {"equalizer right, playlist below", [&] { return rightOf(DeckForm); }, [&] { return below(DeckForm); }},
  };
  for (const auto& layout : layouts) {
    DragWindowTo(EqualizerFormSkinned, EQTitle(), layout.equalizerAt() + QPoint(4, 5));
    DragWindowTo(PlayListEditorForm, PLTitle(), layout.playListAt() + QPoint(-3, 6));
    ASSERT_NE(CurrentDocking().PlayList.DockSide, kNotDocked) << layout.what;
    for (const QString& skin : {defaultSkin + "/Winamp", defaultSkin}) {
      SkinUnit::SwitchToSkin(skin);
      ASSERT_EQ(DeckForm->width(), skin == defaultSkin ? 300 : 275);
      EXPECT_EQ(EqualizerFormSkinned->pos(), layout.equalizerAt()) << layout.what << " " << skin.toStdString();
      EXPECT_EQ(PlayListEditorForm->pos(), layout.playListAt()) << layout.what << " " << skin.toStdString();
      DragTitle(DeckForm->TitleBarImage, 12, 9);
      EXPECT_EQ(EqualizerFormSkinned->pos(), layout.equalizerAt()) << layout.what << " dragged";
      EXPECT_EQ(PlayListEditorForm->pos(), layout.playListAt()) << layout.what << " dragged";
    }
  }
}

// At double size each skin pixel is a square of device pixels with no blur:
// every 2 x 2 block of the deck's picture is one colour.
TEST_F(WindowLayoutTest, DoubleSizeDrawsCrispSquarePixels) {
  const qreal scale = DeckForm->devicePixelRatioF();
  if (scale < 2) GTEST_SKIP() << "runs in the double-size pass";
  const QImage shot = DeckForm->grab().toImage();
  ASSERT_EQ(shot.width(), DeckForm->width() * 2);
  int blurred = 0;
  for (int y = 0; y + 1 < shot.height(); y += 2) {
    for (int x = 0; x + 1 < shot.width(); x += 2) {
      const QRgb c = shot.pixel(x, y);
      if (shot.pixel(x + 1, y) != c || shot.pixel(x, y + 1) != c || shot.pixel(x + 1, y + 1) != c) ++blurred;
    }
  }
  EXPECT_EQ(blurred, 0);
}

TEST_F(WindowLayoutTest, TheDecksMenuAndKeys) {
  QMenu* menu = DeckForm->findChild<QMenu*>();
  ASSERT_TRUE(menu);
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  EXPECT_EQ(captions, QStringList({"Play File…", "Play Folder…", "Add Audio CD...", "Jump to File…", "Preferences…",
                                   "Skins", "Double Size", "Always on Top", "Exit"}));
  QMenu* skins = menu->actions()[6]->menu();
  ASSERT_TRUE(skins);
  emit skins->aboutToShow();
  ASSERT_FALSE(skins->actions().isEmpty());
  EXPECT_EQ(skins->actions()[0]->text(), "Default");
  EXPECT_TRUE(skins->actions()[0]->isChecked());

  UsePlayList({WriteSong("a.wav", 2), WriteSong("b.wav", 2)});
  QApplication::setActiveWindow(EqualizerFormSkinned);  // the keys work in every player window
  const auto status = [] { return KestrelixAudioApi::vars.PlayStatus; };
  QTest::keyClick(EqualizerFormSkinned, Qt::Key_X);
  EXPECT_EQ(status(), KestrelixAudioApi::psPlaying);
  QTest::keyClick(EqualizerFormSkinned, Qt::Key_B);
  EXPECT_EQ(PlayListEditorForm->PlayList.CurrentSongIndex, 1);
  QTest::keyClick(EqualizerFormSkinned, Qt::Key_C);
  EXPECT_EQ(status(), KestrelixAudioApi::psPaused);
  QTest::keyClick(EqualizerFormSkinned, Qt::Key_V);
  EXPECT_EQ(status(), KestrelixAudioApi::psStopped);
  QTest::keyClick(EqualizerFormSkinned, Qt::Key_P, Qt::AltModifier);
  EXPECT_FALSE(PlayListEditorForm->isVisible());
  QTest::keyClick(EqualizerFormSkinned, Qt::Key_E, Qt::AltModifier);
  EXPECT_FALSE(EqualizerFormSkinned->isVisible());

  // "Play Folder…" takes the folder with its subfolders and plays its first song.
  const QString album = TestSupport::ProgramFolder() + "album/";
  ASSERT_TRUE(QDir().mkpath(album + "cd 2"));
  ASSERT_TRUE(QFile::copy(WriteSong("c.wav", 2), album + "cd 2/x.wav"));
  ASSERT_TRUE(QFile::copy(album + "cd 2/x.wav", album + "y.wav"));
  TestSupport::FileDialogs().answers.push_back({album});
  menu->actions()[1]->trigger();
  EXPECT_EQ(PlayListEditorForm->PlayList.TotalFiles(), 4);
  EXPECT_EQ(PlayListEditorForm->PlayList.Entry(3), GeneralFunctions::BuildPlayListEntry(album + "cd 2/x.wav"));
  EXPECT_EQ(GeneralFunctions::GetEntrySongPath(KestrelixAudioApi::vars.CurrentSongEntry), album + "y.wav");
  EXPECT_EQ(status(), KestrelixAudioApi::psPlaying);
}

// Positions saved for a screen that is gone: the deck and the windows at its
// side come back together, keeping where they sit against each other.
class WindowsOffScreen : public DeckTests::DeckRun {};

TEST_F(WindowsOffScreen, ComeBackOntoTheScreen) {
  SavedSettings saved = DefaultSavedSettings(TestSupport::ProgramFolder());
  saved.DeckLeft = 5000;
  saved.DeckTop = -3000;
  saved.EQLeft = 5000;
  saved.EQTop = -3000 + 125;  // in reach below the deck
  saved.PLLeft = -9000;
  saved.PLTop = 40;
  ASSERT_TRUE(PlatformUi::WriteTextLines(SettingsFilePath(), SettingsToLines(saved)));
  Start();
  const QRect screen = DeckForm->screen()->availableGeometry();
  for (QWidget* window : {static_cast<QWidget*>(DeckForm), static_cast<QWidget*>(EqualizerFormSkinned),
                          static_cast<QWidget*>(PlayListEditorForm)}) {
    EXPECT_TRUE(screen.intersects(window->geometry())) << window->geometry().x();
  }
  EXPECT_EQ(EqualizerFormSkinned->pos(), DeckForm->pos() + QPoint(0, DeckForm->height()));
  EXPECT_EQ(CurrentDocking().Equalizer.DockedTo, diDeck);
}

}  // namespace
