// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The settings file as the file system finds it: other windows saving, things other than a file
// at its path, leftover locks, links, and files far larger than the game ever writes.
#include "Options.h"
#include "ScoreTables.h"
#include "Settings.h"
#include "SettingsFixture.h"

#include <QElapsedTimer>
#include <QtTest>

#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace brimbal;

namespace {

// Longer than any save or start may take. Today's faults take for ever, so each test that could
// hang has a helper that ends the hang after this time, and the test then fails on the clock.
constexpr int KBoundMs = 2500;

// The names filed in a mode's table, best first.
QStringList Names(const TScoreTables& highscore, int mode) {
    QStringList names;
    for (int rank = 1; rank <= 10; ++rank) {
        const TScoreEntry entry = highscore.GetScore(mode, rank);
        if (entry.Points > 0) {
            names << entry.Name;
        }
    }
    return names;
}

QStringList StoredNames(int mode) {
    TScoreTables highscore;
    highscore.Init();
    TOptions options;
    TSettingsStore().Load(options, highscore);
    return Names(highscore, mode);
}

// One window of the game: its table and its view of the store.
struct TWindow {
    TWindow() {
        Highscore.Init();
        Store.Load(Options, Highscore);
    }
    bool File(const QString& name, int points) {
        Highscore.Add(1, {name, "d", points, 2});
        return Store.Save(Options, Highscore);
    }
    TScoreTables Highscore;
    TOptions Options;
    TSettingsStore Store;
};

// Runs an action on another thread after the bound, should the test still be waiting then.
class TRescue {
public:
    explicit TRescue(std::function<void()> action)
        : Thread([this, action = std::move(action)] {
              QDeadlineTimer deadline(KBoundMs + 1000);
              while (!Done && !deadline.hasExpired()) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(10));
              }
              if (!Done) {
                  action();
              }
          }) {}
    ~TRescue() {
        Done = true;
        Thread.join();
    }

private:
    std::atomic<bool> Done{false};
    std::thread Thread;
};

bool IsRoot() {
    return ::geteuid() == 0;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void twoWindows_data();
    void twoWindows();
    void notAFile_data();
    void notAFile();
    void leftoverLock_data();
    void leftoverLock();
    void links_data();
    void links();
    void junkBeforeEntries();
};

void TestSettingsFile::twoWindows_data() {
    QTest::addColumn<bool>("firstSavesLast");
    QTest::newRow("the first window closes first") << false;
    QTest::newRow("the first window closes last") << true;
}

// Two windows started on the same file each file a score; whichever saves last, the file keeps
// both, each once, and so does every later save.
void TestSettingsFile::twoWindows() {
    QFETCH(bool, firstSavesLast);
    TSettingsDir dir;
    QVERIFY(dir.Write("[Highscore]\nM001S001N=Alt\nM001S001D=d\nM001S001P=50\nM001S001M=2\n"));
    TWindow first;
    TWindow second;
    QVERIFY(first.File("Ann", 70));
    QVERIFY(second.File("Bob", 60));
    if (firstSavesLast) {
        QVERIFY(first.Store.Save(first.Options, first.Highscore));
    }
    const QStringList both{"Ann", "Bob", "Alt"};
    QCOMPARE(StoredNames(1), both);
    QCOMPARE(Names(firstSavesLast ? first.Highscore : second.Highscore, 1), both);
    // Saving again changes nothing, and the other window takes in what it missed.
    QVERIFY(second.Store.Save(second.Options, second.Highscore));
    QVERIFY(first.Store.Save(first.Options, first.Highscore));
    QCOMPARE(Names(first.Highscore, 1), both);
    QCOMPARE(StoredNames(1), both);
}

void TestSettingsFile::notAFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << "fifo";
    QTest::newRow("folder") << "folder";
}

// Something other than a file at the path: the game starts at once with the defaults, tells
// why, and never writes into it.
void TestSettingsFile::notAFile() {
    QFETCH(QString, kind);
    TSettingsDir dir;
    QVERIFY(QDir().mkpath(dir.Path() + "/Zelkor"));
    const QByteArray path = QFile::encodeName(dir.FileName());
    if (kind == "fifo") {
        QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    } else {
        QVERIFY(QDir().mkdir(dir.FileName()));
    }
    // A reader that waits for a writer to the FIFO is released late, to fail on the clock.
    TRescue rescue([&] {
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            ::close(fd);
        }
    });
    QElapsedTimer clock;
    clock.start();
    TScoreTables highscore;
    highscore.Init();
    highscore.Add(1, {"Ann", "d", 70, 6});
    TOptions options;
    TSettingsStore store;
    QVERIFY(!store.Load(options, highscore));
    QVERIFY(!store.Problem().isEmpty());
    QCOMPARE(store.Where(), dir.FileName());
    QVERIFY(Names(highscore, 1).isEmpty());
    highscore.Add(1, {"Ann", "d", 70, 6});
    QVERIFY(!store.Save(options, highscore));
    QVERIFY(clock.elapsed() < KBoundMs);
    struct stat info = {};
    QCOMPARE(::lstat(path.constData(), &info), 0);
    QCOMPARE(S_ISFIFO(info.st_mode), kind == "fifo");
    QCOMPARE(S_ISDIR(info.st_mode), kind == "folder");
}

