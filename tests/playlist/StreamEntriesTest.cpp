#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "app/Forms.h"
#include "audio/KestrelixAudioApi.h"
#include "audio/StreamUrl.h"
#include "playlist/PlayListAdding.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListModel.h"
#include "playlist/StreamEntries.h"
#include "playlist/TAddUrlForm.h"
#include "playlist/TPlayListEditorForm.h"
#include "support/RadioServer.h"
#include "support/TestEnvironment.h"

namespace {

using namespace GeneralFunctions;

TEST(StreamUrls, TypedAddressesAreCheckedAndTidied) {
  const struct {
    const char* typed;
    const char* stored;  // empty: refused
  } cases[] = {
      {"http://radio.example.com:8000/live", "http://radio.example.com:8000/live"},
      {"  HTTPS://Radio.Example.com/a.mp3 \n", "https://radio.example.com/a.mp3"},
      {"radio.example.com/live", "http://radio.example.com/live"},
      {"localhost:8000", "http://localhost:8000"},
      {"127.0.0.1:8000/x", "http://127.0.0.1:8000/x"},
      {"", ""},
      {"hello", ""},
      {"ftp://radio.example.com/live", ""},
      {"file:///music/a.mp3", ""},
      {"http://", ""},
      {"http://radio example.com/", ""},
      {"http://radio.example.com/;PL_SONGTITLE_ID=x", ""},
  };
  for (const auto& c : cases) {
    const KestrelixAudioApi::CheckedUrl checked = KestrelixAudioApi::CheckStreamUrl(QString::fromUtf8(c.typed));
    EXPECT_EQ(checked.url, QString::fromUtf8(c.stored)) << c.typed;
    EXPECT_EQ(checked.error.isEmpty(), *c.stored != '\0') << c.typed;
  }
}

TEST(StreamUrls, AStreamEntryIsNamedByItsServerAndPlaysAsAStream) {
  const QString entry = BuildPlayListEntry("http://radio.example.com:8000/live.mp3");
  EXPECT_EQ(GetEntrySongArtist(entry), "radio.example.com:8000");
  EXPECT_EQ(GetEntrySongTitle(entry), "live.mp3");
  EXPECT_EQ(GetEntrySongTitle(BuildPlayListEntry("https://radio.example.com")), "radio.example.com");
  EXPECT_EQ(KestrelixAudioApi::FileKindOfPath("http://radio.example.com/stream").fileKind, KestrelixAudioApi::fkStream);
  EXPECT_EQ(KestrelixAudioApi::FileKindOfPath("http://radio.example.com/list.xm").fileKind, KestrelixAudioApi::fkStream);
}

TEST(StreamUrls, TheStationsNameBecomesTheCurrentEntrysTitle) {
  PlayListModel model;
  const QString url = "http://radio.example.com/live";
  model.Append({BuildPlayListEntry("/m/a.mp3"), BuildPlayListEntry(url)});
  model.CurrentSongIndex = 1;
  QString playing = model.Entry(1);
  EXPECT_TRUE(NameStation(model, playing, url, "Groove Radio"));
  EXPECT_EQ(GetEntrySongTitle(playing), "Groove Radio");
  EXPECT_EQ(GetEntrySongTitle(model.Entry(1)), "Groove Radio");
  EXPECT_EQ(GetEntrySongPath(model.Entry(1)), url);
  EXPECT_FALSE(NameStation(model, playing, url, "Groove Radio"));         // nothing new
  EXPECT_FALSE(NameStation(model, playing, "http://other.example/", "X"));  // another stream
  model.CurrentSongIndex = 0;  // the list moved on: only the deck's copy is named
  EXPECT_TRUE(NameStation(model, playing, url, "Renamed"));
  EXPECT_EQ(GetEntrySongTitle(playing), "Renamed");
  EXPECT_EQ(GetEntrySongTitle(model.Entry(0)), "A");
}

TEST(StationPlayLists, StreamsOfOtherProgramsPlaylistsKeepTheirAddressesAndNames) {
  const QStringList pls{"[playlist]", "NumberOfEntries=2", "File1=http://a.example:8000/live",
                        "Title1=(#1 - 5/100) Radio A", "Length1=-1", "File2=https://b.example/stream", "Version=2"};
  const QStringList m3u{"#EXTM3U", "#EXTINF:-1,Radio C", "http://c.example/c.ogg", "http://d.example/d"};
  const QStringList fromPls = PlayListFile::EntriesFromLines(pls, "/lists/");
  ASSERT_EQ(fromPls.size(), 2);
  EXPECT_EQ(GetEntrySongPath(fromPls[0]), "http://a.example:8000/live");
  EXPECT_EQ(GetEntrySongTitle(fromPls[0]), "(#1 - 5/100) Radio A");
  EXPECT_EQ(fromPls[1], BuildPlayListEntry("https://b.example/stream"));
  const QStringList fromM3u = PlayListFile::EntriesFromLines(m3u, "/lists/");
  ASSERT_EQ(fromM3u.size(), 2);
  EXPECT_EQ(GetEntrySongTitle(fromM3u[0]), "Radio C");
  EXPECT_EQ(fromM3u[1], BuildPlayListEntry("http://d.example/d"));

  // The player's own file keeps stream entries as they are.
  const QString own = TestSupport::ProgramFolder() + "own.pls";
  ASSERT_TRUE(PlayListFile::WritePlayListFile(own, fromPls + fromM3u));
  EXPECT_EQ(PlayListFile::ReadPlayListFile(own).entries, fromPls + fromM3u);

  // A station's playlist file among added songs gives its streams.
  const QString station = TestSupport::ProgramFolder() + "station.m3u";
  QFile file(station);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(m3u.join('\n').toUtf8());
  file.close();
  PlayListModel model;
  PlayListAdding::AddPathsToPlayList(model, {"/m/a.mp3", station}, false);
  EXPECT_EQ(model.Entries(), QStringList({BuildPlayListEntry("/m/a.mp3")}) + fromM3u);
}

class AddUrlTest : public testing::Test {
 protected:
  // Plays the user: types each address in turn and presses OK, then Cancel.
  void Answer(QStringList typed) {
    TestSupport::ModalDialogs().answer = [typed](QDialog& dialog) mutable {
      auto& form = static_cast<TAddUrlForm&>(dialog);
      offered = QStringList();
      for (int i = 0; i < form.UrlComboBox->count(); ++i) offered.append(form.UrlComboBox->itemText(i));
      for (const QString& text : typed) {
        form.UrlComboBox->setEditText(text);
        form.OKButton->click();
        if (form.result() == QDialog::Accepted) return int(QDialog::Accepted);
      }
      return int(QDialog::Rejected);
    };
  }
  static inline QStringList offered;
};

TEST_F(AddUrlTest, AddressesAreCheckedAddedAndOfferedAgain) {
  TAddUrlForm form;
  Answer({"not an address", "radio.example.com/live"});
  EXPECT_EQ(form.AskForUrl(), "http://radio.example.com/live");
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);  // the bad one was explained
  EXPECT_TRUE(TestSupport::MessageBoxes().shown[0].text.contains("not an internet radio address"));

