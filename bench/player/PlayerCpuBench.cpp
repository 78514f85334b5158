// The whole player's cost, read from /proc (per thread, scheduler time): the real program runs on the
// display in $DISPLAY (a virtual one such as Xvfb is fine) with the silent
// output, stopped, playing a 128 kbps MP3 with the visual effects and the
// level meter off, with the level meter alone, with the spectrum and the
// meter, under the Winamp base skin with the deck's analyzer off and showing,
// playing the same MP3 as an internet stream from a station on
// 127.0.0.1 sending in real time, and, when `pulseaudio` can be started,
// through a private PulseAudio server's null sink (a real sound server's
// timing, nothing heard). Prints for each case the share of one core per
// thread and in total, the wake-ups per second (context switches), the
// resident and proportional memory at the end, and the time from the
// program's start to its first mapped window. A last case plays short MP3s
// that follow each other without a gap (a seam every two seconds, each next
// song opened ahead); for every case the highest share a thread had in any
// 100 ms window shows whether a seam costs more than a block's mix.
//   player_cpu_bench [--program PATH] [--case TEXT] [--runs N] [SECONDS]   (default 20 per case)
// --program measures another build of the player, say one from before a change;
// --case only the cases whose title holds TEXT; --runs measures each case N
// times and ends it with the medians, for a machine whose figures wander.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <poll.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "mediagen/Mp3Writer.h"
#include "mediagen/PcmAudio.h"
#include "support/RadioServer.h"

namespace {

constexpr int kWarmUpMs = 3000;
constexpr int kWindowMs = 100;
constexpr int kModeLine = 33;  // the visual-effects mode, then whether the level meter is on
constexpr int kSpectrum = 2, kEffectsOff = 3;
constexpr int kFirstWindowTimeoutMs = 10000;
constexpr int kSkinsFolderLine = 2, kSkinNameLine = 3;
constexpr int kDeckVisualizationLine = 54;
constexpr int kDeckAnalyzer = 0, kDeckVisualizationOff = 2;

struct ThreadSample {
  QString name;
  long long runNs = 0;     // time on a CPU, from the scheduler's own accounting
  long long switches = 0;  // voluntary + involuntary context switches
};

std::map<QString, ThreadSample> SampleThreads(qint64 pid) {
  std::map<QString, ThreadSample> threads;
  const QString taskFolder = QStringLiteral("/proc/%1/task").arg(pid);
  for (const QString& tid : QDir(taskFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile comm(taskFolder + "/" + tid + "/comm");
    QFile schedstat(taskFolder + "/" + tid + "/schedstat");
    QFile status(taskFolder + "/" + tid + "/status");
    if (!comm.open(QIODevice::ReadOnly) || !schedstat.open(QIODevice::ReadOnly) || !status.open(QIODevice::ReadOnly))
      continue;
    ThreadSample sample;
    sample.name = QString::fromLatin1(comm.readAll()).trimmed();
    // Nanoseconds, not the 10 ms clock ticks of `stat`, which a thread busy
    // for a fraction of a percent would make all or nothing.
    sample.runNs = QString::fromLatin1(schedstat.readAll()).section(' ', 0, 0).toLongLong();
    for (const QString& line : QString::fromLatin1(status.readAll()).split('\n'))
      if (line.contains(QLatin1String("ctxt_switches"))) sample.switches += line.section(':', 1).trimmed().toLongLong();
    threads[tid] = sample;
  }
  return threads;
}

// Resident and proportional set sizes in KiB (shared pages count in full in
// the first, divided among their sharers in the second).
struct MemorySample {
  long rssKiB = 0, pssKiB = 0;
};

MemorySample SampleMemory(qint64 pid) {
  QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
  MemorySample sample;
  if (!rollup.open(QIODevice::ReadOnly)) return sample;
  for (const QString& line : QString::fromLatin1(rollup.readAll()).split('\n')) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    if (words.size() < 2) continue;
    if (words[0] == QLatin1String("Rss:")) sample.rssKiB = words[1].toLong();
    if (words[0] == QLatin1String("Pss:")) sample.pssKiB = words[1].toLong();
  }
  return sample;
}

// Watches the display for windows being mapped: started before the player,
// it tells when the player's first window appeared. A window without a
// process id (a window manager's frame) counts as the player's.
class MapWatch {
 public:
  MapWatch() : connection(Connect()) {
    if (xcb_connection_has_error(connection)) return;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    for (auto screens = xcb_setup_roots_iterator(xcb_get_setup(connection)); screens.rem; xcb_screen_next(&screens))
      xcb_change_window_attributes(connection, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    auto* atom = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (atom) pidAtom = atom->atom;
    free(atom);
    xcb_flush(connection);
  }
  ~MapWatch() { xcb_disconnect(connection); }

  // Milliseconds on `clock` when a window of `pid` was mapped; nothing when
  // none was within the time-out.
  std::optional<qint64> WaitForFirstWindow(qint64 pid, const QElapsedTimer& clock) {
    if (xcb_connection_has_error(connection)) return std::nullopt;
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (clock.elapsed() < kFirstWindowTimeoutMs) {
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
        const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
        const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        free(event);
        if (mapped && BelongsTo(window, pid)) return clock.elapsed();
      }
      poll(&watched, 1, 50);
    }
    return std::nullopt;
  }

