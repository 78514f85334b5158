#pragma once
#include <QString>
#include <QStringList>

#include "cddb/TCddb.h"
#include "support/TestEnvironment.h"

namespace TestCddb {

// The disc of three tracks at 0:02:00, 3:45:12 and 7:10:50 with the
// lead-out at 10:03:40 (disc id 12025903).
inline CDTOCRecord SampleToc() {
  CDTOCRecord toc;
  toc.TrackCount = 3;
  toc.Tracks[0] = {0, 2, 0, 0, -1};
  toc.Tracks[1] = {3, 45, 12, 0, -1};
  toc.Tracks[2] = {7, 10, 50, 0, -1};
  toc.LeadOut = {10, 3, 40, 0, 0};
  return toc;
}

// A client set up as the lookup window sets it up, with its texts recorded.
struct RecordedClient {
  RecordedClient() {
    cddb.LocalCDDBPath = TestSupport::ProgramFolder() + "LocalCDDatabase/LocalCDDB.dll";
    cddb.ClientName = "tivrel";
    cddb.ClientVersion = "1.1";
    cddb.EmailUser = "someone@example.org";
    cddb.NetworkTimeoutMs = 5000;
    cddb.GetCDInfo().CDTOC = SampleToc();
    cddb.OnStatusMessage = [this](Cddb::TCddb*, const QString& text) { statuses.append(text); };
    cddb.OnDataExchange = [this](Cddb::TCddb*, const QString& text) { exchanged.append(text); };
  }
  Cddb::TCddb cddb;
  QStringList statuses;
  QStringList exchanged;
};

}  // namespace TestCddb
