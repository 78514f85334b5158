#include "TMyFreeDBInterfaceForm.h"

#include "app/VersionInfo.h"
#include "cddb/CDInformation.h"
#include "cddb/TCddb.h"
#include "platform/ui/ProgramFolder.h"

TMyFreeDBInterfaceForm::TMyFreeDBInterfaceForm(QWidget* parent)
    : QWidget(parent), freedb(new Cddb::TCddb(this)) {
  FormCreate();
}

TMyFreeDBInterfaceForm::~TMyFreeDBInterfaceForm() { FreeDBInterface::RemovePlayListHooks(); }

// Configures the component once, as the window's fields show it: HTTP to the
// default server, the local database in the player's data folder.
void TMyFreeDBInterfaceForm::FormCreate() {
  FreeDBInterface::State().HttpSearchPending = false;
  FreeDBInterface::State().CDInfoFound = false;
  freedb->LocalCDDBPath = PlatformUi::LocalCDDatabaseFolder() + QStringLiteral("LocalCDDB.dll");
  freedb->ServerAddr = QLatin1String(Cddb::DefaultServerAddr);
  freedb->ClientComments = QLatin1String(VersionInfo::ProductNotice);
  freedb->ClientName = QLatin1String(VersionInfo::ShortClientName);
  freedb->ClientVersion = QLatin1String(VersionInfo::Version);
  freedb->EmailUser = QLatin1String(Cddb::DefaultEmailUser);
  freedb->SetNoteToUser(QStringLiteral("Submitted using %1 v%2")
                            .arg(QLatin1String(VersionInfo::ProductName), QLatin1String(VersionInfo::Version)));
  freedb->SubmissionType = Cddb::TSubmissionType::TEST;
  freedb->ServerType = Cddb::TServerType::HTTP;
  freedb->ServerPort = QStringLiteral("80");
  freedb->ServerAdditionalAddr = QStringLiteral("/~cddb/cddb.cgi");
  FreeDBInterface::InstallPlayListHooks();
}
