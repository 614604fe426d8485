// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The five local files of the stores as the local record file sees them:
// name, tag and record size. Tests that drive every layout take them here.
#include "phone/PhoneApi.h"
#include "stores/common/LocalRecordFile.h"

#include <array>

namespace orrin::test {

struct LocalFileLayout {
    const char *fileName;
    LocalFileFormat format;
    qsizetype recordSize;
};

inline const std::array<LocalFileLayout, 5> kLocalFileLayouts{{
    {"Telebook.tml", {QByteArrayLiteral("telebook"), 8}, qsizetype(sizeof(TelebookRecord))},
    {"SMS.sml", {QByteArray("sms\0\0\0\0\0", 8), 4}, qsizetype(sizeof(SmsRecord))},
    {"Addrbook.aml", {QByteArrayLiteral("addrbook"), 8}, qsizetype(sizeof(AddrbookRecord))},
    {"S57Addrbook.aml", {QByteArray("S57addr\0", 8), 8}, qsizetype(sizeof(S57AddrbookRecord))},
    // The calendar file carries the address book's tag.
    {"Calendar.cml", {QByteArrayLiteral("addrbook"), 8}, qsizetype(sizeof(CalendarRecord))},
}};

} // namespace orrin::test
