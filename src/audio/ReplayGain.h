#pragma once
// ReplayGain: the loudness corrections a song's tags carry (ID3v2 TXXX
// frames, Vorbis comments, APE items, Opus R128 gains), read through TagLib,
// and the factor the engine applies to the song's samples for them.
#include <QString>

#include <cstdint>
#include <optional>

namespace KestrelixAudioApi {

struct ReplayGainTags {
  std::optional<double> trackGainDb, trackPeak;
  std::optional<double> albumGainDb, albumPeak;
};

enum ReplayGainModeValue : uint8_t { rgOff = 0, rgTrack = 1, rgAlbum = 2 };

// The song file's gains and peaks; a value that is not a number, not finite
// or out of any sensible range is left out.
ReplayGainTags ReadReplayGainTags(const QString& path);

// The linear factor for the mode: the album gain (album mode, when the song
// has one) or the track gain, else `preAmpDb` for a song without gain; held
// down so that the song's peak stays at or below full scale.
double ReplayGainFactor(const ReplayGainTags& tags, uint8_t mode, double preAmpDb);

}  // namespace KestrelixAudioApi