 private:
  // A connection made right after the last player left its display is now
  // and then refused; a few tries a moment apart get one.
  static xcb_connection_t* Connect() {
    xcb_connection_t* made = xcb_connect(nullptr, nullptr);
    for (int tries = 1; tries < 20 && xcb_connection_has_error(made); ++tries) {
      xcb_disconnect(made);
      QThread::msleep(25);
      made = xcb_connect(nullptr, nullptr);
    }
    return made;
  }

  bool BelongsTo(xcb_window_t window, qint64 pid) {
    auto* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    const bool known = reply && xcb_get_property_value_length(reply) == 4;
    const bool ours = !known || *static_cast<const uint32_t*>(xcb_get_property_value(reply)) == uint32_t(pid);
    free(reply);
    return ours;
  }

  xcb_connection_t* connection;
  xcb_atom_t pidAtom = XCB_ATOM_NONE;
};

// A PulseAudio server of our own with a null sink, reached through a socket
// in a temporary folder, so the measurement neither needs nor disturbs a
// desktop's sound server.
class PrivatePulseServer {
 public:
  bool Start() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty() || !folder.isValid()) return false;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"}) env.insert(QLatin1String(name), folder.path());
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    server.setStandardErrorFile(folder.filePath(QStringLiteral("pulseaudio.log")));
    server.start(program, {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                           QStringLiteral("-L"), QStringLiteral("module-null-sink"), QStringLiteral("-L"),
                           QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(Socket())});
    if (!server.waitForStarted()) return false;
    for (int waited = 0; waited < 100 && !QFile::exists(Socket()); ++waited) QThread::msleep(50);
    return QFile::exists(Socket()) && server.state() == QProcess::Running;
  }
  ~PrivatePulseServer() {
    if (server.state() == QProcess::NotRunning) return;
    server.terminate();
    if (!server.waitForFinished(5000)) server.kill();
  }
  QString Socket() const { return folder.filePath(QStringLiteral("socket")); }

 private:
  QTemporaryDir folder;
  QProcess server;
};

struct Setup {
  QString program;
  QString onlyCases;  // measured when their title holds this
  QString home;
  int seconds = 20;
  int runs = 1;  // of each case; with more than one, the medians follow the runs
};

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

bool SetEffects(const QString& ini, int mode, bool levelMeter) {
  return EditSettings(ini, {{kModeLine, QString::number(mode)},
                            {kModeLine + 1, levelMeter ? QStringLiteral("True") : QStringLiteral("False")}});
}

// The skin in the given folder (the base skin in the Winamp layout, or the
// default one), with the deck's visualization in the given mode.
bool WearSkin(const QString& ini, const QString& folder, const QString& name, int deckMode = kDeckVisualizationOff) {
  return EditSettings(ini, {{kSkinsFolderLine, folder},
                            {kSkinNameLine, name},
                            {kDeckVisualizationLine, QString::number(deckMode)}});
}

QProcessEnvironment SilentOutput() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("SOLVANE_AUDIO_OUTPUT"), QStringLiteral("null"));
  return env;
}

std::unique_ptr<QProcess> StartPlayer(const Setup& setup, const QStringList& songs, QProcessEnvironment env) {
  auto player = std::make_unique<QProcess>();
  env.insert(QStringLiteral("SOLVANE_HOME"), setup.home);
  player->setProcessEnvironment(env);
  player->setProcessChannelMode(QProcess::ForwardedChannels);
  player->start(setup.program, songs);
  player->waitForStarted();
  return player;
}

void EndPlayer(QProcess& player) {
  ::kill(static_cast<pid_t>(player.processId()), SIGTERM);
  if (!player.waitForFinished(10000)) player.kill();
}

