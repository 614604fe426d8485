// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Where the tiles of a grid go: how wide they are, how many share a row, and
// the cell of each tile before scrolling.

#include <QRect>

namespace orrin {

constexpr int kTileMargin = 10; // left and top of the first tile
constexpr int kTileGap = 20;    // between tiles, across and down

struct TileColumns {
    int width;   // of every tile; never negative
    int columns; // at least 1
};

// Tiles of one width: as many columns as whole cells fit; narrower tiles in
// one column when not even one fits.
TileColumns FixedColumns(int usableWidth, int tileWidth);

// Tiles between minWidth and maxWidth: columns are chosen for the mean width,
// then the tiles widened to share the row; no tile reaches past the usable
// width.
TileColumns VariableColumns(int usableWidth, int minWidth, int maxWidth);

// The cell of tile number index, unscrolled.
QRect TileCell(int index, const TileColumns &columns, int tileHeight);

} // namespace orrin
