// The deck's transport: play, pause, stop, skip, the toggles, the title-bar
// buttons and the two timers that keep the display current and move on when a
// song ends. Every choice of song goes to the playlist editor.
#include <QTimer>

#include "app/DeckStreamDisplay.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/MillisecondClock.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "skins/SpriteFunctions.h"

namespace {

namespace Audio = KestrelixAudioApi;
using PlayListPlayback::pmNext;
using PlayListPlayback::pmPlay;
using PlayListPlayback::pmPrevious;
using PlayListPlayback::pmResume;

enum PlayStateSprite { kPlayingSprite = 0, kPausedSprite = 1, kStoppedSprite = 2 };

}  // namespace

void TDeckForm::ShowStateSprite(int sprite) {
  GeneralFunctions::ShowSprite(*PlayPauseStateImage, PlayPauseStateImageList, sprite);
}

void TDeckForm::ShowPlayState(int sprite, const QString& status, bool transmission) {
  ShowStateSprite(sprite);
  StatusText = status;
  DrawStatusText();
  TransmissionImage->setVisible(transmission);
}

void TDeckForm::ShowEngineState() {
  switch (Audio::vars.PlayStatus) {
    case Audio::psPlaying: ShowPlayState(kPlayingSprite, QStringLiteral("Playing"), true); break;
    case Audio::psPaused: ShowPlayState(kPausedSprite, QStringLiteral("Paused"), false); break;
    default: ShowPlayState(kStoppedSprite, QStringLiteral("Stopped"), false); break;
  }
  Paused = Audio::vars.PlayStatus == Audio::psPaused;
}

void TDeckForm::ResumePausedSong() {
  PlayListEditorForm->PlayPlayListSong(pmResume);
  if (Audio::vars.FileKind == Audio::fkMusic && Audio::vars.PlayStatus == Audio::psPlaying) {
    Audio::vars.LastTickTime = PlatformUi::MillisecondClock();
  }
}

void TDeckForm::PlayButtonClick() {
  if (Audio::vars.PlayStatus == Audio::psPaused) {
    ResumePausedSong();
  } else {
    PlayListEditorForm->PlayPlayListSong(pmPlay);
  }
  ShowEngineState();
}

void TDeckForm::PauseButtonClick() {
  if (Paused) {
    ResumePausedSong();
    ShowEngineState();
    return;
  }
  Audio::AudioPause();
  ShowPlayState(kPausedSprite, QStringLiteral("Paused"), false);
  Paused = true;
}

void TDeckForm::StopButtonClick() {
  ShowPlayState(kStoppedSprite, QStringLiteral("Stopped"), false);
  Paused = false;
  FileTypeEffectStep = 0;
  Audio::AudioStop();
}

// The list running out without repeat, or songs that cannot be played,
// leave the engine stopped, and the deck shows it.
void TDeckForm::ForwardButtonClick() {
  ShowStateSprite(kStoppedSprite);
  PlayListEditorForm->PlayPlayListSong(pmNext);
  ShowEngineState();
}

void TDeckForm::BackwardButtonClick() {
  ShowStateSprite(kStoppedSprite);
  PlayListEditorForm->PlayPlayListSong(pmPrevious);
  ShowEngineState();
}

void TDeckForm::EjectButtonClick() {
  PlayListEditorForm->AddFilesToPlayList();
  Paused = false;
}

void TDeckForm::EqualizerButtonClick() {
  EqualizerFormSkinned->setVisible(!EqualizerFormSkinned->isVisible());
  Settings.EQVisible = EqualizerFormSkinned->isVisible();
}

void TDeckForm::PlaylistButtonClick() {
  PlayListEditorForm->setVisible(!PlayListEditorForm->isVisible());
  Settings.PLVisible = PlayListEditorForm->isVisible();
}

void TDeckForm::RepeatButtonClick() { Settings.RepeatOn = !Settings.RepeatOn; }

void TDeckForm::ShuffleButtonClick() { Settings.ShuffleOn = !Settings.ShuffleOn; }

void TDeckForm::MainMenuButtonClick() {
  if (ShowPreferencesDialog) ShowPreferencesDialog();
}

void TDeckForm::MinimizeWindowButtonClick() {
  for (QWidget* window : {static_cast<QWidget*>(EqualizerFormSkinned),
                          static_cast<QWidget*>(PlayListEditorForm), static_cast<QWidget*>(this)}) {
    if (window->isVisible()) window->showMinimized();
  }
}

void TDeckForm::CloseWindowButtonClick() { close(); }

void TDeckForm::FormActivate() {
  GeneralFunctions::ShowSprite(*TitleBarImage, TitleBarImageList, 0);
}

void TDeckForm::FormDeactivate() {
  GeneralFunctions::ShowSprite(*TitleBarImage, TitleBarImageList, 1);
}

void TDeckForm::Timer1Timer() {
  auto& vars = Audio::vars;
  if (vars.FileKind == Audio::fkMusic && vars.PlayStatus == Audio::psPlaying) {
    const uint64_t now = PlatformUi::MillisecondClock();
    vars.MusicElapsedMs += static_cast<int64_t>(now - vars.LastTickTime);
    vars.LastTickTime = now;
  }
  if (ScrollTextEnabled) {
    GeneralFunctions::StepScrollingText(ArtistScrollText, 0, 0, ArtistWindowInfo, *SongArtistWindow,
                                        FontSmallImageList);
    if (notice_.ticksLeft > 0 && --notice_.ticksLeft == 0) SetArtistScrollText(notice_.songText);
    if (GeneralFunctions::SkinIsWinamp == 0) {
      GeneralFunctions::StepScrollingText(TitleScrollText, 0, 0, TitleWindowInfo, *SongTitleWindow,
                                          FontSmallImageList);
    }
  }
  DrawSongTimeText(TimeDisplayMode);
  if (vars.TextWindowsDirty == 1) {
    vars.TextWindowsDirty = 0;
    UpdateTextWindows();
  }
  if (vars.PositionDragging == 0) {
    Audio::AudioGetPosition();
    DrawPositionSlider();
  }
  ShowInternetStream(*this);
  if (vars.PlayStatus == Audio::psStopped || vars.PlayStatus == Audio::psEnded) {
    DisplayFileTypeEffect();
  }
  Audio::AudioGetCPU();
}

void TDeckForm::Timer2Timer() {
  Audio::AudioCheckEndOfSong();
  if (Audio::vars.SongJoinedEvent == 1) {
    Audio::vars.SongJoinedEvent = 0;
    PlayListEditorForm->TakeJoinedSong();
  }
  if (Audio::vars.SongEndedEvent == 1) {
    Audio::vars.SongEndedEvent = 0;
    if (Audio::vars.PlayStatus == Audio::psEnded) ForwardButtonClick();
  }
  PlayListEditorForm->KeepNextSongPrepared();
  FollowPlayStatus();
}

void TDeckForm::FollowPlayStatus() {
  if (Audio::vars.PlayStatus != Audio::psPlaying) {
    Timer2->stop();
  } else if (Timer1->isActive() && !Timer2->isActive()) {
    Timer2->start();
  }
}
