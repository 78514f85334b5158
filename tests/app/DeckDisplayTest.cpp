#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "DeckTestKit.h"
#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "skins/SkinTextFiles.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

namespace DeckTests {
namespace {

namespace Audio = KestrelixAudioApi;
using Audio::vars;

// The digits a paint box holds after drawing `text` with the player's own
// digit rule (one cell per character, blanks drawn).
bool ShowsDigits(PlatformUi::PaintBox* box, const QString& text, int cells) {
  PlatformUi::PaintBox expected;
  expected.resize(box->size());
  GeneralFunctions::DrawTimeText(text, cells, 0, 0, 0, DeckForm->NumbersImageList, expected, true);
  const QRect drawn(0, 0, cells * DeckForm->NumbersImageList.Width(), box->height());
  return box->Canvas().copy(drawn) == expected.Canvas().copy(drawn);
}

void SetElapsed(int64_t seconds) {
  const Audio::HMS hms = Audio::SecondsToHMS(seconds);
  vars.ElapsedHours = hms.hours;
  vars.ElapsedMinutes = hms.minutes;
  vars.ElapsedSeconds60 = hms.seconds60;
}

class DeckDisplay : public DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
  }
};

TEST_F(DeckDisplay, TimeShowsElapsedOrRemainingMinutesAndSecondsAndBlinksWhilePaused) {
  vars.TotalSeconds = 65 * 60 + 30;
  SetElapsed(62);
  DeckForm->DrawSongTimeText(0);
  EXPECT_EQ(vars.ElapsedTimeText, "+01:02");
  EXPECT_EQ(vars.TotalTimeText, "+65:30");
  EXPECT_EQ(vars.TotalMinutes, 5);
  EXPECT_TRUE(ShowsDigits(DeckForm->SongCurrectPlayingTimeWindow, "+01:02", 6));
  EXPECT_TRUE(ShowsDigits(DeckForm->SongTotalTimeWindow, "+65:30", 6));

  // Past an hour the minutes run on; from 100 minutes the sign cell takes
  // their hundreds, in every mode, up to the most the cells hold.
  const struct {
    int64_t elapsed, total;
    int mode;
    const char* elapsedText;
    const char* totalText;
  } longTimes[] = {{3605, 3700, 0, "+60:05", "+61:40"},
                   {6000, 6330, 0, "100:00", "105:30"},
                   {30, 6330, 1, "105:00", "105:30"},
                   {6330, 6330, 1, "-00:00", "105:30"},
                   {100000, 100000, 0, "999:59", "999:59"}};
  for (const auto& c : longTimes) {
    vars.TotalSeconds = c.total;
    SetElapsed(c.elapsed);
    DeckForm->DrawSongTimeText(c.mode);
    EXPECT_EQ(vars.ElapsedTimeText, c.elapsedText) << c.elapsed;
    EXPECT_EQ(vars.TotalTimeText, c.totalText) << c.total;
  }
  EXPECT_TRUE(ShowsDigits(DeckForm->SongTotalTimeWindow, "999:59", 6));
  vars.TotalSeconds = 65 * 60 + 30;

  SetElapsed(vars.TotalSeconds);
  DeckForm->DrawSongTimeText(1);
  EXPECT_EQ(vars.ElapsedTimeText, "-00:00");
  // A position reported past the length shows nothing left, not a negative time.
  SetElapsed(vars.TotalSeconds + 3);
  DeckForm->DrawSongTimeText(1);
  EXPECT_EQ(vars.ElapsedTimeText, "-00:00");

  // A click on the time switches the mode and back.
  Click(DeckForm->SongCurrectPlayingTimeWindow);
  EXPECT_EQ(DeckForm->TimeDisplayMode, 1);
  Click(DeckForm->SongCurrectPlayingTimeWindow);
  EXPECT_EQ(DeckForm->TimeDisplayMode, 0);

  SetElapsed(7);
  DeckForm->Paused = true;
  QStringList shown;
  for (int tick = 0; tick < 4; ++tick) {
    DeckForm->Timer1Timer();
    shown.append(vars.ElapsedTimeText);
  }
  EXPECT_EQ(shown, QStringList({"+  :  ", "+00:07", "+  :  ", "+00:07"}));
  EXPECT_TRUE(ShowsDigits(DeckForm->SongCurrectPlayingTimeWindow, "+00:07", 6));
  DeckForm->Paused = false;
  DeckForm->Timer1Timer();
  DeckForm->Timer1Timer();
  EXPECT_EQ(vars.ElapsedTimeText, "+00:07");
}

