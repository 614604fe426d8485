// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone book of the selected memory over AT: selection with its used
// count and capacity, reading, writing, changing and deleting entries.
//
// Nothing is read or written until a selection succeeded: after a refused or
// unanswered selection the phone may still have the other memory selected.
// The first read after a selection costs one range read of the whole memory
// (AT+CPBR=1,<capacity>); the entries are kept for the following reads of
// single locations until the memory is selected again or anything is
// written, changed or deleted. A range read that fails keeps nothing: the
// next read asks again.

#include "phone/line/AtEngine.h"
#include "phone/mobile/AtText.h"

#include <QString>

#include <map>
#include <optional>

namespace orrin::phone {

struct BookEntry {
    QString number;
    QString name;  // without the VIP mark
    bool vip = false;

    bool operator==(const BookEntry &) const = default;
};

// The phone keeps a VIP entry's name with a trailing "!".
QString StoredName(const BookEntry &entry);
BookEntry EntryFromStored(const QString &number, int type, const QString &storedName);

struct BookUsage {
    int used = 0;
    int total = -1;  // -1: the phone did not say
};

// "\"SM\",3,100" (AT+CPBS?) -> 3 used of 100.
std::optional<BookUsage> ParseBookUsage(const QByteArray &value);
// "(1-250),20,14" (AT+CPBR=?) -> 250.
std::optional<int> ParseBookCapacity(const QByteArray &value);
// "5,\"+4917\",145,\"0041\"" (AT+CPBR) -> location 5 and its entry. A name
// that is no text of the character set is kept as it came.
std::optional<std::pair<int, BookEntry>> ParseBookLine(const QByteArray &value, Charset charset);

class CPhoneBook {
public:
    // Selects "ME", "SM" ...: the used count, -1 when the phone refused.
    int Select(CAtEngine &engine, const QByteArray &memory);
    // The selected memory's capacity, -1 when the phone does not say or no
    // memory is selected.
    int Capacity(CAtEngine &engine);
    // Reads the selected memory unless it was read since its selection;
    // false when no memory is selected or the range read failed.
    bool Load(CAtEngine &engine, Charset charset);
    // The entry at the location of the loaded memory; nothing for an empty one.
    std::optional<BookEntry> Find(int location) const;
    // Writes the entry at the location, 0 for the first free one.
    bool Write(CAtEngine &engine, Charset charset, int location, const BookEntry &entry);
    bool Delete(CAtEngine &engine, int location);

private:
    void Forget();

    bool m_selected = false;
    bool m_loaded = false;
    std::optional<int> m_capacity;
    std::map<int, BookEntry> m_entries;
};

} // namespace orrin::phone
