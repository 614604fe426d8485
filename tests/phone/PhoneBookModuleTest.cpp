// SPDX-License-Identifier: GPL-2.0-or-later
// The real Mobile module's phone book against the simulated phone of each
// family: both memories read the way the phone-book store reads them, new
// entries in the first free location, changes, deletions, full memories and
// the character set.
#include "tests/support/PhoneSimProcess.h"
#include "tests/phone/RealModules.h"

#include <map>

using namespace orrin::phone::test;
using orrin::test::CPhoneSimProcess;

namespace {

struct Entry {
    QString number;
    QString name;
    int vip = 0;

    bool operator==(const Entry &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Entry &entry)
{
    return out << entry.number.toStdString() << " \"" << entry.name.toStdString() << "\" vip " << entry.vip;
}

struct BookFamily {
    const char *family;
    int phoneCapacity;
    int simCapacity;  // the SIM book is full
};

const BookFamily kOlderBook{"older", 50, 10};
const BookFamily kNewerBook{"newer", 100, 12};

class PhoneBookTest : public RealModuleTest, public ::testing::WithParamInterface<BookFamily> {
protected:
    void SetUp() override
    {
        RealModuleTest::SetUp();
        ASSERT_TRUE(book.AllFound());
    }

    void Connect(const QStringList &extra = {})
    {
        ASSERT_TRUE(phone.Start(QStringList{"--family", GetParam().family, "--link", "ports/COM1"} + extra));
        ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    }

    // Selects the memory as the store does and gives its used count.
    int Select(const char *memory)
    {
        EXPECT_TRUE(book.SetMobileEncodeFormat("UCS2"));
        return book.SetTeleBookMemo(memory);
    }

    std::optional<Entry> Read(int location)
    {
        char number[TELEBOOK_NUMBER_SIZE];
        char name[TELEBOOK_NAME_SIZE];
        int32_t vip = -1;
        if (book.ReadTeleBook(location, number, name, &vip) != 1)
            return std::nullopt;
        return Entry{QString::fromUtf8(number), QString::fromUtf8(name), vip};
    }

    // Every entry of the selected memory, location by location.
    std::map<int, Entry> ReadAll(int capacity)
    {
        std::map<int, Entry> entries;
        for (int location = 1; location <= capacity; ++location) {
            if (const std::optional<Entry> entry = Read(location))
                entries.emplace(location, *entry);
        }
        return entries;
    }

