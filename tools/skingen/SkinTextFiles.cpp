#include "SkinTextFiles.h"

#include "SkinPainting.h"
#include "SkinPalette.h"

namespace SkinGen {

namespace {

QString Hex(const QColor& colour) { return colour.name(QColor::HexRgb).toUpper(); }

}  // namespace

QStringList PlaylistColourLines() {
  return {
      QStringLiteral("[Text]"),
      QStringLiteral("Normal=") + Hex(Palette::DisplayText),
      QStringLiteral("Current=") + Hex(Palette::AmberBright),
      QStringLiteral("NormalBG=") + Hex(Palette::Display),
      QStringLiteral("SelectedBG=") + Hex(Palette::ListSelected),
      QStringLiteral("Font=DejaVu Sans"),
      QStringLiteral("MbBG=") + Hex(Palette::Display),
      QStringLiteral("MbFG=") + Hex(Palette::DisplayText),
  };
}

QStringList VisColourLines() {
  const auto line = [](const QColor& c, const char* comment) {
    return QStringLiteral("%1,%2,%3, // %4").arg(c.red()).arg(c.green()).arg(c.blue()).arg(QLatin1String(comment));
  };
  QStringList lines{line(Palette::Display, "background"), line(Palette::DisplayGrid, "grid")};
  for (int level = 15; level >= 0; --level) lines << line(LevelColour(level / 15.0), "level");
  for (int shade = 0; shade < 5; ++shade) lines << line(Mix(Palette::DisplayText, Palette::DisplayBright, shade / 4.0), "scope");
  lines << line(Palette::AmberBright, "peak dots");
  return lines;
}

QStringList ReadmeLines() {
  return {
      QStringLiteral("Solvane Audio Player - Default skin"),
      QStringLiteral("==================================="),
      QString(),
      QStringLiteral("The skin the player falls back to for any file another skin lacks."),
      QStringLiteral("A slate chassis, a dark teal display with mint text, and amber for"),
      QStringLiteral("everything that is switched on."),
      QString(),
      QStringLiteral("Every file of this folder is generated when the player is built;"),
      QStringLiteral("edit the generator, not the files."),
      QString(),
      QStringLiteral("Files"),
      QStringLiteral("  DeckMain.bmp       deck background, title bars, title-bar buttons"),
      QStringLiteral("  DeckShade.bmp      the deck rolled up (windowshade), active and inactive"),
      QStringLiteral("  PlayButtons.bmp    previous, play, pause, stop, next, eject"),
      QStringLiteral("  ShuffleRepeat.bmp  repeat and shuffle toggles"),
      QStringLiteral("  EQPLButtons.bmp    equalizer and playlist toggles"),
      QStringLiteral("  MP3MODCD.bmp       file-type lamps"),
      QStringLiteral("  MonoStereo.bmp     channel lamps"),
      QStringLiteral("  playpaus.bmp       play-state symbols"),
      QStringLiteral("  VolumeBars.bmp     volume bar (26 steps) and knob"),
      QStringLiteral("  BalanceBars.bmp    balance bar (26 steps) and knob"),
      QStringLiteral("  PositionBar.bmp    song position bar (26 steps) and knob"),
      QStringLiteral("  FontSmall.bmp      95 text cells of 8 x 13 pixels, codes 32 to 126"),
      QStringLiteral("  numbers.bmp        16 digit cells of 8 x 13 pixels"),
      QStringLiteral("  eqmain.bmp         equalizer window, band tracks, colour ramps"),
      QStringLiteral("  visuals.bmp        visual-effects bars and level meter"),
      QStringLiteral("  Playlist.bmp       playlist frame tiles and menu buttons"),
      QStringLiteral("  Playlist.txt       playlist colours and font"),
      QStringLiteral("  *.Cur              mouse cursors"),
      QString(),
      QStringLiteral("Text and digits are rendered from DejaVu Sans Mono Bold, labels from"),
      QStringLiteral("DejaVu Sans Condensed Bold (DejaVu fonts: Bitstream Vera licence)."),
  };
}

}  // namespace SkinGen
