// SPDX-License-Identifier: GPL-2.0-or-later
// The numbered objects: AT^SBNR reads an object in hex parts, AT^SBNW
// writes one part by part after the "> " prompt, or deletes it.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/SimText.h"

#include <variant>

namespace phonesim {
namespace {

constexpr int kCmeNotSupported = 4;
constexpr int kCmeMemoryFull = 20;
constexpr int kCmeInvalidIndex = 21;
constexpr int kCmeUnknown = 100;
// Data bytes per part the phone sends, and the most it takes in one.
constexpr int kReadPartBytes = 176;
constexpr int kMaxWritePartBytes = 508;
constexpr int kMaxParts = 128;

struct Target {
    QByteArray type;
    int index = 0;
    SimObjectMemory *memory = nullptr;
};

// "vcf",3 -> the vcf memory's slot 3; the error that refuses it otherwise.
std::variant<Target, int> TargetOf(CSimPhone &phone, const QList<QByteArray> &fields)
{
    const QByteArray type = fields.value(0).toLower();
    const auto memory = phone.State().objects.memories.find(type);
    if (memory == phone.State().objects.memories.end())
        return kCmeNotSupported;
    const std::optional<int> index = WholeNumber(fields.value(1));
    if (!index || !memory->Contains(*index))
        return kCmeInvalidIndex;
    return Target{type, *index, &*memory};
}

SimAnswer Ranges(CSimPhone &phone, const QByteArray &)
{
    QByteArrayList types;
    const auto &memories = phone.State().objects.memories;
    for (auto memory = memories.begin(); memory != memories.end(); ++memory) {
        types.append("(" + Quoted(memory.key()) + ",(" + QByteArray::number(memory->first) + '-' +
                     QByteArray::number(memory->last) + "))");
    }
    return SimAnswer::Ok({"^SBNR: " + types.join(',')});
}

SimAnswer ReadObject(CSimPhone &phone, const QByteArray &args)
{
    const QList<QByteArray> fields = SplitArguments(args);
    const std::variant<Target, int> target = TargetOf(phone, fields);
    if (const int *error = std::get_if<int>(&target))
        return SimAnswer::CmeError(*error);
    if (fields.size() != 2)
        return SimAnswer::CmeError(kCmeInvalidIndex);
    const Target &at = std::get<Target>(target);
    const auto object = at.memory->entries.constFind(at.index);
    if (object == at.memory->entries.constEnd())
        return phone.State().objects.emptySlotIsError ? SimAnswer::CmeError(kCmeUnknown) : SimAnswer::Ok();
    const int parts = int((object->size() + kReadPartBytes - 1) / kReadPartBytes);
    QList<QByteArray> lines;
    for (int part = 1; part <= parts; ++part) {
        lines.append("^SBNR: " + Quoted(at.type) + ',' + QByteArray::number(at.index) + ',' +
                     QByteArray::number(part) + ',' + QByteArray::number(parts));
        lines.append(object->mid(qsizetype(part - 1) * kReadPartBytes, kReadPartBytes).toHex().toUpper());
    }
    return SimAnswer::Ok(lines);
}

// The data of one part: stored with the others, and the whole object kept
// when it was the last part and the phone takes it.
SimAnswer TakePart(CSimPhone &phone, const Target &at, const QByteArray &hexData)
{
    const QByteArray hex = hexData.trimmed();
    const QByteArray data = QByteArray::fromHex(hex);
    CSimPhone::Upload &upload = *phone.upload;
    if (hex.size() % 2 != 0 || data.toHex().compare(hex, Qt::CaseInsensitive) != 0 || data.isEmpty() ||
        data.size() > kMaxWritePartBytes) {
        phone.upload.reset();
        return SimAnswer::CmeError(kCmeUnknown);
    }
    upload.data += data;
    if (++upload.received < upload.parts)
        return SimAnswer::Ok();
    const QByteArray object = std::exchange(phone.upload, std::nullopt)->data;
    if (!AcceptsObject(at.type, object, phone.State().family))
        return SimAnswer::CmeError(kCmeUnknown);
    at.memory->entries.insert(at.index, object);
    return SimAnswer::Ok();
}

SimAnswer WriteObject(CSimPhone &phone, const QByteArray &args)
{
    const QList<QByteArray> fields = SplitArguments(args);
    const std::variant<Target, int> target = TargetOf(phone, fields);
    if (const int *error = std::get_if<int>(&target))
        return SimAnswer::CmeError(*error);
    const Target at = std::get<Target>(target);
    const std::optional<int> part = WholeNumber(fields.value(2));
    if (fields.size() == 3 && part == 0) {
        at.memory->entries.remove(at.index);
        return SimAnswer::Ok();
    }
    const std::optional<int> parts = WholeNumber(fields.value(3));
    if (fields.size() != 4 || !part || !parts || *part < 1 || *parts < *part || *parts > kMaxParts)
        return SimAnswer::CmeError(kCmeInvalidIndex);
    if (*part == 1) {
        if (!at.memory->entries.contains(at.index) && at.memory->Full())
            return SimAnswer::CmeError(kCmeMemoryFull);
        phone.upload = CSimPhone::Upload{at.type, at.index, *parts, 0, {}};
    }
    const std::optional<CSimPhone::Upload> &upload = phone.upload;
    if (!upload || upload->type != at.type || upload->index != at.index || upload->parts != *parts ||
        upload->received + 1 != *part) {
        phone.upload.reset();
        return SimAnswer::CmeError(kCmeUnknown);
    }
    return SimAnswer::Prompt([&phone, at](const QByteArray &data) { return TakePart(phone, at, data); });
}

} // namespace

void AddObjectCommands(CCommandTable &table)
{
    table.Add("^SBNR", {{}, {}, Ranges, ReadObject});
    table.Add("^SBNW", {{}, {}, {}, WriteObject});
}

} // namespace phonesim
