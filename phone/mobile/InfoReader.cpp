// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/InfoReader.h"

#include "phone/mobile/AtText.h"
#include "phone/line/TextFit.h"
#include "phone/line/Unsolicited.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace orrin::phone {
namespace {

constexpr int kClockLength = 17;

// One piece of information: the command and how its answer value reads;
// without a parser the value is taken as it stands.
struct Question {
    QByteArray command;
    std::function<QString(const QByteArray &)> parse = {};
};

QString AnswerText(const Question &question, const AtReply &reply)
{
    if (reply.lines.isEmpty())
        return {};
    const QByteArray value = reply.Value(AnswerPrefixOf(question.command));
    return question.parse ? question.parse(value) : PhoneText(value);
}

// A broken line ends the reading at once; a refused question is fatal only
// when it is required, else its answer stays empty.
bool Ask(CAtEngine &engine, const Question &question, bool required, QString &answer)
{
    const AtReply reply = engine.Run(question.command);
    if (reply.LineFailed() || (required && !reply.IsOk()))
        return false;
    answer = reply.IsOk() ? AnswerText(question, reply) : QString();
    return true;
}

int FieldNumber(const QList<QByteArray> &fields, qsizetype index, bool *ok)
{
    *ok = false;
    return index < fields.size() ? fields.at(index).toInt(ok) : 0;
}

} // namespace

std::optional<MobileInfo> ReadMobileInfo(CAtEngine &engine)
{
    MobileInfo info;
    const bool read = Ask(engine, {"AT+CGMI"}, true, info.manufacturer) &&
                      Ask(engine, {"AT+CGMM"}, true, info.model) &&
                      Ask(engine, {"AT+CGMR"}, true, info.revision) &&
                      Ask(engine, {"AT+CGSN"}, true, info.imei) &&
                      Ask(engine, {"AT+CBC", BatteryPercent}, false, info.battery) &&
                      Ask(engine, {"AT+CSQ", SignalDbm}, false, info.signal) &&
                      Ask(engine, {"AT+CNUM", OwnNumber}, false, info.ownNumber);
    return read ? std::optional(info) : std::nullopt;
}

std::optional<SimInfo> ReadSimInfo(CAtEngine &engine, Charset charset)
{
    SimInfo info;
    const auto centre = [charset](const QByteArray &csca) { return ServiceCentreDigits(csca, charset); };
    const bool read = Ask(engine, {"AT^SCID"}, true, info.cardNumber) &&
                      Ask(engine, {"AT+CIMI"}, true, info.imsi) &&
                      Ask(engine, {"AT+CSCA?", centre}, true, info.serviceCentre);
    return read ? std::optional(info) : std::nullopt;
}

std::optional<QString> ReadClock(CAtEngine &engine)
{
    const AtReply reply = engine.Run("AT+CCLK?");
    const QString clock = reply.IsOk() ? ClockText(reply.Value("+CCLK")) : QString();
    return clock.isEmpty() ? std::nullopt : std::optional(clock);
}

bool WriteClock(CAtEngine &engine, const QString &clock)
{
    return IsClockText(clock) && engine.Run("AT+CCLK=\"" + clock.toLatin1() + '"').IsOk();
}

QString BatteryPercent(const QByteArray &cbc)
{
    bool ok = false;
    const int percent = FieldNumber(AtFields(cbc), 1, &ok);
    return ok && percent >= 0 && percent <= 100 ? QString::number(percent) : QString();
}

QString SignalDbm(const QByteArray &csq)
{
    bool ok = false;
    const int rssi = FieldNumber(AtFields(csq), 0, &ok);
    return ok && rssi >= 0 && rssi <= 31 ? QString::number(-113 + 2 * rssi) : QString();
}

QString OwnNumber(const QByteArray &cnum)
{
    const QList<QByteArray> fields = AtFields(cnum);
    return fields.size() > 1 ? PhoneText(fields.at(1)) : QString();
}

QString ServiceCentreDigits(const QByteArray &csca, Charset charset)
{
    QString number = DecodeAtNumber(AtFields(csca).value(0), charset);
    if (number.startsWith(QLatin1Char('+')))
        number.remove(0, 1);
    return number;
}

QString ClockText(const QByteArray &cclk)
{
    const QString clock = PhoneText(AtFields(cclk).value(0)).left(kClockLength);
    return IsClockText(clock) ? clock : QString();
}

bool IsClockText(const QString &text)
{
    static const QRegularExpression kLayout(
        QStringLiteral("^(\\d\\d)/(\\d\\d)/(\\d\\d),(\\d\\d):(\\d\\d):(\\d\\d)$"));
    const QRegularExpressionMatch match = kLayout.match(text);
    if (!match.hasMatch())
        return false;
    auto part = [&](int n) { return match.captured(n).toInt(); };
    return QDate::isValid(2000 + part(1), part(2), part(3)) && QTime::isValid(part(4), part(5), part(6));
}

} // namespace orrin::phone
