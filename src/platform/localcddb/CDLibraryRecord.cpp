#include "CDLibraryRecord.h"

#include <cstring>

namespace LocalCDDB {

QString RecordText(const TextBuffer& buffer) {
  const auto length = static_cast<qsizetype>(strnlen(buffer.data(), buffer.size()));
  return QString::fromUtf8(buffer.data(), length);
}

void SetRecordText(TextBuffer& buffer, const QString& text) {
  QByteArray bytes = text.toUtf8();
  qsizetype length = qMin<qsizetype>(bytes.size(), TextBufferSize - 1);
  // Never cut inside a UTF-8 sequence: back up over continuation bytes.
  if (length < bytes.size()) {
    while (length > 0 && (static_cast<uint8_t>(bytes[length]) & 0xC0) == 0x80) --length;
  }
  buffer.fill(0);
  std::memcpy(buffer.data(), bytes.constData(), static_cast<size_t>(length));
}

}  // namespace LocalCDDB
