// SPDX-License-Identifier: GPL-2.0-or-later
// Each family's address-book store over the real Mobile module and the
// simulated phone of that family: read the cards, write, change and delete
// one on the phone, and synchronise into a local file that loads again.
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/common/TextField.h"
#include "tests/e2e/StoreEndToEndFixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>

using namespace orrin;
using namespace orrin::test;

namespace {

struct OlderBook {
    using Store = CAddrbookData;
    static constexpr const char *kPhoneType = "S45i(Europe)";
    static constexpr const char *kFamily = "older";
    static constexpr int kSeedCards = 5;
    // A seed card with properties the record does not hold.
    static constexpr int kRichSlot = 2;
    static constexpr const char *kRichMobile = "+79161234567";
    static constexpr const char *kRichProperty = "X-IRMC-LUID:0002";
};
struct NewerBook {
    using Store = CS57AddrbookData;
    static constexpr const char *kPhoneType = "S55(Europe,Latin America)";
    static constexpr const char *kFamily = "newer";
    static constexpr int kSeedCards = 6;
    static constexpr int kRichSlot = 4;
    static constexpr const char *kRichMobile = "+33612345678";
    static constexpr const char *kRichProperty = "X-SIEMENS-RINGTONE:3";
};

template <class Book>
class AddrbookEndToEndTest : public StoreEndToEndFixture {
protected:
    using Store = typename Book::Store;
    using Record = std::remove_cvref_t<decltype(std::declval<Store>().m_phoneRecord)>;

    void SetUp() override
    {
        StoreEndToEndFixture::SetUp();
        g_strPhoneType.Set(QString::fromLatin1(Book::kPhoneType));
        ASSERT_TRUE(QDir(m_dir.path()).mkpath(g_strPhoneType.Get()));
        Connect(m_store, {"--family", Book::kFamily, "--state", StatePath(), "--save"});
    }

    int ReadPhone()
    {
        g_nMemory.store(kPhoneMemory);
        return m_store.ReadPhone();
    }
    // The position of the phone list's entry of that name, or -1.
    int PhonePosition(const QString &name) const
    {
        const auto found = std::find_if(m_store.m_phoneList.cbegin(), m_store.m_phoneList.cend(),
                                        [&](const Record &r) { return TextFieldString(r.name) == name; });
        return found == m_store.m_phoneList.cend() ? -1 : int(found - m_store.m_phoneList.cbegin());
    }
    // After Disconnect: the card text the phone keeps in the slot.
    QString PhoneCard(int slot) const
    {
        QFile file(StatePath());
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const QJsonArray cards = QJsonDocument::fromJson(file.readAll())["objects"]["vcf"]["entries"].toArray();
        for (const QJsonValue &card : cards) {
            if (card["index"].toInt() == slot)
                return card["text"].toString();
        }
        return {};
    }
    QString OfficeOf(const QString &name) const
    {
        const int position = PhonePosition(name);
        return position < 0 ? QString() : TextFieldString(m_store.m_phoneList[position].office);
    }