// Winamp skins draw the digits 3 pixels apart, the colon left to the skin,
// blanks only while paused, and no total time.
TEST_F(DeckDisplay, WinampDigitsFollowTheirOwnSpacing) {
  GeneralFunctions::SkinIsWinamp = 1;
  DeckForm->SongCurrectPlayingTimeWindow->Canvas().fill(Qt::transparent);  // as a skin load leaves it
  SetElapsed(83);
  DeckForm->DrawSongTimeText(0);
  PlatformUi::PaintBox expected;
  expected.resize(DeckForm->SongCurrectPlayingTimeWindow->size());
  const PlatformUi::ImageList& digits = DeckForm->NumbersImageList;
  const int w = digits.Width();
  int x = 0;
  for (const int cell : {10, 0, 1, -1, 2, 3}) {
    if (cell < 0) {
      x += w - 3;
      continue;
    }
    digits.Draw(expected.Canvas(), x, 0, cell);
    x += w + 3;
  }
  EXPECT_EQ(DeckForm->SongCurrectPlayingTimeWindow->Canvas(), expected.Canvas());
  GeneralFunctions::SkinIsWinamp = 0;
}

// After a skin switch each text window shows exactly what drawing on an empty
// canvas shows: nothing of the old skin stays beside or under the new glyphs.
TEST_F(DeckDisplay, ASkinSwitchRedrawsEveryTextWindowFromTheNewSkin) {
  vars.TotalSeconds = 200;
  SetElapsed(65);
  vars.BitRate = 128;
  vars.OutputFrequency = 44100;
  vars.ChannelCount = 2;
  DeckForm->UpdateTextWindows();
  DeckForm->Timer1Timer();
  const QString defaultSkin = TestSupport::ProgramFolder() + "skins/Default";
  for (const QString& skin : {defaultSkin + "/Winamp", defaultSkin}) {
    SkinUnit::SwitchToSkin(skin);
    for (PlatformUi::PaintBox* window : {DeckForm->SongCurrectPlayingTimeWindow, DeckForm->SongTotalTimeWindow,
                                         DeckForm->KbpsTextWindow, DeckForm->KhzTextWindow,
                                         DeckForm->PlayerStatusWindow}) {
      const QImage shown = window->Canvas().copy();
      window->Canvas().fill(Qt::transparent);
      DeckForm->DrawSongTimeText(DeckForm->TimeDisplayMode);
      DeckForm->UpdateTextWindows();
      EXPECT_EQ(window->Canvas(), shown) << skin.toStdString() << " " << window->geometry().x();
    }
    // The scrolling line starts again at the new width.
    const int cells = DeckForm->SongArtistWindow->width() / DeckForm->FontSmallImageList.Width();
    EXPECT_EQ(DeckForm->ArtistWindowInfo.WidthInChars, cells);
    DeckForm->Timer1Timer();
    EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, QString(cells - 1, ' ') + "W", cells));
  }
}

TEST_F(DeckDisplay, ScrollingLinesStepEachTickAndPauseWhileASliderIsHeld) {
  const int cells = DeckForm->ArtistWindowInfo.WidthInChars;
  ASSERT_EQ(cells, DeckForm->SongArtistWindow->width() / DeckForm->FontSmallImageList.Width());
  ASSERT_EQ(DeckForm->ArtistScrollText.Text, "Welcome to Solvane Audio Player v1.1");
  DeckForm->Timer1Timer();
  EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, QString(cells - 1, ' ') + "W", cells));
  DeckForm->Timer1Timer();
  EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, QString(cells - 2, ' ') + "We", cells));
  EXPECT_TRUE(ShowsText(DeckForm->SongTitleWindow, QString(cells - 2, ' ') + "So", cells));

  // A click switches the artist line to bouncing text, restarting it: the
  // text longer than the window starts moving left at once.
  Click(DeckForm->SongArtistWindow);
  EXPECT_EQ(DeckForm->ArtistWindowInfo.ScrollMode, 1);
  DeckForm->Timer1Timer();
  EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, "elcome to Solvane Audio Player v1.1", cells));

  // Holding the volume button shows its value instead.
  PlatformUi::ImageControl* volume = DeckForm->VolumeButton;
  Press(volume, {2, 2});
  EXPECT_FALSE(DeckForm->ScrollTextEnabled);
  EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, "Volume:78", cells));
  const int step = DeckForm->ArtistScrollText.Step;
  DeckForm->Timer1Timer();
  EXPECT_EQ(DeckForm->ArtistScrollText.Step, step);
  Release(volume, {2, 2});
  EXPECT_TRUE(DeckForm->ScrollTextEnabled);
}

