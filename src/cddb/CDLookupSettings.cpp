#include "CDLookupSettings.h"

#include <QHash>

#include "cddb/TCddb.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"

namespace CDLookup {

namespace {

constexpr qint64 MaxFileBytes = 64 * 1024;

Settings Defaults() {
  Settings settings;
  settings.EmailUser = QLatin1String(Cddb::DefaultEmailUser);
  settings.ServerAddr = QLatin1String(Cddb::DefaultServerAddr);
  return settings;
}

bool IsPort(const QString& text) {
  bool ok = false;
  return text.toUShort(&ok) > 0 && ok;
}

}  // namespace

QString SettingsFilePath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".cddb")); }

Settings Load() {
  Settings settings = Defaults();
  const auto lines = PlatformUi::ReadTextLines(SettingsFilePath(), MaxFileBytes);
  if (!lines) return settings;
  QHash<QString, QString> values;
  for (const QString& line : *lines) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals > 0) values.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
  }
  const auto text = [&values](const char* name, QString& field) {
    const QString value = values.value(QLatin1String(name));
    if (!value.isEmpty()) field = value;
  };
  const auto port = [&values](const char* name, QString& field) {
    const QString value = values.value(QLatin1String(name));
    if (IsPort(value)) field = value;
  };
  text("Email", settings.EmailUser);
  text("Server", settings.ServerAddr);
  text("HttpPath", settings.HttpPath);
  port("CddbpPort", settings.CddbpPort);
  port("HttpPort", settings.HttpPort);
  if (values.value(QStringLiteral("Type")) == QLatin1String("cddbp")) settings.ServerType = Cddb::TServerType::CDDBP;
  if (values.value(QStringLiteral("SubmitMode")) == QLatin1String("submit")) {
    settings.SubmissionType = Cddb::TSubmissionType::SUBMIT;
  }
  return settings;
}

bool Save(const Settings& settings) {
  const bool cddbp = settings.ServerType == Cddb::TServerType::CDDBP;
  const bool submit = settings.SubmissionType == Cddb::TSubmissionType::SUBMIT;
  return PlatformUi::WriteTextLines(
      SettingsFilePath(),
      {QStringLiteral("Email=") + settings.EmailUser.trimmed(), QStringLiteral("Server=") + settings.ServerAddr.trimmed(),
       QStringLiteral("Type=") + (cddbp ? QStringLiteral("cddbp") : QStringLiteral("http")),
       QStringLiteral("CddbpPort=") + settings.CddbpPort.trimmed(),
       QStringLiteral("HttpPort=") + settings.HttpPort.trimmed(),
       QStringLiteral("HttpPath=") + settings.HttpPath.trimmed(),
       QStringLiteral("SubmitMode=") + (submit ? QStringLiteral("submit") : QStringLiteral("test"))});
}

void ApplyTo(const Settings& settings, Cddb::TCddb& cddb, Cddb::TServerType type) {
  const QString host = settings.ServerAddr.trimmed();
  cddb.EmailUser = settings.EmailUser.trimmed();
  cddb.SubmissionType = settings.SubmissionType;
  cddb.ServerType = type;
  if (type == Cddb::TServerType::CDDBP) {
    cddb.ServerAddr = host;
    cddb.ServerPort = settings.CddbpPort.trimmed();
    return;
  }
  const QString port = settings.HttpPort.trimmed();
  const bool defaultPort = port.isEmpty() || port == QLatin1String("80") || host.contains(QLatin1Char(':'));
  cddb.ServerAddr = defaultPort ? host : host + QLatin1Char(':') + port;
  cddb.ServerPort = port;
  cddb.ServerAdditionalAddr = settings.HttpPath.trimmed();
}

}  // namespace CDLookup