void TestSettingsFile::leftoverLock_data() {
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QString>("reason"); // what the problem says, distinct for each
    QTest::newRow("folder") << "folder" << false << "ist ein Ordner";
    QTest::newRow("link to nothing") << "dangling" << false << "ist ein Verweis ins Leere";
    QTest::newRow("a file that is no lock") << "junk" << false << "ist keine Sperrdatei";
    QTest::newRow("of another machine") << "other host" << false << "ist belegt";
    QTest::newRow("of a process that has ended") << "ended" << true << "";
}

// A lock that is not let go in time fails the save within the bound; one left by a process of
// this machine that has ended is taken over.
void TestSettingsFile::leftoverLock() {
    QFETCH(QString, lock);
    QFETCH(bool, saved);
    QFETCH(QString, reason);
    TSettingsDir dir;
    QVERIFY(QDir().mkpath(dir.Path() + "/Zelkor"));
    const QString lockPath = dir.FileName() + ".lock";
    if (lock == "folder") {
        QVERIFY(QDir().mkdir(lockPath));
    } else if (lock == "dangling") {
        QVERIFY(QFile::link(dir.Path() + "/nowhere", lockPath));
    } else if (lock == "junk") {
        QFile file(lockPath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("kein Schloss\n") > 0);
    } else {
        // QLockFile's contents: process id, program name, host name.
        QFile file(lockPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lock == "ended"
                       ? "999999999\nbrimbal\n" + QSysInfo::machineHostName().toUtf8() + "\n"
                       : "4242\nbrimbal\nanderer-rechner\n");
        file.close();
    }
    TRescue rescue([&] { QDir().rmdir(lockPath) || QFile::remove(lockPath); });
    QElapsedTimer clock;
    clock.start();
    TWindow window;
    QCOMPARE(window.File("Ann", 70), saved);
    QVERIFY(clock.elapsed() < KBoundMs);
    QCOMPARE(StoredNames(1), saved ? QStringList{"Ann"} : QStringList());
    if (!saved) {
        QVERIFY(window.Store.Problem().contains(lockPath));
        QVERIFY2(window.Store.Problem().contains(reason), qPrintable(window.Store.Problem()));
    }
}

void TestSettingsFile::links_data() {
    QTest::addColumn<bool>("foreignLink");   // the link belongs to another user
    QTest::addColumn<bool>("foreignFolder"); // the folder that holds it does
    QTest::addColumn<bool>("dangling");      // the file it names does not exist yet
    QTest::newRow("own link") << false << false << false;
    QTest::newRow("own link to a file not yet made") << false << false << true;
    QTest::newRow("another user's link") << true << false << false;
    QTest::newRow("another user's link to a file not yet made") << true << false << true;
    QTest::newRow("a link in another user's folder") << false << true << false;
}

// A link of the user's own is followed, and stays a link. Through another user's link, or a
// link in another user's folder, nothing is written and no file is made.
void TestSettingsFile::links() {
    QFETCH(bool, foreignLink);
    QFETCH(bool, foreignFolder);
    QFETCH(bool, dangling);
    if ((foreignLink || foreignFolder) && !IsRoot()) {
        QSKIP("giving a file to another user needs root");
    }
    TSettingsDir dir;
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath("kept.conf");
    const QByteArray before = "[General]\nModus=2\n";
    if (!dangling) {
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    const QString folder = dir.Path() + "/Zelkor";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::link(target, dir.FileName()));
    const uid_t nobody = 65534;
    if (foreignLink) {
        QCOMPARE(::lchown(QFile::encodeName(dir.FileName()).constData(), nobody, nobody), 0);
    }
    if (foreignFolder) {
        QCOMPARE(::chown(QFile::encodeName(folder).constData(), nobody, nobody), 0);
    }

    TWindow window;
    QCOMPARE(window.Options.Modus, dangling ? 1 : 2); // reading follows any link
    const bool followed = !foreignLink && !foreignFolder;
    QCOMPARE(window.File("Ann", 70), followed);
    QVERIFY(QFileInfo(dir.FileName()).isSymLink());
    QFile file(target);
    if (followed) {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("M001S001N=Ann\n"));
        QCOMPARE(StoredNames(1), QStringList{"Ann"});
    } else {
        QVERIFY(window.Store.Problem().contains("anderen Benutzer"));
        QCOMPARE(file.exists(), !dangling);
        if (!dangling) {
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), before);
        }
    }
}

// Valid entries after 50 MB of junk are read, and kept by the next save.
void TestSettingsFile::junkBeforeEntries() {
    TSettingsDir dir;
    QVERIFY(dir.Write(""));
    {
        QFile file(dir.FileName());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray junk;
        for (int i = 0; junk.size() < 1024 * 1024; ++i) {
            junk += "[Schrott]\nM001S001N=Falsch\nx" + QByteArray::number(i) + "=\"unsinn\n";
        }
        for (int i = 0; i < 50; ++i) {
            QVERIFY(file.write(junk) == junk.size());
        }
        file.write("[Highscore]\nM001S001N=Ann\nM001S001D=d\nM001S001P=70\nM001S001M=6\n"
                   "[General]\nModus=2\n");
    }
    TWindow window;
    QCOMPARE(window.Options.Modus, 2);
    QCOMPARE(Names(window.Highscore, 1), QStringList{"Ann"});
    QVERIFY(window.File("Bob", 60));
    QCOMPARE(StoredNames(1), (QStringList{"Ann", "Bob"}));
    QVERIFY(dir.Content().size() < 4096); // the junk is gone
}

QTEST_MAIN(TestSettingsFile)
#include "tst_settings_file.moc"
