// SPDX-License-Identifier: GPL-2.0-or-later
#include "link/MessageBox.h"

#include "link/InterfaceRelay.h"

#include <cstdio>
#include <deque>
#include <future>
#include <mutex>

namespace orrin {
namespace {

int FallbackBox(const BoxRequest &request)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(request.caption), qPrintable(request.text));
    return request.buttons == BoxButtons::YesNo ? kIdNo : kIdOk;
}

std::mutex g_handlerMutex;
BoxHandler g_handler = FallbackBox;

BoxHandler Handler()
{
    std::lock_guard lock(g_handlerMutex);
    return g_handler;
}

// Carries boxes asked for off the user-interface thread over to it. Requests
// and answers travel through our own queue and promises.
class CBoxRelay : public CInterfaceRelay {
public:
    int Ask(const BoxRequest &request)
    {
        std::future<int> answer;
        {
            std::lock_guard lock(m_mutex);
            m_pending.push_back({request, std::promise<int>()});
            answer = m_pending.back().answer.get_future();
        }
        Wake();
        return answer.get();
    }

private:
    // Shows the boxes asked for, in turn.
    void OnWake() override
    {
        for (;;) {
            Pending next;
            {
                std::lock_guard lock(m_mutex);
                if (m_pending.empty())
                    return;
                next = std::move(m_pending.front());
                m_pending.pop_front();
            }
            next.answer.set_value(Handler()(next.request));
        }
    }

    struct Pending {
        BoxRequest request;
        std::promise<int> answer;
    };
    std::mutex m_mutex;
    std::deque<Pending> m_pending;
};

} // namespace

BoxHandler SetMessageBoxHandler(BoxHandler handler)
{
    std::lock_guard lock(g_handlerMutex);
    BoxHandler previous = g_handler;
    g_handler = handler ? std::move(handler) : BoxHandler(FallbackBox);
    return previous;
}

int MessageBox(QObject *owner, const QString &text, const QString &caption, BoxButtons buttons,
               BoxIcon icon)
{
    const BoxRequest request{owner, text, caption.isEmpty() ? kAppTitle : caption, buttons, icon};
    if (OnInterfaceThread())
        return Handler()(request);
    return TheRelay<CBoxRelay>().Ask(request);
}

} // namespace orrin
