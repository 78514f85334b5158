#pragma once
#include <QDialog>

class QListWidget;
class QPushButton;

// "Multiple Matches found": the user picks the entry of the disc among the
// matches of the last query (FreeDBInterface::State().MatchList).
class TfreedbMatchesDialogForm : public QDialog {
  Q_OBJECT
 public:
  explicit TfreedbMatchesDialogForm(QWidget* parent = nullptr);

  QListWidget* ListBox1;
  QPushButton* Button1;  // "OK"
  QPushButton* Button2;  // "Cancel"

  // Fills the list from the match list, selects its first line and runs
  // the window modally; its result.
  int ShowModal();
  void FormShow();
  void Button1Click();
};

// The one instance, made at start-up with the other windows.
extern TfreedbMatchesDialogForm* freedbMatchesDialogForm;
