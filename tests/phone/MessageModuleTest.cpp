// SPDX-License-Identifier: GPL-2.0-or-later
// The real Mobile module's short messages against the simulated phone of each
// family: both memories listed with every field of the records, storing,
// sending, deleting, full memories and messages the phone cannot make sense of.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"
#include "phone/sms/SmsPdu.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace orrin::phone;
using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

// The fields of a record the program shows, comparable in one go.
struct Message {
    int location = 0;
    int status = 0;
    QString number;
    QString time;
    QString content;
    int validity = 0;
    int report = 0;
    int handfree = 0;

    bool operator==(const Message &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Message &m)
{
    return out << m.location << " status " << m.status << ' ' << m.number.toStdString() << " at \""
               << m.time.toStdString() << "\" \"" << m.content.toStdString() << "\" validity " << m.validity
               << " report " << m.report << " handfree " << m.handfree;
}

Message FromRecord(const SmsRecord &r)
{
    return {r.location, r.status, QString::fromUtf8(r.number), QString::fromUtf8(r.time), QString::fromUtf8(r.content),
            r.validity, r.report, r.handfree};
}

struct MessageFamily {
    const char *family;
    int phoneCapacity;
};

const MessageFamily kOlderMessages{"older", 15};
const MessageFamily kNewerMessages{"newer", 25};

const QList<Message> kSimMessages{
    {1, 0, "Siemens", "031224235959", "Welcome!", 5, 0, 0},
    {2, 1, "0301234567", "051231235958", QStringLiteral("Привет из Москвы"), 5, 1, 0},
    {3, 0, "+4915112345", "060102030405", "Flash: call back!", 5, 0, 1},
    {4, 2, "+4930123456", "", "Termin um 10:00?", 0, 1, 0},
    {5, 3, "+8613912345678", "", QStringLiteral("你好，朋友"), 5, 0, 0},
    {6, 3, "+441234567890", "", "See you at 8", 2, 0, 0},
};

const QList<Message> kPhoneMessages{
    {1, 1, "+4917612345678", "040315103045", QStringLiteral("Grüße {€} [ok]"), 5, 0, 0},
    {3, 2, "+79161234567", "", QStringLiteral("Привет, мир! 你好"), 3, 1, 0},
    {6, 3, "+491701112223", "", "Call me now", 1, 0, 1},
    {9, 2, "01701234567", "", "Bis morgen", 4, 0, 0},
};

class MessageTest : public RealModuleTest {
protected:
    void SetUp() override
    {
        RealModuleTest::SetUp();
        ASSERT_TRUE(sms.AllFound());
    }

    void Connect(const char *family, const QStringList &extra = {})
    {
        ASSERT_TRUE(phone.Start(QStringList{"--family", family, "--link", "ports/COM1"} + extra));
        ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    }

    // Reads a memory as the message store does; nothing when the listing fails.
    std::optional<QList<Message>> ReadMemory(const char *memory)
    {
        const int count = sms.SetSMSMemoGetSMSNum(memory);
        std::vector<SmsRecord> records(size_t(std::max(count, 0)));
        if (count > 0 && !sms.ListShortMessage(records.data(), count))
            return std::nullopt;
        QList<Message> messages;
        for (const SmsRecord &record : records)
            messages.append(FromRecord(record));
        return messages;
    }

