#pragma once
// The player's windows: one global instance each, created at start-up in a
// fixed order (the deck first, so it is the main window) and destroyed in
// reverse order, so the equalizer and the playlist editor hand their state to
// the deck before the deck writes the settings file.
#include <QList>

class QWidget;
class TDeckForm;

extern TDeckForm* DeckForm;

void CreateForms();
void DestroyForms();

// The deck, the equalizer and the playlist editor, in that order.
QList<QWidget*> PlayerWindows();
