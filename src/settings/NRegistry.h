// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "ConfFormat.h"
#include "SettingsFolder.h"

#include <QString>

#include <cstdint>
#include <memory>

namespace brimbal {

class TSettingsFile;

// The per-user settings store of the program: the registry key or the file of SettingsFolder.h.
// It reads the values that the filter keeps when it is made and holds them; writes change what
// it holds until Flush stores all of it at once. Reads fall back to a default when a value is
// missing or is not of the type asked for.
class TNRegistry {
public:
    enum class EAccess {
        Read,
        // Takes the store's lock first, so that nothing else writes between the reading and
        // Flush; other windows of the game may have written since this one last read.
        Write,
    };
    // How long a writer waits for a lock that another holds.
    static constexpr int KLockTimeoutMs = 1000;

    TNRegistry(EAccess access, TConfFilter filter);
    ~TNRegistry();
    TNRegistry(const TNRegistry&) = delete;
    TNRegistry& operator=(const TNRegistry&) = delete;

    // False when the store could not be read (or, for writing, locked): the values are then
    // missing, and Flush refuses to write over what it could not read.
    bool Opened() const { return FOpened; }
    // Where the values live, and why the last step failed, for messages.
    QString Location() const;
    const QString& Problem() const { return FProblem; }

    // Later reads and writes go to the subkey of that name ("Highscore"); CloseSubKey goes back.
    void OpenSubKey(const QString& name);
    void CloseSubKey();

    // A 32-bit integer; text that is no decimal number in that range counts as missing.
    std::int32_t ReadIntegerDef(const QString& name, std::int32_t def) const;
    // Stored as the integer 1 or 0; any other integer counts as on, and so does "true" in any
    // case ("false" is off).
    bool ReadBoolDef(const QString& name, bool def) const;
    QString ReadStringDef(const QString& name, const QString& def) const;

    void WriteInteger(const QString& name, std::int32_t value);
    void WriteBool(const QString& name, bool value);
    void WriteString(const QString& name, const QString& value);
    // What ReadStringDef gives back for a text that WriteString stored.
    static QString StoredString(const QString& value);

    // Stores every value; false when the store refused it, and what it held stays as it was.
    bool Flush();

private:
    QString Key(const QString& name) const;

    TConfValues Values;
    QString SubKey;
    bool FOpened = false;
    QString FProblem;
#ifndef Q_OS_WIN
    std::unique_ptr<TSettingsFile> File;
#endif
};

} // namespace brimbal
