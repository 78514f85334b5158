#include "ScreenshotOptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace Screenshot {

Options ParseOptions(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral(
      "Starts the player offscreen, plays the songs given and saves its windows as PNG files."));
  const QCommandLineOption skin(QStringLiteral("skin"),
                                QStringLiteral("Wear the skin folder or archive (.wsz, .zip) at <path>."),
                                QStringLiteral("path"));
  parser.addOption(skin);
  const QCommandLineOption help = parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("OUTPUT_FOLDER"), QStringLiteral("Where the pictures go (made if missing)."));
  parser.addPositionalArgument(QStringLiteral("SONG"), QStringLiteral("Songs to play while shooting."), QStringLiteral("[SONG ...]"));

  Options options;
  options.usage = parser.helpText();
  if (!parser.parse(arguments)) {
    options.error = parser.errorText();
    return options;
  }
  options.help = parser.isSet(help);
  QStringList positional = parser.positionalArguments();
  if (positional.isEmpty()) {
    if (!options.help) options.error = QStringLiteral("No output folder given.");
    return options;
  }
  options.outputFolder = positional.takeFirst();
  if (parser.isSet(skin)) options.skin = QFileInfo(parser.value(skin)).absoluteFilePath();
  for (const QString& song : positional) options.songs << QFileInfo(song).absoluteFilePath();
  return options;
}

}  // namespace Screenshot
