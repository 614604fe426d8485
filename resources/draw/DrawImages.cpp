// SPDX-License-Identifier: GPL-2.0-or-later
// Draws the program's own pictures into PNG files: the toolbar images (a
// normal and a hot set), the wait window's background, the settings
// dialog's group icons, the application icon, the task-pane group buttons,
// the pointing-hand cursor and the number picker's tree pictures.
//
//   QT_QPA_PLATFORM=offscreen orrin_draw_images <folder>
//
// The PNGs are committed; run this again after changing a drawing.

#include <QGuiApplication>
#include <QImage>
#include <QTransform>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cstdio>
#include <functional>

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

using Drawing = std::function<void(QPainter &, QColor accent)>;

const QColor kInk(40, 52, 74);

QPixmap Draw(QSize size, const Drawing &drawing, QColor accent)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing(painter, accent);
    return pixmap;
}

void Plug(QPainter &p, QColor accent, bool connected)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(accent);
    const int gap = connected ? 0 : 4;
    p.drawRoundedRect(QRectF(4, 8, 9 - gap / 2.0, 9), 2, 2);       // plug body
    p.drawLine(QPointF(1, 12.5), QPointF(4, 12.5));                  // its cable
    p.drawLine(QPointF(13 - gap / 2.0, 10), QPointF(15 - gap / 2.0, 10));
    p.drawLine(QPointF(13 - gap / 2.0, 15), QPointF(15 - gap / 2.0, 15));
    p.setBrush(QColor(230, 233, 240));
    p.drawRoundedRect(QRectF(15 + gap / 2.0, 6, 9, 13), 2, 2);      // socket
    p.drawLine(QPointF(24 + gap / 2.0, 12.5), QPointF(29, 12.5));
    if (!connected) {
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(QPointF(12, 3), QPointF(18, 22));
    }
}

void Info(QPainter &p, QColor accent)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(accent);
    p.drawEllipse(QRectF(5, 1.5, 21, 21));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(14, 5, 3, 3));
    p.drawRoundedRect(QRectF(14, 10, 3, 9), 1, 1);
}

void Envelope(QPainter &p, QColor accent)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(3, 5, 24, 16));
    p.setBrush(accent);
    QPainterPath flap;
    flap.moveTo(3, 5);
    flap.lineTo(15, 14);
    flap.lineTo(27, 5);
    flap.closeSubpath();
    p.drawPath(flap);
}

void Book(QPainter &p, QColor accent)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(7, 2, 17, 21), 2, 2);
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(10, 5, 11, 5));
    p.setPen(QPen(kInk, 1));
    for (int y = 13; y <= 19; y += 3)
        p.drawLine(QPointF(11, y), QPointF(20, y));
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(5, 7), QPointF(8, 7));
    p.drawLine(QPointF(5, 17), QPointF(8, 17));
}

void Card(QPainter &p, QColor accent)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(2, 4, 26, 17), 2, 2);
    p.setBrush(accent);
    p.drawEllipse(QRectF(6, 7, 7, 7));
    p.drawChord(QRectF(4, 13, 11, 10), 0, 180 * 16);
    p.setPen(QPen(kInk, 1));
    for (int y = 9; y <= 17; y += 4)
        p.drawLine(QPointF(16, y), QPointF(25, y));
}

void Picture(QPainter &p, QColor accent)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(225, 238, 250));
    p.drawRect(QRectF(3, 3, 24, 19));
    p.setBrush(accent);
    QPainterPath hills;
    hills.moveTo(3, 22);
    hills.lineTo(11, 11);
    hills.lineTo(17, 17);
    hills.lineTo(21, 13);
    hills.lineTo(27, 22);
    hills.closeSubpath();
    p.drawPath(hills);
    p.setBrush(QColor(250, 200, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(19, 5, 5, 5));
}

void Note(QPainter &p, QColor accent)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(accent);
    p.drawEllipse(QRectF(6, 15, 7, 6));
    p.drawEllipse(QRectF(17, 13, 7, 6));
    p.setPen(QPen(kInk, 2));
    p.drawLine(QPointF(12.5, 18), QPointF(12.5, 4));
    p.drawLine(QPointF(23.5, 16), QPointF(23.5, 2));
    p.drawLine(QPointF(12.5, 4), QPointF(23.5, 2));
    p.drawLine(QPointF(12.5, 7), QPointF(23.5, 5));
}

void Background(QPainter &p, QSize size)
{
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, QColor(236, 243, 252));
    shade.setColorAt(1, QColor(196, 214, 238));
    p.setPen(QPen(QColor(74, 104, 150), 2));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 8, 8);
}

