// The playlist window worked with real mouse and key events on the running
// player with its default skin.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTest>
#include <QWheelEvent>

#include <functional>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "app/DeckTestKit.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/Mp3Writer.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListView.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

namespace {

using GeneralFunctions::BuildPlayListEntry;

class PlayListWindowTest : public DeckTests::DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
    form = PlayListEditorForm;
    list = form->VisualPlayListListBox;
  }

  void Fill(int count) {
    QStringList entries;
    for (int i = 0; i < count; ++i) entries.append(BuildPlayListEntry(QStringLiteral("/m/a - %1.mp3").arg(i)));
    form->PlayList.Clear();
    form->PlayList.Append(entries);
  }

  std::vector<int> Selected() const {
    std::vector<int> selected;
    for (int i = 0; i < form->PlayList.TotalFiles(); ++i)
      if (form->PlayList.IsSelected(i)) selected.push_back(i);
    return selected;
  }

  QPoint Row(int index) const {
    return {20, (index - list->TopIndex()) * PlayListView::kItemHeight + 5};
  }

  // Opens tool panel `menu` with its toggle and clicks its button `button`.
  void RunPanelCommand(int menu, int button) {
    Click(form->ToggleMenuButtons()[static_cast<size_t>(menu)], {5, 5});
    ASSERT_TRUE(form->PLMenuPanels()[static_cast<size_t>(menu)]->isVisible());
    int first = 0;
    for (int m = 0; m < menu; ++m) first += m == 1 ? 4 : 3;
    Click(form->PLMenuButtons()[static_cast<size_t>(first + button)], {5, 5});
  }

  TPlayListEditorForm* form = nullptr;
  PlayListView* list = nullptr;
};

bool FullyCovered(const QImage& canvas, bool alongX, int at) {
  const int length = alongX ? canvas.width() : canvas.height();
  for (int i = 0; i < length; ++i) {
    const QPoint p = alongX ? QPoint(i, at) : QPoint(at, i);
    if (qAlpha(canvas.pixel(p)) == 0) return false;
  }
  return true;
}

TEST_F(PlayListWindowTest, FrameIsWholeAtEverySize) {
  form->PlayList.Append({BuildPlayListEntry(QString(10000, u'x')),
                         BuildPlayListEntry(QString::fromUtf8("/m/\xff\xfe broken.mp3"))});
  form->show();
  for (const QSize size : {QSize(300, 116), QSize(325, 225), QSize(425, 341), QSize(700, 1300)}) {
    form->SetPanel1Size(size.width(), size.height());
    EXPECT_EQ(form->size(), size);
    EXPECT_EQ(form->PLBottomCanvas->width(), size.width() - 275);
    EXPECT_TRUE(FullyCovered(form->PLTopCanvas->Canvas(), true, 10)) << size.width();
    EXPECT_TRUE(FullyCovered(form->PLLeftCanvas->Canvas(), false, 5)) << size.height();
    EXPECT_TRUE(FullyCovered(form->PLRightCanvas->Canvas(), false, 5)) << size.height();
    EXPECT_TRUE(FullyCovered(form->PLBottomCanvas->Canvas(), true, 20));
    EXPECT_EQ(form->Panel2->geometry(), QRect(12, 20, size.width() - 32, size.height() - 58));
    EXPECT_FALSE(form->grab().isNull());
  }
  // The smallest window keeps room in the bottom bar for the info area.
  form->SetPanel1Size(10, 10);
  EXPECT_EQ(form->size(), QSize(300, 116));
}

TEST_F(PlayListWindowTest, CornerDragResizesAndTheSizeSurvivesARestart) {
  form->show();
  form->SetPanel1Size(300, 225);
  Press(form->PLBottomRightImage, {140, 30});
  DragTo(form->PLBottomRightImage, {200, 90});
  Release(form->PLBottomRightImage, {200, 90});
  EXPECT_EQ(form->Panel1->size(), QSize(350, 300));
  EXPECT_EQ(form->PLBottomRightImage->geometry().bottomRight(), QPoint(349, 37));

  Press(form->PLBottomRightImage, {10, 10});  // outside the corner: no resize
  DragTo(form->PLBottomRightImage, {300, 300});
  Release(form->PLBottomRightImage, {300, 300});
  EXPECT_EQ(form->Panel1->size(), QSize(350, 300));

  Stop();
  Start();
  EXPECT_EQ(PlayListEditorForm->Panel1->size(), QSize(350, 300));
}

