// A soak run of the whole player: a thousand short generated songs of every
// format, played fast through the silent output while random presses of the
// deck's buttons, slider drags, skin switches and playlist edits go on.
//   solvane_soak [SECONDS]   (default 600)
// It prints the process size every ten seconds and, at the end, what it did,
// whether playback ever stuck, and how the size moved after the first minute.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <random>

#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/TDeckForm.h"
#include "audio/BASSApi.h"
#include "audio/KestrelixAudioApi.h"
#include "mediagen/CdImageWriter.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/OggWriter.h"
#include "mediagen/PcmAudio.h"
#include "mediagen/WavFile.h"
#include "platform/ui/FileDialogService.h"
#include "platform/ui/MessageBoxService.h"
#include "playlist/PlayListEntry.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "../ResidentSize.h"

namespace {

constexpr int kSongs = 1000;

class CountingMessageBoxes : public PlatformUi::MessageBoxService {
 public:
  QMessageBox::StandardButton Show(const QString&, const QString&, QMessageBox::Icon,
                                   QMessageBox::StandardButtons) override {
    ++shown;
    return QMessageBox::Ok;
  }
  int shown = 0;
};

class CancellingFileDialogs : public PlatformUi::FileDialogService {
 public:
  QStringList OpenFileNames(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
  QString ExistingFolder(QWidget*, const QString&, const QString&) override { return {}; }
};


// One song of each kind in turn, each half a second to two seconds long.
QStringList GenerateSongs(const QDir& folder) {
  QStringList paths;
  MediaGen::ModuleSong module = MediaGen::SteadyNoteSong(1);
  for (int i = 0; i < kSongs; ++i) {
    MediaGen::ToneSpec spec;
    spec.frequencies = {220.0 + 7 * (i % 50)};
    spec.seconds = 0.5 + (i % 4) * 0.5;
    const std::string base = folder.filePath(QStringLiteral("song %1").arg(i)).toStdString();
    std::string path;
    bool written = false;
    switch (i % 7) {
      case 0: written = MediaGen::WriteWav(path = base + ".wav", MediaGen::MakeTone(spec)); break;
      case 1: written = MediaGen::WriteOgg(path = base + ".ogg", MediaGen::MakeTone(spec)); break;
      case 2: written = MediaGen::WriteMp3(path = base + ".mp3", MediaGen::MakeTone(spec)); break;
      case 3: written = MediaGen::WriteMod(path = base + ".mod", module); break;
      case 4: written = MediaGen::WriteXm(path = base + ".xm", module); break;
      case 5: written = MediaGen::WriteS3m(path = base + ".s3m", module); break;
      default: written = MediaGen::WriteIt(path = base + ".it", module); break;
    }
    if (written) paths.append(QString::fromStdString(path));
  }
  return paths;
}

class Soak {
 public:
  Soak(QStringList songs, QString skinA, QString skinB)
      : songs_(std::move(songs)), skins_{std::move(skinA), std::move(skinB)} {}

  void Act() {
    ++actions_;
    TDeckForm* deck = DeckForm;
    PlayListModel& list = PlayListEditorForm->PlayList;
    switch (Pick(11)) {
      case 0: Click(deck->PlayButton); break;
      case 1: Click(deck->PauseButton); break;
      case 2: Click(deck->StopButton); break;
      case 3: Click(deck->ForwardButton); break;
      case 4: Click(deck->BackwardButton); break;
      case 5: Click(Pick(2) ? deck->RepeatButton : deck->ShuffleButton); break;
      case 6: Click(Pick(2) ? deck->EqualizerButton : deck->PlaylistButton); break;
      case 7: Drag(Pick(3) == 0 ? deck->VolumeButton : Pick(2) ? deck->BalanceButton : deck->PosBarButton); break;
      case 8:
        if (list.TotalFiles() > 0) {
          list.SetSelected(Pick(list.TotalFiles()), true);
          list.DeleteSelectedItems();
        }
        break;
      case 9: list.MoveEntry(Pick(std::max(1, list.TotalFiles())), Pick(std::max(1, list.TotalFiles()))); break;
      default: PlayListEditorForm->AddDroppedFiles({songs_[Pick(songs_.size())]}); break;
    }
    if (actions_ % 200 == 0) {
      SkinUnit::SwitchToSkin(skins_[switches_ % 2]);
      ++switches_;
    }
  }

