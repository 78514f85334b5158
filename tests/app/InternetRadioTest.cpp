// Internet radio on the deck: a station on 127.0.0.1 plays with its titles,
// its name and its read-outs, and a dead one gives way to the next entry.
#include <QFile>

#include "DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/Analysis.h"
#include "platform/bass/bass.h"
#include "playlist/AutoPlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/TPlayListEditorForm.h"
#include "support/RadioServer.h"
#include "support/TestEnvironment.h"

namespace DeckTests {
namespace {

namespace Audio = KestrelixAudioApi;
using Audio::vars;
using TestSupport::RadioServer;

class InternetRadio : public DeckRun {
 protected:
  void TearDown() override {
    DeckRun::TearDown();
    BASS_SetConfig(BASS_CONFIG_NET_TIMEOUT, 10000);
  }
};

TEST_F(InternetRadio, AStationPlaysWithItsTitlesAndIsFoundAgainAfterARestart) {
  RadioServer station(TestSupport::ToneShow(false, 2, 44100, 4.0));
  Start();
  UsePlayList({QString::fromStdString(station.Url())});
  Click(DeckForm->PlayButton);
  ASSERT_TRUE(TickUntil([] { return DeckForm->TitleScrollText.Text == "Second Title"; }));
  EXPECT_EQ(DeckForm->ArtistScrollText.Text, "Second Artist");
  ASSERT_TRUE(TickUntil([] { return vars.ElapsedSeconds >= 3; }));
  EXPECT_EQ(DeckForm->StatusText, "Playing");
  // The read-outs are the station's; the time counts up and the bar stays.
  EXPECT_EQ(DeckForm->KbpsText, "128");
  EXPECT_EQ(DeckForm->KhzText, "44100");
  EXPECT_EQ(vars.TotalSeconds, 0);
  EXPECT_EQ(vars.PositionPercent, 0);
  DeckForm->SongCurrectPlayingTimeWindowClick();  // remaining time: a station has none
  DeckForm->Timer1Timer();
  EXPECT_TRUE(vars.ElapsedTimeText.startsWith('+'));
  // The bar does not follow a drag, and the station goes on where it was.
  const int64_t before = vars.ElapsedSeconds;
  Press(DeckForm->PosBarButton, {2, 2});
  DragTo(DeckForm->PosBarButton, {150, 2});
  Release(DeckForm->PosBarButton, {150, 2});
  EXPECT_EQ(vars.PositionPercent, 0);
  DeckForm->Timer1Timer();
  EXPECT_GE(vars.ElapsedSeconds, before);

  const QString entry = PlayListEditorForm->PlayList.Entry(0);
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(entry), "Test Radio");
  Stop();
  const MediaGen::PcmAudio heard = HeardOutput();
  EXPECT_GT(MediaGen::ToneAmplitude(heard, 0, 440, {heard.Frames() / 4, heard.Frames() / 2}), 0.2);
  EXPECT_EQ(PlayListFile::ReadPlayListFile(AutoPlayList::AutoPlayListPath()).entries, QStringList{entry});
}

// A station that cannot be reached says why on the artist line, once, and
// gives way to the next entry; alone in a repeating list it stops there
// rather than being tried again and again.
TEST_F(InternetRadio, AStationThatCannotBeReachedSaysWhyAndGivesWay) {
  Start();
  BASS_SetConfig(BASS_CONFIG_NET_TIMEOUT, 300);
  RadioServer silent(TestSupport::ToneShow(false), TestSupport::Misbehaviour::Silent);
  RadioServer missing(TestSupport::ToneShow(false), TestSupport::Misbehaviour::NotFound);
  std::string closed;
  {
    RadioServer gone(TestSupport::ToneShow(false));
    closed = gone.Url();
  }
  const QString after = WriteSong("after.wav", 4.0);
  const struct {
    std::string url;
    const char* reason;
  } cases[] = {
      {silent.Url(), "Can't reach the station: no answer in time"},
      {missing.Url(), "Can't reach the station: the server answered 404 Not Found"},
      {closed, "Can't reach the station: no connection could be made"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    UsePlayList({QString::fromStdString(c.url), after});
    Click(DeckForm->PlayButton);
    ASSERT_TRUE(TickUntil([] { return PlayListEditorForm->PlayList.CurrentSongIndex == 1; }));
    EXPECT_EQ(vars.PlayStatus, Audio::psPlaying);
    EXPECT_EQ(vars.IsInternetStream, 0);
    EXPECT_EQ(DeckForm->ArtistScrollText.Text, c.reason);
    EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
  }

  DeckForm->Settings.RepeatOn = true;
  UsePlayList({QString::fromStdString(closed)});
  Click(DeckForm->PlayButton);
  ASSERT_TRUE(TickUntil([] { return vars.PlayStatus == Audio::psStopped; }));
  EXPECT_EQ(DeckForm->StatusText, "Stopped");
  EXPECT_EQ(DeckForm->ArtistScrollText.Text, cases[2].reason);
  ASSERT_FALSE(TickUntil([] { return vars.PlayStatus != Audio::psStopped; }, 1000)) << "tried again";
}

}  // namespace
}  // namespace DeckTests
