// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace brimbal {

// Points the settings store at a fresh temporary directory for as long as it lives.
class TSettingsDir {
public:
    TSettingsDir() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Dir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Dir.path());
    }
    QString Path() const { return Dir.path(); }
    QString FileName() const { return Dir.filePath("Zelkor/Brimbal.conf"); }
    bool Exists() const { return QFile::exists(FileName()); }
    QByteArray Content() const {
        QFile file(FileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    bool Write(const QByteArray& content) const {
        QDir().mkpath(Dir.filePath("Zelkor"));
        QFile file(FileName());
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(content) == content.size();
    }

private:
    QTemporaryDir Dir;
};

} // namespace brimbal
