// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "ConfFormat.h"

#include <QStringList>

#include <string_view>

namespace brimbal {

namespace {

constexpr char KGeneral[] = "General";

// The escapes that stand for a control character: the letter after the backslash, and the
// character at the same place.
constexpr std::string_view KEscapeLetters = "nrtabfv0";
constexpr std::string_view KEscapedControls("\n\r\t\a\b\f\v\0", 8);

int HexValue(QChar c) {
    if (c >= '0' && c <= '9') {
        return c.unicode() - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c.unicode() - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c.unicode() - 'A' + 10;
    }
    return -1;
}

// The text of a value as written after "=": escapes resolved, quotes removed. A quote left
// open runs to the end of the line. False for values that stand for something other than text
// ("@Invalid()", "@ByteArray(...)" and the like).
bool UnescapeValue(const QString& raw, QString& text) {
    text.clear();
    bool quoted = false;
    qsizetype keep = 0; // text up to here came from quotes and keeps its blanks
    const qsizetype length = raw.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = raw[i];
        if (c == '"') {
            quoted = !quoted;
            keep = text.size();
            continue;
        }
        if (c == '\\' && i + 1 < length) {
            const QChar next = raw[++i];
            const std::size_t control = next.unicode() < 0x80
                                            ? KEscapeLetters.find(char(next.unicode()))
                                            : std::string_view::npos;
            if (control != std::string_view::npos) {
                text += QChar(KEscapedControls[control]);
            } else if (next == 'x') {
                int value = 0;
                int digits = 0;
                while (digits < 4 && i + 1 < length && HexValue(raw[i + 1]) >= 0) {
                    value = value * 16 + HexValue(raw[++i]);
                    ++digits;
                }
                text += digits > 0 ? QChar(char16_t(value)) : QChar('x');
            } else {
                text += next;
            }
            if (quoted) {
                keep = text.size();
            }
            continue;
        }
        if (!quoted && (c == ';' || c == '#')) {
            break; // a comment after the value
        }
        text += c;
        if (quoted) {
            keep = text.size();
        }
    }
    // Blanks before a comment are no part of the value.
    while (text.size() > keep && text.back().isSpace()) {
        text.chop(1);
    }
    if (text.startsWith('@')) {
        if (!text.startsWith(QStringLiteral("@@"))) {
            return false;
        }
        text.remove(0, 1);
    }
    return true;
}

// The text of a value as it stands after "=" in the file's bytes.
bool DecodeValue(QByteArrayView raw, QString& text) {
    return UnescapeValue(QString::fromUtf8(raw).trimmed(), text);
}

QString EscapeValue(const QString& text);

// The value as the reader keeps it: shortened, when its written line "key=value" would exceed the
// reader's limit, to the longest start (whole characters) whose written line fits.
QString FitToLine(QString text, qsizetype keyBytes) {
    const qsizetype room = TConfReader::KMaxLine - keyBytes - 1;
    // A character is written in at most six bytes, two quotes and a doubled "@" besides.
    if (text.size() * 6 + 3 <= room || EscapeValue(text).toUtf8().size() <= room) {
        return text;
    }
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = fits + (tooLong - fits) / 2;
        if (EscapeValue(text.left(middle)).toUtf8().size() <= room) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate() && text[fits].isLowSurrogate()) {
        --fits; // never half of a character
    }
    text.truncate(fits);
    return text;
}

QString EscapeValue(const QString& text) {
    QString result;
    bool needsQuotes = text != text.trimmed();
    if (text.startsWith('@')) {
        result += '@'; // a leading "@" is doubled: a single one marks values that are not text
    }
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < length && text[i + 1].isLowSurrogate()) {
            result += c; // a pair stands for one character, which UTF-8 holds
            result += text[++i];
            continue;
        }
        switch (c.unicode()) {
        case '\\':
            result += QStringLiteral("\\\\");
            break;
        case '"':
            result += QStringLiteral("\\\"");
            break;
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        case 0:
            result += QStringLiteral("\\0");
            break;
        case ';':
        case ',':
        case '#':
        case '=':
            needsQuotes = true;
            result += c;
            break;
        default:
            // Escaped as well: a lone half of a surrogate pair, which UTF-8 cannot hold, and
            // the byte order mark, which the UTF-8 decoder drops at the start of a value.
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSurrogate() ||
                c.unicode() == 0xFEFF) {
                result += QStringLiteral("\\x%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            } else {
                result += c;
            }
        }
    }
    if (needsQuotes) {
        result = '"' + result + '"';
    }
    return result;
}

} // namespace

TConfReader::TConfReader(TConfFilter filter, TConfValues& values)
    : Filter(filter), Values(values), Section(KGeneral) {}

void TConfReader::Feed(QByteArrayView text) {
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf('\n');
        const QByteArrayView part = end < 0 ? text : text.first(end);
        if (!Skipping) {
            if (Pending.size() + part.size() > KMaxLine) {
                Skipping = true;
                Pending.clear();
            } else if (end >= 0 && Pending.isEmpty()) {
                ReadLine(part); // a whole line in this piece: no copy
            } else {
                Pending.append(part);
                if (end >= 0) {
                    ReadLine(Pending);
                    Pending.clear();
                }
            }
        }
        if (end < 0) {
            return;
        }
        Skipping = false;
        FirstLine = false;
        text = text.sliced(end + 1);
    }
}

void TConfReader::Finish() {
    if (!Skipping && !Pending.isEmpty()) {
        ReadLine(Pending);
    }
    Pending.clear();
    Skipping = false;
}

void TConfReader::ReadLine(QByteArrayView line) {
    if (FirstLine && line.startsWith("\xEF\xBB\xBF")) {
        line = line.sliced(3); // the byte order mark of an editor's "UTF-8 with BOM"
    }
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(';') || line.startsWith('#')) {
        return;
    }
    if (line.startsWith('[')) {
        // A section name that is never closed is junk like any other line the reader does not
        // understand: the section stays, and so do the entries after it.
        if (const qsizetype end = line.indexOf(']'); end > 0) {
            Section = line.sliced(1, end - 1).trimmed().toByteArray();
        }
        return;
    }
    const qsizetype equals = line.indexOf('=');
    if (equals <= 0) {
        return; // junk
    }
    const QByteArrayView key = line.first(equals).trimmed();
    if (key.isEmpty() || !Filter(Section, key)) {
        return;
    }
    QString text;
    if (!DecodeValue(line.sliced(equals + 1), text)) {
        return;
    }
    const QString name = QString::fromUtf8(key);
    Values.insert(Section == KGeneral ? name : QString::fromUtf8(Section) + '/' + name,
                  FitToLine(std::move(text), name.toUtf8().size()));
}

QString StoredText(const QString& text) {
    QString read;
    return DecodeValue(EscapeValue(text).toUtf8(), read) ? read : QString();
}

QByteArray WriteConf(const TConfValues& values) {
    QMap<QString, QStringList> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf('/');
        const QString section = slash < 0 ? QString::fromLatin1(KGeneral) : it.key().left(slash);
        const QString key = slash < 0 ? it.key() : it.key().mid(slash + 1);
        sections[section] << key + '=' + EscapeValue(it.value().toString());
    }
    QString text;
    auto writeSection = [&](const QString& name) {
        if (!text.isEmpty()) {
            text += '\n';
        }
        text += '[' + name + "]\n" + sections.value(name).join('\n') + '\n';
    };
    const QString general = QString::fromLatin1(KGeneral);
    if (sections.contains(general)) {
        writeSection(general);
    }
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (it.key() != general) {
            writeSection(it.key());
        }
    }
    return text.toUtf8();
}

} // namespace brimbal
