#pragma once
// The rules of the CD information editor, apart from its window: how
// extended data is shown and stored, which fields must be filled, and what
// a CDDB server would refuse.
#include <QString>
#include <QStringList>

namespace CDInfoEditing {

// The lines of a multi-line text as the editor shows them: cut at line
// ends (CR, LF or CR LF), empty lines dropped.
QStringList SplitIntoLines(const QString& text);

// The text with every carriage return removed and trailing blanks and line
// ends cut.
QString WithoutTrailingBlanks(const QString& text);

// Extended data as stored: its lines joined with line feeds, trailing blanks
// and line ends cut.
QString JoinedLines(const QString& text);

// The editor's fields as typed.
struct EditedFields {
  QString artist;
  QString title;
  QString discId;
  QString revision;
  QString category;
  QString year;
  QStringList trackTitles;  // track 1 first
};

struct Validation {
  QStringList messages;    // one per failed rule, in the order the rules run
  bool clearYear = false;  // a four-character year that is no number is emptied
  bool Passed() const { return messages.isEmpty(); }
};

// Checks artist, title, disc id, revision, category, year and then every
// track title in order.
Validation Validate(const EditedFields& fields);

// An address no one reads: empty (as the player starts), without "@", or at
// the reserved domain ".invalid" (older players started with such a one).
bool IsPlaceholderEmail(const QString& email);

// A name that only stands in for the real one: "Track 1", "Track01",
// "Audio Track 07", "Unknown", "Unknown Artist" and the like.
bool IsPlaceholderTitle(const QString& title);

// Why a submission may not go out (CDDB servers ban clients that submit
// with made-up addresses and reject stand-in names); empty when it may.
QStringList SubmissionRefusals(const QString& email, const EditedFields& fields);

}  // namespace CDInfoEditing
