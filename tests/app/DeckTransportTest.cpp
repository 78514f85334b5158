#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <functional>

#include "DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/WavFile.h"
#include "platform/ui/MillisecondClock.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"
#include "support/TestEnvironment.h"

namespace DeckTests {
namespace {

namespace Audio = KestrelixAudioApi;
using Audio::vars;

int CurrentIndex() { return PlayListEditorForm->PlayList.CurrentSongIndex; }

class DeckTransport : public DeckRun {
 protected:
  void Start() {
    DeckRun::Start();
    UsePlayList(
        {WriteSong("one.wav", 8.0), WriteSong("two.wav", 8.0), WriteSong("three.wav", 8.0)});
  }
  // Files that cannot be played: named but gone, random bytes, and a song cut
  // off inside its header.
  static QStringList WriteUnplayableSongs() {
    const QString folder = TestSupport::ProgramFolder();
    QFile noise(folder + "noise.wav");
    EXPECT_TRUE(noise.open(QIODevice::WriteOnly));
    for (int i = 0; i < 4096; ++i) noise.putChar(char((i * 7919 + 13) % 251));
    noise.close();
    QFile cut(WriteSong("cut.wav", 1.0));
    EXPECT_TRUE(cut.resize(30));
    return {folder + "gone.wav", noise.fileName(), cut.fileName()};
  }
  void ExpectDeckShows(int stateSprite, const char* status, bool transmission) {
    EXPECT_TRUE(
        Shows(DeckForm->PlayPauseStateImage, DeckForm->PlayPauseStateImageList, stateSprite));
    EXPECT_EQ(DeckForm->StatusText, status);
    EXPECT_TRUE(ShowsText(DeckForm->PlayerStatusWindow, status, 7));
    EXPECT_EQ(DeckForm->TransmissionImage->isVisible(), transmission);
  }
};

TEST_F(DeckTransport, PlayPauseResumeAndStop) {
  Start();
  Click(DeckForm->PlayButton);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  EXPECT_EQ(CurrentIndex(), 0);
  ExpectDeckShows(0, "Playing", true);

  ASSERT_TRUE(TickUntil([] {
    Audio::AudioGetPosition();
    return vars.ElapsedSeconds >= 1;
  }));
  Click(DeckForm->PauseButton);
  EXPECT_EQ(vars.PlayStatus, Audio::psPaused);
  EXPECT_TRUE(DeckForm->Paused);
  ExpectDeckShows(1, "Paused", false);
  Audio::AudioGetPosition();
  const int64_t pausedAt = vars.ElapsedSeconds;
  EXPECT_GE(pausedAt, 1);

  // Play while paused continues the same song from where it was.
  Click(DeckForm->PlayButton);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  EXPECT_FALSE(DeckForm->Paused);
  Audio::AudioGetPosition();
  EXPECT_GE(vars.ElapsedSeconds, pausedAt);
  EXPECT_EQ(CurrentIndex(), 0);

  // Pause twice toggles back to playing.
  Click(DeckForm->PauseButton);
  Click(DeckForm->PauseButton);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  ExpectDeckShows(0, "Playing", true);

  Click(DeckForm->StopButton);
  EXPECT_EQ(vars.PlayStatus, Audio::psStopped);
  ExpectDeckShows(2, "Stopped", false);
}

TEST_F(DeckTransport, NextAndPreviousWalkTheListAndStopAtItsEndUnlessRepeating) {
  Start();
  Click(DeckForm->BackwardButton);
  EXPECT_EQ(CurrentIndex(), 2);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  ExpectDeckShows(0, "Playing", true);

  Click(DeckForm->ForwardButton);
  EXPECT_EQ(CurrentIndex(), 0);
  EXPECT_EQ(vars.PlayStatus, Audio::psStopped);
  ExpectDeckShows(2, "Stopped", false);
  EXPECT_TRUE(GeneralFunctions::GetEntrySongPath(vars.CurrentSongEntry).endsWith("one.wav"));

  Click(DeckForm->ForwardButton);
  EXPECT_EQ(CurrentIndex(), 1);
  ExpectDeckShows(0, "Playing", true);
  Click(DeckForm->ForwardButton);
  Click(DeckForm->RepeatButton);
  ASSERT_TRUE(DeckForm->Settings.RepeatOn);
  Click(DeckForm->ForwardButton);
  EXPECT_EQ(CurrentIndex(), 0);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  ExpectDeckShows(0, "Playing", true);
}

// Songs of 0.4 s end within a few ticks at eight times the speed.
TEST_F(DeckTransport, EndedSongsAdvanceThroughTheListThenStopOrRepeat) {
  DeckRun::Start();
  UsePlayList({WriteSong("a.wav", 0.4), WriteSong("b.wav", 0.4)});
  Click(DeckForm->PlayButton);
  ASSERT_TRUE(TickUntil([] { return CurrentIndex() == 1; }));
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  ASSERT_TRUE(TickUntil([] { return vars.PlayStatus == Audio::psStopped; }));
  EXPECT_EQ(CurrentIndex(), 0);
  EXPECT_EQ(DeckForm->StatusText, "Stopped");
  EXPECT_TRUE(Shows(DeckForm->PlayPauseStateImage, DeckForm->PlayPauseStateImageList, 2));

  DeckForm->Settings.RepeatOn = true;
  Click(DeckForm->PlayButton);
  ASSERT_TRUE(TickUntil([] { return CurrentIndex() == 1; }));
  ASSERT_TRUE(TickUntil([] { return CurrentIndex() == 0; }));
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  EXPECT_EQ(DeckForm->StatusText, "Playing");
}

class PositionSlider : public DeckTransport {
 protected:
  void SetUp() override {
    DeckTransport::SetUp();
    Start();
    auto& op = Audio::operations.AudioSetPosition;
    op = [inner = op, this] {
      ++positionsSent;
      inner();
    };
  }
  // Drags the position button from its left end to the bar's middle.
  void DragToMiddle() {
    PlatformUi::ImageControl* button = DeckForm->PosBarButton;
    const int middle =
        DeckForm->PosbarImage->x() + (DeckForm->PosbarImage->width() - button->width()) / 2;
    Press(button, {2, 2});
    EXPECT_EQ(vars.PositionDragging, 1);
    EXPECT_TRUE(Shows(button, DeckForm->PosBarButtonImageList, 1));
    DragTo(button, {2 + middle - button->x(), 2});
    Release(button, {2, 2});
    EXPECT_EQ(vars.PositionDragging, 0);
    EXPECT_TRUE(Shows(button, DeckForm->PosBarButtonImageList, 0));
  }
  int positionsSent = 0;
};

TEST_F(PositionSlider, APausedSongMovesAndStaysPaused) {
  Click(DeckForm->PlayButton);
  Click(DeckForm->PauseButton);
  DragToMiddle();
  EXPECT_EQ(vars.PositionPercent, 50);
  EXPECT_EQ(positionsSent, 2);  // one by starting the song, one by the drag
  EXPECT_EQ(vars.PlayStatus, Audio::psPaused);
  Audio::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 4);  // the middle of eight seconds
}

TEST_F(PositionSlider, AStoppedSongIsNotMovedAndPlaysFromItsStart) {
  Click(DeckForm->PlayButton);
  Click(DeckForm->StopButton);
  const int sentBefore = positionsSent;
  DragToMiddle();
  EXPECT_EQ(positionsSent, sentBefore);
  EXPECT_EQ(vars.PlayStatus, Audio::psStopped);
  Click(DeckForm->PlayButton);
  Audio::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 0);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
}

