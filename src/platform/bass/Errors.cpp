#include "platform/bass/Errors.h"

namespace Bass {

namespace {
thread_local int lastError = BASS_OK;
}

void SetError(int code) { lastError = code; }
int LastError() { return lastError; }

}  // namespace Bass
