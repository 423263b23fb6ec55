// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The real program, ended by a signal, still saves its options and high scores.
#include "BoardPicture.h"
#include "DEnterName.h"
#include "DHighscore.h"
#include "Main.h"
#include "ModalAnswer.h"
#include "Options.h"
#include "SettingsFixture.h"
#include "SignalCloser.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <iterator>

namespace {

// The lines of a settings file saved in full: the mode and the switches under [General], the
// four values of each entry of the five tables under [Highscore], the two headers and the blank
// line between the sections.
constexpr int KLinesOfAFullSave = 1 + int(std::size(brimbal::KSwitchOptions)) +
                                  brimbal::KModeCount * brimbal::KScoreRanks * 4 + 3;

// True once the process has a handler for the signal (the bit in SigCgt of /proc/PID/status).
bool Catches(qint64 pid, int signal) {
    QFile status(QString("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) {
        return false;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:")) {
            bool ok = false;
            const quint64 mask = line.mid(7).trimmed().toULongLong(&ok, 16);
            return ok && (mask & (quint64(1) << (signal - 1)));
        }
    }
    return false;
}

// Starts the program with its home and settings in a folder of the test, and waits until it
// has its signal handlers. Without a display it runs offscreen.
bool StartProgram(QProcess& program, const QTemporaryDir& home, const QString& display = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (display.isEmpty()) {
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    } else {
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display);
        // Under AddressSanitizer: libxkbcommon-x11 copies a keymap name with strndup past its
        // end, which the strict string checks report; the check stays on for our own code in
        // every other test.
        environment.insert("ASAN_OPTIONS",
                           environment.value("ASAN_OPTIONS")
                               .replace("strict_string_checks=1", "strict_string_checks=0"));
    }
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    program.setProcessEnvironment(environment);
    program.start(BRIMBAL_PROGRAM, {});
    if (!program.waitForStarted()) {
        return false;
    }
    QDeadlineTimer deadline(20000);
    while (!Catches(program.processId(), SIGTERM) && !deadline.hasExpired()) {
        QTest::qWait(20);
    }
    QTest::qWait(200); // let the window come up
    return Catches(program.processId(), SIGTERM);
}

// Sends the signal and waits for a normal end.
bool EndsNormally(QProcess& program, int signal) {
    return ::kill(pid_t(program.processId()), signal) == 0 && program.waitForFinished(20000) &&
           program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
}

// Lets event loops run again after a test has ended them all with quit().
void AllowEventLoops() {
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace

using namespace brimbal;

class TestSignals : public QObject {
    Q_OBJECT

private slots:
    void signalSaves_data();
    void signalSaves();
    void refusedSaveReportedOnce();
    void xServerGone();
    void signalDuringNameEntry();
    void signalDuringModalDialog();
};

void TestSignals::signalSaves_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGHUP") << SIGHUP;
}

void TestSignals::signalSaves() {
    QFETCH(int, signal);
    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath("config/Zelkor")));
    const QString file = home.filePath("config/Zelkor/Brimbal.conf");
    {
        QFile conf(file);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[General]\nModus=2\nBubble=1\n[Highscore]\nM002S004N=Ann\nM002S004D=d\n"
                   "M002S004P=70\nM002S004M=6\n");
    }

    QProcess program;
    QVERIFY(StartProgram(program, home));
    QVERIFY(Catches(program.processId(), signal));
    QVERIFY(EndsNormally(program, signal));

    QFile conf(file);
    QVERIFY(conf.open(QIODevice::ReadOnly));
    const QByteArray content = conf.readAll();
    // The close wrote every value: the stored entry, ranked first now, and all the others.
    QVERIFY(content.contains("M002S001N=Ann\n"));
    QVERIFY(content.contains("M002S001P=70\n"));
    QVERIFY(content.contains("M005S010M=0\n"));
    QVERIFY(content.contains("Modus=2\n"));
    QVERIFY(content.contains("Bubble=1\n"));
    QCOMPARE(content.count('\n'), KLinesOfAFullSave);
}

// A store that refuses the save is reported once on standard error; the program still ends
// normally.
void TestSignals::refusedSaveReportedOnce() {
    QTemporaryDir home;
    QVERIFY(QDir().mkpath(home.filePath("config")));
    QFile blocker(home.filePath("config/Zelkor")); // a file where the folder belongs
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QProcess program;
    QVERIFY(StartProgram(program, home));
    QVERIFY(EndsNormally(program, SIGTERM));
    const QString errors = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(errors.count("Die Einstellungen konnten nicht gespeichert werden"), 1);
    QVERIFY(errors.contains(home.filePath("config/Zelkor/Brimbal.conf")));
}

// When the X server goes away, Qt ends the program without closing its window: the settings are
// saved all the same.
void TestSignals::xServerGone() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) {
        QSKIP("Xvfb is not installed");
    }
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-screen", "0", "800x600x24", "-nolisten", "tcp"});
    QVERIFY(server.waitForReadyRead(20000));
    const QString display = ':' + QString::fromLatin1(server.readLine()).trimmed();
    QTemporaryDir home;
    QProcess program;
    QVERIFY(StartProgram(program, home, display));
    const QString file = home.filePath("config/Zelkor/Brimbal.conf");
    QVERIFY(!QFile::exists(file)); // nothing changed, so nothing saved yet
    server.kill();
    QVERIFY(server.waitForFinished(20000));
    QVERIFY(program.waitForFinished(20000));
    QFile conf(file);
    QVERIFY(conf.open(QIODevice::ReadOnly));
    QCOMPARE(conf.readAll().count('\n'), KLinesOfAFullSave);
}

// A signal while the name entry shows a typed name files the score under that name, then
// saves, before the program ends.
void TestSignals::signalDuringNameEntry() {
    TSettingsDir settings;
    TFrmMain frm;
    frm.show();
    TSignalCloser closer([&frm] { frm.EndWithoutPlayer(); }); // as the program entry does
    QVERIFY(closer.Installed());
    TBoardPicture board(KRows, "...........");
    board[KRows - 1] = "........11.";
    LoadBoardPicture(frm.Game(), board);
    TModalAnswer<TDlgEnterName> answer([](TDlgEnterName* dialog) {
        dialog->EName()->setText("Zoe");
        ::raise(SIGTERM);
    });
    frm.Game().SpielfeldMouseUp(8, KRows - 1);
    frm.Game().SpielfeldMouseUp(8, KRows - 1); // the game ends, the name entry opens
    QVERIFY(answer.Answered());
    QVERIFY(!frm.isVisible());
    QVERIFY(settings.Content().contains("M001S001N=Zoe\n"));
    QCOMPARE(frm.PlayerName(), "Zoe");
    AllowEventLoops();
}

// A signal that arrives while a modal dialog is open closes the main window the normal way and
// leaves the dialog's event loop too.
void TestSignals::signalDuringModalDialog() {
    TSettingsDir settings;
    TFrmMain frm;
    frm.show();
    TSignalCloser closer([&frm] { frm.EndWithoutPlayer(); }); // as the program entry does
    QVERIFY(closer.Installed());
    frm.Scores().Add(1, {"Ann", "d", 70, 6});
    TModalAnswer<TDlgHighscore> answer([](TDlgHighscore*) { ::raise(SIGTERM); });
    frm.DateiHighscoreClick(); // returns once the signal has ended the dialog's loop
    QVERIFY(answer.Answered());
    QVERIFY(!frm.isVisible());
    QVERIFY(settings.Content().contains("M001S001N=Ann\n"));
    AllowEventLoops();
}

QTEST_MAIN(TestSignals)
#include "tst_signals.moc"
