// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/vobject/ContentObject.h"

#include <QStringDecoder>

namespace orrin::phone {
namespace {

constexpr int kMaxDepth = 4;
const QByteArray kQuotedPrintable = "QUOTED-PRINTABLE";

bool SameWord(const QByteArray &a, const QByteArray &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool IsQuotedPrintable(const ContentLine &line)
{
    return line.HasParam("ENCODING=" + kQuotedPrintable) || line.HasParam(kQuotedPrintable);
}

// Parameters that say how the value is written; they are rewritten with it.
bool IsEncodingParam(const QByteArray &param)
{
    const QByteArray upper = param.toUpper();
    return upper.startsWith("CHARSET=") || upper.startsWith("ENCODING=") || upper == kQuotedPrintable ||
           upper == "8BIT";
}

bool IsNameChar(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

std::optional<ContentLine> ParseLine(const QByteArray &text)
{
    const qsizetype colon = text.indexOf(':');
    if (colon <= 0)
        return std::nullopt;
    ContentLine line;
    line.head = text.left(colon);
    line.value = text.mid(colon + 1);
    QList<QByteArray> parts = line.head.split(';');
    QByteArray name = parts.takeFirst().trimmed();
    name = name.mid(name.lastIndexOf('.') + 1);
    if (name.isEmpty() || !std::all_of(name.begin(), name.end(), IsNameChar))
        return std::nullopt;
    line.name = name.toUpper();
    for (const QByteArray &param : parts)
        line.params.append(param.trimmed());
    return line;
}

bool LooksQuotedPrintable(const QByteArray &text)
{
    const qsizetype colon = text.indexOf(':');
    return colon > 0 && text.left(colon).toUpper().contains(kQuotedPrintable);
}

// Physical lines joined into logical ones: folding (a line that starts with
// a blank continues the one before) and quoted-printable soft breaks.
QList<QByteArray> LogicalLines(const QByteArray &bytes)
{
    QByteArray normalised = bytes;
    normalised.replace("\r\n", "\n").replace('\r', '\n');
    QList<QByteArray> lines;
    bool softBreak = false;
    for (const QByteArray &physical : normalised.split('\n')) {
        if (softBreak) {
            lines.last() += physical;
        } else if (!lines.isEmpty() && !physical.isEmpty() && (physical.front() == ' ' || physical.front() == '\t')) {
            lines.last() += physical.mid(1);
        } else {
            lines.append(physical);
        }
        softBreak = LooksQuotedPrintable(lines.last()) && lines.last().endsWith('=');
        if (softBreak)
            lines.last().chop(1);
    }
    lines.removeIf([](const QByteArray &line) { return line.trimmed().isEmpty(); });
    return lines;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// "=XX" escapes decoded; a broken escape is taken as it stands.
QByteArray DecodeQuotedPrintable(const QByteArray &text)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int high = i + 2 < text.size() ? HexDigit(text.at(i + 1)) : -1;
        const int low = i + 2 < text.size() ? HexDigit(text.at(i + 2)) : -1;
        if (text.at(i) == '=' && high >= 0 && low >= 0) {
            bytes.append(char(high * 16 + low));
            i += 2;
        } else {
            bytes.append(text.at(i));
        }
    }
    return bytes;
}

QByteArray EncodeQuotedPrintable(const QByteArray &bytes)
{
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x21 && byte <= 0x7e && c != '=') {
            text.append(c);
        } else {
            text.append('=').append(kHex[byte >> 4]).append(kHex[byte & 0xf]);
        }
    }
    return text;
}

// 8-bit text in the line's character set; without one, UTF-8 when the bytes
// are UTF-8, else Latin-1 (what older phones write). Another character set
// the system knows (ISO-8859-2, windows-1252, as address books write them) is
// decoded as such; an unknown one as Latin-1.
QString DecodeText(const QByteArray &bytes, const QByteArray &charset)
{
    const QByteArray name = charset.toUpper();
    if (name == "UTF-8" || name.isEmpty()) {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = decoder.decode(bytes);
        return !decoder.hasError() || !name.isEmpty() ? text : QString::fromLatin1(bytes);
    }
    QStringDecoder named(name.constData(), QStringDecoder::Flag::Stateless);
    return named.isValid() ? QString(named.decode(bytes)) : QString::fromLatin1(bytes);
}

QByteArray CharsetOf(const ContentLine &line)
{
    for (const QByteArray &param : line.params) {
        if (param.toUpper().startsWith("CHARSET="))
            return param.mid(8);
    }
    return {};
}

// The character an escape stands for: "\\n" is a line break, any other
// escaped character stands for itself.
char Unescaped(char c)
{
    return c == 'n' || c == 'N' ? '\n' : c;
}

QString EscapedFully(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char(','), QLatin1String("\\,"));
    text.replace(QLatin1Char(';'), QLatin1String("\\;"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

bool HasFullEscapes(const QList<ContentLine> &lines)
{
    const auto version = std::find_if(lines.begin(), lines.end(), Named("VERSION"));
    if (version == lines.end())
        return false;
    const QByteArray number = version->value.trimmed();
    return number == "3.0" || number == "4.0";
}

bool IsPlainAscii(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
}

} // namespace

bool ContentLine::HasParam(const QByteArray &param) const
{
    for (const QByteArray &given : params) {
        if (SameWord(given, param))
            return true;
        if (given.toUpper().startsWith("TYPE=")) {
            // 4.0 may quote the list: TYPE="work,voice".
            for (const QByteArray &type : QByteArray(given.mid(5)).replace('"', "").split(',')) {
                if (SameWord(type.trimmed(), param))
                    return true;
            }
        }
    }
    return false;
}

std::optional<CContentObject> CContentObject::Parse(const QByteArray &bytes, const QByteArray &kind,
                                                    const QByteArray &body)
{
    if (bytes.size() > kMaxBytes)
        return std::nullopt;
    CContentObject object;
    QList<QByteArray> blocks;
    bool ended = false;
    for (const QByteArray &text : LogicalLines(bytes)) {
        const std::optional<ContentLine> line = ParseLine(text);
        if (!line || ended)
            return std::nullopt;
        const QByteArray block = line->value.trimmed().toUpper();
        const int index = int(object.m_lines.size());
        if (blocks.isEmpty() && (line->name != "BEGIN" || block != kind))
            return std::nullopt;
        if (line->name == "BEGIN") {
            if (blocks.size() >= kMaxDepth)
                return std::nullopt;
            blocks.append(block);
            if (blocks.size() == (body.isEmpty() ? 1 : 2) && block == (body.isEmpty() ? kind : body) &&
                object.m_bodyEnd == 0)
                object.m_bodyFirst = index + 1;
        } else if (line->name == "END") {
            if (blocks.takeLast() != block)
                return std::nullopt;
            if (object.m_bodyFirst > 0 && object.m_bodyEnd == 0 && blocks.size() == (body.isEmpty() ? 0 : 1))
                object.m_bodyEnd = index;
            ended = blocks.isEmpty();
        }
        object.m_lines.append(*line);
    }
    if (!ended || object.m_bodyEnd == 0)
        return std::nullopt;
    object.m_fullEscapes = HasFullEscapes(object.m_lines);
    return object;
}

CContentObject CContentObject::Empty(const QByteArray &kind, const QByteArray &version, const QByteArray &body)
{
    QByteArray text = "BEGIN:" + kind + "\r\nVERSION:" + version + "\r\n";
    if (!body.isEmpty())
        text += "BEGIN:" + body + "\r\nEND:" + body + "\r\n";
    return *Parse(text + "END:" + kind + "\r\n", kind, body);
}

QByteArray CContentObject::Serialise() const
{
    QByteArray text;
    for (const ContentLine &line : m_lines) {
        if (!line.removed)
            text += line.head + ':' + line.value + "\r\n";
    }
    return text;
}

int CContentObject::Find(const std::function<bool(const ContentLine &)> &test, int occurrence) const
{
    for (int index = m_bodyFirst; index < m_bodyEnd; ++index) {
        if (test(m_lines.at(index)) && occurrence-- == 0)
            return index;
    }
    return -1;
}

QStringList CContentObject::Components(int index) const
{
    const ContentLine &line = m_lines.at(index);
    const QByteArray bytes = IsQuotedPrintable(line) ? DecodeQuotedPrintable(line.value) : line.value;
    const QByteArray charset = CharsetOf(line);
    QStringList components;
    QByteArray current;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes.at(i) == '\\' && i + 1 < bytes.size() && (m_fullEscapes || bytes.at(i + 1) == ';')) {
            current.append(Unescaped(bytes.at(++i)));
        } else if (bytes.at(i) == ';') {
            components.append(DecodeText(current, charset));
            current.clear();
        } else {
            current.append(bytes.at(i));
        }
    }
    components.append(DecodeText(current, charset));
    return components;
}

