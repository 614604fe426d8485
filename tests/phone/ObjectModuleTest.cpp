// SPDX-License-Identifier: GPL-2.0-or-later
// The real Mobile module's objects against the simulated phone of each
// family: both address books as the stores use them, the calendar, pictures
// and ringtones, and what a failing phone gives.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstring>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

template <size_t N>
void Put(char (&field)[N], const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::memset(field, 0, N);
    std::memcpy(field, bytes.constData(), std::min(size_t(bytes.size()), N - 1));
}

class ObjectModuleTest : public RealModuleTest {
protected:
    void Connect(const char *family, const QStringList &extra = {})
    {
        ASSERT_TRUE(phone.Start(QStringList{"--family", family, "--link", "ports/COM1", "--state", statePath,
                                            "--save"} + extra));
        ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    }

    // The phone's objects of the type by slot, from its saved state.
    QMap<int, QByteArray> Saved(const char *type)
    {
        calls.CloseComms();
        EXPECT_TRUE(phone.Stop());
        QFile file(statePath);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        QMap<int, QByteArray> objects;
        for (const QJsonValue &entry : QJsonDocument::fromJson(file.readAll())["objects"][type]["entries"].toArray()) {
            const QJsonObject object = entry.toObject();
            objects.insert(object["index"].toInt(), object.contains("text")
                                                         ? object["text"].toString().toUtf8()
                                                         : QByteArray::fromHex(object["hex"].toString().toLatin1()));
        }
        return objects;
    }

    CPhoneSimProcess phone;
    QString statePath = folder.FilePath(QStringLiteral("phone.json"));
    decltype(::GetAddressBookNum) *GetAddressBookNum = ORRIN_MOBILE_ENTRY(modules, GetAddressBookNum);
    decltype(::GetVCF) *GetVCF = ORRIN_MOBILE_ENTRY(modules, GetVCF);
    decltype(::SetVCF) *SetVCF = ORRIN_MOBILE_ENTRY(modules, SetVCF);
    decltype(::ClearVCF) *ClearVCF = ORRIN_MOBILE_ENTRY(modules, ClearVCF);
    decltype(::GetVCF_S57) *GetVCF_S57 = ORRIN_MOBILE_ENTRY(modules, GetVCF_S57);
    decltype(::SetVCF_S57) *SetVCF_S57 = ORRIN_MOBILE_ENTRY(modules, SetVCF_S57);
    decltype(::ClearVCF_S57) *ClearVCF_S57 = ORRIN_MOBILE_ENTRY(modules, ClearVCF_S57);
    decltype(::GetAdrCaleSpace) *GetAdrCaleSpace = ORRIN_MOBILE_ENTRY(modules, GetAdrCaleSpace);
    decltype(::GetVCS) *GetVCS = ORRIN_MOBILE_ENTRY(modules, GetVCS);
    decltype(::SetVCS) *SetVCS = ORRIN_MOBILE_ENTRY(modules, SetVCS);
    decltype(::ClearVCS) *ClearVCS = ORRIN_MOBILE_ENTRY(modules, ClearVCS);
    decltype(::GetPicture) *GetPicture = ORRIN_MOBILE_ENTRY(modules, GetPicture);
    decltype(::SetPicture) *SetPicture = ORRIN_MOBILE_ENTRY(modules, SetPicture);
    decltype(::ClearPicture) *ClearPicture = ORRIN_MOBILE_ENTRY(modules, ClearPicture);
    decltype(::GetRingTone) *GetRingTone = ORRIN_MOBILE_ENTRY(modules, GetRingTone);
    decltype(::SetRingTone) *SetRingTone = ORRIN_MOBILE_ENTRY(modules, SetRingTone);
    decltype(::ClearRingTone) *ClearRingTone = ORRIN_MOBILE_ENTRY(modules, ClearRingTone);
};

