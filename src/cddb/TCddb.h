#pragma once
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "cddb/CddbTypes.h"

class QEventLoop;
class QNetworkAccessManager;
class QNetworkRequest;
class QTcpSocket;

namespace Cddb {

class ReplyLineBuffer;
class TLocalCDDB;

// The server the lookup window starts with. There is no default e-mail
// address: gnudb.org, the live server of the protocol, refuses clients whose
// users cannot set a real one, so the user enters their own.
inline constexpr const char* DefaultServerAddr = "gnudb.gnudb.org";
inline constexpr const char* DefaultEmailUser = "";
inline constexpr const char* DefaultNoteToUser = "Submitted using Solvane Audio Player v1.1";
inline constexpr int DefaultNetworkTimeoutMs = 15000;

class TCddb;
using TStatusEvent = std::function<void(TCddb* sender, const QString& status)>;
using TMatchEvent = std::function<void(TCddb* sender, const TMatchArray& matches, int& rightOne)>;

// Client of CDDB servers over CDDBP (line-mode TCP) and HTTP; identifies the
// disc in a drive and reaches the local CD database. Every operation runs on
// the user-interface thread and returns when its reply is complete, keeping
// the event loop (without user input) running meanwhile; no wait lasts longer
// than NetworkTimeoutMs.
class TCddb : public QObject {
  Q_OBJECT
 public:
  explicit TCddb(QObject* parent = nullptr);
  ~TCddb() override;

  // Published properties.
  bool InternalTOCRetrieve = false;
  QString LocalCDDBPath = QStringLiteral("LocalCDDB.dll");
  const QString& NoteToUser() const { return noteToUser_; }
  void SetNoteToUser(const QString& note);  // keeps at most 70 characters
  TStatusEvent OnStatusMessage;
  TStatusEvent OnDataExchange;
  TMatchEvent OnMatch;
  QString EmailUser = QLatin1String(DefaultEmailUser);
  QString EmailSubmit;
  QString ServerAddr = QLatin1String(DefaultServerAddr);
  QString ServerAdditionalAddr = QStringLiteral("/~cddb/cddb.cgi");
  QString ServerPort = QStringLiteral("8880");
  TServerType ServerType = TServerType::CDDBP;
  QString ServerLatitude;
  QString ServerLongitude;
  QString ServerDescription;
  TSubmissionType SubmissionType = TSubmissionType::TEST;
  QString ClientName;
  QString ClientVersion;
  QString ClientComments;
  // Longest wait for a connection or a complete reply.
  int NetworkTimeoutMs = DefaultNetworkTimeoutMs;
  // While a reply is awaited the event loop runs; with this set it also
  // delivers the user's input, so a modal window can offer to cancel the wait.
  bool UserInputWhileWaiting = false;
  // The first line of the server's answer to the last HttpSubmit, and
  // whether it accepted the entry (reply code 200).
  QString SubmissionReply;
  bool SubmissionAccepted = false;

  // Protocol state and results.
  int32_t ProtocolState = -1;
  bool LoggedIn = false;
  TMatchArray Matches;
  TEntryArray EntryLines;
  TServerArray Sites;
  TCDDriveList CDDriveList;
  // Category and disc id pairs of the last FindLocalMatches.
  std::array<std::pair<QString, QString>, MaxMatches> LocalMatches;

  // CDDBP.
  void Connect();
  int Hello();
  int GetSites();
  int Query();
  int Read();
  int Quit();
  // HTTP.
  int HttpQuery();
  int HttpRead();
  int HttpGetSites();
  int HttpSubmit();
  // The drive and its disc.
  bool ReadTOC(int driveIndex);
  bool ReadTOCByLetter(const QString& driveName);
  bool ReadCurrentTOC();
  // The local CD database.
  int ParseEntry();
  int CreateEntry();
  int SaveLocal();
  int LoadLocal();
  int FindLocalMatches();

  // Ends the awaited reply at once; every exchange fails as cancelled until
  // ClearCancel.
  void Cancel();
  void ClearCancel() { cancelled_ = false; }
  bool Cancelled() const { return cancelled_; }

  void GetServer(int index, TServer& server) const;
  TCDInfo& GetCDInfo() { return cdInfo_; }
  void InterpretReply(const QString& line);

 private:
  // Reporting.
  void Status(const QString& text);
  void DataExchange(const QString& text);
  void SocketDisconnected();

  // Lines of a reply, by state.
  void HandleLine(const QString& line);
  void HandleBanner(const QString& line);
  void HandleHelloReply(const QString& line);
  void HandleSitesLine(const QString& line);
  void AddSite(const QString& line);
  void HandleQueryLine(const QString& line);
  void HandleMatchListEnd();
  void HandleReadLine(const QString& line);
  int AskForMatch();

  // CDDBP transport.
  bool Send(const QString& line);
  bool RefuseUnlessLoggedIn();
  void AskForProtocolLevel6();
  int SendCommand(const QString& line, int newState, const QStringList& statuses);
  void DropConnection();
  bool WaitForReply();
  // Runs the loop until it is quit: the reply, the deadline or a cancel.
  void RunWaitLoop(QEventLoop& loop);
  void SocketConnected();
  void SocketReadyRead();

  // HTTP transport.
  bool RefuseUnlessHttp();
  QString HelloParameter() const;
  using LineHandler = void (TCddb::*)(const QString&);
  std::optional<QByteArray> HttpTransfer(const QNetworkRequest& request, const QByteArray* postBody);
  int HttpExchange(const QNetworkRequest& request, const QByteArray* postBody, LineHandler handler,
                   const QString& failureText);
  int HttpCommand(const QString& url, int newState, const QString& status, LineHandler handler);
  void HandleSubmitReplyLine(const QString& line);

  std::unique_ptr<TLocalCDDB> OpenLocalDatabase();
  void ReportLocalResult(int result, const std::array<const char*, 4>& failureTexts);
  QString DiscIdUpper() const;
  QStringList DriveNames() const;

  QString noteToUser_ = QLatin1String(DefaultNoteToUser);
  TCDInfo cdInfo_;
  QStringList extraDriveNames_;  // images and devices looked up by name
  QTcpSocket* socket_ = nullptr;
  QNetworkAccessManager* http_ = nullptr;
  std::unique_ptr<ReplyLineBuffer> lineBuffer_;
  QEventLoop* waitLoop_ = nullptr;
  bool replyComplete_ = false;  // the line that ends the awaited reply has arrived
  bool awaitingProtocolLevel_ = false;
  bool cancelled_ = false;
};

}  // namespace Cddb
