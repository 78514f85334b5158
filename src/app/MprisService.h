#pragma once
// The player as an MPRIS2 media player on a D-Bus connection, so that media
// keys, the desktop's sound menu and tools such as playerctl control it.
#include <QDBusConnection>
#include <QDBusContext>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <memory>

#include "app/MprisState.h"

class MprisPlayerAdaptor;

class MprisService : public QObject, public QDBusContext {
  Q_OBJECT
 public:
  explicit MprisService(QDBusConnection bus, QObject* parent = nullptr);
  ~MprisService() override;

  // Takes the bus name org.mpris.MediaPlayer2.solvane (or, when another
  // player holds it, a name of its own with the process id) and offers the
  // interfaces. False without a usable bus: the player then runs without.
  bool Register();
  QString BusName() const { return busName_; }

  // Announces with PropertiesChanged what changed since the last call, and
  // with Seeked a position that jumped; run at each tick of the deck's
  // display timer, so changes made in the windows are announced too, without
  // waking the player more often than its display does.
  void PublishChanges();

 private:
  void NotePosition(qlonglong positionUs);
  bool PositionJumped(const MprisPlayerState& now, qlonglong positionUs) const;

  QDBusConnection bus_;
  QString busName_;
  MprisPlayerState published_;
  MprisPlayerAdaptor* player_;
  // The position last announced or moved to, and the time since.
  qlonglong notedPositionUs_ = 0;
  QElapsedTimer sinceNoted_;
};

// The running program's player on the session bus, announcing changes at
// each `tick`, or none when there is no session bus.
std::unique_ptr<MprisService> StartMprisOnSessionBus(const QTimer& tick);
