// SPDX-License-Identifier: GPL-2.0-or-later
// Fixed text fields cut at character boundaries, phone-book entry equality and
// removal of selected positions.
#include "stores/common/RecordList.h"
#include "stores/telebook/TelebookRecord.h"
#include "stores/common/TextField.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace orrin;

namespace {

// The bytes a field holds, all of them.
template <std::size_t N>
QByteArray FieldBytes(const char (&field)[N])
{
    return QByteArray(field, qsizetype(N));
}

template <std::size_t N>
QByteArray Padded(const QByteArray &text)
{
    return text + QByteArray(qsizetype(N) - text.size(), '\0');
}

TEST(TextFieldTest, TextIsPaddedWithZerosAndCutToKeepItsTerminator)
{
    char field[8];
    std::memset(field, '#', sizeof field);
    SetTextFieldBytes(field, "abc");
    EXPECT_EQ(FieldBytes(field), Padded<8>("abc"));
    SetTextFieldString(field, QStringLiteral("abcdefghij"));
    EXPECT_EQ(FieldBytes(field), QByteArray("abcdefg") + '\0');
}

TEST(TextFieldTest, Utf8TextIsCutBeforeACharacterThatDoesNotFit)
{
    char name[TELEBOOK_NAME_SIZE];
    SetTextFieldString(name, QStringLiteral("ÄÖÜäöüßÄ")); // 16 bytes of two-byte characters
    EXPECT_EQ(TextFieldString(name), QStringLiteral("ÄÖÜäöüß"));
    EXPECT_EQ(FieldBytes(name), Padded<TELEBOOK_NAME_SIZE>(QStringLiteral("ÄÖÜäöüß").toUtf8()));

    SetTextFieldString(name, QStringLiteral("€€€€€€")); // three bytes each: five fit exactly
    EXPECT_EQ(TextFieldString(name), QStringLiteral("€€€€€"));

    SetTextFieldString(name, QStringLiteral("a😀😀😀😀")); // four bytes each after one
    EXPECT_EQ(TextFieldString(name), QStringLiteral("a😀😀😀"));
    EXPECT_EQ(TextFieldBytes(name).size(), 13);
}

TEST(TextFieldTest, BrokenUtf8IsCutByTheByteWithoutRunningPastTheField)
{
    // Continuation bytes with no lead byte count one each.
    EXPECT_EQ(CharacterBoundary(QByteArray(40, '\x80'), 15, TextEncoding::Utf8), 15);
    // A lead byte whose sequence is cut short stands alone.
    EXPECT_EQ(CharacterBoundary(QByteArray("abc\xE2\x82"), 4, TextEncoding::Utf8), 4);
    // A whole sequence that straddles the limit is left out.
    EXPECT_EQ(CharacterBoundary(QByteArray("abcd\xE2\x82\xAC"), 6, TextEncoding::Utf8), 4);
}

TEST(TextFieldTest, DoubleByteTextIsCutBeforeALeadByteThatDoesNotFit)
{
    // A byte of 0x80 or more starts a two-byte character.
    const QByteArray text("ab\x81\x40\x93\xFA");
    EXPECT_EQ(CharacterBoundary(text, 5, TextEncoding::DoubleByte), 4);
    EXPECT_EQ(CharacterBoundary(text, 3, TextEncoding::DoubleByte), 2);
    EXPECT_EQ(CharacterBoundary(text, 6, TextEncoding::DoubleByte), 6);
}

TEST(TextFieldTest, UnterminatedFieldIsReadToItsEndAndThenTerminated)
{
    char number[TELEBOOK_NUMBER_SIZE];
    std::memset(number, '9', sizeof number);
    EXPECT_EQ(TextFieldBytes(number).size(), TELEBOOK_NUMBER_SIZE);
    TerminateTextField(number);
    EXPECT_EQ(FieldBytes(number), QByteArray(TELEBOOK_NUMBER_SIZE - 1, '9') + '\0');
}

TEST(TelebookRecordTest, NamesAndNumbersAreCutToTheirFields)
{
    TelebookRecord record{};
    record.vip = 1;
    SetTelebookNumber(record, QStringLiteral("+49 1234 5678 9012 3456"));
    SetTelebookName(record, QStringLiteral("Bärbel-Mühlhäuser"));
    EXPECT_EQ(TelebookNumber(record), QStringLiteral("+49 1234 5678 9012 "));
    EXPECT_EQ(TelebookName(record), QStringLiteral("Bärbel-Mühlh"));
    EXPECT_EQ(record.vip, 1);
}

TEST(TelebookRecordTest, SameEntryComparesNameAndNumberUpToTheirTerminators)
{
    TelebookRecord a{};
    SetTelebookName(a, QStringLiteral("Ann"));
    SetTelebookNumber(a, QStringLiteral("0111"));
    TelebookRecord b = a;
    b.location = 7;
    b.vip = 1;
    b.name[10] = 'x'; // behind the terminator
    EXPECT_TRUE(SameTelebookEntry(a, b));
    SetTelebookName(b, QStringLiteral("ann"));
    EXPECT_FALSE(SameTelebookEntry(a, b));
    b = a;
    SetTelebookNumber(b, QStringLiteral("01110"));
    EXPECT_FALSE(SameTelebookEntry(a, b));
}

TEST(RecordListTest, SelectedPositionsLeaveOnceWhateverTheirOrder)
{
    QList<char> list = {'a', 'b', 'c', 'd', 'e'};
    RemovePositions(list, {1, 3});
    EXPECT_EQ(list, QList<char>({'a', 'c', 'e'}));
    RemovePositions(list, {2, 0, 2, 9, -1});
    EXPECT_EQ(list, QList<char>({'c'}));
}

} // namespace
