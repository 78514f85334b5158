#pragma once
#include <QDialog>
#include <QString>

class QComboBox;
class QPushButton;

// "Add Url": asks for the address of an internet radio stream or station
// playlist, offering the addresses added before.
class TAddUrlForm : public QDialog {
  Q_OBJECT
 public:
  explicit TAddUrlForm(QWidget* parent = nullptr);

  QComboBox* UrlComboBox;  // editable; the recent addresses as its items
  QPushButton* OKButton;
  QPushButton* CancelButton;

  // Runs the window modally and gives the checked address, or nothing when
  // the user cancelled. The address is remembered for the next time.
  QString AskForUrl();
  // Checks the address: a bad one is explained and the window stays open.
  void OKButtonClick();

 private:
  QString chosen_;
};
