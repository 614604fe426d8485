// SPDX-License-Identifier: GPL-2.0-or-later
// orrin-export: the local files of a phone-type folder in standard formats,
// and the merge of contacts from a vCard file into them. No window.

#include "tools/export/ContactImport.h"
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
    "folder, e.g. \"./S55(Europe,Latin America)\") in standard formats:\n"
    "  vcard  Telebook.tml, Addrbook.aml and S57Addrbook.aml as vCard 3.0 (one .vcf, UTF-8)\n"
    "  ical   Calendar.cml as iCalendar (.ics)\n"
    "  csv    SMS.sml as CSV (RFC 4180, UTF-8): status, number, time (ISO 8601), validity, report,\n"
    "         handfree, text\n"
    "  text   SMS.sml as the message view's export text\n"
    "A file that cannot be read, is not Orrin's or has a damaged header is named on standard error,\n"
    "the exit code is 1 and nothing is written. Without -o the output goes to standard output.\n"
    "\n"
    "--import merges the cards of a vCard file (2.1, 3.0 or 4.0) into the folder instead: each card\n"
    "gives a phone-book entry in Telebook.tml (its name and its preferred number, else its first\n"
    "mobile number, else its first number) and an entry of the family's address book (Addrbook.aml\n"
    "for the older family, S57Addrbook.aml for S55, S56 and S57) with every field the record has; the\n"
    "first category becomes the S57 group, a VIP category the VIP mark. Numbers lose the blanks,\n"
    "dashes, dots, slashes and brackets they are written with. Entries the files already hold are\n"
    "skipped, so importing a file twice adds nothing. Texts longer than their field are cut as the\n"
    "window cuts them; a number too long for its field, or a card that cannot be read, is named with\n"
    "its file and line, the exit code is 1 and nothing is written. A folder that is not named after a\n"
    "phone type must hold exactly one of the two address-book files. Write the new entries to the\n"
    "phone from the window.\n"
    "\n"
    "Without a folder, the one named after the phone type in ./setting.ini is used, as the window does.\n"
    "\n"
    "Examples: orrin-export --format vcard -o contacts.vcf\n"
    "          orrin-export --import contacts.vcf \"S55(Europe,Latin America)\"";

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

int Import(const QString &cardFile, const QString &folder)
{
    const ImportResult result = ImportContacts(cardFile, folder);
    if (!result.error.isEmpty()) {
        PrintError(result.error);
        return 1;
    }
    QTextStream out(stdout);
    out << "Telebook.tml: " << result.telebookAdded << " added\n"
        << result.addrbookFile << ": " << result.addrbookAdded << " added\n";
    return 0;
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
    const QCommandLineOption importOption(QStringLiteral("import"),
                                          QStringLiteral("Merge the contacts of a vCard file into the folder."),
                                          QStringLiteral("file"));
    parser.addOption(formatOption);
    parser.addOption(outputOption);
    parser.addOption(importOption);
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("The phone-type folder (default: the one ./setting.ini names)."),
                                 QStringLiteral("[folder]"));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        PrintError(QStringLiteral("one folder only"));
        return 2;
    }
    if (parser.isSet(importOption) && (parser.isSet(formatOption) || parser.isSet(outputOption))) {
        PrintError(QStringLiteral("--import takes neither --format nor -o"));
        return 2;
    }
    QString error;
    const QString folder = positional.isEmpty() ? DefaultFolder(error) : positional.first();
    if (folder.isEmpty()) {
        PrintError(error);
        return 1;
    }
    if (parser.isSet(importOption))
        return Import(parser.value(importOption), folder);
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
