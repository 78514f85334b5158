// The HTTP side of the client: commands passed to the server's CGI script,
// submissions posted to its submit script. Each request waits, with the
// event loop running, for the whole body, at most NetworkTimeoutMs.
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include "cddb/CddbText.h"
#include "cddb/DiscId.h"
#include "cddb/TCddb.h"

namespace Cddb {

namespace {
// Level 6 serves entries in UTF-8; lower levels turn other scripts into "?".
const QString ProtocolLevel = QStringLiteral("&proto=6");
}  // namespace

bool TCddb::RefuseUnlessHttp() {
  if (ServerType == TServerType::HTTP) return false;
  Status(QStringLiteral("Selected server not an HTTP server"));
  return true;
}

QString TCddb::HelloParameter() const {
  return QStringLiteral("&hello=%1+%2+%3")
      .arg(UrlEncode(EmailToHello(EmailUser)), UrlEncode(ClientName), UrlEncode(ClientVersion));
}

std::optional<QByteArray> TCddb::HttpTransfer(const QNetworkRequest& request, const QByteArray* postBody) {
  if (cancelled_) return std::nullopt;
  std::unique_ptr<QNetworkReply, void (*)(QNetworkReply*)> reply(
      postBody != nullptr ? http_->post(request, *postBody) : http_->get(request),
      [](QNetworkReply* r) { r->deleteLater(); });
  QByteArray body;
  bool tooLarge = false;
  auto take = [&] {
    if (tooLarge || !reply->isOpen()) return;
    body += reply->readAll();
    if (body.size() <= MaxReplyBodyBytes) return;
    tooLarge = true;
    body.clear();
    reply->abort();
  };
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  connect(reply.get(), &QNetworkReply::readyRead, &loop, take);
  connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  connect(&deadline, &QTimer::timeout, &loop, [&reply] { reply->abort(); });
  deadline.start(NetworkTimeoutMs);
  if (!reply->isFinished()) RunWaitLoop(loop);
  if (!reply->isFinished()) reply->abort();
  take();
  if (tooLarge) Status(QLatin1String(BodyTooLargeText));
  if (tooLarge || reply->error() != QNetworkReply::NoError) return std::nullopt;
  return body;
}

int TCddb::HttpExchange(const QNetworkRequest& request, const QByteArray* postBody, LineHandler handler,
                        const QString& failureText) {
  const std::optional<QByteArray> body = HttpTransfer(request, postBody);
  if (!body) {
    Status(cancelled_ ? QLatin1String(CancelledText) : failureText);
    return -1;
  }
  ReplyLineBuffer splitter;
  bool overlong = false;
  QList<QByteArray> lines = splitter.Append(*body, overlong);
  if (const auto last = splitter.Flush()) lines.append(*last);
  if (overlong) Status(QLatin1String(LineTooLongText));
  for (const QByteArray& bytes : lines) {
    const QString line = DecodeReplyText(bytes);
    DataExchange(line);
    if (!line.trimmed().isEmpty()) (this->*handler)(line);
  }
  return 0;
}

int TCddb::HttpCommand(const QString& url, int newState, const QString& status, LineHandler handler) {
  // Reported as sent: letters, digits, "." and "~" need no escape and go
  // out unescaped.
  const QUrl requestUrl(url);
  Status(status);
  DataExchange(QString::fromLatin1(requestUrl.toEncoded()) + QLatin1String("\r\n"));
  ProtocolState = newState;
  return HttpExchange(QNetworkRequest(requestUrl), nullptr, handler,
                      QStringLiteral("CDDB Component Internal Error: THttpCli.Get failed"));
}

int TCddb::HttpQuery() {
  if (RefuseUnlessHttp()) return -1;
  const QString url = QStringLiteral("http://%1%2?cmd=%3%4%5")
                          .arg(ServerAddr, ServerAdditionalAddr, UrlEncode(BuildQueryCommand(cdInfo_.CDTOC)),
                               HelloParameter(), ProtocolLevel);
  return HttpCommand(url, 6, QStringLiteral("Querying CD"), &TCddb::HandleQueryLine);
}

int TCddb::HttpRead() {
  if (ProtocolState == 5) {
    Status(QStringLiteral("Can't perform a CDDB READ without a successful CDDB QUERY!"));
    return -1;
  }
  if (RefuseUnlessHttp()) return -1;
  // A category and id are plain words, which encoding leaves alone; anything
  // else a server sent cannot break out of the command.
  const QString url = QStringLiteral("http://%1%2?cmd=cddb+read+%3+%4%5%6")
                          .arg(ServerAddr, ServerAdditionalAddr, UrlEncode(cdInfo_.CDCategory.trimmed()),
                               UrlEncode(cdInfo_.CDDiscId.trimmed()), HelloParameter(), ProtocolLevel);
  const int result = HttpCommand(url, 11, QStringLiteral("Reading CD info"), &TCddb::HandleReadLine);
  // Only a complete entry replaces the disc information; one that cannot be
  // read leaves the read failed.
  if (result == 0 && ProtocolState == 12 && ParseEntry() != 0) ProtocolState = 13;
  return result;
}

int TCddb::HttpGetSites() {
  if (RefuseUnlessHttp()) return -1;
  const QString url =
      QStringLiteral("http://%1%2?cmd=sites%3%4").arg(ServerAddr, ServerAdditionalAddr, HelloParameter(), ProtocolLevel);
  return HttpCommand(url, 7, QStringLiteral("Getting sites"), &TCddb::HandleSitesLine);
}

void TCddb::HandleSubmitReplyLine(const QString& line) {
  if (SubmissionReply.isEmpty()) SubmissionReply = line.trimmed();
  switch (ReplyCode(line.trimmed())) {
    case 200:
      SubmissionAccepted = true;
      Status(QStringLiteral("OK, submission has been sent."));
      break;
    case 500: Status(QStringLiteral("Missing required header information.")); break;
    case 501: Status(QStringLiteral("Invalid header information.")); break;
    default: break;
  }
}

int TCddb::HttpSubmit() {
  SubmissionReply.clear();
  SubmissionAccepted = false;
  if (RefuseUnlessHttp()) return -1;
  QByteArray body;
  for (const QString& line : EntryLines) {
    if (line.trimmed().isEmpty()) break;
    body += line.toUtf8() + "\r\n";
  }
  const bool test = SubmissionType == TSubmissionType::TEST;
  const QString url = QStringLiteral("http://") + ServerAddr + QStringLiteral("/~cddb/submit.cgi");
  Status(test ? QStringLiteral("Test-submitting CD info") : QStringLiteral("Submitting CD info"));
  DataExchange(url + QLatin1String("\r\n"));
  ProtocolState = 14;

  QNetworkRequest request{QUrl(url)};
  request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/plain; charset=UTF-8"));
  request.setRawHeader("Category", SingleLine(cdInfo_.CDCategory.trimmed()).toUtf8());
  request.setRawHeader("Discid", DiscIdUpper().toLatin1());
  request.setRawHeader("User-Email", SingleLine(EmailUser).toUtf8());
  request.setRawHeader("Submit-Mode", test ? "test" : "submit");
  request.setRawHeader("X-Cddbd-Note", SingleLine(NoteToUser()).toUtf8());
  // The entry is written in UTF-8; without this the server takes it as Latin-1.
  request.setRawHeader("Charset", "UTF-8");
  return HttpExchange(request, &body, &TCddb::HandleSubmitReplyLine,
                      QStringLiteral("CDDB Component Internal Error: THttpCli.Post failed"));
}

}  // namespace Cddb