// A small phone at the left of the wait window.
void Phone(QPainter &p, QRectF box)
{
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(90, 110, 140));
    p.drawRoundedRect(box, 4, 4);
    p.setBrush(QColor(190, 225, 190));
    p.drawRect(box.adjusted(3, 5, -3, -box.height() / 2));
    p.setBrush(QColor(220, 225, 235));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            p.drawRect(QRectF(box.left() + 4 + column * 5, box.center().y() + 4 + row * 4, 3, 2));
    }
}

// The phone of the information view: the older family with an antenna and a
// small green screen, the newer one slimmer with a colour screen.
void PhonePortrait(QPainter &p, bool newer)
{
    const QRectF body = newer ? QRectF(22, 8, 56, 172) : QRectF(18, 22, 64, 166);
    if (!newer) {
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(70, 78, 92));
        p.drawRoundedRect(QRectF(62, 4, 10, 22), 3, 3);
    }
    QLinearGradient shell(body.left(), 0, body.right(), 0);
    shell.setColorAt(0, newer ? QColor(150, 160, 178) : QColor(96, 108, 126));
    shell.setColorAt(0.5, newer ? QColor(214, 220, 230) : QColor(150, 160, 176));
    shell.setColorAt(1, newer ? QColor(132, 142, 160) : QColor(82, 92, 110));
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(shell);
    p.drawRoundedRect(body, 14, 14);
    const QRectF screen(body.left() + 8, body.top() + 22, body.width() - 16, newer ? 60 : 46);
    QLinearGradient glass(0, screen.top(), 0, screen.bottom());
    glass.setColorAt(0, newer ? QColor(120, 180, 240) : QColor(196, 222, 176));
    glass.setColorAt(1, newer ? QColor(40, 90, 170) : QColor(150, 186, 130));
    p.setBrush(glass);
    p.drawRoundedRect(screen, 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 36, 46, 140));
    p.drawRect(QRectF(screen.left() + 5, screen.top() + 6, screen.width() * 0.5, 4));
    const qreal keysTop = screen.bottom() + (newer ? 30 : 26);
    p.setBrush(QColor(236, 238, 242));
    p.drawRoundedRect(QRectF(body.center().x() - 14, screen.bottom() + 8, 28, 12), 6, 6);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.drawRoundedRect(QRectF(body.left() + 10 + column * (body.width() - 20) / 3.0,
                                     keysTop + row * 14, (body.width() - 20) / 3.0 - 4, 10), 3, 3);
        }
    }
}

// Signal strength as up to four rising bars.
void SignalBars(QPainter &p, int bars)
{
    for (int bar = 0; bar < 4; ++bar) {
        const qreal height = 4 + bar * 4;
        p.setPen(QPen(kInk, 1));
        p.setBrush(bar < bars ? QColor(40, 160, 70) : QColor(225, 228, 232));
        p.drawRect(QRectF(2 + bar * 8, 19 - height, 6, height));
    }
}

// The number picker's tree pictures, 16 pixels each side by side on white
// (white is transparent): name, office or phone-book number, home number,
// mobile number, VIP name, source, fax number. Drawn without smoothing so
// that no pixel near white is left around a picture.
void PersonIcon(QPainter &p, QColor body)
{
    p.setPen(kInk);
    p.setBrush(QColor(250, 214, 170));
    p.drawEllipse(QRect(5, 1, 6, 6));
    p.setBrush(body);
    p.drawRoundedRect(QRect(2, 8, 11, 7), 3, 3);
}

void DeskPhoneIcon(QPainter &p)
{
    p.setPen(kInk);
    p.setBrush(QColor(90, 120, 170));
    p.drawRoundedRect(QRect(1, 2, 14, 4), 2, 2);
    p.drawRect(QRect(3, 7, 10, 7));
    p.setBrush(QColor(240, 240, 230));
    p.drawRect(QRect(6, 9, 4, 3));
}

void HouseIcon(QPainter &p)
{
    p.setPen(kInk);
    p.setBrush(QColor(200, 60, 50));
    p.drawPolygon(QPolygon({QPoint(1, 8), QPoint(8, 1), QPoint(15, 8)}));
    p.setBrush(QColor(235, 205, 140));
    p.drawRect(QRect(3, 8, 10, 7));
    p.setBrush(QColor(120, 80, 40));
    p.drawRect(QRect(7, 10, 3, 5));
}

void MobileIcon(QPainter &p)
{
    p.setPen(kInk);
    p.setBrush(QColor(70, 80, 100));
    p.drawRoundedRect(QRect(4, 0, 8, 15), 2, 2);
    p.setBrush(QColor(150, 210, 150));
    p.drawRect(QRect(6, 2, 4, 5));
    p.drawPoint(8, 12);
}

void StarIcon(QPainter &p)
{
    p.setPen(QColor(170, 110, 0));
    p.setBrush(QColor(255, 200, 30));
    p.drawPolygon(QPolygon({QPoint(11, 0), QPoint(12, 3), QPoint(15, 3), QPoint(13, 5), QPoint(14, 8),
                            QPoint(11, 6), QPoint(8, 8), QPoint(9, 5), QPoint(7, 3), QPoint(10, 3)}));
}

