// SPDX-License-Identifier: GPL-2.0-or-later
#include "views/info/InfoContent.h"

#include "ui/LinkLabel.h"
#include "ui/Look.h"
#include "link/Messages.h"
#include "link/MobileLink.h"
#include "resources/Resources.h"

#include <QPainter>

#include <algorithm>

namespace orrin {
namespace {

const QColor kLineColour(204, 204, 204);
const QColor kHeadingColour(100, 149, 200);
constexpr int kLabelX = 200;
constexpr int kValueX = 350;
constexpr int kBulletX = 180;
constexpr int kFirstRowY = 50;
constexpr int kRowStep = 20;
constexpr int kSignalRow = 5; // of the phone section's rows, counted from 0
constexpr int kSignalPictureX = 420;
constexpr int kSignalPictureGap = 10;

const char *const kSyncLinkText = QT_TRANSLATE_NOOP("orrin::CInfoContent", "Sync to Local time");

const char *const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// Text drawn with its top at y, as the content's layout gives positions.
void DrawTextAt(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QRect(x, y, 2000, 20), Qt::AlignLeft | Qt::AlignTop, text);
}

void DrawBitmap(QPainter &painter, int x, int y, int id)
{
    painter.drawPixmap(x, y, QPixmap(BitmapPath(id)));
}

// Labels at x 200 and values at x 350, one row every 20 pixels from y 50.
void PaintRows(QPainter &painter, std::initializer_list<std::pair<const char *, QString>> rows)
{
    int y = kFirstRowY;
    for (const auto &[label, value] : rows) {
        DrawTextAt(painter, kLabelX, y, CInfoContent::tr(label));
        DrawTextAt(painter, kValueX, y, value);
        y += kRowStep;
    }
}

QString WithSuffix(const QString &value, const QString &suffix)
{
    return value.isEmpty() ? value : value + suffix;
}

} // namespace

QString FormatPhoneTime(QString *raw)
{
    if (raw->isEmpty())
        return {};
    const QString year = raw->mid(0, 2);
    const QString month = raw->mid(3, 2);
    const QString day = raw->mid(6, 2);
    const QString hour = raw->mid(9, 2);
    const QString minute = raw->mid(12, 2);
    const QString second = raw->mid(15, 2);

    bool isNumber = false;
    const int monthNumber = month.toInt(&isNumber);
    const QString monthName = isNumber && month.size() == 2 && monthNumber >= 1 && monthNumber <= 12
                                  ? QString::fromLatin1(kMonthNames[monthNumber - 1])
                                  : QString();
    const QString century = year.toInt() >= 50 ? QStringLiteral("19") : QStringLiteral("20");

    *raw = raw->left(6) + day + QLatin1Char(',') + hour + QLatin1Char(':') + minute + QLatin1Char(':') + second;
    return monthName + QLatin1Char(' ') + day + QStringLiteral(", ") + century + year + QStringLiteral(", ") + hour +
           QLatin1Char(':') + minute + QLatin1Char(':') + second;
}

int SignalPictureId(const QString &signal)
{
    const int dbm = signal.trimmed().toInt();
    if (dbm == -113)
        return 180;
    if (dbm >= -112 && dbm <= -92)
        return 177;
    if (dbm >= -91 && dbm <= -72)
        return 178;
    if (dbm >= -71 && dbm <= -52)
        return 179;
    if (dbm == -51)
        return 176;
    return 0;
}

