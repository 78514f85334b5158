#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "playlist/AutoPlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/TPlayListEditorForm.h"
#include "support/TestEnvironment.h"

namespace {

using GeneralFunctions::BuildPlayListEntry;

class PlayListEditorFormTest : public testing::Test {
 protected:
  void SetUp() override { CreateForms(); }
  void TearDown() override {
    if (PlayListEditorForm) DestroyForms();
  }
};

TEST_F(PlayListEditorFormTest, ListSurvivesARestart) {
  PlayListEditorForm->InitializePlayList();
  PlayListEditorForm->PlayList.Append({BuildPlayListEntry("/m/a - one.mp3")});
  DestroyForms();
  EXPECT_EQ(PlayListFile::ReadPlayListFile(AutoPlayList::AutoPlayListPath()).entries,
            QStringList{BuildPlayListEntry("/m/a - one.mp3")});

  CreateForms();
  PlayListEditorForm->InitializePlayList();
  EXPECT_EQ(PlayListEditorForm->PlayList.TotalFiles(), 1);
}

TEST_F(PlayListEditorFormTest, AStartThatEndedEarlyLeavesThePlaylistFileAlone) {
  const QStringList saved{BuildPlayListEntry("/m/keep.mp3")};
  PlayListFile::WritePlayListFile(AutoPlayList::AutoPlayListPath(), saved);
  DestroyForms();  // the automatic playlist was never loaded
  EXPECT_EQ(PlayListFile::ReadPlayListFile(AutoPlayList::AutoPlayListPath()).entries, saved);
}

TEST_F(PlayListEditorFormTest, DroppedFilesAndStreamsAreAppended) {
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile("/m/b - two.ogg"), QUrl("http://example.invalid/x.mp3"),
                QUrl("ftp://example.invalid/y.mp3"), QUrl::fromLocalFile("/m/c.wav")});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(PlayListEditorForm, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(PlayListEditorForm, &drop);
  EXPECT_EQ(PlayListEditorForm->PlayList.Entries(),
            QStringList({BuildPlayListEntry("/m/b - two.ogg"), BuildPlayListEntry("http://example.invalid/x.mp3"),
                         BuildPlayListEntry("/m/c.wav")}));
}

TEST_F(PlayListEditorFormTest, PlayingFollowsTheDecksRepeatSetting) {
  namespace Audio = KestrelixAudioApi;
  int plays = 0;
  Audio::operations.AudioPlay = [&plays] { ++plays; };
  PlayListEditorForm->PlayList.Append({BuildPlayListEntry("/m/a.mp3"), BuildPlayListEntry("/m/b.mp3")});
  for (const bool repeat : {false, true}) {
    DeckForm->Settings.RepeatOn = repeat;
    DeckForm->Settings.ShuffleOn = false;
    PlayListEditorForm->PlayList.CurrentSongIndex = 1;
    PlayListEditorForm->PlayPlayListSong(PlayListPlayback::pmNext);
    EXPECT_EQ(PlayListEditorForm->PlayList.CurrentSongIndex, 0);
    EXPECT_EQ(plays, repeat ? 1 : 0);
  }
  Audio::ResetAudioApi();
}

}  // namespace
