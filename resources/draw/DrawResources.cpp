// Draws the pictures of the project's own design into a folder:
//   group-expand.png    collapse button of a collapsed group (chevrons down)
//   group-collapse.png  collapse button of an expanded group (chevrons up)
//   hand.png            the pointing-hand cursor, fingertip at (10, 1)
// Usage: orrin_draw_resources <folder>

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>

#include <cstdio>

namespace {

constexpr int kButtonSize = 21;
constexpr int kCursorSize = 32;

QImage TransparentImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A round white button with two chevrons; up = the group folds away.
QImage DrawGroupButton(bool chevronsUp)
{
    QImage image = TransparentImage(kButtonSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient face(0, 2, 0, kButtonSize - 2);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(226, 233, 250));
    painter.setPen(QPen(QColor(156, 174, 222), 1));
    painter.setBrush(face);
    painter.drawEllipse(QRectF(2, 2, kButtonSize - 4, kButtonSize - 4));

    QPen chevron(QColor(33, 70, 165), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(chevron);
    painter.setBrush(Qt::NoBrush);
    // Each chevron spans 7 pixels and rises (or falls) 3 to its tip.
    const qreal middle = kButtonSize / 2.0;
    const qreal rise = chevronsUp ? -3.0 : 3.0;
    const qreal firstBase = chevronsUp ? middle - 0.5 : middle - 3.5;
    for (qreal base : {firstBase, firstBase + 4.0}) {
        QPainterPath path;
        path.moveTo(middle - 3.5, base);
        path.lineTo(middle, base + rise);
        path.lineTo(middle + 3.5, base);
        painter.drawPath(path);
    }
    return image;
}

// A pointing hand: raised index finger, three folded fingers, thumb on the
// left, white with a dark outline.
QImage DrawHandCursor()
{
    QImage image = TransparentImage(kCursorSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath hand;
    hand.addRoundedRect(QRectF(8, 0.5, 5, 19), 2.5, 2.5);  // index finger
    hand.addRoundedRect(QRectF(12.5, 9, 4.5, 10), 2.2, 2.2); // middle finger
    hand.addRoundedRect(QRectF(16.5, 10, 4.5, 10), 2.2, 2.2);
    hand.addRoundedRect(QRectF(20.5, 11.5, 4, 9), 2, 2); // little finger
    hand.addRoundedRect(QRectF(8, 14, 16.5, 14), 4, 4);  // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -8, 5, 12), 2.5, 2.5);
    hand.addPath(QTransform().translate(7, 21).rotate(-40).map(thumb));
    hand = hand.simplified();

    painter.setPen(QPen(QColor(20, 20, 20), 1.1));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);

    painter.setPen(QPen(QColor(90, 90, 90), 0.9));
    for (qreal x : {12.75, 16.75, 20.75})
        painter.drawLine(QPointF(x, 13.5), QPointF(x, 18));
    return image;
}

bool Save(const QImage &image, const QString &folder, const char *name)
{
    const QString path = folder + QLatin1Char('/') + QLatin1String(name);
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = Save(DrawGroupButton(false), folder, "group-expand.png")
        && Save(DrawGroupButton(true), folder, "group-collapse.png")
        && Save(DrawHandCursor(), folder, "hand.png");
    return ok ? 0 : 1;
}