TEST_F(PlayListWindowTest, ScrollButtonPagesAndFollowsOtherScrolling) {
  Fill(100);
  form->show();
  auto* button = form->PLScrollButton;
  const int trackTop = form->PLScrollImage->y();
  const int trackBottom = trackTop + form->PLScrollImage->height() - button->height();

  Press(button, {4, 4});
  DragTo(button, {4, 400});
  Release(button, {4, 400});
  EXPECT_EQ(button->y(), trackBottom);
  EXPECT_EQ(form->PlayList.ItemIndex, 99);
  EXPECT_EQ(list->TopIndex(), 100 - list->RowsInView());
  EXPECT_TRUE(Selected().empty());

  QWheelEvent wheel(QPointF(20, 20), list->mapToGlobal(QPointF(20, 20)), {}, {0, 120},
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(list, &wheel);
  EXPECT_EQ(list->TopIndex(), 100 - list->RowsInView() - 3);
  EXPECT_LT(button->y(), trackBottom);

  QTest::keyClick(list, Qt::Key_Home);
  EXPECT_EQ(list->TopIndex(), 0);
  EXPECT_EQ(button->y(), trackTop);

  form->PlayList.Clear();
  Press(button, {4, 4});
  DragTo(button, {4, 60});
  Release(button, {4, 60});
  EXPECT_EQ(form->PlayList.ItemIndex, -1);
}

TEST_F(PlayListWindowTest, MouseAndKeysSelect) {
  Fill(30);
  form->show();
  QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, Row(2));
  EXPECT_EQ(Selected(), (std::vector<int>{2}));
  QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4}));
  QTest::mouseClick(list, Qt::LeftButton, Qt::ControlModifier, Row(7));
  EXPECT_EQ(Selected(), (std::vector<int>{2, 3, 4, 7}));
  QTest::keyClick(list, Qt::Key_PageDown);
  EXPECT_EQ(form->PlayList.ItemIndex, 7 + list->RowsInView());
  EXPECT_GT(list->TopIndex(), 0);
  QTest::keyClick(list, Qt::Key_End);
  EXPECT_EQ(Selected(), (std::vector<int>{29}));
  QTest::keyClick(list, Qt::Key_Up, Qt::ControlModifier);
  EXPECT_EQ(Selected(), (std::vector<int>{28, 29}));
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(form->PlayList.TotalFiles(), 28);
}

TEST_F(PlayListWindowTest, DoubleClickAndReturnPlayTheEntryAndTheDeckShowsIt) {
  DeckTests::DeckRun::UsePlayList({WriteSong("one.wav", 5), WriteSong("two.wav", 5), WriteSong("three.wav", 5)});
  form->show();
  QTest::mouseDClick(list, Qt::LeftButton, Qt::NoModifier, Row(1));
  EXPECT_EQ(form->PlayList.CurrentSongIndex, 1);
  EXPECT_EQ(DeckForm->StatusText, QStringLiteral("Playing"));
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(form->PlayList.CurrentSongIndex, 2);
}

TEST_F(PlayListWindowTest, RightButtonDragMovesAnEntryAndTheCurrentSongFollows) {
  Fill(5);
  form->show();
  const QString song = form->PlayList.Entry(2);
  form->PlayList.CurrentSongIndex = 2;
  QTest::mousePress(list, Qt::RightButton, Qt::NoModifier, Row(2));
  QTest::mouseRelease(list, Qt::RightButton, Qt::NoModifier, Row(4));
  EXPECT_EQ(form->PlayList.Entry(4), song);
  EXPECT_EQ(form->PlayList.CurrentSongIndex, 4);

  QTest::mousePress(list, Qt::RightButton, Qt::NoModifier, Row(0));
  QTest::mouseRelease(list, Qt::RightButton, Qt::NoModifier, {20, 300});  // below the last entry
  EXPECT_EQ(form->PlayList.CurrentSongIndex, 3);
  EXPECT_EQ(form->PlayList.Entry(3), song);
}

