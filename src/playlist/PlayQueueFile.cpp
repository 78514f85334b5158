#include "PlayQueueFile.h"

#include <QStringList>

#include <vector>

#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListModel.h"

namespace PlayQueueFile {

namespace {

constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

}  // namespace

QString PlayQueuePath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".queue")); }

void LoadPlayQueue(PlayListModel& model) {
  std::vector<int32_t> indexes;
  for (const QString& line : PlatformUi::ReadTextLines(PlayQueuePath(), kMaxFileBytes).value_or(QStringList())) {
    bool isNumber = false;
    const int index = line.trimmed().toInt(&isNumber);
    if (isNumber) indexes.push_back(index);
  }
  model.QueueEntries(indexes);
}

void SavePlayQueue(const PlayListModel& model) {
  QStringList lines;
  for (const int32_t index : model.QueuedIndexes()) lines.append(QString::number(index));
  PlatformUi::WriteTextLines(PlayQueuePath(), lines);
}

}  // namespace PlayQueueFile
