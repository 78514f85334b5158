#pragma once
// "Jump to File": a search line and the playlist entries that match it as
// the user types. Up and Down move in the list, Return plays the chosen
// entry, "Queue" queues it, Escape closes.
#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>

class JumpToFileFilter;
class JumpToFileResults;
class PlayListModel;
class QLineEdit;
class QListView;
class QPushButton;

class TJumpToFileForm : public QDialog {
  Q_OBJECT
 public:
  // `playEntry` plays the entry at an index of the list.
  TJumpToFileForm(PlayListModel& model, std::function<void(int32_t index)> playEntry, QWidget* parent = nullptr);
  ~TJumpToFileForm() override;

  QLineEdit* SearchEdit;
  QListView* ResultsList;
  QPushButton* PlayButton;
  QPushButton* QueueButton;

  // The list index of the entry the results list has chosen, -1 when none.
  int32_t ChosenEntry() const;
  void PlayButtonClick();
  void QueueButtonClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SearchChanged(const QString& query);

  PlayListModel& model_;
  std::function<void(int32_t)> playEntry_;
  std::unique_ptr<JumpToFileFilter> filter_;
  JumpToFileResults* results_;
};