// A press on a slider's track takes the button under the pointer and acts at
// once; the wheel over the deck and the arrow keys of the deck and the
// equalizer step the volume by 5 and the song by 5 seconds.
TEST_F(PositionSlider, TrackClicksWheelAndArrowKeys) {
  UsePlayList({WriteSong("long.wav", 30.0)});
  Click(DeckForm->PlayButton);
  Click(DeckForm->PauseButton);  // the position holds still while paused
  const int sentBefore = positionsSent;
  PlatformUi::ImageControl* position = DeckForm->PosbarImage;
  PlatformUi::ImageControl* volume = DeckForm->VolumeImage;  // upright in this skin: 100 at the top
  PlatformUi::ImageControl* balance = DeckForm->BalanceImage;
  const struct {
    const char* what;
    PlatformUi::ImageControl* track;
    QPoint at;
    const int& value;
    int expected;
  } clicks[] = {
      {"position, middle", position, {position->width() / 2, 1}, vars.PositionPercent, 50},
      {"volume, top", volume, {volume->width() / 2, 0}, vars.VolumeValue, 100},
      {"balance, left end", balance, {0, 1}, vars.BalanceValue, 0},
  };
  for (const auto& c : clicks) {
    Click(c.track, c.at);
    EXPECT_EQ(c.value, c.expected) << c.what;
  }
  EXPECT_EQ(positionsSent, sentBefore + 1);
  EXPECT_EQ(vars.PlayStatus, Audio::psPaused);
  Audio::AudioGetPosition();
  EXPECT_EQ(vars.ElapsedSeconds, 15);

  const auto wheel = [](int delta) {
    QWheelEvent event(QPointF(5, 5), DeckForm->mapToGlobal(QPointF(5, 5)), {}, {0, delta}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(DeckForm, &event);
  };
  const auto key = [](QWidget* window, Qt::Key key) {
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, key);
  };
  QWidget* deck = DeckForm;
  QWidget* equalizer = EqualizerFormSkinned;
  QWidget* playList = PlayListEditorForm;
  const struct {
    const char* what;
    int volumeBefore;
    std::function<void()> act;
    int volumeAfter;
    int64_t secondAfter;
  } steps[] = {
      {"wheel up a notch", 50, [&] { wheel(120); }, 55, 15},
      {"wheel down two notches", 50, [&] { wheel(-240); }, 40, 15},
      {"two half notches", 50, [&] {
         wheel(60);
         wheel(60);
       }, 55, 15},
      {"Up in the deck", 50, [&] { key(deck, Qt::Key_Up); }, 55, 15},
      {"Down in the equalizer", 2, [&] { key(equalizer, Qt::Key_Down); }, 0, 15},
      {"Right in the deck", 50, [&] { key(deck, Qt::Key_Right); }, 50, 20},
      {"Left twice in the equalizer", 50, [&] {
         key(equalizer, Qt::Key_Left);
         key(equalizer, Qt::Key_Left);
       }, 50, 10},
      {"Up in the playlist moves in the list", 50, [&] { key(playList, Qt::Key_Up); }, 50, 10},
  };
  for (const auto& step : steps) {
    DeckForm->SetVolumeLevel(step.volumeBefore);
    step.act();
    EXPECT_EQ(vars.VolumeValue, step.volumeAfter) << step.what;
    EXPECT_EQ(DeckForm->VolumeSliderRecord.Value, step.volumeAfter) << step.what;
    Audio::AudioGetPosition();
    EXPECT_EQ(vars.ElapsedSeconds, step.secondAfter) << step.what;
  }
  EXPECT_EQ(vars.PlayStatus, Audio::psPaused);
}

