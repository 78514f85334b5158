#pragma once
#include <functional>

// Turns SIGTERM, SIGINT and SIGHUP into a call on the user-interface thread,
// so the end of a desktop session closes the player the normal way.
void InstallSessionEndSignals(std::function<void()> onSessionEnd);
