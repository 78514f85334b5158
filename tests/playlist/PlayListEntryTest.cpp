#include <gtest/gtest.h>

#include "playlist/PlayListDisplayOptions.h"
#include "playlist/PlayListEntry.h"

using namespace GeneralFunctions;

namespace {

struct NameCase {
  const char* path;
  const char* artist;
  const char* title;
};

TEST(PlayListEntry, ArtistAndTitleComeFromTheFileName) {
  const NameCase cases[] = {
      {"/music/madonna - frozen.mp3", "Madonna", "Frozen"},
      {"/music/A-ha - Take On Me.mp3", "A", "Ha - Take On Me"},
      {"/music/intro.mp3", "Unknown", "Intro"},
      {"/dev/sr0/Track03.cda", "Unknown", "Track03"},
      {"/music/ -x.mp3", "Unknown", "X"},
      {"/music/no extension - here", "No extension", "Here"},
      {"/mu-sic.d/plain", "Unknown", "Plain"},  // a dash in a folder name is not looked at
      {"/music/ü - é.ogg", "ü", "é"},          // only a to z are capitalised
      {"/music/a.b - c.d.wav", "A.b", "C.d"},
      {"", "Unknown", "Unknown"},
  };
  for (const NameCase& c : cases) {
    const SongArtistTitle split = SplitSongFileName(QString::fromUtf8(c.path));
    EXPECT_EQ(split.artist, QString::fromUtf8(c.artist)) << c.path;
    EXPECT_EQ(split.title, QString::fromUtf8(c.title)) << c.path;
  }
}

TEST(PlayListEntry, FieldsAreReadAndChangedInPlace) {
  QString entry = BuildPlayListEntry("/songs/abba - waterloo.mp3");
  EXPECT_EQ(entry,
            ";PL_SONGPATH_ID=/songs/abba - waterloo.mp3;PL_SONGARTIST_ID=Abba;PL_SONGTITLE_ID=Waterloo");
  EXPECT_EQ(GetEntrySongPath(entry), "/songs/abba - waterloo.mp3");

  SetEntrySongArtist("ABBA & Friends", entry);
  SetEntrySongTitle("Waterloo (live)", entry);
  EXPECT_EQ(GetEntrySongPath(entry), "/songs/abba - waterloo.mp3");
  EXPECT_EQ(GetEntrySongArtist(entry), "ABBA & Friends");
  EXPECT_EQ(GetEntrySongTitle(entry), "Waterloo (live)");

  SetEntrySongArtist("", entry);
  EXPECT_EQ(GetEntrySongArtist(entry), "");
  EXPECT_EQ(GetEntrySongTitle(entry), "Waterloo (live)");
}

TEST(PlayListEntry, EmptyTitleIsAppendedTo) {
  QString entry = ";PL_SONGPATH_ID=/a.mp3;PL_SONGARTIST_ID=A;PL_SONGTITLE_ID=";
  EXPECT_EQ(GetEntrySongTitle(entry), "");
  SetEntrySongTitle("New", entry);
  EXPECT_EQ(entry, ";PL_SONGPATH_ID=/a.mp3;PL_SONGARTIST_ID=A;PL_SONGTITLE_ID=New");
}

TEST(PlayListEntry, TextWithoutTagsReadsAsEmptyFieldsAndIsNotChanged) {
  QString line = "/home/user/song.mp3";
  EXPECT_EQ(GetEntrySongPath(line), "");
  EXPECT_EQ(GetEntrySongArtist(line), "");
  EXPECT_EQ(GetEntrySongTitle(line), "");
  SetEntrySongArtist("x", line);
  SetEntrySongTitle("y", line);
  EXPECT_EQ(line, "/home/user/song.mp3");
}

TEST(PlayListDisplayOptions, TextFormRoundTripsAndLaterModesWin) {
  const TPLDisplayOptions artistHidden = doSongArtistTitle | doHideCounter;
  EXPECT_EQ(DisplayOptionsToText(artistHidden), "[doSongArtistTitle][doHideCounter]");
  EXPECT_EQ(TextToDisplayOptions(DisplayOptionsToText(artistHidden)), artistHidden);
  EXPECT_EQ(DisplayOptionsToText(0), "");
  EXPECT_EQ(TextToDisplayOptions(""), doFullSongFileName);
  EXPECT_EQ(TextToDisplayOptions("[doHideCounter]"), doFullSongFileName | doHideCounter);
  EXPECT_EQ(TextToDisplayOptions("[doSongArtistTitle][doFullSongFileName]"), doSongArtistTitle);
  EXPECT_EQ(TextToDisplayOptions("x[doOnlySongFileName]y[dofullsongfilename]"), doOnlySongFileName);
  EXPECT_EQ(WithDisplayMode(doSongArtistTitle | doHideCounter, doOnlySongFileName),
            doOnlySongFileName | doHideCounter);
}

}  // namespace
