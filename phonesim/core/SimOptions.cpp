// SPDX-License-Identifier: GPL-2.0-or-later
#include "phonesim/core/SimOptions.h"

#include <QCommandLineParser>

namespace phonesim {
namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption family{QStringLiteral("family"), QStringLiteral("Phone family: older or newer."),
                              QStringLiteral("family")};
    QCommandLineOption model{QStringLiteral("model"), QStringLiteral("Model of the family (S45i, S55 ...)."),
                             QStringLiteral("name")};
    QCommandLineOption state{QStringLiteral("state"), QStringLiteral("State file (JSON); the seed when missing."),
                             QStringLiteral("file")};
    QCommandLineOption save{QStringLiteral("save"), QStringLiteral("Write the state back to the state file at exit.")};
    QCommandLineOption link{QStringLiteral("link"), QStringLiteral("Symbolic link to make to the pseudo-terminal."),
                            QStringLiteral("path")};
    QCommandLineOption baud{QStringLiteral("baud"),
                            QStringLiteral("Line rate: answer only at this rate, and no faster."),
                            QStringLiteral("rate")};
    QCommandLineOption latency{QStringLiteral("latency-ms"), QStringLiteral("Delay before each answer."),
                               QStringLiteral("ms")};
    QCommandLineOption fillBook{QStringLiteral("fill-book"),
                                QStringLiteral("Replace a phone book by N generated entries in N locations (SM:250)."),
                                QStringLiteral("memory:count")};
    QCommandLineOption fillCards{QStringLiteral("fill-cards"),
                                 QStringLiteral("Replace the address book by N generated cards in its first slots."),
                                 QStringLiteral("count")};
    QCommandLineOption incoming{QStringLiteral("incoming-every"),
                                QStringLiteral("A new message arrives, announced by +CMTI, every N commands."),
                                QStringLiteral("n")};
    QCommandLineOption fault{QStringLiteral("fault"),
                             QStringLiteral("silent-after=N, garbage-after=N, hangup-after=N or error=COMMAND:CODE."),
                             QStringLiteral("fault")};

    Parser()
    {
        parser.setApplicationDescription(QStringLiteral("A simulated Siemens phone on a pseudo-terminal."));
        parser.addHelpOption();
        parser.addOptions({family, model, state, save, link, baud, latency, fault, fillBook, fillCards, incoming});
    }
};

// A whole number of at least minimum, or nothing.
std::optional<int> Number(const QString &text, int minimum)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= minimum ? std::optional(value) : std::nullopt;
}

// "SM:250" -> the memory and the count.
bool AddBookFill(SimOptions &options, const QString &fill, QString *message)
{
    const QStringList parts = fill.split(QLatin1Char(':'));
    const std::optional<int> count = parts.size() == 2 ? Number(parts.at(1), 1) : std::nullopt;
    if (!count || parts.at(0).size() != 2) {
        *message = QStringLiteral("--fill-book takes MEMORY:COUNT, like SM:250");
        return false;
    }
    options.bookFills.insert(parts.at(0).toUpper().toLatin1(), *count);
    return true;
}

} // namespace

std::optional<SimOptions> ParseSimOptions(const QStringList &arguments, QString *message)
{
    Parser p;
    if (!p.parser.parse(arguments)) {
        *message = p.parser.errorText();
        return std::nullopt;
    }
    SimOptions options;
    if (p.parser.isSet(QStringLiteral("help"))) {
        *message = p.parser.helpText();
        options.helpShown = true;
        return options;
    }
    const std::optional<SimFamily> family = ParseFamily(p.parser.value(p.family));
    if (!family) {
        *message = QStringLiteral("--family must be older or newer");
        return std::nullopt;
    }
    options.family = *family;
    if (p.parser.isSet(p.model)) {
        options.model = FamilyModel(*family, p.parser.value(p.model));
        if (options.model.isEmpty()) {
            *message = QStringLiteral("--model must be one of %1").arg(ModelsOf(*family).join(QStringLiteral(", ")));
            return std::nullopt;
        }
    }
    options.statePath = p.parser.value(p.state);
    options.save = p.parser.isSet(p.save);
    if (options.save && options.statePath.isEmpty()) {
        *message = QStringLiteral("--save needs --state");
        return std::nullopt;
    }
    options.linkPath = p.parser.value(p.link);
    const std::optional<int> baud = p.parser.isSet(p.baud) ? Number(p.parser.value(p.baud), 1) : 0;
    const std::optional<int> latency = p.parser.isSet(p.latency) ? Number(p.parser.value(p.latency), 0) : 0;
    if (!baud || !latency) {
        *message = QStringLiteral("--baud must be a positive number and --latency-ms at least 0");
        return std::nullopt;
    }
    options.baudRate = *baud;
    options.latencyMs = *latency;
    for (const QString &fault : p.parser.values(p.fault)) {
        if (!AddFault(options.faults, fault, message))
            return std::nullopt;
    }
    for (const QString &fill : p.parser.values(p.fillBook)) {
        if (!AddBookFill(options, fill, message))
            return std::nullopt;
    }
    const std::optional<int> cards = p.parser.isSet(p.fillCards) ? Number(p.parser.value(p.fillCards), 0) : -1;
    if (!cards) {
        *message = QStringLiteral("--fill-cards must be a number");
        return std::nullopt;
    }
    options.cardFill = *cards;
    const std::optional<int> incoming = p.parser.isSet(p.incoming) ? Number(p.parser.value(p.incoming), 1) : 0;
    if (!incoming) {
        *message = QStringLiteral("--incoming-every must be a positive number");
        return std::nullopt;
    }
    options.incomingEvery = *incoming;
    return options;
}

} // namespace phonesim
