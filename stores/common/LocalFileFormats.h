// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// Each store's local file: its name in the phone-type folder and how its
// header is recognised. Shared by the stores and by the tools that read the
// same files without a window.

#include "stores/common/LocalRecordFile.h"

namespace orrin {

struct LocalFileKind {
    const char *fileName;
    LocalFileFormat format;
};

inline const LocalFileKind kTelebookFile{"Telebook.tml", {QByteArrayLiteral("telebook"), 8}};
// "sms" and a zero byte identify the file; the other four bytes of the tag
// are kept as found.
inline const LocalFileKind kSmsFile{"SMS.sml", {QByteArray("sms\0\0\0\0\0", 8), 4}};
inline const LocalFileKind kAddrbookFile{"Addrbook.aml", {QByteArrayLiteral("addrbook"), 8}};
inline const LocalFileKind kS57AddrbookFile{"S57Addrbook.aml", {QByteArray("S57addr\0", 8), 8}};
// The calendar file carries the address book's tag.
inline const LocalFileKind kCalendarFile{"Calendar.cml", {QByteArray("addrbook", 8), 8}};

} // namespace orrin
