// SPDX-License-Identifier: GPL-2.0-or-later
// OBEX: the phone family, whether the phone offers OBEX file transfer on the
// open line, and the phone's folders. On a cable there is no infrared layer:
// IrdaConnect checks that the phone answers on the line, ObexConnect that it
// can switch the line to OBEX, the way its family does it (the phone must
// agree: AT^SQWE=3 is refused by the older family, and the newer one lists
// mode 3 in AT^SBFB=?):
//  - newer family (S55, S56, S57): AT^SQWE=3 turns the line into plain OBEX;
//  - older family on a cable (AT^SIFS answers WIRE): the BFB framing,
//    entered with AT^SBFB=1 and left with AT^SBFB=0 sent in a frame.
// A folder call opens an OBEX session when none is open and leaves it open
// for the next one; any Mobile call, IrdaClose or CloseComms ends it and
// brings the line back to AT. A failed exchange ends it at once.
#include "phone/line/Guarded.h"
#include "phone/PhoneApi.h"
#include "phone/line/PhoneLine.h"
#include "phone/line/TextFit.h"
#include "phone/obex/FolderListing.h"
#include "phone/obex/ObexClient.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <cstring>
#include <memory>

using namespace orrin::phone;
using orrin::PhoneFamily;
using namespace orrin::phone::obex;