void CContentObject::Set(int index, const QByteArray &newHead, const QStringList &components)
{
    if (index < 0) {
        index = m_bodyEnd++;
        m_lines.insert(index, *ParseLine(newHead + ':'));
    }
    ContentLine &line = m_lines[index];
    QStringList escaped;
    for (const QString &component : components)
        escaped.append(m_fullEscapes ? EscapedFully(component)
                                     : QString(component).replace(QLatin1Char(';'), QLatin1String("\\;")));
    const QString joined = escaped.join(QLatin1Char(';'));
    QList<QByteArray> headParts = line.head.split(';');
    headParts.removeIf(IsEncodingParam);
    line.params.removeIf(IsEncodingParam);
    if (m_fullEscapes) {
        line.value = joined.toUtf8();
    } else if (IsPlainAscii(joined)) {
        line.value = joined.toLatin1();
    } else {
        line.value = EncodeQuotedPrintable(joined.toUtf8());
        for (const QByteArray &param : {QByteArray("CHARSET=UTF-8"), "ENCODING=" + kQuotedPrintable}) {
            headParts.append(param);
            line.params.append(param);
        }
    }
    line.head = headParts.join(';');
}

std::function<bool(const ContentLine &)> Named(const QByteArray &name)
{
    return [name](const ContentLine &line) { return line.name == name; };
}

} // namespace orrin::phone
