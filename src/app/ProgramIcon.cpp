// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "ProgramIcon.h"

#include <QDir>

namespace brimbal {

QIcon ProgramIcon() {
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList(QDir::Files)) {
        icon.addFile(icons.filePath(file));
    }
    return icon;
}

} // namespace brimbal
