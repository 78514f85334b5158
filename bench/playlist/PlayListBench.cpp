// Large playlists: loading 100,000 entries, sorting them by title, shuffling
// them, deleting half of them, adding a folder of 10,000 songs, and finding
// entries by typing ("Jump to File"), per keystroke.
// Run with an optional locale name (default en_US) as the first argument.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "playlist/JumpToFileFilter.h"
#include "playlist/PlayListAdding.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListSorting.h"

namespace {

constexpr int kListSize = 100'000;
constexpr int kFolderSize = 10'000;

QStringList ManyEntries() {
  QStringList entries;
  entries.reserve(kListSize);
  for (int i = 0; i < kListSize; ++i) {
    const int mixed = (i * 7919) % kListSize;
    entries.append(GeneralFunctions::BuildPlayListEntry(
        QStringLiteral("/home/listener/Music/Artist %1/Album %2/artist %1 - Song number %3.mp3")
            .arg(mixed % 700)
            .arg(mixed % 13)
            .arg(mixed)));
  }
  return entries;
}

QTemporaryDir& Scratch() {
  static QTemporaryDir folder;
  return folder;
}

QString PlayListPath() {
  static const QString path = [] {
    const QString file = Scratch().filePath("large.pls");
    PlayListFile::WritePlayListFile(file, ManyEntries());
    return file;
  }();
  return path;
}

QString SongFolder() {
  static const QString folder = [] {
    const QString songs = Scratch().filePath("songs");
    QDir().mkpath(songs);
    const char* extensions[] = {".mp3", ".ogg", ".wav", ".mod", ".txt"};
    for (int i = 0; i < kFolderSize; ++i) {
      QFile(QStringLiteral("%1/artist %2 - song %3%4").arg(songs).arg(i % 97).arg(i).arg(
                QLatin1String(extensions[i % 5])))
          .open(QIODevice::WriteOnly);
    }
    return songs;
  }();
  return folder;
}

void LoadPlayList(benchmark::State& state) {
  const QString path = PlayListPath();
  for (auto _ : state) {
    PlayListModel model;
    model.ReplaceEntries(PlayListFile::ReadPlayListFile(path).entries);
    benchmark::DoNotOptimize(model.TotalFiles());
  }
}

void SavePlayList(benchmark::State& state) {
  PlayListModel model;
  model.ReplaceEntries(ManyEntries());
  const QString path = Scratch().filePath("saved.pls");
  for (auto _ : state) PlayListFile::WritePlayListFile(path, model.Entries());
}

void ReorderPlayList(benchmark::State& state, uint8_t sortType) {
  const QStringList entries = ManyEntries();
  for (auto _ : state) {
    state.PauseTiming();
    PlayListModel model;
    model.ReplaceEntries(entries);
    state.ResumeTiming();
    PlayListSorting::SortPlayList(model, sortType);
  }
}

void DeleteHalf(benchmark::State& state) {
  const QStringList entries = ManyEntries();
  for (auto _ : state) {
    state.PauseTiming();
    PlayListModel model;
    model.ReplaceEntries(entries);
    model.CurrentSongIndex = kListSize / 2;
    for (int i = 0; i < kListSize; i += 2) model.SetSelected(i, true);
    state.ResumeTiming();
    model.DeleteSelectedItems();
  }
}

void AddFolder(benchmark::State& state) {
  const QString folder = SongFolder();
  for (auto _ : state) {
    PlayListModel model;
    PlayListAdding::AddPathsToPlayList(model, PlayListAdding::ScanFolder(folder), false);
    benchmark::DoNotOptimize(model.TotalFiles());
  }
}

void OpenJumpToFile(benchmark::State& state) {
  const QStringList entries = ManyEntries();
  for (auto _ : state) {
    JumpToFileFilter filter(entries);
    benchmark::DoNotOptimize(filter.Matches({}).size());
  }
}

// Each iteration is one keystroke. Typing on narrows the last matches; a
// keystroke that does not (the first letter, a deletion) scans every entry.
void JumpToFileKeystroke(benchmark::State& state, bool typingOn) {
  const QString typed = QStringLiteral("artist 4 song 471");
  JumpToFileFilter filter(ManyEntries());
  int length = 0;
  size_t matches = 0;
  for (auto _ : state) {
    length = length % typed.size() + 1;
    const QString query = typingOn ? typed.left(length) : (length % 2 ? QStringLiteral("song 4") : QStringLiteral("artist 69"));
    matches += filter.Matches(query).size();
  }
  benchmark::DoNotOptimize(matches);
}

}  // namespace

BENCHMARK(OpenJumpToFile)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(JumpToFileKeystroke, TypingOn, true)->Unit(benchmark::kMillisecond)->Iterations(170);
BENCHMARK_CAPTURE(JumpToFileKeystroke, EveryEntryScanned, false)->Unit(benchmark::kMillisecond)->Iterations(50);
BENCHMARK(LoadPlayList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SavePlayList)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ReorderPlayList, SortBySongTitle, PlayListSorting::stSongTitle)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ReorderPlayList, SortByPathAndFileName, PlayListSorting::stPathAndFileName)
    ->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ReorderPlayList, Randomize, PlayListSorting::stRandomize)
    ->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DeleteHalf)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(AddFolder)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString locale = argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1]) : "en_US";
  QLocale::setDefault(QLocale(locale));
  std::printf("locale: %s\n", qPrintable(QLocale().name()));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
