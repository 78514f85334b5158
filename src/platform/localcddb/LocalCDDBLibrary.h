#pragma once
#include <QByteArray>
#include <QString>

#include <array>
#include <memory>

#include "platform/localcddb/CDLibraryRecord.h"

namespace LocalCDDB {

// Result codes of the database operations.
inline constexpr int Success = 0;
inline constexpr int InvalidArguments = -1;
inline constexpr int BufferTooSmall = -1;    // CreateCDDBString
inline constexpr int NoMatches = -1;         // FindMatches
inline constexpr int DirectoryError = -2;    // WriteCDData: the category folder cannot be made
inline constexpr int NoSuchEntry = -2;       // ReadCDData
inline constexpr int FileCreateError = -3;   // WriteCDData
inline constexpr int FileReadError = -3;     // ReadCDData
inline constexpr int FileWriteError = -4;    // WriteCDData
inline constexpr int CorruptEntry = -4;      // ReadCDData, ParseCDDBString

inline constexpr int MaxMatchBuffers = 100;
using MatchBuffer = std::array<char, 32>;  // "<category> <discid>", zero-terminated
using MatchBuffers = std::array<MatchBuffer, MaxMatchBuffers>;

// The local CD database: entries kept in a database folder, one entry per disc.
class LocalCDDBLibrary {
 public:
  virtual ~LocalCDDBLibrary() = default;
  // The caller's name and version, written into the entries it creates.
  virtual void SetVersion(const QString& text) = 0;
  virtual int WriteCDData(const CDLibraryRecord& record, const QString& databaseFolder) = 0;
  virtual int ReadCDData(CDLibraryRecord& record, const QString& databaseFolder,
                         const QString& discId) = 0;
  // Writes the entry text, zero-terminated, into the buffer of the given size.
  virtual int CreateCDDBString(const CDLibraryRecord& record, char* buffer, int size) = 0;
  virtual int ParseCDDBString(CDLibraryRecord& record, const QByteArray& entry) = 0;
  virtual int FindMatches(const CDLibraryRecord& disc, const QString& databaseFolder,
                          MatchBuffers& matches) = 0;
};

// Opens the database a library path names; its folder part is the database
// folder. Gives nullptr and an error text when no database can be kept there.
std::unique_ptr<LocalCDDBLibrary> OpenLocalCDDB(const QString& libraryPath, QString* error);

}  // namespace LocalCDDB
