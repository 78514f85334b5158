// The equalizer window worked with the mouse in a running player: sliders,
// the On and Auto buttons, the visual-effects panel, the saved settings and
// what the filter does to the sound.
#include <QFile>
#include <algorithm>
#include <cmath>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "mediagen/Analysis.h"
#include "mediagen/WavFile.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"
#include "skins/BitmapText.h"
#include "support/TestEnvironment.h"

namespace DeckTests {
namespace {

namespace Audio = KestrelixAudioApi;
using Audio::vars;

// The first frame of the left channel louder than faint noise.
int64_t FirstSoundFrame(const MediaGen::PcmAudio& audio) {
  for (int64_t frame = 0; frame < audio.Frames(); ++frame)
    if (std::abs(audio.samples[size_t(frame * audio.channels)]) > 0.01f) return frame;
  return audio.Frames();
}

constexpr int kBand6 = 6;  // slider index of the 1000 Hz band
constexpr QPoint kGrip(5, 5);

class EqualizerWindow : public DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
    eq = EqualizerFormSkinned;
    eq->Timer1->stop();
  }

  PlatformUi::ImageControl* Thumb(int index) const {
    return index == 0 ? eq->EQPreAmpButton : eq->EQBandButtons()[size_t(index - 1)];
  }

  // Presses the thumb, drags it by dy pixels and keeps holding it.
  void PressAndDrag(int index, int dy) {
    Press(Thumb(index), kGrip);
    DragTo(Thumb(index), kGrip + QPoint(0, dy));
  }

  static void DoubleClick(PlatformUi::SkinnedControl* control) {
    QMouseEvent event(QEvent::MouseButtonDblClick, QPointF(kGrip), control->mapToGlobal(QPointF(kGrip)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &event);
  }

  static bool ArtistShows(const QString& text) {
    return ShowsText(DeckForm->SongArtistWindow, text, DeckForm->ArtistWindowInfo.WidthInChars);
  }

  TEqualizerFormSkinned* eq = nullptr;
};

TEST_F(EqualizerWindow, DraggingStopsAtTheTrackEndsAndOnePixelIsOneStep) {
  PressAndDrag(kBand6, -200);
  EXPECT_EQ(eq->SliderValues[kBand6], 100);
  EXPECT_EQ(Thumb(kBand6)->y(), eq->EQBandImage6->y());
  EXPECT_TRUE(Shows(eq->EQBandImage6, eq->EQBandsImageList, 27));
  EXPECT_TRUE(Shows(Thumb(kBand6), eq->EQBandButtonImageList, 1));
  EXPECT_TRUE(ArtistShows("EQ: 1000 Hz:100"));
  EXPECT_FALSE(DeckForm->ScrollTextEnabled);

  DragTo(Thumb(kBand6), kGrip + QPoint(0, 1));
  const int room = eq->EQBandImage6->height() - Thumb(kBand6)->height();
  EXPECT_EQ(eq->SliderValues[kBand6], 100 - 100 / room);
  EXPECT_EQ(eq->BandSliderRecords[5].SpriteIndex, 27 - (100 / room) * 27 / 100);

  DragTo(Thumb(kBand6), kGrip + QPoint(0, 500));
  EXPECT_EQ(eq->SliderValues[kBand6], 0);
  EXPECT_EQ(Thumb(kBand6)->y(), eq->EQBandImage6->y() + room);
  EXPECT_EQ(vars.EQBandValues[5], 50);  // nothing reaches the filter before the release

  Release(Thumb(kBand6), kGrip);
  EXPECT_EQ(vars.EQBandValues[5], 0);
  EXPECT_TRUE(Shows(Thumb(kBand6), eq->EQBandButtonImageList, 0));
  EXPECT_TRUE(DeckForm->ScrollTextEnabled);

  PressAndDrag(0, -10);
  EXPECT_TRUE(ArtistShows(QStringLiteral("EQ: PreAmp:%1").arg(eq->SliderValues[0])));
  Release(Thumb(0), kGrip);
  EXPECT_EQ(vars.EQPreAmpValue, eq->SliderValues[0]);
}

TEST_F(EqualizerWindow, DoubleClickCentresTheSliderButTheFilterWaitsForTheRelease) {
  PressAndDrag(kBand6, -200);
  Release(Thumb(kBand6), kGrip);
  ASSERT_EQ(vars.EQBandValues[5], 100);

  DoubleClick(Thumb(kBand6));
  EXPECT_EQ(eq->SliderValues[kBand6], 50);
  EXPECT_TRUE(Shows(eq->EQBandImage6, eq->EQBandsImageList, 14));
  EXPECT_TRUE(ArtistShows("EQ: 1000 Hz:50"));
  EXPECT_EQ(vars.EQBandValues[5], 100);
  Release(Thumb(kBand6), kGrip);
  EXPECT_EQ(vars.EQBandValues[5], 50);
}

TEST_F(EqualizerWindow, OnButtonSwitchesOnlyOnAReleaseOverIt) {
  PlatformUi::ImageControl* on = eq->EQOnButton;
  Press(on, QPoint(3, 3));
  EXPECT_TRUE(Shows(on, eq->EQOnButtonImageList, 1));
  DragTo(on, QPoint(-20, 3));
  EXPECT_TRUE(Shows(on, eq->EQOnButtonImageList, 0));
  DragTo(on, QPoint(3, 3));
  EXPECT_TRUE(Shows(on, eq->EQOnButtonImageList, 1));
  DragTo(on, QPoint(3, 40));
  Release(on, QPoint(3, 40));
  EXPECT_TRUE(Shows(on, eq->EQOnButtonImageList, 0));
  EXPECT_EQ(vars.EQEnabled, 0);

  Click(on);
  EXPECT_TRUE(Shows(on, eq->EQOnButtonImageList, 2));
  EXPECT_EQ(vars.EQEnabled, 1);
  Click(on);
  EXPECT_TRUE(Shows(on, eq->EQOnButtonImageList, 0));
  EXPECT_EQ(vars.EQEnabled, 0);

  Click(eq->EQAutoButton);
  EXPECT_TRUE(eq->EQAutoOn);
  EXPECT_TRUE(Shows(eq->EQAutoButton, eq->EQAutoButtonImageList, 2));
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].text, "Not Implemented Yet");
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].caption, "Message");
}

