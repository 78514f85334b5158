#pragma once
#include <QDialog>
#include <QString>

class QListWidget;
class QPushButton;

// "Add Audio CD": the user picks a CD drive holding a disc, or a disc image
// file, whose tracks are to enter the playlist.
class TAddAudioCDForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAddAudioCDForm(QWidget* parent = nullptr);

  QListWidget* DriveList;     // the drives and what each holds
  QPushButton* ImageButton;   // "Disc Image..."
  QPushButton* AddButton;     // "Add"
  QPushButton* CancelButton;  // "Cancel"

  // Lists the drives, runs the window modally and gives the chosen drive or
  // disc image, or nothing when the user cancelled.
  QString ChooseDisc();
  void FillDriveList();
  void ImageButtonClick();
  void AddButtonClick();

 private:
  QString chosen_;
};
