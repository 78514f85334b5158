#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "platform/ui/ProgramFolder.h"
#include "playlist/AutoPlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayQueueFile.h"
#include "support/TestEnvironment.h"

namespace {

using GeneralFunctions::BuildPlayListEntry;
using GeneralFunctions::GetEntrySongPath;
using PlayListFile::ReadPlayListFile;
using PlayListFile::ReadStatus;

QString PathInProgramFolder(const QString& name) { return TestSupport::ProgramFolder() + name; }

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QStringList kThreeEntries{BuildPlayListEntry("/m/a - one.mp3"),
                                BuildPlayListEntry("/m/b - two.ogg"),
                                BuildPlayListEntry("/m/ç - three.wav")};

TEST(PlayListFiles, SavedListLoadsBackTheSameWhateverTheExtension) {
  const QString pls = PathInProgramFolder("list.pls");
  const QString m3u = PathInProgramFolder("list.m3u");
  ASSERT_TRUE(PlayListFile::WritePlayListFile(pls, kThreeEntries));
  ASSERT_TRUE(PlayListFile::WritePlayListFile(m3u, kThreeEntries));
  EXPECT_EQ(ReadBytes(pls), ReadBytes(m3u));
  EXPECT_TRUE(ReadBytes(pls).startsWith(
      ";PL_SONGPATH_ID=/m/a - one.mp3;PL_SONGARTIST_ID=A;PL_SONGTITLE_ID=One\r\n"));
  EXPECT_TRUE(ReadBytes(pls).endsWith(";PL_SONGTITLE_ID=Three\r\n"));
  const auto read = ReadPlayListFile(pls);
  EXPECT_EQ(read.status, ReadStatus::Complete);
  EXPECT_EQ(read.entries, kThreeEntries);

  ASSERT_TRUE(PlayListFile::WritePlayListFile(pls, {}));
  EXPECT_EQ(QFileInfo(pls).size(), 0);
  EXPECT_TRUE(ReadPlayListFile(pls).entries.isEmpty());
}

TEST(PlayListFiles, AnyLineEndIsReadAndEmptyLinesAreKept) {
  const QByteArray a = kThreeEntries[0].toUtf8(), b = kThreeEntries[1].toUtf8();
  const QString path = PathInProgramFolder("ends.pls");
  for (const QByteArray& bytes : {a + "\n" + b + "\n", a + "\r" + b, a + "\r\n" + b + "\r\n"}) {
    WriteBytes(path, bytes);
    EXPECT_EQ(ReadPlayListFile(path).entries, QStringList({kThreeEntries[0], kThreeEntries[1]}));
  }
  WriteBytes(path, a + "\r\n" + b + "\r\n\r\n" + a + "\r\n");
  EXPECT_EQ(ReadPlayListFile(path).entries,
            QStringList({kThreeEntries[0], kThreeEntries[1], "", kThreeEntries[0]}));
}

TEST(PlayListFiles, ReadingStopsAtTheFirstZeroByte) {
  const QString path = PathInProgramFolder("zero.pls");
  WriteBytes(path, kThreeEntries[0].toUtf8() + "\r\n" + kThreeEntries[1].toUtf8().left(20) +
                       QByteArray(1, '\0') + "\r\n" + kThreeEntries[2].toUtf8());
  const auto read = ReadPlayListFile(path);
  ASSERT_EQ(read.entries.size(), 2);
  EXPECT_EQ(read.entries[0], kThreeEntries[0]);
  EXPECT_EQ(read.entries[1], kThreeEntries[1].left(20));
}

TEST(PlayListFiles, ForeignPlaylistLinesBecomePlayableEntries) {
  QDir(TestSupport::ProgramFolder()).mkdir("lists");
  const QString folder = PathInProgramFolder("lists/");
  WriteBytes(folder + "mix.m3u8",
             "\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:123,Artist - Title\r\nsub/abba - sos.mp3\r\n"
             "/abs/path/x.ogg\r\n\r\n../up.wav\r\nfile:///music/with%20blank.mod\n");
  auto read = ReadPlayListFile(folder + "mix.m3u8");
  QStringList paths;
  for (const QString& entry : read.entries) paths.append(GetEntrySongPath(entry));
  EXPECT_EQ(paths, QStringList({folder + "sub/abba - sos.mp3", "/abs/path/x.ogg",
                                TestSupport::ProgramFolder() + "up.wav", "/music/with blank.mod"}));

  WriteBytes(folder + "radio.pls",
             "[playlist]\nNumberOfEntries=2\nFile1=/m/one.mp3\nTitle1=One\nLength1=-1\n\n"
             "file2=two.ogg\nVersion=2\n");
  read = ReadPlayListFile(folder + "radio.pls");
  paths.clear();
  for (const QString& entry : read.entries) paths.append(GetEntrySongPath(entry));
  EXPECT_EQ(paths, QStringList({"/m/one.mp3", folder + "two.ogg"}));
}

// "#EXTINF" and "TitleN" names: "Artist - Title" for a file, the station's
// name for a stream; a file's name gives what they leave out.
TEST(PlayListFiles, NamesOfOtherPlayersListsNameTheEntries) {
  struct Case {
    QStringList lines;
    QString artist, title;
  };
  const Case cases[] = {
      {{"#EXTM3U", "#EXTINF:123,Some Band - Some Song", "/m/abba - sos.mp3"}, "Some Band", "Some Song"},
      {{"#EXTINF:5,Only A Title", "/m/x - y.mp3"}, "X", "Only A Title"},
      {{"#EXTINF:5,", "/m/x - y.mp3"}, "X", "Y"},
      {{"#EXTINF:5,Cut;PL_SONGTITLE_ID=Short", "/m/x - y.mp3"}, "X", "CutShort"},
      {{"#EXTINF:-1,Radio C", "http://c.example/c.ogg"}, "c.example", "Radio C"},
      {{"[playlist]", "File1=/m/one.mp3", "Title1=Band - One"}, "Band", "One"},
      {{"[playlist]", "Title1=Radio A - Jazz", "File1=http://a.example/live"}, "a.example", "Radio A - Jazz"},
  };
  for (const Case& named : cases) {
    SCOPED_TRACE(named.lines.join('|').toStdString());
    const QStringList entries = PlayListFile::EntriesFromLines(named.lines, "/lists/");
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(GeneralFunctions::GetEntrySongArtist(entries[0]), named.artist);
    EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(entries[0]), named.title);
  }
}

