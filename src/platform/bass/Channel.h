#pragma once
// One playing source: a stream, a music or the CD. The user-interface thread
// changes its state, attributes, position and DSP list through short locks;
// the mixer thread alone decodes, runs the DSP procedures, resamples and adds
// the result to the mix, so no caller ever waits for a decode.
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/bass/Decoder.h"
#include "platform/bass/Resampler.h"
#include "platform/bass/Taps.h"
#include "platform/bass/bass.h"

namespace Bass {

enum class ChannelKind { Stream, Music, CD };

class Channel {
 public:
  Channel(DWORD handle, ChannelKind kind, std::unique_ptr<Decoder> decoder, DWORD flags, int mixRate,
          uint64_t fileSize = 0);

  DWORD Handle() const { return handle; }
  ChannelKind Kind() const { return kind; }
  // Source-format flags: BASS_SAMPLE_MONO, BASS_SAMPLE_8BITS, BASS_SAMPLE_LOOP.
  DWORD Flags() const;
  const SourceFormat& Format() const { return format; }
  uint64_t LengthFrames() const { return lengthFrames; }
  uint64_t FileSize() const { return fileSize; }
  void SetLooping(bool loop) { looping = loop; }

  // Positions are bytes of the decoded 16-bit format, milliseconds for the CD.
  QWORD FramesToPosition(uint64_t frames) const;
  uint64_t PositionToFrames(QWORD position) const;
  double PositionToSeconds(QWORD position) const;
  QWORD SecondsToPosition(double seconds) const;

  // Starts playing; a channel that ran to its end starts again from the beginning.
  void Play();
  bool Pause();   // false when not playing
  bool Resume();  // false when not paused
  void Stop();
  DWORD Activity() const;  // BASS_ACTIVE_*
  bool Waiting() const { return decoder->Waiting(); }  // playing silence until its source has sound

  void SetAttributes(int freq, int volume, int pan);  // -1, -1, -101 keep a value
  void GetAttributes(DWORD* freq, DWORD* volume, int* pan) const;
  bool SeekFrames(uint64_t frame);  // false beyond the end
  uint64_t PositionFrames() const;

  HDSP AddDsp(DSPPROC* proc, DWORD user);
  bool RemoveDsp(HDSP dsp);

  const Taps& Tapped() const { return taps; }

  // The channel that starts when this one plays to its end, with the frame
  // after its last; null unlinks. A stream or music freed meanwhile is not started.
  void SetNext(std::weak_ptr<Channel> following);
  // A factor on the decoded samples before the DSP procedures (ReplayGain), 0..16.
  void SetGain(float factor) { gain = factor; }

  // Mixer thread: renders up to `frames` frames at the mix rate and adds them,
  // with the channel's volume and pan, to the interleaved stereo `mix`;
  // returns how many it added (fewer when it ended or is not playing).
  size_t MixInto(float* mix, size_t frames);
  // Mixer thread, after MixInto: when the channel has just ended and its next
  // channel is stopped, starts that one to continue the sound and returns it.
  std::shared_ptr<Channel> StartNext();

 private:
  struct Dsp {
    HDSP handle;
    DSPPROC* proc;
    DWORD user;
  };
  struct Controls {
    int freq, volume, pan;
  };

  size_t Render(float* out, size_t frames);  // at the mix rate, the source's channel count
  size_t DecodeChunk();
  void ApplyGain(size_t frames);
  void RunDsps(size_t frames);
  // The next channel, when it takes this one's sound at the source's rate
  // and channel count, so the samples its resampler holds go on with its own.
  std::shared_ptr<Channel> SameFormatNext(int freq);
  // Joined after a channel that ended: starts playing, taking over its
  // resampler when the formats match.
  bool StartAfter(std::unique_ptr<Resampler> handedOver);

  const DWORD handle;
  const ChannelKind kind;
  const std::unique_ptr<Decoder> decoder;
  const SourceFormat format;
  const int mixRate;
  const uint64_t lengthFrames;
  const bool seekable;
  const uint64_t fileSize;
  std::atomic<bool> looping;  // set by BASS_StreamPlay, read by the mixer

  // Guarded by `mutex`: what the user-interface thread sets and reads.
  mutable std::mutex mutex;
  DWORD activity = BASS_ACTIVE_STOPPED;
  bool ended = false;
  Controls controls{0, 100, 0};
  std::optional<uint64_t> pendingSeek;
  uint64_t position = 0;
  std::weak_ptr<Channel> next;

  // DSP procedures run under this lock (taken again by a procedure that calls
  // back in), so removing one waits for at most its current call.
  std::recursive_mutex dspMutex;
  std::vector<Dsp> dsps;
  HDSP nextDsp = 1;

  Taps taps;  // behind its own lock: the mixer pushes, any thread reads
  std::atomic<float> gain{1.0f};  // set by any thread, read by the mixer thread

  // Mixer thread only.
  std::unique_ptr<Resampler> resampler;
  std::vector<int16_t> chunk;
  size_t chunkFrames = 0, chunkUsed = 0;
  bool sourceDone = false;
  bool handingOver = false;  // the source ended and the next channel takes the resampler's rest
  uint64_t consumed = 0;  // source frames handed to the resampler
  std::vector<float> rendered, stereo;
  std::vector<int16_t> tapped;
};

}  // namespace Bass
