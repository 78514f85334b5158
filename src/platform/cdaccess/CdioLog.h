#pragma once
// libcdio reports through a log handler, and its own handler ends the
// process on an error (a folder or a plain file opened as a disc is enough).
// The player's handler writes warnings and errors to standard error as the
// player's own lines and lets the call fail normally.
namespace CdAccess {

// Safe to call from any thread, any number of times; installs once.
void InstallCdioLogHandler();

}  // namespace CdAccess
