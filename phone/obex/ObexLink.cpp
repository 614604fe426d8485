// OBEX: the phone family and whether the phone offers OBEX file transfer on
// the open line. On a cable there is no infrared layer: IrdaConnect checks
// that the phone answers on the line, ObexConnect asks the phone whether it
// can switch the line to OBEX, the way its family does it:
//  - newer family (S55, S56, S57): AT^SQWE? answers "^SQWE: <mode>";
//  - older family: AT^SBFB=? (the BFB framing) answers OK.
#include "phone/line/Guarded.h"
#include "phone/PhoneApi.h"
#include "phone/line/PhoneLine.h"

using namespace orrin::phone;
using orrin::PhoneFamily;

namespace {

bool OffersObex(CAtEngine &engine, PhoneFamily family)
{
    if (family == PhoneFamily::Newer) {
        const AtReply reply = engine.Run("AT^SQWE?");
        return reply.IsOk() && !reply.lines.isEmpty() && reply.lines.first().startsWith("^SQWE:");
    }
    return engine.Run("AT^SBFB=?").IsOk();
}

} // namespace

extern "C" {

PHONE_EXPORT PhoneFlag SetMobileType(int32_t family)
{
    return Guarded<PhoneFlag>(0, [family]() -> PhoneFlag {
        CPhoneLine::Instance().SetFamily(orrin::PhoneFamilyOfCode(family));
        return 1;
    });
}

PHONE_EXPORT PhoneFlag IrdaConnect(void)
{
    return RunOnLine([](CAtEngine &engine) { return engine.Run("AT").IsOk(); });
}

PHONE_EXPORT PhoneFlag ObexConnect(void)
{
    const PhoneFamily family = CPhoneLine::Instance().Family();
    return RunOnLine([family](CAtEngine &engine) { return OffersObex(engine, family); });
}

// No OBEX session is ever left open yet, so closing always succeeds, with or
// without an open line.
PHONE_EXPORT PhoneFlag IrdaClose(void) { return 1; }

// The phone's folders: they answer failure (or 0 entries) until file transfer
// is built.
PHONE_EXPORT PhoneFlag GetRoot(void) { return 0; }
PHONE_EXPORT PhoneFlag GetChild(const char *) { return 0; }
PHONE_EXPORT int32_t GetFolderFileNum(const char *) { return 0; }
PHONE_EXPORT PhoneFlag ListingCurrentFolder(FolderEntry *) { return 0; }
PHONE_EXPORT PhoneFlag DeleteFolderFile(const FolderEntry *) { return 0; }
PHONE_EXPORT PhoneFlag SendFile(const char *) { return 0; }

} // extern "C"
