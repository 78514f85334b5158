#include "OggWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cstdio>

namespace MediaGen {

namespace {

class OggEncoder {
 public:
  OggEncoder() {
    vorbis_info_init(&info_);
    vorbis_comment_init(&comment_);
  }
  ~OggEncoder() {
    if (streamStarted_) ogg_stream_clear(&stream_);
    if (blockStarted_) vorbis_block_clear(&block_);
    if (dspStarted_) vorbis_dsp_clear(&dsp_);
    vorbis_comment_clear(&comment_);
    vorbis_info_clear(&info_);
    if (file_) std::fclose(file_);
  }

  bool Encode(const std::string& path, const PcmAudio& audio, float quality, const Comments& comments) {
    if (vorbis_encode_init_vbr(&info_, audio.channels, audio.sampleRate, quality) != 0) {
      return false;
    }
    file_ = std::fopen(path.c_str(), "wb");
    if (!file_) return false;
    vorbis_comment_add_tag(&comment_, "ENCODER", "solvane mediagen");
    for (const auto& [name, value] : comments) vorbis_comment_add_tag(&comment_, name.c_str(), value.c_str());
    vorbis_analysis_init(&dsp_, &info_);
    dspStarted_ = true;
    vorbis_block_init(&dsp_, &block_);
    blockStarted_ = true;
    ogg_stream_init(&stream_, 0x501a);  // fixed serial: identical files on every build
    streamStarted_ = true;

    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp_, &comment_, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream_, &header);
    ogg_stream_packetin(&stream_, &commentHeader);
    ogg_stream_packetin(&stream_, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream_, &page) != 0) WritePage(page);

    constexpr int64_t kChunk = 4096;
    for (int64_t frame = 0; frame < audio.Frames(); frame += kChunk) {
      const int64_t count = std::min(kChunk, audio.Frames() - frame);
      float** buffer = vorbis_analysis_buffer(&dsp_, int(count));
      for (int64_t i = 0; i < count; ++i) {
        for (int c = 0; c < audio.channels; ++c) {
          buffer[c][i] = audio.samples[size_t((frame + i) * audio.channels + c)];
        }
      }
      vorbis_analysis_wrote(&dsp_, int(count));
      Drain();
    }
    vorbis_analysis_wrote(&dsp_, 0);
    Drain();
    return std::fflush(file_) == 0 && !std::ferror(file_);
  }

 private:
  void WritePage(const ogg_page& page) {
    std::fwrite(page.header, 1, size_t(page.header_len), file_);
    std::fwrite(page.body, 1, size_t(page.body_len), file_);
  }

  void Drain() {
    ogg_packet packet;
    ogg_page page;
    while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
      vorbis_analysis(&block_, nullptr);
      vorbis_bitrate_addblock(&block_);
      while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
        ogg_stream_packetin(&stream_, &packet);
        while (ogg_stream_pageout(&stream_, &page) != 0) WritePage(page);
      }
    }
    if (ogg_stream_eos(&stream_) == 0) return;
    while (ogg_stream_flush(&stream_, &page) != 0) WritePage(page);
  }

  vorbis_info info_;
  vorbis_comment comment_;
  vorbis_dsp_state dsp_{};
  vorbis_block block_{};
  ogg_stream_state stream_{};
  bool dspStarted_ = false, blockStarted_ = false, streamStarted_ = false;
  std::FILE* file_ = nullptr;
};

}  // namespace

bool WriteOgg(const std::string& path, const PcmAudio& audio, float quality, const Comments& comments) {
  OggEncoder encoder;
  return encoder.Encode(path, audio, quality, comments);
}

}  // namespace MediaGen
