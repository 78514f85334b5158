#include "ReplayGain.h"

#include <QFile>

#include <taglib/apetag.h>
#include <taglib/fileref.h>
#include <taglib/mpegfile.h>
#include <taglib/tpropertymap.h>

#include <cmath>

namespace KestrelixAudioApi {

namespace {

// Gains beyond these are damaged or hostile tags, not loudness corrections.
constexpr double kMaxGainDb = 60;
constexpr double kMaxPeak = 16;
// R128 gains are relative to -23 LUFS, ReplayGain's to -18 LUFS.
constexpr double kR128ToReplayGainDb = 5;

std::optional<double> Number(const TagLib::PropertyMap& tags, const char* key) {
  const auto found = tags.find(key);
  if (found == tags.end() || found->second.isEmpty()) return std::nullopt;
  QString text = QString::fromStdString(found->second.front().to8Bit(true)).trimmed();
  if (text.endsWith(QLatin1String("db"), Qt::CaseInsensitive)) text.chop(2);
  bool isNumber = false;
  const double value = text.trimmed().toDouble(&isNumber);
  return isNumber && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

std::optional<double> Gain(const TagLib::PropertyMap& tags, const char* key) {
  const auto gain = Number(tags, key);
  return gain && std::abs(*gain) <= kMaxGainDb ? gain : std::nullopt;
}

std::optional<double> Peak(const TagLib::PropertyMap& tags, const char* key) {
  const auto peak = Number(tags, key);
  return peak && *peak > 0 && *peak <= kMaxPeak ? peak : std::nullopt;
}

// An Opus R128 gain: a whole number of 1/256 dB.
std::optional<double> R128Gain(const TagLib::PropertyMap& tags, const char* key) {
  const auto steps = Number(tags, key);
  if (!steps || *steps != std::trunc(*steps) || std::abs(*steps) > 32767) return std::nullopt;
  return *steps / 256 + kR128ToReplayGainDb;
}

void TakeFrom(const TagLib::PropertyMap& tags, ReplayGainTags& gains) {
  if (!gains.trackGainDb) gains.trackGainDb = Gain(tags, "REPLAYGAIN_TRACK_GAIN");
  if (!gains.trackGainDb) gains.trackGainDb = R128Gain(tags, "R128_TRACK_GAIN");
  if (!gains.albumGainDb) gains.albumGainDb = Gain(tags, "REPLAYGAIN_ALBUM_GAIN");
  if (!gains.albumGainDb) gains.albumGainDb = R128Gain(tags, "R128_ALBUM_GAIN");
  if (!gains.trackPeak) gains.trackPeak = Peak(tags, "REPLAYGAIN_TRACK_PEAK");
  if (!gains.albumPeak) gains.albumPeak = Peak(tags, "REPLAYGAIN_ALBUM_PEAK");
}

}  // namespace

ReplayGainTags ReadReplayGainTags(const QString& path) {
  ReplayGainTags gains;
  const QByteArray file = QFile::encodeName(path);
  TagLib::FileRef ref(file.constData(), false);
  if (ref.isNull()) return gains;
  TakeFrom(ref.file()->properties(), gains);
  // An MP3 shows its ID3v2 tag first; ReplayGain may sit in its APE tag.
  if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(ref.file()); mpeg && mpeg->hasAPETag())
    TakeFrom(mpeg->APETag()->properties(), gains);
  return gains;
}

double ReplayGainFactor(const ReplayGainTags& tags, uint8_t mode, double preAmpDb) {
  if (mode == rgOff) return 1;
  const bool album = mode == rgAlbum && tags.albumGainDb;
  const std::optional<double> gain = album ? tags.albumGainDb : tags.trackGainDb;
  const std::optional<double> peak = album && tags.albumPeak ? tags.albumPeak : tags.trackPeak;
  const double factor = std::pow(10.0, gain.value_or(preAmpDb) / 20);
  return peak ? std::min(factor, 1 / *peak) : factor;
}

}  // namespace KestrelixAudioApi
