// How a family announces OBEX file transfer on the cable. The newer family
// switches with AT^SQWE=3 and reports its mode with AT^SQWE?; the older family
// frames OBEX in BFB and answers AT^SBFB=?. The switches themselves come with
// file transfer.
#include "phonesim/core/CommandTable.h"

namespace phonesim {

void AddObexOfferCommands(CCommandTable &table, SimFamily family)
{
    if (family == SimFamily::Newer) {
        table.Add("^SQWE", {{}, [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SQWE: 0"}); },
                            [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SQWE: (0-3)"}); }, {}});
    } else {
        table.Add("^SBFB", {{}, {}, [](CSimPhone &, const QByteArray &) { return SimAnswer::Ok({"^SBFB: (0-1)"}); },
                            {}});
    }
}

} // namespace phonesim
