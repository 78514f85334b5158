#include "Mp3Writer.h"

#include <lame/lame.h>

#include <algorithm>
#include <fstream>
#include <memory>

namespace MediaGen {

bool WriteMp3(const std::string& path, const PcmAudio& audio, int kilobitsPerSecond) {
  Mp3Options options;
  options.kilobitsPerSecond = kilobitsPerSecond;
  return WriteMp3(path, audio, options);
}

bool WriteMp3(const std::string& path, const PcmAudio& audio, const Mp3Options& options) {
  if (audio.channels < 1 || audio.channels > 2) return false;
  std::unique_ptr<lame_global_flags, decltype(&lame_close)> lame(lame_init(), &lame_close);
  if (!lame) return false;
  lame_set_in_samplerate(lame.get(), audio.sampleRate);
  lame_set_out_samplerate(lame.get(), audio.sampleRate);
  lame_set_num_channels(lame.get(), audio.channels);
  lame_set_mode(lame.get(), audio.channels == 1 ? MONO : JOINT_STEREO);
  if (options.variableBitRate) {
    lame_set_VBR(lame.get(), vbr_default);
    lame_set_VBR_quality(lame.get(), 2);
  } else {
    lame_set_VBR(lame.get(), vbr_off);
    lame_set_brate(lame.get(), options.kilobitsPerSecond);
  }
  lame_set_free_format(lame.get(), options.freeFormat ? 1 : 0);
  lame_set_bWriteVbrTag(lame.get(), options.lameTag ? 1 : 0);
  if (lame_init_params(lame.get()) < 0) return false;

  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  std::vector<unsigned char> out;
  const std::vector<int16_t> pcm = ToInt16(audio);
  constexpr int kChunk = 8192;
  for (int64_t frame = 0; frame < audio.Frames(); frame += kChunk) {
    const int count = int(std::min<int64_t>(kChunk, audio.Frames() - frame));
    out.resize(size_t(count) * 5 / 4 + 7200);
    std::vector<short> left(static_cast<size_t>(count)), right(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
      left[size_t(i)] = pcm[size_t((frame + i) * audio.channels)];
      right[size_t(i)] = pcm[size_t((frame + i) * audio.channels + audio.channels - 1)];
    }
    const int bytes = lame_encode_buffer(lame.get(), left.data(), right.data(), count, out.data(),
                                         int(out.size()));
    if (bytes < 0) return false;
    file.write(reinterpret_cast<const char*>(out.data()), bytes);
  }
  out.resize(7200);
  const int tail = lame_encode_flush(lame.get(), out.data(), int(out.size()));
  if (tail < 0) return false;
  file.write(reinterpret_cast<const char*>(out.data()), tail);

  // The Xing/LAME tag goes into the first frame, reserved at the start.
  std::vector<unsigned char> tag(options.lameTag ? lame_get_lametag_frame(lame.get(), nullptr, 0) : 0);
  if (!tag.empty() && lame_get_lametag_frame(lame.get(), tag.data(), tag.size()) == tag.size()) {
    file.seekp(0);
    file.write(reinterpret_cast<const char*>(tag.data()), std::streamsize(tag.size()));
  }
  file.close();
  return bool(file);
}

}  // namespace MediaGen
