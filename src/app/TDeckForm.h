#pragma once
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>

#include "app/DeckVisualization.h"
#include "app/SettingsFile.h"
#include "skins/DeckSkinControls.h"
#include "skins/ScrollingText.h"

class QTimer;

// The deck: the main window. Closing it ends the program.
class TDeckForm : public QWidget, public DeckSkinControls {
  Q_OBJECT
 public:
  explicit TDeckForm(QWidget* parent = nullptr);
  ~TDeckForm() override;

  SavedSettings Settings;
  QStringList SkinTextLines;
  QStringList SettingsLines;
  QStringList PresetLines;

  // Transport and display state. Repeat and shuffle live in Settings.RepeatOn
  // and Settings.ShuffleOn; the slider values in the slider records.
  bool Paused = false;
  bool PauseBlink = false;
  bool ScrollTextEnabled = true;
  uint8_t TimeDisplayMode = 0;
  uint8_t FileTypeEffectStep = 0;
  QString StatusText = QStringLiteral("Stopped");
  QString KbpsText;
  QString KhzText;
  GeneralFunctions::ScrollingTextRecord ArtistScrollText;
  GeneralFunctions::ScrollingTextRecord TitleScrollText;
  GeneralFunctions::ScrollWindowSettings ArtistWindowInfo;
  GeneralFunctions::ScrollWindowSettings TitleWindowInfo;

  // Sprite index of each four-state toggle: 0 off, 1 off and pressed, 2 on,
  // 3 on and pressed; the playlist button's states are offset by 4.
  int RepeatButtonState = 0;
  int ShuffleButtonState = 0;
  int EqualizerButtonState = 0;
  int PlaylistButtonState = 4;

  // Both 400 ms timers; started at the end of start-up.
  QTimer* Timer1;
  QTimer* Timer2;

  // The deck's own visualization under Winamp skins, drawn every 20 ms while
  // a song plays and the deck shows, and until its last frame has decayed.
  DeckVisualization::Mode VisualizationMode = DeckVisualization::dmAnalyzer;
  DeckVisualization::Analyzer VisualizationAnalyzer;
  DeckVisualization::Palette VisualizationPalette{};  // the skin's colours, taken when it loads
  QTimer* VisualizationTimer;

  // Opens the preferences dialog without blocking the other windows; the
  // preferences dialog installs it. Until then the main-menu button only
  // shows its pressed and released sprites.
  std::function<void()> ShowPreferencesDialog;

  void ResetSomeGeneralPurposeVariables();
  void SetSavedSettingsINIStrings();
  void GetSavedSettingsINIStrings();
  void SaveControlsPositions();
  void LoadControlsPositions();
  void SaveFromAllFormsControlsPositions();
  void LoadFromAllFormsControlsPositions();

  // Reads the settings file into SettingsLines and the fields; a missing or
  // unusable file is replaced by the defaults first.
  void ReadSettingsFile();
  bool WriteSettingsFile();

  // Transport.
  void PlayButtonClick();
  void PauseButtonClick();
  void StopButtonClick();
  void ForwardButtonClick();
  void BackwardButtonClick();
  void EjectButtonClick();
  void EqualizerButtonClick();
  void PlaylistButtonClick();
  void RepeatButtonClick();
  void ShuffleButtonClick();
  void MainMenuButtonClick();
  void MinimizeWindowButtonClick();
  void CloseWindowButtonClick();
  void Timer1Timer();
  void Timer2Timer();

  // Sliders: press, move with the left button held, release.
  void PosBarButtonMouseDown(int x, int y);
  void PosBarButtonMouseMove(int x, int y);
  void PosBarButtonMouseUp();
  void VolumeButtonMouseDown(int x, int y);
  void VolumeButtonMouseMove(int x, int y);
  void VolumeButtonMouseUp();
  void VolumeButtonClick();
  void BalanceButtonMouseDown(int x, int y);
  void BalanceButtonMouseMove(int x, int y);
  void BalanceButtonMouseUp();
  void BalanceButtonDblClick();
  // Moves the playing or paused song to a second, as a slider release would.
  void SeekToSecond(int64_t seconds);
  // Puts the volume slider and the output volume at a value 0..100.
  void SetVolumeLevel(int value);
  // The wheel and the arrow keys: the volume up or down by `by` (within
  // 0..100, shown in the artist window), the song on or back by `seconds`.
  static constexpr int kVolumeStep = 5;
  static constexpr int kSeekStepSeconds = 5;
  void StepVolume(int by);
  void SeekBy(int seconds);
  // Puts the balance slider and the output balance at a value 0..100.
  void SetBalanceLevel(int value);

  // Display.
  void DrawSongTimeText(int mode);
  void UpdateTextWindows();
  void DrawStatusText();
  void DisplayFileType();
  void DisplayFileTypeEffect();
  void DrawPositionSlider();
  void SetControlsToNewPositions();
  // The scrolling lines' widths in characters, from the windows and the font.
  void FitScrollLinesToWindows();
  void SetEQControlsToValues();
  void SongCurrectPlayingTimeWindowClick();
  void SongArtistWindowClick();
  void SongTitleWindowClick();
  // Sets a scroll line's text and restarts its scrolling.
  void SetArtistScrollText(const QString& text);
  void SetTitleScrollText(const QString& text);
  // Shows a slider's value ("Volume:78") in the artist window.
  void ShowInArtistWindow(const QString& text);
  // Shows a message in the artist line for one pass of its scrolling; then
  // the line's own text comes back, unless a new song has set another.
  void ShowNotice(const QString& text);
  // The play-state sprite, status word and transmission lamp of what the
  // audio engine is doing now.
  void ShowEngineState();

  // Visualization.
  void VisualizationDrawingCanvasClick();
  void VisualizationTimerTimer();
  // Starts the visualization's timer when there is something to draw, and
  // stops it otherwise; after a skin load, a change of play state or of the
  // deck's visibility.
  void UpdateVisualizationTimer();
  // After a skin load or a change of mode: an empty display, drawn afresh.
  void RestartVisualization();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void FormCreate();
  void FormDestroy();
  void FormActivate();
  void FormDeactivate();
  // Connects every control's mouse signals to its handlers.
  void ConnectControls();
  // Installs the seams through which the playlist editor updates the deck.
  void InstallPlayListHooks();
  void RemovePlayListHooks();
  // Resume after a pause: the paused time does not count for a tracker music.
  void ResumePausedSong();
  // Timer2 only has work while a song plays: it runs beside Timer1 then and
  // stops otherwise, so a stopped or paused player wakes only for its display.
  void FollowPlayStatus();
  void ShowPlaying();
  // The play-state sprite, the status word and the transmission lamp.
  void ShowPlayState(int sprite, const QString& status, bool transmission);
  void ShowStateSprite(int sprite);
  void DrawRateTexts();
  void RedrawTextWindows();
  void PlaceVolumeSlider(int value);
  int wheelTurn_ = 0;  // eighths of a degree not yet stepped
  void MoveSongPosition();
  bool VisualizationShows() const;
  void DrawVisualizationFrame(bool playing);

  int playStatusObserver_ = 0;
  // The message in the artist line and the text it stands in for.
  struct Notice {
    QString songText;
    int ticksLeft = 0;
  } notice_;
};
