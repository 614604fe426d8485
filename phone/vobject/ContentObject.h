// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// The line structure that vCard 2.1 and vCalendar 1.0 share: BEGIN / END
// blocks of "NAME;PARAM;PARAM:value" lines. Reads what phones write (folded
// lines, quoted-printable values with soft line breaks, CHARSET= parameters,
// bare 8-bit text) and keeps every line as it came, so that an object read
// and written back loses no property it does not understand.
//
// vCard 3.0 and 4.0 objects (their VERSION says so) escape backslash, comma,
// semicolon and line break in their values and carry 8-bit UTF-8 as it is;
// every other object keeps the older rules, where only a semicolon is escaped.
//
// Reading stays within the bytes given and refuses anything malformed: no
// BEGIN / END frame, unbalanced blocks, a line without a name, an object
// larger than any phone holds.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace orrin::phone {

struct ContentLine {
    QByteArray name;           // upper case, without a group prefix ("TEL")
    QList<QByteArray> params;  // as written ("HOME", "CHARSET=UTF-8")
    QByteArray head;           // the text before the colon, as written
    QByteArray value;          // raw, quoted-printable soft breaks joined
    bool removed = false;

    bool HasParam(const QByteArray &param) const;
};

class CContentObject {
public:
    // Larger than any object these phones hold.
    static constexpr int kMaxBytes = 32 * 1024;

    // The object whose outer block is kind ("VCARD"); its body is the first
    // block named body ("VEVENT"), or the outer block when body is empty.
    static std::optional<CContentObject> Parse(const QByteArray &bytes, const QByteArray &kind,
                                               const QByteArray &body = {});
    // An object with no properties: "BEGIN:kind", "VERSION:version", [body block], "END:kind".
    static CContentObject Empty(const QByteArray &kind, const QByteArray &version, const QByteArray &body = {});

    QByteArray Serialise() const;

    // The index of the occurrence-th body line that the test accepts; -1 for none.
    int Find(const std::function<bool(const ContentLine &)> &test, int occurrence = 0) const;
    const ContentLine &Line(int index) const { return m_lines.at(index); }

    // A line's value decoded (quoted-printable, character set) and split at
    // its unescaped semicolons, each component unescaped.
    QStringList Components(int index) const;
    QString Text(int index) const { return Components(index).join(QLatin1Char(';')); }

    // Gives the line new components; an index of -1 adds a line with the head
    // given at the end of the body. Texts outside printable ASCII are written
    // as quoted-printable UTF-8 (as UTF-8 in a 3.0 or 4.0 object).
    void Set(int index, const QByteArray &newHead, const QStringList &components);
    void Remove(int index) { m_lines[index].removed = true; }

private:
    QList<ContentLine> m_lines;
    int m_bodyFirst = 0;  // first line inside the body block
    int m_bodyEnd = 0;    // the body's END line
    bool m_fullEscapes = false;  // a 3.0 or 4.0 object
};

// Property tests.
std::function<bool(const ContentLine &)> Named(const QByteArray &name);

} // namespace orrin::phone