    CPhoneSimProcess phone;
    BookCalls book{modules};
};

TEST_P(PhoneBookTest, BothMemoriesReadWithTheirNamesAndVipFlagsInOneRangeReadEach)
{
    const BookFamily &family = GetParam();
    Connect();

    ASSERT_EQ(Select("ME"), 6);
    ASSERT_EQ(book.GetTeleBookNum(), family.phoneCapacity);
    const std::map<int, Entry> phoneEntries = ReadAll(family.phoneCapacity);
    const std::map<int, Entry> expectedPhone{
        {1, {"+491701234567", QStringLiteral("Zoë Müller"), 1}},
        {2, {"0301234567", QStringLiteral("Иван"), 0}},
        {5, {"+8613912345678", QStringLiteral("王小明"), 0}},
        {9, {"+33612345678", QStringLiteral("José Ñúñez"), 0}},
        {12, {"+79161234567", QStringLiteral("Ольга"), 1}},
        // Nine Cyrillic letters take 18 bytes: the 16-byte field keeps seven.
        {20, {"+491729876543", QStringLiteral("Екатери"), 0}},
    };
    EXPECT_EQ(phoneEntries, expectedPhone);

    ASSERT_EQ(Select("SM"), family.simCapacity);
    ASSERT_EQ(book.GetTeleBookNum(), family.simCapacity);
    const std::map<int, Entry> simEntries = ReadAll(family.simCapacity);
    ASSERT_EQ(int(simEntries.size()), family.simCapacity);
    EXPECT_EQ(simEntries.at(1), (Entry{"+491711111111", "Anna", 1}));
    EXPECT_EQ(simEntries.at(3), (Entry{"089123456", QStringLiteral("Café Olé"), 0}));
    EXPECT_EQ(simEntries.at(4), (Entry{"+4930123456", QStringLiteral("Доктор"), 0}));
    EXPECT_EQ(simEntries.at(5), (Entry{"112", "Notruf", 1}));
    EXPECT_EQ(simEntries.at(6), (Entry{"+85212345678", QStringLiteral("陈大文"), 0}));
    EXPECT_EQ(simEntries.at(9), (Entry{"*100#", "Guthaben", 0}));

    // Outside the memory there is no entry; null buffers are a failure.
    char number[TELEBOOK_NUMBER_SIZE];
    char name[TELEBOOK_NAME_SIZE];
    int32_t vip = 0;
    EXPECT_EQ(book.ReadTeleBook(0, number, name, &vip), 0);
    EXPECT_EQ(book.ReadTeleBook(family.simCapacity + 1, number, name, &vip), 0);
    EXPECT_EQ(book.ReadTeleBook(1, nullptr, nullptr, &vip), -1);

    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CPBR")), 2);
}

TEST_P(PhoneBookTest, NewEntryGoesToTheFirstFreeLocationAndCanBeChangedAndDeleted)
{
    Connect();
    ASSERT_EQ(Select("ME"), 6);
    ASSERT_TRUE(Read(1));
    ASSERT_TRUE(book.WriteTeleBook("+4911122233", "Новый", 1));
    // The write drops what was read: the next read asks the phone again.
    ASSERT_EQ(Select("ME"), 7);
    EXPECT_EQ(Read(3), (Entry{"+4911122233", QStringLiteral("Новый"), 1}));
    EXPECT_EQ(Read(5), (Entry{"+8613912345678", QStringLiteral("王小明"), 0}));

    ASSERT_TRUE(book.ModifyTeleBook(3, "0301112", "Geändert", 0));
    EXPECT_EQ(Read(3), (Entry{"0301112", QStringLiteral("Geändert"), 0}));

    ASSERT_TRUE(book.DeleteTeleBook(3));
    EXPECT_FALSE(Read(3));
    EXPECT_EQ(Select("ME"), 6);

    // A number the phone cannot dial is refused before it is sent.
    EXPECT_FALSE(book.WriteTeleBook("0301\"112", "Quote", 0));
    EXPECT_FALSE(book.ModifyTeleBook(0, "112", "Nowhere", 0));
    EXPECT_FALSE(book.WriteTeleBook(nullptr, "Nobody", 0));
    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CPBW")), 3);
}

TEST_P(PhoneBookTest, FullMemoryRefusesANewEntry)
{
    Connect();
    ASSERT_EQ(Select("SM"), GetParam().simCapacity);
    EXPECT_FALSE(book.WriteTeleBook("+4912345", "Extra", 0));
    EXPECT_EQ(Select("SM"), GetParam().simCapacity);
    EXPECT_EQ(Read(1), (Entry{"+491711111111", "Anna", 1}));
}

TEST_P(PhoneBookTest, ServiceCentreStaysRightAfterTheCharacterSetChanged)
{
    Connect();
    SimInfoTexts before;
    ASSERT_TRUE(before.Read(calls));
    ASSERT_TRUE(book.SetMobileEncodeFormat("UCS2"));
    SimInfoTexts after;
    ASSERT_TRUE(after.Read(calls));
    EXPECT_STREQ(after.serviceCentre, before.serviceCentre);
    // A new line does not know the phone still speaks UCS2.
    ASSERT_TRUE(calls.CloseComms());
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));
    SimInfoTexts reopened;
    ASSERT_TRUE(reopened.Read(calls));
    EXPECT_STREQ(reopened.serviceCentre, before.serviceCentre);
}

TEST_P(PhoneBookTest, GsmCharacterSetCarriesOnlyPlainText)
{
    Connect();
    ASSERT_TRUE(book.SetMobileEncodeFormat("gsm"));
    EXPECT_FALSE(book.SetMobileEncodeFormat("KOI8-R"));
    ASSERT_EQ(book.SetTeleBookMemo("ME"), 6);
    EXPECT_FALSE(book.WriteTeleBook("112", "Ärger", 0));
    ASSERT_TRUE(book.WriteTeleBook("112", "Plain", 1));
    EXPECT_EQ(Read(3), (Entry{"112", "Plain", 1}));
    EXPECT_EQ(Read(1), (Entry{"+491701234567", "Zo? M?ller", 1}));
}

