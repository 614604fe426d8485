// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/Unsolicited.h"

#include <QByteArrayList>

#include <cctype>

namespace orrin::phone {
namespace {

// "+CMTI:" -> "+CMTI"; empty when the line does not start with such a name.
QByteArray NamePrefix(const QByteArray &line)
{
    if (line.isEmpty() || (line.front() != '+' && line.front() != '^'))
        return {};
    for (qsizetype i = 1; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == ':')
            return i > 1 ? line.left(i) : QByteArray();
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return {};
    }
    return {};
}

bool IsBareUnsolicited(const QByteArray &line)
{
    static const QByteArrayList kBare = {"RING", "^SYSSTART"};
    return kBare.contains(line);
}

} // namespace

QByteArray AnswerPrefixOf(const QByteArray &command)
{
    if (command.size() < 3 || !command.left(2).toUpper().startsWith("AT"))
        return {};
    const char lead = command.at(2);
    if (lead != '+' && lead != '^')
        return {};
    qsizetype end = 3;
    while (end < command.size() && std::isalnum(static_cast<unsigned char>(command.at(end))))
        ++end;
    return command.mid(2, end - 2).toUpper();
}

bool IsUnsolicited(const QByteArray &line, const QByteArray &expectedPrefix)
{
    if (IsBareUnsolicited(line))
        return true;
    const QByteArray prefix = NamePrefix(line);
    return !prefix.isEmpty() && prefix != expectedPrefix;
}

bool UnsolicitedHasDataLine(const QByteArray &line)
{
    static const QByteArrayList kWithData = {"+CMT", "+CBM", "+CDS"};
    return kWithData.contains(NamePrefix(line));
}

} // namespace orrin::phone
