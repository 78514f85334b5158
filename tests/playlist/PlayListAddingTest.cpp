#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "playlist/CDTrackStep.h"
#include "playlist/PlayListAdding.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListModel.h"
#include "support/TestEnvironment.h"

namespace {

using GeneralFunctions::BuildPlayListEntry;
using GeneralFunctions::GetEntrySongPath;

QString MakeFolder(const QString& name, const QStringList& files) {
  const QString folder = TestSupport::ProgramFolder() + name;
  QDir().mkpath(folder);
  for (const QString& file : files) {
    QFile out(folder + "/" + file);
    if (out.open(QIODevice::WriteOnly)) out.write("x");
  }
  return folder;
}

QStringList PathsOf(const PlayListModel& model) {
  QStringList paths;
  for (const QString& entry : model.Entries()) paths.append(GetEntrySongPath(entry));
  return paths;
}

TEST(PlayListFolderScan, MasksInFixedOrderNamesSortedAnyLetterCaseNoSubfolders) {
  const QString folder = MakeFolder(
      "songs", {"z.mp3", "a.wav", "B.MP3", "c.Ogg", "d.mo3", "e.cda", "f.it", "g.txt", "h.mp3.temp",
                ".hidden.xm", "a.mp3", "k.Opus", "j.flac"});
  QDir(folder).mkdir("sub.mp3");
  MakeFolder("songs/inner", {"deep.mp3"});
  const QStringList expected{"a.mp3", "B.MP3", "z.mp3", "c.Ogg", "a.wav", "j.flac", "k.Opus", ".hidden.xm", "f.it", "e.cda"};
  QStringList paths;
  for (const QString& name : expected) paths.append(folder + "/" + name);
  EXPECT_EQ(PlayListAdding::ScanFolder(folder), paths);
  EXPECT_EQ(PlayListAdding::ScanFolder(folder + "/"), paths);
  EXPECT_TRUE(PlayListAdding::ScanFolder(folder + "/missing").isEmpty());
}

// A dropped folder, or one added with its subfolders: each folder's songs by
// name, then its subfolders by name; hidden folders and links back up the
// tree are left out.
TEST(PlayListFolderScan, TreesAreScannedDepthFirstInNameOrder) {
  const QString root = MakeFolder("tree", {"b.wav", "A.mp3", "notes.txt", ".h.ogg"});
  MakeFolder("tree/Disc 2", {"02.mp3", "01.ogg"});
  MakeFolder("tree/disc 1", {"x.flac"});
  MakeFolder("tree/disc 1/bonus", {"z.mp3"});
  MakeFolder("tree/.hidden", {"h.mp3"});
  ASSERT_TRUE(QFile::link(root, root + "/disc 1/loop"));
  QStringList expected;
  for (const char* name : {".h.ogg", "A.mp3", "b.wav", "disc 1/x.flac", "disc 1/bonus/z.mp3", "Disc 2/01.ogg", "Disc 2/02.mp3"})
    expected.append(root + "/" + name);
  EXPECT_EQ(PlayListAdding::ScanFolderTree(root + "/"), expected);

  PlayListModel dropped;
  PlayListAdding::AddPathsToPlayList(dropped, {root + "/Disc 2", root + "/A.mp3"}, false);
  EXPECT_EQ(PathsOf(dropped), QStringList({expected[5], expected[6], expected[1]}));
}

TEST(PlayListAddDir, AddsTheFolderAndRemembersIt) {
  const QString folder = MakeFolder("dir", {"z.mp3", "a.wav"});
  MakeFolder("dir/sub", {"c.mp3"});
  const QString empty = MakeFolder("empty", {});
  PlayListModel model;
  model.Append({BuildPlayListEntry("/old.mp3")});
  model.CurrentSongIndex = 0;
  QString lastFolder = "/start";

  PlayListAdding::AddDirToPlayList(model, lastFolder, nullptr, false, false);  // cancelled
  EXPECT_EQ(model.TotalFiles(), 1);
  EXPECT_EQ(lastFolder, "/start");
  EXPECT_EQ(TestSupport::FileDialogs().calls.at(0).title, "Add Directory To Playlist");

  TestSupport::FileDialogs().answers.push_back({folder + "/"});
  PlayListAdding::AddDirToPlayList(model, lastFolder, nullptr, false, false);
  EXPECT_EQ(PathsOf(model), QStringList({"/old.mp3", folder + "/z.mp3", folder + "/a.wav"}));
  EXPECT_EQ(lastFolder, folder);

  TestSupport::FileDialogs().answers.push_back({empty});
  PlayListAdding::AddDirToPlayList(model, lastFolder, nullptr, false, false);
  EXPECT_EQ(model.TotalFiles(), 3);
  EXPECT_EQ(lastFolder, empty);
  EXPECT_EQ(model.CurrentSongIndex, 0);

  TestSupport::FileDialogs().answers.push_back({folder});
  PlayListAdding::AddDirToPlayList(model, lastFolder, nullptr, false, true);
  EXPECT_EQ(PathsOf(model).mid(3), QStringList({folder + "/a.wav", folder + "/z.mp3", folder + "/sub/c.mp3"}));
}

TEST(PlayListAddFiles, DialogOffersTheSongKindsAndAppendsInOrder) {
  PlayListModel model;
  QString lastFolder = "/music";
  QString shown;
  model.ShowInfoText = [&](const QString& text) { shown = text; };
  TestSupport::FileDialogs().answers.push_back({"/new/b - two.ogg", "/new/a - one.mp3"});
  PlayListAdding::AddFilesToPlayList(model, lastFolder, nullptr, false);

  const auto& call = TestSupport::FileDialogs().calls.at(0);
  EXPECT_EQ(call.title, "Add Files To PlayList");
  EXPECT_EQ(call.folder, "/music");
  const QStringList filters = call.filter.split(";;");
  ASSERT_EQ(filters.size(), 17);
  EXPECT_EQ(filters[0],
            "All Supported Files (*.mp3 *.mp2 *.mp1 *.wav *.ogg *.flac *.opus *.mod *.xm *.s3m *.it *.mo3 *.mtm *.umx "
            "*.cda)");
  EXPECT_EQ(filters[4], "MPEG Audio  files (*.mp3;*.mp2;*.mp1)  (*.mp3 *.mp2 *.mp1)");
  EXPECT_EQ(filters[7], "FLAC Files (*.flac) (*.flac)");
  EXPECT_EQ(filters[8], "Opus Files (*.opus) (*.opus)");
  EXPECT_EQ(filters[16], "All files (*.*) (*)");

  EXPECT_EQ(model.Entries(), QStringList({BuildPlayListEntry("/new/b - two.ogg"),
                                          BuildPlayListEntry("/new/a - one.mp3")}));
  EXPECT_EQ(shown, "Total Files:2");
  EXPECT_EQ(lastFolder, "/new");

  PlayListAdding::AddFilesToPlayList(model, lastFolder, nullptr, false);  // cancelled
  EXPECT_EQ(model.TotalFiles(), 2);
  EXPECT_EQ(lastFolder, "/new");
}

// The CD module answers from a fixed disc of three tracks.
class CDTrackStepTest : public testing::Test {
 protected:
  void SetUp() override {
    PlayListHooks::CDInformation& cd = PlayListHooks::CD();
    cd.GetCDInformation = [this](const QString& root, bool useFreedb) {
      lookups.append(root + (useFreedb ? " freedb" : ""));
      driveRoot = root;
      return discInDrive ? 1 : 0;
    };
    cd.BuildCDTrackList = [this] {
      QStringList tracks;
      for (int n = 1; n <= 3; ++n) {
        QString entry = BuildPlayListEntry(driveRoot + QStringLiteral("Track%1.cda").arg(n, 2, 10, QChar('0')));
        GeneralFunctions::SetEntrySongArtist("Disc Artist", entry);
        GeneralFunctions::SetEntrySongTitle(QStringLiteral("Song %1").arg(n), entry);
        tracks.append(entry);
      }
      return tracks;
    };
    cd.ShowSubmitCDInformation = [this] { ++submitWindows; };
  }
  void TearDown() override { PlayListHooks::CD() = {}; }

