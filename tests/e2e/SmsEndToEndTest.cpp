// SPDX-License-Identifier: GPL-2.0-or-later
// The message store over the real Mobile module and the simulated phone of
// each family: read both memories, send, save and delete, synchronise and
// export, and a message that arrives during the session.
#include "phone/sms/SmsPdu.h"
#include "stores/sms/SMSData.h"
#include "tests/e2e/StoreEndToEndFixture.h"
#include "views/sms/SMSComposeDlg.h"
#include "views/sms/SMSWnd.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

using namespace orrin;
using namespace orrin::test;

namespace {

class SmsEndToEndTest : public FamilyStoreFixture {
protected:
    void Connect(const QStringList &options = {}) { ConnectFamily(m_store, options); }
    int Read(int memory)
    {
        g_nMemory.store(memory);
        return m_store.ReadPhone();
    }
    // The SMS-SUBMITs the phone sent to the network, from its saved state.
    QList<phone::SmsPdu> SentPdus(const QString &stateFile) const
    {
        QFile file(stateFile);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QList<phone::SmsPdu> sent;
        const QJsonArray pdus = QJsonDocument::fromJson(file.readAll())["messages"]["sent"].toArray();
        for (const QJsonValue &pdu : pdus) {
            if (const std::optional<phone::SmsPdu> decoded = phone::DecodePduHex(pdu.toString().toLatin1()))
                sent << *decoded;
        }
        return sent;
    }

    CSMSData m_store;
};

TEST_P(SmsEndToEndTest, ReadSendSaveDeleteSynchroniseAndExport)
{
    const QString state = m_dir.filePath(QStringLiteral("state.json"));
    Connect({"--state", state, "--save"});
    ASSERT_EQ(Read(kPhoneMemory), 1) << g_strLastError.Get().toStdString();
    EXPECT_EQ(m_store.m_phoneList.size(), 4);
    ASSERT_EQ(Read(kSimCard), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(m_store.m_simList.size(), 6);
    EXPECT_EQ(m_store.m_capacity, 6);

    // Two numbers typed without "+", the country's code put in front.
    CSMSComposeDlg dialog(m_store, {});
    dialog.m_strSendTo = QStringLiteral("1701234567, 1607654321");
    dialog.m_strCountry = QStringLiteral("German Federal Rep");
    m_store.m_recipients = dialog.Recipients(NumberTarget::Phone);
    m_store.m_sendRecord = {};
    SetSmsContent(m_store.m_sendRecord, QStringLiteral("Grüße {ok}"));
    m_store.m_sendRecord.validity = 5;
    ASSERT_EQ(m_store.SendMessages(), 1) << g_strLastError.Get().toStdString();

    // The SIM is full: one message makes room, the saved copy is listed
    // where the phone put it and is deleted again.
    m_store.m_selection = {0};
    ASSERT_EQ(m_store.DeletePhone(), 1);
    m_store.m_recipients = {QStringLiteral("491701234567")};
    m_store.m_phoneRecord = {};
    m_store.m_phoneRecord.status = kSmsStatusUnsent;
    SetSmsContent(m_store.m_phoneRecord, QStringLiteral("kept on the SIM"));
    ASSERT_EQ(m_store.SavePhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(Read(kSimCard), 1);
    const qsizetype saved = std::find_if(m_store.m_workList.cbegin(), m_store.m_workList.cend(),
                                         [](const SmsRecord &r) { return SmsContent(r) == "kept on the SIM"; })
                            - m_store.m_workList.cbegin();
    ASSERT_LT(saved, m_store.m_workList.size());
    EXPECT_EQ(SmsNumber(m_store.m_workList[saved]), QStringLiteral("+491701234567"));
    m_store.m_selection = {int(saved)};
    ASSERT_EQ(m_store.DeletePhone(), 1);
    ASSERT_EQ(Read(kSimCard), 1);
    EXPECT_EQ(m_store.m_workList.size(), 5);

    ASSERT_EQ(m_store.SyncToLocal(), 1);
    EXPECT_EQ(m_store.m_localList.size(), 9);
    ASSERT_EQ(m_store.SyncToLocal(), 1);
    EXPECT_EQ(m_store.m_localList.size(), 9);
    QList<QStringList> rows;
    for (const SmsRecord &record : std::as_const(m_store.m_localList))
        rows << SmsColumnTexts(record);
    const QByteArray exported = BuildExportText(rows);
    EXPECT_EQ(exported.count("\r\n\r\n"), 9);
    EXPECT_TRUE(exported.contains("From:+")) << exported.constData();

    Disconnect();
    const QList<phone::SmsPdu> sent = SentPdus(state);
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0].party.text, QStringLiteral("491701234567"));
    EXPECT_EQ(sent[1].party.text, QStringLiteral("491607654321"));
    EXPECT_EQ(sent[0].kind, phone::SmsKind::Submit);
    EXPECT_EQ(sent[0].text, QStringLiteral("Grüße {ok}"));
}

TEST_P(SmsEndToEndTest, MessageArrivingDuringTheSessionShowsOnTheNextRead)
{
    Connect({"--incoming-every", "3"});
    ASSERT_EQ(Read(kPhoneMemory), 1);
    const qsizetype before = m_store.m_workList.size();
    ASSERT_EQ(Read(kPhoneMemory), 1) << g_strLastError.Get().toStdString();
    ASSERT_GT(m_store.m_workList.size(), before);
    // The phone lists by location: the new one sits in the first free place.
    const auto arrived = std::find_if(m_store.m_workList.cbegin(), m_store.m_workList.cend(), [](const SmsRecord &r) {
        return SmsContent(r) == QStringLiteral("Are you there?") && r.status == kSmsStatusUnread;
    });
    ASSERT_NE(arrived, m_store.m_workList.cend());
    EXPECT_EQ(SmsNumber(*arrived), QStringLiteral("+491601234567"));
    m_store.m_selection = {0};
    EXPECT_EQ(m_store.DeletePhone(), 1) << g_strLastError.Get().toStdString();
}

ORRIN_FOR_BOTH_FAMILIES(SmsEndToEndTest);

} // namespace
