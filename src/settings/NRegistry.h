// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>

namespace brimbal {

// The per-user settings store of the program: on Windows the registry key
// HKEY_CURRENT_USER\Software\Zelkor\Brimbal, elsewhere the file ~/.config/Zelkor/Brimbal.conf.
// Reads fall back to a default when a value is missing or is not of the type asked for.
class TNRegistry {
public:
    TNRegistry();
    TNRegistry(const TNRegistry&) = delete;
    TNRegistry& operator=(const TNRegistry&) = delete;

    // Later reads and writes go to the subkey of that name ("Highscore"), created when missing.
    void OpenSubKey(const QString& name);

    bool ValueExists(const QString& name) const;
    // A 32-bit integer; text that is no decimal number in that range counts as missing.
    std::int32_t ReadIntegerDef(const QString& name, std::int32_t def) const;
    // Stored as the integer 1 or 0; any other integer counts as on.
    bool ReadBoolDef(const QString& name, bool def) const;
    QString ReadStringDef(const QString& name, const QString& def) const;

    void WriteInteger(const QString& name, std::int32_t value);
    void WriteBool(const QString& name, bool value);
    void WriteString(const QString& name, const QString& value);

    // Writes what was changed to the store; false when the store refused it.
    bool Flush();
    // Where the values live, for messages.
    QString Location() const;

private:
    QSettings Settings;
};

} // namespace brimbal
