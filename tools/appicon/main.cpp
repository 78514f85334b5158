// Draws the application icon in the sizes desktops ask for:
//   solvane_appicon OUTPUT_FOLDER SIZE...
// writes OUTPUT_FOLDER/<size>x<size>/solvane.png for each size. The icon
// wears the default skin's colours: a slate chassis, a teal display with
// level bars and an amber play sign.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "../skingen/SkinPalette.h"

namespace {

namespace Palette = SkinGen::Palette;

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);  // drawn on a 64-unit square

  QLinearGradient chassis(0, 2, 0, 62);
  chassis.setColorAt(0, Palette::ChassisLight);
  chassis.setColorAt(0.15, Palette::ChassisTop);
  chassis.setColorAt(1, Palette::ChassisBottom);
  painter.setPen(QPen(Palette::ChassisDark, 1.5));
  painter.setBrush(chassis);
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

  painter.setPen(QPen(Palette::Groove, 1));
  painter.setBrush(Palette::Display);
  painter.drawRoundedRect(QRectF(9, 9, 46, 46), 6, 6);

  // Level bars rising to the right, as on the equalizer's display.
  painter.setPen(Qt::NoPen);
  const double heights[] = {12, 20, 16, 28, 22, 34};
  for (int bar = 0; bar < 6; ++bar) {
    const double x = 13 + bar * 6.5;
    painter.setBrush(bar % 2 ? Palette::DisplayText : Palette::DisplayLabel);
    painter.drawRect(QRectF(x, 51 - heights[bar], 4.5, heights[bar]));
  }

  QPainterPath play;
  play.moveTo(22, 16);
  play.lineTo(46, 29);
  play.lineTo(22, 42);
  play.closeSubpath();
  painter.setPen(QPen(Palette::ChassisDark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Palette::Amber);
  painter.drawPath(play);
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER SIZE...\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");  // drawing needs no screen
  QGuiApplication app(argc, argv);
  const QString output = QString::fromLocal8Bit(argv[1]);
  for (int i = 2; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    const QString folder = QStringLiteral("%1/%2x%2").arg(output).arg(size);
    if (size < 16 || size > 1024 || !QDir().mkpath(folder) ||
        !DrawIcon(size).save(folder + "/solvane.png")) {
      std::fprintf(stderr, "appicon: cannot write the %s pixel icon into %s\n", argv[i],
                   qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
