// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's answer to a GET of x-obex/folder-listing: XML of <folder> and
// <file> elements with their names (and, for files, sizes).

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace orrin::phone::obex {

struct ListingEntry {
    QString name;
    bool folder = false;
    qint64 size = 0;
};

// The entries in their order; nothing for text that is no folder listing.
std::optional<std::vector<ListingEntry>> ParseFolderListing(const QByteArray &xml);

} // namespace orrin::phone::obex
