#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

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

}  // namespace
}  // namespace DeckTests
