// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/mobile/MobileSession.h"

#include "phone/line/Guarded.h"
#include "phone/line/PhoneLine.h"
#include "phone/PhoneApi.h"

#include <mutex>

namespace orrin::phone {
namespace {

struct GuardedSession {
    std::mutex mutex;
    CMobileSession session;
};

GuardedSession &Guard()
{
    static GuardedSession guarded;
    return guarded;
}

} // namespace

bool CMobileSession::ChooseCharset(CAtEngine &engine, Charset chosen)
{
    if (!engine.Run("AT+CSCS=\"" + CharsetName(chosen) + '"').IsOk())
        return false;
    charset = chosen;
    return true;
}

std::optional<Charset> CMobileSession::TextCharset(CAtEngine &engine)
{
    if (charset == Charset::Unknown && !ChooseCharset(engine, Charset::Ucs2))
        return std::nullopt;
    return charset;
}

template <typename Result>
Result WithSession(Result failure, const std::function<Result(CAtEngine &, CMobileSession &)> &work)
{
    return Guarded<Result>(failure, [&] {
        Result result = failure;
        CPhoneLine::Instance().Use([&](CAtEngine &engine) {
            GuardedSession &guarded = Guard();
            std::lock_guard lock(guarded.mutex);
            result = work(engine, guarded.session);
            return true;
        });
        return result;
    });
}

template PhoneFlag WithSession<PhoneFlag>(PhoneFlag, const std::function<PhoneFlag(CAtEngine &, CMobileSession &)> &);
template int32_t WithSession<int32_t>(int32_t, const std::function<int32_t(CAtEngine &, CMobileSession &)> &);

void ForgetSession()
{
    GuardedSession &guarded = Guard();
    std::lock_guard lock(guarded.mutex);
    guarded.session = CMobileSession{};
}

} // namespace orrin::phone
