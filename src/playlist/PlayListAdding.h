#pragma once
// Songs entering the playlist: from the "Add Files" dialog, a folder, or
// dropped from the desktop.
#include <QString>
#include <QStringList>

class PlayListModel;
class QWidget;

namespace PlayListAdding {

// The "Add Files" dialog's filter list, in the file dialog's "name (patterns)" form.
QString AddFilesFilter();

// The songs of one folder (not its subfolders) as paths: mask by mask in a
// fixed order (".mp3" files first, then ".mp2", … ".cda"), each mask's files
// by name; extensions match in any letter case.
QStringList ScanFolder(const QString& folder);

// The songs of a folder and of every folder below it, depth first: each
// folder's songs in name order, then its subfolders in name order. Hidden
// subfolders are left out; a folder reached again through a link is not
// scanned twice.
QStringList ScanFolderTree(const QString& folder);

// Builds entries for the paths, runs the CD-track step on them and appends
// them (files dropped from the desktop, stream addresses). A folder adds
// the songs of its whole tree; a playlist file (.pls, .m3u, .m3u8, such as a
// radio station's) adds the entries it holds.
void AddPathsToPlayList(PlayListModel& model, const QStringList& paths, bool useFreedbSupport);

// The "Add Files" dialog, opened in lastFolder; on OK the chosen files are
// added and lastFolder becomes their folder. Cancel changes nothing.
void AddFilesToPlayList(PlayListModel& model, QString& lastFolder, QWidget* parent,
                        bool useFreedbSupport);

// The folder chooser; on OK the folder's songs (with those of its subfolders
// when asked) are added and lastFolder becomes the folder, even when it
// holds no songs.
void AddDirToPlayList(PlayListModel& model, QString& lastFolder, QWidget* parent, bool useFreedbSupport,
                      bool withSubfolders);

// A folder path without its trailing "/" (the root stays "/").
QString WithoutTrailingDelimiter(const QString& folder);

}  // namespace PlayListAdding
