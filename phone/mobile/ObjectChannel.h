// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The phone's numbered objects over AT: address-book cards ("vcf"),
// calendar entries ("vcs"), pictures ("bmp") and ringtones ("mid").
//
//   AT^SBNR=?                      the slot range of every type
//   AT^SBNR="<type>",<index>       the object in numbered hex parts
//   AT^SBNW="<type>",<index>,n,m   part n of m after the "> " prompt
//   AT^SBNW="<type>",<index>,0     deletes
//
// An object is taken only when every part arrived in order and whole; an
// empty slot is OK alone or +CME ERROR: 100. Anything else (a busy phone, a
// full memory, a broken answer, no answer) is a failure.

#include "phone/line/AtEngine.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <optional>

namespace orrin::phone {

struct ObjectRange {
    int first = 0;
    int last = -1;

    bool Contains(int index) const { return index >= first && index <= last; }
};
using ObjectRanges = QMap<QByteArray, ObjectRange>;

// ("bmp",(0-3)),("mid",(0-4)) -> bmp 0..3, mid 0..4; nothing when no type reads.
std::optional<ObjectRanges> ParseObjectRanges(const QByteArray &value);

enum class ObjectStatus { Found, Empty, Failed };

struct ObjectRead {
    ObjectStatus status = ObjectStatus::Failed;
    QByteArray data;
};

// The answer lines of AT^SBNR="<type>",<index> as one object: header and hex
// line for part 1 to max, in order. Failed for anything else, or for an
// object larger than maxBytes; Empty for no lines at all.
ObjectRead AssembleObject(const QList<QByteArray> &lines, const QByteArray &type, int index, int maxBytes);

class CObjectChannel {
public:
    // Data bytes per written part: a size every phone of both families takes.
    static constexpr int kPacketBytes = 176;
    // Larger than any object these phones hold.
    static constexpr int kMaxObjectBytes = 64 * 1024;
    // Larger than any card or calendar entry; it bounds the wait for one.
    static constexpr int kMaxTextObjectBytes = 8 * 1024;

    // The type's slot range, asked once per line; nothing when the phone
    // does not say or knows no such type.
    std::optional<ObjectRange> Range(CAtEngine &engine, const QByteArray &type);
    ObjectRead Read(CAtEngine &engine, const QByteArray &type, int index, int maxBytes = kMaxObjectBytes);
    bool Write(CAtEngine &engine, const QByteArray &type, int index, const QByteArray &data);
    bool Delete(CAtEngine &engine, const QByteArray &type, int index);

private:
    std::optional<ObjectRanges> m_ranges;
};

} // namespace orrin::phone
