#include "WavFile.h"

#include <utility>
#include <vector>

namespace MediaGen {

namespace {

// strings are (SF_STR_* id, text), set before the audio so that they land in the header.
bool WriteSoundFile(const std::string& path, const PcmAudio& audio, int format,
                    const std::vector<std::pair<int, std::string>>& strings) {
  SF_INFO info{};
  info.samplerate = audio.sampleRate;
  info.channels = audio.channels;
  info.format = format;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  for (const auto& [id, text] : strings)
    if (!text.empty()) sf_set_string(file, id, text.c_str());
  sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
  const sf_count_t written = sf_writef_float(file, audio.samples.data(), audio.Frames());
  return sf_close(file) == 0 && written == audio.Frames();
}

}  // namespace

bool WriteWav(const std::string& path, const PcmAudio& audio, int subformat) {
  return WriteSoundFile(path, audio, SF_FORMAT_WAV | subformat, {});
}

bool WriteFlac(const std::string& path, const PcmAudio& audio, const std::string& artist, const std::string& title) {
  return WriteSoundFile(path, audio, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, {{SF_STR_ARTIST, artist}, {SF_STR_TITLE, title}});
}

std::optional<PcmAudio> ReadAudioFile(const std::string& path) {
  SF_INFO info{};
  SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
  if (!file) return std::nullopt;
  PcmAudio audio;
  audio.sampleRate = info.samplerate;
  audio.channels = info.channels;
  audio.samples.resize(size_t(info.frames) * size_t(info.channels));
  const sf_count_t read = sf_readf_float(file, audio.samples.data(), info.frames);
  sf_close(file);
  audio.samples.resize(size_t(read) * size_t(info.channels));
  return audio;
}

}  // namespace MediaGen
