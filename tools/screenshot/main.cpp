// Starts the player offscreen in a throw-away program folder that shares the
// build's skins and demo songs, lets it run briefly and saves its windows as
// PNG files:
//   solvane_screenshot [--skin PATH] OUTPUT_FOLDER [SONG ...]
// (options anywhere on the line). --skin wears the given skin folder or archive (.wsz, .zip) in all windows.
// Songs given are dropped onto the playlist and Play is clicked, so the
// displays show a running song (the audio goes to the silent output); the
// equalizer is then also shot in each visual-effects mode. The equalizer is
// always shot with its bands set to a preset and its response diagram showing.
// Under a Winamp skin with a song playing, the deck is shot with its analyzer
// and its oscilloscope running. Last, all three windows are rolled up into
// their windowshade strips and shot (each alone and together).
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "ScreenshotOptions.h"
#include "WindowShots.h"
#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/TDeckForm.h"
#include "app/WindowShade.h"
#include "audio/BASSApi.h"
#include "equalizer/EQPresets.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/MessageBoxService.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/BitmapText.h"
#include "skins/SkinUnit.h"

namespace {

// Nobody is there to click a box offscreen: each message goes to standard
// error and is answered with its first button.
class PrintingMessageBoxes : public PlatformUi::MessageBoxService {
 public:
  QMessageBox::StandardButton Show(const QString& text, const QString& caption, QMessageBox::Icon,
                                   QMessageBox::StandardButtons buttons) override {
    std::fprintf(stderr, "solvane_screenshot: message \"%s\": %s\n", qPrintable(caption), qPrintable(text));
    for (int bit = 0; bit < 32; ++bit) {
      const auto button = static_cast<QMessageBox::StandardButton>(1u << bit);
      if (buttons.testFlag(button)) return button;
    }
    return QMessageBox::Ok;
  }
};

// The player reads its skins and demo songs from the program folder and
// writes its settings beside itself; a temporary folder keeps the build's
// own clean.
bool PrepareProgramFolder(const QTemporaryDir& home) {
  for (const char* name : {"skins", "demo"}) {
    const QString entry = QString::fromLatin1(name);
    if (!QFile::link(QStringLiteral(SOLVANE_PROGRAM_FOLDER "/") + entry, home.filePath(entry))) return false;
  }
  qputenv("SOLVANE_HOME", QFile::encodeName(home.path()));
  return true;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "solvane_screenshot: cannot write %s\n", qPrintable(path));
    return false;
  }
  std::printf("%s\n", qPrintable(path));
  return true;
}

// The bands set to the "Rock" preset with the response diagram showing, and
// each visual effect of a playing song.
bool ShootEqualizer(const QDir& output, bool playing) {
  TEqualizerFormSkinned& eq = *EqualizerFormSkinned;
  constexpr int kRock = 5;
  const auto& rock = EqualizerPresets::EQPresets.Presets[kRock];
  eq.SliderValues[0] = int16_t(rock.PresetPreAmp);
  for (size_t band = 0; band < 10; ++band) eq.SliderValues[band + 1] = int16_t(rock.PresetBands[band]);
  eq.VisualEffectsMode = VisualEffects::vmNone;
  DeckForm->SetEQControlsToValues();
  eq.DrawEQDiagramImage();
  Screenshot::RunEventLoopFor(300);
  bool saved = Save(Screenshot::Shoot(&eq), output, QStringLiteral("equalizer-bands.png"));
  if (!playing) return saved;
  const std::pair<int, const char*> modes[] = {{VisualEffects::vmScope, "equalizer-scope.png"},
                                               {VisualEffects::vmBandBars, "equalizer-bars.png"},
                                               {VisualEffects::vmSpectrum, "equalizer-spectrum.png"}};
  for (const auto& [mode, name] : modes) {
    eq.VisualEffectsMode = uint8_t(mode);
    Screenshot::RunEventLoopFor(500);
    saved = Save(Screenshot::Shoot(&eq), output, QString::fromLatin1(name)) && saved;
  }
  return saved;
}

