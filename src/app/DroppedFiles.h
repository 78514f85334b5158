#pragma once
// Files entering the playlist from outside the player: dropped onto the deck
// or named on the command line.
#include <QString>
#include <QStringList>

// Appends the dropped files to the playlist whatever their extension (a
// file of an unknown kind reports so only when it is played), and the songs
// of dropped folders with their subfolders; CD tracks and disc images go
// through the CD-track step. The info area shows the count.
void DragFunc(const QStringList& paths);

// The songs named on the command line (or handed over by a second start):
// files as they are, a folder's songs with its subfolders', a CD drive's
// tracks. They are appended and, with `play`, the first of them starts
// playing. Returns the number of entries added.
int AddCommandLineSongs(const QStringList& arguments, bool play = true);

// Plays the entry at firstNew, the first of those just added; nothing when
// none was added.
void PlayFirstAdded(int firstNew);
