// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// A fresh picture or ringtone store over the module doubles, a work folder of
// its own, a view and a main frame that keep their messages, recorded boxes,
// and the phone folder listings the upload finds.

#include "link/Messages.h"
#include "tests/doubles/DoubleControl.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace orrin::test {

inline const QString kOlderType = QStringLiteral("S45i(Europe)");
inline const QString kNewerType = QStringLiteral("S55(Europe,Latin America)");

struct FolderItem {
    QByteArray name;
    uint8_t kind = 0;
};

inline QByteArray FolderBytes(const QList<FolderItem> &entries)
{
    QByteArray bytes;
    for (const FolderItem &entry : entries) {
        FolderEntry record{};
        std::memcpy(record.name, entry.name.constData(), size_t(entry.name.size()));
        record.kind = entry.kind;
        bytes.append(reinterpret_cast<const char *>(&record), sizeof record);
    }
    return bytes;
}

// What the phone folder of an upload lists.
inline void QueueFolder(const QList<FolderItem> &entries)
{
    doubles::Queue(QStringLiteral("GetFolderFileNum"), doubles::Result(int(entries.size())));
    doubles::Reply listing;
    listing.bytes = FolderBytes(entries);
    doubles::Queue(QStringLiteral("ListingCurrentFolder"), listing);
}

inline doubles::Reply Media(const QByteArray &bytes)
{
    doubles::Reply reply;
    reply.bytes = bytes;
    return reply;
}

template <class Store>
class MediaFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        doubles::Reset();
        ASSERT_TRUE(m_workDir.isValid());
        g_strWorkDir.Set(m_workDir.path());
        UsePhoneType(kNewerType);
        g_hMainWnd.Set(&frame);
        g_bConnected.store(1);
    }

    void UsePhoneType(const QString &type)
    {
        g_strPhoneType.Set(type);
        ASSERT_TRUE(QDir(m_workDir.path()).mkpath(type));
    }

    // Runs a code on this thread as the worker would; the one message it
    // posted ("done", "uploaded", "failed") with the slot cleared.
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
        const int message = view.received.last().message;
        if (message == WM_PICTURE_UPLOADED || message == WM_RINGTONE_UPLOADED)
            return QStringLiteral("uploaded");
        return message == WM_PICTURE_DONE || message == WM_RINGTONE_DONE ? QStringLiteral("done") : QString();
    }

    QString Upload(const QString &name)
    {
        store.m_strFileName = name;
        store.m_strLocalPath = m_workDir.filePath(name);
        return Run(kLocalFile, 4);
    }

    QTemporaryDir m_workDir;
    CMessageSink view;
    CMessageSink frame;
    Store store;
};

} // namespace orrin::test
