#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <vector>

#include "playlist/JumpToFileFilter.h"
#include "audio/SongEntryFields.h"
#include "playlist/PlayListModel.h"
#include "playlist/TJumpToFileForm.h"

namespace {

QStringList GeneratedList() {
  return {
      GeneralFunctions::MakeSongEntry("/music/Live/01 Opening.mp3", "The Band", "Opening"),
      GeneralFunctions::MakeSongEntry("/music/Live/02 Crowd.mp3", "The Band", "Crowd Noise"),
      GeneralFunctions::MakeSongEntry("/music/misc/ÉTÉ.ogg", "Zoé", "Été indien"),
      GeneralFunctions::MakeSongEntry("/music/Band Folder/opening band.wav", "", ""),
      GeneralFunctions::MakeSongEntry("/music/The Band/notes.flac", "Other", "Notes"),
  };
}

TEST(JumpToFile, EveryWordMustAppearInArtistTitleOrFileName) {
  struct Case {
    QString query;
    std::vector<int32_t> matches;
  };
  const std::vector<Case> cases{
      {"", {0, 1, 2, 3, 4}},
      {"   ", {0, 1, 2, 3, 4}},
      {"band", {0, 1, 3}},           // artist, artist, file name; never a folder name
      {"BAND open", {0, 3}},         // words in any letter case and field
      {"open band", {0, 3}},         // in any order
      {"crowd noise", {1}},          // both in the title
      {"band noise", {1}},           // artist and title
      {"été", {2}},                  // letters beyond ASCII fold too
      {"band.wav", {3}},
      {".flac", {4}},
      {"band\topening", {0, 3}},     // any blank parts words
      {"xyz", {}},
  };
  JumpToFileFilter filter(GeneratedList());
  for (const Case& c : cases) EXPECT_EQ(filter.Matches(c.query), c.matches) << c.query.toStdString();

  // Typing on narrows, deleting widens again.
  JumpToFileFilter typing(GeneratedList());
  for (const auto& [query, count] : std::vector<std::pair<QString, size_t>>{
           {"o", 5}, {"op", 2}, {"ope", 2}, {"ope c", 0}, {"ope", 2}, {"", 5}})
    EXPECT_EQ(typing.Matches(query).size(), count) << query.toStdString();
}

void PressKey(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
}

TEST(JumpToFile, ReturnPlaysTheChosenMatchAndQueueQueuesIt) {
  PlayListModel model;
  model.Append(GeneratedList());
  std::vector<int32_t> played;
  TJumpToFileForm dialog(model, [&](int32_t index) { played.push_back(index); });
  for (const QChar c : QStringLiteral("band"))
    dialog.SearchEdit->insert(c);
  EXPECT_EQ(dialog.ResultsList->model()->rowCount(), 3);
  EXPECT_EQ(dialog.ChosenEntry(), 0);
  PressKey(dialog.SearchEdit, Qt::Key_Down);
  PressKey(dialog.SearchEdit, Qt::Key_Down);
  PressKey(dialog.SearchEdit, Qt::Key_Down);  // stays on the last match
  EXPECT_EQ(dialog.ChosenEntry(), 3);
  dialog.QueueButton->click();
  PressKey(dialog.SearchEdit, Qt::Key_Up);
  dialog.QueueButton->click();
  EXPECT_EQ(model.QueuedIndexes(), (std::vector<int32_t>{3, 1}));
  EXPECT_TRUE(played.empty());
  PressKey(dialog.SearchEdit, Qt::Key_Return);
  EXPECT_EQ(played, std::vector<int32_t>{1});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);

  dialog.SearchEdit->setText("xyz");
  EXPECT_EQ(dialog.ChosenEntry(), -1);
  PressKey(dialog.SearchEdit, Qt::Key_Return);  // nothing to play
  EXPECT_EQ(played.size(), 1u);
}

}  // namespace
