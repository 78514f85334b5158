#include "MprisService.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include "app/MprisAdaptors.h"

namespace {

const char* const kObjectPath = "/org/mpris/MediaPlayer2";
const char* const kBusName = "org.mpris.MediaPlayer2.solvane";
const char* const kPlayerInterface = "org.mpris.MediaPlayer2.Player";
constexpr int kPollMs = 250;

}  // namespace

MprisService::MprisService(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
  new MprisRootAdaptor(this);
  new MprisPlayerAdaptor(this, [this] { PublishChanges(); });
  poll_.setInterval(kPollMs);
  connect(&poll_, &QTimer::timeout, this, &MprisService::PublishChanges);
}

MprisService::~MprisService() {
  if (busName_.isEmpty()) return;
  bus_.unregisterObject(QLatin1String(kObjectPath));
  bus_.unregisterService(busName_);
}

bool MprisService::Register() {
  if (!bus_.isConnected()) return false;
  if (!bus_.registerObject(QLatin1String(kObjectPath), this)) return false;
  const QString instanceName =
      QStringLiteral("%1.instance%2").arg(QLatin1String(kBusName)).arg(QCoreApplication::applicationPid());
  for (const QString& name : {QString::fromLatin1(kBusName), instanceName}) {
    if (bus_.registerService(name)) {
      busName_ = name;
      break;
    }
  }
  if (busName_.isEmpty()) {
    bus_.unregisterObject(QLatin1String(kObjectPath));
    return false;
  }
  published_ = CurrentMprisPlayerState();
  poll_.start();
  return true;
}

void MprisService::PublishChanges() {
  if (busName_.isEmpty()) return;
  const MprisPlayerState now = CurrentMprisPlayerState();
  const QVariantMap changed = now.ChangedSince(published_);
  published_ = now;
  if (changed.isEmpty()) return;
  QDBusMessage signal = QDBusMessage::createSignal(
      QLatin1String(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
      QStringLiteral("PropertiesChanged"));
  signal << QLatin1String(kPlayerInterface) << changed << QStringList();
  bus_.send(signal);
}

std::unique_ptr<MprisService> StartMprisOnSessionBus() {
  auto service = std::make_unique<MprisService>(QDBusConnection::sessionBus());
  if (!service->Register()) service.reset();
  return service;
}
