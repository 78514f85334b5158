#include "WavFile.h"

namespace MediaGen {

bool WriteWav(const std::string& path, const PcmAudio& audio, int subformat) {
  SF_INFO info{};
  info.samplerate = audio.sampleRate;
  info.channels = audio.channels;
  info.format = SF_FORMAT_WAV | subformat;
  SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
  if (!file) return false;
  sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
  const sf_count_t written = sf_writef_float(file, audio.samples.data(), audio.Frames());
  return sf_close(file) == 0 && written == audio.Frames();
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
