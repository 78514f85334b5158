#pragma once
// The player's command line: options, then songs, folders and CD drives.
#include <QString>
#include <QStringList>

struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  // Add the songs without playing them.
  bool enqueue = false;
  // Absolute paths (file: URLs become paths) and stream addresses, in the
  // order given.
  QStringList files;
  // For Action::Error: what was wrong.
  QString error;
};

// `arguments` without the program's name. Help and version win over errors,
// so "solvane --bogus --help" still shows the help.
CommandLine ParseCommandLine(const QStringList& arguments);

QString CommandLineHelpText();
QString CommandLineVersionText();
