#include "TextFile.h"

#include <QFile>
#include <QSaveFile>

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
  const QByteArray bytes = file.read(maxBytes + 1);
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
