#include "platform/bass/NetStream.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/bass/CurlLibrary.h"
#include "platform/bass/IcyMetadata.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kMaxHeaderBytes = 64 * 1024;  // per response; more is not a stream
constexpr long kMaxRedirects = 5;
constexpr size_t kMaxPendingMeta = 64;

constexpr int kPollMs = 1000;  // the longest a transfer waits before it looks at the clock again

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Trimmed(const std::string& text) {
  const size_t begin = text.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return {};
  return text.substr(begin, text.find_last_not_of(" \t\r\n") - begin + 1);
}

}  // namespace

struct NetStream::Shared {
  Shared(std::string url, NetOptions options)
      : url(std::move(url)),
        options(options),
        ring(options.bufferBytes),
        library(Curl()),
        multi(library ? library->multi_init() : nullptr) {}
  ~Shared() {
    if (multi) library->multi_cleanup(multi);
  }

  // Set once, read by both sides.
  const std::string url;
  const NetOptions options;
  RingBuffer ring;  // its own lock-free hand-over: this thread writes, the decoder reads
  // Stopping wakes a transfer waiting for the network at once (curl_multi_wakeup
  // may be called from any thread).
  const CurlLibrary* const library;  // null when libcurl cannot be loaded
  CURLM* const multi;
  std::atomic<bool> stop{false}, finished{false}, connected{false};
  std::atomic<int> error{BASS_OK};
  std::atomic<uint64_t> downloaded{0};

  mutable std::mutex mutex;  // guards tags and pendingMeta, and the pause between tries
  std::condition_variable wake;
  mutable NetTags tags;
  // Metadata blocks not yet reached by the decoder, with the buffer's write
  // total where each arrived; a few at most are kept.
  mutable std::deque<std::pair<uint64_t, std::string>> pendingMeta;

  // The network thread only: one connection's state.
  struct Attempt {
    size_t headerBytes = 0;
    size_t metaInterval = 0;
    std::optional<IcyDemuxer> demuxer;
    int failure = BASS_OK;  // set by a callback that ends the transfer
    Clock::time_point lastActivity = Clock::now();
  } attempt;
  CURL* curl = nullptr;

  void Run();
  bool Connect();  // one connection; true when it delivered audio
  CURLcode Transfer();  // runs the connection until it ends or the stream stops
  bool completed = false;  // a response of known length arrived whole: a file, not a station
  void SetHeader(const std::string& line);
  bool StartBody();
  void WriteAudio(const uint8_t* data, size_t size);
  void TakeMetadata(const std::string& block);
  bool PauseBeforeRetry();
};

namespace {

size_t OnHeader(char* buffer, size_t size, size_t count, void* user) {
  auto& shared = *static_cast<NetStream::Shared*>(user);
  const size_t bytes = size * count;
  auto& attempt = shared.attempt;
  attempt.lastActivity = Clock::now();
  attempt.headerBytes += bytes;
  if (attempt.headerBytes > kMaxHeaderBytes) {
    attempt.failure = BASS_ERROR_FILEFORM;
    return 0;
  }
  shared.SetHeader(std::string(buffer, bytes));
  return bytes;
}

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto& shared = *static_cast<NetStream::Shared*>(user);
  const size_t bytes = size * count;
  if (!shared.attempt.demuxer && !shared.StartBody()) return 0;
  shared.attempt.demuxer->Push(reinterpret_cast<const uint8_t*>(data), bytes);
  return shared.stop ? 0 : bytes;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto& shared = *static_cast<NetStream::Shared*>(user);
  if (shared.stop) return 1;
  if (Clock::now() - shared.attempt.lastActivity > std::chrono::milliseconds(shared.options.timeoutMs)) {
    shared.attempt.failure = BASS_ERROR_TIMEOUT;
    return 1;
  }
  return 0;
}

int ErrorOfResult(CURLcode result) {
  switch (result) {
    case CURLE_OPERATION_TIMEDOUT: return BASS_ERROR_TIMEOUT;
    case CURLE_OUT_OF_MEMORY: return BASS_ERROR_MEM;
    case CURLE_FAILED_INIT: return BASS_ERROR_NONET;
    default: return BASS_ERROR_FILEOPEN;
  }
}

}  // namespace

