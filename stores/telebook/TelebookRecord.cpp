// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/telebook/TelebookRecord.h"

#include "stores/common/TextField.h"

namespace orrin {

QString TelebookName(const TelebookRecord &record)
{
    return TextFieldString(record.name);
}

QString TelebookNumber(const TelebookRecord &record)
{
    return TextFieldString(record.number);
}

void SetTelebookName(TelebookRecord &record, const QString &name)
{
    SetTextFieldString(record.name, name);
}

void SetTelebookNumber(TelebookRecord &record, const QString &number)
{
    SetTextFieldString(record.number, number);
}

void TerminateTelebookTexts(TelebookRecord &record)
{
    TerminateFields(record, &TelebookRecord::number, &TelebookRecord::name);
}

bool SameTelebookEntry(const TelebookRecord &a, const TelebookRecord &b)
{
    return SameFields(a, b, &TelebookRecord::name, &TelebookRecord::number);
}

} // namespace orrin