  Answer({"https://b.example/stream"});
  EXPECT_EQ(form.AskForUrl(), "https://b.example/stream");
  Answer({});
  EXPECT_EQ(form.AskForUrl(), QString());  // cancelled
  EXPECT_EQ(offered, QStringList({"https://b.example/stream", "http://radio.example.com/live"}));

  // Another run offers them too; choosing an old one moves it first.
  TAddUrlForm later;
  Answer({"http://radio.example.com/live"});
  later.AskForUrl();
  Answer({});
  later.AskForUrl();
  EXPECT_EQ(offered, QStringList({"http://radio.example.com/live", "https://b.example/stream"}));
}

TEST_F(AddUrlTest, ThePlaylistWindowAddsAnAddressOrTheStreamsOfAStationPlaylistOnTheWeb) {
  TestSupport::RadioShow show;
  show.pages["/listen.pls"] = "[playlist]\nFile1=http://a.example/live\nTitle1=Radio A\nFile2=relative/path.mp3\n"
                              "File3=https://b.example/\nNumberOfEntries=3\n";
  show.pages["/empty.m3u"] = "#EXTM3U\n";
  TestSupport::RadioServer server(show);
  CreateForms();
  PlayListModel& list = PlayListEditorForm->PlayList;
  Answer({"http://radio.example.com/live"});
  PlayListEditorForm->AddUrlToPlayList();
  EXPECT_EQ(list.Entries(), QStringList{BuildPlayListEntry("http://radio.example.com/live")});
  Answer({});
  PlayListEditorForm->AddUrlToPlayList();
  EXPECT_EQ(list.TotalFiles(), 1) << "cancelled: nothing added";
  list.Clear();
  Answer({QString::fromStdString(server.Url("/listen.pls"))});
  PlayListEditorForm->AddUrlToPlayList();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.TotalFiles() == 2; }));
  EXPECT_EQ(GetEntrySongTitle(list.Entry(0)), "Radio A");
  EXPECT_EQ(list.Entry(1), BuildPlayListEntry("https://b.example/"));

  // A list without streams, and a server that has no such list, add nothing and say why.
  for (const char* path : {"/empty.m3u", "/missing.pls"}) {
    const size_t before = TestSupport::MessageBoxes().shown.size();
    PlayListEditorForm->AddDroppedFiles({QString::fromStdString(server.Url(path))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return TestSupport::MessageBoxes().shown.size() > before; })) << path;
    EXPECT_TRUE(TestSupport::MessageBoxes().shown.back().text.startsWith("Could not add the station playlist"));
  }
  EXPECT_EQ(list.TotalFiles(), 2);
  DestroyForms();
}

}  // namespace