CInfoContent::CInfoContent(QWidget *parent)
    : CMessageTarget(parent), m_syncLink(new CLinkLabel(tr(kSyncLinkText), WM_SYNC_TIME, this))
{
    setWindowTitle(QStringLiteral("Infomation"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    m_syncLink->setGeometry(300, 290, 150, 20);
}

void CInfoContent::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_syncLink->SetText(tr(kSyncLinkText));
    CMessageTarget::changeEvent(event);
}

void CInfoContent::SetSection(int section)
{
    m_nSection = section;
    repaint();
}

void CInfoContent::SetLocalTimeText(const QString &text)
{
    m_strLocalTimeText = text;
    update(QRect(QPoint(60, 290), QPoint(270, 320)));
}

void CInfoContent::OnInfoDone()
{
    QString raw = m_texts[kPhoneTime];
    if (!raw.isEmpty()) {
        m_strPhoneTimeText = FormatPhoneTime(&raw);
        m_texts[kPhoneTime] = raw;
    }
    repaint();
}

void CInfoContent::OnMessage(int message, int)
{
    if (message == WM_SYNC_TIME)
        emit SyncRequested();
}

void CInfoContent::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setFont(DialogFont(15));
    painter.setPen(kLineColour);
    painter.drawLine(160, 40, width() - 40, 40);
    painter.drawLine(20, 250, width() - 40, 250);

    painter.setPen(kHeadingColour);
    DrawTextAt(painter, 160, 20, m_nSection == kSimSection ? tr("SIM card information")
                                                          : tr("Phone information"));
    DrawTextAt(painter, 20, 230, tr("Time information"));

    painter.setPen(palette().color(QPalette::WindowText));
    if (m_nSection == kSimSection)
        PaintSimSection(painter);
    else
        PaintPhoneSection(painter);
    PaintTimeSection(painter);

    DrawBitmap(painter, 35, 15, CMobileLink::GetPhoneTypeCode() == PhoneFamily::Newer ? 187 : 135);
    const int bulletRows = m_nSection == kSimSection ? 3 : 7;
    for (int row = 0; row < bulletRows; ++row)
        DrawBitmap(painter, kBulletX, 53 + row * kRowStep, 137);
    DrawBitmap(painter, 40, 273, 137);
    DrawBitmap(painter, 40, 313, 137);
    DrawBitmap(painter, 280, 273, 137);
    if (const int picture = SignalPictureId(m_texts[kSignal]); picture && m_nSection != kSimSection)
        painter.drawPixmap(SignalPictureRect().topLeft(), QPixmap(BitmapPath(picture)));
}

// Within the "Signal" row, so that a long "Local number" below stays clear,
// and right of the signal value however wide that is.
QRect CInfoContent::SignalPictureRect() const
{
    const int picture = SignalPictureId(m_texts[kSignal]);
    if (!picture)
        return {};
    const QSize size = QPixmap(BitmapPath(picture)).size();
    const QString value = WithSuffix(m_texts[kSignal], QStringLiteral("dBm"));
    const int valueRight = kValueX + QFontMetrics(DialogFont(15)).horizontalAdvance(value);
    const int signalRowBottom = kFirstRowY + kSignalRow * kRowStep + kRowStep;
    return QRect(QPoint(std::max(kSignalPictureX, valueRight + kSignalPictureGap), signalRowBottom - size.height()),
                 size);
}

void CInfoContent::PaintPhoneSection(QPainter &painter)
{
    PaintRows(painter, {
        {QT_TR_NOOP("Manufacture"), m_texts[kManufacturer]},
        {QT_TR_NOOP("Phone type"), m_texts[kModel]},
        {QT_TR_NOOP("Software version"), m_texts[kSoftwareVersion]},
        {QT_TR_NOOP("IMEI"), m_texts[kImei]},
        {QT_TR_NOOP("Battery"), WithSuffix(m_texts[kBattery], QStringLiteral("%"))},
        {QT_TR_NOOP("Signal"), WithSuffix(m_texts[kSignal], QStringLiteral("dBm"))},
        {QT_TR_NOOP("Local number"), m_texts[kOwnNumber]},
    });
}

void CInfoContent::PaintSimSection(QPainter &painter)
{
    const QString centre = m_texts[kServiceCenter];
    PaintRows(painter, {
        {QT_TR_NOOP("Card number"), m_texts[kCardNumber]},
        {QT_TR_NOOP("IMSI"), m_texts[kImsi]},
        {QT_TR_NOOP("Service center number"), centre.isEmpty() ? centre : QStringLiteral("+") + centre},
    });
}

void CInfoContent::PaintTimeSection(QPainter &painter)
{
    DrawTextAt(painter, 60, 270, tr("Local time"));
    DrawTextAt(painter, 60, 290, m_strLocalTimeText);
    DrawTextAt(painter, 60, 310, tr("Phone time"));
    DrawTextAt(painter, 60, 330, m_strPhoneTimeText);
    DrawTextAt(painter, 300, 270, tr("Synchronize time information"));
}

} // namespace orrin
