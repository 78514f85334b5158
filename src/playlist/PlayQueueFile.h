#pragma once
// The play queue kept between runs in "solvane.queue" beside the automatic
// playlist: the queued entries' indexes in that list, first first, one a line.
#include <QString>

class PlayListModel;

namespace PlayQueueFile {

QString PlayQueuePath();

// Queues the entries the file names; lines that are not an index of the
// list are passed over. A missing file leaves the queue empty.
void LoadPlayQueue(PlayListModel& model);

// Writes the queue, replacing the file whole.
void SavePlayQueue(const PlayListModel& model);

}  // namespace PlayQueueFile