TEST_F(ObjectModuleTest, OlderAddressBookReadsOnceWritesIntoFreeSlotsAndKeepsWhatItCannotShow)
{
    Connect("older");
    ASSERT_EQ(GetAddressBookNum(), 5);
    std::map<int, AddrbookRecord> entries;
    for (int slot = 0; entries.size() < 5 && slot <= 500; ++slot) {
        AddrbookRecord record;
        if (GetVCF(&record, slot))
            entries.emplace(slot, record);
    }
    ASSERT_EQ(entries.size(), 5u);
    std::vector<int> usedSlots;
    for (const auto &entry : entries)
        usedSlots.push_back(entry.first);
    EXPECT_EQ(usedSlots, (std::vector<int>{0, 2, 5, 6, 9}));
    EXPECT_STREQ(entries[0].name, "Zoë Müller");
    EXPECT_EQ(entries[0].vip, 1);
    EXPECT_STREQ(entries[0].city, "München");
    EXPECT_STREQ(entries[2].name, "Иван Иванов");
    EXPECT_STREQ(entries[9].name, "小明 王");
    EXPECT_EQ(GetAddressBookNum(), 5);
    AddrbookRecord outside;
    EXPECT_FALSE(GetVCF(&outside, 501));
    EXPECT_FALSE(GetVCF(nullptr, 0));

    // A new entry named for the occupied slot 5 lands in the first free slot, 1.
    AddrbookRecord fresh{};
    Put(fresh.name, QStringLiteral("Neu Eintrag"));
    Put(fresh.mobile, "+4915100000");
    ASSERT_TRUE(SetVCF(&fresh, 5));
    // The store's modify: clear, then write the changed entry into its slot.
    AddrbookRecord ivan = entries[2];
    Put(ivan.office, "+74950000000");
    ASSERT_TRUE(ClearVCF(2));
    ASSERT_TRUE(SetVCF(&ivan, 2));
    ASSERT_TRUE(ClearVCF(6));
    EXPECT_EQ(GetAddressBookNum(), 5);
    EXPECT_FALSE(SetVCF(nullptr, 3));

    const QMap<int, QByteArray> cards = Saved("vcf");
    EXPECT_EQ(cards.keys(), (QList<int>{0, 1, 2, 5, 9}));
    EXPECT_TRUE(cards[1].contains("TEL;CELL:+4915100000"));
    EXPECT_TRUE(cards[5].contains("N:Weber;Anna\r\nTEL;CELL:+491711111111"));
    EXPECT_TRUE(cards[2].contains("TEL;WORK:+74950000000"));
    EXPECT_TRUE(cards[2].contains("NOTE:Met at the fair; bring the catalogue\r\nTEL;HOME:+74951234567\r\n"
                                  "TEL;HOME:+74957654321\r\nX-IRMC-LUID:0002\r\n"));
    EXPECT_EQ(phone.Count("AT^SBNR"), 502) << "the range once, then every slot once";
    EXPECT_EQ(phone.Count("AT^SBNW"), 5);
}

// The store's list of the newer family: the exchange sort on the names.
void SortPhoneList(std::vector<S57AddrbookRecord> &list)
{
    for (size_t i = 0; i < list.size(); ++i) {
        for (size_t j = i; j < list.size(); ++j) {
            if (std::strcmp(list[j].name, list[i].name) < 0)
                std::swap(list[i], list[j]);
        }
    }
    for (size_t i = 0; i < list.size(); ++i)
        list[i].index = int32_t(i);
}

