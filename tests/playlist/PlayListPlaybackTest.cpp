#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "audio/KestrelixAudioApi.h"
#include "platform/ui/RandomGenerator.h"
#include "audio/SongEntryFields.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListPlayback.h"

namespace {

using namespace PlayListPlayback;
namespace Audio = KestrelixAudioApi;

// Records every front-end operation in order, with the values the back-end
// would read, and the deck texts the playlist sets.
class PlayPlayListSongTest : public testing::Test {
 protected:
  void SetUp() override {
    Audio::ResetAudioApi();
    Audio::vars = Audio::SharedVariables{};
    auto record = [this](const char* name) {
      return [this, name] { calls.append(QLatin1String(name)); };
    };
    Audio::operations.AudioResume = record("Resume");
    Audio::operations.AudioStop = record("Stop");
    Audio::operations.DetachEqualizer = record("Detach");
    Audio::operations.AttachEqualizer = record("Attach");
    Audio::operations.AudioLoadSong = [this] {
      const QString path = GeneralFunctions::GetEntrySongPath(Audio::vars.CurrentSongEntry);
      calls.append("Load " + path);
      quietLoads.append(Audio::vars.QuietSongErrors == 1);
      Audio::vars.SongErrorText = unplayable.count(path) ? QStringLiteral("Can't create stream (error code: 2)") : QString();
    };
    Audio::operations.AudioSetPosition = [this] {
      calls.append(QStringLiteral("Position %1").arg(Audio::vars.PositionPercent));
    };
    Audio::operations.AudioSetBalance = [this] {
      calls.append(QStringLiteral("Balance %1").arg(Audio::vars.BalanceValue));
    };
    Audio::operations.AudioSetVolume = [this] {
      calls.append(QStringLiteral("Volume %1").arg(Audio::vars.VolumeValue));
    };
    Audio::operations.AudioPlay = record("Play");

    PlayListHooks::DeckDisplay& deck = PlayListHooks::Deck();
    deck = {};
    deck.SkinIsWinamp = [this] { return winampSkin; };
    deck.SetArtistScrollText = [this](const QString& text) { artistText = text; };
    deck.SetTitleScrollText = [this](const QString& text) { titleText = text; };
    deck.SetStatusText = [this](const QString& text) { statusText = text; };
    deck.ShowNotice = [this](const QString& text) { notices.append(text); };

    QStringList entries;
    for (int i = 0; i < 4; ++i) {
      entries.append(GeneralFunctions::BuildPlayListEntry(QStringLiteral("/m/artist%1 - song%1.mp3").arg(i)));
    }
    model.Append(entries);
    PlatformUi::SeedRandomGenerator(7);
  }
  void TearDown() override {
    Audio::ResetAudioApi();
    PlayListHooks::Deck() = {};
  }

  QStringList Play(TPlayMode mode, DeckPlaySettings settings = {false, false, 78, 40}) {
    calls.clear();
    PlayPlayListSong(model, mode, settings);
    return calls;
  }

  static QStringList FullSequence(int index, bool started = true) {
    QStringList sequence{"Resume", "Stop", QStringLiteral("Load /m/artist%1 - song%1.mp3").arg(index),
                         "Position 0", "Stop"};
    if (started) sequence += QStringList{"Balance 40", "Volume 78", "Play"};
    return sequence;
  }

  static QString Path(int index) { return QStringLiteral("/m/artist%1 - song%1.mp3").arg(index); }

  // The indexes of the entries loaded by the last Play, in order.
  std::vector<int> Loaded() const {
    std::vector<int> loaded;
    for (const QString& call : calls) {
      if (call.startsWith("Load ")) loaded.push_back(call.mid(call.indexOf("song") + 4, 1).toInt());
    }
    return loaded;
  }

