// The CD: drive or disc image selection, table-of-contents queries, and
// playing a track through the mixer as the CD channel (handle 0).
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/bass/Engine.h"
#include "platform/bass/Errors.h"
#include "platform/bass/bass.h"

using namespace Bass;

namespace {

// Drives answer table-of-contents queries slowly, and only the caller's
// thread uses them, but a lock keeps BASS_CDFree from racing a query. The
// engine's `cd` changes only under both this lock and the engine's, so either
// one is enough to read it.
std::mutex driveMutex;

// A text handed out stays the caller's until its next call of the same kind
// on the same thread, whatever other threads or BASS_CDFree do meanwhile.
const char* HandOut(std::string& answer, std::string text) {
  answer = std::move(text);
  return answer.c_str();
}

}  // namespace

extern "C" {

BOOL BASS_CDInit(const char* drive, DWORD) {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  {
    std::lock_guard lock(engine.mutex);
    if (engine.cd) return Fail(BASS_ERROR_ALREADY, FALSE);
  }
  const char* fallback = std::getenv("SOLVANE_CD_DRIVE");
  const std::string requested = drive ? drive : fallback ? fallback : "";
  // A machine without any CD drive has nothing to initialise: the CD system
  // starts with no drive open, and a CD track played later reports it.
  if (requested.empty() && CdDrive::FirstDrive().empty()) return Succeed(TRUE);
  std::unique_ptr<CdDrive> opened = CdDrive::Open(requested);
  if (!opened) return Fail(BASS_ERROR_INITCD, FALSE);
  std::lock_guard lock(engine.mutex);
  engine.cd = std::move(opened);
  return Succeed(TRUE);
}

void BASS_CDFree() {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  std::lock_guard lock(engine.mutex);
  if (engine.cdTrack) engine.cdTrack->Stop();
  engine.cdTrack.reset();
  engine.cd.reset();
  SetError(BASS_OK);
}

const char* BASS_CDGetDrive() {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  thread_local std::string answer;
  return HandOut(answer, engine.cd ? engine.cd->Name() : std::string());
}

BOOL BASS_CDInDrive() {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  if (!engine.cd) return Fail(BASS_ERROR_CDINIT, FALSE);
  return Succeed(engine.cd->HasDisc() ? TRUE : FALSE);
}

const char* BASS_CDGetID(DWORD id) {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  if (!engine.cd) return Fail(BASS_ERROR_CDINIT, static_cast<const char*>(nullptr));
  if (!engine.cd->HasDisc()) return Fail(BASS_ERROR_NOCD, static_cast<const char*>(nullptr));
  std::string text;
  switch (id) {
    case BASS_CDID_IDENTITY:
      text = engine.cd->Identity();
      break;
    case BASS_CDID_UPC:
      text = engine.cd->Upc();
      break;
    case BASS_CDID_CDDB:
      text = engine.cd->CddbId();
      break;
    default:
      return Fail(BASS_ERROR_ILLPARAM, static_cast<const char*>(nullptr));
  }
  if (text.empty()) return Fail(BASS_ERROR_NOTAVAIL, static_cast<const char*>(nullptr));
  thread_local std::string answer;
  return Succeed(HandOut(answer, std::move(text)));
}

DWORD BASS_CDGetTracks() {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  if (!engine.cd) return Fail(BASS_ERROR_CDINIT, ~DWORD{0});
  const int count = engine.cd->TrackCount();
  if (count <= 0) return Fail(BASS_ERROR_NOCD, ~DWORD{0});
  return Succeed(static_cast<DWORD>(count));
}

DWORD BASS_CDGetTrackLength(DWORD track) {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  if (!engine.cd) return Fail(BASS_ERROR_CDINIT, ~DWORD{0});
  if (!engine.cd->HasDisc()) return Fail(BASS_ERROR_NOCD, ~DWORD{0});
  const int64_t length = engine.cd->TrackLengthMs(static_cast<int>(track));
  if (length < 0) return Fail(BASS_ERROR_CDTRACK, ~DWORD{0});
  return Succeed(static_cast<DWORD>(length));
}

BOOL BASS_CDPlay(DWORD track, BOOL loop, BOOL) {
  std::lock_guard driveLock(driveMutex);
  Engine& engine = TheEngine();
  if (!engine.cd) return Fail(BASS_ERROR_CDINIT, FALSE);
  if (!engine.cd->HasDisc()) return Fail(BASS_ERROR_NOCD, FALSE);
  OpenResult opened = engine.cd->OpenTrack(static_cast<int>(track));
  if (!opened.decoder) return Fail(opened.error, FALSE);
  std::lock_guard lock(engine.mutex);
  if (!engine.mixer) return Fail(BASS_ERROR_INIT, FALSE);
  if (engine.cdTrack) engine.cdTrack->Stop();
  engine.cdTrack = std::make_shared<Channel>(CDCHANNEL, ChannelKind::CD, std::move(opened.decoder),
                                             loop ? BASS_SAMPLE_LOOP : 0, engine.mixRate);
  engine.cdTrack->SetAttributes(-1, engine.cdVolume, engine.cdPan);
  engine.cdTrack->Play();
  engine.mixer->Wake();
  return Succeed(TRUE);
}

}  // extern "C"
