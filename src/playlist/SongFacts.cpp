#include "SongFacts.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <libopenmpt/libopenmpt.hpp>

#include <cmath>
#include <fstream>
#include <sstream>

#include <taglib/fileref.h>
#include <taglib/flacfile.h>
#include <taglib/itfile.h>
#include <taglib/modfile.h>
#include <taglib/mpegfile.h>
#include <taglib/opusfile.h>
#include <taglib/s3mfile.h>
#include <taglib/tpropertymap.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xmfile.h>

#include "audio/KestrelixAudioApi.h"
#include "platform/bass/Mpg123Decoder.h"
#include "platform/cdaccess/CdAccess.h"
#include "playlist/PlayListEntry.h"

namespace SongFacts {

namespace {

QString FromTagLib(const TagLib::String& text) { return CleanTagText(QString::fromStdString(text.to8Bit(true))); }

QString MpegFormat(const TagLib::MPEG::Properties& properties) {
  static const char* versions[] = {"MPEG-1", "MPEG-2", "MPEG-2.5"};
  const int version = static_cast<int>(properties.version());
  return QStringLiteral("%1 Layer %2").arg(QLatin1String(versions[version >= 0 && version < 3 ? version : 0]))
      .arg(properties.layer());
}

QString FormatOf(TagLib::File* file) {
  if (auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file))
    return mpeg->audioProperties() ? MpegFormat(*mpeg->audioProperties()) : QStringLiteral("MPEG audio");
  if (dynamic_cast<TagLib::Ogg::Vorbis::File*>(file)) return QStringLiteral("Ogg Vorbis");
  if (dynamic_cast<TagLib::Ogg::Opus::File*>(file)) return QStringLiteral("Opus");
  if (dynamic_cast<TagLib::FLAC::File*>(file)) return QStringLiteral("FLAC");
  if (dynamic_cast<TagLib::RIFF::WAV::File*>(file)) return QStringLiteral("WAV");
  if (dynamic_cast<TagLib::Mod::File*>(file)) return QStringLiteral("Protracker module");
  if (dynamic_cast<TagLib::XM::File*>(file)) return QStringLiteral("Fast Tracker module");
  if (dynamic_cast<TagLib::S3M::File*>(file)) return QStringLiteral("Scream Tracker module");
  if (dynamic_cast<TagLib::IT::File*>(file)) return QStringLiteral("Impulse Tracker module");
  return QStringLiteral("Audio file");
}

// "D:/Track05.cda"-style paths: drive root, then "Track" and the number.
Facts CdTrackFacts(const QString& path) {
  Facts facts;
  const QString name = GeneralFunctions::FileNameOfPath(path);
  bool ok = false;
  const int track = name.mid(5, name.size() - 9).toInt(&ok);
  QString drive = GeneralFunctions::FolderOfPath(path);
  drive.chop(1);
  CDTOCRecord toc;
  if (!ok || track < 1 || drive.isEmpty() || CdAccess::ReadToc(drive, toc) != CdAccess::TocStatus::Ok ||
      track > toc.TrackCount)
    return facts;
  const TOCEntry& end = track < toc.TrackCount ? toc.Tracks[track] : toc.LeadOut;
  const int frames = EntryFrames(end) - EntryFrames(toc.Tracks[track - 1]);
  if (frames < 0) return facts;
  facts.seconds = frames / FramesPerSecond;
  facts.format = QStringLiteral("Audio CD track");
  facts.bitRate = 1411;
  facts.sampleRate = 44100;
  facts.channels = 2;
  return facts;
}

// TagLib names tracker modules but knows neither their length nor every
// format (MTM, UMX); libopenmpt walks a module's song without rendering it.
void AddModuleFacts(const QString& path, Facts& facts) {
  std::ifstream file(QFile::encodeName(path).toStdString(), std::ios::binary);
  std::ostringstream silentLog;
  try {
    const openmpt::module module(file, silentLog);
    const double seconds = module.get_duration_seconds();
    if (seconds > 0) facts.seconds = static_cast<int>(std::lround(seconds));
    if (facts.format.isEmpty()) facts.format = QString::fromStdString(module.get_metadata("type_long"));
    if (facts.title.isEmpty()) facts.title = CleanTagText(QString::fromStdString(module.get_metadata("title")));
  } catch (const std::exception&) {
    // Not a module libopenmpt can read: nothing more is known.
  }
}

bool IsModule(const QString& path) {
  return KestrelixAudioApi::FileKindOfPath(path).fileKind == KestrelixAudioApi::fkMusic;
}

bool HasMpegExtension(const QString& path) {
  static const QStringList extensions{QStringLiteral(".mp1"), QStringLiteral(".mp2"), QStringLiteral(".mp3")};
  return extensions.contains(GeneralFunctions::FileExtensionOfPath(path).toLower());
}

// Only a Xing or VBRI header states an MPEG file's length; without one TagLib
// guesses it from the first frame's bit rate, and a free-format file has none.
bool MpegLengthEstimated(TagLib::File* file) {
  auto* mpeg = dynamic_cast<TagLib::MPEG::File*>(file);
  return mpeg && (!mpeg->audioProperties() || !mpeg->audioProperties()->xingHeader());
}

}  // namespace

