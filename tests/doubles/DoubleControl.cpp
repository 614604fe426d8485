// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/doubles/DoubleControl.h"

#include <QHash>

#include <deque>
#include <mutex>

namespace doubles {
namespace {

struct Script {
    std::mutex mutex;
    QHash<QString, Reply> defaults;
    QHash<QString, std::deque<Reply>> queued;
    QStringList calls;
    std::vector<QByteArray> callBytes;
};

Script &TheScript()
{
    static Script script;
    return script;
}

Reply TakeReply(const QString &entry, const QStringList &arguments, const QByteArray &bytes)
{
    Script &s = TheScript();
    std::lock_guard lock(s.mutex);
    s.calls << entry + QLatin1Char('(') + arguments.join(QLatin1Char(',')) + QLatin1Char(')');
    s.callBytes.push_back(bytes);
    auto queued = s.queued.find(entry);
    if (queued != s.queued.end() && !queued->empty()) {
        Reply reply = queued->front();
        queued->pop_front();
        return reply;
    }
    return s.defaults.value(entry, Reply{});
}

} // namespace

void Reset()
{
    Script &s = TheScript();
    std::lock_guard lock(s.mutex);
    s.defaults.clear();
    s.queued.clear();
    s.calls.clear();
    s.callBytes.clear();
}

void SetDefault(const QString &entry, const Reply &reply)
{
    Script &s = TheScript();
    std::lock_guard lock(s.mutex);
    s.defaults.insert(entry, reply);
}

void Queue(const QString &entry, const Reply &reply)
{
    Script &s = TheScript();
    std::lock_guard lock(s.mutex);
    s.queued[entry].push_back(reply);
}

QStringList Calls()
{
    Script &s = TheScript();
    std::lock_guard lock(s.mutex);
    return s.calls;
}

QStringList CallsOf(const QString &entry)
{
    QStringList matching;
    for (const QString &call : Calls()) {
        if (call.startsWith(entry + QLatin1Char('(')))
            matching << call;
    }
    return matching;
}

QByteArray CallBytes(int n)
{
    Script &s = TheScript();
    std::lock_guard lock(s.mutex);
    return n >= 0 && n < int(s.callBytes.size()) ? s.callBytes[size_t(n)] : QByteArray();
}

Reply Answer(const QString &entry, const QStringList &arguments, const QByteArray &bytes)
{
    const Reply reply = TakeReply(entry, arguments, bytes);
    if (reply.onAnswer)
        reply.onAnswer();
    return reply;
}

} // namespace doubles
