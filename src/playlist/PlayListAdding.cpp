#include "PlayListAdding.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <array>
#include <utility>
#include <vector>

#include "platform/ui/FileDialogService.h"
#include "playlist/CDTrackStep.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListModel.h"

namespace PlayListAdding {

namespace {

struct FilterItem {
  const char* name;
  const char* patterns;
};

const std::array<FilterItem, 17> kAddFilesFilter{{
    {"All Supported Files",
     "*.mp3;*.mp2;*.mp1;*.wav;*.ogg;*.flac;*.opus;*.mod;*.xm;*.s3m;*.it;*.mo3;*.mtm;*.umx;*.cda"},
    {"All Stream Files (*.mp3;*.mp2;*.mp1;*.wav;*.ogg;*.flac;*.opus)",
     "*.mp3;*.mp2;*.mp1;*.wav;*.ogg;*.flac;*.opus"},
    {"All Module Files (*.mod;*.xm;*.s3m;*.it;*.mo3;*.mtm;*.umx)",
     "*.mod;*.xm;*.s3m;*.it;*.mo3;*.mtm;*.umx"},
    {"CDDA Audio Tracks (*.cda)", "*.cda"},
    {"MPEG Audio  files (*.mp3;*.mp2;*.mp1) ", "*.mp3;*.mp2;*.mp1"},
    {"Windows Audio Files (*.wav)", "*.wav"},
    {"Ogg Vorbis Files (*.ogg)", "*.ogg"},
    {"FLAC Files (*.flac)", "*.flac"},
    {"Opus Files (*.opus)", "*.opus"},
    {"Protracker Modules (*.mod)", "*.mod"},
    {"Fast Tracker Modules (*.xm)", "*.xm"},
    {"Scream Tracker Modules (*.s3m)", "*.s3m"},
    {"Impulse Tracker Modules (*.it)", "*.it"},
    {"MO3 Encoder Files (*.mo3)", "*.mo3"},
    {"Multi Tracker Modules (*.mtm)", "*.mtm"},
    {"Unreal music Files (*.umx)", "*.umx"},
    {"All files (*.*)", "*"},
}};

// The folder scan's masks, in scan order (".mo3" is not scanned).
const std::array<const char*, 14> kFolderScanExtensions{".mp3", ".mp2", ".mp1", ".ogg", ".wav",
                                                       ".flac", ".opus", ".xm", ".mod", ".s3m",
                                                       ".it", ".mtm", ".umx", ".cda"};

// A playlist file among the songs, such as a radio station's .pls or .m3u.
bool IsPlayListFile(const QString& path) {
  static const QStringList extensions{QStringLiteral(".pls"), QStringLiteral(".m3u"), QStringLiteral(".m3u8")};
  return extensions.contains(GeneralFunctions::FileExtensionOfPath(path).toLower()) && QFileInfo(path).isFile();
}

// The folder and "/", for the paths of the names in it.
QString FolderPrefix(const QString& folder) {
  const QString base = WithoutTrailingDelimiter(folder);
  return base.endsWith('/') ? base : base + '/';
}

// The names of a folder's song files (any letter case of a scanned
// extension) in name order, each with the index of its extension's mask.
std::vector<std::pair<QString, size_t>> SongFileNames(const QString& folder) {
  static const QHash<QString, size_t> maskOfExtension = [] {
    QHash<QString, size_t> masks;
    for (size_t i = 0; i < kFolderScanExtensions.size(); ++i) masks.insert(QLatin1String(kFolderScanExtensions[i]), i);
    return masks;
  }();
  std::vector<std::pair<QString, size_t>> songs;
  const QStringList names =
      QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
  for (const QString& name : names) {
    const auto mask = maskOfExtension.constFind(GeneralFunctions::FileExtensionOfPath(name).toLower());
    if (mask != maskOfExtension.constEnd()) songs.emplace_back(name, *mask);
  }
  return songs;
}

// One entry per song; a folder gives the songs of its whole tree, a
// playlist file the entries it holds.
QStringList BuildEntries(const QStringList& paths) {
  QStringList entries;
  entries.reserve(paths.size());
  for (const QString& path : paths) {
    if (QFileInfo(path).isDir()) {
      for (const QString& song : ScanFolderTree(path)) entries.append(GeneralFunctions::BuildPlayListEntry(song));
    } else if (IsPlayListFile(path)) {
      entries += PlayListFile::ReadPlayListFile(path).entries;
    } else {
      entries.append(GeneralFunctions::BuildPlayListEntry(path));
    }
  }
  return entries;
}

}  // namespace

QString AddFilesFilter() {
  QStringList items;
  for (const FilterItem& item : kAddFilesFilter) {
    // The dialog reads the patterns from the last parenthesised, blank-separated group.
    const QString patterns = QString::fromLatin1(item.patterns).replace(';', ' ');
    items.append(QStringLiteral("%1 (%2)").arg(QLatin1String(item.name), patterns));
  }
  return items.join(QStringLiteral(";;"));
}

QString WithoutTrailingDelimiter(const QString& folder) {
  QString trimmed = folder;
  while (trimmed.size() > 1 && trimmed.endsWith('/')) trimmed.chop(1);
  return trimmed;
}

QStringList ScanFolder(const QString& folder) {
  const QString prefix = FolderPrefix(folder);
  std::vector<QStringList> byMask(kFolderScanExtensions.size());
  for (const auto& [name, mask] : SongFileNames(folder)) byMask[mask].append(prefix + name);
  QStringList paths;
  for (const QStringList& files : byMask) paths += files;
  return paths;
}

QStringList ScanFolderTree(const QString& folder) {
  QStringList paths;
  QSet<QString> scanned;
  std::vector<QString> pending{WithoutTrailingDelimiter(folder)};
  while (!pending.empty()) {
    const QString current = std::move(pending.back());
    pending.pop_back();
    // A link back up the tree would loop: every folder is scanned once.
    const QString canonical = QFileInfo(current).canonicalFilePath();
    if (scanned.contains(canonical)) continue;
    scanned.insert(canonical);
    const QString prefix = FolderPrefix(current);
    for (const auto& song : SongFileNames(current)) paths.append(prefix + song.first);
    const QStringList subfolders =
        QDir(current).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    // Pushed last to first, so the first subfolder is scanned next.
    for (auto name = subfolders.crbegin(); name != subfolders.crend(); ++name) pending.push_back(prefix + *name);
  }
  return paths;
}

void AddPathsToPlayList(PlayListModel& model, const QStringList& paths, bool useFreedbSupport) {
  model.Append(PlayListCDTracks::CheckPlaylistForCDTracksAndGetCDInfo(
      BuildEntries(paths), useFreedbSupport, model.CDTrackList));
}

void AddFilesToPlayList(PlayListModel& model, QString& lastFolder, QWidget* parent,
                        bool useFreedbSupport) {
  const QStringList files = PlatformUi::FileDialogs().OpenFileNames(
      parent, QStringLiteral("Add Files To PlayList"), lastFolder, AddFilesFilter());
  if (files.isEmpty()) return;
  AddPathsToPlayList(model, files, useFreedbSupport);
  lastFolder = WithoutTrailingDelimiter(GeneralFunctions::FolderOfPath(files.first()));
}

void AddDirToPlayList(PlayListModel& model, QString& lastFolder, QWidget* parent, bool useFreedbSupport,
                      bool withSubfolders) {
  const QString folder = PlatformUi::FileDialogs().ExistingFolder(
      parent, QStringLiteral("Add Directory To Playlist"), lastFolder);
  if (folder.isEmpty()) return;
  AddPathsToPlayList(model, withSubfolders ? QStringList{folder} : ScanFolder(folder), useFreedbSupport);
  lastFolder = WithoutTrailingDelimiter(folder);
}

}  // namespace PlayListAdding