TEST_F(EqualizerWindow, CloseButtonHidesTheWindowAndTheDeckButtonFollows) {
  eq->show();
  EXPECT_EQ(DeckForm->EqualizerButtonState, 2);
  Click(eq->EQCloseWindowButton, {4, 4});
  EXPECT_FALSE(eq->isVisible());
  EXPECT_FALSE(DeckForm->Settings.EQVisible);
  EXPECT_EQ(DeckForm->EqualizerButtonState, 0);
  EXPECT_TRUE(Shows(DeckForm->EqualizerButton, DeckForm->EQPLButtonImageList, 0));
}

TEST_F(EqualizerWindow, PanelClicksCycleTheModesAndAWinampSkinSilencesTheTimer) {
  eq->VisualEffectsMode = VisualEffects::vmNone;
  Click(eq->EQDiagramImageCanvas);
  EXPECT_EQ(eq->VisualEffectsMode, VisualEffects::vmScope);
  eq->Timer1Timer();
  const int mid = eq->EQDiagramImageCanvas->height() / 2 - 1;
  EXPECT_EQ(eq->EQDiagramImageCanvas->Canvas().pixel(10, mid), eq->ScopeColors[16]);  // silence
  for (int mode : {VisualEffects::vmBandBars, VisualEffects::vmSpectrum, VisualEffects::vmNone,
                   VisualEffects::vmScope}) {
    Click(eq->EQDiagramImageCanvas);
    EXPECT_EQ(eq->VisualEffectsMode, mode);
  }
  Click(eq->EQVolLevelCanvas);
  EXPECT_FALSE(eq->LevelMeterOn);

  const uint8_t skin = GeneralFunctions::SkinIsWinamp;
  GeneralFunctions::SkinIsWinamp = 1;
  Click(eq->EQDiagramImageCanvas);
  eq->EQDiagramImageCanvas->Canvas().fill(Qt::blue);
  eq->Timer1Timer();
  EXPECT_EQ(eq->EQDiagramImageCanvas->Canvas().pixel(10, mid), QColor(Qt::blue).rgb());
  GeneralFunctions::SkinIsWinamp = skin;
}

// The meter's two bars leave a gap between them, which shows the window's
// background, not whatever the screen held there before.
TEST_F(EqualizerWindow, TheLevelMeterShowsTheBackgroundBetweenItsBars) {
  eq->Timer1Timer();
  const QPoint inGap(15, 30);
  EXPECT_EQ(eq->EQVolLevelCanvas->Canvas().pixel(inGap),
            eq->EQMainImage->Picture().pixel(eq->EQVolLevelCanvas->geometry().topLeft() + inGap));
}

TEST_F(EqualizerWindow, TimersRestWhileNothingIsToBeDrawnAndASongWakesThem) {
  UsePlayList({WriteSong("tone.wav", 8.0)});
  DeckForm->Timer1->start();
  eq->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(eq));
  eq->VisualEffectsMode = VisualEffects::vmSpectrum;
  eq->Timer1Timer();  // the silent frame, then nothing more to draw
  EXPECT_FALSE(eq->Timer1->isActive());

  Click(DeckForm->PlayButton);
  EXPECT_TRUE(eq->Timer1->isActive());
  EXPECT_TRUE(DeckForm->Timer2->isActive());
  eq->hide();
  eq->Timer1Timer();
  EXPECT_FALSE(eq->Timer1->isActive());  // nothing is drawn for a hidden window
  eq->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(eq));
  EXPECT_TRUE(eq->Timer1->isActive());

  Click(DeckForm->PauseButton);
  EXPECT_FALSE(DeckForm->Timer2->isActive());
  eq->Timer1Timer();
  EXPECT_FALSE(eq->Timer1->isActive());
  Click(DeckForm->PlayButton);
  EXPECT_TRUE(eq->Timer1->isActive());
  EXPECT_TRUE(DeckForm->Timer2->isActive());
}

