// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/settings/ProfileFile.h"

#include "link/FileKind.h"
#include "stores/common/TextField.h"

#include <QFile>
#include <QList>
#include <QSaveFile>

#include <optional>

namespace orrin {
namespace {

// Only a regular file is settings: opening a FIFO or a device would block
// until someone writes to it, and a folder is no file at all.
bool IsOpenable(const QString &path)
{
    return KindOfFile(path) != FileKind::Other;
}

QList<QByteArray> ReadLines(const QString &path)
{
    QFile file(path);
    if (!IsOpenable(path) || !file.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = file.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    return lines;
}

// The section name of a "[name]" line.
std::optional<QByteArray> SectionOf(const QByteArray &line)
{
    const QByteArray trimmed = line.trimmed();
    if (trimmed.startsWith('[') && trimmed.contains(']'))
        return trimmed.mid(1, trimmed.indexOf(']') - 1).trimmed();
    return std::nullopt;
}

bool SameName(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The key of a "key=value" line, and its value with blanks and one pair of
// surrounding quotes removed.
bool SplitEntry(const QByteArray &line, QByteArray *key, QByteArray *value)
{
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.trimmed().startsWith(';'))
        return false;
    *key = line.left(equals).trimmed();
    QByteArray text = line.mid(equals + 1).trimmed();
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front())
        text = text.mid(1, text.size() - 2);
    *value = text;
    return true;
}

struct Found {
    qsizetype sectionLine = -1; // index of the "[section]" line
    qsizetype endLine = -1;     // index after the section's last line
    qsizetype keyLine = -1;     // index of the key's line
    QByteArray value;
};

Found Find(const QList<QByteArray> &lines, const QByteArray &section, const QByteArray &key)
{
    Found found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = SectionOf(lines[i])) {
            if (found.sectionLine >= 0) {
                found.endLine = i;
                return found;
            }
            if (SameName(*name, section))
                found.sectionLine = i;
            continue;
        }
        QByteArray lineKey, value;
        if (found.sectionLine >= 0 && found.keyLine < 0 && SplitEntry(lines[i], &lineKey, &value) &&
            SameName(lineKey, key)) {
            found.keyLine = i;
            found.value = value;
        }
    }
    if (found.sectionLine >= 0)
        found.endLine = lines.size();
    return found;
}

} // namespace

QString CProfileFile::ReadString(const QString &section, const QString &key, const QString &defaultText,
                                 int bufferSize) const
{
    const Found found = Find(ReadLines(m_path), section.toLocal8Bit(), key.toLocal8Bit());
    const QByteArray value = found.keyLine >= 0 ? found.value : defaultText.toLocal8Bit();
    return QString::fromLocal8Bit(value.left(CharacterBoundary(value, bufferSize - 1)));
}

bool CProfileFile::WriteString(const QString &section, const QString &key, const QString &value) const
{
    if (!IsOpenable(m_path))
        return false;
    QList<QByteArray> lines = ReadLines(m_path);
    const QByteArray sectionName = section.toLocal8Bit();
    const QByteArray entry = key.toLocal8Bit() + '=' + value.toLocal8Bit();
    const Found found = Find(lines, sectionName, key.toLocal8Bit());
    if (found.keyLine >= 0) {
        lines[found.keyLine] = entry;
    } else if (found.sectionLine >= 0) {
        qsizetype at = found.endLine;
        while (at > found.sectionLine + 1 && lines[at - 1].trimmed().isEmpty())
            --at; // keep the blank line that separates sections after the new key
        lines.insert(at, entry);
    } else {
        lines << '[' + sectionName + ']' << entry;
    }

    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray &line : lines)
        file.write(line + "\r\n");
    return file.commit();
}

} // namespace orrin
