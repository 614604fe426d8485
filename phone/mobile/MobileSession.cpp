#include "MobileSession.h"

#include "Guarded.h"
#include "PhoneLine.h"
#include "PhoneApi.h"

namespace orrin::phone {
namespace {

// Only touched inside the line's calls, which run one at a time.
CMobileSession &Session()
{
    static CMobileSession session;
    return session;
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
            result = work(engine, Session());
            return true;
        });
        return result;
    });
}

template PhoneFlag WithSession<PhoneFlag>(PhoneFlag, const std::function<PhoneFlag(CAtEngine &, CMobileSession &)> &);
template int32_t WithSession<int32_t>(int32_t, const std::function<int32_t(CAtEngine &, CMobileSession &)> &);

void ForgetSession()
{
    CPhoneLine::Instance().Use([](CAtEngine &) {
        Session() = CMobileSession{};
        return true;
    });
}

} // namespace orrin::phone
