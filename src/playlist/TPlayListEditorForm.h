#pragma once
#include <QString>
#include <QWidget>

#include "playlist/PlayListDisplayOptions.h"

// The skinned playlist editor window. Panel1 holds everything; the window
// sizes itself to it.
class TPlayListEditorForm : public QWidget {
  Q_OBJECT
 public:
  explicit TPlayListEditorForm(QWidget* parent = nullptr);
  ~TPlayListEditorForm() override;

  QWidget* Panel1;
  GeneralFunctions::TPLDisplayOptions DisplayOptions = GeneralFunctions::doFullSongFileName;
  // The folder song dialogs start in; it outlives the window because the deck
  // saves it after the playlist editor is gone.
  static inline QString LastFolder;

  void PLSaveControlsPositions();
  void PLLoadControlsPositions();
  void SetPanel1Size(int width, int height);
  void HideAllPlayListDebuggingControls() {}

 private:
  void FormDestroy();
};
