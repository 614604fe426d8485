// SPDX-License-Identifier: GPL-2.0-or-later
// Reading bitmap headers: the phone's size and colour check, both header
// kinds, colour tables, and files that are broken, cut short or lie about
// their size.

#include "media/BitmapHeader.h"
#include "tests/media/MediaBuilders.h"

#include <gtest/gtest.h>

namespace orrin::test {
namespace {

BitmapParse Parse(const QByteArray &bytes)
{
    return ParseBitmap(QByteArrayView(bytes));
}

TEST(BitmapHeaderTest, PhoneScreenTakesOnlySmallOneBitPictures)
{
    const BitmapParse fits = Parse(BuildBitmap({.width = 101, .height = 64}));
    ASSERT_TRUE(fits.ok());
    EXPECT_EQ(fits.header.width, 101);
    EXPECT_EQ(fits.header.height, 64);
    EXPECT_EQ(fits.header.colourCount, 2);
    EXPECT_EQ(fits.header.rowStride, 16);
    EXPECT_TRUE(FitsPhoneScreen(fits.header));
    EXPECT_TRUE(FitsPhoneScreen(Parse(BuildBitmap({.width = 111, .height = 74})).header));

    for (const BitmapLayout &layout : {BitmapLayout{.width = 112, .height = 74}, BitmapLayout{.width = 111, .height = 75},
                                   BitmapLayout{.width = 16, .height = 16, .bitCount = 4}}) {
        const BitmapParse refused = Parse(BuildBitmap(layout));
        ASSERT_TRUE(refused.ok()) << layout.width << "x" << layout.height;
        EXPECT_FALSE(FitsPhoneScreen(refused.header)) << layout.width << "x" << layout.height;
    }
    // The colour count is the header's colours-used field, whatever the depth.
    EXPECT_TRUE(FitsPhoneScreen(Parse(BuildBitmap({.bitCount = 8, .coloursUsed = 2})).header));
    EXPECT_EQ(Parse(BuildBitmap({.bitCount = 24})).header.colourCount, 0);
}

TEST(BitmapHeaderTest, ReadsCoreAndLaterHeadersWithTheirColourTables)
{
    const BitmapParse core = Parse(BuildBitmap({.width = 20, .height = 10, .headerSize = 12}));
    ASSERT_TRUE(core.ok());
    EXPECT_EQ(core.header.headerSize, 12);
    EXPECT_EQ(core.header.width, 20);
    EXPECT_EQ(core.header.height, 10);
    EXPECT_EQ(core.header.colourCount, 2);
    EXPECT_EQ(core.header.palette, (std::vector<uint32_t>{0xff000000u, 0xffffffffu}));
    EXPECT_EQ(core.header.pixelOffset, 14 + 12 + 2 * 3);

    const BitmapParse sixteen = Parse(BuildBitmap({.bitCount = 4}));
    ASSERT_TRUE(sixteen.ok());
    ASSERT_EQ(sixteen.header.palette.size(), 16u);
    EXPECT_EQ(sixteen.header.palette[1], 0xff111111u);

    const BitmapParse v5 = Parse(BuildBitmap({.width = 30, .height = 5, .headerSize = 124}));
    ASSERT_TRUE(v5.ok());
    EXPECT_EQ(v5.header.width, 30);
    EXPECT_EQ(v5.header.pixelOffset, 14 + 124 + 2 * 4);
}

TEST(BitmapHeaderTest, RefusesWhatIsNoBitmapWithItsReason)
{
    const QByteArray good = BuildBitmap({});
    QByteArray notBm = good;
    notBm[0] = 'X';
    QByteArray oddHeader = good;
    PutLittle(oddHeader, 14, 20, 4);
    QByteArray compressed = good;
    PutLittle(compressed, 30, 1, 4);
    QByteArray depth = good;
    PutLittle(depth, 28, 3, 2);

    EXPECT_EQ(Parse(QByteArray("BM")).error, BitmapError::NoFileHeader);
    EXPECT_EQ(Parse(notBm).error, BitmapError::NoFileHeader);
    EXPECT_EQ(Parse(oddHeader).error, BitmapError::UnknownHeader);
    EXPECT_EQ(Parse(compressed).error, BitmapError::UnsupportedCompression);
    EXPECT_EQ(Parse(depth).error, BitmapError::UnsupportedDepth);
    EXPECT_EQ(Parse(BuildBitmap({.height = -8})).error, BitmapError::NegativeSize);
    EXPECT_EQ(Parse(BuildBitmap({.width = -8})).error, BitmapError::NegativeSize);
    EXPECT_EQ(Parse(BuildBitmap({.width = 0})).error, BitmapError::EmptySize);
    EXPECT_EQ(Parse(good.first(14 + 40 + 4)).error, BitmapError::TruncatedPalette);
    EXPECT_EQ(Parse(good.chopped(1)).error, BitmapError::TruncatedPixels);
    EXPECT_TRUE(BitmapErrorText(BitmapError::TruncatedPixels).startsWith(QStringLiteral("Not a bitmap")));

    // Every cut of a good file is refused, none read past its end.
    for (qsizetype size = 0; size < good.size(); ++size)
        EXPECT_FALSE(ParseBitmap(QByteArrayView(good).first(size)).ok()) << size;
}

TEST(BitmapHeaderTest, HugeSizesInASmallFileAreRefusedWithoutAllocating)
{
    QByteArray huge = BuildBitmap({});
    PutLittle(huge, 18, 0x7fffffff, 4);
    PutLittle(huge, 22, 0x7fffffff, 4);
    EXPECT_EQ(Parse(huge).error, BitmapError::TruncatedPixels);
    PutLittle(huge, 28, 32, 2);
    EXPECT_EQ(Parse(huge).error, BitmapError::TruncatedPixels);

    QByteArray manyColours = BuildBitmap({});
    PutLittle(manyColours, 46, 0xffffffff, 4);
    EXPECT_EQ(Parse(manyColours).error, BitmapError::TruncatedPalette);
    PutLittle(manyColours, 46, 0x3fffffff, 4);
    EXPECT_EQ(Parse(manyColours).error, BitmapError::TruncatedPalette);
}

TEST(BitmapHeaderTest, PixelsStartAfterTheTableWhenTheFileHeaderPointsAmiss)
{
    QByteArray bytes = BuildBitmap({});
    PutLittle(bytes, 10, 3, 4);
    const BitmapParse intoHeader = Parse(bytes);
    ASSERT_TRUE(intoHeader.ok());
    EXPECT_EQ(intoHeader.header.pixelOffset, 14 + 40 + 8);
    PutLittle(bytes, 10, 0xffffff00, 4);
    EXPECT_EQ(Parse(bytes).header.pixelOffset, 14 + 40 + 8);
}

} // namespace
} // namespace orrin::test
