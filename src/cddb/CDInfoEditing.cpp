#include "CDInfoEditing.h"

#include <QRegularExpression>

#include "cddb/TCddb.h"

namespace CDInfoEditing {

QStringList SplitIntoLines(const QString& text) {
  static const QRegularExpression lineEnd(QStringLiteral("[\\r\\n]"));
  return text.split(lineEnd, Qt::SkipEmptyParts);
}

QString WithoutTrailingBlanks(const QString& text) {
  QString result = text;
  result.remove(QLatin1Char('\r'));
  qsizetype end = result.size();
  while (end > 0 && result[end - 1].isSpace()) --end;
  result.truncate(end);
  return result;
}

QString JoinedLines(const QString& text) {
  return WithoutTrailingBlanks(SplitIntoLines(text).join(QLatin1Char('\n')));
}

Validation Validate(const EditedFields& fields) {
  Validation result;
  const auto require = [&result](const QString& value, const char* message) {
    if (value.isEmpty()) result.messages.append(QLatin1String(message));
  };
  require(fields.artist, "The Artist field is Empty");
  require(fields.title, "The Title field is Empty");
  require(fields.discId, "The DiscID field is Invalid");
  require(fields.revision, "The Revision field is Invalid");
  require(fields.category, "The Category field is Empty");
  if (fields.year.size() == 4) {
    bool isNumber = false;
    fields.year.toInt(&isNumber);
    if (!isNumber) {
      result.messages.append(QStringLiteral("The Year field is Invalid"));
      result.clearYear = true;
    }
  } else if (!fields.year.isEmpty()) {
    result.messages.append(QStringLiteral("The Year field is Invalid"));
  }
  for (qsizetype i = 0; i < fields.trackTitles.size(); ++i) {
    if (fields.trackTitles[i].isEmpty()) result.messages.append(QStringLiteral("Track %1 field is Empty").arg(i + 1));
  }
  return result;
}

bool IsPlaceholderEmail(const QString& email) {
  const QString address = email.trimmed();
  return !address.contains(QLatin1Char('@')) || address.endsWith(QLatin1String(".invalid"), Qt::CaseInsensitive);
}

bool IsPlaceholderTitle(const QString& title) {
  static const QRegularExpression placeholder(
      QStringLiteral("^((audio\\s*)?track\\s*\\d*|unknown(\\s+(artist|album|title|disc))?|new\\s+(artist|album))$"),
      QRegularExpression::CaseInsensitiveOption);
  return placeholder.match(title.trimmed()).hasMatch();
}

QStringList SubmissionRefusals(const QString& email, const EditedFields& fields) {
  QStringList refusals;
  if (IsPlaceholderEmail(email)) {
    refusals.append(QStringLiteral(
        "Please enter your own e-mail address before submitting: freedb servers refuse submissions from made-up "
        "addresses."));
  }
  if (IsPlaceholderTitle(fields.artist) || IsPlaceholderTitle(fields.title)) {
    refusals.append(QStringLiteral("Please give the real artist and title of the CD before submitting."));
  }
  QStringList unnamedTracks;
  for (qsizetype i = 0; i < fields.trackTitles.size(); ++i) {
    if (IsPlaceholderTitle(fields.trackTitles[i])) unnamedTracks.append(QString::number(i + 1));
  }
  if (!unnamedTracks.isEmpty()) {
    refusals.append(QStringLiteral("Please give these tracks their real titles before submitting: ") +
                    unnamedTracks.join(QStringLiteral(", ")));
  }
  return refusals;
}

}  // namespace CDInfoEditing
