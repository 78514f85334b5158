#include "TextFile.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>

namespace PlatformUi {

QStringList SplitTextLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  const qsizetype size = text.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < size) lines.append(text.mid(start));
  return lines;
}

std::optional<QStringList> ReadTextLines(const QString& path, qint64 maxBytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  if (file.size() > maxBytes) return std::nullopt;
  // Read in pieces: one read of the limit would set aside the whole limit
  // (tens of megabytes) for a file of a few lines.
  constexpr qint64 kPieceBytes = 64 * 1024;
  QByteArray bytes;
  while (bytes.size() <= maxBytes) {
    const QByteArray piece = file.read(std::min(kPieceBytes, maxBytes + 1 - bytes.size()));
    if (piece.isEmpty()) break;
    bytes += piece;
  }
  if (bytes.size() > maxBytes) return std::nullopt;
  return SplitTextLines(QString::fromLocal8Bit(bytes));
}

bool WriteTextLines(const QString& path, const QStringList& lines) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly)) {
    QByteArray bytes;
    for (const QString& line : lines) {
      bytes += line.toLocal8Bit();
      bytes += "\r\n";
    }
    if (file.write(bytes) == bytes.size() && file.commit()) return true;
  }
  std::fprintf(stderr, "solvane: could not write %s: %s\n", qPrintable(path),
               qPrintable(file.errorString()));
  return false;
}

}  // namespace PlatformUi
