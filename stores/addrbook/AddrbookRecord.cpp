// SPDX-License-Identifier: GPL-2.0-or-later
#include "stores/addrbook/AddrbookRecord.h"

#include "stores/common/TextField.h"

namespace orrin {

void TerminateAddrbookTexts(AddrbookRecord &r)
{
    using R = AddrbookRecord;
    TerminateFields(r, &R::name, &R::street, &R::city, &R::postCode, &R::country, &R::company, &R::home, &R::office,
                    &R::mobile, &R::fax, &R::email, &R::url);
}

void TerminateAddrbookTexts(S57AddrbookRecord &r)
{
    using R = S57AddrbookRecord;
    TerminateFields(r, &R::group, &R::name, &R::street, &R::city, &R::postCode, &R::country, &R::company, &R::home,
                    &R::office, &R::mobile, &R::fax, &R::fax2, &R::email, &R::email2, &R::url, &R::birthday);
}

bool SameAddrbookEntry(const AddrbookRecord &a, const AddrbookRecord &b)
{
    using R = AddrbookRecord;
    return SameFields(a, b, &R::name, &R::mobile, &R::city, &R::company, &R::country, &R::email, &R::fax, &R::home);
}

bool SameS57Entry(const S57AddrbookRecord &a, const S57AddrbookRecord &b)
{
    using R = S57AddrbookRecord;
    return SameFields(a, b, &R::name, &R::mobile, &R::city, &R::company, &R::country, &R::email, &R::fax, &R::home,
                      &R::birthday, &R::email2, &R::fax2);
}

} // namespace orrin
