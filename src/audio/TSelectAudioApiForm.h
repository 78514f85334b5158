#pragma once
#include <QDialog>

class QListWidget;
class QListWidgetItem;
class QLabel;
class QPushButton;

// Lists the audio back-ends; a double-click selects one. Created at start-up,
// never opened by a command of the player.
class TSelectAudioApiForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSelectAudioApiForm(QWidget* parent = nullptr);

  QLabel* SelectLabel;
  QListWidget* AudioAPIsListBox;
  QPushButton* OKButton;
  QPushButton* CancelButton;

  void AudioAPIsListBoxDblClick(QListWidgetItem* item);
};

// The one instance, made at start-up with the other windows.
extern TSelectAudioApiForm* SelectAudioApiForm;
