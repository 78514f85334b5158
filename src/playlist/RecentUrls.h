#pragma once
// The addresses last added with "Add Url", newest first, kept in the file
// "solvane.urls" beside the settings so they are offered again next run.
#include <QString>
#include <QStringList>

namespace RecentUrls {

constexpr int kMaxRecentUrls = 10;

// The remembered addresses; none when the file is missing or unreadable.
QStringList LoadRecentUrls();

// Puts `url` first (once) and writes the list back, at most kMaxRecentUrls.
void RememberUrl(const QString& url);

}  // namespace RecentUrls