    Store m_store;
};

using Books = ::testing::Types<OlderBook, NewerBook>;
TYPED_TEST_SUITE(AddrbookEndToEndTest, Books);

TYPED_TEST(AddrbookEndToEndTest, WriteChangeDeleteAndSynchroniseOnThePhone)
{
    auto &store = this->m_store;
    ASSERT_EQ(this->ReadPhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(store.m_phoneList.size(), TypeParam::kSeedCards);

    store.m_phoneRecord = {};
    SetTextFieldString(store.m_phoneRecord.name, QStringLiteral("Ödön Test"));
    SetTextFieldString(store.m_phoneRecord.office, QStringLiteral("0301234"));
    SetTextFieldString(store.m_phoneRecord.email, QStringLiteral("odon@example.org"));
    ASSERT_EQ(store.WritePhoneNew(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(this->ReadPhone(), 1);
    ASSERT_EQ(store.m_phoneList.size(), TypeParam::kSeedCards + 1);
    const int written = this->PhonePosition(QStringLiteral("Ödön Test"));
    ASSERT_GE(written, 0);
    EXPECT_EQ(TextFieldString(store.m_phoneList[written].email), QStringLiteral("odon@example.org"));

    // A change keeps the entry's other fields and is what the phone reads back.
    store.m_selection = {written};
    store.m_phoneRecord = store.m_phoneList[written];
    SetTextFieldString(store.m_phoneRecord.office, QStringLiteral("0309999"));
    ASSERT_EQ(store.ModifyPhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(this->ReadPhone(), 1);
    EXPECT_EQ(this->OfficeOf(QStringLiteral("Ödön Test")), QStringLiteral("0309999"));
    EXPECT_EQ(store.m_phoneList.size(), TypeParam::kSeedCards + 1);

    // Synchronising twice copies each phone entry into the local file once.
    g_nMemory.store(kPhoneMemory);
    store.RunOperation(nullptr, kAddrbookSync);
    EXPECT_EQ(store.m_localList.size(), TypeParam::kSeedCards + 1);
    store.RunOperation(nullptr, kAddrbookSync);
    g_nMemory.store(kLocalFile);
    ASSERT_EQ(store.ReadLocal(), 1);
    EXPECT_EQ(store.m_localList.size(), TypeParam::kSeedCards + 1);

    g_nMemory.store(kPhoneMemory);
    ASSERT_EQ(this->ReadPhone(), 1);
    store.m_selection = {this->PhonePosition(QStringLiteral("Ödön Test"))};
    ASSERT_EQ(store.DeletePhone(), 1) << g_strLastError.Get().toStdString();
    ASSERT_EQ(this->ReadPhone(), 1);
    EXPECT_EQ(this->PhonePosition(QStringLiteral("Ödön Test")), -1);
    EXPECT_EQ(store.m_phoneList.size(), TypeParam::kSeedCards);
    // The local copy outlives the entry on the phone.
    g_nMemory.store(kLocalFile);
    ASSERT_EQ(store.ReadLocal(), 1);
    EXPECT_EQ(store.m_localList.size(), TypeParam::kSeedCards + 1);
}

// The phone keeps what the record cannot show, and the local copy holds the
// cards byte for byte as they were read.
TYPED_TEST(AddrbookEndToEndTest, ModifyKeepsThePropertiesTheRecordDoesNotHold)
{
    auto &store = this->m_store;
    ASSERT_EQ(this->ReadPhone(), 1) << g_strLastError.Get().toStdString();
    const auto rich = std::find_if(store.m_phoneList.cbegin(), store.m_phoneList.cend(), [](const auto &r) {
        return TextFieldString(r.mobile) == QLatin1String(TypeParam::kRichMobile);
    });
    ASSERT_NE(rich, store.m_phoneList.cend());
    store.m_selection = {int(rich - store.m_phoneList.cbegin())};
    store.m_phoneRecord = *rich;
    SetTextFieldString(store.m_phoneRecord.office, QStringLiteral("0301234"));
    ASSERT_EQ(store.ModifyPhone(), 1) << g_strLastError.Get().toStdString();

    g_nMemory.store(kPhoneMemory);
    store.RunOperation(nullptr, kAddrbookSync);
    ASSERT_EQ(store.m_localList.size(), store.m_phoneList.size());
    for (qsizetype i = 0; i < store.m_phoneList.size(); ++i)
        EXPECT_EQ(std::memcmp(&store.m_localList[i], &store.m_phoneList[i], sizeof store.m_phoneRecord), 0) << i;

    this->Disconnect();
    const QString card = this->PhoneCard(TypeParam::kRichSlot);
    EXPECT_TRUE(card.contains(QLatin1String(TypeParam::kRichProperty))) << card.toStdString();
    EXPECT_TRUE(card.contains(QStringLiteral("0301234"))) << card.toStdString();
}

} // namespace
