#pragma once
// Finding playlist entries by typing: an entry matches when every word of the
// query appears, in any letter case, in its artist, its title or its file
// name. The texts are folded once when the filter is made, so each keystroke
// only scans them; a query that extends the last one scans only its matches.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

class JumpToFileFilter {
 public:
  explicit JumpToFileFilter(const QStringList& entries);

  // The indexes of the matching entries, in list order; every entry for an
  // empty query.
  const std::vector<int32_t>& Matches(const QString& query);

 private:
  bool Matches(int32_t index, const QStringList& words) const;

  std::vector<QString> folded_;  // artist, title and file name, case-folded, one line each
  QString lastQuery_;
  std::vector<int32_t> matches_;
};
