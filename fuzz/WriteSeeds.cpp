// Writes a starting corpus for every fuzz target from the player's own
// writers and generators: fuzz_seeds OUTPUT_FOLDER DEFAULT_SKIN_FOLDER

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <cstdio>
#include <iterator>
#include <vector>

#include "app/SettingsFile.h"
#include "equalizer/EQPresets.h"
#include "equalizer/WinampEqf.h"
#include "mediagen/CdImageWriter.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/PcmAudio.h"
#include "mediagen/TaggedFiles.h"
#include "platform/localcddb/XmcdEntry.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"

namespace {

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool CopyMatching(const QDir& from, const QStringList& patterns, const QString& to) {
  bool copied = false;
  for (const QFileInfo& info : from.entryInfoList(patterns, QDir::Files)) {
    QFile::remove(to + "/" + info.fileName());
    copied = QFile::copy(info.filePath(), to + "/" + info.fileName()) || copied;
  }
  return copied;
}

LocalCDDB::CDLibraryRecord SampleRecord() {
  LocalCDDB::CDLibraryRecord record;
  LocalCDDB::SetRecordText(record.DiscId, QStringLiteral("2a03a905"));
  LocalCDDB::SetRecordText(record.Artist, QStringLiteral("Solvane"));
  LocalCDDB::SetRecordText(record.Title, QStringLiteral("Seeds"));
  LocalCDDB::SetRecordText(record.TrackTitles[0], QStringLiteral("First"));
  LocalCDDB::SetRecordText(record.TrackTitles[1], QStringLiteral("Second\twith a tab"));
  record.TOC.TrackCount = 2;
  SetEntryFrames(record.TOC.Tracks[0], 150);
  SetEntryFrames(record.TOC.Tracks[1], 15000);
  SetEntryFrames(record.TOC.LeadOut, 30000);
  return record;
}

// A Winamp skin archive holding, one folder down, the default skin's text
// files and one bitmap under Winamp names.
// A short tone as a station sends it: MP3 with a metadata block every 4096
// bytes (the first byte's 64 x 64), or Ogg Vorbis without metadata.
bool WriteStationSeed(const QString& path, bool ogg) {
  MediaGen::ToneSpec spec;
  spec.seconds = 0.5;
  const std::string encoded = path.toStdString() + ".encoded";
  if (!(ogg ? MediaGen::WriteOgg(encoded, MediaGen::MakeTone(spec)) : MediaGen::WriteMp3(encoded, MediaGen::MakeTone(spec), 64)))
    return false;
  QFile file(QString::fromStdString(encoded));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray audio = file.readAll();
  file.remove();
  if (ogg) return WriteBytes(path, QByteArray(1, '\0') + audio);
  const QByteArray block = QByteArray(1, '\2') + QByteArray("StreamTitle='Artist - Song';").leftJustified(32, '\0');
  QByteArray wire(1, char(64));
  for (qsizetype at = 0; at < audio.size(); at += 4096) wire += audio.mid(at, 4096) + block;
  return WriteBytes(path, wire);
}

bool WriteSkinArchive(const QString& path, const QDir& skin) {
  QFile::remove(path);
  int error = 0;
  zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) return false;
  const std::pair<const char*, const char*> files[] = {
      {"Skin/main.bmp", "MonoStereo.bmp"}, {"Skin/pledit.txt", "Playlist.txt"}, {"Skin/readme.txt", "Readme.txt"}};
  std::vector<QByteArray> contents;
  contents.reserve(std::size(files));
  for (const auto& [name, source] : files) {
    QFile file(skin.filePath(QString::fromLatin1(source)));
    contents.push_back(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    zip_source_t* data = zip_source_buffer(archive, contents.back().constData(),
                                           static_cast<zip_uint64_t>(contents.back().size()), 0);
    if (!data || zip_file_add(archive, name, data, ZIP_FL_OVERWRITE) < 0) {
      zip_source_free(data);
      zip_discard(archive);
      return false;
    }
  }
  return zip_close(archive) == 0;
}

}  // namespace

