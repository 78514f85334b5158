#include "TMyFreeDBInterfaceForm.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "cddb/CDInformation.h"
#include "cddb/ServerWaitIndicator.h"
#include "cddb/TCddb.h"
#include "cddb/TSubmitTofreedbForm.h"
#include "cddb/TfreedbMatchesDialogForm.h"
#include "platform/VersionInfo.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ModalDialogService.h"
#include "platform/ui/ProgramFolder.h"

TMyFreeDBInterfaceForm* MyFreeDBInterfaceForm = nullptr;

namespace {

const QString Cddbp = QStringLiteral("cddbp");
const QString Http = QStringLiteral("http");

void Tell(const QString& text) { PlatformUi::ShowMessage(text, QStringLiteral("Message")); }

}  // namespace

TMyFreeDBInterfaceForm::TMyFreeDBInterfaceForm(QWidget* parent)
    : QDialog(parent),
      freedb(new Cddb::TCddb(this)),
      Edit4(new QLineEdit),
      Edit3(new QLineEdit),
      Edit5(new QLineEdit),
      Edit2(new QLineEdit),
      ComboBox2(new QComboBox),
      ComboBox1(new QComboBox),
      Edit1(new QLineEdit(QStringLiteral("Random freedb Server"))),
      Button3(new QPushButton(QStringLiteral("Get Sites List"))),
      Button1(new QPushButton(QStringLiteral("Search freedb"))),
      Button2(new QPushButton(QStringLiteral("Cancel"))),
      Memo1(new QPlainTextEdit),
      StatusBar1(new QStatusBar),
      waitIndicator_(new ServerWaitIndicator) {
  setWindowTitle(QStringLiteral("Retrieve CD Information"));
  ComboBox2->setEditable(true);
  ComboBox1->addItems({Cddbp, Http});
  Edit1->setReadOnly(true);
  Memo1->setReadOnly(true);
  // Typing starts in the first field that can be changed.
  Edit1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setFocusPolicy(Qt::ClickFocus);
  Memo1->setPlainText(QStringLiteral("  Because a Freeware Audio Player \n      needs a free CD database !!!"));
  Memo1->setMaximumHeight(60);

  auto* server = new QFormLayout;
  server->addRow(QStringLiteral("Email:"), Edit4);
  server->addRow(QStringLiteral("Address:"), ComboBox2);
  server->addRow(QStringLiteral("Type:"), ComboBox1);
  server->addRow(QStringLiteral("Localtion:"), Edit1);
  auto* http = new QGroupBox(Http);
  auto* httpForm = new QFormLayout(http);
  httpForm->addRow(QStringLiteral("Path:"), Edit3);
  httpForm->addRow(QStringLiteral("Port:"), Edit5);
  auto* cddbp = new QGroupBox(Cddbp);
  auto* cddbpForm = new QFormLayout(cddbp);
  cddbpForm->addRow(QStringLiteral("Port:"), Edit2);
  auto* protocols = new QHBoxLayout;
  protocols->addWidget(http, 2);
  protocols->addWidget(cddbp, 1);
  auto* why = new QGroupBox(QStringLiteral("Why freedb?"));
  auto* whyLayout = new QVBoxLayout(why);
  whyLayout->addWidget(Memo1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button3);
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  StatusBar1->setSizeGripEnabled(false);
  StatusBar1->addPermanentWidget(waitIndicator_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(server);
  layout->addLayout(protocols);
  layout->addWidget(why);
  layout->addLayout(buttons);
  layout->addWidget(StatusBar1);
  Button1->setDefault(true);
  resize(520, 400);

  connect(Button1, &QPushButton::clicked, this, &TMyFreeDBInterfaceForm::Button1Click);
  connect(Button3, &QPushButton::clicked, this, &TMyFreeDBInterfaceForm::Button3Click);
  connect(Button2, &QPushButton::clicked, this, &TMyFreeDBInterfaceForm::reject);
  connect(ComboBox1, &QComboBox::activated, this, &TMyFreeDBInterfaceForm::ComboBox1Change);
  connect(ComboBox2, &QComboBox::activated, this, &TMyFreeDBInterfaceForm::ComboBox2Select);
  FormCreate();
}

TMyFreeDBInterfaceForm::~TMyFreeDBInterfaceForm() {
  FreeDBInterface::RemovePlayListHooks();
  freedb->Cancel();
}

// Configures the component once for the client it is; the server and the
// sender come from the fields whenever an exchange starts, so nothing goes
// over the network before the user asks for it.
void TMyFreeDBInterfaceForm::FormCreate() {
  FreeDBInterface::State().HttpSearchPending = false;
  FreeDBInterface::State().CDInfoFound = false;
  freedb->LocalCDDBPath = PlatformUi::LocalCDDatabaseFolder() + QStringLiteral("LocalCDDB.dll");
  freedb->ClientComments = QLatin1String(VersionInfo::ProductNotice);
  freedb->ClientName = QLatin1String(VersionInfo::ShortClientName);
  freedb->ClientVersion = QLatin1String(VersionInfo::Version);
  freedb->ServerDescription = Edit1->text();
  freedb->SetNoteToUser(QStringLiteral("Submitted using %1 v%2")
                            .arg(QLatin1String(VersionInfo::ProductName), QLatin1String(VersionInfo::Version)));
  freedb->OnStatusMessage = [this](Cddb::TCddb*, const QString& text) {
    ShowStatus(QStringLiteral("OnStatusMessage Message:") + text);
  };
  freedb->OnDataExchange = [this](Cddb::TCddb*, const QString& text) {
    ShowStatus(QStringLiteral("OnDataExchange Message:") + text);
  };
  freedb->OnMatch = [this](Cddb::TCddb*, const Cddb::TMatchArray& matches, int& rightOne) {
    FreedbMatch(matches, rightOne);
  };
  const CDLookup::Settings settings = CDLookup::Load();
  ShowSettings(settings);
  CDLookup::ApplyTo(settings, *freedb, settings.ServerType);
  FreeDBInterface::InstallPlayListHooks();
}

void TMyFreeDBInterfaceForm::ShowStatus(const QString& text) { StatusBar1->showMessage(text); }

int TMyFreeDBInterfaceForm::ShowModal() {
  ShowSettings(CDLookup::Load());
  StatusBar1->clearMessage();
  return PlatformUi::ExecModal(*this);
}

void TMyFreeDBInterfaceForm::ShowSettings(const CDLookup::Settings& settings) {
  Edit4->setText(settings.EmailUser);
  ComboBox2->setEditText(settings.ServerAddr);
  Edit2->setText(settings.CddbpPort);
  Edit5->setText(settings.HttpPort);
  Edit3->setText(settings.HttpPath);
  ComboBox1->setCurrentText(settings.ServerType == Cddb::TServerType::CDDBP ? Cddbp : Http);
  ComboBox1Change();
}

CDLookup::Settings TMyFreeDBInterfaceForm::FieldsAsSettings() const {
  CDLookup::Settings settings = CDLookup::Load();
  settings.EmailUser = Edit4->text().trimmed();
  settings.ServerAddr = ComboBox2->currentText().trimmed();
  settings.ServerType = ChosenServerType();
  settings.CddbpPort = Edit2->text().trimmed();
  settings.HttpPort = Edit5->text().trimmed();
  settings.HttpPath = Edit3->text().trimmed();
  return settings;
}

Cddb::TServerType TMyFreeDBInterfaceForm::ChosenServerType() const {
  return ComboBox1->currentText() == Cddbp ? Cddb::TServerType::CDDBP : Cddb::TServerType::HTTP;
}

void TMyFreeDBInterfaceForm::ApplyFields() {
  const CDLookup::Settings settings = FieldsAsSettings();
  CDLookup::Save(settings);
  CDLookup::ApplyTo(settings, *freedb, settings.ServerType);
}

void TMyFreeDBInterfaceForm::ComboBox1Change() {
  if (ComboBox1->currentIndex() < 0) ComboBox1->setCurrentText(Http);
  const bool cddbp = ChosenServerType() == Cddb::TServerType::CDDBP;
  Edit2->setEnabled(cddbp);
  Edit3->setEnabled(!cddbp);
  Edit5->setEnabled(!cddbp);
}

void TMyFreeDBInterfaceForm::ComboBox2Select(int index) {
  if (index < 0 || index >= siteIndexes_.size()) return;
  Cddb::TServer site;
  freedb->GetServer(siteIndexes_[index], site);
  const bool cddbp = site.Type == Cddb::TServerType::CDDBP;
  ComboBox2->setEditText(site.SiteHost);
  ComboBox1->setCurrentText(cddbp ? Cddbp : Http);
  ComboBox1Change();
  if (cddbp) {
    Edit2->setText(QString::number(site.Port));
  } else {
    if (!site.SitePath.isEmpty() && site.SitePath != QLatin1String("-")) Edit3->setText(site.SitePath);
    Edit5->setText(QString::number(site.Port));
  }
  Edit1->setText(site.Location.Description);
}

int TMyFreeDBInterfaceForm::RunExchange(const std::function<int()>& exchange) {
  return waitIndicator_->Run(*freedb, {Edit4, Edit3, Edit5, Edit2, ComboBox2, ComboBox1, Button3, Button1}, exchange);
}

bool TMyFreeDBInterfaceForm::StartCddbpSession() {
  if (freedb->ProtocolState >= 0) freedb->Quit();
  freedb->Hello();
  return freedb->LoggedIn;
}

void TMyFreeDBInterfaceForm::Button1Click() {
  FreeDBInterface::UnitState& state = FreeDBInterface::State();
  // The disc is read again: it may have left the drive since it was looked up.
  if (state.DiscReadStatus != 1 || !FreeDBInterface::ReReadDisc()) {
    ShowStatus(QStringLiteral("No CD in CD/DVD drive!"));
    return;
  }
  ApplyFields();
  state.HttpSearchPending = true;
  matchAnswered_ = false;
  const bool cddbp = freedb->ServerType == Cddb::TServerType::CDDBP;
  const int result = RunExchange([this, cddbp] {
    if (cddbp) return StartCddbpSession() ? freedb->Query() : -1;
    return freedb->HttpQuery();
  });
  state.HttpSearchPending = false;
  if (freedb->Cancelled()) return;
  if (result == -1 || !matchAnswered_) {
    Tell(QStringLiteral("Error: Querying CD Info at freedb Servers Failed"));
    reject();
    return;
  }
  // The match chooser comes up once the component has returned.
  QMetaObject::invokeMethod(this, &TMyFreeDBInterfaceForm::WMRead, Qt::QueuedConnection);
}

void TMyFreeDBInterfaceForm::FreedbMatch(const Cddb::TMatchArray& matches, int& rightOne) {
  FreeDBInterface::UnitState& state = FreeDBInterface::State();
  state.MatchList.clear();
  for (const QString& match : matches) {
    if (match.isEmpty()) break;
    state.MatchList.append(match);
  }
  rightOne = 0;
  if (state.HttpSearchPending) {
    matchAnswered_ = true;
    state.HttpSearchPending = false;
  }
}

void TMyFreeDBInterfaceForm::WMRead() {
  switch (freedb->ProtocolState) {
    case 3:
    case 4: {
      ShowStatus(QStringLiteral("Match(es) found at freedb Servers"));
      if (freedbMatchesDialogForm == nullptr || freedbMatchesDialogForm->ShowModal() != QDialog::Accepted) return;
      ReadChosenMatch();
      return;
    }
    case 5: {
      const auto answer = PlatformUi::MessageBoxes().Show(
          QStringLiteral("No Match(es) found at freedb Servers, Sumbit New?"), QStringLiteral("Confirm"),
          QMessageBox::Question, QMessageBox::Yes | QMessageBox::No);
      if (answer == QMessageBox::Yes && SubmitTofreedbForm != nullptr &&
          SubmitTofreedbForm->ShowModal() == QDialog::Accepted) {
        // What the user saved or submitted names the disc's tracks now.
        FreeDBInterface::State().CDInfoFound = true;
      }
      reject();
      return;
    }
    default: Tell(QStringLiteral("Error While retrieving Matches"));
  }
}

void TMyFreeDBInterfaceForm::ReadChosenMatch() {
  const FreeDBInterface::UnitState& state = FreeDBInterface::State();
  const QStringList words = state.MatchList.value(state.ChosenMatchIndex).split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.size() < 2) return;
  Cddb::TCDInfo& info = freedb->GetCDInfo();
  info.CDCategory = words[0];
  info.CDDiscId = words[1];
  const bool cddbp = freedb->ServerType == Cddb::TServerType::CDDBP;
  const int result = RunExchange([this, cddbp] {
    // The server may have closed the session while the user was choosing.
    if (cddbp && !freedb->LoggedIn && !StartCddbpSession()) return -1;
    return cddbp ? freedb->Read() : freedb->HttpRead();
  });
  if (freedb->Cancelled()) return;
  // Only a complete entry counts: a read the server refused leaves no information.
  if (result != 0 || freedb->ProtocolState != 12) {
    Tell(QStringLiteral("Error While retrieving Matches"));
    reject();
    return;
  }
  // A disc that left the drive meanwhile has no table of contents to file the entry under.
  if (!FreeDBInterface::ReReadDisc()) {
    ShowStatus(QStringLiteral("No CD in CD/DVD drive!"));
    reject();
    return;
  }
  FreeDBInterface::State().CDInfoFound = true;
  freedb->SaveLocal();
  accept();
}

void TMyFreeDBInterfaceForm::Button3Click() {
  ApplyFields();
  const bool cddbp = freedb->ServerType == Cddb::TServerType::CDDBP;
  RunExchange([this, cddbp] {
    if (!cddbp) return freedb->HttpGetSites();
    return StartCddbpSession() ? freedb->GetSites() : -1;
  });
  const QString address = ComboBox2->currentText();
  ComboBox2->clear();
  siteIndexes_.clear();
  for (int index = 0; index < Cddb::MaxSites; ++index) {
    Cddb::TServer site;
    freedb->GetServer(index, site);
    if (site.SiteHost.isEmpty()) break;
    // A host may serve both protocols; the CDDBP entry says so.
    const bool cddbp = site.Type == Cddb::TServerType::CDDBP;
    ComboBox2->addItem(cddbp ? site.SiteHost + QStringLiteral(" (cddbp)") : site.SiteHost);
    siteIndexes_.append(index);
  }
  ComboBox2->setEditText(address);
}

void TMyFreeDBInterfaceForm::reject() {
  if (waitIndicator_->Waiting()) {
    freedb->Cancel();
    return;
  }
  QDialog::reject();
}
