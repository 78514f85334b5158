#include "platform/bass/Channel.h"

#include <algorithm>
#include <cmath>

#include "platform/bass/Activity.h"

namespace Bass {

namespace {

constexpr size_t kChunkFrames = 1024;  // source frames handed to the DSP procedures at a time
constexpr int kMinFreq = 100, kMaxFreq = 100000;

int16_t ToSample(float value) {
  return static_cast<int16_t>(std::clamp(std::lrint(value * 32768.0f), -32768L, 32767L));
}

}  // namespace

Channel::Channel(DWORD handle, ChannelKind kind, std::unique_ptr<Decoder> source, DWORD flags, int mixRate,
                 uint64_t fileSize)
    : handle(handle),
      kind(kind),
      decoder(std::move(source)),
      format(decoder->Format()),
      mixRate(mixRate),
      lengthFrames(decoder->LengthFrames()),
      seekable(decoder->Seekable()),
      fileSize(fileSize),
      looping((flags & BASS_SAMPLE_LOOP) != 0),
      chunk(kChunkFrames * format.channels) {
  controls.freq = format.rate;
}

DWORD Channel::Flags() const {
  DWORD result = looping ? BASS_SAMPLE_LOOP : 0;
  if (format.channels == 1) result |= BASS_SAMPLE_MONO;
  if (format.eightBit) result |= BASS_SAMPLE_8BITS;
  return result;
}

QWORD Channel::FramesToPosition(uint64_t frames) const {
  if (kind == ChannelKind::CD) return frames * 1000 / static_cast<uint64_t>(format.rate);
  return frames * 2 * static_cast<uint64_t>(format.channels);
}

uint64_t Channel::PositionToFrames(QWORD position) const {
  if (kind == ChannelKind::CD) return position * static_cast<uint64_t>(format.rate) / 1000;
  return position / (2 * static_cast<uint64_t>(format.channels));
}

double Channel::PositionToSeconds(QWORD position) const {
  if (kind == ChannelKind::CD) return static_cast<double>(position) / 1000;
  return static_cast<double>(position) / (2.0 * format.channels * format.rate);
}

QWORD Channel::SecondsToPosition(double seconds) const {
  if (seconds <= 0) return 0;
  if (kind == ChannelKind::CD) return static_cast<QWORD>(seconds * 1000);
  return FramesToPosition(static_cast<uint64_t>(seconds * format.rate));
}

void Channel::Play() {
  std::lock_guard lock(mutex);
  if (ended && !pendingSeek) {
    pendingSeek = 0;
    position = 0;
  }
  ended = false;
  activity = BASS_ACTIVE_PLAYING;
}

bool Channel::Pause() {
  std::lock_guard lock(mutex);
  return PauseActivity(activity);
}

bool Channel::Resume() {
  std::lock_guard lock(mutex);
  return ResumeActivity(activity);
}

void Channel::Stop() {
  std::lock_guard lock(mutex);
  activity = BASS_ACTIVE_STOPPED;
}

DWORD Channel::Activity() const {
  std::lock_guard lock(mutex);
  return activity;
}

void Channel::SetAttributes(int freq, int volume, int pan) {
  std::lock_guard lock(mutex);
  if (freq == 0)
    controls.freq = format.rate;
  else if (freq > 0)
    controls.freq = std::clamp(freq, kMinFreq, kMaxFreq);
  if (volume >= 0) controls.volume = std::min(volume, 100);
  if (pan != -101) controls.pan = std::clamp(pan, -100, 100);
}

void Channel::GetAttributes(DWORD* freq, DWORD* volume, int* pan) const {
  std::lock_guard lock(mutex);
  if (freq) *freq = static_cast<DWORD>(controls.freq);
  if (volume) *volume = static_cast<DWORD>(controls.volume);
  if (pan) *pan = controls.pan;
}

bool Channel::SeekFrames(uint64_t frame) {
  if (!seekable || frame > lengthFrames) return false;
  std::lock_guard lock(mutex);
  pendingSeek = frame;
  position = frame;
  ended = false;
  return true;
}

uint64_t Channel::PositionFrames() const {
  std::lock_guard lock(mutex);
  return position;
}

HDSP Channel::AddDsp(DSPPROC* proc, DWORD user) {
  std::lock_guard lock(dspMutex);
  dsps.push_back({nextDsp, proc, user});
  return nextDsp++;
}

bool Channel::RemoveDsp(HDSP dsp) {
  std::lock_guard lock(dspMutex);
  const auto found = std::find_if(dsps.begin(), dsps.end(), [dsp](const Dsp& d) { return d.handle == dsp; });
  if (found == dsps.end()) return false;
  dsps.erase(found);
  return true;
}

void Channel::RunDsps(size_t frames) {
  std::lock_guard lock(dspMutex);
  // A copy, so a procedure may add or remove procedures while the list runs.
  const std::vector<Dsp> current = dsps;
  for (const Dsp& dsp : current)
    dsp.proc(dsp.handle, handle, chunk.data(), static_cast<DWORD>(frames * 2 * format.channels), dsp.user);
}

void Channel::ApplyGain(size_t frames) {
  const float factor = gain;
  if (factor == 1.0f) return;
  std::transform(chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(frames * format.channels), chunk.begin(),
                 [factor](int16_t sample) { return ToSample(sample * factor / 32768.0f); });
}

size_t Channel::DecodeChunk() {
  chunkFrames = decoder->Read(chunk.data(), kChunkFrames);
  chunkUsed = 0;
  if (chunkFrames > 0) {
    ApplyGain(chunkFrames);
    RunDsps(chunkFrames);
  }
  return chunkFrames;
}

void Channel::SetNext(std::weak_ptr<Channel> following) {
  std::lock_guard lock(mutex);
  next = std::move(following);
}

std::shared_ptr<Channel> Channel::SameFormatNext(int freq) {
  std::shared_ptr<Channel> following;
  {
    std::lock_guard lock(mutex);
    following = next.lock();
  }
  if (!following || following->format.channels != format.channels) return nullptr;
  DWORD followingFreq = 0;
  following->GetAttributes(&followingFreq, nullptr, nullptr);
  return static_cast<int>(followingFreq) == freq ? following : nullptr;
}

std::shared_ptr<Channel> Channel::StartNext() {
  std::shared_ptr<Channel> following;
  {
    std::lock_guard lock(mutex);
    if (!ended) return nullptr;
    following = next.lock();
    next.reset();
  }
  std::unique_ptr<Resampler> rest = handingOver ? std::move(resampler) : nullptr;
  handingOver = false;
  return following && following->StartAfter(std::move(rest)) ? following : nullptr;
}

bool Channel::StartAfter(std::unique_ptr<Resampler> handedOver) {
  {
    std::lock_guard lock(mutex);
    if (activity != BASS_ACTIVE_STOPPED || ended) return false;
    activity = BASS_ACTIVE_PLAYING;
  }
  if (handedOver) resampler = std::move(handedOver);
  return true;
}

size_t Channel::Render(float* out, size_t frames) {
  size_t produced = 0;
  while (produced < frames) {
    if (chunkUsed == chunkFrames && !sourceDone && DecodeChunk() == 0) {
      if (decoder->Waiting()) break;  // silence for the rest of the block, not the end
      // Looping restarts a source that has frames at all; anything else has ended.
      if (looping && consumed > 0 && decoder->Seek(0)) {
        consumed = 0;
        continue;
      }
      sourceDone = true;
      handingOver = SameFormatNext(resampler->InputRate()) != nullptr;
    }
    float* target = out + produced * format.channels;
    if (sourceDone) {
      if (handingOver) break;  // the next channel plays what the resampler still holds
      const size_t drained = resampler->Drain(target, frames - produced);
      if (drained == 0) break;
      produced += drained;
      continue;
    }
    const Resampler::Progress progress = resampler->Process(chunk.data() + chunkUsed * format.channels,
                                                            chunkFrames - chunkUsed, target, frames - produced);
    chunkUsed += progress.consumed;
    consumed += progress.consumed;
    produced += progress.produced;
  }
  return produced;
}

size_t Channel::MixInto(float* mix, size_t frames) {
  Controls now;
  std::optional<uint64_t> seek;
  {
    std::lock_guard lock(mutex);
    if (activity != BASS_ACTIVE_PLAYING) return 0;
    now = controls;
    seek.swap(pendingSeek);
  }
  if (!resampler || resampler->InputRate() != now.freq)
    resampler = std::make_unique<Resampler>(now.freq, mixRate, format.channels);
  if (seek) {
    decoder->Seek(*seek);
    resampler->Reset();
    chunkFrames = chunkUsed = 0;
    sourceDone = handingOver = false;
    consumed = *seek;
  }

  rendered.resize(frames * format.channels);
  const size_t produced = Render(rendered.data(), frames);

  stereo.assign(frames * 2, 0.0f);
  for (size_t i = 0; i < produced; ++i) {
    stereo[2 * i] = rendered[i * format.channels];
    stereo[2 * i + 1] = rendered[i * format.channels + format.channels - 1];
  }
  tapped.resize(frames * 2);
  std::transform(stereo.begin(), stereo.end(), tapped.begin(), ToSample);
  taps.Push(tapped.data(), frames);

  const float gain = now.volume / 100.0f;
  const float left = gain * (now.pan > 0 ? (100 - now.pan) / 100.0f : 1.0f);
  const float right = gain * (now.pan < 0 ? (100 + now.pan) / 100.0f : 1.0f);
  for (size_t i = 0; i < produced; ++i) {
    mix[2 * i] += stereo[2 * i] * left;
    mix[2 * i + 1] += stereo[2 * i + 1] * right;
  }

  std::lock_guard lock(mutex);
  if (pendingSeek) return produced;  // a new position was asked for meanwhile
  position = consumed;
  if (produced < frames && activity == BASS_ACTIVE_PLAYING && !decoder->Waiting()) {
    activity = BASS_ACTIVE_STOPPED;
    ended = true;
  }
  return produced;
}

}  // namespace Bass
