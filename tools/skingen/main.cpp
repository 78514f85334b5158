// Generates the default skin and, in its "Winamp" subfolder, the base skin
// for Winamp skins: skingen OUTPUT_FOLDER FONT_FOLDER
#include <QGuiApplication>
#include <cstdio>

#include "SkinFonts.h"
#include "SkinWriter.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER FONT_FOLDER\n", argv[0]);
    return 2;
  }
  // Drawing needs no screen; the build may run without a display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QString error;
  if (!SkinGen::LoadSkinFonts(QString::fromLocal8Bit(argv[2]), &error) ||
      !SkinGen::WriteDefaultSkin(QString::fromLocal8Bit(argv[1]), &error) ||
      !SkinGen::WriteWinampBaseSkin(QString::fromLocal8Bit(argv[1]) + "/Winamp", &error)) {
    std::fprintf(stderr, "skingen: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