// The deck's own analyzer and oscilloscope of a playing song.
bool ShootDeckVisualization(const QDir& output) {
  const std::pair<DeckVisualization::Mode, const char*> modes[] = {
      {DeckVisualization::dmAnalyzer, "deck-analyzer.png"}, {DeckVisualization::dmScope, "deck-scope.png"}};
  bool saved = true;
  for (const auto& [mode, name] : modes) {
    DeckForm->VisualizationMode = mode;
    DeckForm->RestartVisualization();
    Screenshot::RunEventLoopFor(1000);
    saved = Save(Screenshot::Shoot(DeckForm), output, QString::fromLatin1(name)) && saved;
  }
  DeckForm->VisualizationMode = DeckVisualization::dmAnalyzer;
  DeckForm->RestartVisualization();
  return saved;
}

// The three windows rolled up, each alone and all together, then unrolled.
bool ShootShaded(const std::vector<Screenshot::WindowShot>& shots, const QDir& output) {
  for (int window = 0; window < WindowShade::kWindowCount; ++window) WindowShade::SetShaded(window, true);
  Screenshot::RunEventLoopFor(1500);
  bool saved = true;
  for (const auto& shot : shots) saved = Save(Screenshot::Shoot(shot.window), output, "shaded-" + shot.name) && saved;
  saved = Save(Screenshot::ShootTogether(shots), output, QStringLiteral("player-shaded.png")) && saved;
  for (int window = 0; window < WindowShade::kWindowCount; ++window) WindowShade::SetShaded(window, false);
  return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("SOLVANE_AUDIO_OUTPUT", "null");
  QApplication app(argc, argv);
  const Screenshot::Options options = Screenshot::ParseOptions(QCoreApplication::arguments());
  if (options.help) {
    std::printf("%s", qPrintable(options.usage));
    return 0;
  }
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "solvane_screenshot: %s\n%s", qPrintable(options.error), qPrintable(options.usage));
    return 2;
  }
  const QDir output(options.outputFolder);
  if (!output.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "solvane_screenshot: cannot make the output folder %s\n", qPrintable(output.absolutePath()));
    return 1;
  }
  QTemporaryDir home;
  if (!home.isValid() || !PrepareProgramFolder(home)) {
    std::fprintf(stderr, "solvane_screenshot: cannot prepare a program folder\n");
    return 1;
  }

  PrintingMessageBoxes messages;
  PlatformUi::SetMessageBoxService(&messages);
  BASSApi::RegisterBASSApi();
  CreateForms();
  if (!InitializePlayer()) {
    DestroyForms();
    return 1;
  }
  if (!options.skin.isEmpty() && !SkinUnit::SwitchToSkin(options.skin)) {
    DestroyForms();
    return 1;
  }
  EqualizerFormSkinned->show();
  PlayListEditorForm->show();
  if (!options.songs.isEmpty()) {
    PlayListEditorForm->AddDroppedFiles(options.songs);
    QTest::mouseClick(DeckForm->PlayButton, Qt::LeftButton);
  }
  Screenshot::RunEventLoopFor(6000);

  const std::vector<Screenshot::WindowShot> shots{{QStringLiteral("deck.png"), DeckForm},
                                                  {QStringLiteral("equalizer.png"), EqualizerFormSkinned},
                                                  {QStringLiteral("playlist.png"), PlayListEditorForm}};
  bool saved = true;
  for (const auto& shot : shots) saved = Save(Screenshot::Shoot(shot.window), output, shot.name) && saved;
  saved = Save(Screenshot::ShootTogether(shots), output, QStringLiteral("player.png")) && saved;
  saved = ShootEqualizer(output, !options.songs.isEmpty()) && saved;
  if (!options.songs.isEmpty() && GeneralFunctions::SkinIsWinamp == 1) saved = ShootDeckVisualization(output) && saved;
  saved = ShootShaded(shots, output) && saved;
  PlayListEditorForm->SetPanel1Size(450, 375);
  Screenshot::RunEventLoopFor(200);  // the resized window reaches its screen
  saved = Save(Screenshot::Shoot(PlayListEditorForm), output, QStringLiteral("playlist-large.png")) && saved;
  DestroyForms();
  return saved ? 0 : 1;
}
