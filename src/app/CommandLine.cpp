#include "CommandLine.h"

#include <QFileInfo>
#include <QUrl>

#include "audio/StreamUrl.h"
#include "platform/VersionInfo.h"

namespace {

QString AbsolutePath(const QString& argument) {
  if (KestrelixAudioApi::IsStreamUrl(argument)) return argument;
  const QUrl url(argument);
  if (url.isLocalFile()) return url.toLocalFile();
  return QFileInfo(argument).absoluteFilePath();
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine line;
  bool help = false;
  bool version = false;
  bool optionsEnded = false;
  for (const QString& argument : arguments) {
    if (optionsEnded || !argument.startsWith(QLatin1Char('-'))) {
      line.files.append(AbsolutePath(argument));
    } else if (argument == QLatin1String("--")) {
      optionsEnded = true;
    } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      help = true;
    } else if (argument == QLatin1String("--version") || argument == QLatin1String("-v")) {
      version = true;
    } else if (argument == QLatin1String("--enqueue") || argument == QLatin1String("-e")) {
      line.enqueue = true;
    } else if (line.error.isEmpty()) {
      line.error = QStringLiteral("unknown option \"%1\"").arg(argument);
    }
  }
  if (help) {
    line.action = CommandLine::Action::Help;
  } else if (version) {
    line.action = CommandLine::Action::Version;
  } else if (!line.error.isEmpty()) {
    line.action = CommandLine::Action::Error;
  }
  return line;
}

QString CommandLineHelpText() {
  return QStringLiteral(
      "Usage: solvane [--enqueue] [song, folder, CD drive or stream address ...]\n"
      "\n"
      "Plays the songs named (the songs of a folder, the tracks of a CD drive or\n"
      "disc image, an http:// or https:// internet radio address) after adding\n"
      "them to the playlist. When the player is already running, the songs go\n"
      "to it.\n"
      "\n"
      "  -e, --enqueue   add the songs to the playlist without playing them\n"
      "  -h, --help      show this help and exit\n"
      "  -v, --version   show the version and exit\n");
}

QString CommandLineVersionText() {
  return QStringLiteral("%1 %2\n").arg(QLatin1String(VersionInfo::ProductName),
                                       QLatin1String(VersionInfo::Version));
}