// One run's figures, for the medians of several.
struct RunFigures {
  double percent = 0, wakeups = 0, rssMiB = 0;
  qint64 firstWindowMs = -1;  // none seen
};

RunFigures MeasureOnce(const char* what, const Setup& setup, const QStringList& songs, const QProcessEnvironment& env) {
  MapWatch windows;
  QElapsedTimer sinceStart;
  sinceStart.start();
  const auto player = StartPlayer(setup, songs, env);
  const qint64 pid = player->processId();
  const std::optional<qint64> firstWindowMs = windows.WaitForFirstWindow(pid, sinceStart);
  QThread::msleep(static_cast<unsigned long>(std::max<qint64>(0, kWarmUpMs - sinceStart.elapsed())));
  const auto before = SampleThreads(pid);
  std::map<QString, int64_t> peakNs;  // the most run time a thread had in one window
  auto last = before;
  for (int window = 0; window < setup.seconds * 1000 / kWindowMs; ++window) {
    QThread::msleep(kWindowMs);
    auto now = SampleThreads(pid);
    for (const auto& [tid, sample] : now)
      if (const auto earlier = last.find(tid); earlier != last.end())
        peakNs[tid] = std::max(peakNs[tid], int64_t(sample.runNs - earlier->second.runNs));
    last = std::move(now);
  }
  const auto after = last;
  const MemorySample memory = SampleMemory(pid);
  EndPlayer(*player);

  std::printf("\n%s (%d s):\n", what, setup.seconds);
  double total = 0, wakeups = 0;
  for (const auto& [tid, end] : after) {
    const auto start = before.find(tid);
    if (start == before.end()) continue;
    const double percent = double(end.runNs - start->second.runNs) / 1e9 / setup.seconds * 100;
    const double peak = double(peakNs[tid]) / 1e6 / kWindowMs * 100;
    const double perSecond = double(end.switches - start->second.switches) / setup.seconds;
    total += percent;
    wakeups += perSecond;
    if (percent >= 0.005 || perSecond >= 1)
      std::printf("  %-7s %-18s %6.2f %%  peak %5.1f %% per %d ms  %7.1f wake-ups/s\n", qPrintable(tid),
                  qPrintable(end.name), percent, peak, kWindowMs, perSecond);
  }
  std::printf("  %-26s %6.2f %%  %7.1f wake-ups/s\n", "total", total, wakeups);
  std::printf("  memory at the end: RSS %.1f MB, PSS %.1f MB\n", memory.rssKiB / 1024.0, memory.pssKiB / 1024.0);
  if (firstWindowMs)
    std::printf("  first window mapped %lld ms after the start\n", static_cast<long long>(*firstWindowMs));
  else
    std::printf("  no window seen mapped within %d ms (or the display could not be watched)\n", kFirstWindowTimeoutMs);
  return {total, wakeups, memory.rssKiB / 1024.0, firstWindowMs.value_or(-1)};
}

template <typename T>
T Median(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Measure(const char* what, const Setup& setup, const QStringList& songs,
             const QProcessEnvironment& env = SilentOutput()) {
  if (!QString::fromUtf8(what).contains(setup.onlyCases)) return;
  std::vector<double> percents, wakeups, rss;
  std::vector<qint64> firstWindows;
  for (int run = 0; run < setup.runs; ++run) {
    const RunFigures figures = MeasureOnce(what, setup, songs, env);
    percents.push_back(figures.percent);
    wakeups.push_back(figures.wakeups);
    rss.push_back(figures.rssMiB);
    if (figures.firstWindowMs >= 0) firstWindows.push_back(figures.firstWindowMs);
  }
  if (setup.runs <= 1) return;
  std::printf("  median of %d runs: %.2f %%, %.1f wake-ups/s, RSS %.1f MB", setup.runs, Median(percents),
              Median(wakeups), Median(rss));
  if (firstWindows.empty()) std::printf(", no first window seen\n");
  else std::printf(", first window %lld ms (of %zu runs)\n", static_cast<long long>(Median(firstWindows)), firstWindows.size());
}

void MeasureThroughPulseAudio(const Setup& setup, const QString& song) {
  PrivatePulseServer pulse;
  if (!pulse.Start()) {
    std::printf("\nthrough PulseAudio: skipped, pulseaudio cannot be started here\n");
    return;
  }
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("SOLVANE_AUDIO_OUTPUT"));
  env.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("pulseaudio"));
  env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + pulse.Socket());
  Measure("playing through PulseAudio (null sink), visual effects and level meter off", setup, {song}, env);
}