    // The PDUs that went out to the network, from the phone's saved state.
    QList<SmsPdu> SentPdus()
    {
        QFile file(statePath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QList<SmsPdu> sent;
        for (const QJsonValue &hex : QJsonDocument::fromJson(file.readAll())["messages"]["sent"].toArray())
            sent.append(DecodePduHex(hex.toString().toLatin1()).value_or(SmsPdu{}));
        return sent;
    }

    CPhoneSimProcess phone;
    SmsCalls sms{modules};
    QString statePath = folder.FilePath(QStringLiteral("phone.json"));
};

class MessageFamilyTest : public MessageTest, public ::testing::WithParamInterface<MessageFamily> {};

TEST_P(MessageFamilyTest, BothMemoriesListWithEveryField)
{
    Connect(GetParam().family);
    EXPECT_EQ(sms.GetSMSSpace("SM"), 6);
    EXPECT_EQ(ReadMemory("SM"), kSimMessages);
    // The listing turned the unread messages into read ones.
    const std::optional<QList<Message>> again = ReadMemory("SM");
    ASSERT_TRUE(again);
    EXPECT_EQ(again->at(0).status, 1);
    EXPECT_EQ(again->at(2).status, 1);

    EXPECT_EQ(sms.GetSMSSpace("ME"), GetParam().phoneCapacity);
    EXPECT_EQ(ReadMemory("ME"), kPhoneMessages);

    SmsRecord record{};
    ASSERT_TRUE(sms.GetShortMessage(6, &record));
    EXPECT_EQ(FromRecord(record), kPhoneMessages.at(2));
    EXPECT_FALSE(sms.GetShortMessage(2, &record));
}

TEST_P(MessageFamilyTest, SaveSendAndDelete)
{
    Connect(GetParam().family, {"--state", statePath, "--save"});
    ASSERT_EQ(sms.SetSMSMemoGetSMSNum("ME"), 4);
    EXPECT_EQ(sms.SaveShortMessage("Hallo € 5", "491701234567", 1, 2, 0, 2), 2);
    EXPECT_EQ(sms.SaveShortMessage("Empfangen", "+4930999", 0, 5, 1, 1), 4);

    const std::optional<QList<Message>> messages = ReadMemory("ME");
    ASSERT_TRUE(messages);
    ASSERT_EQ(messages->size(), 6);
    EXPECT_EQ(messages->at(1), (Message{2, 2, "+491701234567", "", QStringLiteral("Hallo € 5"), 2, 1, 0}));
    const Message received = messages->at(3);
    EXPECT_EQ(received.status, 1);
    EXPECT_EQ(received.number, "+4930999");
    EXPECT_EQ(received.handfree, 1);
    EXPECT_EQ(received.time.size(), 12) << received.time.toStdString();

    ASSERT_TRUE(sms.SendShortMessage("Привет", "79161234567", 0, 5, 1));
    ASSERT_TRUE(sms.SendUnSent(3));
    SmsRecord record{};
    ASSERT_TRUE(sms.GetShortMessage(3, &record));
    EXPECT_EQ(record.status, 3);

    ASSERT_TRUE(sms.DeleteShortMessage(2));
    EXPECT_EQ(sms.SetSMSMemoGetSMSNum("ME"), 5);
    calls.CloseComms();
    ASSERT_TRUE(phone.Stop()) << phone.ErrorOutput().toStdString();

    const QList<SmsPdu> sent = SentPdus();
    ASSERT_EQ(sent.size(), 2);
    EXPECT_EQ(sent[0].party, (SmsAddress{"79161234567", kInternationalNumberType}));
    EXPECT_EQ(sent[0].text, QStringLiteral("Привет"));
    EXPECT_EQ(sent[0].alphabet, SmsAlphabet::Ucs2);
    EXPECT_TRUE(sent[0].flash);
    EXPECT_EQ(sent[0].validity, quint8(0xff));
    EXPECT_EQ(sent[1].text, QStringLiteral("Привет, мир! 你好"));
}

TEST_P(MessageFamilyTest, FullMemoryGivesZeroAndWhatCannotBeSentIsNotSent)
{
    Connect(GetParam().family);
    ASSERT_EQ(sms.SetSMSMemoGetSMSNum("SM"), 6);
    EXPECT_EQ(sms.SaveShortMessage("One more", "491701234567", 0, 5, 0, 2), 0);
    const QByteArray tooLong(161, 'x');
    EXPECT_EQ(sms.SaveShortMessage(tooLong.constData(), "491701234567", 0, 5, 0, 2), -1);
    EXPECT_EQ(sms.SaveShortMessage("Bad number", "4917-0", 0, 5, 0, 2), -1);
    EXPECT_EQ(sms.SaveShortMessage("Bad status", "4917", 0, 5, 0, 7), -1);
    EXPECT_EQ(sms.SaveShortMessage(nullptr, "4917", 0, 5, 0, 2), -1);
    EXPECT_FALSE(sms.SendShortMessage(tooLong.constData(), "491701234567", 0, 5, 0));
    EXPECT_FALSE(sms.SendShortMessage("Nobody", "", 0, 5, 0));
    EXPECT_EQ(ReadMemory("SM"), kSimMessages);
    calls.CloseComms();
    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CMGW")), 1);
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CMGS")), 0);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, MessageFamilyTest, ::testing::Values(kOlderMessages, kNewerMessages),
                         [](const auto &info) { return std::string(info.param.family); });

TEST_F(MessageTest, WithTheEchoLeftOnTheMessageIsSavedAndSentOnce)
{
    Connect("older", {"--fault", "error=ATE:ERROR", "--state", statePath, "--save"});
    ASSERT_EQ(sms.SetSMSMemoGetSMSNum("ME"), 4);
    EXPECT_EQ(sms.SaveShortMessage("Echo", "491701234567", 0, 5, 0, 2), 2);
    EXPECT_TRUE(sms.SendShortMessage("Echo", "491701234567", 0, 5, 0));
    calls.CloseComms();
    ASSERT_TRUE(phone.Stop()) << phone.ErrorOutput().toStdString();
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CMGS")), 1);
    EXPECT_EQ(SentPdus().size(), 1);
}

TEST_F(MessageTest, ArrivingMessagesDoNotDisturbAnExchange)
{
    // Messages arrive (+CMTI) between the answers, some into the memory read;
    // the listing gives as many as the count asked for.
    Connect("newer", {"--incoming-every", "2"});
    const std::optional<QList<Message>> messages = ReadMemory("ME");
    ASSERT_TRUE(messages);
    int arrived = 0;
    for (const Message &message : *messages) {
        if (kPhoneMessages.contains(message))
            continue;
        ++arrived;
        EXPECT_EQ(message.content, "Are you there?");
        EXPECT_EQ(message.status, 0);
    }
    EXPECT_GT(arrived, 0);
    EXPECT_GT(messages->size(), arrived);
    EXPECT_GT(sms.SetSMSMemoGetSMSNum("ME"), messages->size());
}

TEST_F(MessageTest, AMessageThatCannotBeReadIsListedWithoutItsText)
{
    QFile state(statePath);
    ASSERT_TRUE(state.open(QIODevice::WriteOnly));
    const QJsonArray entries{
        QJsonObject{{"location", 1}, {"status", 1}, {"pdu", "0011000B916407281553F80000AA0AE8329BFD4697D9EC37"}},
        QJsonObject{{"location", 2}, {"status", 1}, {"pdu", "0011000B916407281553F80000AA0AE8"}},
        QJsonObject{{"location", 3}, {"status", 3}, {"pdu", "0002000B916407281553F80000AA0AE8329BFD4697D9EC37"}}};
    state.write(QJsonDocument(QJsonObject{{"family", "older"},
                                          {"messages", QJsonObject{{"SM", QJsonObject{{"capacity", 3},
                                                                                      {"entries", entries}}}}}})
                    .toJson());
    state.close();
    Connect("older", {"--state", statePath});
    const std::optional<QList<Message>> messages = ReadMemory("SM");
    ASSERT_TRUE(messages);
    ASSERT_EQ(messages->size(), 3);
    EXPECT_EQ(messages->at(0), (Message{1, 1, "+46708251358", "", "hellohello", 3, 0, 0}));
    EXPECT_EQ(messages->at(1), (Message{2, 1, "", "", "", 5, 0, 0}));
    EXPECT_EQ(messages->at(2), (Message{3, 3, "", "", "", 5, 0, 0}));
}

TEST_F(MessageTest, EveryCallFailsWithoutALine)
{
    EXPECT_LE(sms.SetSMSMemoGetSMSNum("SM"), 0);
    EXPECT_LE(sms.GetSMSSpace("SM"), 0);
    SmsRecord record{};
    EXPECT_FALSE(sms.ListShortMessage(&record, 1));
    EXPECT_FALSE(sms.GetShortMessage(1, &record));
    EXPECT_EQ(sms.SaveShortMessage("x", "4917", 0, 5, 0, 2), -1);
    EXPECT_FALSE(sms.SendShortMessage("x", "4917", 0, 5, 0));
    EXPECT_FALSE(sms.SendUnSent(1));
    EXPECT_FALSE(sms.DeleteShortMessage(1));
}

} // namespace
