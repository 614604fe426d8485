// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Operations on the record lists that every store keeps.

#include <QList>

#include <algorithm>
#include <vector>

namespace orrin {

// Whether the list holds a record that counts as the same entry.
template <typename Record, typename Same>
bool ContainsSame(const QList<Record> &list, const Record &record, Same same)
{
    return std::any_of(list.cbegin(), list.cend(), [&](const Record &held) { return same(held, record); });
}

// Removes the records at the selected positions. Views hand the positions in
// ascending order; any order, repeats and positions past the end are taken
// safely: each record that was selected leaves once.
template <typename Record>
void RemovePositions(QList<Record> &list, const std::vector<int> &selection)
{
    std::vector<int> positions(selection);
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (auto it = positions.crbegin(); it != positions.crend(); ++it) {
        if (*it >= 0 && *it < list.size())
            list.removeAt(*it);
    }
}

} // namespace orrin
