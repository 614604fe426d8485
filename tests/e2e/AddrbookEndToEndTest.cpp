// SPDX-License-Identifier: GPL-2.0-or-later
// Each family's address-book store over the real Mobile module and the
// simulated phone of that family: read the cards, write, change and delete
// one on the phone, and synchronise into a local file that loads again.
#include "stores/addrbook/AddrbookData.h"
#include "stores/addrbook/S57AddrbookData.h"
#include "stores/common/TextField.h"
#include "tests/e2e/StoreEndToEndFixture.h"

#include <QFile>

#include <algorithm>

using namespace orrin;
using namespace orrin::test;

namespace {

struct OlderBook {
    using Store = CAddrbookData;
    static constexpr const char *kPhoneType = "S45i(Europe)";
    static constexpr const char *kFamily = "older";
    static constexpr int kSeedCards = 5;
};
struct NewerBook {
    using Store = CS57AddrbookData;
    static constexpr const char *kPhoneType = "S55(Europe,Latin America)";
    static constexpr const char *kFamily = "newer";
    static constexpr int kSeedCards = 6;
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
        Connect(m_store, {"--family", Book::kFamily});
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

} // namespace
