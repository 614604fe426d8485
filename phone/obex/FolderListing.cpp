// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/obex/FolderListing.h"

#include <QXmlStreamReader>

namespace orrin::phone::obex {

std::optional<std::vector<ListingEntry>> ParseFolderListing(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    std::vector<ListingEntry> entries;
    bool sawListing = false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView element = reader.name();
        if (element == QLatin1String("folder-listing")) {
            sawListing = true;
        } else if (sawListing && (element == QLatin1String("folder") || element == QLatin1String("file"))) {
            const QXmlStreamAttributes attributes = reader.attributes();
            const QString name = attributes.value(QLatin1String("name")).toString();
            if (!name.isEmpty())
                entries.push_back({name, element == QLatin1String("folder"),
                                   attributes.value(QLatin1String("size")).toLongLong()});
        }
    }
    if (reader.hasError() || !sawListing)
        return std::nullopt;
    return entries;
}

} // namespace orrin::phone::obex
