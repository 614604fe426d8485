// SPDX-License-Identifier: GPL-2.0-or-later
// OBEX packets, the folder listing and the client's exchanges, on hand-built
// packets.
#include "phone/obex/FolderListing.h"
#include "phone/obex/ObexClient.h"

#include <gtest/gtest.h>

#include <deque>

using namespace orrin::phone::obex;

namespace {

QByteArray Hex(const char *hex)
{
    return QByteArray::fromHex(hex);
}

// Answers each packet sent with the next scripted reply; none left: silence.
class CScriptedTransport : public IObexTransport {
public:
    bool Send(const QByteArray &packet, const QDeadlineTimer &) override
    {
        sent.push_back(packet);
        return true;
    }
    std::optional<QByteArray> Receive(const QDeadlineTimer &) override
    {
        if (replies.empty())
            return std::nullopt;
        const QByteArray reply = replies.front();
        replies.pop_front();
        return reply;
    }
    int BaudRate() const override { return 115200; }

    std::deque<QByteArray> replies;
    std::vector<QByteArray> sent;
};

TEST(ObexPacketTest, DecodesAConnectAnswerAndEncodesARequestByteForByte)
{
    // Success, version 1.0, max packet 0x0800, Connection-ID 7.
    const std::optional<ObexPacket> answer = DecodePacket(Hex("A0000C10000800CB00000007"), PrefixSize(kConnect));
    ASSERT_TRUE(answer);
    EXPECT_EQ(answer->code, kSuccess);
    EXPECT_EQ(answer->prefix, Hex("10000800"));
    EXPECT_EQ(answer->Number(kConnectionId), 7u);

    ObexPacket put;
    put.code = kPutFinal;
    put.AddNumber(kConnectionId, 7);
    put.AddText(kName, QStringLiteral("a.b"));
    put.AddBytes(kEndOfBody, "xy");
    EXPECT_EQ(put.Encode(), Hex("820018CB00000007" "01000B0061002E00620000" "490005" "7879"));
    const std::optional<ObexPacket> back = DecodePacket(put.Encode(), 0);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Text(kName), QStringLiteral("a.b"));
    EXPECT_EQ(back->Body(), "xy");
}

TEST(ObexPacketTest, RefusesPacketsWhoseLengthsDoNotAddUp)
{
    EXPECT_FALSE(DecodePacket(Hex("A00004"), 0));              // declares more than it holds
    EXPECT_FALSE(DecodePacket(Hex("A0000548000A"), 0));        // header runs past the end
    EXPECT_FALSE(DecodePacket(Hex("A00007010004AA"), 0));      // odd-sized text
    EXPECT_FALSE(DecodePacket(Hex("A00006CB0000"), 0));        // four-byte header cut short
    EXPECT_FALSE(DecodePacket(Hex("80000310"), PrefixSize(kConnect)));
    EXPECT_TRUE(DecodePacket(Hex("A00003"), 0));
}

TEST(FolderListingTest, ReadsFoldersAndFilesAndRefusesOtherText)
{
    const QByteArray xml = "<?xml version=\"1.0\"?><!DOCTYPE folder-listing SYSTEM \"obex-folder-listing.dtd\">"
                           "<folder-listing version=\"1.0\"><parent-folder/><folder name=\"Sub\"/>"
                           "<file name=\"A&amp;B.bmp\" size=\"120\" modified=\"20240105T093000Z\"/>"
                           "</folder-listing>";
    const auto entries = ParseFolderListing(xml);
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    EXPECT_TRUE((*entries)[0].folder);
    EXPECT_EQ((*entries)[1].name, QStringLiteral("A&B.bmp"));
    EXPECT_EQ((*entries)[1].size, 120);
    EXPECT_FALSE(ParseFolderListing("<folder-listing><file name=\"a\"></folder-listing>"));
    EXPECT_FALSE(ParseFolderListing("<html/>"));
}

class ObexClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        transport.replies.push_back(Hex("A0000C10000100CB00000009"));  // max packet 256
        ASSERT_TRUE(client.Connect());
        transport.sent.clear();
    }

    CScriptedTransport transport;
    ObexSession session;
    CObexClient client{transport, session, 50};
};

TEST_F(ObexClientTest, ListingSplitOverContinueRepliesIsJoined)
{
    transport.replies.push_back(Hex("900009") + QByteArray::fromHex("480006") + "<fo");
    transport.replies.push_back(Hex("A00020") + QByteArray::fromHex("49001D") + "lder-listing version=\"1\"/>");
    const std::optional<QByteArray> listing = client.GetFolderListing();
    ASSERT_TRUE(listing);
    EXPECT_EQ(*listing, "<folder-listing version=\"1\"/>");
    ASSERT_EQ(transport.sent.size(), 2u);
    // Every request repeats the connection.
    for (const QByteArray &request : transport.sent)
        EXPECT_EQ(DecodePacket(request, 0)->Number(kConnectionId), 9u);
}

TEST_F(ObexClientTest, PutChunksWithinThePhonesPacketSizeAndFailsOnARefusalOrSilence)
{
    const QByteArray data(1000, 'z');
    for (int i = 0; i < 4; ++i)
        transport.replies.push_back(Hex("900003"));
    transport.replies.push_back(Hex("A00003"));
    ASSERT_TRUE(client.Put(QStringLiteral("f.bin"), data));
    QByteArray joined;
    for (const QByteArray &request : transport.sent) {
        EXPECT_LE(request.size(), 256);
        joined += DecodePacket(request, 0)->Body();
    }
    EXPECT_EQ(joined, data);
    EXPECT_EQ(quint8(transport.sent.back()[0]), kPutFinal);
    EXPECT_EQ(DecodePacket(transport.sent.front(), 0)->Number(kLength), 1000u);

    transport.replies = {Hex("900003"), Hex("C30003")};
    EXPECT_FALSE(client.Put(QStringLiteral("f.bin"), data));
    transport.replies = {Hex("900003")};
    EXPECT_FALSE(client.Put(QStringLiteral("f.bin"), data));
}

} // namespace