  // Playing, yet neither the song nor its time has moved for five seconds
  // (songs last two seconds at most): stuck. The deck's timer keeps the
  // shared time current.
  void CheckProgress() {
    namespace Audio = KestrelixAudioApi;
    if (Audio::vars.CurrentSongEntry != lastSong_) {
      lastSong_ = Audio::vars.CurrentSongEntry;
      ++songsStarted_;
    }
    const QString now = Audio::vars.CurrentSongEntry + QString::number(Audio::vars.ElapsedSeconds) +
                        ':' + QString::number(Audio::vars.PositionPercent);
    if (Audio::vars.PlayStatus != Audio::psPlaying || now != lastProgress_) {
      still_.restart();
      lastProgress_ = now;
      return;
    }
    if (still_.elapsed() > 5000) {
      ++stuck_;
      still_.restart();
    }
  }

  int actions_ = 0;
  int switches_ = 0;
  int stuck_ = 0;
  int songsStarted_ = 0;

 private:
  int Pick(qsizetype n) { return std::uniform_int_distribution<int>(0, static_cast<int>(n) - 1)(random_); }
  static void Click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, {2, 2}); }
  void Drag(QWidget* control) {
    QTest::mousePress(control, Qt::LeftButton, Qt::NoModifier, {2, 2});
    QTest::mouseMove(control, {2 + Pick(40) - 20, 2 + Pick(40) - 20});
    QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, {2, 2});
  }

  QStringList songs_;
  QString skins_[2];
  std::mt19937 random_{2026};
  QElapsedTimer still_;
  QString lastProgress_;
  QString lastSong_;
};

}  // namespace

int main(int argc, char* argv[]) {
  const int seconds = argc > 1 ? std::max(10, std::atoi(argv[1])) : 600;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SOLVANE_AUDIO_OUTPUT", "null");
  qputenv("SOLVANE_AUDIO_PACE", "8");
  QTemporaryDir home;
  const QString skins = QStringLiteral(SOLVANE_PROGRAM_FOLDER "/skins");
  QDir().mkpath(home.filePath("skins"));
  QFile::link(skins + "/Default", home.filePath("skins/Default"));
  QFile::link(skins + "/Default", home.filePath("skins/Default copy"));
  qputenv("SOLVANE_HOME", QFile::encodeName(home.path()));
  QApplication app(argc, argv);

  QDir songFolder(home.filePath("songs"));
  songFolder.mkpath(".");
  std::printf("generating %d songs...\n", kSongs);
  std::fflush(stdout);
  const QStringList songs = GenerateSongs(songFolder);

  CountingMessageBoxes messages;
  CancellingFileDialogs dialogs;
  PlatformUi::SetMessageBoxService(&messages);
  PlatformUi::SetFileDialogService(&dialogs);
  BASSApi::RegisterBASSApi();
  CreateForms();
  if (!InitializePlayer()) return 1;
  PlayListEditorForm->AddDroppedFiles(songs);
  QTest::mouseClick(DeckForm->PlayButton, Qt::LeftButton, Qt::NoModifier, {2, 2});

  Soak soak(songs, home.filePath("skins/Default"), home.filePath("skins/Default copy"));
  QTimer actions;
  QObject::connect(&actions, &QTimer::timeout, [&soak] { soak.Act(); });
  actions.start(50);
  QTimer progress;
  QObject::connect(&progress, &QTimer::timeout, [&soak] { soak.CheckProgress(); });
  progress.start(250);
  long afterFirstMinute = 0;
  long largest = 0;
  QElapsedTimer clock;
  clock.start();
  QTimer sizes;
  QObject::connect(&sizes, &QTimer::timeout, [&] {
    const long size = ResidentKiB();
    largest = std::max(largest, size);
    if (clock.elapsed() >= 60000 && afterFirstMinute == 0) afterFirstMinute = size;
    std::printf("%4llds  %ld KiB  %d entries\n", static_cast<long long>(clock.elapsed() / 1000), size,
                PlayListEditorForm->PlayList.TotalFiles());
    std::fflush(stdout);
    if (clock.elapsed() >= seconds * 1000LL) QCoreApplication::quit();
  });
  sizes.start(10000);
  QApplication::exec();

  const long end = ResidentKiB();
  std::printf("seconds %d, actions %d, songs started %d, skin switches %d, message boxes %d, stuck %d\n",
              seconds, soak.actions_, soak.songsStarted_, soak.switches_, messages.shown, soak.stuck_);
  std::printf("size after the first minute %ld KiB, at the end %ld KiB, largest %ld KiB\n",
              afterFirstMinute, end, largest);
  DestroyForms();
  return soak.stuck_ == 0 ? 0 : 1;
}