// A tracker music's time is counted by the deck's display timer from the
// millisecond clock; the time spent paused is not counted.
TEST_F(DeckTransport, TrackerMusicTimeLeavesOutThePause) {
  const MediaGen::ModuleSong song = MediaGen::SteadyNoteSong();
  const QString path = TestSupport::ProgramFolder() + "song.mod";
  ASSERT_TRUE(MediaGen::WriteMod(path.toStdString(), song));

  uint64_t now = 1000;
  PlatformUi::SetMillisecondClockSource([&now] { return now; });
  DeckRun::Start();
  UsePlayList({path});
  Click(DeckForm->PlayButton);
  ASSERT_EQ(vars.FileKind, Audio::fkMusic);
  now += 400;
  DeckForm->Timer1Timer();
  EXPECT_EQ(vars.MusicElapsedMs, 400);
  Click(DeckForm->PauseButton);
  now += 5000;
  DeckForm->Timer1Timer();
  EXPECT_EQ(vars.MusicElapsedMs, 400);
  Click(DeckForm->PlayButton);
  now += 1700;
  DeckForm->Timer1Timer();
  EXPECT_EQ(vars.MusicElapsedMs, 2100);
  EXPECT_EQ(vars.ElapsedSeconds, 2);
}

TEST_F(DeckTransport, ToggleButtonsSwitchOnlyWhenReleasedOverThem) {
  Start();
  PlatformUi::ImageControl* repeat = DeckForm->RepeatButton;
  const auto& sprites = DeckForm->RepeatButtonImageList;
  const QPoint inside = repeat->rect().center();
  const QPoint outside(repeat->width() + 5, inside.y());

  Press(repeat, inside);
  EXPECT_EQ(DeckForm->RepeatButtonState, 1);
  DragTo(repeat, outside);
  EXPECT_EQ(DeckForm->RepeatButtonState, 0);
  DragTo(repeat, inside);
  EXPECT_EQ(DeckForm->RepeatButtonState, 1);
  DragTo(repeat, outside);
  Release(repeat, outside);
  EXPECT_EQ(DeckForm->RepeatButtonState, 0);
  EXPECT_TRUE(Shows(repeat, sprites, 0));
  EXPECT_FALSE(DeckForm->Settings.RepeatOn);

  Click(repeat);
  EXPECT_EQ(DeckForm->RepeatButtonState, 2);
  EXPECT_TRUE(Shows(repeat, sprites, 2));
  EXPECT_TRUE(DeckForm->Settings.RepeatOn);

  // Released outside without moving there first: still nothing changes.
  Press(repeat, inside);
  EXPECT_EQ(DeckForm->RepeatButtonState, 3);
  Release(repeat, outside);
  EXPECT_EQ(DeckForm->RepeatButtonState, 2);
  EXPECT_TRUE(DeckForm->Settings.RepeatOn);

  Click(DeckForm->ShuffleButton);
  EXPECT_TRUE(DeckForm->Settings.ShuffleOn);
  EXPECT_TRUE(Shows(DeckForm->ShuffleButton, DeckForm->ShuffleButtonImageList, 2));

  // The playlist button's states sit four sprites further on.
  ASSERT_TRUE(PlayListEditorForm->isVisible());
  EXPECT_EQ(DeckForm->PlaylistButtonState, 6);
  Click(DeckForm->PlaylistButton);
  EXPECT_EQ(DeckForm->PlaylistButtonState, 4);
  EXPECT_FALSE(PlayListEditorForm->isVisible());
  EXPECT_FALSE(DeckForm->Settings.PLVisible);
  const bool equalizerShown = EqualizerFormSkinned->isVisible();
  Click(DeckForm->EqualizerButton);
  EXPECT_NE(EqualizerFormSkinned->isVisible(), equalizerShown);
  EXPECT_EQ(DeckForm->Settings.EQVisible, EqualizerFormSkinned->isVisible());
}

