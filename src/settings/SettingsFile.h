// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "ConfFormat.h"

#include <QString>

#include <memory>

class QLockFile;

namespace brimbal {

// The settings file where there is no registry (see NRegistry.h). Nothing here can
// block for long, whatever lies at the path: the file is opened only when it is a regular file
// (or a link to one), without waiting; the lock beside it is taken with a time limit; a write
// goes to a temporary file that replaces the old one whole. A symbolic link is followed only
// when it and the folder that holds it belong to the user running the game.
class TSettingsFile {
public:
    // The file of this user: in $XDG_CONFIG_HOME, or ~/.config when that is not set.
    TSettingsFile();
    explicit TSettingsFile(QString path);
    ~TSettingsFile();
    TSettingsFile(const TSettingsFile&) = delete;
    TSettingsFile& operator=(const TSettingsFile&) = delete;

    const QString& Path() const { return FPath; }
    // Why the last Read, Lock or Write failed, in the system's words where it has some.
    const QString& Problem() const { return FProblem; }

    // Reads the values that the filter keeps. A missing file reads as empty. False when there is
    // something at the path that cannot be read: not a regular file, no permission, a read error.
    bool Read(TConfFilter filter, TConfValues& values);
    // Takes the lock beside the file, creating the folder if need be; false when that cannot be
    // done within the time (a lock left by another machine or that is no file, a folder that
    // cannot be written). A lock left by a process of this machine that has ended is taken over.
    bool Lock(int timeoutMs);
    void Unlock();
    // Replaces the file with the values; the old file stays whole when this fails.
    bool Write(const TConfValues& values);

private:
    bool Fail(const QString& problem);
    // Where a write must go: the path itself, or the target of a link that may be followed.
    bool WriteTarget(QString& target);

    QString FPath;
    QString FProblem;
    std::unique_ptr<QLockFile> LockFile;
};

} // namespace brimbal