TEST_F(ObjectModuleTest, NewerAddressBookPositionsMeanTheSameEntryOnBothSides)
{
    Connect("newer");
    const int count = GetAddressBookNum();
    ASSERT_EQ(count, 6);
    std::vector<S57AddrbookRecord> list;
    for (int slot = 0; int(list.size()) < count && slot < 250; ++slot) {
        S57AddrbookRecord record;
        if (GetVCF_S57(&record, slot))
            list.push_back(record);
    }
    SortPhoneList(list);
    ASSERT_EQ(list.size(), 6u);
    EXPECT_STREQ(list[0].name, "Anna");
    EXPECT_STREQ(list[1].name, "Anna");
    EXPECT_STREQ(list[2].name, "Bob Zimmer");
    EXPECT_STREQ(list[5].name, "Ольга");
    const auto elodie =
        std::find_if(list.begin(), list.end(), [](auto &r) { return r.name == std::string("Élodie"); });
    ASSERT_NE(elodie, list.end());
    EXPECT_STREQ(elodie->fax2, "+33155667789");
    EXPECT_STREQ(elodie->email2, "elodie.work@example.fr");
    EXPECT_STREQ(elodie->birthday, "19750630");
    EXPECT_STREQ(elodie->group, "Business");

    // A third Anna, a change of the second, a delete of two at once.
    S57AddrbookRecord anna{};
    Put(anna.name, "Anna");
    Put(anna.mobile, "+4917000003");
    ASSERT_EQ(GetAddressBookNum(), 6);
    ASSERT_TRUE(SetVCF_S57(&anna, 6));
    list.push_back(anna);
    SortPhoneList(list);
    S57AddrbookRecord changed = list[1];
    Put(changed.office, "+4930999");
    ASSERT_TRUE(SetVCF_S57(&changed, 1));
    list.erase(list.begin() + 1);
    list.push_back(changed);
    SortPhoneList(list);
    ASSERT_TRUE(ClearVCF_S57(2));
    ASSERT_TRUE(ClearVCF_S57(4));
    list.erase(list.begin() + 4);
    list.erase(list.begin() + 2);
    SortPhoneList(list);

    // Every position marked through the module with the numbers of the
    // store's entry there: each card must carry its own numbers.
    auto unmarked = [&] {
        return std::find_if(list.begin(), list.end(), [](auto &r) { return std::strncmp(r.url, "id:", 3) != 0; });
    };
    for (auto entry = unmarked(); entry != list.end(); entry = unmarked()) {
        S57AddrbookRecord marked = *entry;
        Put(marked.url, QStringLiteral("id:%1%2%3").arg(marked.home, marked.mobile, marked.office));
        ASSERT_TRUE(SetVCF_S57(&marked, entry->index));
        list.erase(entry);
        list.push_back(marked);
        SortPhoneList(list);
    }
    EXPECT_FALSE(SetVCF_S57(&anna, int32_t(list.size()) + 1));
    const QMap<int, QByteArray> cards = Saved("vcf");
    ASSERT_EQ(cards.size(), int(list.size()));
    for (const S57AddrbookRecord &entry : list) {
        const QByteArray marker = "URL:" + QByteArray(entry.url) + "\r\n";
        const auto card =
            std::find_if(cards.begin(), cards.end(), [&](const QByteArray &c) { return c.contains(marker); });
        ASSERT_NE(card, cards.end()) << entry.url << "\n" << QByteArrayList(cards.values()).join("\n").toStdString();
        for (const char *number : {entry.home, entry.mobile, entry.office}) {
            if (*number) {
                EXPECT_TRUE(card->contains(QByteArray(":") + number + "\r\n")) << entry.url;
            }
        }
    }
    EXPECT_TRUE(std::any_of(cards.begin(), cards.end(), [](const QByteArray &c) {
        return c.contains("NOTE;ENCODING=QUOTED-PRINTABLE:Pr=C3=A9f=C3=A8re le matin, pas le soir");
    })) << "the note the record has no field for";
}

TEST_F(ObjectModuleTest, CalendarEntriesReadWriteAndDelete)
{
    Connect("older");
    const int entries = GetAdrCaleSpace(1);
    ASSERT_EQ(entries, 51);
    EXPECT_EQ(GetAdrCaleSpace(0), 51);
    CalendarRecord review;
    ASSERT_TRUE(GetVCS(&review, 1));
    EXPECT_EQ(review.index, 1);
    EXPECT_STREQ(review.heading, "MEETING");
    EXPECT_STREQ(review.details, "Start 2025-03-10 09:30\nEnd 2025-03-10 10:30\nAlarm 2025-03-10 09:15\nRoom 4");
    CalendarRecord birthday;
    ASSERT_TRUE(GetVCS(&birthday, 4));
    EXPECT_STREQ(birthday.summary, "Geburtstag Jürgen");
    CalendarRecord none;
    EXPECT_FALSE(GetVCS(&none, 2));
    EXPECT_FALSE(GetVCS(&none, 52));

    Put(review.summary, "Project review (moved)");
    ASSERT_TRUE(SetVCS(&review, 1));
    CalendarRecord fresh{};
    Put(fresh.heading, "CALL");
    Put(fresh.summary, "Ring back");
    Put(fresh.details, "Start 2025-05-01 08:00");
    ASSERT_TRUE(SetVCS(&fresh, 0));
    ASSERT_TRUE(ClearVCS(4));
    const QMap<int, QByteArray> events = Saved("vcs");
    EXPECT_EQ(events.keys(), (QList<int>{0, 1}));
    EXPECT_TRUE(events[0].contains("SUMMARY:Project review (moved)\r\n"));
    EXPECT_TRUE(events[0].contains("X-SIEMENS-REPEAT:WEEKLY\r\n"));
    EXPECT_TRUE(events[1].contains("DTSTART:20250501T080000\r\n"));
}

