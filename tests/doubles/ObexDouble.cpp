// SPDX-License-Identifier: GPL-2.0-or-later
// Test double of the OBEX module: records each call and answers as scripted.
#include "tests/doubles/DoubleHelpers.h"

using namespace doubles;

extern "C" {

PHONE_EXPORT PhoneFlag SetMobileType(int32_t family) { return Flag(Answer("SetMobileType", {Arg(family)})); }
PHONE_EXPORT PhoneFlag IrdaConnect(void) { return Flag(Answer("IrdaConnect", {})); }
PHONE_EXPORT PhoneFlag ObexConnect(void) { return Flag(Answer("ObexConnect", {})); }
PHONE_EXPORT PhoneFlag IrdaClose(void) { return Flag(Answer("IrdaClose", {})); }
PHONE_EXPORT PhoneFlag GetRoot(void) { return Flag(Answer("GetRoot", {})); }
PHONE_EXPORT PhoneFlag GetChild(const char *folder) { return Flag(Answer("GetChild", {Arg(folder)})); }
PHONE_EXPORT int32_t GetFolderFileNum(const char *folder) { return Count(Answer("GetFolderFileNum", {Arg(folder)})); }

// The reply's bytes are the folder's FolderEntry records, as many as scripted.
PHONE_EXPORT PhoneFlag ListingCurrentFolder(FolderEntry *entries)
{
    const Reply r = Answer("ListingCurrentFolder", {});
    FillBytes(r, entries, size_t(r.bytes.size()));
    return Flag(r);
}

PHONE_EXPORT PhoneFlag DeleteFolderFile(const FolderEntry *entry)
{
    return Flag(Answer("DeleteFolderFile", {Arg(entry ? entry->name : nullptr)}));
}

PHONE_EXPORT PhoneFlag SendFile(const char *path) { return Flag(Answer("SendFile", {Arg(path)})); }

} // extern "C"
