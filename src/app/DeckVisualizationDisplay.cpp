// The deck's visualization under Winamp skins: the analyzer or the
// oscilloscope on the deck's display (and small in its windowshade strip),
// fifty frames a second while a song plays and the deck shows. When the song
// stops or pauses the analyzer falls to empty and the timer stops; a frame
// that would look like the last one is not drawn.
#include <QTimer>

#include "app/TDeckForm.h"
#include "app/WindowShade.h"
#include "audio/KestrelixAudioApi.h"
#include "skins/BitmapText.h"
#include "skins/SkinTextFiles.h"

namespace {

namespace Audio = KestrelixAudioApi;
namespace Vis = DeckVisualization;

const QRect kShadeVisualization = WindowShade::kDeckShadeVisualization;

// The analyzer's drawn heights, or the scope's mixed samples, of the frame
// last drawn; a frame with the same ones is not drawn again.
// `shownBlank`: the last frame drawn showed nothing; false also when nothing
// has been drawn since the skin or the mode changed.
std::array<int, 2 * Vis::kBars> shownRows{};
Vis::Wave shownWave{};
bool shownBlank = false;

// Remembers the analyzer's heights; true when they are those last drawn.
bool SameAnalyzerFrame(const Vis::Analyzer& analyzer) {
  bool same = true;
  for (int bar = 0; bar < Vis::kBars; ++bar) {
    const int rows = analyzer.BarRows(bar);
    const int peak = analyzer.PeakRows(bar);
    same = same && shownRows[size_t(2 * bar)] == rows && shownRows[size_t(2 * bar + 1)] == peak;
    shownRows[size_t(2 * bar)] = rows;
    shownRows[size_t(2 * bar + 1)] = peak;
  }
  return same;
}

}  // namespace

bool TDeckForm::VisualizationShows() const {
  return GeneralFunctions::SkinIsWinamp == 1 && VisualizationMode != Vis::dmOff && isVisible() &&
         !isMinimized();
}

void TDeckForm::UpdateVisualizationTimer() {
  const bool playing = Audio::vars.PlayStatus == Audio::psPlaying;
  const bool needed = VisualizationShows() && (playing || !VisualizationAnalyzer.IsEmpty() || !shownBlank);
  if (!needed) {
    VisualizationTimer->stop();
  } else if (!VisualizationTimer->isActive()) {
    VisualizationTimer->start();
  }
}

void TDeckForm::VisualizationTimerTimer() {
  const bool playing = Audio::vars.PlayStatus == Audio::psPlaying;
  if (!VisualizationShows()) {
    VisualizationTimer->stop();
    return;
  }
  DrawVisualizationFrame(playing);
  if (!playing && shownBlank) VisualizationTimer->stop();
}

void TDeckForm::DrawVisualizationFrame(bool playing) {
  const Vis::Palette& palette = VisualizationPalette;
  QImage& display = VisualizationDrawingCanvas->Canvas();
  QImage& strip = DeckShadeStrip->Picture();
  const QRect whole = display.rect();
  const bool shaded = WindowShade::IsShaded(WindowShade::wiDeck);
  bool blank = false;
  if (VisualizationMode == Vis::dmAnalyzer) {
    if (playing) {
      Audio::AudioGetFFTData();
      VisualizationAnalyzer.Step(Audio::vars.FFTData);
    } else {
      VisualizationAnalyzer.StepSilence();
    }
    blank = VisualizationAnalyzer.IsEmpty();
    if (SameAnalyzerFrame(VisualizationAnalyzer) && shownBlank == blank) return;
    Vis::DrawAnalyzer(VisualizationAnalyzer, palette, display, whole, 3, 4);
    if (shaded) Vis::DrawAnalyzer(VisualizationAnalyzer, palette, strip, kShadeVisualization, 1, 2);
  } else {
    if (playing) Audio::AudioGetWaveData();
    blank = !playing;
    const Vis::Wave& wave = playing ? Audio::vars.WaveData : Vis::Wave{};
    if (wave == shownWave && shownBlank == blank) return;
    shownWave = wave;
    if (blank) {
      Vis::DrawBackground(palette, display, whole);
      if (shaded) Vis::DrawBackground(palette, strip, kShadeVisualization);
    } else {
      Vis::DrawScope(wave, palette, display, whole);
      if (shaded) Vis::DrawScope(wave, palette, strip, kShadeVisualization);
    }
  }
  shownBlank = blank;
  // Repainted now, and only where the frame differs: a posted update would
  // cost the event loop a second turn for each frame.
  PlatformUi::RepaintChanges({VisualizationDrawingCanvas});
  if (shaded) DeckShadeStrip->Changed(kShadeVisualization);
}

void TDeckForm::VisualizationDrawingCanvasClick() {
  if (GeneralFunctions::SkinIsWinamp != 1) return;
  VisualizationMode = Vis::NextMode(VisualizationMode);
  RestartVisualization();
}

// The display starts empty (and stays so while the visualization is off);
// under a skin of the player's own format it is see-through and not drawn.
void TDeckForm::RestartVisualization() {
  const bool winamp = GeneralFunctions::SkinIsWinamp == 1;
  QImage& display = VisualizationDrawingCanvas->Canvas();
  VisualizationDrawingCanvas->setAttribute(Qt::WA_OpaquePaintEvent, winamp);
  VisualizationPalette = Vis::PaletteFrom(SkinUnit::VisColours);
  if (winamp) {
    Vis::DrawBackground(VisualizationPalette, display, display.rect());
  } else {
    display.fill(Qt::transparent);
  }
  VisualizationDrawingCanvas->update();
  VisualizationAnalyzer.Clear();
  shownRows.fill(-1);
  shownWave = {};
  shownBlank = false;
  UpdateVisualizationTimer();
}