QString CleanTagText(const QString& text) {
  QString clean = text.left(kMaxTagText * 4);
  for (QChar& c : clean)
    if (c.unicode() < 32 || c.unicode() == 0x7F) c = QLatin1Char(' ');
  for (const char* tag : {GeneralFunctions::kSongPathTag, GeneralFunctions::kSongArtistTag, GeneralFunctions::kSongTitleTag})
    clean.remove(QLatin1String(tag));
  clean = clean.trimmed();
  // Never leave half of a surrogate pair at the cut.
  int cut = std::min<int>(clean.size(), kMaxTagText);
  if (cut < clean.size() && clean.at(cut).isLowSurrogate()) --cut;
  return clean.left(cut).trimmed();
}

QString LengthText(int seconds) {
  if (seconds < 0) return {};
  const int hours = seconds / 3600;
  const int minutes = seconds / 60 % 60;
  const QString rest = QStringLiteral("%1").arg(seconds % 60, 2, 10, QLatin1Char('0'));
  if (hours == 0) return QStringLiteral("%1:%2").arg(minutes).arg(rest);
  return QStringLiteral("%1:%2:%3").arg(hours).arg(minutes, 2, 10, QLatin1Char('0')).arg(rest);
}

bool ApplyTagsToEntry(const Facts& facts, QString& entry) {
  const QString before = entry;
  if (!facts.artist.isEmpty()) GeneralFunctions::SetEntrySongArtist(facts.artist, entry);
  if (!facts.title.isEmpty()) GeneralFunctions::SetEntrySongTitle(facts.title, entry);
  return entry != before;
}

void ScanExactLength(const QString& path, Facts& facts) {
  if (!facts.lengthEstimated) return;
  facts.lengthEstimated = false;
  const std::optional<Bass::Mpg123Scan> scan = Bass::ScanMpg123File(QFile::encodeName(path).toStdString());
  if (!scan) return;
  facts.seconds = static_cast<int>(std::lround(static_cast<double>(scan->frames) / static_cast<double>(scan->rate)));
  if (facts.sampleRate <= 0) facts.sampleRate = static_cast<int>(scan->rate);
  if (facts.channels <= 0) facts.channels = scan->channels;
  if (facts.format.isEmpty()) facts.format = QStringLiteral("MPEG audio");
}

Facts ReadSongFacts(const QString& path, Detail detail) {
  if (GeneralFunctions::FileExtensionOfPath(path).compare(QLatin1String(".cda"), Qt::CaseInsensitive) == 0)
    return CdTrackFacts(path);
  Facts facts;
  // Only regular files: a pipe or a device would block the reader.
  if (!QFileInfo(path).isFile()) return facts;
  const QByteArray name = QFile::encodeName(path);
  TagLib::FileRef ref(name.constData(), true, TagLib::AudioProperties::Fast);
  if (ref.isNull()) {
    if (IsModule(path)) AddModuleFacts(path, facts);
    facts.lengthEstimated = HasMpegExtension(path);
    return facts;
  }
  facts.format = FormatOf(ref.file());
  facts.lengthEstimated = MpegLengthEstimated(ref.file());
  if (const TagLib::Tag* tag = ref.tag()) {
    facts.artist = FromTagLib(tag->artist());
    facts.title = FromTagLib(tag->title());
    facts.album = FromTagLib(tag->album());
  }
  if (const TagLib::AudioProperties* audio = ref.audioProperties()) {
    const int milliseconds = audio->lengthInMilliseconds();
    facts.seconds = milliseconds > 0 ? (milliseconds + 500) / 1000 : -1;
    facts.bitRate = audio->bitrate();
    facts.sampleRate = audio->sampleRate();
    facts.channels = audio->channels();
  }
  if (IsModule(path) && facts.seconds < 0) AddModuleFacts(path, facts);
  if (detail == Detail::AllTags) {
    const TagLib::PropertyMap properties = ref.file()->properties();
    for (const auto& [key, values] : properties)
      for (const TagLib::String& value : values) facts.tags.emplace_back(FromTagLib(key), FromTagLib(value));
  }
  return facts;
}

}  // namespace SongFacts
