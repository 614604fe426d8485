// SPDX-License-Identifier: GPL-2.0-or-later
// orrin-export: the local files of a phone-type folder in standard formats,
// and the merge of contacts from a vCard file into them. No window.

#include "tools/export/ExportFolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>

using namespace orrin::exporter;

namespace {

const char kDescription[] =
    "Writes the local files of a phone-type folder (the folder named after the phone type in Orrin's work\n"
    "folder, e.g. ./S55) in standard formats:\n"
    "  vcard  Telebook.tml, Addrbook.aml and S57Addrbook.aml as vCard 3.0 (one .vcf, UTF-8)\n"
    "  ical   Calendar.cml as iCalendar (.ics)\n"
    "  csv    SMS.sml as CSV (RFC 4180, UTF-8): status, number, time (ISO 8601), validity, report,\n"
    "         handfree, text\n"
    "  text   SMS.sml as the message view's export text\n"
    "A file that cannot be read, is not Orrin's or has a damaged header is named on standard error,\n"
    "the exit code is 1 and nothing is written. Without -o the output goes to standard output.\n"
    "\n"
    "Example: orrin-export --format vcard -o contacts.vcf S55";

void PrintError(const QString &text)
{
    std::fprintf(stderr, "orrin-export: %s\n", qPrintable(text));
}

// All or nothing: the file appears only when every byte reached it.
bool WriteOutput(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty() || path == QLatin1String("-")) {
        QFile out;
        return out.open(stdout, QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush();
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    PrintError(QStringLiteral("%1: cannot be written").arg(QDir::toNativeSeparators(path)));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orrin-export"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(kDescription));
    parser.addHelpOption();
    const QCommandLineOption formatOption(QStringLiteral("format"), QStringLiteral("vcard, ical, csv or text."),
                                          QStringLiteral("format"));
    const QCommandLineOption outputOption(QStringLiteral("o"), QStringLiteral("The output file."),
                                          QStringLiteral("file"));
    parser.addOption(formatOption);
    parser.addOption(outputOption);
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("The phone-type folder (default: .)."),
                                 QStringLiteral("[folder]"));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    const QString folder = positional.value(0, QStringLiteral("."));
    if (positional.size() > 1) {
        PrintError(QStringLiteral("one folder only"));
        return 2;
    }
    const auto format = ExportFormatNamed(parser.value(formatOption));
    if (!format) {
        PrintError(QStringLiteral("--format must be vcard, ical, csv or text"));
        return 2;
    }
    const ExportResult result = ExportFolder(folder, *format);
    if (!result.error.isEmpty()) {
        PrintError(result.error);
        return 1;
    }
    return WriteOutput(parser.value(outputOption), result.bytes) ? 0 : 1;
}
