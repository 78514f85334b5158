#include "PrivateSessionBus.h"

#include <QStandardPaths>

namespace BusTests {

PrivateSessionBus::PrivateSessionBus() {
  const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
  if (program.isEmpty()) return;
  daemon_.start(program, {"--session", "--nofork", "--print-address=1"});
  if (!daemon_.waitForStarted(5000)) return;
  while (!daemon_.canReadLine() && daemon_.waitForReadyRead(5000)) {
  }
  address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
}

PrivateSessionBus::~PrivateSessionBus() {
  if (daemon_.state() == QProcess::NotRunning) return;
  daemon_.terminate();
  if (!daemon_.waitForFinished(5000)) daemon_.kill();
}

QDBusConnection PrivateSessionBus::Connect(const QString& name) const {
  return QDBusConnection::connectToBus(address_, name);
}

}  // namespace BusTests
