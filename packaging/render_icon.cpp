// Writes the application's icon as PNG files for the desktop's icon theme:
// the 32 x 32 original and a larger rendering of the same pixels, each
// pixel scaled up as a square so that the drawing stays crisp.
//   render_icon OUT_DIR  -> OUT_DIR/32x32.png, OUT_DIR/128x128.png, OUT_DIR/256x256.png
#include <QDir>
#include <QImage>
#include <QString>
#include <cstdio>

#include "app/resources/MAINICON.xpm"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: render_icon OUT_DIR\n", stderr);
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  const QImage icon(mainicon_xpm);
  if (icon.isNull() || !out.mkpath(".")) return 1;
  for (const int size : {32, 128, 256}) {
    const QImage image = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                             .convertToFormat(QImage::Format_ARGB32);
    const QString name = QStringLiteral("%1x%1.png").arg(size);
    if (!image.save(out.filePath(name), "PNG")) return 1;
  }
  return 0;
}