TEST_F(DeckTransport, TitleBarButtonsAndActivation) {
  Start();
  int preferencesShown = 0;
  DeckForm->ShowPreferencesDialog = [&preferencesShown] { ++preferencesShown; };
  Press(DeckForm->MainMenuButton, {2, 2});
  EXPECT_TRUE(Shows(DeckForm->MainMenuButton, DeckForm->TitleBarButtonsImageList, 1));
  Release(DeckForm->MainMenuButton, {2, 2});
  EXPECT_TRUE(Shows(DeckForm->MainMenuButton, DeckForm->TitleBarButtonsImageList, 0));
  EXPECT_EQ(preferencesShown, 1);

  QEvent deactivated(QEvent::ActivationChange);
  QCoreApplication::sendEvent(DeckForm, &deactivated);
  EXPECT_EQ(Shows(DeckForm->TitleBarImage, DeckForm->TitleBarImageList, 0),
            DeckForm->isActiveWindow());
  EXPECT_EQ(Shows(DeckForm->TitleBarImage, DeckForm->TitleBarImageList, 1),
            !DeckForm->isActiveWindow());

  Click(DeckForm->MinimizeWindowButton);
  EXPECT_TRUE(DeckForm->isMinimized());
  EXPECT_TRUE(PlayListEditorForm->isMinimized());
  DeckForm->showNormal();
  Click(DeckForm->CloseWindowButton);
  EXPECT_FALSE(DeckForm->isVisible());
}

double Loudest(const MediaGen::PcmAudio& audio, double fromSecond, double toSecond) {
  const auto frame = [&](double second) {
    return std::clamp<size_t>(size_t(second * audio.sampleRate) * audio.channels, 0,
                              audio.samples.size());
  };
  double loudest = 0;
  for (size_t i = frame(fromSecond); i < frame(toSecond); ++i) {
    loudest = std::max(loudest, double(std::abs(audio.samples[i])));
  }
  return loudest;
}

