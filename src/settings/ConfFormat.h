// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QMap>
#include <QString>
#include <QVariant>

namespace brimbal {

// The values of the settings file by name (texts as read, numbers or texts as written): "Modus" for
// the values of the main key, and "Highscore/M001S001N" for those of a subkey.
using TConfValues = QMap<QString, QVariant>;

// Which values of the file are kept, by section ("General" outside any named section) and name.
using TConfFilter = bool (*)(QByteArrayView section, QByteArrayView key);

// Reads the settings file where there is no registry: an INI file, "[General]" for the values of
// the key and one section for each subkey ("[Highscore]"). The text is fed in pieces of any size
// and read line by line, so that a broken line (junk, binary bytes, an unterminated quote or
// section name) costs only itself, and only the values that the filter asks for are kept: time
// grows with the file's size, memory does not. A line longer than KMaxLine bytes is skipped. A
// byte order mark at the very start of the file is skipped; anywhere else it is read as it is.
// Every value is handed back as text; nothing in the file is ever turned into an object.
//
// What WriteConf writes, the reader reads back identically. A character may take up to six bytes
// when written ("\x0007" for a control character read from a single byte), so a value whose
// written line would be longer than KMaxLine is shortened once, as it is read, to the longest
// start whose written line fits: the next save writes that line, and the next read gives it back.
class TConfReader {
public:
    static constexpr qsizetype KMaxLine = 1024 * 1024;

    TConfReader(TConfFilter filter, TConfValues& values);

    void Feed(QByteArrayView text);
    // Reads the last line, which may lack its line break.
    void Finish();

private:
    void ReadLine(QByteArrayView line);

    TConfFilter Filter;
    TConfValues& Values;
    bool FirstLine = true;
    QByteArray Section;
    QByteArray Pending; // the start of a line that the next piece continues
    bool Skipping = false;
};

// What reading gives back for a value written as this text. Every text is written so that this
// is the text itself; a window compares what it wrote by this, never by what it meant to write.
QString StoredText(const QString& text);

// The file's text for the values, written as QSettings writes INI files: "[General]" first, then
// one section per subkey, names in sorted order.
QByteArray WriteConf(const TConfValues& values);

} // namespace brimbal
