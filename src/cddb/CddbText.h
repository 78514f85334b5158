#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Text helpers of the CDDB client.
namespace Cddb {

// No sane reply line or body comes near these; larger ones are dropped.
inline constexpr qsizetype MaxReplyLineBytes = 4096;
inline constexpr qsizetype MaxReplyBodyBytes = 1024 * 1024;
inline constexpr const char* LineTooLongText = "Reply line too long, dropped";
inline constexpr const char* BodyTooLargeText = "Reply too large, dropped";
inline constexpr const char* CancelledText = "Cancelled";

// "user@host" gives "user host" (the last "@" decides); no "@" gives "".
QString EmailToHello(const QString& email);

// A space becomes "+", digits and ASCII letters stay, every other byte of the
// UTF-8 text becomes "%" and two upper-case hexadecimal digits.
QString UrlEncode(const QString& text);

// Server text is UTF-8; text that is not valid UTF-8 is taken as Latin-1.
QString DecodeReplyText(const QByteArray& bytes);

// The text with control characters (line ends among them) removed, so a
// user's value can never end a command line or header early.
QString SingleLine(const QString& text);

// The three-digit code at the start of a line, or -1.
int ReplyCode(const QString& line);

// Splits received bytes into lines (CR, LF or CR LF end a line; a last line
// without an end counts) and holds back an unfinished line until its end
// arrives. A line longer than MaxReplyLineBytes is dropped whole.
class ReplyLineBuffer {
 public:
  // Adds bytes; gives the complete lines now available. overlong is set when
  // a line was dropped.
  QList<QByteArray> Append(const QByteArray& bytes, bool& overlong);
  // The unfinished last line, if any, as a line of its own.
  std::optional<QByteArray> Flush();
  void Clear();

 private:
  QByteArray pending_;
  bool discarding_ = false;
  bool lastWasCarriageReturn_ = false;
};

}  // namespace Cddb
