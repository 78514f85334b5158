#include "TLocalCDDB.h"

#include <QByteArray>

#include <vector>

#include "platform/VersionInfo.h"
#include "platform/ui/TextFile.h"

namespace Cddb {

using LocalCDDB::RecordText;
using LocalCDDB::SetRecordText;

std::unique_ptr<TLocalCDDB> TLocalCDDB::Create(const QString& libraryPath, QString* error) {
  auto library = LocalCDDB::OpenLocalCDDB(libraryPath, error);
  if (!library) return nullptr;
  const QString folder = libraryPath.left(libraryPath.lastIndexOf(QLatin1Char('/')) + 1);
  std::unique_ptr<TLocalCDDB> local(new TLocalCDDB(std::move(library), folder));
  local->library_->SetVersion(QStringLiteral("%1 v%2").arg(QLatin1String(VersionInfo::ProductName),
                                                          QLatin1String(VersionInfo::Version)));
  return local;
}

TLocalCDDB::TLocalCDDB(std::unique_ptr<LocalCDDB::LocalCDDBLibrary> library, QString databaseFolder)
    : library_(std::move(library)),
      databaseFolder_(std::move(databaseFolder)),
      record_(std::make_unique<LocalCDDB::CDLibraryRecord>()) {}

LocalCDDB::CDLibraryRecord& TLocalCDDB::ResetRecord() {
  *record_ = LocalCDDB::CDLibraryRecord{};
  return *record_;
}

LocalCDDB::CDLibraryRecord& TLocalCDDB::RecordOf(const TCDInfo& info) {
  LocalCDDB::CDLibraryRecord& record = ResetRecord();
  SetRecordText(record.DiscId, info.CDDiscId);
  SetRecordText(record.Artist, info.CDArtist);
  SetRecordText(record.Title, info.CDTitle);
  SetRecordText(record.Year, info.CDYear);
  SetRecordText(record.Genre, info.CDGenre);
  SetRecordText(record.ExtendedData, info.CDExtendedData);
  for (size_t i = 0; i < MaxTracks; ++i) {
    SetRecordText(record.TrackTitles[i], info.CDTrackTitles[i]);
    SetRecordText(record.TrackExtData[i], info.CDTrackExtData[i]);
  }
  SetRecordText(record.Category, info.CDCategory);
  record.Revision = info.CDRevision;
  record.TOC = info.CDTOC;
  return record;
}

void TLocalCDDB::ToInfo(TCDInfo& info) const {
  const LocalCDDB::CDLibraryRecord& record = *record_;
  info.CDDiscId = RecordText(record.DiscId);
  info.CDArtist = RecordText(record.Artist);
  info.CDTitle = RecordText(record.Title);
  info.CDYear = RecordText(record.Year);
  info.CDGenre = RecordText(record.Genre);
  info.CDExtendedData = RecordText(record.ExtendedData);
  for (size_t i = 0; i < MaxTracks; ++i) {
    info.CDTrackTitles[i] = RecordText(record.TrackTitles[i]);
    info.CDTrackExtData[i] = RecordText(record.TrackExtData[i]);
  }
  info.CDCategory = RecordText(record.Category);
  info.CDRevision = record.Revision;
  info.CDTOC = record.TOC;
}

int TLocalCDDB::WriteCDData(const TCDInfo& info) {
  const int result = library_->WriteCDData(RecordOf(info), databaseFolder_);
  ResetRecord();
  return result;
}

int TLocalCDDB::ReadCDData(TCDInfo& info) {
  const QString discId = info.CDDiscId;
  const int result = library_->ReadCDData(ResetRecord(), databaseFolder_, discId);
  ToInfo(info);
  ResetRecord();
  return result;
}

int TLocalCDDB::ParseCDDBString(const TEntryArray& lines, TCDInfo& info) {
  QByteArray text;
  for (const QString& line : lines) {
    if (line.isEmpty()) break;
    text += line.toUtf8() + "\r\n";
  }
  const int result = library_->ParseCDDBString(ResetRecord(), text);
  ToInfo(info);
  ResetRecord();
  return result;
}

int TLocalCDDB::CreateCDDBString(const TCDInfo& info, TEntryArray& lines) {
  const LocalCDDB::CDLibraryRecord& record = RecordOf(info);
  int result = LocalCDDB::BufferTooSmall;
  std::vector<char> buffer;
  for (const int size : {4096, 8192, 16384}) {
    buffer.assign(static_cast<size_t>(size), 0);
    result = library_->CreateCDDBString(record, buffer.data(), size);
    if (result != LocalCDDB::BufferTooSmall) break;
  }
  ResetRecord();
  lines.fill(QString());
  if (result != LocalCDDB::Success) return result;
  const QStringList text = PlatformUi::SplitTextLines(QString::fromUtf8(buffer.data()));
  if (text.size() > static_cast<qsizetype>(lines.size())) return LocalCDDB::BufferTooSmall;
  std::copy(text.begin(), text.end(), lines.begin());
  return result;
}

int TLocalCDDB::FindMatches(const TCDInfo& info, TLocalMatches& matches) {
  LocalCDDB::MatchBuffers buffers{};
  const int result = library_->FindMatches(RecordOf(info), databaseFolder_, buffers);
  ResetRecord();
  matches.fill({});
  if (result != LocalCDDB::Success) return result;
  for (size_t i = 0; i < buffers.size(); ++i) {
    const QString text = QString::fromLatin1(buffers[i].data(), static_cast<qsizetype>(strnlen(buffers[i].data(), buffers[i].size())));
    if (text.size() < 2) break;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    matches[i] = {text.left(blank < 0 ? text.size() : blank), blank < 0 ? QString() : text.mid(blank + 1)};
  }
  return result;
}

}  // namespace Cddb