TEST_F(DeckDisplay, VolumeAndBalanceSlidersSetTheSoundAndShowTheirValue) {
  const int cells = DeckForm->ArtistWindowInfo.WidthInChars;
  PlatformUi::ImageControl* volume = DeckForm->VolumeButton;
  PlatformUi::ImageControl* volumeBar = DeckForm->VolumeImage;
  // The own-format volume bar is upright: its top is 100.
  Press(volume, {2, 2});
  EXPECT_TRUE(Shows(volume, DeckForm->VolumeButtonImageList, 0));
  DragTo(volume, {2, 2 - (volume->y() - volumeBar->y()) - 20});
  EXPECT_EQ(DeckForm->VolumeSliderRecord.Value, 100);
  EXPECT_EQ(vars.VolumeValue, 100);
  EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, "Volume:100", cells));
  Release(volume, {2, 2});
  EXPECT_TRUE(Shows(volume, DeckForm->VolumeButtonImageList, 1));
  EXPECT_TRUE(
      Shows(volumeBar, DeckForm->VolumeImageList, DeckForm->VolumeSliderRecord.HighestSpriteIndex));

  PlatformUi::ImageControl* balance = DeckForm->BalanceButton;
  PlatformUi::ImageControl* balanceBar = DeckForm->BalanceImage;
  const int highest = DeckForm->BalanceSliderRecord.HighestSpriteIndex;
  EXPECT_TRUE(Shows(balanceBar, DeckForm->BalanceImageList, 0));  // centred
  Press(balance, {2, 2});
  DragTo(balance, {2 - (balance->x() - balanceBar->x()) - 10, 2});
  Release(balance, {2, 2});
  EXPECT_EQ(vars.BalanceValue, 0);
  EXPECT_TRUE(Shows(balanceBar, DeckForm->BalanceImageList, highest));

  DeckForm->BalanceSliderRecord.Value = 20;
  QTest::mouseDClick(balance, Qt::LeftButton, Qt::NoModifier, {2, 2});
  EXPECT_EQ(DeckForm->BalanceSliderRecord.Value, 50);
  EXPECT_EQ(vars.BalanceValue, 50);
  EXPECT_TRUE(ShowsText(DeckForm->SongArtistWindow, "Balance:50", cells));
  EXPECT_TRUE(Shows(balanceBar, DeckForm->BalanceImageList, 0));

  // The values are saved at shutdown and restored at the next start.
  Stop();
  Start();
  EXPECT_EQ(DeckForm->VolumeSliderRecord.Value, 100);
  EXPECT_EQ(vars.VolumeValue, 100);
  EXPECT_EQ(DeckForm->BalanceSliderRecord.Value, 50);
}

TEST_F(DeckDisplay, LampsShowChannelsAndFileKindAndAnimateWhileStopped) {
  const auto& channels = DeckForm->MonoStereoButtonImageList;
  vars.ChannelCount = 1;
  vars.BitRate = 192;
  vars.TextWindowsDirty = 1;
  DeckForm->Timer1Timer();
  EXPECT_EQ(vars.TextWindowsDirty, 0);
  EXPECT_TRUE(Shows(DeckForm->MonoButton, channels, 2));
  EXPECT_TRUE(Shows(DeckForm->StereoButton, channels, 1));
  EXPECT_EQ(DeckForm->KbpsText, "192");
  EXPECT_EQ(DeckForm->KhzText, "44100");
  EXPECT_TRUE(ShowsDigits(DeckForm->KbpsTextWindow, "192", 3));
  EXPECT_TRUE(ShowsDigits(DeckForm->KhzTextWindow, "44100", 5));
  vars.ChannelCount = 2;
  DeckForm->UpdateTextWindows();
  EXPECT_TRUE(Shows(DeckForm->MonoButton, channels, 3));
  EXPECT_TRUE(Shows(DeckForm->StereoButton, channels, 0));

  const auto& lamps = DeckForm->MP3MODCDImageList;
  auto lit = [&] {
    return QString("%1%2%3")
        .arg(Shows(DeckForm->MP3Button, lamps, 2) ? "M" : "-")
        .arg(Shows(DeckForm->MODButton, lamps, 6) ? "O" : "-")
        .arg(Shows(DeckForm->CDButton, lamps, 10) ? "C" : "-");
  };
  vars.FileKind = Audio::fkMusic;
  DeckForm->DisplayFileType();
  EXPECT_EQ(lit(), "-O-");

  vars.PlayStatus = Audio::psStopped;
  DeckForm->FileTypeEffectStep = 0;
  QStringList cycle;
  for (int tick = 0; tick < 9; ++tick) {
    DeckForm->Timer1Timer();
    cycle.append(lit());
  }
  EXPECT_EQ(cycle, QStringList({"---", "M--", "MO-", "MOC", "---", "MOC", "---", "MOC", "---"}));
}

