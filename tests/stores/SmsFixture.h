// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A fresh message store over the Mobile module double, a work folder of its
// own, a view and a main frame that keep their messages, and recorded boxes.

#include "stores/common/TextField.h"
#include "stores/sms/SMSData.h"
#include "tests/doubles/DoubleControl.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

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

class SmsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        ForgetSmsCalls();
        ASSERT_TRUE(m_workDir.isValid());
        g_strWorkDir.Set(m_workDir.path());
        g_strPhoneType.Set(QStringLiteral("S55(Europe,Latin America)"));
        ASSERT_TRUE(QDir(m_workDir.path()).mkdir(g_strPhoneType.Get()));
        g_hMainWnd.Set(&frame);
        g_bConnected.store(1);
    }

    // Runs a code on this thread as the worker would; the message it posted
    // ("done", "sent 0", "sent 5", "failed") with the slot cleared.
    QString Run(int memory, int code)
    {
        g_nMemory.store(memory);
        g_nCommand.store(code);
        const qsizetype toView = view.received.size();
        const qsizetype toFrame = frame.received.size();
        store.RunOperation(&view, code);
        QCoreApplication::sendPostedEvents();
        if (view.received.size() + frame.received.size() - toView - toFrame != 1)
            return QStringLiteral("none or several");
        EXPECT_EQ(g_nCommand.load(), 0);
        if (frame.received.size() > toFrame)
            return frame.received.last().message == WM_OPERATION_FAILED ? QStringLiteral("failed") : QString();
        const ReceivedMessage &last = view.received.last();
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

    QString FilePath() const { return CSMSData::LocalFilePath(); }
    QByteArray FileContents() const
    {
        QFile file(FilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void WriteFile(const QByteArray &bytes) const
    {
        QFile file(FilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray FileBytes(const QByteArray &tag, const QList<Sms> &messages)
    {
        QByteArray bytes = tag;
        bytes.append(4, '\0');
        qToLittleEndian<qint32>(qint32(messages.size()), bytes.data() + 8);
        return bytes + SmsBytes(messages);
    }

    QTemporaryDir m_workDir;
    CMessageSink view;
    CMessageSink frame;
    CBoxRecorder boxes;
    CSMSData store;
};

} // namespace orrin::test
