// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/line/AtReply.h"

namespace orrin::phone {

bool AtReply::LineFailed() const
{
    return outcome == AtOutcome::Timeout || outcome == AtOutcome::LineLost;
}

QByteArray AtReply::Value(const QByteArray &prefix) const
{
    if (lines.isEmpty())
        return {};
    const QByteArray &line = lines.first();
    if (!prefix.isEmpty() && line.startsWith(prefix + ':'))
        return line.mid(prefix.size() + 1).trimmed();
    return line.trimmed();
}

QList<QByteArray> AtFields(const QByteArray &value)
{
    QList<QByteArray> fields;
    QByteArray field;
    bool quoted = false;
    for (const char c : value) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.append(field);
            field.clear();
        } else if (quoted || (c != ' ' && c != '\t')) {
            field.append(c);
        }
    }
    fields.append(field);
    return fields;
}

} // namespace orrin::phone