TEST_F(DeckDisplay, DroppedFilesOfAnyKindJoinThePlayList) {
  const QString song = WriteSong("dropped.wav", 1.0);
  const QString unknown = TestSupport::ProgramFolder() + "notes.xyz";
  QFile(unknown).open(QIODevice::WriteOnly);
  UsePlayList({});
  TestSupport::MessageBoxes().shown.clear();  // start-up's own reports
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(song), QUrl::fromLocalFile(unknown)});
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  // Delivered straight to the window, as the platform's drag and drop does
  // once a drag is over it.
  static_cast<QObject*>(DeckForm)->event(&drop);
  const PlayListModel& list = PlayListEditorForm->PlayList;
  ASSERT_EQ(list.TotalFiles(), 2);
  EXPECT_EQ(GeneralFunctions::GetEntrySongPath(list.Entry(0)), song);
  EXPECT_EQ(GeneralFunctions::GetEntrySongPath(list.Entry(1)), unknown);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  // The unknown kind is reported only when it is played.
  PlayListEditorForm->PlayList.CurrentSongIndex = 1;
  Click(DeckForm->PlayButton);
  ASSERT_FALSE(TestSupport::MessageBoxes().shown.empty());
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.back().text.startsWith("Unknown File Type"));
}

TEST_F(DeckDisplay, CommandLineSongsAndFoldersAreAddedAndTheFirstPlays) {
  const QString folder = TestSupport::ProgramFolder() + "album";
  QDir().mkpath(folder + "/cd 1");
  const QString first = WriteSong("first.wav", 2.0);
  QFile::copy(first, folder + "/b.wav");
  QFile::copy(first, folder + "/cd 1/a.wav");
  UsePlayList({WriteSong("old.wav", 1.0)});
  EXPECT_EQ(AddCommandLineSongs({first, folder}), 3);
  const PlayListModel& list = PlayListEditorForm->PlayList;
  ASSERT_EQ(list.TotalFiles(), 4);
  EXPECT_TRUE(GeneralFunctions::GetEntrySongPath(list.Entry(2)).endsWith("album/b.wav"));
  EXPECT_TRUE(GeneralFunctions::GetEntrySongPath(list.Entry(3)).endsWith("album/cd 1/a.wav"));
  EXPECT_EQ(list.CurrentSongIndex, 1);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  EXPECT_EQ(GeneralFunctions::GetEntrySongPath(vars.CurrentSongEntry), first);
  EXPECT_EQ(AddCommandLineSongs({}), 0);
}

// Under a Winamp skin the deck's display shows the analyzer while a song
// plays, on the screen as well as in its canvas; a click moves on to the oscilloscope, which the next start keeps.
// Once the song stops, the display is left empty and nothing more is drawn.
TEST_F(DeckDisplay, WinampVisualizationRunsWhilePlayingAndKeepsItsMode) {
  ASSERT_TRUE(SkinUnit::SwitchToSkin(SkinUnit::DefaultSkinPath + "/Winamp"));
  DeckForm->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(DeckForm));
  QImage& display = DeckForm->VisualizationDrawingCanvas->Canvas();
  const QRgb background = DeckVisualization::PaletteFrom(SkinUnit::VisColours).background;
  EXPECT_EQ(display.pixel(0, 0), background);
  UsePlayList({WriteSong("tone.wav", 20)});
  DeckForm->PlayButtonClick();
  ASSERT_TRUE(DeckForm->VisualizationTimer->isActive());
  const auto lit = [&display, background] {
    for (int y = 0; y < display.height(); ++y)
      for (int x = 0; x < display.width(); x += 2)
        if (display.pixel(x, y) != background && y % 2 == 0) return true;
    return false;
  };
  // The test ticks the timers by hand.
  EXPECT_TRUE(TickUntil([&lit] {
    DeckForm->VisualizationTimerTimer();
    return lit();
  }, 3000));
  EXPECT_TRUE(ScreenShows(DeckForm->VisualizationDrawingCanvas));

  DeckForm->StopButtonClick();
  EXPECT_TRUE(TickUntil([] {
    DeckForm->VisualizationTimerTimer();
    return !DeckForm->VisualizationTimer->isActive();
  }, 5000));
  EXPECT_FALSE(lit());

  Click(DeckForm->VisualizationDrawingCanvas);
  EXPECT_EQ(DeckForm->VisualizationMode, DeckVisualization::dmScope);
  Stop();
  Start();
  EXPECT_EQ(DeckForm->VisualizationMode, DeckVisualization::dmScope);
  ASSERT_EQ(GeneralFunctions::SkinIsWinamp, 1);
}

TEST_F(DeckDisplay, AStatusLongerThanItsCellsIsShortenedWithAStop) {
  for (const auto& [status, shown] : {std::pair{"Paused", "Paused"}, std::pair{"Buffering", "Buffer."}}) {
    DeckForm->StatusText = status;
    DeckForm->DrawStatusText();
    EXPECT_TRUE(ShowsText(DeckForm->PlayerStatusWindow, shown, 7)) << status;
  }
}

}  // namespace
}  // namespace DeckTests
