#pragma once
// Finding and reading the files of a skin folder. File names are matched
// without regard to case, so a Winamp skin's "main.bmp" answers for "Main.bmp".
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace SkinUnit {

// The path of the file in the folder under any case of its name, or an empty
// string when there is none.
QString FindSkinFile(const QString& folder, const QString& fileName);

// Reads a skin bitmap (BMP, or PNG by its signature) after checking its
// header, so a truncated, empty or absurdly large file is refused before
// anything is allocated for it.
std::optional<QImage> ReadSkinBitmap(const QString& path);

// `data` decoded as an image of `format` ("BMP", "PNG", "ICO") and of no
// other; nothing when it is not one, or larger than a skin bitmap may be.
std::optional<QImage> DecodeImage(const QByteArray& data, const char* format);

// Reads a skin text file (refusing files far larger than any skin text file).
std::optional<QStringList> ReadSkinText(const QString& path);

}  // namespace SkinUnit