  PlayListModel model;
  QStringList calls;
  QList<bool> quietLoads;
  QStringList notices;
  std::set<QString> unplayable;
  bool winampSkin = false;
  QString artistText, titleText, statusText;
};

TEST_F(PlayPlayListSongTest, PlayStartsTheCurrentEntryInTheFrontEndOrder) {
  model.CurrentSongIndex = 2;
  EXPECT_EQ(Play(pmPlay), FullSequence(2));
  EXPECT_EQ(Audio::vars.CurrentSongEntry, model.Entry(2));
  EXPECT_EQ(model.ItemIndex, 2);
  EXPECT_EQ(artistText, "Artist2");
  EXPECT_EQ(titleText, "Song2");
  EXPECT_EQ(statusText, "");
}

TEST_F(PlayPlayListSongTest, EqualizerIsDetachedAroundLoading) {
  Audio::vars.EQEnabled = 1;
  model.CurrentSongIndex = 0;
  const QStringList expected{"Resume", "Stop", "Detach", "Load /m/artist0 - song0.mp3", "Attach",
                             "Position 0", "Stop", "Balance 40", "Volume 78", "Play"};
  EXPECT_EQ(Play(pmPlay), expected);
}

TEST_F(PlayPlayListSongTest, ResumeOnlyResumesAndPlayPastTheEndStartsAtTheTop) {
  model.CurrentSongIndex = 1;
  EXPECT_EQ(Play(pmResume), QStringList{"Resume"});
  EXPECT_EQ(model.CurrentSongIndex, 1);
  model.CurrentSongIndex = 9;  // beyond a list that shrank
  EXPECT_EQ(Play(pmPlay), FullSequence(0));
  EXPECT_EQ(model.CurrentSongIndex, 0);
}

TEST_F(PlayPlayListSongTest, PreviousWrapsToTheLastEntry) {
  model.CurrentSongIndex = 0;
  EXPECT_EQ(Play(pmPrevious), FullSequence(3));
  EXPECT_EQ(Play(pmPrevious), FullSequence(2));
  model.CurrentSongIndex = 9;  // beyond a list that shrank
  EXPECT_EQ(Play(pmPrevious), FullSequence(3));
}

TEST_F(PlayPlayListSongTest, NextPastTheEndStopsWithoutRepeatAndPlaysWithRepeat) {
  model.CurrentSongIndex = 1;
  EXPECT_EQ(Play(pmNext), FullSequence(2));
  model.CurrentSongIndex = 3;
  EXPECT_EQ(Play(pmNext, {false, false, 78, 40}), FullSequence(0, false));
  EXPECT_EQ(statusText, "Stopped");
  EXPECT_EQ(model.CurrentSongIndex, 0);

  statusText.clear();
  model.CurrentSongIndex = 3;
  EXPECT_EQ(Play(pmNext, {true, false, 78, 40}), FullSequence(0));
  EXPECT_EQ(statusText, "");
}

TEST_F(PlayPlayListSongTest, SelectedPlaysTheFirstSelectionOrNothing) {
  EXPECT_TRUE(Play(pmSelected).isEmpty());
  EXPECT_EQ(model.CurrentSongIndex, -1);
  model.SetSelected(3, true);
  model.SetSelected(1, true);
  EXPECT_EQ(Play(pmSelected), FullSequence(1));
}

TEST_F(PlayPlayListSongTest, ShuffleNeverRepeatsTheCurrentSongAndReachesEveryOther) {
  const DeckPlaySettings shuffle{false, true, 78, 40};
  std::set<int> reached;
  for (int round = 0; round < 200; ++round) {
    const int before = model.CurrentSongIndex;
    Play(pmNext, shuffle);
    EXPECT_NE(model.CurrentSongIndex, before);
    EXPECT_EQ(calls.last(), "Play");
    reached.insert(model.CurrentSongIndex);
  }
  EXPECT_EQ(reached, (std::set<int>{0, 1, 2, 3}));
}

TEST_F(PlayPlayListSongTest, ShuffleWithOneEntryReplaysIt) {
  model.ReplaceEntries({model.Entry(2)});
  model.CurrentSongIndex = 0;
  EXPECT_EQ(Play(pmNext, {false, true, 78, 40}), FullSequence(2));
  EXPECT_EQ(model.CurrentSongIndex, 0);
}

TEST_F(PlayPlayListSongTest, QueuedSongsPlayFirstInTheirOrderThenTheListGoesOn) {
  struct Case {
    const char* name;
    int32_t start;
    DeckPlaySettings deck;
    int32_t afterQueue;  // -1: any other entry (shuffle)
  };
  const std::vector<Case> cases{
      {"in order", 0, {false, false, 78, 40}, 2},
      {"shuffled", 0, {false, true, 78, 40}, -1},
      {"from the last entry without repeat", 3, {false, false, 78, 40}, 2},
  };
  for (const Case& c : cases) {
    model.CurrentSongIndex = c.start;
    model.QueueEntries({3, 1});
    for (const int32_t queued : {3, 1}) {
      EXPECT_EQ(Play(pmNext, c.deck), FullSequence(queued)) << c.name;
      EXPECT_EQ(model.CurrentSongIndex, queued) << c.name;
    }
    EXPECT_TRUE(model.QueueEmpty()) << c.name;
    Play(pmNext, c.deck);
    if (c.afterQueue >= 0) {
      EXPECT_EQ(model.CurrentSongIndex, c.afterQueue) << c.name;
    }
    EXPECT_NE(model.CurrentSongIndex, 1) << c.name;
  }
}

TEST_F(PlayPlayListSongTest, TheSongThatPlaysNextIsPreparedAgainOnlyWhenAnEditChangesIt) {
  Audio::operations.AudioPrepareNextSong = [this] {
    calls.append("Prepare " + GeneralFunctions::GetEntrySongPath(Audio::vars.NextSongEntry));
  };
  Audio::operations.AudioCancelNextSong = [this] { calls.append("Cancel"); };
  Audio::operations.AudioPlay = [] {
    Audio::vars.PlayStatus = Audio::psPlaying;
    Audio::vars.FileKind = Audio::fkStream;
  };
  const DeckPlaySettings gapless{false, false, 78, 40, true, true};
  auto keep = [this](DeckPlaySettings deck) {
    calls.clear();
    KeepNextSongPrepared(model, deck);
    return calls;
  };
  model.CurrentSongIndex = 0;
  EXPECT_EQ(Play(pmPlay, gapless).mid(FullSequence(0).size() - 1), QStringList({"Prepare /m/artist1 - song1.mp3"}));

  struct Case {
    const char* edit;
    std::function<void()> apply;
    DeckPlaySettings deck;
    QStringList calls;
  };
  DeckPlaySettings shuffled = gapless;
  shuffled.ShuffleOn = true;
  DeckPlaySettings off = gapless;
  off.Gapless = false;
  const std::vector<Case> cases{
      {"nothing", [] {}, gapless, {}},
      {"an entry after it removed", [this] { model.SetSelected(3, true); model.DeleteSelectedItems(); }, gapless, {}},
      {"its tags read", [this] { model.SetEntry(1, GeneralFunctions::MakeSongEntry("/m/artist1 - song1.mp3", "A", "T")); }, gapless, {}},
      {"another entry queued", [this] { model.QueueEntries({2}); }, gapless, {"Cancel", "Prepare /m/artist2 - song2.mp3"}},
      {"the queued entry moved", [this] { model.MoveEntry(2, 0); }, gapless, {}},
      {"shuffle on", [] {}, shuffled, {"Cancel", "Prepare /m/artist2 - song2.mp3"}},
      {"gapless off", [] {}, off, {"Cancel"}},
      {"stopped", [] { Audio::vars.PlayStatus = Audio::psStopped; }, gapless, {}},
  };
  for (const Case& c : cases) {
    c.apply();
    EXPECT_EQ(keep(c.deck), c.calls) << c.edit;
  }
}

TEST_F(PlayPlayListSongTest, EmptyListCallsNothing) {
  model.Clear();
  for (TPlayMode mode : {pmPrevious, pmPlay, pmResume, pmNext, pmSelected}) {
    EXPECT_TRUE(Play(mode).isEmpty()) << int(mode);
  }
  EXPECT_TRUE(Play(pmNext, {true, true, 78, 40}).isEmpty());
}

TEST_F(PlayPlayListSongTest, WinampSkinShowsTheNumberAndArtist) {
  winampSkin = true;
  model.CurrentSongIndex = 2;
  Play(pmPlay);
  EXPECT_EQ(artistText, "3.Artist2");
  EXPECT_EQ(titleText, "");
}

// Next, Previous and the end of a song go on past entries that cannot be
// played, without an error box, and the deck's text line says why; a song
// the user chose, or skipping switched off, stops on it with the box.
TEST_F(PlayPlayListSongTest, UnplayableEntriesAreSkippedOnlyWhenAdvancing) {
  const struct {
    const char* name;
    TPlayMode mode;
    int from;
    std::set<int> bad;
    DeckPlaySettings deck;
    std::vector<int> loaded;
    bool played;
  } cases[] = {
      {"next over one", pmNext, 0, {1}, {false, false, 78, 40, true}, {1, 2}, true},
      {"previous over two", pmPrevious, 3, {1, 2}, {false, false, 78, 40, true}, {2, 1, 0}, true},
      {"a whole list, repeating", pmNext, 0, {0, 1, 2, 3}, {true, false, 78, 40, true}, {1, 2, 3, 0}, false},
      {"past the end onto one", pmNext, 3, {0}, {false, false, 78, 40, true}, {0}, false},
      {"skipping switched off", pmNext, 0, {1}, {false, false, 78, 40, false}, {1}, false},
      {"chosen directly", pmPlay, 1, {1}, {false, false, 78, 40, true}, {1}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    unplayable.clear();
    for (int index : c.bad) unplayable.insert(Path(index));
    model.CurrentSongIndex = c.from;
    quietLoads.clear();
    notices.clear();
    Play(c.mode, c.deck);
    EXPECT_EQ(Loaded(), c.loaded);
    EXPECT_EQ(model.CurrentSongIndex, c.loaded.back());
    EXPECT_EQ(calls.last() == "Play", c.played);
    const bool skipping = c.deck.SkipUnplayable && c.mode != pmPlay;
    EXPECT_EQ(quietLoads, QList<bool>(qsizetype(c.loaded.size()), skipping));
    EXPECT_EQ(notices, skipping ? QStringList{"Can't create stream (error code: 2)"} : QStringList{});
    EXPECT_EQ(Audio::vars.QuietSongErrors, 0);
  }
}

// Without skipping, a station that ended before any of its sound arrived
// stops playing there, with its reason told.
TEST_F(PlayPlayListSongTest, WithoutSkippingAStationThatNeverPlayedStopsThere) {
  const QString reason = QStringLiteral("Can't reach the station: no answer in time");
  Audio::vars.PlayStatus = Audio::psEnded;
  Audio::vars.SongErrorText = reason;
  EXPECT_EQ(Play(pmNext, {true, false, 78, 40, false}), QStringList{"Stop"});
  EXPECT_EQ(notices, QStringList{reason});
}

TEST_F(PlayPlayListSongTest, ShuffleNeverTriesAnUnplayableEntryTwiceInAPass) {
  for (int index : {0, 1, 2, 3}) unplayable.insert(Path(index));
  Play(pmNext, {true, true, 78, 40, true});
  std::vector<int> loaded = Loaded();
  std::sort(loaded.begin(), loaded.end());
  EXPECT_EQ(loaded, (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
