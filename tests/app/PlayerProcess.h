#pragma once
// The real program started as a process for a test: headless, silent, in the
// test's program folder unless the test says otherwise.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace ProcessTests {

// The environment of a test player: offscreen, null audio, SOLVANE_HOME and
// XDG_RUNTIME_DIR set to `home` (SOLVANE_HOME unset when empty) and the
// session bus at `busAddress` (a bus that does not exist when empty).
QProcessEnvironment PlayerEnvironment(const QString& home, const QString& busAddress);

// Starts `program` (the built player unless given) with the arguments.
void StartPlayer(QProcess& player, const QProcessEnvironment& environment,
                 const QStringList& arguments = {}, const QString& program = {});

// Waits until the player started with `environment` (and `program`) runs
// its event loop: once it listens on its instance socket, a second start
// without songs is answered only from that loop, and then ends with 0.
bool WaitUntilRunning(const QProcessEnvironment& environment, const QString& program = {});

// Links the built default skin into a program folder.
void LinkBuiltSkins(const QString& programFolder);

}  // namespace ProcessTests
