// The local CD database kept as plain xmcd files, one per disc, under
// <database folder>/<category>/<discid>, so entries can be copied in and out
// with other tools.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstring>

#include "platform/localcddb/LocalCDDBLibrary.h"
#include "platform/localcddb/XmcdEntry.h"

namespace LocalCDDB {

namespace {

// No sane entry comes near this; anything larger is not read at all.
constexpr qint64 MaxEntryFileBytes = 1024 * 1024;

// Categories become folder names: only plain names, never a path.
bool IsValidCategory(const QString& category) {
  static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{1,20}$"));
  return pattern.match(category).hasMatch();
}

QStringList CategoryFolders(const QString& databaseFolder) {
  QStringList categories;
  const QStringList names = QDir(databaseFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& name : names) {
    if (IsValidCategory(name)) categories.append(name);
  }
  return categories;
}

QString EntryPath(const QString& databaseFolder, const QString& category, const QString& discId) {
  return databaseFolder + category + QLatin1Char('/') + discId.toLower();
}

class FileStore : public LocalCDDBLibrary {
 public:
  void SetVersion(const QString& text) override { version_ = text; }

  int WriteCDData(const CDLibraryRecord& record, const QString& databaseFolder) override {
    const QString discId = RecordText(record.DiscId).trimmed();
    const QString category = RecordText(record.Category).trimmed();
    if (!IsValidDiscId(discId) || !IsValidCategory(category)) return InvalidArguments;
    if (!QDir().mkpath(databaseFolder + category)) return DirectoryError;
    QSaveFile file(EntryPath(databaseFolder, category, discId));
    if (!file.open(QIODevice::WriteOnly)) return FileCreateError;
    const QByteArray text = CreateXmcdEntry(record, version_);
    if (file.write(text) != text.size() || !file.commit()) return FileWriteError;
    return Success;
  }

  int ReadCDData(CDLibraryRecord& record, const QString& databaseFolder, const QString& discId) override {
    if (!IsValidDiscId(discId.trimmed())) return InvalidArguments;
    for (const QString& category : CategoryFolders(databaseFolder)) {
      const QString path = EntryPath(databaseFolder, category, discId.trimmed());
      if (!QFileInfo(path).isFile()) continue;
      QFile file(path);
      if (!file.open(QIODevice::ReadOnly) || file.size() > MaxEntryFileBytes) return FileReadError;
      const QByteArray text = file.read(MaxEntryFileBytes + 1);
      if (text.size() > MaxEntryFileBytes) return FileReadError;
      if (!ParseXmcdEntry(text, record)) return CorruptEntry;
      SetRecordText(record.Category, category);
      return Success;
    }
    return NoSuchEntry;
  }

  int CreateCDDBString(const CDLibraryRecord& record, char* buffer, int size) override {
    const QByteArray text = CreateXmcdEntry(record, version_);
    if (buffer == nullptr || size <= text.size()) return BufferTooSmall;
    std::memcpy(buffer, text.constData(), static_cast<size_t>(text.size()) + 1);
    return Success;
  }

  int ParseCDDBString(CDLibraryRecord& record, const QByteArray& entry) override {
    return ParseXmcdEntry(entry, record) ? Success : CorruptEntry;
  }

  int FindMatches(const CDLibraryRecord& disc, const QString& databaseFolder, MatchBuffers& matches) override {
    for (MatchBuffer& match : matches) match.fill(0);
    const QString discId = RecordText(disc.DiscId).trimmed().toLower();
    if (!IsValidDiscId(discId)) return NoMatches;
    int found = 0;
    for (const QString& category : CategoryFolders(databaseFolder)) {
      if (found == MaxMatchBuffers) break;
      if (!QFileInfo(EntryPath(databaseFolder, category, discId)).isFile()) continue;
      const QByteArray text = (category + QLatin1Char(' ') + discId).toLatin1();
      std::memcpy(matches[found++].data(), text.constData(), static_cast<size_t>(text.size()));
    }
    return found > 0 ? Success : NoMatches;
  }

 private:
  QString version_;
};

}  // namespace

std::unique_ptr<LocalCDDBLibrary> OpenLocalCDDB(const QString& libraryPath, QString* error) {
  // The database lives in the library path's folder; a bare name names no
  // folder, and a file in the folder's place leaves no room for one.
  const qsizetype slash = libraryPath.lastIndexOf(QLatin1Char('/'));
  const QString folder = libraryPath.left(slash + 1);
  const QFileInfo folderInfo(folder.chopped(folder.isEmpty() ? 0 : 1));
  if (folder.isEmpty() || (folderInfo.exists() && !folderInfo.isDir())) {
    if (error != nullptr) *error = QStringLiteral("Dll not found");
    return nullptr;
  }
  return std::make_unique<FileStore>();
}

}  // namespace LocalCDDB
