#include "FuzzInput.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>

namespace Fuzz {

void StartHeadlessApplication() {
  static std::unique_ptr<QGuiApplication> app;
  if (app) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz";
  static char* argv[] = {name, nullptr};
  app = std::make_unique<QGuiApplication>(argc, argv);
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
