// SPDX-License-Identifier: GPL-2.0-or-later
// How a family offers OBEX file transfer on the cable. The newer family
// switches with AT^SQWE=3 and reports its mode with AT^SQWE? (0 while it
// speaks AT); the older family frames OBEX in BFB, entered with AT^SBFB=1,
// and answers AT^SBFB=? with modes that lack 3.
// Both name the interface the host is on with AT^SIFS.
#include "phonesim/core/at/CommandTable.h"
#include "phonesim/core/SimPhone.h"

namespace phonesim {

void AddObexOfferCommands(CCommandTable &table, SimFamily family)
{
    table.Add("^SIFS", {[](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SIFS: WIRE"}); }, {}, {}, {}});
    if (family == SimFamily::Newer) {
        table.Add("^SBFB", {{}, {}, [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SBFB: (0-3)"}); },
                            {}});
        table.Add("^SQWE", {{}, [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SQWE: 0"}); },
                            [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SQWE: (0-3)"}); },
                            [](CSimPhone &phone, const QByteArray &args) {
                                const QByteArray mode = args.trimmed();
                                if (mode != "0" && mode != "3")
                                    return SimAnswer::Error();
                                phone.obexRequested = mode == "3";
                                return SimAnswer::Ok();
                            }});
    } else {
        table.Add("^SBFB", {{}, {}, [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SBFB: (0-1)"}); },
                            [](CSimPhone &phone, const QByteArray &args) {
                                const QByteArray mode = args.trimmed();
                                if (mode != "0" && mode != "1")
                                    return SimAnswer::Error();
                                phone.bfbRequested = mode == "1";
                                return SimAnswer::Ok();
                            }});
    }
}

} // namespace phonesim
