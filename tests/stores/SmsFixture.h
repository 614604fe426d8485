// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The message store's ground for tests: the shared store fixture over the
// message store, and the scripts of its module calls.

#include "stores/common/TextField.h"
#include "stores/sms/SMSData.h"
#include "tests/doubles/DoubleControl.h"
#include "tests/stores/StoreFixture.h"

#include <QtEndian>

namespace orrin::test {

struct Sms {
    int location;
    int status;
    QByteArray number;
    QByteArray content;
    QByteArray time = {};
    int validity = 5;
    int report = 0;
    int handfree = 0;
};

inline SmsRecord MakeSms(const Sms &sms)
{
    SmsRecord record{};
    record.location = sms.location;
    record.status = sms.status;
    SetTextFieldBytes(record.number, sms.number);
    SetTextFieldBytes(record.content, sms.content);
    SetTextFieldBytes(record.time, sms.time);
    record.validity = sms.validity;
    record.report = uint8_t(sms.report);
    record.handfree = uint8_t(sms.handfree);
    return record;
}

inline QByteArray SmsBytes(const QList<Sms> &messages)
{
    QByteArray bytes;
    for (const Sms &sms : messages) {
        const SmsRecord record = MakeSms(sms);
        bytes.append(reinterpret_cast<const char *>(&record), sizeof record);
    }
    return bytes;
}

inline QStringList Contents(const SmsList &list)
{
    QStringList contents;
    for (const SmsRecord &record : list)
        contents << SmsContent(record);
    return contents;
}

// Clears the recorded calls; memories hold nothing until scripted.
inline void ForgetSmsCalls()
{
    doubles::Reset();
    doubles::SetDefault(QStringLiteral("SetSMSMemoGetSMSNum"), doubles::Result(0));
    doubles::SetDefault(QStringLiteral("GetSMSSpace"), doubles::Result(10));
}

// What one read of a memory finds.
inline void QueueSmsRead(const QList<Sms> &messages, int capacity)
{
    doubles::Queue(QStringLiteral("SetSMSMemoGetSMSNum"), doubles::Result(int(messages.size())));
    doubles::Queue(QStringLiteral("GetSMSSpace"), doubles::Result(capacity));
    doubles::Reply list;
    list.bytes = SmsBytes(messages);
    if (!messages.isEmpty())
        doubles::Queue(QStringLiteral("ListShortMessage"), list);
}

class SmsFixture : public TStoreFixture<CSMSData> {
protected:
    SmsFixture() : TStoreFixture(QStringLiteral("S55(Europe,Latin America)")) {}

    void ForgetModuleCalls() override { ForgetSmsCalls(); }

    // Runs a code on this thread as the worker would; the message it posted
    // ("done", "sent 0", "sent 5", "failed") with the slot cleared.
    QString Run(int memory, int code)
    {
        const Posted posted = RunCode(memory, code);
        if (posted.toView.size() + posted.toFrame.size() != 1)
            return QStringLiteral("none or several");
        if (!posted.toFrame.isEmpty())
            return posted.toFrame[0].message == WM_OPERATION_FAILED ? QStringLiteral("failed") : QString();
        const ReceivedMessage &last = posted.toView[0];
        if (last.message == WM_SMS_SENT)
            return QStringLiteral("sent %1").arg(last.wParam);
        return last.message == WM_SMS_DONE ? QStringLiteral("done") : QString();
    }

    void ReadMemory(int memory, const QList<Sms> &messages, int capacity)
    {
        QueueSmsRead(messages, capacity);
        ASSERT_EQ(Run(memory, kSmsRead), QStringLiteral("done"));
        doubles::Reset();
        ForgetSmsCalls();
    }

    static QByteArray FileBytes(const QByteArray &tag, const QList<Sms> &messages)
    {
        QByteArray bytes = tag;
        bytes.append(4, '\0');
        qToLittleEndian<qint32>(qint32(messages.size()), bytes.data() + 8);
        return bytes + SmsBytes(messages);
    }
};

} // namespace orrin::test
