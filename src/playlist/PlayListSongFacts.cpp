#include "PlayListSongFacts.h"

#include <utility>
#include <vector>

#include "audio/KestrelixAudioApi.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListPlayback.h"

PlayListSongFacts::PlayListSongFacts(PlayListModel& model, std::function<bool()> readTitlesFromTags,
                                     QObject* parent)
    : QObject(parent), model_(model), readTitlesFromTags_(std::move(readTitlesFromTags)) {
  connect(&Reader, &SongFactsReader::FactsArrived, this, &PlayListSongFacts::FactsArrived);
}

void PlayListSongFacts::ListChanged() {
  if (model_.Revision() == indexedRevision_ || applying_) return;
  indexedRevision_ = model_.Revision();
  rowsOfPath_.clear();
  rowsOfPath_.reserve(model_.TotalFiles());
  for (int i = 0; i < model_.TotalFiles(); ++i) rowsOfPath_[GeneralFunctions::GetEntrySongPath(model_.Entry(i))].append(i);
  Reader.Request(rowsOfPath_.keys());
  // Entries of files read before take their titles at once.
  ApplyTagTitlesToAll();
}

int PlayListSongFacts::SecondsOf(const QString& entry) const {
  const SongFacts::Facts* facts = Reader.Find(GeneralFunctions::GetEntrySongPath(entry));
  return facts ? facts->seconds : -1;
}

void PlayListSongFacts::LearnPlayingLength() {
  namespace Audio = KestrelixAudioApi;
  const Audio::SharedVariables& vars = Audio::vars;
  if (vars.IsInternetStream || vars.FileKind == Audio::fkNone || vars.TotalSeconds <= 0) return;
  Reader.LearnSeconds(GeneralFunctions::GetEntrySongPath(vars.CurrentSongEntry), static_cast<int>(vars.TotalSeconds));
}

void PlayListSongFacts::ApplyTagTitlesToAll() { ApplyTagTitles(rowsOfPath_.keys()); }

void PlayListSongFacts::FactsArrived(const QStringList& paths) {
  ListChanged();  // the rows of each path must be those of the list as it is now
  ApplyTagTitles(paths);
  // The lengths are new even where no entry changed.
  if (model_.ListChanged) model_.ListChanged();
}

void PlayListSongFacts::ApplyTagTitles(const QStringList& paths) {
  if (!readTitlesFromTags_ || !readTitlesFromTags_()) return;
  std::vector<std::pair<int, QString>> changes;
  for (const QString& path : paths) {
    const SongFacts::Facts* facts = Reader.Find(path);
    if (!facts) continue;
    for (int row : rowsOfPath_.value(path)) {
      QString entry = model_.Entry(row);
      if (SongFacts::ApplyTagsToEntry(*facts, entry)) changes.emplace_back(row, std::move(entry));
    }
  }
  // The song on the deck takes its new names too.
  QString& current = KestrelixAudioApi::vars.CurrentSongEntry;
  const SongFacts::Facts* facts = Reader.Find(GeneralFunctions::GetEntrySongPath(current));
  if (facts && SongFacts::ApplyTagsToEntry(*facts, current))
    PlayListPlayback::ShowSongTexts(model_.CurrentSongIndex, current);
  if (changes.empty()) return;
  // Only names change: the paths and their rows stay as indexed.
  applying_ = true;
  model_.ChangeEntries(changes);
  applying_ = false;
  indexedRevision_ = model_.Revision();
}
