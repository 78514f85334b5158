#pragma once
// What the user set up for CD lookups and submissions, kept between runs in
// its own file beside the player's settings ("solvane.cddb", one
// "Name=value" line each).
#include <QString>

#include "cddb/CddbTypes.h"

namespace Cddb {
class TCddb;
}

namespace CDLookup {

struct Settings {
  QString EmailUser;   // starts empty, which submissions refuse
  QString ServerAddr;  // host name of the CDDB server
  Cddb::TServerType ServerType = Cddb::TServerType::HTTP;
  QString CddbpPort = QStringLiteral("8880");
  QString HttpPort = QStringLiteral("80");
  QString HttpPath = QStringLiteral("/~cddb/cddb.cgi");
  Cddb::TSubmissionType SubmissionType = Cddb::TSubmissionType::TEST;
};

QString SettingsFilePath();

// The saved settings; defaults for a missing file and for any line that is
// missing or holds a value out of range.
Settings Load();
// Writes the settings atomically; false (and the old file kept) on failure.
bool Save(const Settings& settings);

// Points the component at the settings' server over the given protocol
// (submissions always go over HTTP) and sets the sender and submission mode.
// An HTTP port other than 80 becomes part of the server address, which is
// where the HTTP requests take it from.
void ApplyTo(const Settings& settings, Cddb::TCddb& cddb, Cddb::TServerType type);

}  // namespace CDLookup
