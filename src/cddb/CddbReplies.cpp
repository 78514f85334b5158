// How the client reads the lines of a server's replies, by protocol state.
#include "cddb/CddbText.h"
#include "cddb/TCddb.h"

namespace Cddb {

namespace {

QString FirstWord(const QString& text) { return text.section(QLatin1Char(' '), 0, 0).trimmed(); }

// Takes the next word up to a space off the front of rest.
QString TakeWord(QString& rest) {
  rest = rest.trimmed();
  const qsizetype space = rest.indexOf(QLatin1Char(' '));
  const QString word = space < 0 ? rest : rest.left(space);
  rest = space < 0 ? QString() : rest.mid(space + 1);
  return word.trimmed();
}

QString WithoutLeadingBlanks(const QString& text) {
  qsizetype start = 0;
  while (start < text.size() && text[start].isSpace()) ++start;
  return text.mid(start);
}

}  // namespace

void TCddb::HandleLine(const QString& line) {
  const QString trimmed = line.trimmed();
  DataExchange(trimmed);
  if (trimmed.isEmpty()) return;
  if (awaitingProtocolLevel_) {
    replyComplete_ = true;
    return;
  }
  switch (ProtocolState) {
    case 0: HandleBanner(line); break;
    case 1: HandleHelloReply(line); break;
    case 6: HandleQueryLine(line); break;
    case 7: HandleSitesLine(line); break;
    case 11: HandleReadLine(line); break;
    case 15:
      Status(QStringLiteral("Connection closed"));
      ProtocolState = -1;
      LoggedIn = false;
      replyComplete_ = true;
      break;
    default: break;
  }
}

void TCddb::HandleBanner(const QString& line) {
  replyComplete_ = true;
  LoggedIn = false;
  switch (ReplyCode(line.trimmed())) {
    case 200: Status(QStringLiteral("OK, read/write allowed")); break;
    case 201: Status(QStringLiteral("OK, read only")); break;
    case 432:
      ProtocolState = -1;
      Status(QStringLiteral("No connections allowed: permission denied"));
      break;
    case 433:
      ProtocolState = -1;
      Status(QStringLiteral("No connections allowed: X users allowed, Y currently active"));
      break;
    case 434:
      ProtocolState = -1;
      Status(QStringLiteral("No connections allowed: system load too high"));
      break;
    default: InterpretReply(line.trimmed());
  }
}

void TCddb::HandleHelloReply(const QString& line) {
  replyComplete_ = true;
  switch (ReplyCode(line.trimmed())) {
    case 200:
      ProtocolState = 2;
      LoggedIn = true;
      Status(QStringLiteral("Handshake successful"));
      break;
    case 402:
      ProtocolState = 2;
      LoggedIn = true;
      Status(QStringLiteral("Already shook hands"));
      break;
    case 431:
      ProtocolState = -1;
      LoggedIn = false;
      Status(QStringLiteral("Handshake not successful, closing connection"));
      break;
    default: InterpretReply(line.trimmed());
  }
}

void TCddb::HandleSitesLine(const QString& line) {
  const QString trimmed = line.trimmed();
  const int code = ReplyCode(trimmed);
  if (trimmed.startsWith(QLatin1Char('.'))) {
    ProtocolState = 8;
    replyComplete_ = true;
    Status(QStringLiteral("Got sites"));
  } else if (code == 210) {
    Status(QStringLiteral("OK, receiving sites"));
    Sites.fill(TServer{});
  } else if (code == 401) {
    replyComplete_ = true;
    Status(QStringLiteral("No site information available"));
  } else if (code >= 400 && code < 600 && trimmed.size() > 3 && trimmed[3] == ' ') {
    // An error reply ends the exchange; it is no server to list.
    replyComplete_ = true;
    InterpretReply(trimmed);
  } else {
    AddSite(trimmed);
  }
}

void TCddb::AddSite(const QString& line) {
  auto site = std::find_if(Sites.begin(), Sites.end(), [](const TServer& s) { return s.SiteHost.isEmpty(); });
  if (site == Sites.end()) return;
  QString rest = line;
  site->SiteHost = TakeWord(rest);
  const QString protocol = TakeWord(rest).toLower();
  if (protocol == QLatin1String("cddbp")) site->Type = TServerType::CDDBP;
  else if (protocol == QLatin1String("http")) site->Type = TServerType::HTTP;
  site->Port = TakeWord(rest).toInt();
  site->SitePath = TakeWord(rest);
  site->Location.Latitude = TakeWord(rest);
  site->Location.Longitude = TakeWord(rest);
  site->Location.Description = rest.trimmed();
}

int TCddb::AskForMatch() {
  int rightOne = 0;
  if (OnMatch) OnMatch(this, Matches, rightOne);
  return rightOne;
}

void TCddb::HandleQueryLine(const QString& line) {
  const QString trimmed = line.trimmed();
  const int code = ReplyCode(trimmed);
  if (trimmed.startsWith(QLatin1Char('.'))) {
    replyComplete_ = true;
    HandleMatchListEnd();
    return;
  }
  switch (code) {
    case 200: {
      replyComplete_ = true;
      ProtocolState = 3;
      Status(QStringLiteral("Found exact match"));
      Matches.fill(QString());
      Matches[0] = trimmed.mid(4).trimmed();
      if (AskForMatch() != -1) {
        cdInfo_.CDCategory = FirstWord(Matches[0]);
        cdInfo_.CDDiscId = DiscIdUpper();
      }
      return;
    }
    case 202:
      replyComplete_ = true;
      ProtocolState = 5;
      Status(QStringLiteral("No match found"));
      Matches.fill(QString());
      AskForMatch();
      return;
    case 210:
    case 211:
      Status(code == 210 ? QStringLiteral("Found exact matches") : QStringLiteral("Found inexact matches"));
      Matches.fill(QString());
      Status(QStringLiteral("OK, receiving matches"));
      return;
    case 403:
      replyComplete_ = true;
      ProtocolState = 5;
      Status(QStringLiteral("Database entry is corrupt"));
      return;
    case 409:
      replyComplete_ = true;
      ProtocolState = 5;
      LoggedIn = false;
      Status(QStringLiteral("No handshake"));
      return;
    default: break;
  }
  if (trimmed[0].isDigit()) {
    replyComplete_ = true;
    InterpretReply(trimmed);
    return;
  }
  auto free = std::find_if(Matches.begin(), Matches.end(), [](const QString& m) { return m.isEmpty(); });
  if (free != Matches.end()) *free = trimmed;
}

void TCddb::HandleMatchListEnd() {
  ProtocolState = 4;
  Status(QStringLiteral("Received matches"));
  const int rightOne = AskForMatch();
  // A choice outside the list, or of an empty line, is no usable match.
  if (rightOne < 0 || rightOne >= MaxMatches || Matches[static_cast<size_t>(rightOne)].isEmpty()) {
    ProtocolState = 5;
    return;
  }
  const QString& chosen = Matches[static_cast<size_t>(rightOne)];
  const qsizetype space = chosen.indexOf(QLatin1Char(' '));
  cdInfo_.CDCategory = chosen.left(space + 1);
  cdInfo_.CDDiscId = chosen.mid(space + 1, 8);
}

void TCddb::HandleReadLine(const QString& line) {
  const QString trimmed = line.trimmed();
  const int code = ReplyCode(trimmed);
  auto fail = [this](const QString& status) {
    ProtocolState = 13;
    replyComplete_ = true;
    Status(status);
  };
  if (code == 210) {
    Status(QStringLiteral("OK, CDDB database entry follows"));
    EntryLines.fill(QString());
  } else if (code == 401) {
    fail(QStringLiteral("Specified CDDB entry not found"));
  } else if (code == 402) {
    fail(QStringLiteral("Server error"));
  } else if (code == 403) {
    fail(QStringLiteral("Database entry is corrupt"));
  } else if (code == 409) {
    LoggedIn = false;
    fail(QStringLiteral("No handshake"));
  } else if (trimmed.startsWith(QLatin1Char('.'))) {
    ProtocolState = 12;
    replyComplete_ = true;
    Status(QStringLiteral("Entry read"));
  } else if (QStringLiteral("#TDEP").contains(trimmed[0])) {
    // Trailing blanks stay: a value continued on the next line may break at a blank.
    auto free = std::find_if(EntryLines.begin(), EntryLines.end(), [](const QString& l) { return l.isEmpty(); });
    if (free != EntryLines.end()) *free = WithoutLeadingBlanks(line);
  } else {
    ProtocolState = 13;
    replyComplete_ = true;
    InterpretReply(trimmed);
  }
}

}  // namespace Cddb
