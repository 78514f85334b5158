#include "DiscId.h"

namespace Cddb {

int CddbDigitSum(int n) {
  int sum = 0;
  while (n > 0) {
    sum += n % 10;
    n /= 10;
  }
  return sum;
}

uint32_t CalcDiscId(const CDTOCRecord& toc) {
  const int count = qMin<int>(toc.TrackCount, MaxTocTracks);
  uint32_t n = 0;
  for (int i = 0; i < count; ++i) n += static_cast<uint32_t>(CddbDigitSum(EntrySeconds(toc.Tracks[i])));
  // A lead-out before track 1 only comes from a broken table; keep it from
  // spilling into the checksum byte.
  const uint32_t t =
      static_cast<uint32_t>(EntrySeconds(toc.LeadOut) - EntrySeconds(toc.Tracks[0])) & 0xFFFFu;
  return ((n % 255) << 24) | (t << 8) | static_cast<uint32_t>(count);
}

QString DiscIdText(uint32_t id, bool upperCase) {
  const QString text = QStringLiteral("%1").arg(id, 8, 16, QLatin1Char('0'));
  return upperCase ? text.toUpper() : text;
}

QString BuildQueryCommand(const CDTOCRecord& toc) {
  const int count = qMin<int>(toc.TrackCount, MaxTocTracks);
  QString command = QStringLiteral("cddb query %1 %2").arg(DiscIdText(CalcDiscId(toc), false)).arg(count);
  for (int i = 0; i < count; ++i) command += QStringLiteral(" %1").arg(EntryFrames(toc.Tracks[i]));
  command += QStringLiteral(" %1").arg(EntrySeconds(toc.LeadOut));
  return command;
}

}  // namespace Cddb
