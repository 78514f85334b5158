#include "PlayListDisplayOptions.h"

#include "playlist/PlayListEntry.h"

#include <array>
#include <utility>

namespace GeneralFunctions {

namespace {
const std::array<std::pair<TPLDisplayOption, const char*>, 4> kTags{{
    {doFullSongFileName, "[doFullSongFileName]"},
    {doOnlySongFileName, "[doOnlySongFileName]"},
    {doSongArtistTitle, "[doSongArtistTitle]"},
    {doHideCounter, "[doHideCounter]"},
}};
}  // namespace

QString DisplayOptionsToText(TPLDisplayOptions options) {
  QString text;
  for (const auto& [flag, tag] : kTags) {
    if (options & flag) text += QLatin1String(tag);
  }
  return text;
}

TPLDisplayOptions WithDisplayMode(TPLDisplayOptions options, TPLDisplayOption mode) {
  return static_cast<TPLDisplayOptions>((options & ~kModeOptions) | mode);
}

QString DisplayTextOfEntry(const QString& entry, int index, TPLDisplayOptions options) {
  QString text;
  if (!(options & doHideCounter)) text = QString::number(index + 1) + QStringLiteral(". ");
  if (options & doSongArtistTitle) {
    text += GetEntrySongArtist(entry) + QStringLiteral(" - ") + GetEntrySongTitle(entry);
  } else if (options & doOnlySongFileName) {
    text += FileNameOfPath(GetEntrySongPath(entry));
  } else {
    text += GetEntrySongPath(entry);
  }
  return text;
}

// Later mode tags win over earlier ones: artist-title over only-name over full-name.
TPLDisplayOptions TextToDisplayOptions(const QString& text) {
  TPLDisplayOptions options = doFullSongFileName;
  for (const auto& [flag, tag] : kTags) {
    if (!text.contains(QLatin1String(tag))) continue;
    options = flag == doHideCounter ? static_cast<TPLDisplayOptions>(options | doHideCounter)
                                    : WithDisplayMode(options, flag);
  }
  return options;
}

}  // namespace GeneralFunctions
