// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
// The command line: --help and --version answer before any window exists; any other argument is
// reported and the game starts all the same; Qt's own options stay Qt's.
#include "CommandLine.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace brimbal;

namespace {

std::vector<std::string> ToStd(const QStringList& list) {
    std::vector<std::string> result;
    for (const QString& item : list) {
        result.push_back(item.toStdString());
    }
    return result;
}

// The lines of the program's standard error that are its own.
QStringList OwnLines(const QByteArray& standardError) {
    QStringList lines;
    for (const QString& line : QString::fromUtf8(standardError).split('\n')) {
        if (line.startsWith(QStringLiteral("brimbal:"))) {
            lines << line;
        }
    }
    return lines;
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void versionText();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void reportsUnknownAndStarts_data();
    void reportsUnknownAndStarts();
};

void TestCommandLine::parse_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("command");
    const int start = int(TCommand::Start);
    const int help = int(TCommand::Help);
    const int version = int(TCommand::Version);
    QTest::newRow("none") << QStringList{} << start;
    QTest::newRow("--help") << QStringList{"--help"} << help;
    QTest::newRow("-h") << QStringList{"-h"} << help;
    QTest::newRow("--version") << QStringList{"--version"} << version;
    QTest::newRow("-v") << QStringList{"-v"} << version;
    QTest::newRow("unknown argument") << QStringList{"--sound"} << start;
    QTest::newRow("help after an unknown one") << QStringList{"spiel", "--help"} << help;
    QTest::newRow("the first decides") << QStringList{"-v", "-h"} << version;
    QTest::newRow("Qt's own options")
        << QStringList{"-platform", "offscreen", "-style", "Fusion", "-reverse"} << start;
    QTest::newRow("a Qt option's value") << QStringList{"-qwindowtitle", "-h"} << start;
    QTest::newRow("a Qt option with two dashes") << QStringList{"--style", "-v"} << start;
    QTest::newRow("a Qt option with its value joined")
        << QStringList{"-style=Fusion", "-v"} << version;
}

void TestCommandLine::parse() {
    QFETCH(QStringList, arguments);
    QFETCH(int, command);
    QCOMPARE(int(ParseCommandLine(ToStd(arguments))), command);
}

void TestCommandLine::versionText() {
    QCOMPARE(QString::fromStdString(VersionText()),
             QStringLiteral(BRIMBAL_PROJECT_NAME " " BRIMBAL_PROJECT_VERSION));
}

// The real program, without any display to open a window on.
void TestCommandLine::answersWithoutDisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("output");
    const QString version = QStringLiteral(BRIMBAL_PROJECT_NAME " " BRIMBAL_PROJECT_VERSION "\n");
    const QString help = QString::fromStdString(HelpText());
    QTest::newRow("--version") << "--version" << version;
    QTest::newRow("-v") << "-v" << version;
    QTest::newRow("--help") << "--help" << help;
    QTest::newRow("-h") << "-h" << help;
}

void TestCommandLine::answersWithoutDisplay() {
    QFETCH(QString, argument);
    QFETCH(QString, output);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(BRIMBAL_PROGRAM, {argument});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), output);
    QCOMPARE(program.readAllStandardError(), QByteArray());
}

void TestCommandLine::reportsUnknownAndStarts_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("report");
    const auto line = [](const char* argument) {
        return QString::fromStdString(UnknownArgumentText(argument));
    };
    // Without QT_QPA_PLATFORM the game only finds its platform through Qt's own option.
    QTest::newRow("unknown argument")
        << QStringList{"-platform", "offscreen", "bogus"} << QStringList{line("bogus")};
    QTest::newRow("Qt's own options among unknown ones")
        << QStringList{"--spiel", "-platform", "offscreen", "-style", "Fusion", "-reverse", "bogus"}
        << QStringList{line("--spiel"), line("bogus")};
}

void TestCommandLine::reportsUnknownAndStarts() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, report);
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(BRIMBAL_PROGRAM, arguments);
    QVERIFY(program.waitForStarted());

    // The report comes before the window; the game runs on after it.
    QByteArray standardError;
    QDeadlineTimer deadline(20000);
    while (!standardError.contains(report.last().toUtf8()) && !deadline.hasExpired() &&
           program.state() == QProcess::Running) {
        program.waitForReadyRead(100);
        standardError += program.readAllStandardError();
    }
    QTest::qWait(500);
    QCOMPARE(program.state(), QProcess::Running);
    program.terminate();
    QVERIFY(program.waitForFinished(20000));
    standardError += program.readAllStandardError();
    QCOMPARE(OwnLines(standardError), report);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
