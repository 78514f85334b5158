#pragma once
// WAV files through libsndfile: written in any PCM or float sub-format, and
// read back as floating-point audio (for comparing against fixtures); tagged
// FLAC files are written the same way.
#include <sndfile.h>

#include <optional>
#include <string>

#include "PcmAudio.h"

namespace MediaGen {

// subformat is a libsndfile sub-format such as SF_FORMAT_PCM_U8, SF_FORMAT_PCM_16,
// SF_FORMAT_PCM_24, SF_FORMAT_PCM_32 or SF_FORMAT_FLOAT.
bool WriteWav(const std::string& path, const PcmAudio& audio, int subformat = SF_FORMAT_PCM_16);

// 16-bit FLAC with a Vorbis comment block holding ARTIST and TITLE when given.
bool WriteFlac(const std::string& path, const PcmAudio& audio, const std::string& artist = {},
               const std::string& title = {});

std::optional<PcmAudio> ReadAudioFile(const std::string& path);

}  // namespace MediaGen
