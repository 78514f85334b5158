#pragma once
#include <QString>
#include <QWidget>

// Carries the loader of skins in the player's own format; has no visible content.
class TFrontEndSkinForm : public QWidget {
  Q_OBJECT
 public:
  explicit TFrontEndSkinForm(QWidget* parent = nullptr);

  // Loads the skin folder into the deck, the equalizer and the playlist editor.
  void LoadSkin(const QString& folder);
};

// The one instance, made at start-up with the other windows.
extern TFrontEndSkinForm* FrontEndSkinForm;
