// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/sms/SmsRecord.h"

#include "stores/common/TextField.h"

namespace orrin {

QString SmsNumber(const SmsRecord &record)
{
    return TextFieldString(record.number);
}

QString SmsContent(const SmsRecord &record)
{
    return TextFieldString(record.content);
}

QString SmsTime(const SmsRecord &record)
{
    return TextFieldString(record.time);
}

void SetSmsNumber(SmsRecord &record, const QString &number)
{
    SetTextFieldString(record.number, number);
}

void SetSmsContent(SmsRecord &record, const QString &content)
{
    SetTextFieldString(record.content, content);
}

void TerminateSmsTexts(SmsRecord &record)
{
    TerminateFields(record, &SmsRecord::number, &SmsRecord::time, &SmsRecord::content);
}

bool SameSms(const SmsRecord &a, const SmsRecord &b)
{
    return a.status == b.status && TextFieldBytes(a.time) == TextFieldBytes(b.time)
           && TextFieldBytes(a.number) == TextFieldBytes(b.number)
           && TextFieldBytes(a.content) == TextFieldBytes(b.content);
}

const QStringList &SmsValidityTexts()
{
    static const QStringList texts = {QStringLiteral("5 minutes"), QStringLiteral("1 hour"),
                                      QStringLiteral("12 hours"),  QStringLiteral("24 hours"),
                                      QStringLiteral("1 week"),    QStringLiteral("Max")};
    return texts;
}

QString SmsValidityText(int code)
{
    return SmsValidityTexts().value(code >= 0 && code <= 4 ? code : 5);
}

int SmsValidityCode(const QString &text)
{
    const int code = int(SmsValidityTexts().indexOf(text));
    return code >= 0 ? code : 5;
}

} // namespace orrin
