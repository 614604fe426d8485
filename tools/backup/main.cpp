// SPDX-License-Identifier: GPL-2.0-or-later
// orrin-backup: every store's read and synchronise from the phone into the
// window's own local files, without a window.

#include "app/settings/Settings.h"
#include "link/SharedState.h"
#include "tools/backup/BackupRun.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

#ifdef Q_OS_WIN
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

using namespace orrin;
using namespace orrin::backup;

namespace {

const char kDescription[] =
    "Reads the phone and saves what it holds into Orrin's local files, as the window's synchronise\n"
    "commands do: information, the phone book (phone and SIM), the messages (phone and SIM), the\n"
    "address book, the calendar, the pictures and the ringtones, into the folder named after the\n"
    "phone type beside setting.ini (e.g. ./S55(Europe,Latin America)/Telebook.tml). The calendar\n"
    "and the pictures are only read: the window's calendar synchronise copies nothing into\n"
    "Calendar.cml, and the window keeps no local copy of the pictures.\n"
    "The phone type, port and baud rate come from setting.ini in the current folder; --type, --port\n"
    "and --baud replace them. Each step prints what it saved; a step that fails prints the store's\n"
    "error text on standard error (or that the phone stopped answering, which the phone's clock\n"
    "is read after each step to find out), the later steps still run and the exit code is 1 (2 for wrong\n"
    "options or settings). A bar shows the progress while standard error is a terminal.\n"
    "\n"
    "Example: orrin-backup --type \"S55(Europe,Latin America)\" --port COM1 --baud 115200";

constexpr int kBarWidth = 30;

void PrintError(const QString &text)
{
    std::fprintf(stderr, "orrin-backup: %s\n", qPrintable(text));
}

// The progress bar: drawn on standard error while it is a terminal, and
// wiped before any other line is written there or to standard output.
class CTerminal {
public:
    CTerminal() : m_drawBar(isatty(fileno(stderr)) != 0) {}

    void Progress(int stepIndex, int stepCount, const QString &name, int percent)
    {
        if (!m_drawBar)
            return;
        const int clamped = qBound(0, percent, 100);
        const int filled = clamped * kBarWidth / 100;
        const QString bar = QStringLiteral("\r[%1/%2] [%3%4] %5% %6")
                                .arg(stepIndex + 1)
                                .arg(stepCount)
                                .arg(QString(filled, QLatin1Char('#')), QString(kBarWidth - filled, QLatin1Char('.')))
                                .arg(clamped, 3)
                                .arg(name, -14);
        if (m_barShown && bar == m_bar)
            return;
        std::fputs(qPrintable(bar), stderr);
        std::fflush(stderr);
        m_bar = bar;
        m_barShown = true;
    }
    void Line(std::FILE *stream, const QString &text)
    {
        WipeBar();
        std::fprintf(stream, "%s\n", qPrintable(text));
        std::fflush(stream);
    }
    void Error(const QString &text) { Line(stderr, QStringLiteral("orrin-backup: ") + text); }
    void WipeBar()
    {
        if (!m_barShown)
            return;
        std::fprintf(stderr, "\r%*s\r", kBarWidth + 32, "");
        m_barShown = false;
    }

private:
    bool m_drawBar;
    bool m_barShown = false;
    QString m_bar; // the bar as last drawn
};

struct Connection {
    QString phoneType;
    QString port;
    QString baudText;
};

// setting.ini first, then the options over it.
bool ReadConnection(const QCommandLineParser &parser, const QCommandLineOption &type, const QCommandLineOption &port,
                    const QCommandLineOption &baud, Connection *connection)
{
    QString country;
    ReadUserSettings(SettingsPath(), &connection->phoneType, &country);
    ReadConnectionSettings(SettingsPath(), &connection->port, &connection->baudText);
    if (parser.isSet(type))
        connection->phoneType = parser.value(type);
    if (parser.isSet(port))
        connection->port = parser.value(port);
    if (parser.isSet(baud))
        connection->baudText = parser.value(baud);
    if (!kPhoneTypes.contains(connection->phoneType)) {
        PrintError(QStringLiteral("no phone type: give --type, one of: ") + kPhoneTypes.join(QStringLiteral("; ")));
        return false;
    }
    if (connection->port.isEmpty() || BaudRateOf(connection->baudText) <= 0) {
        PrintError(QStringLiteral("no connection: give --port and --baud, or choose them in Orrin's settings"));
        return false;
    }
    return true;
}

int RunBackup(CTerminal &terminal)
{
    const auto progress = [&terminal](int index, int count, const QString &name, int percent) {
        terminal.Progress(index, count, name, percent);
    };
    const auto box = [&terminal](const QString &text) { terminal.Error(text); };
    CBackupRun run({progress, box});
    QString error;
    if (!run.Connect(&error)) {
        terminal.Error(error);
        return 1;
    }
    const std::vector<BackupStep> steps = BackupSteps();
    int exitCode = 0;
    for (size_t index = 0; index < steps.size(); ++index) {
        const StepOutcome outcome = run.Run(steps[index], int(index), int(steps.size()));
        if (outcome.ok) {
            terminal.Line(stdout, steps[index].name + QStringLiteral(": ") + outcome.text);
        } else {
            terminal.Error(QStringLiteral("%1 failed: %2").arg(steps[index].name, outcome.text));
            exitCode = 1;
        }
    }
    terminal.WipeBar();
    run.Disconnect();
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orrin-backup"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addHelpOption();
    const QCommandLineOption typeOption(QStringLiteral("type"), QStringLiteral("The phone type, e.g. S45i(Europe)."),
                                        QStringLiteral("type"));
    const QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("The port: COM1 ... or a device."),
                                        QStringLiteral("port"));
    const QCommandLineOption baudOption(QStringLiteral("baud"), QStringLiteral("The baud rate, e.g. 115200."),
                                        QStringLiteral("rate"));
    parser.addOptions({typeOption, portOption, baudOption});
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        PrintError(QStringLiteral("no arguments besides the options"));
        return 2;
    }

    g_strWorkDir.Set(EnterWorkFolder());
    Connection connection;
    if (!ReadConnection(parser, typeOption, portOption, baudOption, &connection))
        return 2;
    g_strPhoneType.Set(connection.phoneType);
    g_strPortName.Set(connection.port);
    g_nBaudRate.store(BaudRateOf(connection.baudText));
    if (!QDir(g_strWorkDir.Get()).mkpath(connection.phoneType)) {
        PrintError(QStringLiteral("%1: cannot be created").arg(QDir::toNativeSeparators(connection.phoneType)));
        return 1;
    }
    CTerminal terminal;
    return RunBackup(terminal);
}