TEST_F(PlayListWindowTest, ToolPanelCommands) {
  form->show();
  const struct {
    int menu, button, total;
    std::vector<int> selected;
    const char* message;
  } cases[] = {
      {0, 0, 4, {1}, nullptr},               // Add Url, cancelled
      {1, 0, 0, {}, nullptr},                // Remove All
      {1, 1, 1, {0}, nullptr},               // Crop Files
      {1, 2, 3, {}, nullptr},                // Remove Files
      {1, 3, 4, {1}, "Not Implemented Yet"},  // Miscellaneous
      {2, 0, 4, {0, 2, 3}, nullptr},          // Select Inverse
      {2, 1, 4, {}, nullptr},                // Select Zero
      {2, 2, 4, {0, 1, 2, 3}, nullptr},       // Select All
      {3, 1, 4, {1}, nullptr},               // File Info on an entry that is no CD track
      {4, 0, 0, {}, nullptr},                // New PlayList
  };
  for (const auto& c : cases) {
    Fill(4);
    form->PlayList.SetSelected(1, true);
    form->PlayList.ItemIndex = 1;
    TestSupport::MessageBoxes().shown.clear();
    RunPanelCommand(c.menu, c.button);
    const auto panels = form->PLMenuPanels();
    EXPECT_TRUE(std::none_of(panels.begin(), panels.end(), [](QWidget* p) { return p->isVisible(); }));
    EXPECT_EQ(form->InfoText(), QStringLiteral("Total Files:%1").arg(c.total));
    EXPECT_EQ(form->PlayList.TotalFiles(), c.total) << c.menu << "/" << c.button;
    EXPECT_EQ(Selected(), c.selected) << c.menu << "/" << c.button;
    const auto& shown = TestSupport::MessageBoxes().shown;
    ASSERT_EQ(shown.size(), c.message ? 1u : 0u) << c.menu << "/" << c.button;
    if (c.message) {
      EXPECT_EQ(shown[0].text, QString::fromLatin1(c.message));
    }
  }

  TestSupport::ModalDialogs().shownTitles.clear();
  Fill(4);
  form->PlayList.ItemIndex = 1;
  RunPanelCommand(3, 1);  // File Info on a song file: its own dialog
  EXPECT_EQ(TestSupport::ModalDialogs().shownTitles, QStringList{QStringLiteral("File Info")});

  form->PlayList.ItemIndex = -1;
  RunPanelCommand(3, 1);  // File Info with no entry focused
  EXPECT_EQ(TestSupport::MessageBoxes().shown.back().text, QStringLiteral("Please Select a CD Track"));

  TestSupport::FileDialogs().answers.push_back({QStringLiteral("/new/b - two.ogg")});
  RunPanelCommand(0, 2);  // Add Files
  EXPECT_EQ(form->PlayList.Entry(form->PlayList.TotalFiles() - 1), BuildPlayListEntry("/new/b - two.ogg"));

  QTest::mouseMove(form->ToggleMenu2Button, {5, 5});
  EXPECT_EQ(form->InfoText(), QStringLiteral("Remove Tools"));
}