TEST(PlayListFiles, M3u8IsExtendedM3uForOtherPlayersAndReadsBack) {
  QString station = BuildPlayListEntry("http://radio.example/live");
  GeneralFunctions::SetEntrySongTitle("Radio", station);
  const QStringList entries{kThreeEntries[0], "", kThreeEntries[2], station};
  const auto seconds = [](const QString& entry) { return entry == kThreeEntries[0] ? 65 : -1; };
  for (const char* name : {"mix.m3u8", "MIX.M3U8"}) {
    const QString path = PathInProgramFolder(name);
    ASSERT_TRUE(PlayListFile::WritePlayListFile(path, entries, seconds));
    EXPECT_EQ(ReadBytes(path), "#EXTM3U\r\n#EXTINF:65,A - One\r\n/m/a - one.mp3\r\n"
                               "#EXTINF:-1,\xC3\xA7 - Three\r\n/m/\xC3\xA7 - three.wav\r\n"
                               "#EXTINF:-1,Radio\r\nhttp://radio.example/live\r\n");
    EXPECT_EQ(ReadPlayListFile(path).entries, QStringList({kThreeEntries[0], kThreeEntries[2], station}));
  }
}

TEST(PlayListFiles, BadInputNeitherCrashesNorHangs) {
  const QString path = PathInProgramFolder("bad.pls");
  QByteArray garbage;
  for (int i = 0; i < 100000; ++i) garbage.append(static_cast<char>((i * 7919 + 13) % 255 + 1));
  WriteBytes(path, garbage);
  EXPECT_EQ(ReadPlayListFile(path).status, ReadStatus::Complete);

  const QByteArray longLine = QByteArray(";PL_SONGPATH_ID=/") + QByteArray(1 << 20, 'x');
  WriteBytes(path, longLine + "\r\n" + longLine);
  const auto read = ReadPlayListFile(path);
  ASSERT_EQ(read.entries.size(), 2);
  EXPECT_EQ(read.entries[1].size(), longLine.size());

  // A file larger than the bound is read up to it, whole lines only.
  WriteBytes(path, kThreeEntries.join("\r\n").toUtf8() + "\r\n");
  const auto bounded = ReadPlayListFile(path, kThreeEntries[0].size() + kThreeEntries[1].size() + 10);
  EXPECT_EQ(bounded.status, ReadStatus::Truncated);
  EXPECT_EQ(bounded.entries, QStringList({kThreeEntries[0], kThreeEntries[1]}));

  EXPECT_EQ(ReadPlayListFile(PathInProgramFolder("missing.pls")).status, ReadStatus::Missing);
  EXPECT_EQ(ReadPlayListFile(TestSupport::ProgramFolder()).status, ReadStatus::Unreadable);
}

