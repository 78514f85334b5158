#pragma once
#include <QString>
#include <QStringList>

namespace SkinUnit {

// The names of the skins in skinsFolder, for choosing one from a menu: the
// folders that hold a skin of a known format and the skin archives (.wsz,
// .zip, not opened here), in name order regardless of case, at most `limit`.
QStringList InstalledSkins(const QString& skinsFolder, int limit);

}  // namespace SkinUnit
