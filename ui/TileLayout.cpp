// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/TileLayout.h"

#include "ui/Look.h"

#include <algorithm>

namespace orrin {

namespace {

// A single column never reaches past the usable width less the margins.
TileColumns NarrowedSingleColumn(int usableWidth, int width)
{
    return {std::max(0, std::min(width, usableWidth - kTileGap)), 1};
}

// Tiles whose right edge stays within the usable width.
int ColumnsThatFit(int usableWidth, int width)
{
    return (usableWidth + kTileGap - kTileMargin) / (width + kTileGap);
}

} // namespace

TileColumns FixedColumns(int usableWidth, int tileWidth)
{
    const int columns = usableWidth / (tileWidth + kTileGap);
    if (columns <= 1)
        return NarrowedSingleColumn(usableWidth, tileWidth);
    return {tileWidth, columns};
}

TileColumns VariableColumns(int usableWidth, int minWidth, int maxWidth)
{
    const int mean = (minWidth + maxWidth) / 2;
    const int meanColumns = mean > 0 ? usableWidth / mean : 0;
    if (meanColumns <= 0)
        return NarrowedSingleColumn(usableWidth, minWidth);
    // A row's share per tile is never below the mean, so tiles only widen.
    const int share = usableWidth / meanColumns;
    const int width = maxWidth + kTileGap < share ? maxWidth : share - kTileGap;
    // Columns by the tile width alone, but never more than whole tiles with
    // their gaps fit: a last column beyond the usable width is unreachable.
    const int columns = width > 0 ? std::min(usableWidth / width, ColumnsThatFit(usableWidth, width)) : 1;
    if (columns <= 1)
        return NarrowedSingleColumn(usableWidth, width);
    return {width, columns};
}

QRect TileCell(int index, const TileColumns &columns, int tileHeight)
{
    const int left = (columns.width + kTileGap) * (index % columns.columns) + kTileMargin;
    const int top = (tileHeight + kTileGap) * (index / columns.columns) + kTileMargin;
    return EdgeRect(left, top, left + columns.width, top + tileHeight);
}

} // namespace orrin
