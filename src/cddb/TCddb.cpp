#include "TCddb.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QTcpSocket>

#include "cddb/CddbText.h"
#include "cddb/DiscId.h"
#include "platform/cdaccess/CdAccess.h"

namespace Cddb {

namespace {
constexpr int MaxNoteToUserLength = 70;
constexpr int MaxDrives = 255;
// Images and devices asked for by name are remembered, the oldest forgotten first.
constexpr int MaxNamedDrives = 32;
}  // namespace

TCddb::TCddb(QObject* parent)
    : QObject(parent),
      socket_(new QTcpSocket(this)),
      http_(new QNetworkAccessManager(this)),
      lineBuffer_(std::make_unique<ReplyLineBuffer>()) {
  connect(socket_, &QTcpSocket::readyRead, this, &TCddb::SocketReadyRead);
  connect(socket_, &QTcpSocket::connected, this, &TCddb::SocketConnected);
  connect(socket_, &QTcpSocket::disconnected, this, &TCddb::SocketDisconnected);
  // A connection that could not be made ends the wait for it at once.
  connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
    if (socket_->state() == QAbstractSocket::UnconnectedState && waitLoop_ != nullptr) waitLoop_->quit();
  });
  InternalTOCRetrieve = CdAccess::Available();
  if (!InternalTOCRetrieve) return;
  const QStringList drives = DriveNames();
  CDDriveList.DriveCount = static_cast<uint8_t>(drives.size());
  CDDriveList.DriveNames = drives;
  if (!drives.isEmpty()) {
    CdAccess::ReadToc(drives.first(), cdInfo_.CDTOC);
    CDDriveList.CurrentDrive = 0;
  }
}

TCddb::~TCddb() {
  if (waitLoop_ != nullptr) waitLoop_->quit();
  socket_->disconnect(this);
}

void TCddb::RunWaitLoop(QEventLoop& loop) {
  if (cancelled_) return;
  QEventLoop* outer = std::exchange(waitLoop_, &loop);
  loop.exec(UserInputWhileWaiting ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
  waitLoop_ = outer;
}

void TCddb::Cancel() {
  cancelled_ = true;
  if (waitLoop_ != nullptr) waitLoop_->quit();
}

void TCddb::SetNoteToUser(const QString& note) { noteToUser_ = note.left(MaxNoteToUserLength); }

void TCddb::Status(const QString& text) {
  if (OnStatusMessage) OnStatusMessage(this, text);
}

void TCddb::DataExchange(const QString& text) {
  if (OnDataExchange) OnDataExchange(this, text);
}

void TCddb::GetServer(int index, TServer& server) const {
  if (index >= 0 && index < MaxSites) server = Sites[static_cast<size_t>(index)];
}

QString TCddb::DiscIdUpper() const { return DiscIdText(CalcDiscId(cdInfo_.CDTOC), true); }

// The hardware drives, then the images and devices looked up by name that
// are still there.
QStringList TCddb::DriveNames() const {
  QStringList names = CdAccess::EnumerateDrives();
  for (const QString& name : extraDriveNames_) {
    if (!names.contains(name) && QFileInfo::exists(name)) names.append(name);
  }
  return names.mid(0, MaxDrives);
}

bool TCddb::ReadTOC(int driveIndex) {
  if (!InternalTOCRetrieve) {
    Status(QStringLiteral("ASPI not installed!"));
    return false;
  }
  const QStringList drives = DriveNames();
  CDDriveList.DriveNames = drives;
  CDDriveList.DriveCount = static_cast<uint8_t>(drives.size());
  if (driveIndex < 0 || driveIndex >= drives.size()) return false;
  const CdAccess::TocStatus status = CdAccess::ReadToc(drives[driveIndex], cdInfo_.CDTOC);
  if (status == CdAccess::TocStatus::NoInterface) {
    Status(QLatin1String(CdAccess::NoUsableInterfaceText));
    return false;
  }
  if (status == CdAccess::TocStatus::NoDisc) Status(QStringLiteral("No CD in CD/DVD drive!"));
  cdInfo_.CDDiscId = DiscIdText(CalcDiscId(cdInfo_.CDTOC), false);
  CDDriveList.CurrentDrive = static_cast<uint8_t>(driveIndex);
  return status == CdAccess::TocStatus::Ok;
}

bool TCddb::ReadTOCByLetter(const QString& driveName) {
  QStringList drives = DriveNames();
  qsizetype index = drives.indexOf(driveName);
  // A disc image or a device not listed by the system becomes a drive of its
  // own once it is asked for by name.
  if (index < 0 && !driveName.isEmpty() && QFileInfo::exists(driveName)) {
    extraDriveNames_.removeIf([](const QString& name) { return !QFileInfo::exists(name); });
    if (extraDriveNames_.size() >= MaxNamedDrives) extraDriveNames_.removeFirst();
    extraDriveNames_.append(driveName);
    drives = DriveNames();
    index = drives.indexOf(driveName);
  }
  return ReadTOC(index < 0 ? static_cast<int>(drives.size()) : static_cast<int>(index));
}

bool TCddb::ReadCurrentTOC() { return ReadTOC(CDDriveList.CurrentDrive); }

void TCddb::InterpretReply(const QString& line) {
  const int code = ReplyCode(line);
  QString text;
  switch (code) {
    case 402: text = QStringLiteral("Server error"); break;
    case 408: text = QStringLiteral("CGI environment error"); break;
    case 500: text = QStringLiteral("Command syntax error, command unknown, command unimplemented"); break;
    case 530:
      text = QStringLiteral("Server error, server timeout");
      ProtocolState = -1;
      LoggedIn = false;
      break;
    default: {
      if (code < 0) break;
      const int digit = code / 100;
      if (digit == 1) text = QStringLiteral("Informative message");
      else if (digit == 2) text = QStringLiteral("Command OK");
      else if (digit == 3) text = QStringLiteral("Command OK so far");
      const int remainder = code % 100;
      if (remainder == 0) text += QStringLiteral(", ready for further commands");
      else if (remainder == 10) text += QStringLiteral(", more server-to-client output follows");
      else if (remainder == 20) text += QStringLiteral(", more client-to-server input follows");
      else if (remainder == 30) {
        text += QStringLiteral(", connection will close");
        ProtocolState = -1;
        LoggedIn = false;
      }
    }
  }
  Status(text);
}

}  // namespace Cddb
