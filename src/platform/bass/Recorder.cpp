#include "platform/bass/Recorder.h"

#include "platform/bass/Activity.h"

namespace Bass {

namespace {

// The procedure gets the mix in pieces of about a tenth of a second, so its
// thread wakes ten times a second rather than at every mixer block.
constexpr size_t kDeliveryFrames = 4096;
// Pieces kept for a procedure that falls behind (about two seconds); older ones are dropped.
constexpr size_t kMaxQueuedBlocks = 22;

}  // namespace

Recorder::~Recorder() { Free(); }

bool Recorder::Init() {
  std::lock_guard lock(mutex);
  if (initialised) return false;
  initialised = true;
  return true;
}

void Recorder::Free() {
  Stop();
  std::lock_guard lock(mutex);
  initialised = false;
}

bool Recorder::Initialised() const {
  std::lock_guard lock(mutex);
  return initialised;
}

bool Recorder::Start(RECORDPROC* procedure, DWORD userValue) {
  Stop();
  std::lock_guard lock(mutex);
  if (!initialised) return false;
  proc = procedure;
  user = userValue;
  activity = BASS_ACTIVE_PLAYING;
  recorded = 0;
  taps.Clear();
  if (proc) thread = std::thread([this] { Deliver(); });
  return true;
}

void Recorder::Stop() {
  {
    std::lock_guard lock(mutex);
    activity = BASS_ACTIVE_STOPPED;
    queue.clear();
    pending.clear();
  }
  wake.notify_all();
  JoinThread();
}

void Recorder::JoinThread() {
  // A procedure that stops recording from inside itself cannot wait for its own thread.
  if (!thread.joinable()) return;
  if (thread.get_id() == std::this_thread::get_id())
    thread.detach();
  else
    thread.join();
}

bool Recorder::Pause() {
  std::lock_guard lock(mutex);
  return PauseActivity(activity);
}

bool Recorder::Resume() {
  std::lock_guard lock(mutex);
  return ResumeActivity(activity);
}

DWORD Recorder::Activity() const {
  std::lock_guard lock(mutex);
  return activity;
}

uint64_t Recorder::RecordedFrames() const {
  std::lock_guard lock(mutex);
  return recorded;
}

void Recorder::Feed(const int16_t* stereoFrames, size_t frames) {
  bool delivered = false;
  {
    std::lock_guard lock(mutex);
    if (activity != BASS_ACTIVE_PLAYING) return;
    recorded += frames;
    if (proc) {
      pending.insert(pending.end(), stereoFrames, stereoFrames + frames * 2);
      if (pending.size() >= kDeliveryFrames * 2) {
        if (queue.size() == kMaxQueuedBlocks) queue.pop_front();
        queue.push_back(std::move(pending));
        pending = {};
        pending.reserve(kDeliveryFrames * 2);
        delivered = true;
      }
    }
  }
  taps.Push(stereoFrames, frames);
  if (delivered) wake.notify_all();
}

void Recorder::Deliver() {
  std::unique_lock lock(mutex);
  for (;;) {
    wake.wait(lock, [this] { return activity == BASS_ACTIVE_STOPPED || !queue.empty(); });
    if (activity == BASS_ACTIVE_STOPPED) return;
    std::vector<int16_t> block = std::move(queue.front());
    queue.pop_front();
    RECORDPROC* procedure = proc;
    const DWORD value = user;
    lock.unlock();
    const BOOL goOn = procedure(block.data(), static_cast<DWORD>(block.size() * sizeof(int16_t)), value);
    lock.lock();
    if (!goOn) {
      activity = BASS_ACTIVE_STOPPED;
      queue.clear();
      return;
    }
  }
}

}  // namespace Bass