void NetStream::Shared::SetHeader(const std::string& raw) {
  const std::string line = Trimmed(raw);
  std::lock_guard lock(mutex);
  // Each response of a redirect chain starts with its status line, which
  // heads its tags.
  if (line.rfind("HTTP/", 0) == 0 || line.rfind("ICY ", 0) == 0) {
    tags.http.assign(line).push_back('\0');
    tags.icy.clear();
    tags.contentType.clear();
    tags.bitRate = 0;
    attempt.metaInterval = 0;
    return;
  }
  const size_t colon = line.find(':');
  if (colon == std::string::npos) return;
  const std::string name = Lower(Trimmed(line.substr(0, colon)));
  const std::string value = Trimmed(line.substr(colon + 1));
  const std::string tag = name + ": " + value;
  tags.http.append(tag).push_back('\0');
  if (name.rfind("icy-", 0) == 0) tags.icy.append(tag).push_back('\0');
  if (name == "content-type") tags.contentType = Lower(Trimmed(value.substr(0, value.find(';'))));
  if (name == "icy-br") tags.bitRate = std::clamp(std::atoi(value.c_str()), 0, 100000);
  if (name == "icy-metaint") attempt.metaInterval = static_cast<size_t>(std::clamp(std::atol(value.c_str()), 0L, 1L << 20));
}

// The first body bytes of a response: an error page or a web page ends the
// connection; audio starts flowing through the metadata splitter.
bool NetStream::Shared::StartBody() {
  long status = 0;
  Curl()->easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400) {
    attempt.failure = BASS_ERROR_FILEOPEN;
    return false;
  }
  {
    std::lock_guard lock(mutex);
    if (tags.contentType.rfind("text/", 0) == 0) {
      attempt.failure = BASS_ERROR_FILEFORM;
      return false;
    }
  }
  attempt.demuxer.emplace(
      attempt.metaInterval, [this](const uint8_t* data, size_t size) { WriteAudio(data, size); },
      [this](const std::string& block) { TakeMetadata(block); });
  connected = true;
  return true;
}

void NetStream::Shared::WriteAudio(const uint8_t* data, size_t size) {
  // A full buffer (a paused song) holds this thread back, and with it the server.
  while (size > 0 && !stop) {
    const size_t written = ring.Write(data, size);
    data += written;
    size -= written;
    downloaded += written;
    if (size > 0) ring.WaitForSpace(stop);
  }
  attempt.lastActivity = Clock::now();
}

void NetStream::Shared::TakeMetadata(const std::string& block) {
  std::lock_guard lock(mutex);
  const std::string& latest = pendingMeta.empty() ? tags.meta : pendingMeta.back().second;
  if (block == latest) return;
  if (pendingMeta.size() == kMaxPendingMeta) pendingMeta.pop_front();
  pendingMeta.emplace_back(ring.TotalWritten(), block);
}

bool NetStream::Shared::Connect() {
  attempt = Attempt{};
  curl = multi ? library->easy_init() : nullptr;
  if (!curl) {
    attempt.failure = BASS_ERROR_NONET;
    return false;
  }
  curl_slist* headers = library->slist_append(nullptr, "Icy-MetaData: 1");
  // SHOUTcast servers answer "ICY 200 OK" instead of an HTTP status line.
  curl_slist* aliases = library->slist_append(nullptr, "ICY 200 OK");
  library->easy_setopt(curl, CURLOPT_URL, url.c_str());
  library->easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  library->easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  library->easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  library->easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  library->easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  library->easy_setopt(curl, CURLOPT_HTTP200ALIASES, aliases);
  library->easy_setopt(curl, CURLOPT_USERAGENT, "Solvane Audio Player/1.1");
  library->easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  library->easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.timeoutMs));
  library->easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
  library->easy_setopt(curl, CURLOPT_HEADERDATA, this);
  library->easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  library->easy_setopt(curl, CURLOPT_WRITEDATA, this);
  library->easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
  library->easy_setopt(curl, CURLOPT_XFERINFODATA, this);
  library->easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  const CURLcode result = Transfer();
  const bool delivered = attempt.demuxer.has_value();
  curl_off_t length = -1;
  library->easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  completed = result == CURLE_OK && delivered && length >= 0;
  if (attempt.failure == BASS_OK && result != CURLE_OK && !delivered) attempt.failure = ErrorOfResult(result);
  // A server that answered but sent nothing playable.
  if (attempt.failure == BASS_OK && !delivered) attempt.failure = BASS_ERROR_FILEFORM;
  library->easy_cleanup(curl);
  curl = nullptr;
  library->slist_free_all(headers);
  library->slist_free_all(aliases);
  connected = false;
  return delivered;
}

