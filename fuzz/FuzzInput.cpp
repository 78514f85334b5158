#include "FuzzInput.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>


namespace Fuzz {

// The application lives until the process ends: destroying it among the
// other static objects at exit would outlive Qt's own state.
void StartHeadlessApplication() {
  static QGuiApplication* app = nullptr;
  if (app) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  app = new QGuiApplication(argc, argv);
}

QString WriteInputFile(const uint8_t* data, size_t size, const QString& suffix) {
  const QString folder = QDir::tempPath() + QStringLiteral("/solvane-fuzz-%1").arg(QCoreApplication::applicationPid());
  QDir().mkpath(folder);
  const QString path = folder + QStringLiteral("/input") + suffix;
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(Bytes(data, size));
  return path;
}

}  // namespace Fuzz