void SourceIcon(QPainter &p)
{
    p.setPen(kInk);
    p.setBrush(QColor(40, 110, 190));
    p.drawRect(QRect(2, 1, 11, 14));
    p.setBrush(QColor(245, 240, 225));
    p.drawRect(QRect(12, 2, 2, 12));
    p.drawLine(5, 5, 10, 5);
}

void FaxIcon(QPainter &p)
{
    p.setPen(kInk);
    p.setBrush(QColor(245, 245, 240));
    p.drawRect(QRect(4, 0, 8, 7));
    p.drawLine(6, 3, 10, 3);
    p.setBrush(QColor(150, 155, 165));
    p.drawRect(QRect(1, 6, 14, 8));
    p.setBrush(QColor(60, 150, 80));
    p.drawRect(QRect(10, 9, 3, 2));
}

QPixmap DrawPickerTreeStrip()
{
    constexpr int kSize = 16;
    const std::vector<std::function<void(QPainter &)>> pictures = {
        [](QPainter &p) { PersonIcon(p, QColor(60, 110, 190)); },
        DeskPhoneIcon,
        HouseIcon,
        MobileIcon,
        [](QPainter &p) {
            PersonIcon(p, QColor(190, 60, 60));
            StarIcon(p);
        },
        SourceIcon,
        FaxIcon,
    };
    QPixmap strip(kSize * int(pictures.size()), kSize);
    strip.fill(Qt::white);
    QPainter p(&strip);
    for (const auto &picture : pictures) {
        picture(p);
        p.translate(kSize, 0);
    }
    return strip;
}

bool Save(const QPixmap &pixmap, const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    if (pixmap.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orrin_draw_images <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QSize toolbarSize(30, 25);
    const std::vector<Drawing> toolbar = {
        [](QPainter &p, QColor c) { Plug(p, c, true); },
        Info, Envelope, Book, Card, Picture, Note,
        [](QPainter &p, QColor c) { Plug(p, c, false); },
    };
    const QColor normal(120, 150, 190);
    const QColor hot(40, 130, 230);
    bool ok = true;
    for (size_t i = 0; i < toolbar.size(); ++i) {
        ok &= Save(Draw(toolbarSize, toolbar[i], normal), folder, QStringLiteral("toolbar-%1.png").arg(i));
        ok &= Save(Draw(toolbarSize, toolbar[i], hot), folder, QStringLiteral("toolbar-hot-%1.png").arg(i));
    }
    const QSize waitSize(300, 96);
    ok &= Save(Draw(waitSize, [&](QPainter &p, QColor) {
        Background(p, waitSize);
        Phone(p, QRectF(14, 24, 21, 46));
    }, hot), folder, QStringLiteral("wait.png"));
    ok &= Save(Draw(QSize(32, 32), [](QPainter &p, QColor c) {
        p.translate(1, 4);
        Card(p, c);
    }, hot), folder, QStringLiteral("user-group.png"));
    ok &= Save(Draw(QSize(32, 32), [](QPainter &p, QColor c) {
        p.translate(1, 4);
        Plug(p, c, true);
    }, hot), folder, QStringLiteral("connection-group.png"));
    ok &= Save(Draw(QSize(32, 32), [](QPainter &p, QColor) { Phone(p, QRectF(8, 1, 16, 30)); }, hot), folder,
               QStringLiteral("app.png"));
    ok &= Save(Draw(QSize(100, 192), [](QPainter &p, QColor) { PhonePortrait(p, false); }, hot), folder,
               QStringLiteral("phone-older.png"));
    ok &= Save(Draw(QSize(100, 192), [](QPainter &p, QColor) { PhonePortrait(p, true); }, hot), folder,
               QStringLiteral("phone-newer.png"));
    ok &= Save(Draw(QSize(9, 9), [](QPainter &p, QColor c) {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawEllipse(QRectF(1, 1, 7, 7));
    }, QColor(100, 149, 200)), folder, QStringLiteral("bullet.png"));
    for (int bars = 0; bars <= 4; ++bars) {
        ok &= Save(Draw(QSize(34, 21), [bars](QPainter &p, QColor) { SignalBars(p, bars); }, hot), folder,
                   QStringLiteral("signal-%1.png").arg(bars));
    }
    ok &= Save(QPixmap::fromImage(DrawGroupButton(false)), folder, QStringLiteral("group-expand.png"));
    ok &= Save(QPixmap::fromImage(DrawGroupButton(true)), folder, QStringLiteral("group-collapse.png"));
    ok &= Save(QPixmap::fromImage(DrawHandCursor()), folder, QStringLiteral("hand.png"));
    ok &= Save(DrawPickerTreeStrip(), folder, QStringLiteral("picker-tree.png"));
    return ok ? 0 : 1;
}
