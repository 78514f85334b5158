// The recording channel (handle 1): a loopback of the final mix.
#include "platform/bass/Engine.h"
#include "platform/bass/Errors.h"
#include "platform/bass/bass.h"

using namespace Bass;

extern "C" {

BOOL BASS_RecordInit(int device) {
  if (device < -1) return Fail(BASS_ERROR_DEVICE, FALSE);
  if (!TheEngine().recorder.Init()) return Fail(BASS_ERROR_ALREADY, FALSE);
  return Succeed(TRUE);
}

void BASS_RecordFree() {
  TheEngine().recorder.Free();
  SetError(BASS_OK);
}

BOOL BASS_RecordStart(DWORD, DWORD, RECORDPROC* proc, DWORD user) {
  if (!TheEngine().recorder.Start(proc, user)) return Fail(BASS_ERROR_INIT, FALSE);
  return Succeed(TRUE);
}

}  // extern "C"
