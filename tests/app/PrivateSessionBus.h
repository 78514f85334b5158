#pragma once
// A D-Bus session bus of the test's own: a dbus-daemon started for it and
// ended with it, so bus tests never touch the desktop's session.
#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace BusTests {

class PrivateSessionBus {
 public:
  PrivateSessionBus();
  ~PrivateSessionBus();

  // False when dbus-daemon is not installed or did not start.
  bool Started() const { return !address_.isEmpty(); }
  QString Address() const { return address_; }
  // A connection of its own under `name`.
  QDBusConnection Connect(const QString& name) const;

 private:
  QProcess daemon_;
  QString address_;
};

}  // namespace BusTests
