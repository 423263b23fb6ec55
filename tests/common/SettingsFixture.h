// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

namespace brimbal {

// Points the settings store at a fresh temporary directory for as long as it lives.
class TSettingsDir {
public:
    TSettingsDir() : Previous(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(Dir.path()));
    }
    ~TSettingsDir() { qputenv("XDG_CONFIG_HOME", Previous); }
    TSettingsDir(const TSettingsDir&) = delete;
    TSettingsDir& operator=(const TSettingsDir&) = delete;
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
    QByteArray Previous;
};

} // namespace brimbal
