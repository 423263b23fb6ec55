// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "SettingsFile.h"

#include "SettingsFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brimbal {

namespace {

QString SystemText(int error) {
    return qt_error_string(error);
}

// The context of the reasons why the file cannot be read or written.
class Words {
    Q_DECLARE_TR_FUNCTIONS(SettingsFile)
};

QString NotAFile() {
    return Words::tr("Keine gewöhnliche Datei");
}

QString ForeignLink() {
    return Words::tr("Ein symbolischer Verweis, der einem anderen Benutzer gehört oder in "
                     "dessen Ordner liegt");
}

QByteArray FolderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// A link that may be followed: it and the folder that holds it belong to the user.
bool OwnLink(const QByteArray& path, const struct stat& link) {
    struct stat holder = {};
    return link.st_uid == ::geteuid() && ::stat(FolderOf(path).constData(), &holder) == 0 &&
           holder.st_uid == ::geteuid();
}

// Creates a folder and those above it; false with errno set when that fails.
bool MakeFolder(const QByteArray& folder) {
    struct stat info = {};
    if (::stat(folder.constData(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) {
            return true;
        }
        errno = ENOTDIR;
        return false;
    }
    if (errno != ENOENT || (folder != "/" && !MakeFolder(FolderOf(folder)))) {
        return false;
    }
    return ::mkdir(folder.constData(), 0777) == 0 || errno == EEXIST;
}

// Why nothing can ever take the lock at this path; empty where there is nothing or a regular
// file (a lock, or a file that tryLock will judge).
QString NoLockAt(const QString& lockPath) {
    const QByteArray path = QFile::encodeName(lockPath);
    struct stat info = {};
    if (::lstat(path.constData(), &info) != 0) {
        return {};
    }
    if (S_ISLNK(info.st_mode) && ::stat(path.constData(), &info) != 0) {
        return Words::tr("Die Sperrdatei %1 ist ein Verweis ins Leere").arg(lockPath);
    }
    if (S_ISDIR(info.st_mode)) {
        return Words::tr("Die Sperrdatei %1 ist ein Ordner").arg(lockPath);
    }
    return S_ISREG(info.st_mode)
               ? QString()
               : Words::tr("Die Sperrdatei %1 ist keine gewöhnliche Datei").arg(lockPath);
}

class TFileDescriptor {
public:
    explicit TFileDescriptor(int fd) : Fd(fd) {}
    ~TFileDescriptor() {
        if (Fd >= 0) {
            ::close(Fd);
        }
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;
    int Fd;
};

} // namespace

TSettingsFile::TSettingsFile()
    : TSettingsFile(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + '/' +
                    KSettingsFolder + '/' + KSettingsName + ".conf") {}

TSettingsFile::TSettingsFile(QString path) : FPath(std::move(path)) {}

TSettingsFile::~TSettingsFile() = default;

bool TSettingsFile::Fail(const QString& problem) {
    FProblem = problem;
    return false;
}

bool TSettingsFile::Read(TConfFilter filter, TConfValues& values) {
    const QByteArray path = QFile::encodeName(FPath);
    struct stat info = {};
    if (::stat(path.constData(), &info) != 0) {
        // Nothing stored yet (a link to a file not yet made counts as that too).
        return errno == ENOENT || Fail(SystemText(errno));
    }
    if (!S_ISREG(info.st_mode)) {
        return Fail(NotAFile());
    }
    // Not blocking: should something other than a file have taken the file's place since the
    // test above, opening it must not wait for a writer.
    const TFileDescriptor file(
        ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Fd < 0) {
        return Fail(SystemText(errno));
    }
    if (::fstat(file.Fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return Fail(NotAFile());
    }
    TConfValues read;
    TConfReader reader(filter, read);
    QByteArray buffer(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(file.Fd, buffer.data(), size_t(buffer.size()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return Fail(SystemText(errno));
        }
        if (got == 0) {
            break;
        }
        reader.Feed(QByteArrayView(buffer.constData(), got));
    }
    reader.Finish();
    values.insert(read);
    return true;
}

bool TSettingsFile::Lock(int timeoutMs) {
    Unlock();
    if (!MakeFolder(QFile::encodeName(QFileInfo(FPath).absolutePath()))) {
        return Fail(SystemText(errno));
    }
    const QString lockPath = FPath + QStringLiteral(".lock");
    // Something at the lock's path that no program can hold is told at once, by what it is.
    if (const QString why = NoLockAt(lockPath); !why.isEmpty()) {
        return Fail(why);
    }
    LockFile = std::make_unique<QLockFile>(lockPath);
    if (LockFile->tryLock(timeoutMs)) {
        return true;
    }
    const QLockFile::LockError error = LockFile->error();
    const bool held = LockFile->getLockInfo(nullptr, nullptr, nullptr);
    LockFile.reset();
    switch (error) {
    case QLockFile::LockFailedError:
        return Fail(held ? Words::tr("Die Sperrdatei %1 ist belegt").arg(lockPath)
                         : Words::tr("Die Datei %1 ist keine Sperrdatei").arg(lockPath));
    case QLockFile::PermissionError:
        return Fail(SystemText(EACCES) + QStringLiteral(" (%1)").arg(lockPath));
    default:
        return Fail(Words::tr("Die Sperrdatei %1 lässt sich nicht anlegen").arg(lockPath));
    }
}

void TSettingsFile::Unlock() {
    LockFile.reset();
}

bool TSettingsFile::WriteTarget(QString& target) {
    const QByteArray path = QFile::encodeName(FPath);
    const QByteArray folder = FolderOf(path);
    struct stat info = {};
    // The folder may be a link as well, so long as it is one of the user's.
    if (::lstat(folder.constData(), &info) == 0 && S_ISLNK(info.st_mode) &&
        !OwnLink(folder, info)) {
        return Fail(ForeignLink());
    }
    if (::lstat(path.constData(), &info) != 0) {
        target = FPath;
        return errno == ENOENT || Fail(SystemText(errno));
    }
    if (S_ISREG(info.st_mode)) {
        target = FPath;
        return true;
    }
    if (!S_ISLNK(info.st_mode)) {
        return Fail(NotAFile());
    }
    if (!OwnLink(path, info)) {
        return Fail(ForeignLink());
    }
    // Write the file the link names, so the link stays a link.
    const QFileInfo link(FPath);
    if (::stat(path.constData(), &info) == 0) {
        target = link.canonicalFilePath();
        return S_ISREG(info.st_mode) || Fail(NotAFile());
    }
    if (errno != ENOENT) {
        return Fail(SystemText(errno));
    }
    // The link names a file not yet made: make it, unless that name is a link again.
    target = link.symLinkTarget();
    return ::lstat(QFile::encodeName(target).constData(), &info) != 0 || Fail(NotAFile());
}

bool TSettingsFile::Write(const TConfValues& values) {
    QString target;
    if (!WriteTarget(target)) {
        return false;
    }
    QSaveFile file(target);
    // Only ever replace the file whole: a folder that cannot take the temporary file is an error.
    file.setDirectWriteFallback(false);
    const QByteArray bytes = WriteConf(values);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return Fail(file.errorString());
    }
    return true;
}

} // namespace brimbal
