// SPDX-License-Identifier: GPL-2.0-or-later
// The two width rules of the tile grids and the cells they give.

#include "ui/TileLayout.h"

#include <gtest/gtest.h>

namespace orrin::test {
namespace {

TEST(FixedColumns, WholeCellsMakeColumns)
{
    const TileColumns two = FixedColumns(300, 120);
    EXPECT_EQ(two.width, 120);
    EXPECT_EQ(two.columns, 2);
    EXPECT_EQ(TileCell(0, two, 100), QRect(10, 10, 120, 100));
    EXPECT_EQ(TileCell(1, two, 100).left(), 150);
    EXPECT_EQ(TileCell(2, two, 100), QRect(10, 130, 120, 100));
    EXPECT_EQ(FixedColumns(419, 120).columns, 2);
}

TEST(FixedColumns, NarrowGridShowsOneColumnOfNarrowedTiles)
{
    EXPECT_EQ(FixedColumns(100, 120).width, 80);
    EXPECT_EQ(FixedColumns(100, 120).columns, 1);
    EXPECT_EQ(FixedColumns(139, 120).width, 119); // one cell fits, barely not the tile
    EXPECT_EQ(FixedColumns(140, 120).width, 120);
    EXPECT_EQ(FixedColumns(279, 120).columns, 1);
}

TEST(FixedColumns, NoWidthAtAllGivesEmptyTilesNotNegativeOnes)
{
    for (int usable : {19, 0, -40}) {
        const TileColumns columns = FixedColumns(usable, 120);
        EXPECT_EQ(columns.width, 0) << usable;
        EXPECT_EQ(columns.columns, 1) << usable;
    }
}

TEST(VariableColumns, TilesWidenToShareTheRow)
{
    const TileColumns at400 = VariableColumns(400, 120, 180);
    EXPECT_EQ(at400.width, 180);
    EXPECT_EQ(at400.columns, 2);
    EXPECT_EQ(TileCell(1, at400, 100).left(), 210);

    const TileColumns at500 = VariableColumns(500, 120, 180);
    EXPECT_EQ(at500.width, 146);
    EXPECT_EQ(at500.columns, 3);
    EXPECT_EQ(TileCell(1, at500, 100).left(), 176);

    // A share above the widest tile plus its gap keeps the widest tile.
    const TileColumns at201 = VariableColumns(201, 120, 180);
    EXPECT_EQ(at201.width, 180);
    EXPECT_EQ(at201.columns, 1);
    EXPECT_EQ(VariableColumns(200, 120, 180).width, 180); // 200 - 20
    EXPECT_EQ(VariableColumns(170, 120, 180).width, 150);
}

TEST(VariableColumns, NoTileReachesPastTheUsableWidth)
{
    // 1,050 gives 130-pixel tiles, of which 8 by width alone but 7 with their gaps.
    const TileColumns at1050 = VariableColumns(1050, 120, 180);
    EXPECT_EQ(at1050.width, 130);
    EXPECT_EQ(at1050.columns, 7);
    const TileColumns at1705 = VariableColumns(1705, 120, 180);
    EXPECT_EQ(at1705.width, 135);
    EXPECT_EQ(at1705.columns, 11);
    for (int usable = 120; usable <= 2400; ++usable) {
        const TileColumns columns = VariableColumns(usable, 120, 180);
        EXPECT_LE(TileCell(columns.columns - 1, columns, 100).right() + 1, usable) << usable;
    }
}

TEST(VariableColumns, NarrowGridShowsOneColumnOfNarrowedTiles)
{
    EXPECT_EQ(VariableColumns(100, 120, 180).width, 80);
    EXPECT_EQ(VariableColumns(149, 120, 180).width, 120);
    EXPECT_EQ(VariableColumns(149, 120, 180).columns, 1);
    for (int usable : {10, 0, -200}) {
        EXPECT_EQ(VariableColumns(usable, 120, 180).width, 0) << usable;
        EXPECT_EQ(VariableColumns(usable, 120, 180).columns, 1) << usable;
    }
}

} // namespace
} // namespace orrin::test
