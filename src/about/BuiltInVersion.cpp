// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BuiltInVersion.h"

#include "VersionData.h"

namespace brimbal {

QString TBuiltInVersion::Block() {
    return QString::fromLatin1(versiondata::KBlock);
}

bool TBuiltInVersion::HasVersionData() const {
    return true;
}

std::optional<QString> TBuiltInVersion::Query(const QString& block, const QString& field) const {
    // Block and field names are matched exactly.
    if (block != QLatin1String(versiondata::KBlock)) {
        return std::nullopt;
    }
    for (const versiondata::TField& entry : versiondata::KFields) {
        if (field == QLatin1String(entry.Name)) {
            return QString::fromUtf8(entry.Value);
        }
    }
    return std::nullopt;
}

} // namespace brimbal
