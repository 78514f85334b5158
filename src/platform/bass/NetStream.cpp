#include "platform/bass/NetStream.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/bass/IcyMetadata.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

using Clock = std::chrono::steady_clock;

constexpr size_t kMaxHeaderBytes = 64 * 1024;  // per response; more is not a stream
constexpr long kMaxRedirects = 5;
constexpr auto kFullBufferNap = std::chrono::milliseconds(10);
constexpr size_t kMaxPendingMeta = 64;

// Threads of this process still running, for NetStream::WaitForThreads.
std::mutex threadsMutex;
std::condition_variable threadsDone;
int liveThreads = 0;

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
  Shared(std::string url, NetOptions options) : url(std::move(url)), options(options), ring(options.bufferBytes) {}

  const std::string url;
  const NetOptions options;
  RingBuffer ring;
  std::atomic<bool> stop{false}, finished{false}, connected{false};
  std::atomic<int> error{BASS_OK};
  std::atomic<uint64_t> downloaded{0};

  mutable std::mutex mutex;  // guards tags and pendingMeta, and the pause between tries
  std::condition_variable wake;
  mutable NetTags tags;
  // Metadata blocks not yet reached by the decoder, with the buffer's write
  // total where each arrived; a few at most are kept.
  mutable std::deque<std::pair<uint64_t, std::string>> pendingMeta;

  // One connection's state, network thread only.
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
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
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
    if (size > 0) std::this_thread::sleep_for(kFullBufferNap);
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
  curl = curl_easy_init();
  if (!curl) {
    attempt.failure = BASS_ERROR_NONET;
    return false;
  }
  curl_slist* headers = curl_slist_append(nullptr, "Icy-MetaData: 1");
  // SHOUTcast servers answer "ICY 200 OK" instead of an HTTP status line.
  curl_slist* aliases = curl_slist_append(nullptr, "ICY 200 OK");
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_HTTP200ALIASES, aliases);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, "Solvane Audio Player/1.1");
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(options.timeoutMs));
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, this);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  const CURLcode result = curl_easy_perform(curl);
  const bool delivered = attempt.demuxer.has_value();
  curl_off_t length = -1;
  curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length);
  completed = result == CURLE_OK && delivered && length >= 0;
  if (attempt.failure == BASS_OK && result != CURLE_OK && !delivered) attempt.failure = ErrorOfResult(result);
  // A server that answered but sent nothing playable.
  if (attempt.failure == BASS_OK && !delivered) attempt.failure = BASS_ERROR_FILEFORM;
  curl_easy_cleanup(curl);
  curl = nullptr;
  curl_slist_free_all(headers);
  curl_slist_free_all(aliases);
  connected = false;
  return delivered;
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

NetStream::NetStream(std::string url, NetOptions options)
    : shared(std::make_shared<Shared>(std::move(url), options)) {
  static std::once_flag curlReady;
  std::call_once(curlReady, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  {
    std::lock_guard lock(threadsMutex);
    ++liveThreads;
  }
  // The thread keeps the shared state alive on its own, so this object can
  // go without waiting for a connection to give up.
  std::thread([state = shared] {
    state->Run();
    std::lock_guard lock(threadsMutex);
    --liveThreads;
    threadsDone.notify_all();
  }).detach();
}

NetStream::~NetStream() {
  {
    std::lock_guard lock(shared->mutex);
    shared->stop = true;
  }
  shared->wake.notify_all();
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

bool NetStream::WaitForThreads(int milliseconds) {
  std::unique_lock lock(threadsMutex);
  return threadsDone.wait_for(lock, std::chrono::milliseconds(milliseconds), [] { return liveThreads == 0; });
}

}  // namespace Bass
