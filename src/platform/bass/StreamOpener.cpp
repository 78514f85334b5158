#include "platform/bass/StreamOpener.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/bass/Mpg123Decoder.h"
#include "platform/bass/OpusDecoder.h"
#include "platform/bass/SndfileDecoder.h"
#include "platform/bass/VorbisDecoder.h"
#include "platform/bass/bass.h"

namespace Bass {

namespace {

using Opener = OpenResult (*)(const std::string&);
// Enough of the file to tell an Ogg page carrying an Opus header from one
// carrying Vorbis: the first packet starts at byte 28 of the first page.
using Head = std::array<unsigned char, 36>;

bool StartsWith(const Head& head, size_t size, const char* magic, size_t at = 0) {
  const size_t length = std::strlen(magic);
  return size >= at + length && std::memcmp(head.data() + at, magic, length) == 0;
}

// The decoder the first bytes of the file point to, or none.
Opener ByContent(const Head& head, size_t size) {
  if (StartsWith(head, size, "OggS")) return StartsWith(head, size, "OpusHead", 28) ? OpenOpusDecoder : OpenVorbisDecoder;
  if (StartsWith(head, size, "RIFF") || StartsWith(head, size, "RIFX") || StartsWith(head, size, "RF64") ||
      StartsWith(head, size, "FORM") || StartsWith(head, size, "fLaC") || StartsWith(head, size, ".snd"))
    return OpenSndfileDecoder;
  if (StartsWith(head, size, "ID3")) return OpenMpg123Decoder;
  // An MPEG audio frame header: 11 sync bits, a valid version and layer.
  if (size >= 2 && head[0] == 0xFF && (head[1] & 0xE0) == 0xE0 && (head[1] & 0x06) != 0 && (head[1] & 0x18) != 0x08)
    return OpenMpg123Decoder;
  return nullptr;
}

Opener ByExtension(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const size_t dot = path.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return nullptr;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return std::tolower(c); });
  if (extension == "mp3" || extension == "mp2" || extension == "mp1") return OpenMpg123Decoder;
  if (extension == "ogg") return OpenVorbisDecoder;
  if (extension == "opus") return OpenOpusDecoder;
  if (extension == "wav" || extension == "flac") return OpenSndfileDecoder;
  return nullptr;
}

}  // namespace

OpenResult OpenStreamDecoder(const std::string& path) {
  // Only regular files: a folder or a pipe would fail late or block.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return {nullptr, BASS_ERROR_FILEOPEN};
  std::ifstream file(path, std::ios::binary);
  if (!file) return {nullptr, BASS_ERROR_FILEOPEN};
  Head head{};
  file.read(reinterpret_cast<char*>(head.data()), head.size());
  const size_t size = static_cast<size_t>(file.gcount());
  if (size == 0) return {nullptr, BASS_ERROR_FORMAT};

  // An Ogg stream goes to the Ogg decoders only, whatever its name says:
  // libsndfile reads Ogg too, but leaks memory on a damaged Vorbis header.
  const bool ogg = StartsWith(head, size, "OggS");
  std::vector<Opener> openers;
  for (Opener opener : {ByContent(head, size), ogg ? nullptr : ByExtension(path)})
    if (opener && std::find(openers.begin(), openers.end(), opener) == openers.end()) openers.push_back(opener);
  for (Opener opener : openers) {
    OpenResult result = opener(path);
    if (result.decoder) return result;
  }
  return {nullptr, BASS_ERROR_FORMAT};
}

}  // namespace Bass