namespace {

// Escaping from transparent OBEX like a modem: silence, "+++", silence.
constexpr int kEscapeGuardMs = 1000;
// The phone needs a moment after AT^SQWE=3 before it reads OBEX.
constexpr int kSwitchAttempts = 2;
// The answer to AT^SBFB=0 in its frame.
constexpr int kLeaveBfbMs = 2000;

// How the phone carries OBEX on the cable, as it told us.
enum class Way { Plain, Bfb };

// What the module knows of the session; touched only while the line is held.
struct FolderState {
    ObexSession session;
    Way way = Way::Plain;
    quint8 bfbSequence = 0;  // the next block's number
    QString folder;  // the current folder, empty at the root
    std::vector<ListingEntry> listing;  // as last counted
};

FolderState &State()
{
    static FolderState state;
    return state;
}

void Escape(CAtEngine &engine, ISerialIo &io)
{
    QThread::msleep(kEscapeGuardMs);
    io.Write("+++", QDeadlineTimer(kEscapeGuardMs));
    QThread::msleep(kEscapeGuardMs);
    engine.Resynchronise();
}

// The session's transport on the line; it lives for one step.
std::unique_ptr<IObexTransport> TransportOn(ISerialIo &io)
{
    FolderState &state = State();
    if (state.way == Way::Bfb)
        return std::make_unique<CBfbTransport>(io, state.bfbSequence);
    return std::make_unique<CPlainTransport>(io);
}

// BFB ends with AT^SBFB=0 in an AT frame; the phone answers in one.
bool LeaveBfb(ISerialIo &io)
{
    const QDeadlineTimer deadline(kLeaveBfbMs);
    quint8 unused = 0;
    CBfbTransport transport(io, unused);
    return io.Write(bfb::EncodeFrames(bfb::kAtFrame, "AT^SBFB=0\r"), deadline) &&
           transport.ReceiveFrame(bfb::kAtFrame, deadline).has_value();
}

// Ends the session: DISCONNECT while it is sound, then the line is brought
// back to AT the way it left it (the escape when plain OBEX does not end).
void Leave(CAtEngine &engine, ISerialIo &io)
{
    FolderState &state = State();
    bool disconnected = false;
    if (state.session.open)
        disconnected = CObexClient(*TransportOn(io), state.session).Disconnect();
    state.session.open = false;
    state.folder.clear();
    if (state.way == Way::Bfb) {
        LeaveBfb(io);
        engine.Resynchronise();
    } else if (!disconnected || !engine.Resynchronise()) {
        Escape(engine, io);
    }
}

// Whether the modes AT^SBFB=? lists hold 3, the newer family's plain OBEX.
bool OffersPlainObex(const AtReply &reply)
{
    static const QRegularExpression kRange(QStringLiteral("(\\d+)(?:-(\\d+))?"));
    const QString modes = QString::fromLatin1(reply.lines.join());
    for (auto match = kRange.globalMatch(modes); match.hasNext();) {
        const QRegularExpressionMatch range = match.next();
        const int low = range.captured(1).toInt();
        const int high = range.captured(2).isEmpty() ? low : range.captured(2).toInt();
        if (low <= 3 && 3 <= high)
            return true;
    }
    return false;
}

// The older family frames OBEX in BFB, which it speaks on a cable only: its
// AT^SBFB=? lists modes without 3 (the newer family's plain OBEX) and AT^SIFS
// names the wire.
bool OffersBfb(CAtEngine &engine)
{
    const AtReply modes = engine.Run("AT^SBFB=?");
    if (!modes.IsOk() || OffersPlainObex(modes))
        return false;
    const AtReply face = engine.Run("AT^SIFS");
    return face.IsOk() && face.lines.join().contains("WIRE");
}

bool ConnectAfterSwitch(ISerialIo &io)
{
    for (int attempt = 0; attempt < kSwitchAttempts; ++attempt) {
        if (CObexClient(*TransportOn(io), State().session).Connect())
            return true;
    }
    return false;
}

bool SwitchToBfb(CAtEngine &engine, ISerialIo &io)
{
    if (!engine.Run("AT^SBFB=1").IsOk())
        return false;
    State().bfbSequence = 0;
    CBfbTransport transport(io, State().bfbSequence);
    if (transport.Hello(QDeadlineTimer(CObexClient::kBaseTimeoutMs)) && ConnectAfterSwitch(io))
        return true;
    LeaveBfb(io);
    engine.Resynchronise();
    return false;
}

bool SwitchToObex(CAtEngine &engine, ISerialIo &io, PhoneFamily family)
{
    State().way = family == PhoneFamily::Newer ? Way::Plain : Way::Bfb;
    if (family != PhoneFamily::Newer)
        return OffersBfb(engine) && SwitchToBfb(engine, io);
    if (!engine.Run("AT^SQWE=3").IsOk())
        return false;
    if (ConnectAfterSwitch(io))
        return true;
    Escape(engine, io);
    return false;
}

// Runs one step of a folder operation in the session, opening it first when
// none is open. A failed step ends the session so that the line speaks AT.
bool InSession(const std::function<bool(CObexClient &)> &step)
{
    return Guarded<bool>(false, [&] {
        const PhoneFamily family = CPhoneLine::Instance().Family();
        return CPhoneLine::Instance().UseObex(
            [&](CAtEngine &engine, ISerialIo &io, bool &obexMode) {
                FolderState &state = State();
                if (!obexMode) {
                    state.session.open = false;
                    state.folder.clear();
                    if (!SwitchToObex(engine, io, family))
                        return false;
                    obexMode = true;
                }
                const std::unique_ptr<IObexTransport> transport = TransportOn(io);
                CObexClient client(*transport, state.session);
                if (step(client))
                    return true;
                obexMode = false;
                Leave(engine, io);
                return false;
            },
            &Leave);
    });
}

bool SameName(const char *text, const QString &name)
{
    return text && QString::fromLocal8Bit(text) == name;
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

// Opens a session and ends it again, leaving the line in AT mode.
PHONE_EXPORT PhoneFlag ObexConnect(void)
{
    return InSession([](CObexClient &) { return true; }) && RunOnLine([](CAtEngine &) { return true; });
}

PHONE_EXPORT PhoneFlag IrdaClose(void)
{
    if (!CPhoneLine::Instance().IsOpen())
        return 1;
    return RunOnLine([](CAtEngine &) { return true; });
}

PHONE_EXPORT PhoneFlag GetRoot(void)
{
    return InSession([](CObexClient &client) {
        if (!client.SetPathRoot())
            return false;
        State().folder.clear();
        return true;
    });
}

PHONE_EXPORT PhoneFlag GetChild(const char *folder)
{
    if (!folder || !*folder)
        return 0;
    const QString name = QString::fromLocal8Bit(folder);
    return InSession([&name](CObexClient &client) {
        if (!client.SetPathChild(name))
            return false;
        State().folder = name;
        return true;
    });
}

PHONE_EXPORT int32_t GetFolderFileNum(const char *folder)
{
    FolderState &state = State();
    state.listing.clear();
    const bool listed = InSession([&](CObexClient &client) {
        if (!SameName(folder, state.folder))
            return true;
        const std::optional<QByteArray> xml = client.GetFolderListing();
        if (!xml)
            return false;
        std::optional<std::vector<ListingEntry>> entries = ParseFolderListing(*xml);
        if (entries)
            state.listing = std::move(*entries);
        return entries.has_value();
    });
    return listed ? int32_t(state.listing.size()) : 0;
}

PHONE_EXPORT PhoneFlag ListingCurrentFolder(FolderEntry *entries)
{
    return Guarded<PhoneFlag>(0, [entries]() -> PhoneFlag {
        if (!entries)
            return 0;
        const std::vector<ListingEntry> &listing = State().listing;
        for (size_t i = 0; i < listing.size(); ++i) {
            FolderEntry &entry = entries[i];
            FitText(listing[i].name, entry.name, sizeof entry.name);
            entry.kind = listing[i].folder ? 1 : 0;
        }
        return 1;
    });
}

PHONE_EXPORT PhoneFlag DeleteFolderFile(const FolderEntry *entry)
{
    if (!entry || entry->kind != 0)
        return 0;
    const QString name = QString::fromLocal8Bit(entry->name, int(strnlen(entry->name, sizeof entry->name)));
    return InSession([&name](CObexClient &client) { return client.Delete(name); });
}

PHONE_EXPORT PhoneFlag SendFile(const char *path)
{
    if (!path || !*path)
        return 0;
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError || data.size() != file.size())
        return 0;
    const QString name = QFileInfo(file).fileName();
    return InSession([&](CObexClient &client) { return client.Put(name, data); });
}

} // extern "C"
