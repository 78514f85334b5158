#include "CddbText.h"

#include <QStringDecoder>

namespace Cddb {

QString EmailToHello(const QString& email) {
  const qsizetype at = email.lastIndexOf(QLatin1Char('@'));
  if (at < 0) return QString();
  return email.left(at) + QLatin1Char(' ') + email.mid(at + 1);
}

QString UrlEncode(const QString& text) {
  static const char hex[] = "0123456789ABCDEF";
  QString out;
  for (const char byte : text.toUtf8()) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == ' ') out += QLatin1Char('+');
    else if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) out += QLatin1Char(byte);
    else {
      out += QLatin1Char('%');
      out += QLatin1Char(hex[c >> 4]);
      out += QLatin1Char(hex[c & 15]);
    }
  }
  return out;
}

QString DecodeReplyText(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8.decode(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QString SingleLine(const QString& text) {
  QString out;
  for (const QChar c : text) {
    if (c.unicode() >= 0x20 && c.unicode() != 0x7F) out += c;
  }
  return out;
}

int ReplyCode(const QString& line) {
  if (line.size() < 3) return -1;
  for (int i = 0; i < 3; ++i) {
    if (!line[i].isDigit() || line[i].unicode() > '9') return -1;
  }
  return line.left(3).toInt();
}

QList<QByteArray> ReplyLineBuffer::Append(const QByteArray& bytes, bool& overlong) {
  QList<QByteArray> lines;
  for (const char c : bytes) {
    const bool wasCarriageReturn = lastWasCarriageReturn_;
    lastWasCarriageReturn_ = c == '\r';
    if (c == '\n' && wasCarriageReturn) continue;  // the LF of a CR LF pair
    if (c == '\r' || c == '\n') {
      if (!discarding_) lines.append(pending_);
      pending_.clear();
      discarding_ = false;
      continue;
    }
    if (discarding_) continue;
    if (pending_.size() >= MaxReplyLineBytes) {
      pending_.clear();
      discarding_ = true;
      overlong = true;
      continue;
    }
    pending_.append(c);
  }
  return lines;
}

std::optional<QByteArray> ReplyLineBuffer::Flush() {
  std::optional<QByteArray> line;
  if (!discarding_ && !pending_.isEmpty()) line = pending_;
  Clear();
  return line;
}

void ReplyLineBuffer::Clear() {
  pending_.clear();
  discarding_ = false;
  lastWasCarriageReturn_ = false;
}

}  // namespace Cddb