// Short tagged songs of each kind, each behind the byte that names its extension.
bool WriteSongSeeds(const QString& folder) {
  MediaGen::ToneSpec spec;
  spec.seconds = 0.2;
  const MediaGen::PcmAudio tone = MediaGen::MakeTone(spec);
  const MediaGen::Comments tags{{"ARTIST", "Seed Artist"}, {"TITLE", "Seed Title"}};
  const std::string scratch = (folder + "/scratch").toStdString();
  const auto seed = [&](char kind, const char* name, bool written) {
    QFile in(QString::fromStdString(scratch));
    const bool ok = written && in.open(QIODevice::ReadOnly) && WriteBytes(folder + "/" + name, kind + in.readAll());
    in.remove();
    return ok;
  };
  bool ok = seed(0, "tagged.mp3", MediaGen::WriteMp3(scratch, tone, 64) &&
                                      MediaGen::WrapFile(scratch,
                                                         MediaGen::Id3v2Tag(4, {MediaGen::Id3TextFrame("TIT2", 3, "Seed")}),
                                                         MediaGen::Id3v1Tag("Seed", "Seed Artist")));
  ok = seed(1, "tagged.flac", MediaGen::WriteFlac(scratch, tone, "Seed Artist", "Seed Title")) && ok;
  ok = seed(2, "tagged.opus", MediaGen::WriteOpus(scratch, tone, tags)) && ok;
  ok = seed(3, "tagged.ogg", MediaGen::WriteOgg(scratch, tone, 0.1f, tags)) && ok;
  return ok;
}

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER DEFAULT_SKIN_FOLDER\n", argv[0]);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const QDir skin(QString::fromLocal8Bit(argv[2]));
  for (const char* target : {"settings", "playlist", "skin_text", "skin_bitmap", "cursor", "xmcd", "disc_image",
                             "presets", "skin_archive", "cddb_replies", "song_files", "stream_data"})
    out.mkpath(QString::fromLatin1(target));
  const auto at = [&out](const char* target, const char* name) {
    return out.filePath(QString::fromLatin1(target) + "/" + QString::fromLatin1(name));
  };

  bool ok = PlatformUi::WriteTextLines(at("settings", "default.ini"),
                                       SettingsToLines(DefaultSavedSettings(QStringLiteral("/p/"))));
  ok = PlayListFile::WritePlayListFile(
           at("playlist", "own.pls"),
           {GeneralFunctions::BuildPlayListEntry("/m/Artist - Song.mp3"),
            GeneralFunctions::BuildPlayListEntry("/dev/sr0/Track01.cda")}) && ok;
  ok = WriteBytes(at("playlist", "list.m3u"), "#EXTM3U\n#EXTINF:12,Artist - Song\nsong.mp3\n/abs/x.ogg\n") && ok;
  ok = WriteBytes(at("playlist", "list.pls"), "[playlist]\nFile1=a.mp3\nTitle1=A\nNumberOfEntries=1\nVersion=2\n") && ok;
  ok = CopyMatching(skin, {"*.txt"}, out.filePath("skin_text")) && ok;
  ok = CopyMatching(skin, {"MonoStereo.bmp", "numbers.bmp", "EQPLButtons.bmp"}, out.filePath("skin_bitmap")) && ok;
  ok = CopyMatching(skin, {"*.Cur"}, out.filePath("cursor")) && ok;
  ok = WriteBytes(at("xmcd", "entry.xmcd"), LocalCDDB::CreateXmcdEntry(SampleRecord(), QStringLiteral("seeds"))) && ok;
  ok = MediaGen::WriteCueBin(at("disc_image", "disc.cue").toStdString(), {{}, {}}) && ok;
  QFile::remove(at("disc_image", "disc.bin"));  // the target makes its own data file
  ok = WriteSkinArchive(at("skin_archive", "skin.wsz"), skin) && ok;
  const LocalCDDB::CDLibraryRecord record = SampleRecord();
  ok = WriteBytes(at("cddb_replies", "read.txt"),
                  "210 misc 2a03a905 CD database entry follows\r\n" +
                      LocalCDDB::CreateXmcdEntry(record, QStringLiteral("seeds")) + ".\r\n") && ok;
  ok = WriteBytes(at("cddb_replies", "matches.txt"),
                  "211 close matches found\r\nrock 2a03a905 Solvane / Seeds\r\nmisc 2a03a906 Other / Disc\r\n.\r\n") && ok;
  ok = WriteBytes(at("cddb_replies", "banner.txt"), "201 server ready\r\n200 rock 2a03a905 Solvane / Seeds\r\n") && ok;
  ok = WriteBytes(at("cddb_replies", "sites.txt"),
                  "210 OK, site information follows\r\nfreedb.example 8880 cddbp - N000.00 W000.00 Example\r\n.\r\n") && ok;
  EqualizerPresets::InitDefaultPresets();
  ok = PlatformUi::WriteTextLines(at("presets", "default.EQP"), EqualizerPresets::PresetsToLines()) && ok;
  ok = WriteBytes(at("presets", "one.EQF"), WinampEqf::WriteEqf({EqualizerPresets::EmptyUserPreset()})) && ok;
  ok = WriteSongSeeds(out.filePath(QStringLiteral("song_files"))) && ok;
  ok = WriteStationSeed(at("stream_data", "station.mp3"), false) && ok;
  ok = WriteStationSeed(at("stream_data", "station.ogg"), true) && ok;
  if (!ok) std::fprintf(stderr, "fuzz_seeds: could not write every seed\n");
  return ok ? 0 : 1;
}
