// Adding a folder of 10,000 tagged songs: how long appending the entries
// takes (the list shows them from their names at once), how long until every
// tag title has arrived, and the longest single stretch the GUI thread spends
// taking in a batch of results. Usage: tag_reading_bench [count] [folder]
// (the files are generated into the folder, a temporary one by default).
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "mediagen/Mp3Writer.h"
#include "mediagen/TaggedFiles.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListSongFacts.h"

namespace {

// Every file is the same short MP3 behind its own ID3v2.4 tag.
QStringList WriteTaggedFiles(const QString& folder, int count) {
  const QString sample = folder + "/sample.mp3";
  MediaGen::ToneSpec spec;
  spec.seconds = 0.5;
  spec.channels = 1;
  MediaGen::WriteMp3(sample.toStdString(), MediaGen::MakeTone(spec), 64);
  QFile in(sample);
  in.open(QIODevice::ReadOnly);
  const QByteArray audio = in.readAll();
  QStringList paths;
  for (int i = 0; i < count; ++i) {
    const std::string tag = MediaGen::Id3v2Tag(
        4, {MediaGen::Id3TextFrame("TPE1", 3, "Artist " + std::to_string(i % 700)),
            MediaGen::Id3TextFrame("TIT2", 3, "Song number " + std::to_string(i))});
    const QString path = QStringLiteral("%1/%2.mp3").arg(folder).arg(i, 5, 10, QLatin1Char('0'));
    QFile out(path);
    out.open(QIODevice::WriteOnly);
    out.write(tag.data(), qint64(tag.size()));
    out.write(audio);
    paths.append(path);
  }
  QFile::remove(sample);
  return paths;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 10'000;
  QTemporaryDir temporary;
  const QString folder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path();
  QDir().mkpath(folder);
  const QStringList paths = WriteTaggedFiles(folder, count);
  // The files were just written, so they are read from the page cache: the
  // figures are those of a folder listed before (a cold disk adds its seeks).

  PlayListModel model;
  PlayListSongFacts facts(model, [] { return true; });
  model.ListChanged = [&facts] { facts.ListChanged(); };

  QElapsedTimer total;
  total.start();
  QStringList entries;
  entries.reserve(count);
  for (const QString& path : paths) entries.append(GeneralFunctions::BuildPlayListEntry(path));
  const double buildMs = total.nsecsElapsed() / 1e6;
  model.Append(entries);
  const double appendMs = total.nsecsElapsed() / 1e6 - buildMs;

  double longestMs = 0;
  int batches = 0;
  while (!facts.Reader.Idle()) {
    QElapsedTimer slice;
    slice.start();
    QCoreApplication::processEvents();
    const double ms = slice.nsecsElapsed() / 1e6;
    if (ms > 0.05) ++batches;
    longestMs = std::max(longestMs, ms);
    QThread::usleep(500);
  }
  const double allMs = total.nsecsElapsed() / 1e6;
  int tagged = 0;
  for (int i = 0; i < model.TotalFiles(); ++i)
    tagged += GeneralFunctions::GetEntrySongTitle(model.Entry(i)).startsWith(QLatin1String("Song number"));

  std::printf("files:                          %d (%d with tag titles)\n", count, tagged);
  std::printf("building the entries:           %.1f ms\n", buildMs);
  std::printf("appending them, queueing paths: %.1f ms\n", appendMs);
  std::printf("every tag title arrived after:  %.2f s\n", allMs / 1000);
  std::printf("longest GUI-thread stretch:     %.2f ms (%d hand-overs)\n", longestMs, batches);
  return tagged == count ? 0 : 1;
}
