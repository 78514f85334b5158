#pragma once
// One internet stream's connection: a thread of its own fetches the address
// with libcurl (http and https, a few redirects), strips the ICY metadata
// out and writes the audio bytes into a bounded ring buffer that the
// decoder reads on the mixer thread. Nobody ever waits for the network: the
// thread blocks only itself, and the reader takes what is there.
//
// A server that stops sending after audio has arrived is asked again, a few
// times with a pause between; a server that never answers, answers with an
// error, with a web page or with endless headers ends the stream at once.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

#include "platform/bass/RingBuffer.h"

namespace Bass {

struct NetOptions {
  int timeoutMs = 10000;      // for the connection, and for each wait for data
  int retries = 3;            // new connections after a drop, in a row
  int retryPauseMs = 1000;    // before each of them
  size_t bufferBytes = 256 * 1024;  // the ring buffer: 16 s of a 128 kbps stream
};

// What the server said about the stream; copied out under a lock.
struct NetTags {
  std::string http;          // the last response's status line, then its headers "name: value", each ended by "\0"
  std::string icy;           // the "icy-" ones among them, the same way
  std::string meta;          // the metadata block of the audio being decoded, "StreamTitle='…';…"
  std::string contentType;   // lower case, without parameters
  int bitRate = 0;           // icy-br, kilobits per second, 0 when not given
};

class NetStream {
 public:
  NetStream(std::string url, NetOptions options);
  // Asks the thread to end (a transfer waiting for the network wakes at once)
  // and leaves it to be joined later, without waiting for it.
  ~NetStream();
  NetStream(const NetStream&) = delete;
  NetStream& operator=(const NetStream&) = delete;

  RingBuffer& Buffer();
  // True once no more bytes will arrive (ended for good, failed or stopped).
  bool Finished() const;
  // Why it finished before any audio arrived, or after the retries ran
  // out: a BASS_ERROR_* code; BASS_OK while running.
  int Error() const;
  bool Connected() const;    // a connection is delivering audio now
  uint64_t Downloaded() const;  // audio bytes received so far
  // The tags; a metadata block counts once the decoder has read the audio
  // before it, so titles change with the sound rather than with the download.
  NetTags Tags() const;

  // Joins the threads of every stream freed so far; each ends as soon as it
  // notices, so this returns promptly.
  static void JoinFreedThreads();

  struct Shared;

 private:
  std::shared_ptr<Shared> shared;  // the thread's state: kept until the thread is joined
  std::thread thread;
};

}  // namespace Bass
