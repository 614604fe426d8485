// SPDX-License-Identifier: GPL-2.0-or-later
// Renders the program's icon from its SVG into the PNG sizes of the desktop's
// icon theme: orrin_render_icon <icon.svg> <output folder> <size>...; writes
// <output folder>/<size>x<size>/orrin.png.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: orrin_render_icon <icon.svg> <output folder> <size>...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "orrin_render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir output(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = QString::fromLatin1(argv[i]).toInt();
        const QString folder = QStringLiteral("%1x%1").arg(size);
        if (size <= 0 || !output.mkpath(folder)) {
            std::fprintf(stderr, "orrin_render_icon: no folder for size %s\n", argv[i]);
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!image.save(output.filePath(folder + QStringLiteral("/orrin.png")))) {
            std::fprintf(stderr, "orrin_render_icon: cannot write the %s icon\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
