#pragma once
// The process's resident size, for the benchmarks that watch memory.
#include <QByteArray>
#include <QFile>
#include <QList>

inline long ResidentKiB() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() > 1 ? fields[1].toLong() * 4 : 0;  // pages of 4 KiB
}
