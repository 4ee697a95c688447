// Renders the scalable icon into the PNG sizes that desktops ask for:
//   kmb_render_icon ICON.svg FOLDER SIZE...
// writes FOLDER/<size>x<size>/apps/orx_kmb.png for each size.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fputs("usage : kmb_render_icon ICONE.svg DOSSIER TAILLE...\n", stderr);
    return 2;
  }
  QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
  if (!icon.isValid()) {
    std::fprintf(stderr, "kmb_render_icon : impossible de lire %s\n", argv[1]);
    return 1;
  }
  for (int i = 3; i < argc; ++i) {
    const int size = QByteArray(argv[i]).toInt();
    if (size <= 0) return 2;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    icon.render(&painter);
    painter.end();
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
    if (!QDir().mkpath(folder) || !image.save(folder + QStringLiteral("/orx_kmb.png"), "PNG")) {
      std::fprintf(stderr, "kmb_render_icon : impossible d'écrire dans %s\n", qPrintable(folder));
      return 1;
    }
  }
  return 0;
}
