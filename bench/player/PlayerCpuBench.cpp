// The whole player's CPU cost, read from /proc: the real program runs on the
// display in $DISPLAY (a virtual one such as Xvfb is fine) with the silent
// output, stopped, playing a 128 kbps MP3 with the visual effects off,
// playing it with the spectrum showing, playing it under a Winamp skin with
// the deck's analyzer off and showing, and playing the same MP3 as an
// internet stream from a station on 127.0.0.1 sending in real time. Prints
// the share of one core per thread and in total, and the wake-ups per second
// (context switches).
//   player_cpu_bench [SECONDS]      (default 20 per case)
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <csignal>

#include <cstdio>
#include <map>

#include "mediagen/Mp3Writer.h"
#include "mediagen/PcmAudio.h"
#include "support/RadioServer.h"

namespace {

constexpr int kWarmUpMs = 3000;
constexpr int kSkinsFolderLine = 2, kSkinNameLine = 3;
constexpr int kModeLine = 33;   // the visual-effects mode; the level meter follows it
constexpr int kSpectrum = 2, kEffectsOff = 3;
constexpr int kDeckVisualizationLine = 47;
constexpr int kDeckAnalyzer = 0, kDeckVisualizationOff = 2;

struct ThreadSample {
  QString name;
  long long ticks = 0;     // user + system clock ticks
  long long switches = 0;  // voluntary + involuntary context switches
};

std::map<QString, ThreadSample> SampleThreads(qint64 pid) {
  std::map<QString, ThreadSample> threads;
  const QString taskFolder = QStringLiteral("/proc/%1/task").arg(pid);
  for (const QString& tid : QDir(taskFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile stat(taskFolder + "/" + tid + "/stat");
    QFile status(taskFolder + "/" + tid + "/status");
    if (!stat.open(QIODevice::ReadOnly) || !status.open(QIODevice::ReadOnly)) continue;
    const QString text = QString::fromLatin1(stat.readAll());
    ThreadSample sample;
    sample.name = text.section('(', 1).section(')', 0, 0);
    const QStringList fields = text.section(')', 1).split(' ', Qt::SkipEmptyParts);
    sample.ticks = fields.value(11).toLongLong() + fields.value(12).toLongLong();  // utime, stime
    for (const QString& line : QString::fromLatin1(status.readAll()).split('\n'))
      if (line.contains(QLatin1String("ctxt_switches"))) sample.switches += line.section(':', 1).trimmed().toLongLong();
    threads[tid] = sample;
  }
  return threads;
}

// Replaces lines of the settings file by their index.
bool EditSettings(const QString& ini, const std::map<int, QString>& values) {
  QFile file(ini);
  if (!file.open(QIODevice::ReadOnly)) return false;
  QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
  file.close();
  for (const auto& [index, value] : values) {
    if (index >= lines.size()) return false;
    lines[index] = value;
  }
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  file.write(lines.join(QStringLiteral("\r\n")).toUtf8());
  return true;
}

bool SetEffectsMode(const QString& ini, int mode) {
  return EditSettings(ini, {{kModeLine, QString::number(mode)},
                            {kModeLine + 1, mode == kEffectsOff ? QStringLiteral("False") : QStringLiteral("True")}});
}

// The base skin in the Winamp layout, with the deck's visualization in the given mode.
bool WearWinampSkin(const QString& ini, const QString& home, int deckMode) {
  return EditSettings(ini, {{kSkinsFolderLine, home + QStringLiteral("/skins/Default")},
                            {kSkinNameLine, QStringLiteral("Winamp")},
                            {kDeckVisualizationLine, QString::number(deckMode)}});
}

QProcess* StartPlayer(const QString& home, const QStringList& songs) {
  auto* player = new QProcess;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("SOLVANE_HOME"), home);
  env.insert(QStringLiteral("SOLVANE_AUDIO_OUTPUT"), QStringLiteral("null"));
  player->setProcessEnvironment(env);
  player->setProcessChannelMode(QProcess::ForwardedChannels);
  player->start(QStringLiteral(SOLVANE_PROGRAM_FOLDER "/solvane"), songs);
  player->waitForStarted();
  return player;
}

void EndPlayer(QProcess* player) {
  ::kill(static_cast<pid_t>(player->processId()), SIGTERM);
  if (!player->waitForFinished(10000)) player->kill();
  delete player;
}

void Measure(const char* what, const QString& home, const QStringList& songs, int seconds) {
  QProcess* player = StartPlayer(home, songs);
  QThread::msleep(kWarmUpMs);
  const qint64 pid = player->processId();
  const auto before = SampleThreads(pid);
  QThread::sleep(static_cast<unsigned long>(seconds));
  const auto after = SampleThreads(pid);
  EndPlayer(player);

  const double ticksPerSecond = double(sysconf(_SC_CLK_TCK));
  std::printf("\n%s (%d s):\n", what, seconds);
  double total = 0, wakeups = 0;
  for (const auto& [tid, end] : after) {
    const auto start = before.find(tid);
    if (start == before.end()) continue;
    const double percent = double(end.ticks - start->second.ticks) / ticksPerSecond / seconds * 100;
    const double perSecond = double(end.switches - start->second.switches) / seconds;
    total += percent;
    wakeups += perSecond;
    if (percent > 0 || perSecond >= 1)
      std::printf("  %-7s %-18s %6.2f %%  %7.1f wake-ups/s\n", qPrintable(tid), qPrintable(end.name), percent,
                  perSecond);
  }
  std::printf("  %-26s %6.2f %%  %7.1f wake-ups/s\n", "total", total, wakeups);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "set DISPLAY (for example: Xvfb :99 & DISPLAY=:99 %s)\n", argv[0]);
    return 2;
  }
  QTemporaryDir home;
  if (!home.isValid() || !QFile::link(QStringLiteral(SOLVANE_PROGRAM_FOLDER "/skins"), home.filePath("skins"))) {
    std::fprintf(stderr, "cannot prepare a program folder\n");
    return 1;
  }
  // A 128 kbps MP3 longer than the measurement.
  MediaGen::ToneSpec spec;
  spec.frequencies = {110, 220, 330, 440, 660, 880, 1320, 3520};
  spec.seconds = seconds + 15;
  const QString song = home.filePath(QStringLiteral("song.mp3"));
  if (!MediaGen::WriteMp3(song.toStdString(), MediaGen::MakeTone(spec), 128)) return 1;

  // The first start writes the default settings file.
  const QString ini = home.filePath(QStringLiteral("solvane.ini"));
  QProcess* first = StartPlayer(home.path(), {});
  for (int waited = 0; waited < 100 && !QFile::exists(ini); ++waited) QThread::msleep(100);
  QThread::msleep(1000);
  EndPlayer(first);
  if (!SetEffectsMode(ini, kEffectsOff)) {
    std::fprintf(stderr, "the player wrote no settings file\n");
    return 1;
  }
  Measure("stopped", home.path(), {}, seconds);
  SetEffectsMode(ini, kEffectsOff);
  Measure("playing, visual effects off", home.path(), {song}, seconds);
  SetEffectsMode(ini, kSpectrum);
  Measure("playing, spectrum showing", home.path(), {song}, seconds);
  SetEffectsMode(ini, kEffectsOff);
  WearWinampSkin(ini, home.path(), kDeckVisualizationOff);
  Measure("Winamp skin, playing, deck visualization off", home.path(), {song}, seconds);
  WearWinampSkin(ini, home.path(), kDeckAnalyzer);
  Measure("Winamp skin, playing, deck analyzer showing", home.path(), {song}, seconds);
  EditSettings(ini, {{kSkinsFolderLine, home.path() + QStringLiteral("/skins")}, {kSkinNameLine, QStringLiteral("Default")}});

  TestSupport::RadioShow show;
  QFile encoded(song);
  if (!encoded.open(QIODevice::ReadOnly)) return 1;
  const QByteArray bytes = encoded.readAll();
  show.audio.assign(bytes.begin(), bytes.end());
  show.metaInterval = 16000;
  show.bitRate = 128;
  show.bytesPerSecond = 16000;
  TestSupport::RadioServer station(show);
  SetEffectsMode(ini, kEffectsOff);
  Measure("internet stream of it, visual effects off", home.path(), {QString::fromStdString(station.Url())}, seconds);
  return 0;
}
