#pragma once
#include <QString>
#include <QWidget>

// Carries the loader of Winamp 2 skins; has no visible content.
class TWinAmpSkinForm : public QWidget {
  Q_OBJECT
 public:
  explicit TWinAmpSkinForm(QWidget* parent = nullptr);

  // Loads the skin folder into the deck, the equalizer and the playlist editor.
  void LoadSkin(const QString& folder);
};

// The one instance, made at start-up with the other windows.
extern TWinAmpSkinForm* WinAmpSkinForm;