TEST(PlayListFiles, HugeSparseFileIsReadOnlyUpToItsFirstZero) {
  const QString path = PathInProgramFolder("huge.pls");
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kThreeEntries[0].toUtf8() + "\r\n");
    ASSERT_TRUE(file.resize(qint64{1} << 30));  // 1 GB, the rest a hole of zeros
  }
  const auto read = ReadPlayListFile(path);
  EXPECT_EQ(read.entries, QStringList{kThreeEntries[0]});
}

class AutoPlayListTest : public testing::Test {
 protected:
  QString AutoPath() const { return AutoPlayList::AutoPlayListPath(); }
  PlayListModel model;
};

TEST_F(AutoPlayListTest, FirstRunListsTheDemoSongsAndWritesTheFile) {
  QDir(TestSupport::ProgramFolder()).mkdir("demo");
  for (const char* name : {"Demo - Module.mod", "Demo - Chord.wav", "Demo - Sine.mp3", "Demo - Vorbis.ogg"}) {
    WriteBytes(PathInProgramFolder("demo/") + name, "x");
  }
  model.CurrentSongIndex = 0;
  QString shown;
  model.ShowInfoText = [&](const QString& text) { shown = text; };
  AutoPlayList::LoadAutoPlayList(model);
  const QString demo = PathInProgramFolder("demo/");
  const QStringList expected{BuildPlayListEntry(demo + "Demo - Sine.mp3"),
                             BuildPlayListEntry(demo + "Demo - Vorbis.ogg"),
                             BuildPlayListEntry(demo + "Demo - Chord.wav"),
                             BuildPlayListEntry(demo + "Demo - Module.mod")};
  EXPECT_EQ(model.Entries(), expected);
  EXPECT_EQ(shown, "Total Files:4");
  EXPECT_EQ(ReadPlayListFile(AutoPath()).entries, expected);
}

TEST_F(AutoPlayListTest, WithoutDemoSongsOrWithAnEmptyFileTheListIsEmpty) {
  AutoPlayList::LoadAutoPlayList(model);
  EXPECT_EQ(model.TotalFiles(), 0);
  ASSERT_TRUE(QFileInfo::exists(AutoPath()));
  EXPECT_EQ(QFileInfo(AutoPath()).size(), 0);

  QDir(TestSupport::ProgramFolder()).mkdir("demo");
  WriteBytes(PathInProgramFolder("demo/x.mp3"), "x");
  model.Append({"old"});
  AutoPlayList::LoadAutoPlayList(model);
  EXPECT_EQ(model.TotalFiles(), 0);
}

TEST_F(AutoPlayListTest, ShutdownWritesTheListAtomically) {
  WriteBytes(AutoPath(), "");
  const auto state = AutoPlayList::LoadAutoPlayList(model);
  model.Append(kThreeEntries);
  AutoPlayList::SaveAutoPlayList(model, state);
  EXPECT_EQ(ReadPlayListFile(AutoPath()).entries, kThreeEntries);
  EXPECT_EQ(QDir(TestSupport::ProgramFolder()).entryList(QDir::Files), QStringList{"solvane.pls"});
}

