#pragma once
// The skin's 29 cursors: read from Windows cursor files (with their hot spots)
// into numbered slots and attached to the controls of the three windows.
#include <QCursor>
#include <QString>

#include <optional>

struct DeckSkinControls;
struct EqualizerSkinControls;
struct PlayListSkinControls;

namespace SkinUnit {

constexpr int kSkinCursorCount = 29;

// The file of cursor slot id (1..29).
QString SkinCursorFileName(int id);

// Reads a ".cur" file: the image of its first entry with the entry's hot spot.
// Nothing for a file that is missing, damaged or not a cursor.
std::optional<QCursor> ReadCursorFile(const QString& path);

// The cursor in slot id, or the standard arrow when the slot is empty.
QCursor SkinCursor(int id);

// Fills the 29 slots from the skin folder (no fallback: a missing file empties
// its slot) and gives every control of the table its slot's cursor.
void LoadSkinCursors(const QString& folder, DeckSkinControls& deck, EqualizerSkinControls& eq,
                     PlayListSkinControls& pl);

}  // namespace SkinUnit
