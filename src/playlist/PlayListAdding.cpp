#include "PlayListAdding.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <array>
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

// One entry per song; a playlist file gives the entries it holds.
QStringList BuildEntries(const QStringList& paths) {
  QStringList entries;
  entries.reserve(paths.size());
  for (const QString& path : paths) {
    if (IsPlayListFile(path)) {
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
  QHash<QString, size_t> maskOfExtension;
  for (size_t i = 0; i < kFolderScanExtensions.size(); ++i) {
    maskOfExtension.insert(QLatin1String(kFolderScanExtensions[i]), i);
  }
  const QString base = WithoutTrailingDelimiter(folder);
  const QString prefix = base.endsWith('/') ? base : base + '/';
  const QStringList names =
      QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
  std::vector<QStringList> byMask(kFolderScanExtensions.size());
  for (const QString& name : names) {
    const auto mask = maskOfExtension.constFind(GeneralFunctions::FileExtensionOfPath(name).toLower());
    if (mask != maskOfExtension.constEnd()) byMask[*mask].append(prefix + name);
  }
  QStringList paths;
  for (const QStringList& files : byMask) paths += files;
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

void AddDirToPlayList(PlayListModel& model, QString& lastFolder, QWidget* parent,
                      bool useFreedbSupport) {
  const QString folder = PlatformUi::FileDialogs().ExistingFolder(
      parent, QStringLiteral("Add Directory To Playlist"), lastFolder);
  if (folder.isEmpty()) return;
  AddPathsToPlayList(model, ScanFolder(folder), useFreedbSupport);
  lastFolder = WithoutTrailingDelimiter(folder);
}

}  // namespace PlayListAdding