// A 1 kHz tone lights the bar of the 1K band whatever the rate of its file,
// and the screen shows the bars and the meter as drawn.
TEST_F(EqualizerWindow, AOneKilohertzToneLightsThe1KBarAtAnyRate) {
  constexpr size_t k1KBand = 5;
  eq->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(eq));
  eq->VisualEffectsMode = VisualEffects::vmBandBars;
  for (const int rate : {22050, 44100, 48000}) {
    SCOPED_TRACE(rate);
    MediaGen::ToneSpec spec;
    spec.frequencies = {1000.0};
    spec.seconds = 3;
    spec.sampleRate = rate;
    const QString song = TestSupport::ProgramFolder() + QStringLiteral("tone%1.wav").arg(rate);
    ASSERT_TRUE(MediaGen::WriteWav(song.toStdString(), MediaGen::MakeTone(spec)));
    UsePlayList({song});
    Click(DeckForm->PlayButton);
    const auto loudest = [this] {
      return size_t(std::max_element(eq->BandPeaks.begin(), eq->BandPeaks.end()) - eq->BandPeaks.begin());
    };
    EXPECT_TRUE(TickUntil([&] {
      eq->Timer1Timer();
      return eq->BandPeaks[k1KBand] > 0.1;
    }));
    EXPECT_EQ(loudest(), k1KBand);
    EXPECT_TRUE(ScreenShows(eq->EQDiagramImageCanvas));
    EXPECT_TRUE(ScreenShows(eq->EQVolLevelCanvas));
    Click(DeckForm->StopButton);
  }
}

TEST_F(EqualizerWindow, StateIsSavedInItsSettingsLinesAndRestored) {
  PressAndDrag(3, -200);
  Release(Thumb(3), kGrip);
  Click(eq->EQOnButton);
  eq->VisualEffectsMode = VisualEffects::vmSpectrum;
  eq->LevelMeterOn = false;
  Stop();
  const auto lines = PlatformUi::ReadTextLines(PlatformUi::ProgramFileWithExtension(".ini"), 1 << 20);
  ASSERT_TRUE(lines);
  EXPECT_EQ((*lines)[17], "[EQ Variables]");
  EXPECT_EQ((*lines)[21], "[EQ Buttons Positions]");
  EXPECT_EQ((*lines)[22], "50");   // the preamp
  EXPECT_EQ((*lines)[25], "100");  // band 3
  EXPECT_EQ((*lines).mid(33, 4), QStringList({"2", "False", "True", "False"}));

  Start();
  eq = EqualizerFormSkinned;
  EXPECT_EQ(eq->SliderValues[3], 100);
  EXPECT_EQ(eq->EQBandButton3->y(), eq->EQBandImage3->y());
  EXPECT_EQ(vars.EQEnabled, 1);
  EXPECT_TRUE(Shows(eq->EQOnButton, eq->EQOnButtonImageList, 2));
  EXPECT_EQ(eq->VisualEffectsMode, VisualEffects::vmSpectrum);
  EXPECT_FALSE(eq->LevelMeterOn);
}

// The filter really changes the sound: the 1000 Hz band at its top raises a
// 1000 Hz tone in what is heard and leaves a 62 Hz tone alone.
TEST_F(EqualizerWindow, ABandBoostIsHeardInItsBandOnly) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {62.0, 1000.0};
  spec.seconds = 1.5;
  spec.amplitude = 0.4;
  const QString song = TestSupport::ProgramFolder() + "chord.wav";
  ASSERT_TRUE(MediaGen::WriteWav(song.toStdString(), MediaGen::MakeTone(spec)));
  const MediaGen::PcmAudio source = MediaGen::MakeTone(spec);
  UsePlayList({song});

  Click(eq->EQOnButton);
  PressAndDrag(kBand6, -200);
  Release(Thumb(kBand6), kGrip);
  Click(DeckForm->PlayButton);
  ASSERT_TRUE(TickUntil([] { return vars.PlayStatus != Audio::psPlaying; }));
  Stop();

  const MediaGen::PcmAudio heard = HeardOutput();
  const MediaGen::FrameRange played{FirstSoundFrame(heard) + 44100 / 4, 44100 / 2};
  const MediaGen::FrameRange original{44100 / 4, 44100 / 2};
  const double boost =
      MediaGen::ToneAmplitude(heard, 0, 1000, played) / MediaGen::ToneAmplitude(source, 0, 1000, original);
  const double bass =
      MediaGen::ToneAmplitude(heard, 0, 62, played) / MediaGen::ToneAmplitude(source, 0, 62, original);
  const double volume = vars.VolumeValue / 100.0;  // the deck's volume applies to both
  EXPECT_GT(boost / volume, 1.6);                  // about +6 dB
  EXPECT_NEAR(bass / volume, 1.0, 0.1);
}

}  // namespace
}  // namespace DeckTests