CURLcode NetStream::Shared::Transfer() {
  if (library->multi_add_handle(multi, curl) != CURLM_OK) return CURLE_FAILED_INIT;
  CURLcode result = CURLE_ABORTED_BY_CALLBACK;  // unless it ends by itself
  for (int running = 1; running && !stop;) {
    if (library->multi_perform(multi, &running) != CURLM_OK) {
      result = CURLE_FAILED_INIT;
      break;
    }
    int left = 0;
    while (const CURLMsg* message = library->multi_info_read(multi, &left))
      if (message->msg == CURLMSG_DONE) result = message->data.result;
    if (running) library->multi_poll(multi, nullptr, 0, kPollMs, nullptr);
  }
  library->multi_remove_handle(multi, curl);
  return result;
}

bool NetStream::Shared::PauseBeforeRetry() {
  std::unique_lock lock(mutex);
  return !wake.wait_for(lock, std::chrono::milliseconds(options.retryPauseMs), [this] { return stop.load(); });
}

void NetStream::Shared::Run() {
  int retriesLeft = options.retries;
  bool everDelivered = false;
  while (!stop) {
    if (Connect()) {
      everDelivered = true;
      retriesLeft = options.retries;
    }
    if (stop || completed) break;
    // Nothing ever came: there is nothing to go back to.
    if (!everDelivered || retriesLeft-- <= 0) {
      error = attempt.failure != BASS_OK ? attempt.failure : BASS_ERROR_FILEOPEN;
      break;
    }
    if (!PauseBeforeRetry()) break;
  }
  finished = true;
}

namespace {

// The threads of freed streams, on their way out: a stream can be freed on
// the mixer thread, which must not wait for anything, so its thread is
// joined later, by the next stream's start once it has ended or by
// NetStream::JoinFreedThreads. Never destroyed, so a stream freed while the
// program exits still finds it.
struct FreedThreads {
  std::mutex mutex;
  std::vector<std::pair<std::thread, std::shared_ptr<NetStream::Shared>>> threads;
};

FreedThreads& Freed() {
  static auto* freed = new FreedThreads;
  return *freed;
}

}  // namespace

NetStream::NetStream(std::string url, NetOptions options) {
  shared = std::make_shared<Shared>(std::move(url), options);
  thread = std::thread([state = shared.get()] { state->Run(); });
  // Threads that have ended are joined here, so they never pile up.
  FreedThreads& freed = Freed();
  std::lock_guard lock(freed.mutex);
  std::erase_if(freed.threads, [](auto& entry) {
    if (!entry.second->finished) return false;
    entry.first.join();
    return true;
  });
}

NetStream::~NetStream() {
  {
    std::lock_guard lock(shared->mutex);
    shared->stop = true;
  }
  shared->wake.notify_all();
  shared->ring.WakeWriter();
  if (shared->multi) shared->library->multi_wakeup(shared->multi);
  FreedThreads& freed = Freed();
  std::lock_guard lock(freed.mutex);
  freed.threads.emplace_back(std::move(thread), std::move(shared));
}

RingBuffer& NetStream::Buffer() { return shared->ring; }
bool NetStream::Finished() const { return shared->finished; }
int NetStream::Error() const { return shared->error; }
bool NetStream::Connected() const { return shared->connected; }
uint64_t NetStream::Downloaded() const { return shared->downloaded; }

NetTags NetStream::Tags() const {
  std::lock_guard lock(shared->mutex);
  auto& pending = shared->pendingMeta;
  while (!pending.empty() && pending.front().first <= shared->ring.TotalRead()) {
    shared->tags.meta = std::move(pending.front().second);
    pending.pop_front();
  }
  return shared->tags;
}

void NetStream::JoinFreedThreads() {
  std::vector<std::pair<std::thread, std::shared_ptr<Shared>>> leaving;
  {
    FreedThreads& freed = Freed();
    std::lock_guard lock(freed.mutex);
    leaving.swap(freed.threads);
  }
  for (auto& [thread, state] : leaving) thread.join();
}

}  // namespace Bass
