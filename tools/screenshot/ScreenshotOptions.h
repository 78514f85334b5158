#pragma once
// The screenshot tool's command line:
//   solvane_screenshot [--skin PATH] OUTPUT_FOLDER [SONG ...]
// with the options anywhere on the line.
#include <QString>
#include <QStringList>

namespace Screenshot {

struct Options {
  QString outputFolder;
  QString skin;        // absolute; empty to wear the saved skin
  QStringList songs;   // absolute
  bool help = false;   // --help: print the usage and do nothing else
  QString error;       // why the line was refused; empty when it was not
  QString usage;
};

// `arguments` starts with the program's name, as QCoreApplication gives it.
Options ParseOptions(const QStringList& arguments);

}  // namespace Screenshot
