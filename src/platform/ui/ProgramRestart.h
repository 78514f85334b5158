#pragma once
#include <QByteArray>

namespace PlatformUi {

// Starts the program afresh in place of the running one, with `name` set to
// `value` in its environment. Call only once everything is saved and closed;
// returns only when the new start failed.
void RestartProgram(const char* name, const QByteArray& value);

}  // namespace PlatformUi
