// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "VersionSource.h"

namespace brimbal {

// The version data that the build generated from the project's name and version and compiled
// into the program (on Windows the same strings are also the program file's VERSIONINFO).
class TBuiltInVersion : public IVersionSource {
public:
    // The one block of the string table, "040704E4" (German, Windows-1252).
    static QString Block();

    bool HasVersionData() const override;
    std::optional<QString> Query(const QString& block, const QString& field) const override;
};

} // namespace brimbal