  QStringList lookups;
  QString driveRoot;
  bool discInDrive = true;
  int submitWindows = 0;
  PlayListModel model;
};

TEST_F(CDTrackStepTest, TracksTakeTheDiscsArtistAndTitles) {
  PlayListAdding::AddPathsToPlayList(
      model, {"/m/x.mp3", "/dev/sr0/track02.CDA", "/dev/sr0/Track07.cda", "/dev/sr0/Track3.cda"}, true);
  EXPECT_EQ(lookups, QStringList{"/dev/sr0/ freedb"});
  ASSERT_EQ(model.TotalFiles(), 4);
  EXPECT_EQ(model.Entry(0), BuildPlayListEntry("/m/x.mp3"));
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(model.Entry(1)), "Song 2");
  EXPECT_EQ(GetEntrySongPath(model.Entry(1)), "/dev/sr0/Track02.cda");
  EXPECT_EQ(model.Entry(2), BuildPlayListEntry("/dev/sr0/Track07.cda"));  // no such track
  EXPECT_EQ(model.Entry(3), BuildPlayListEntry("/dev/sr0/Track3.cda"));  // path differs from Track03
  EXPECT_EQ(model.CDTrackList.size(), 3);
}

TEST_F(CDTrackStepTest, WithoutDiscEntriesStayAsBuilt) {
  discInDrive = false;
  PlayListAdding::AddPathsToPlayList(model, {"/dev/sr0/Track01.cda"}, false);
  EXPECT_EQ(model.Entries(), QStringList{BuildPlayListEntry("/dev/sr0/Track01.cda")});
  PlayListAdding::AddPathsToPlayList(model, {"/m/a.mp3"}, false);
  EXPECT_EQ(lookups.size(), 1);  // no CD track, no lookup
}