TEST_F(AutoPlayListTest, UnreadablePlaylistIsLeftAlone) {
  ASSERT_TRUE(QDir(TestSupport::ProgramFolder()).mkdir("solvane.pls"));  // exists, cannot be read
  const auto state = AutoPlayList::LoadAutoPlayList(model);
  EXPECT_EQ(model.TotalFiles(), 0);
  AutoPlayList::SaveAutoPlayList(model, state);
  EXPECT_TRUE(QFileInfo(AutoPath()).isDir());
}

TEST_F(AutoPlayListTest, OversizedPlaylistIsKeptUnlessTheListChanges) {
  const QByteArray line = kThreeEntries[0].toUtf8() + "\r\n";
  const QByteArray content = line.repeated(100);
  WriteBytes(AutoPath(), content);
  const auto state = AutoPlayList::LoadAutoPlayList(model, line.size() * 50 + 5);
  EXPECT_GT(model.TotalFiles(), 0);
  EXPECT_LT(model.TotalFiles(), content.size() / line.size());
  AutoPlayList::SaveAutoPlayList(model, state);
  EXPECT_EQ(QFileInfo(AutoPath()).size(), content.size());

  model.DeleteSelectedItems();  // nothing selected: no change
  AutoPlayList::SaveAutoPlayList(model, state);
  EXPECT_EQ(QFileInfo(AutoPath()).size(), content.size());

  model.Clear();
  model.Append({kThreeEntries[1]});
  AutoPlayList::SaveAutoPlayList(model, state);
  EXPECT_EQ(ReadPlayListFile(AutoPath()).entries, QStringList{kThreeEntries[1]});
}

TEST(PlayListDialogs, SaveAndLoadGoThroughTheirDialogs) {
  PlayListModel model;
  model.Append(kThreeEntries);
  model.CurrentSongIndex = 2;
  const QString path = PathInProgramFolder("mine.m3u");
  TestSupport::FileDialogs().answers.push_back({path});
  PlayListFile::SavePlayList(model, "/start", nullptr, {});
  EXPECT_EQ(TestSupport::FileDialogs().calls.at(0).title, "Save PlayList");
  EXPECT_EQ(TestSupport::FileDialogs().calls.at(0).filter,
            "PLS PlayList (*.pls);;M3U PlayList (*.m3u);;M3U8 PlayList for other players (*.m3u8)");

  model.Clear();
  PlayListFile::LoadPlayList(model, "/start", nullptr);  // cancelled
  EXPECT_EQ(model.TotalFiles(), 0);
  TestSupport::FileDialogs().answers.push_back({path});
  PlayListFile::LoadPlayList(model, "/start", nullptr);
  EXPECT_EQ(TestSupport::FileDialogs().calls.back().title, "Load PlayList");
  EXPECT_EQ(model.Entries(), kThreeEntries);
  EXPECT_EQ(model.CurrentSongIndex, 2);

  TestSupport::FileDialogs().answers.push_back({PathInProgramFolder("no/such/folder/x.pls")});
  PlayListFile::SavePlayList(model, "/start", nullptr, {});
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].caption, "Error");
}

}  // namespace

namespace {

TEST(PlayListFiles, TheQueueComesBackNextRunAndADamagedLineIsPassedOver) {
  PlayListModel before;
  before.Append(kThreeEntries);
  before.QueueEntries({2, 0});
  PlayQueueFile::SavePlayQueue(before);
  EXPECT_EQ(ReadBytes(PlayQueueFile::PlayQueuePath()), "2\r\n0\r\n");

  WriteBytes(PlayQueueFile::PlayQueuePath(), "2\r\nnot a number\r\n7\r\n-1\r\n0\r\n2\r\n");
  PlayListModel after;
  after.Append(kThreeEntries);
  PlayQueueFile::LoadPlayQueue(after);
  EXPECT_EQ(after.QueuedIndexes(), (std::vector<int32_t>{2, 0}));

  QFile::remove(PlayQueueFile::PlayQueuePath());
  PlayListModel none;
  none.Append(kThreeEntries);
  PlayQueueFile::LoadPlayQueue(none);
  EXPECT_TRUE(none.QueueEmpty());
}

}  // namespace
