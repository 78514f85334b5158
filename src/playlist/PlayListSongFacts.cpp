#include "PlayListSongFacts.h"

#include <QSet>

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
  if (model_.Revision() == requestedRevision_) return;
  requestedRevision_ = model_.Revision();
  QStringList paths;
  paths.reserve(model_.TotalFiles());
  for (int i = 0; i < model_.TotalFiles(); ++i) paths.append(GeneralFunctions::GetEntrySongPath(model_.Entry(i)));
  Reader.Request(paths);
  // Entries of files read before take their titles at once.
  ApplyTagTitles(nullptr);
}

int PlayListSongFacts::SecondsOf(const QString& entry) const {
  const SongFacts::Facts* facts = Reader.Find(GeneralFunctions::GetEntrySongPath(entry));
  return facts ? facts->seconds : -1;
}

void PlayListSongFacts::ApplyTagTitlesToAll() { ApplyTagTitles(nullptr); }

void PlayListSongFacts::FactsArrived(const QStringList& paths) {
  const QSet<QString> arrived(paths.begin(), paths.end());
  ApplyTagTitles(&arrived);
  // The lengths are new even where no entry changed.
  if (model_.ListChanged) model_.ListChanged();
}

void PlayListSongFacts::ApplyTagTitles(const QSet<QString>* paths) {
  if (!readTitlesFromTags_ || !readTitlesFromTags_()) return;
  std::vector<std::pair<int, QString>> changes;
  for (int i = 0; i < model_.TotalFiles(); ++i) {
    const QString path = GeneralFunctions::GetEntrySongPath(model_.Entry(i));
    if (paths && !paths->contains(path)) continue;
    const SongFacts::Facts* facts = Reader.Find(path);
    QString entry = model_.Entry(i);
    if (facts && SongFacts::ApplyTagsToEntry(*facts, entry)) changes.emplace_back(i, std::move(entry));
  }
  // The song on the deck takes its new names too.
  QString& current = KestrelixAudioApi::vars.CurrentSongEntry;
  const QString currentPath = GeneralFunctions::GetEntrySongPath(current);
  const SongFacts::Facts* facts = Reader.Find(currentPath);
  if (facts && (!paths || paths->contains(currentPath)) && SongFacts::ApplyTagsToEntry(*facts, current))
    PlayListPlayback::ShowSongTexts(model_.CurrentSongIndex, current);
  requestedRevision_ = model_.Revision() + (changes.empty() ? 0 : 1);  // our own change needs no new request
  model_.ChangeEntries(changes);
}
