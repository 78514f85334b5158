#pragma once
// An internet radio station on 127.0.0.1 for tests: it serves one stream's
// bytes over and over to every client, with ICY metadata when asked, and
// can misbehave in the ways real servers do.
#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace TestSupport {

struct RadioShow {
  std::vector<uint8_t> audio;  // the stream's bytes, sent again from the start when they run out
  std::string contentType = "audio/mpeg";
  bool icyStatusLine = false;  // "ICY 200 OK" (SHOUTcast) instead of "HTTP/1.0 200 OK"
  size_t metaInterval = 0;     // audio bytes between metadata blocks; 0 sends none
  std::vector<std::string> titles{"First Artist - First Title", "Second Artist - Second Title"};
  size_t blocksPerTitle = 2;   // metadata blocks before the next title
  std::string name = "Test Radio";
  int bitRate = 0;             // icy-br; 0 leaves the header out
  size_t dropAfterBytes = 0;   // a connection closes after this many bytes; 0 never
  int answeredConnections = -1;  // later connections are closed unanswered; -1 all are answered
  std::map<std::string, std::string> pages;  // other paths, each a text page
  int bytesPerSecond = 0;      // paced as a live station (after a one-second burst); 0 as fast as taken
};

// A show of a 440 Hz tone at half scale, encoded as MP3 (128 kbps, with
// metadata every 8192 bytes) or as Ogg Vorbis (application/ogg, none).
RadioShow ToneShow(bool ogg, int channels = 2, int rate = 44100, double seconds = 3.0);

enum class Misbehaviour {
  None,
  Silent,         // takes the connection and never answers
  NotFound,       // 404 with a web page
  WebPage,        // 200 with a web page
  EndlessHeader,  // a header that never ends
  LyingMetadata,  // the first metadata block claims 4080 bytes but holds 16
};

class RadioServer {
 public:
  explicit RadioServer(RadioShow show, Misbehaviour misbehaviour = Misbehaviour::None);
  ~RadioServer();
  RadioServer(const RadioServer&) = delete;
  RadioServer& operator=(const RadioServer&) = delete;

  // "/stream" plays; "/redirect" sends the client there with a 302; the
  // show's pages are served as text.
  std::string Url(const std::string& path = "/stream") const;
  int Connections() const { return connections; }

 private:
  void Accept();
  void Serve(int client, int number);
  bool Send(int client, const void* data, size_t size);
  void SendStream(int client);

  const RadioShow show;
  const Misbehaviour misbehaviour;
  int listener = -1;
  int port = 0;
  std::atomic<bool> stop{false};
  std::atomic<int> connections{0};
  std::mutex clientsMutex;
  std::vector<int> clients;
  std::vector<std::thread> threads;  // guarded by clientsMutex
  std::thread acceptor;
};

}  // namespace TestSupport