TEST_P(PhoneBookTest, EveryCallFailsWithoutALine)
{
    EXPECT_FALSE(book.SetMobileEncodeFormat("UCS2"));
    EXPECT_LE(book.SetTeleBookMemo("SM"), 0);
    EXPECT_LE(book.GetTeleBookNum(), 0);
    char number[TELEBOOK_NUMBER_SIZE];
    char name[TELEBOOK_NAME_SIZE];
    int32_t vip = 0;
    EXPECT_EQ(book.ReadTeleBook(1, number, name, &vip), -1);
    EXPECT_FALSE(book.WriteTeleBook("112", "A", 0));
    EXPECT_FALSE(book.ModifyTeleBook(1, "112", "A", 0));
    EXPECT_FALSE(book.DeleteTeleBook(1));
}

// The commands before the selection of "ME": greeting (3), character set,
// selection of "SM" (2), its range read.
constexpr int kCommandsBeforeSecondSelection = 7;

TEST_P(PhoneBookTest, AfterAFailedSelectionNothingActsOnTheMemoryStillSelected)
{
    Connect({"--fault", QStringLiteral("silent-after=%1").arg(kCommandsBeforeSecondSelection)});
    ASSERT_EQ(Select("SM"), GetParam().simCapacity);
    const std::map<int, Entry> simBefore = ReadAll(GetParam().simCapacity);
    ASSERT_EQ(book.SetTeleBookMemo("ME"), -1);

    char number[TELEBOOK_NUMBER_SIZE];
    char name[TELEBOOK_NAME_SIZE];
    int32_t vip = 0;
    EXPECT_EQ(book.ReadTeleBook(1, number, name, &vip), -1);
    EXPECT_EQ(book.GetTeleBookNum(), -1);
    EXPECT_FALSE(book.ModifyTeleBook(2, "0301112", "Overwritten", 0));
    EXPECT_FALSE(book.DeleteTeleBook(3));
    EXPECT_FALSE(book.WriteTeleBook("0301113", "Added", 0));

    // The phone comes back; the SIM holds what it held.
    ASSERT_EQ(Select("SM"), GetParam().simCapacity);
    EXPECT_EQ(ReadAll(GetParam().simCapacity), simBefore);
    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CPBW")), 0);
}

TEST_P(PhoneBookTest, RefusedRangeReadIsAFailureAndTheNextReadAsksAgain)
{
    Connect({"--fault", "error=AT+CPBR:3"});
    ASSERT_EQ(Select("SM"), GetParam().simCapacity);
    char number[TELEBOOK_NUMBER_SIZE];
    char name[TELEBOOK_NAME_SIZE];
    int32_t vip = 0;
    EXPECT_EQ(book.ReadTeleBook(1, number, name, &vip), -1);
    EXPECT_EQ(book.ReadTeleBook(2, number, name, &vip), -1);
    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CPBR")), 2);
}

INSTANTIATE_TEST_SUITE_P(BothFamilies, PhoneBookTest, ::testing::Values(kOlderBook, kNewerBook),
                         [](const auto &info) { return std::string(info.param.family); });

TEST(PhoneBookRangeReadTest, TwoHundredFiftyReadsCostOneRangeRead)
{
    CTestFolder folder;
    CRealModules modules;
    ASSERT_TRUE(modules.Loaded()) << modules.Errors().toStdString();
    PhoneCalls calls{modules};
    BookCalls book{modules};
    CPhoneSimProcess phone;
    ASSERT_TRUE(phone.Start({"--family", "older", "--link", "ports/COM1", "--fill-book", "SM:250"}));
    ASSERT_TRUE(calls.OpenComms("COM1", 115200));

    ASSERT_TRUE(book.SetMobileEncodeFormat("UCS2"));
    ASSERT_EQ(book.SetTeleBookMemo("SM"), 250);
    ASSERT_EQ(book.GetTeleBookNum(), 250);
    int read = 0;
    int vips = 0;
    for (int location = 1; location <= 250; ++location) {
        char number[TELEBOOK_NUMBER_SIZE];
        char name[TELEBOOK_NAME_SIZE];
        int32_t vip = 0;
        if (book.ReadTeleBook(location, number, name, &vip) != 1)
            continue;
        ++read;
        vips += vip;
        EXPECT_EQ(QString::fromLatin1(number), QStringLiteral("+4917%1").arg(location, 8, 10, QLatin1Char('0')));
        EXPECT_TRUE(QString::fromUtf8(name).endsWith(QStringLiteral(" %1").arg(location))) << name;
    }
    EXPECT_EQ(read, 250);
    EXPECT_EQ(vips, 50);
    calls.CloseComms();
    ASSERT_TRUE(phone.Stop());
    EXPECT_EQ(phone.Count(QStringLiteral("AT+CPBR")), 1);
}

} // namespace
