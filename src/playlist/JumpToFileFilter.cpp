#include "JumpToFileFilter.h"

#include <numeric>

#include "playlist/PlayListEntry.h"

JumpToFileFilter::JumpToFileFilter(const QStringList& entries) : matches_(static_cast<size_t>(entries.size())) {
  folded_.reserve(static_cast<size_t>(entries.size()));
  for (const QString& entry : entries) {
    const QString path = GeneralFunctions::GetEntrySongPath(entry);
    const QString fileName = path.mid(path.lastIndexOf('/') + 1);
    // Line breaks keep a word from matching across two fields.
    folded_.push_back((GeneralFunctions::GetEntrySongArtist(entry) + '\n' +
                       GeneralFunctions::GetEntrySongTitle(entry) + '\n' + fileName)
                          .toCaseFolded());
  }
  std::iota(matches_.begin(), matches_.end(), 0);
}

bool JumpToFileFilter::Matches(int32_t index, const QStringList& words) const {
  const QString& text = folded_[static_cast<size_t>(index)];
  for (const QString& word : words)
    if (!text.contains(word)) return false;
  return true;
}

const std::vector<int32_t>& JumpToFileFilter::Matches(const QString& query) {
  const QString folded = query.simplified().toCaseFolded();
  const QStringList words = folded.split(' ', Qt::SkipEmptyParts);
  // Typing on only narrows the last matches: each word of the old query is
  // a word of the new one or part of it.
  std::vector<int32_t> candidates;
  if (folded.startsWith(lastQuery_)) {
    candidates.swap(matches_);
  } else {
    candidates.resize(folded_.size());
    std::iota(candidates.begin(), candidates.end(), 0);
  }
  matches_.clear();
  for (const int32_t index : candidates)
    if (Matches(index, words)) matches_.push_back(index);
  lastQuery_ = folded;
  return matches_;
}
