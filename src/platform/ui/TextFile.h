#pragma once
#include <QString>
#include <QStringList>

#include <optional>

namespace PlatformUi {

// Reads a text file in the system's 8-bit encoding into lines; a line ends at
// CR, LF or CR LF, and a last line without an end still counts. Returns
// nothing when the file cannot be read or is larger than maxBytes.
std::optional<QStringList> ReadTextLines(const QString& path, qint64 maxBytes);

// Writes the lines, each ended by CR LF, to a temporary file and renames it
// over the old one, so a failed write never leaves a truncated file. On
// failure the old file stays and a line goes to standard error.
bool WriteTextLines(const QString& path, const QStringList& lines);

// Splits text into lines by the same rule as ReadTextLines.
QStringList SplitTextLines(const QString& text);

}  // namespace PlatformUi