TEST_F(CDTrackStepTest, DiscImageBringsAllItsTracks) {
  PlayListAdding::AddPathsToPlayList(model, {"/images/album.cue", "/m/a.mp3"}, false);
  EXPECT_EQ(PathsOf(model), QStringList({"/images/album.cue/Track01.cda", "/images/album.cue/Track02.cda",
                                         "/images/album.cue/Track03.cda", "/m/a.mp3"}));
  discInDrive = false;
  PlayListAdding::AddPathsToPlayList(model, {"/images/broken.cue"}, false);
  EXPECT_EQ(PathsOf(model).last(), "/images/broken.cue");
}

TEST_F(CDTrackStepTest, FileInfoNeedsAFocusedCDTrack) {
  PlayListCDTracks::ShowCDTrackInformation(model, false);
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].text, "Please Select a CD Track");

  model.Append({BuildPlayListEntry("/m/a.mp3"), BuildPlayListEntry("/dev/sr0/Track01.cda")});
  model.ItemIndex = 0;
  PlayListCDTracks::ShowCDTrackInformation(model, false);
  EXPECT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_EQ(submitWindows, 0);

  model.ItemIndex = 1;
  PlayListCDTracks::ShowCDTrackInformation(model, true);
  EXPECT_EQ(submitWindows, 1);
  EXPECT_EQ(lookups.last(), "/dev/sr0/ freedb");
  EXPECT_EQ(model.Entry(1), BuildPlayListEntry("/dev/sr0/Track01.cda"));  // entries unchanged

  discInDrive = false;
  PlayListCDTracks::ShowCDTrackInformation(model, false);
  EXPECT_EQ(TestSupport::MessageBoxes().shown.size(), 2u);
}

}  // namespace
