// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QString>

#include <optional>

namespace brimbal {

// The version data that the program carries about itself: string tables, one block per language
// and code page ("040704E4" for German in Windows-1252), each with named fields.
class IVersionSource {
public:
    virtual ~IVersionSource() = default;
    // False when there is no version data at all, or it cannot be read.
    virtual bool HasVersionData() const = 0;
    // The text of one field of one block; nothing when the block or the field is missing.
    virtual std::optional<QString> Query(const QString& block, const QString& field) const = 0;
};

} // namespace brimbal
