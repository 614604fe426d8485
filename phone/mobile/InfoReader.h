// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Reading the phone's identity, its SIM card and its clock, and setting the
// clock, over the AT engine; and the parsing of the answers.

#include "phone/line/AtEngine.h"
#include "phone/mobile/AtText.h"

#include <QString>

#include <optional>

namespace orrin::phone {

struct MobileInfo {
    QString manufacturer;
    QString model;
    QString revision;
    QString imei;
    QString battery;    // per cent
    QString signal;     // dBm
    QString ownNumber;
};

struct SimInfo {
    QString cardNumber;
    QString imsi;
    QString serviceCentre;  // without "+"
};

// The identity must be answered; battery, signal and own number stay empty
// when the phone refuses them. Nothing when the line fails.
std::optional<MobileInfo> ReadMobileInfo(CAtEngine &engine);
// The service centre arrives in the character set the phone was last told.
std::optional<SimInfo> ReadSimInfo(CAtEngine &engine, Charset charset);
// The clock as "yy/MM/dd,hh:mm:ss".
std::optional<QString> ReadClock(CAtEngine &engine);
bool WriteClock(CAtEngine &engine, const QString &clock);

// Answer values to texts; an empty text when the value makes no sense.
QString BatteryPercent(const QByteArray &cbc);       // "0,80" -> "80"
QString SignalDbm(const QByteArray &csq);            // "15,99" -> "-83"; rssi 99 -> ""
QString OwnNumber(const QByteArray &cnum);           // "\"Own\",\"+4917\",145" -> "+4917"
// "\"+4917\",145" -> "4917"; UCS2 "\"002B0034\",145" -> "4"
QString ServiceCentreDigits(const QByteArray &csca, Charset charset);
QString ClockText(const QByteArray &cclk);           // "\"04/01/15,10:30:00+04\"" -> "04/01/15,10:30:00"
// A clock text the phone takes: yy/MM/dd,hh:mm:ss with a real date and time.
bool IsClockText(const QString &text);

} // namespace orrin::phone