TEST_F(ObjectModuleTest, PicturesAndRingtonesWholeOrNotAtAll)
{
    Connect("newer");
    std::vector<uint8_t> buffer(5 * MEDIA_BLOCK_SIZE);
    int32_t length = -1;
    ASSERT_TRUE(GetPicture(0, buffer.data(), 2, &length));
    EXPECT_EQ(buffer[0], 'B');
    const QByteArray logo(reinterpret_cast<const char *>(buffer.data()), length);
    EXPECT_FALSE(GetPicture(2, buffer.data(), 2, &length)) << "no screensaver";
    EXPECT_EQ(length, 0);
    ASSERT_TRUE(SetPicture(2, reinterpret_cast<const uint8_t *>(logo.constData()), int32_t(logo.size())));
    ASSERT_TRUE(GetPicture(2, buffer.data(), 2, &length));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(buffer.data()), length), logo);
    ASSERT_TRUE(ClearPicture(2));
    EXPECT_FALSE(SetPicture(2, reinterpret_cast<const uint8_t *>("BMnot a picture"), 15));
    EXPECT_FALSE(GetPicture(1, buffer.data(), 2, &length)) << "not a program picture";

    // Ringtones are only in phone numbers 3 and 1; number 1 is larger than one block.
    ASSERT_TRUE(GetRingTone(3, buffer.data(), 5, &length));
    const QByteArray tone(reinterpret_cast<const char *>(buffer.data()), length);
    EXPECT_TRUE(tone.startsWith("MThd"));
    std::vector<uint8_t> small(MEDIA_BLOCK_SIZE, 0xEE);
    EXPECT_FALSE(GetRingTone(1, small.data(), 1, &length));
    EXPECT_EQ(length, 0);
    EXPECT_EQ(small[0], 0xEE) << "nothing of a refused object is written";
    ASSERT_TRUE(GetRingTone(1, buffer.data(), 5, &length));
    EXPECT_GT(length, MEDIA_BLOCK_SIZE);
    EXPECT_FALSE(GetRingTone(0, buffer.data(), 5, &length));
    ASSERT_TRUE(SetRingTone(0, reinterpret_cast<const uint8_t *>(tone.constData()), int32_t(tone.size())));
    ASSERT_TRUE(ClearRingTone(3));
    EXPECT_FALSE(GetRingTone(3, nullptr, 5, &length));
    const QMap<int, QByteArray> tones = Saved("mid");
    EXPECT_EQ(tones.keys(), (QList<int>{0, 1}));
    EXPECT_EQ(tones[0], tone);
}

TEST_F(ObjectModuleTest, FailingPhoneGivesFailuresNeverAnEmptyMemory)
{
    Connect("newer", {"--fault", "error=^SBNW:BUSY", "--fault", "silent-after=8"});
    std::vector<uint8_t> buffer(2 * MEDIA_BLOCK_SIZE);
    int32_t length = 0;
    ASSERT_TRUE(GetPicture(0, buffer.data(), 2, &length));
    EXPECT_FALSE(SetPicture(2, buffer.data(), length)) << "busy";
    EXPECT_FALSE(ClearRingTone(1)) << "busy";
    EXPECT_EQ(GetAddressBookNum(), -1) << "the phone stops answering in the scan";
}

// An entry that cannot be read looks like an empty one; the phone's count
// tells them apart once the line is gone.
TEST_F(ObjectModuleTest, APhoneThatHangsUpInTheCalendarNoLongerCountsItsEntries)
{
    Connect("older", {"--fault", "hangup-after=5"}); // the greeting, the ranges and entry 1
    ASSERT_EQ(GetAdrCaleSpace(1), 51);
    CalendarRecord event{};
    ASSERT_TRUE(GetVCS(&event, 1));
    EXPECT_FALSE(GetVCS(&event, 2));
    EXPECT_LT(GetAdrCaleSpace(1), 0);
}

TEST_F(ObjectModuleTest, EveryCallFailsWithoutALine)
{
    std::vector<uint8_t> buffer(MEDIA_BLOCK_SIZE);
    int32_t length = 7;
    AddrbookRecord record{};
    CalendarRecord event{};
    EXPECT_EQ(GetAddressBookNum(), -1);
    EXPECT_FALSE(GetVCF(&record, 0));
    EXPECT_FALSE(SetVCF(&record, 0));
    EXPECT_LE(GetAdrCaleSpace(1), 0);
    EXPECT_FALSE(SetVCS(&event, 0));
    EXPECT_FALSE(GetPicture(0, buffer.data(), 1, &length));
    EXPECT_EQ(length, 0);
    EXPECT_FALSE(SetRingTone(0, buffer.data(), 10));
}

} // namespace