TEST_F(DeckTransport, TheOutputHoldsSoundAfterPlayAndSilenceAfterStop) {
  Start();
  Click(DeckForm->PlayButton);
  // The song's own clock and the output's size say how much was heard; a
  // loaded machine (or a sanitizer build) makes the wall clock no guide.
  ASSERT_TRUE(TickUntil([] { return vars.ElapsedSeconds >= 2; }));
  Click(DeckForm->StopButton);
  const qint64 atStop = QFileInfo(outputPath_).size();
  // Half as much again is at least a second after the stop.
  ASSERT_TRUE(TickUntil([&] { return QFileInfo(outputPath_).size() >= atStop * 3 / 2; }));
  Stop();
  const MediaGen::PcmAudio heard = HeardOutput();
  const double seconds = double(heard.samples.size()) / heard.channels / heard.sampleRate;
  ASSERT_GT(seconds, 2.5);
  EXPECT_GT(Loudest(heard, 0, seconds - 1.0), 0.3);
  EXPECT_LT(Loudest(heard, seconds - 0.5, seconds), 0.001);
}

// A song that cannot be played never leaves the deck showing "Playing".
// Reached by Next it is passed over without a box while its reason runs
// along the artist line; chosen directly, or with skipping switched off, it
// gets the error box and the deck shows the engine stopped.
TEST_F(DeckTransport, SongsThatCannotBePlayedLeaveTheDeckAsTheEngineIs) {
  DeckRun::Start();
  const QStringList bad = WriteUnplayableSongs();
  const QString good = WriteSong("good.wav", 8.0);
  auto& boxes = TestSupport::MessageBoxes().shown;
  for (const QString& song : bad) {
    SCOPED_TRACE(song.toStdString());
    for (bool skipping : {true, false}) {
      DeckForm->Settings.SkipUnplayableSongs = skipping;
      UsePlayList({good, song, good});
      Click(DeckForm->PlayButton);
      ASSERT_EQ(vars.PlayStatus, Audio::psPlaying);
      boxes.clear();
      Click(DeckForm->ForwardButton);
      if (skipping) {
        EXPECT_TRUE(boxes.empty());
        EXPECT_EQ(CurrentIndex(), 2);
        EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
        ExpectDeckShows(0, "Playing", true);
        EXPECT_TRUE(DeckForm->ArtistScrollText.Text.startsWith("Can't create stream (error code: "))
            << DeckForm->ArtistScrollText.Text.toStdString();
      } else {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].text.startsWith("Can't create stream\r\n(error code: "));
        EXPECT_EQ(CurrentIndex(), 1);
        EXPECT_EQ(vars.PlayStatus, Audio::psStopped);
        ExpectDeckShows(2, "Stopped", false);
      }
    }
    // Chosen directly: Play on the stopped list.
    Click(DeckForm->StopButton);
    PlayListEditorForm->PlayList.CurrentSongIndex = 1;
    boxes.clear();
    Click(DeckForm->PlayButton);
    EXPECT_EQ(boxes.size(), 1u);
    ExpectDeckShows(2, "Stopped", false);
    ASSERT_FALSE(TickUntil([] { return CurrentIndex() != 1; }, 300)) << "moved on by itself";
  }
}

// A song ends into unplayable ones and, repeating, comes round to itself
// again without a box; a list of nothing but unplayable songs stops after
// one pass, its reason on the artist line until it has run through once.
TEST_F(DeckTransport, TheEndOfASongSkipsUnplayableOnesAndAWholeListOfThemStops) {
  DeckRun::Start();
  const QStringList bad = WriteUnplayableSongs();
  UsePlayList(QStringList{WriteSong("short.wav", 0.4)} + bad);
  DeckForm->Settings.RepeatOn = true;
  Click(DeckForm->PlayButton);
  ASSERT_TRUE(TickUntil([] { return DeckForm->ArtistScrollText.Text.startsWith("Can't create stream"); }));
  EXPECT_EQ(CurrentIndex(), 0);
  EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());

  UsePlayList(bad);
  Click(DeckForm->ForwardButton);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
  EXPECT_EQ(vars.PlayStatus, Audio::psStopped);
  ExpectDeckShows(2, "Stopped", false);
  EXPECT_EQ(CurrentIndex(), 0);
  const QString notice = DeckForm->ArtistScrollText.Text;
  EXPECT_TRUE(notice.startsWith("Can't create stream")) << notice.toStdString();
  for (int tick = 0; tick < notice.size() + DeckForm->ArtistWindowInfo.WidthInChars; ++tick) DeckForm->Timer1Timer();
  EXPECT_EQ(DeckForm->ArtistScrollText.Text, notice);
  DeckForm->Timer1Timer();
  EXPECT_EQ(DeckForm->ArtistScrollText.Text, GeneralFunctions::GetEntrySongArtist(vars.CurrentSongEntry));
}

}  // namespace
}  // namespace DeckTests