void MeasureInternetStream(const Setup& setup, const QString& song) {
  TestSupport::RadioShow show;
  QFile encoded(song);
  if (!encoded.open(QIODevice::ReadOnly)) return;
  const QByteArray bytes = encoded.readAll();
  show.audio.assign(bytes.begin(), bytes.end());
  show.metaInterval = 16000;
  show.bitRate = 128;
  show.bytesPerSecond = 16000;
  TestSupport::RadioServer station(show);
  Measure("internet stream of it, visual effects and level meter off", setup,
          {QString::fromStdString(station.Url())});
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Setup setup;
  setup.program = QStringLiteral(SOLVANE_PROGRAM_FOLDER "/solvane");
  QStringList arguments = app.arguments().mid(1);
  while (arguments.size() >= 2 && arguments[0].startsWith(QLatin1String("--"))) {
    if (arguments[0] == QLatin1String("--program")) setup.program = QFileInfo(arguments[1]).absoluteFilePath();
    if (arguments[0] == QLatin1String("--case")) setup.onlyCases = arguments[1];
    if (arguments[0] == QLatin1String("--runs")) setup.runs = std::max(1, arguments[1].toInt());
    arguments = arguments.mid(2);
  }
  if (!arguments.isEmpty()) setup.seconds = std::max(1, arguments[0].toInt());
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    std::fprintf(stderr, "set DISPLAY (for example: Xvfb :99 & DISPLAY=:99 %s)\n", argv[0]);
    return 2;
  }
  QTemporaryDir home;
  if (!home.isValid() || !QFile::link(QStringLiteral(SOLVANE_PROGRAM_FOLDER "/skins"), home.filePath("skins"))) {
    std::fprintf(stderr, "cannot prepare a program folder\n");
    return 1;
  }
  setup.home = home.path();
  // A 128 kbps MP3 longer than the measurement.
  MediaGen::ToneSpec spec;
  spec.frequencies = {110, 220, 330, 440, 660, 880, 1320, 3520};
  spec.seconds = setup.seconds + 15;
  const QString song = home.filePath(QStringLiteral("song.mp3"));
  if (!MediaGen::WriteMp3(song.toStdString(), MediaGen::MakeTone(spec), 128)) return 1;

  // The first start writes the default settings file.
  const QString ini = home.filePath(QStringLiteral("solvane.ini"));
  {
    const auto first = StartPlayer(setup, {}, SilentOutput());
    for (int waited = 0; waited < 100 && !QFile::exists(ini); ++waited) QThread::msleep(100);
    QThread::msleep(1000);
    EndPlayer(*first);
  }
  if (!SetEffects(ini, kEffectsOff, false)) {
    std::fprintf(stderr, "the player wrote no settings file\n");
    return 1;
  }
  Measure("stopped", setup, {});
  SetEffects(ini, kEffectsOff, false);
  Measure("playing, visual effects and level meter off", setup, {song});
  SetEffects(ini, kEffectsOff, true);
  Measure("playing, level meter only", setup, {song});
  SetEffects(ini, kSpectrum, true);
  Measure("playing, spectrum and level meter", setup, {song});
  SetEffects(ini, kEffectsOff, false);
  const QString skins = home.filePath(QStringLiteral("skins"));
  WearSkin(ini, skins + QStringLiteral("/Default"), QStringLiteral("Winamp"), kDeckVisualizationOff);
  Measure("Winamp skin, playing, deck visualization off", setup, {song});
  WearSkin(ini, skins + QStringLiteral("/Default"), QStringLiteral("Winamp"), kDeckAnalyzer);
  Measure("Winamp skin, playing, deck analyzer showing", setup, {song});
  WearSkin(ini, skins, QStringLiteral("Default"));
  SetEffects(ini, kEffectsOff, false);
  MeasureInternetStream(setup, song);
  SetEffects(ini, kEffectsOff, false);
  MeasureThroughPulseAudio(setup, song);

  // Two-second songs cut from one recording, so each seam joins a running wave.
  spec.seconds = 2;
  QStringList shortSongs;
  for (int i = 0; i < setup.seconds / 2 + 4; ++i) {
    shortSongs.append(home.filePath(QStringLiteral("part%1.mp3").arg(i, 3, 10, QLatin1Char('0'))));
    if (!MediaGen::WriteMp3(shortSongs.last().toStdString(), MediaGen::MakeTone(spec), 128)) return 1;
  }
  SetEffects(ini, kEffectsOff, false);
  Measure("playing 2-second MP3s one into the next, visual effects and level meter off", setup, shortSongs);
  return 0;
}
