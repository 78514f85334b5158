#include "ProgramRestart.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>

#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace PlatformUi {

void RestartProgram(const char* name, const QByteArray& value) {
  qputenv(name, value);
  const QString program = QCoreApplication::applicationFilePath();
#ifdef Q_OS_UNIX
  // The same process goes on as the new program: whoever started the player
  // (a terminal, a launcher) keeps waiting for it.
  const QByteArray path = QFile::encodeName(program);
  char* const arguments[] = {const_cast<char*>(path.constData()), nullptr};
  execv(path.constData(), arguments);
#else
  if (QProcess::startDetached(program, {})) std::exit(0);
#endif
}

}  // namespace PlatformUi
