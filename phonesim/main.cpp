// SPDX-License-Identifier: GPL-2.0-or-later
// phonesim: a simulated Siemens phone on a pseudo-terminal.
#include "phonesim/PtyLine.h"
#include "phonesim/SimLoop.h"
#include "phonesim/core/SimOptions.h"
#include "phonesim/core/SimSession.h"
#include "phonesim/core/SimState.h"

#include <QCoreApplication>

#include <cstdio>

using namespace phonesim;

namespace {

int Fail(const QString &message)
{
    std::fprintf(stderr, "phonesim: %s\n", message.toLocal8Bit().constData());
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QString message;
    const std::optional<SimOptions> options = ParseSimOptions(QCoreApplication::arguments(), &message);
    if (!options)
        return Fail(message);
    if (options->helpShown) {
        std::printf("%s", message.toLocal8Bit().constData());
        return 0;
    }
    std::optional<SimState> state = LoadState(options->statePath, options->family, &message);
    if (!state)
        return Fail(message);
    if (!options->model.isEmpty())
        state->model = options->model;
    for (auto fill = options->bookFills.begin(); fill != options->bookFills.end(); ++fill)
        state->memories.phoneBooks.insert(fill.key(), GeneratedPhoneBook(fill.value()));
    if (options->cardFill >= 0)
        FillCards(state->objects.memories["vcf"], options->cardFill);

    CSimPhone phone(std::move(*state));
    const CCommandTable table = CommandTableFor(options->family);
    CSimSession session(phone, table, options->faults);
    session.SetIncomingEvery(options->incomingEvery);
    if (!InstallStopSignals())
        return Fail(QStringLiteral("cannot watch for stop signals"));
    CPtyLine line(options->linkPath);
    if (!line.Open(&message))
        return Fail(message);
    AnnounceDevice(line.Device());

    CSimLoop loop(line, session, options->baudRate, options->latencyMs);
    const bool ran = loop.Run(&message);
    line.Close();
    std::fprintf(stderr, "commands: %s\n", session.CountsJson().constData());
    std::fprintf(stderr, "bytes: %s\n", session.BytesJson().constData());
    if (!ran)
        return Fail(message);
    if (options->save && !SaveState(phone.State(), options->statePath, &message))
        return Fail(message);
    return 0;
}
