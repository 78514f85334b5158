#pragma once
#include <QByteArray>
#include <QString>

#include "platform/localcddb/CDLibraryRecord.h"

// The freedb/xmcd text form of a CD entry, as servers send it and as other
// tools keep it in their databases.
namespace LocalCDDB {

// Writes the entry: header comments with the track frame offsets, disc
// length, revision and the submitting program, then DISCID, DTITLE
// ("artist / title"), DYEAR, DGENRE, TTITLEn, EXTD, EXTTn and PLAYORDER.
// Values are escaped (\n, \t, \\) and split over several lines of the same
// keyword so that no line exceeds 256 bytes. Lines end with a line feed.
QByteArray CreateXmcdEntry(const CDLibraryRecord& record, const QString& submittedVia);

// Reads an entry into the record (which the caller has zeroed), joining
// continued keyword lines. UTF-8 is expected; text that is not valid UTF-8
// is read as Latin-1, as older entries are. Returns false for text that is
// no entry: a line that is neither comment nor keyword, or no DISCID.
bool ParseXmcdEntry(const QByteArray& text, CDLibraryRecord& record);

// True for a disc id of exactly 8 hexadecimal digits.
bool IsValidDiscId(const QString& discId);

}  // namespace LocalCDDB
