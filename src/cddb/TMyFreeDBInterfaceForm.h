#pragma once
#include <QDialog>
#include <QList>

#include <functional>

#include "cddb/CDLookupSettings.h"
#include "cddb/CddbTypes.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class ServerWaitIndicator;

namespace Cddb {
class TCddb;
}

// "Retrieve CD Information": looks the disc up on a CDDB server (over HTTP
// or CDDBP), lets the user choose among the matches and keeps the entry in
// the local CD database. It owns the one CDDB component, freedb, whose CD
// information all CD windows share.
class TMyFreeDBInterfaceForm : public QDialog {
  Q_OBJECT
 public:
  explicit TMyFreeDBInterfaceForm(QWidget* parent = nullptr);
  ~TMyFreeDBInterfaceForm() override;

  Cddb::TCddb* freedb = nullptr;

  QLineEdit* Edit4;      // e-mail address sent with requests and submissions
  QLineEdit* Edit3;      // HTTP path
  QLineEdit* Edit5;      // HTTP port
  QLineEdit* Edit2;      // CDDBP port
  QComboBox* ComboBox2;  // server address; "Get Sites List" fills its list
  QComboBox* ComboBox1;  // protocol: "cddbp" or "http"
  QLineEdit* Edit1;      // description of the chosen server (read-only)
  QPushButton* Button3;  // "Get Sites List"
  QPushButton* Button1;  // "Search freedb"
  QPushButton* Button2;  // "Cancel"
  QPlainTextEdit* Memo1;
  QStatusBar* StatusBar1;

  // Shows the saved server settings and runs the window modally; its result.
  int ShowModal();

  void Button1Click();  // "Search freedb"
  void Button3Click();  // "Get Sites List"
  void ComboBox1Change();
  void ComboBox2Select(int index);
  // Continues a search once the component has returned from its query:
  // the match chooser, the read and the local copy, or the offer to submit.
  void WMRead();

 protected:
  // Escape and the window's close button cancel a running exchange first.
  void reject() override;

 private:
  void FormCreate();
  void FreedbMatch(const Cddb::TMatchArray& matches, int& rightOne);
  void ShowStatus(const QString& text);
  void ShowSettings(const CDLookup::Settings& settings);
  // The fields as settings; they are saved and applied to the component
  // whenever a search or a sites request starts.
  CDLookup::Settings FieldsAsSettings() const;
  Cddb::TServerType ChosenServerType() const;
  void ApplyFields();
  int RunExchange(const std::function<int()>& exchange);
  // A CDDBP exchange needs a fresh session with the server.
  bool StartCddbpSession();
  void ReadChosenMatch();

  QList<int> siteIndexes_;  // site index behind each position of ComboBox2's list
  bool matchAnswered_ = false;
  ServerWaitIndicator* waitIndicator_;
};

// The one instance, made at start-up with the other windows.
extern TMyFreeDBInterfaceForm* MyFreeDBInterfaceForm;
