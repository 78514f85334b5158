#include "RadioServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"

namespace TestSupport {

namespace {

constexpr size_t kSendChunk = 4096;

std::string ReadRequest(int client) {
  std::string request;
  char buffer[1024];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < 16384) {
    const ssize_t got = recv(client, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  return request;
}

std::string MetadataBlock(const std::string& title) {
  std::string text = "StreamTitle='" + title + "';";
  text.resize((text.size() + 15) / 16 * 16, '\0');
  return std::string(1, static_cast<char>(text.size() / 16)) + text;
}

}  // namespace

RadioShow ToneShow(bool ogg, int channels, int rate, double seconds) {
  MediaGen::ToneSpec spec;
  spec.frequencies = {440};
  spec.seconds = seconds;
  spec.channels = channels;
  spec.sampleRate = rate;
  // The encoders write files: one in the temporary folder, gone afterwards.
  const std::string path = (std::filesystem::temp_directory_path() /
                            ("solvane-station-" + std::to_string(getpid()) + (ogg ? ".ogg" : ".mp3")))
                               .string();
  const bool written = ogg ? MediaGen::WriteOgg(path, MediaGen::MakeTone(spec))
                           : MediaGen::WriteMp3(path, MediaGen::MakeTone(spec), 128);
  RadioShow show;
  std::ifstream file(path, std::ios::binary);
  if (written) show.audio.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  if (ogg) {
    show.contentType = "application/ogg";
  } else {
    show.metaInterval = 8192;
    show.bitRate = 128;
  }
  return show;
}

RadioServer::RadioServer(RadioShow show, Misbehaviour misbehaviour) : show(std::move(show)), misbehaviour(misbehaviour) {
  listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
  listen(listener, 16);
  socklen_t length = sizeof address;
  getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
  port = ntohs(address.sin_port);
  acceptor = std::thread([this] { Accept(); });
}

RadioServer::~RadioServer() {
  stop = true;
  acceptor.join();
  std::lock_guard lock(clientsMutex);
  for (int client : clients) shutdown(client, SHUT_RDWR);
  for (std::thread& thread : threads) thread.join();
  for (int client : clients) close(client);
  close(listener);
}

std::string RadioServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

void RadioServer::Accept() {
  while (!stop) {
    pollfd waiting{listener, POLLIN, 0};
    if (poll(&waiting, 1, 20) <= 0) continue;
    const int client = accept(listener, nullptr, nullptr);
    if (client < 0) continue;
    const int number = ++connections;
    std::lock_guard lock(clientsMutex);
    clients.push_back(client);
    threads.emplace_back([this, client, number] { Serve(client, number); });
  }
}

bool RadioServer::Send(int client, const void* data, size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0 && !stop) {
    const ssize_t sent = send(client, bytes, size, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes += sent;
    size -= static_cast<size_t>(sent);
  }
  return !stop;
}

void RadioServer::Serve(int client, int number) {
  const std::string request = ReadRequest(client);
  if (show.answeredConnections >= 0 && number > show.answeredConnections) {
    shutdown(client, SHUT_RDWR);
    return;
  }
  const auto sendText = [this, client](const std::string& text) { return Send(client, text.data(), text.size()); };
  for (const auto& [path, page] : show.pages) {
    if (request.rfind("GET " + path + " ", 0) != 0) continue;
    sendText("HTTP/1.0 200 OK\r\nContent-Type: audio/x-scpls\r\n\r\n" + page);
    shutdown(client, SHUT_RDWR);
    return;
  }
  if (request.rfind("GET /redirect", 0) == 0) {
    sendText("HTTP/1.1 302 Found\r\nLocation: /stream\r\nContent-Length: 0\r\n\r\n");
    shutdown(client, SHUT_RDWR);
    return;
  }
  switch (misbehaviour) {
    case Misbehaviour::Silent:
      while (!stop) std::this_thread::sleep_for(std::chrono::milliseconds(10));
      return;
    case Misbehaviour::NotFound:
      sendText("HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html><body>Not here</body></html>");
      shutdown(client, SHUT_RDWR);
      return;
    case Misbehaviour::WebPage:
      sendText("HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<!DOCTYPE html><html><body>A radio's web page</body></html>");
      shutdown(client, SHUT_RDWR);
      return;
    case Misbehaviour::EndlessHeader:
      sendText("HTTP/1.0 200 OK\r\n");
      while (sendText("X-Filler: " + std::string(1000, 'a') + "\r\n")) {}
      return;
    default: break;
  }
  const bool metadata = show.metaInterval > 0 && request.find("Icy-MetaData: 1") != std::string::npos;
  std::string head = show.icyStatusLine ? "ICY 200 OK\r\n" : "HTTP/1.0 200 OK\r\n";
  head += "Content-Type: " + show.contentType + "\r\nicy-name: " + show.name + "\r\n";
  if (show.bitRate > 0) head += "icy-br: " + std::to_string(show.bitRate) + "\r\n";
  if (metadata) head += "icy-metaint: " + std::to_string(show.metaInterval) + "\r\n";
  if (!sendText(head + "\r\n")) return;

  size_t at = 0, sent = 0, sinceMeta = 0, blocks = 0;
  const auto started = std::chrono::steady_clock::now();
  while (!stop && !show.audio.empty()) {
    if (show.bytesPerSecond > 0) {
      const auto due = started + std::chrono::milliseconds(int64_t(sent) * 1000 / show.bytesPerSecond - 1000);
      std::this_thread::sleep_until(due);
    }
    size_t count = std::min(kSendChunk, show.audio.size() - at);
    if (metadata) count = std::min(count, show.metaInterval - sinceMeta);
    if (show.dropAfterBytes > 0) count = std::min(count, show.dropAfterBytes - sent);
    if (!Send(client, show.audio.data() + at, count)) return;
    at = (at + count) % show.audio.size();
    sent += count;
    sinceMeta += count;
    if (show.dropAfterBytes > 0 && sent >= show.dropAfterBytes) {
      shutdown(client, SHUT_RDWR);
      return;
    }
    if (metadata && sinceMeta == show.metaInterval) {
      sinceMeta = 0;
      std::string block = MetadataBlock(show.titles[(blocks / show.blocksPerTitle) % show.titles.size()]);
      if (misbehaviour == Misbehaviour::LyingMetadata && blocks == 0) block[0] = static_cast<char>(255);
      ++blocks;
      if (!sendText(block)) return;
    }
  }
  shutdown(client, SHUT_RDWR);
}

}  // namespace TestSupport
