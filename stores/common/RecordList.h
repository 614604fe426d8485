// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Operations on the record lists that every store keeps.

#include "link/SharedState.h"

#include <QList>

#include <algorithm>
#include <cstring>
#include <type_traits>
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

// The records of `from` missing from `held`, each once: what a
// synchronisation appends to a local file.
template <typename Record, typename Same>
QList<Record> MissingRecords(const QList<Record> &from, const QList<Record> &held, Same same)
{
    QList<Record> missing;
    for (const Record &record : from) {
        if (!ContainsSame(held, record, same) && !ContainsSame(missing, record, same))
            missing.append(record);
    }
    return missing;
}

// Whether the file, as just read, still holds at every selected position the
// record, byte for byte, that was listed there when the user chose it.
template <typename Record>
bool HoldsListedRecords(const QList<Record> &file, const QList<Record> &listed, const std::vector<int> &selection)
{
    static_assert(std::is_trivially_copyable_v<Record>);
    return std::all_of(selection.cbegin(), selection.cend(), [&](int position) {
        return position >= 0 && position < file.size() && position < listed.size()
               && std::memcmp(&file[position], &listed[position], sizeof(Record)) == 0;
    });
}

// The list of a phone memory, for stores that keep one per memory: phone
// memory and SIM card have their own, the local file none.
template <typename Record>
QList<Record> *ListOfMemory(int memory, QList<Record> &phoneList, QList<Record> &simList)
{
    switch (memory) {
    case kPhoneMemory:
        return &phoneList;
    case kSimCard:
        return &simList;
    default:
        return nullptr;
    }
}

// Runs command code 1 to n of a store on the memory of g_nMemory: the
// phone's operation on the phone memory (and on the SIM card where the store
// has one), the local file's on the file, whose refusals show their box and
// still end as done; any other memory does nothing and succeeds.
template <class Store, class Table>
int RunOnMemoryOf(Store &store, const Table &phoneOperations, const Table &localOperations, int code, bool withSim)
{
    const int memory = g_nMemory.load();
    if (memory == kPhoneMemory || (withSim && memory == kSimCard))
        return (store.*phoneOperations[code - 1])();
    if (memory == kLocalFile)
        (store.*localOperations[code - 1])();
    return 1;
}

enum class ListExchange {
    Save, // the memory's list takes a copy of the work list
    Load  // the work list takes a copy of the memory's list
};

template <typename Record>
void ExchangeLists(ListExchange direction, QList<Record> *memoryList, QList<Record> &workList)
{
    if (!memoryList)
        return;
    if (direction == ListExchange::Save)
        *memoryList = workList;
    else
        workList = *memoryList;
}

} // namespace orrin
