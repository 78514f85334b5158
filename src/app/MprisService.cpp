#include "MprisService.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

#include <cstdlib>

#include "app/MprisAdaptors.h"

namespace {

const char* const kObjectPath = "/org/mpris/MediaPlayer2";
const char* const kBusName = "org.mpris.MediaPlayer2.solvane";
const char* const kPlayerInterface = "org.mpris.MediaPlayer2.Player";
// The deck counts whole seconds, refreshed every 400 ms: a playing song's
// position may stray this far from the clock without having been moved.
constexpr qlonglong kPositionJumpUs = 2'500'000;

}  // namespace

MprisService::MprisService(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
  new MprisRootAdaptor(this);
  player_ = new MprisPlayerAdaptor(this, [this] { PublishChanges(); });
  connect(player_, &MprisPlayerAdaptor::Seeked, this, &MprisService::NotePosition);
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
  NotePosition(CurrentMprisPositionUs());
  return true;
}

void MprisService::PublishChanges() {
  if (busName_.isEmpty()) return;
  const MprisPlayerState now = CurrentMprisPlayerState();
  const qlonglong position = CurrentMprisPositionUs();
  if (PositionJumped(now, position)) {
    emit player_->Seeked(position);
  } else {
    NotePosition(position);
  }
  const QVariantMap changed = now.ChangedSince(published_);
  published_ = now;
  if (changed.isEmpty()) return;
  QDBusMessage signal = QDBusMessage::createSignal(
      QLatin1String(kObjectPath), QStringLiteral("org.freedesktop.DBus.Properties"),
      QStringLiteral("PropertiesChanged"));
  signal << QLatin1String(kPlayerInterface) << changed << QStringList();
  bus_.send(signal);
}

void MprisService::NotePosition(qlonglong positionUs) {
  notedPositionUs_ = positionUs;
  sinceNoted_.start();
}

// A move of the position slider in the deck, say; a new song starts afresh.
bool MprisService::PositionJumped(const MprisPlayerState& now, qlonglong positionUs) const {
  if (now.TrackId != published_.TrackId || now.PlaybackStatus == QLatin1String("Stopped")) return false;
  const bool playing = published_.PlaybackStatus == QLatin1String("Playing");
  const qlonglong expected = notedPositionUs_ + (playing ? sinceNoted_.elapsed() * 1000 : 0);
  return std::abs(positionUs - expected) > kPositionJumpUs;
}

std::unique_ptr<MprisService> StartMprisOnSessionBus(const QTimer& tick) {
  auto service = std::make_unique<MprisService>(QDBusConnection::sessionBus());
  if (!service->Register()) return nullptr;
  QObject::connect(&tick, &QTimer::timeout, service.get(), &MprisService::PublishChanges);
  return service;
}
