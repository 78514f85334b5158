#pragma once
// The error code of the last failed call, kept per calling thread.
#include "platform/bass/bass.h"

namespace Bass {

void SetError(int code);
int LastError();

// Records the error and returns the failure value given, for one-line returns.
template <typename T>
T Fail(int code, T result) {
  SetError(code);
  return result;
}

// Records success and returns the value.
template <typename T>
T Succeed(T result) {
  SetError(BASS_OK);
  return result;
}

}  // namespace Bass
