// SPDX-License-Identifier: GPL-2.0-or-later
// Short messages in PDU mode: AT+CMGF, AT+CPMS, AT+CMGL, AT+CMGR, AT+CMGW,
// AT+CMGS, AT+CMSS, AT+CMGD.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"
#include "phonesim/core/SimText.h"

namespace phonesim {
namespace {

// +CMS error numbers.
constexpr int kCmsNotSupported = 303;
constexpr int kCmsNotAllowed = 302;
constexpr int kCmsInvalidPdu = 304;
constexpr int kCmsInvalidIndex = 321;
constexpr int kCmsMemoryFull = 322;

constexpr int kListAll = 4;
constexpr int kUnread = 0;
constexpr int kRead = 1;
constexpr int kUnsent = 2;
constexpr int kSent = 3;
constexpr int kDeliverType = 0;
constexpr int kSubmitType = 1;

SimMessageMemory *Memory(CSimPhone &phone, const QByteArray &name)
{
    const auto memory = phone.State().memories.messages.find(name);
    return memory != phone.State().memories.messages.end() ? &*memory : nullptr;
}

QByteArray UsageOf(CSimPhone &phone, const QByteArray &name)
{
    const SimMessageMemory *memory = Memory(phone, name);
    return QByteArray::number(memory ? memory->entries.size() : 0) + ',' +
           QByteArray::number(memory ? memory->capacity : 0);
}

// The two lines of a message: its header and its PDU. Reading a received
// message marks it read.
QList<QByteArray> MessageLines(const QByteArray &header, SimMessage &message)
{
    const QList<QByteArray> lines{header + QByteArray::number(message.status) + ",," +
                                      QByteArray::number(TpduOctets(message.pdu)),
                                  message.pdu};
    if (message.status == kUnread)
        message.status = kRead;
    return lines;
}

SimAnswer SetFormat(CSimPhone &, const QByteArray &args)
{
    return args.trimmed() == "0" ? SimAnswer::Ok() : SimAnswer::CmsError(kCmsNotSupported);
}

// AT+CPMS="<read>"[,"<write>"[,"<receive>"]].
SimAnswer SelectMemories(CSimPhone &phone, const QByteArray &args)
{
    const QList<QByteArray> names = SplitArguments(args);
    if (names.size() > 3)
        return SimAnswer::CmsError(kCmsNotAllowed);
    for (const QByteArray &name : names) {
        if (!Memory(phone, name.toUpper()))
            return SimAnswer::CmsError(kCmsNotAllowed);
    }
    QByteArray *const selected[] = {&phone.readMemory, &phone.writeMemory, &phone.receiveMemory};
    for (qsizetype i = 0; i < names.size(); ++i)
        *selected[i] = names.at(i).toUpper();
    return SimAnswer::Ok({"+CPMS: " + UsageOf(phone, phone.readMemory) + ',' + UsageOf(phone, phone.writeMemory) +
                          ',' + UsageOf(phone, phone.receiveMemory)});
}

SimAnswer MemoryStatus(CSimPhone &phone, const QByteArray &)
{
    QByteArrayList parts;
    for (const QByteArray &name : {phone.readMemory, phone.writeMemory, phone.receiveMemory})
        parts.append(Quoted(name) + ',' + UsageOf(phone, name));
    return SimAnswer::Ok({"+CPMS: " + parts.join(',')});
}

SimAnswer MemoryNames(CSimPhone &phone, const QByteArray &)
{
    QByteArrayList names;
    for (const QByteArray &name : phone.State().memories.messages.keys())
        names.append(Quoted(name));
    const QByteArray list = '(' + names.join(',') + ')';
    return SimAnswer::Ok({"+CPMS: " + list + ',' + list + ',' + list});
}

// AT+CMGL[=<stat>]: the messages of that status (4: all) in the read memory.
SimAnswer ListMessages(CSimPhone &phone, const QByteArray &args)
{
    const std::optional<int> wanted = args.isEmpty() ? kUnread : WholeNumber(args);
    SimMessageMemory *memory = Memory(phone, phone.readMemory);
    if (!wanted || *wanted < kUnread || *wanted > kListAll || !memory)
        return SimAnswer::CmsError(kCmsNotAllowed);
    QList<QByteArray> lines;
    for (auto message = memory->entries.begin(); message != memory->entries.end(); ++message) {
        if (*wanted == kListAll || message->status == *wanted)
            lines += MessageLines("+CMGL: " + QByteArray::number(message.key()) + ',', *message);
    }
    return SimAnswer::Ok(lines);
}

// The message at the location the arguments start with, in the memory.
SimMessage *MessageAt(SimMessageMemory *memory, const QByteArray &args)
{
    const std::optional<int> location = WholeNumber(SplitArguments(args).value(0));
    if (!memory || !location)
        return nullptr;
    const auto message = memory->entries.find(*location);
    return message != memory->entries.end() ? &*message : nullptr;
}

SimAnswer ReadMessage(CSimPhone &phone, const QByteArray &args)
{
    SimMessage *message = MessageAt(Memory(phone, phone.readMemory), args);
    if (!message)
        return SimAnswer::CmsError(kCmsInvalidIndex);
    return SimAnswer::Ok(MessageLines("+CMGR: ", *message));
}

// The PDU of a data entry when it is hex of the length announced and of the type wanted.
std::optional<QByteArray> AcceptedPdu(const QByteArray &data, int length, int type)
{
    const QByteArray pdu = data.trimmed().toUpper();
    if (TpduOctets(pdu) != length || MessageTypeOf(pdu) != type)
        return std::nullopt;
    return pdu;
}

// AT+CMGW=<length>[,<stat>], then the PDU: stored at the first free location
// of the write memory.
SimAnswer WriteMessage(CSimPhone &phone, const QByteArray &args)
{
    const QList<QByteArray> fields = SplitArguments(args);
    const std::optional<int> length = WholeNumber(fields.at(0));
    const std::optional<int> status = fields.size() > 1 ? WholeNumber(fields.at(1)) : kUnsent;
    if (!length || !status || *status < kUnread || *status > kSent)
        return SimAnswer::CmsError(kCmsNotAllowed);
    const QByteArray memoryName = phone.writeMemory;
    return SimAnswer::Prompt([&phone, memoryName, length = *length, status = *status](const QByteArray &data) {
        const int type = status == kUnread || status == kRead ? kDeliverType : kSubmitType;
        const std::optional<QByteArray> pdu = AcceptedPdu(data, length, type);
        SimMessageMemory *memory = Memory(phone, memoryName);
        if (!pdu || !memory)
            return SimAnswer::CmsError(kCmsInvalidPdu);
        const int location = memory->FirstFree();
        if (location == 0)
            return SimAnswer::CmsError(kCmsMemoryFull);
        memory->entries.insert(location, {status, *pdu});
        return SimAnswer::Ok({"+CMGW: " + QByteArray::number(location)});
    });
}

// The message goes out: it joins the sent list and gets a reference.
QByteArray SendOut(CSimPhone &phone, const QByteArray &pdu, const QByteArray &prefix)
{
    phone.State().memories.sent.append(pdu);
    const int reference = phone.nextReference;
    phone.nextReference = (phone.nextReference + 1) % 256;
    return prefix + QByteArray::number(reference);
}

SimAnswer SendMessage(CSimPhone &phone, const QByteArray &args)
{
    const std::optional<int> length = WholeNumber(args);
    if (!length)
        return SimAnswer::CmsError(kCmsNotAllowed);
    return SimAnswer::Prompt([&phone, length = *length](const QByteArray &data) {
        const std::optional<QByteArray> pdu = AcceptedPdu(data, length, kSubmitType);
        if (!pdu)
            return SimAnswer::CmsError(kCmsInvalidPdu);
        return SimAnswer::Ok({SendOut(phone, *pdu, "+CMGS: ")});
    });
}

// AT+CMSS=<location>: sends a stored message of the write memory, which is then sent.
SimAnswer SendStored(CSimPhone &phone, const QByteArray &args)
{
    SimMessage *message = MessageAt(Memory(phone, phone.writeMemory), args);
    if (!message)
        return SimAnswer::CmsError(kCmsInvalidIndex);
    if (MessageTypeOf(message->pdu) != kSubmitType)
        return SimAnswer::CmsError(kCmsNotAllowed);
    message->status = kSent;
    return SimAnswer::Ok({SendOut(phone, message->pdu, "+CMSS: ")});
}

// AT+CMGD=<location>: an empty location within the memory is deleted already.
SimAnswer DeleteMessage(CSimPhone &phone, const QByteArray &args)
{
    SimMessageMemory *memory = Memory(phone, phone.readMemory);
    const std::optional<int> location = WholeNumber(SplitArguments(args).value(0));
    if (!memory || !location || *location < 1 || *location > memory->capacity)
        return SimAnswer::CmsError(kCmsInvalidIndex);
    memory->entries.remove(*location);
    return SimAnswer::Ok();
}

} // namespace

void AddMessageCommands(CCommandTable &table)
{
    table.Add("+CMGF", {{},
                        [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"+CMGF: 0"}); },
                        [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"+CMGF: (0)"}); },
                        SetFormat});
    table.Add("+CPMS", {{}, MemoryStatus, MemoryNames, SelectMemories});
    table.Add("+CMGL", {ListMessages, {}, {}, ListMessages});
    table.Add("+CMGR", {{}, {}, {}, ReadMessage});
    table.Add("+CMGW", {{}, {}, {}, WriteMessage});
    table.Add("+CMGS", {{}, {}, {}, SendMessage});
    table.Add("+CMSS", {{}, {}, {}, SendStored});
    table.Add("+CMGD", {{}, {}, {}, DeleteMessage});
}

} // namespace phonesim
