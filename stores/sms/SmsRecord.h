// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The message record (the same in memory, towards the Mobile module and in
// SMS.sml) and what the store, the view and the compose dialog
// need to know about it.

#include "phone/PhoneApi.h"

#include <QList>
#include <QString>

namespace orrin {

using SmsList = QList<SmsRecord>;

enum SmsStatus : int { kSmsStatusUnread = 0, kSmsStatusRead = 1, kSmsStatusUnsent = 2, kSmsStatusSent = 3 };

// A number and a text keep room for their terminator: a longer one would be cut,
// and a cut number reaches somebody else.
constexpr int kSmsNumberLimit = SMS_NUMBER_SIZE - 1;
constexpr int kSmsContentLimit = SMS_CONTENT_SIZE - 1;

QString SmsNumber(const SmsRecord &record);
QString SmsContent(const SmsRecord &record);
QString SmsTime(const SmsRecord &record);
void SetSmsNumber(SmsRecord &record, const QString &number);
void SetSmsContent(SmsRecord &record, const QString &content);

// Makes every text zero-terminated, whatever filled it.
void TerminateSmsTexts(SmsRecord &record);

// Two messages are the same when their time, number and content are equal
// byte for byte and their status is equal; location, validity, report and
// handfree do not count.
bool SameSms(const SmsRecord &a, const SmsRecord &b);

// The validity periods in code order 0 to 5; a code outside them is "Max",
// and a text that is none of the first five is code 5.
const QStringList &SmsValidityTexts();
QString SmsValidityText(int code);
int SmsValidityCode(const QString &text);

} // namespace orrin
