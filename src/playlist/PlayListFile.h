#pragma once
// Playlist files: one entry per line, every line ended by CR LF. Reading also
// accepts lone CR or LF line ends, a last line without an end and empty lines
// (empty entries), and stops at the first zero byte. Lines written by other
// programs (M3U/M3U8 paths, PLS "FileN=" lines) become entries for their paths.
// A list saved under a name ending in ".m3u8" is written for other players,
// as extended M3U.
#include <QString>
#include <QStringList>

#include <functional>

class PlayListModel;
class QWidget;

namespace PlayListFile {

// Bytes read from one playlist file at most; the rest of a larger file is left out.
constexpr qint64 kMaxPlayListBytes = qint64{64} * 1024 * 1024;

enum class ReadStatus { Complete, Missing, Unreadable, Truncated };

struct ReadResult {
  QStringList entries;  // what could be read, also on failure
  ReadStatus status = ReadStatus::Complete;
};

ReadResult ReadPlayListFile(const QString& path, qint64 maxBytes = kMaxPlayListBytes);

// The length of an entry's song in seconds, -1 when unknown.
using SongSeconds = std::function<int(const QString& entry)>;

// Atomic: the old file stays when the new one cannot be written completely.
// A ".m3u8" name gets extended M3U in UTF-8 ("#EXTM3U", then per entry
// "#EXTINF:seconds,Artist - Title" and its path); any other name the
// player's own lines.
bool WritePlayListFile(const QString& path, const QStringList& entries, const SongSeconds& secondsOf = {});

// The lines of a file as entries: the player's own lines as they are, other
// programs' playlist lines turned into entries for their paths (relative
// paths taken from `folder`), their comments and headers left out.
QStringList EntriesFromLines(const QStringList& lines, const QString& folder);

// "Save PlayList" and "Load PlayList": the dialogs and the file.
void SavePlayList(const PlayListModel& model, const QString& folder, QWidget* parent,
                  const SongSeconds& secondsOf);
void LoadPlayList(PlayListModel& model, const QString& folder, QWidget* parent);

}  // namespace PlayListFile
