#pragma once
#include <QDialog>
#include <QStringList>

#include "cddb/CDInfoEditing.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class ServerWaitIndicator;

// "Submit CD Information": edits the CD information of the lookup window's
// component, saves it to the local CD database or submits it to a freedb
// server.
class TSubmitTofreedbForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSubmitTofreedbForm(QWidget* parent = nullptr);

  // Required fields.
  QLineEdit* Edit1;  // disc artist
  QLineEdit* Edit2;  // disc title
  QLineEdit* Edit11;  // number of the selected track (read-only)
  QLineEdit* Edit10;  // number of tracks (read-only)
  QListWidget* ListBox1;  // track titles
  QLineEdit* Edit8;  // title of the selected track
  QComboBox* ComboBox1;  // category
  QLineEdit* Edit3;  // disc id (read-only)
  QLineEdit* Edit7;  // revision (read-only)
  // Optional fields.
  QPlainTextEdit* Memo1;  // extended disc data
  QPlainTextEdit* Memo2;  // extended data of the selected track
  QLineEdit* Edit5;  // genre
  QLineEdit* Edit4;  // year
  // Submission: the sender's address and whether the server only tests the entry.
  QLineEdit* EmailEdit;
  QCheckBox* TestSubmissionCheckBox;
  QPushButton* Button3;  // "Save Local"
  QPushButton* Button1;  // "Submit disk"
  QPushButton* Button2;  // "Cancel"

  // Fills the window from the CD information and runs it modally; its result.
  int ShowModal();
  void FormShow();
  void ListBox1Click();
  void Edit8Change();
  void Memo2Exit();
  void Button3Click();  // "Save Local"
  void Button1Click();  // "Submit disk"

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Escape and the window's close button cancel a running submission first.
  void reject() override;

 private:
  CDInfoEditing::EditedFields Fields() const;
  // Shows a message for every failed rule; true when none failed.
  bool ValidateFields();
  void StoreIntoRecord();
  void SaveSubmissionSettings();

  QStringList trackExtData_;  // extended data of each track while it is edited
  ServerWaitIndicator* waitIndicator_;
};

// The one instance, made at start-up with the other windows.
extern TSubmitTofreedbForm* SubmitTofreedbForm;
