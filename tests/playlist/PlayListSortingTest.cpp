#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

#include <algorithm>

#include "platform/ui/RandomGenerator.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListSorting.h"
#include "support/TestEnvironment.h"

namespace {

using GeneralFunctions::BuildPlayListEntry;
using GeneralFunctions::GetEntrySongPath;
using namespace PlayListSorting;

// Runs every test both in the C locale and in a real user locale.
class PlayListSortingTest : public testing::TestWithParam<const char*> {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }

  void SetPaths(const QStringList& paths) {
    QStringList entries;
    for (const QString& path : paths) entries.append(BuildPlayListEntry(path));
    model.ReplaceEntries(entries);
  }
  QStringList SortedPaths(uint8_t sortType) {
    SortPlayList(model, sortType);
    QStringList paths;
    for (const QString& entry : model.Entries()) paths.append(GetEntrySongPath(entry));
    return paths;
  }
  QString MakeFile(const QString& name, int size, const QDateTime& written) {
    const QString path = TestSupport::ProgramFolder() + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(size, 'x'));
    file.flush();  // a later flush would stamp the time again
    EXPECT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
    return path;
  }

  PlayListModel model;
};

TEST_P(PlayListSortingTest, FileNameSortTiesGoByPath) {
  SetPaths({"/Z/b.mp3", "/Z/a.mp3", "/B/B.mp3", "/A/b.mp3"});
  EXPECT_EQ(SortedPaths(stFileName), QStringList({"/Z/a.mp3", "/A/b.mp3", "/B/B.mp3", "/Z/b.mp3"}));
}

TEST_P(PlayListSortingTest, ExtensionSortGroupsByExtensionThenName) {
  SetPaths({"/m/z.mod", "/m/b.it", "/m/a.mod", "/m/c.IT", "/m/a.mp3"});
  EXPECT_EQ(SortedPaths(stFileExtension),
            QStringList({"/m/b.it", "/m/c.IT", "/m/a.mod", "/m/z.mod", "/m/a.mp3"}));
}

TEST_P(PlayListSortingTest, ArtistAndTitleSortIgnoreCaseAndTieByEntry) {
  SetPaths({"/2/beta - song.mp3", "/1/Alpha - Zulu.mp3", "/3/alpha - yankee.mp3", "/0/BETA - Song.mp3"});
  EXPECT_EQ(SortedPaths(stSongArtist), QStringList({"/1/Alpha - Zulu.mp3", "/3/alpha - yankee.mp3",
                                                    "/0/BETA - Song.mp3", "/2/beta - song.mp3"}));
  EXPECT_EQ(SortedPaths(stSongTitle), QStringList({"/0/BETA - Song.mp3", "/2/beta - song.mp3",
                                                   "/3/alpha - yankee.mp3", "/1/Alpha - Zulu.mp3"}));
}

TEST_P(PlayListSortingTest, AKeyThatBeginsAnotherComesFirst) {
  SetPaths({"/1/x - Song 2.mp3", "/2/y - Song.mp3", "/3/z - Song-B.mp3"});
  EXPECT_EQ(SortedPaths(stSongTitle), QStringList({"/2/y - Song.mp3", "/1/x - Song 2.mp3", "/3/z - Song-B.mp3"}));
}

TEST_P(PlayListSortingTest, PathSortOrdersWholeEntriesIgnoringCase) {
  SetPaths({"/music/b.mp3", "/Music/a.mp3", "/album/z.mp3"});
  EXPECT_EQ(SortedPaths(stPathAndFileName), QStringList({"/album/z.mp3", "/Music/a.mp3", "/music/b.mp3"}));
}

TEST_P(PlayListSortingTest, SizeAndDateKeysAreZeroPaddedNumbers) {
  const QDateTime older(QDate(2001, 5, 6), QTime(7, 8, 10));
  const QDateTime newer(QDate(2023, 1, 2), QTime(3, 4, 6));
  const QString big = MakeFile("big.mp3", 1000, older);
  const QString small = MakeFile("small.mp3", 999, newer);
  const QString missing = TestSupport::ProgramFolder() + "missing.mp3";
  SetPaths({big, missing, small});
  EXPECT_EQ(SortedPaths(stFileSize), QStringList({missing, small, big}));
  SetPaths({small, big, missing});
  EXPECT_EQ(SortedPaths(stFileDate), QStringList({missing, big, small}));

  EXPECT_EQ(PackedFileDate(big), ((2001 - 1980) << 25) | (5 << 21) | (6 << 16) | (7 << 11) | (8 << 5) | 5);
  EXPECT_EQ(SortKeyOfEntry(BuildPlayListEntry(small), stFileSize), "0000000999");
  EXPECT_EQ(SortKeyOfEntry(BuildPlayListEntry(missing), stFileDate), "00000000-1");
}

TEST_P(PlayListSortingTest, ReorderingKeepsIndexesAndClearsTheSelection) {
  SetPaths({"/c.mp3", "/a.mp3", "/b.mp3"});
  model.CurrentSongIndex = 1;
  model.SelectAllItems();
  EXPECT_EQ(SortedPaths(stFileName), QStringList({"/a.mp3", "/b.mp3", "/c.mp3"}));
  EXPECT_EQ(model.CurrentSongIndex, 1);
  EXPECT_EQ(model.TotalFiles(), 3);
  EXPECT_EQ(model.GetFirstSelection(), -1);
}

TEST_P(PlayListSortingTest, ReverseTwiceRestoresAndRandomizeKeepsEveryEntryOnce) {
  QStringList paths;
  for (int i = 0; i < 50; ++i) paths.append(QStringLiteral("/m/%1.mp3").arg(i));
  SetPaths(paths);
  QStringList reversed = paths;
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(SortedPaths(stReverse), reversed);
  EXPECT_EQ(SortedPaths(stReverse), paths);

  PlatformUi::SeedRandomGenerator(1);
  QStringList shuffled = SortedPaths(stRandomize);
  EXPECT_NE(shuffled, paths);
  shuffled.sort();
  QStringList sortedPaths = paths;
  sortedPaths.sort();
  EXPECT_EQ(shuffled, sortedPaths);
}

TEST_P(PlayListSortingTest, EmptyAndSingleListsStayAsTheyAre) {
  for (uint8_t kind = 0; kind <= stReverse; ++kind) {
    SetPaths({});
    EXPECT_TRUE(SortedPaths(kind).isEmpty()) << int(kind);
    SetPaths({"/only.mp3"});
    EXPECT_EQ(SortedPaths(kind), QStringList{"/only.mp3"}) << int(kind);
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, PlayListSortingTest, testing::Values("C", "en_US", "de_DE"));

}  // namespace