TEST_F(PlayListWindowTest, SortAndDisplayMenus) {
  Fill(3);
  form->show();
  RunPanelCommand(3, 0);
  ASSERT_TRUE(form->SortMenu->isVisible());
  form->SortMenu->actions().last()->trigger();  // Reverse List
  EXPECT_EQ(form->PlayList.Entry(0), BuildPlayListEntry("/m/a - 2.mp3"));
  EXPECT_EQ(form->SortMenu->pos(),
            QPoint(form->x() + form->ToggleMenu4Button->x() + 20,
                   form->y() + form->height() - 3 * form->ToggleMenu4Button->height()));

  RunPanelCommand(3, 2);
  ASSERT_TRUE(form->DisplayMenu->isVisible());
  const QList<QAction*> actions = form->DisplayMenu->actions();
  // The mode and the counter's state show as checked items, whoever set them.
  const auto checks = [&] {
    emit form->DisplayMenu->aboutToShow();
    QList<bool> checked;
    for (const QAction* action : actions) checked.append(action->isChecked());
    return checked;
  };
  const struct {
    std::function<void()> choose;
    GeneralFunctions::TPLDisplayOptions options;
    QList<bool> checked;  // artist and title, full names, file names; counter shown, hidden
  } choices[] = {
      {[&] { actions[0]->trigger(); }, GeneralFunctions::doSongArtistTitle, {true, false, false, true, false}},
      {[&] { actions[4]->trigger(); }, GeneralFunctions::doSongArtistTitle | GeneralFunctions::doHideCounter,
       {true, false, false, false, true}},
      {[&] { form->DisplayOptions = GeneralFunctions::doFullSongFileName; }, GeneralFunctions::doFullSongFileName,
       {false, true, false, true, false}},
  };
  for (const auto& choice : choices) {
    choice.choose();
    EXPECT_EQ(form->DisplayOptions, choice.options);
    EXPECT_EQ(checks(), choice.checked);
  }
}

// The info area shows "Total Files:" and the whole count, up to the 18
// characters of 100,000 entries, in the player's own skin and in a Winamp
// skin, clear of the tool toggles even in the narrowest window.
TEST_F(PlayListWindowTest, InfoAreaShowsTheWholeCount) {
  form->show();
  form->SetPanel1Size(0, 0);
  const QString defaultSkin = TestSupport::ProgramFolder() + "skins/Default";
  for (const QString& skin : {defaultSkin, defaultSkin + "/Winamp"}) {
    SkinUnit::SwitchToSkin(skin);
    const QRect info = form->PLTextWindow->geometry();
    EXPECT_GE(info.width(), 18 * DeckForm->FontSmallImageList.Width()) << skin.toStdString();
    EXPECT_TRUE(form->PLBottomPanel->rect().contains(info)) << skin.toStdString();
    for (const QWidget* toggle : form->ToggleMenuButtons())
      EXPECT_FALSE(info.intersects(toggle->geometry())) << skin.toStdString();
    for (const int count : {9, 99, 2005, 100000}) {
      Fill(count);
      const QString text = QStringLiteral("Total Files:%1").arg(count);
      EXPECT_EQ(form->InfoText(), text);
      form->PLTextWindow->grab();  // paints the area
      EXPECT_TRUE(ShowsText(form->PLTextWindow, text, 18)) << count;
    }
  }
}

// A file cut short after its Xing header was written lists the header's
// length until it is played, then the length its decoder found.
TEST_F(PlayListWindowTest, APlayedSongListsTheLengthItsDecoderFound) {
  MediaGen::ToneSpec spec;
  spec.seconds = 8.0;
  const QString song = TestSupport::ProgramFolder() + "cut.mp3";
  ASSERT_TRUE(MediaGen::WriteMp3(song.toStdString(), MediaGen::MakeTone(spec), 128));
  ASSERT_TRUE(QFile(song).resize(QFileInfo(song).size() / 2));
  UsePlayList({song});
  const auto listed = [this] { return form->TagReading.SecondsOf(form->PlayList.Entry(0)); };
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->TagReading.Reader.Idle() && listed() >= 0; }));
  EXPECT_EQ(listed(), 8);
  Click(DeckForm->PlayButton);
  EXPECT_EQ(KestrelixAudioApi::vars.TotalSeconds, 4);
  EXPECT_EQ(listed(), 4);
}

TEST_F(PlayListWindowTest, CloseButtonHidesTheWindowAndTheDeckButtonFollows) {
  form->show();
  EXPECT_EQ(DeckForm->PlaylistButtonState, 6);
  Click(form->PLCloseWindowButton, {4, 4});
  EXPECT_FALSE(form->isVisible());
  EXPECT_FALSE(DeckForm->Settings.PLVisible);
  EXPECT_EQ(DeckForm->PlaylistButtonState, 4);
}

}  // namespace
