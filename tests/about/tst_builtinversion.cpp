// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "BuiltInVersion.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace brimbal;

namespace {

const QString KBlock = QStringLiteral("040704E4");

// The generated Windows resource file, as text.
QString ResourceText() {
    QFile file(QStringLiteral(BRIMBAL_VERSION_RESOURCE));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

} // namespace

class TestBuiltInVersion : public QObject {
    Q_OBJECT

private slots:
    void fields_data();
    void fields();
    void legalNoticeNamesTheAuthors();
    void missing_data();
    void missing();
    void resourceHasTheSameStrings();
    void resourceHeader();
};

void TestBuiltInVersion::fields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ProductName") << "ProductName" << QStringLiteral(BRIMBAL_PROJECT_NAME);
    QTest::newRow("FileVersion") << "FileVersion" << QStringLiteral(BRIMBAL_PROJECT_VERSION);
    QTest::newRow("ProductVersion") << "ProductVersion" << QStringLiteral(BRIMBAL_PROJECT_VERSION);
}

void TestBuiltInVersion::fields() {
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const TBuiltInVersion version;
    QVERIFY(version.HasVersionData());
    QCOMPARE(version.Query(KBlock, field), std::optional<QString>(expected));
}

void TestBuiltInVersion::legalNoticeNamesTheAuthors() {
    const std::optional<QString> notice =
        TBuiltInVersion().Query(KBlock, QStringLiteral("LegalCopyright"));
    QVERIFY(notice.has_value());
    QVERIFY2(notice->contains(QStringLiteral("The Brimbal authors")), qPrintable(*notice));
}

void TestBuiltInVersion::missing_data() {
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("field");
    QTest::newRow("English block") << "040904E4"
                                   << "ProductName";
    QTest::newRow("Unicode code page") << "040704B0"
                                       << "FileVersion";
    QTest::newRow("no block") << ""
                              << "ProductName";
    QTest::newRow("unknown field") << "040704E4"
                                   << "Comments";
    QTest::newRow("empty field") << "040704E4"
                                 << "";
}

void TestBuiltInVersion::missing() {
    QFETCH(QString, block);
    QFETCH(QString, field);
    QCOMPARE(TBuiltInVersion().Query(block, field), std::nullopt);
}

// The Windows build carries the same strings in its VERSIONINFO resource, under the German
// block of code page 1252.
void TestBuiltInVersion::resourceHasTheSameStrings() {
    const QString text = ResourceText();
    QVERIFY2(!text.isEmpty(), BRIMBAL_VERSION_RESOURCE);

    const int blockStart = text.indexOf(QStringLiteral("BLOCK \"040704E4\""));
    QVERIFY(blockStart >= 0);
    const int blockEnd = text.indexOf(QStringLiteral("BLOCK \"VarFileInfo\""), blockStart);
    QVERIFY(blockEnd > blockStart);
    const QString block = text.mid(blockStart, blockEnd - blockStart);

    const QRegularExpression value(QStringLiteral(R"re(VALUE "([^"]+)", "([^"]*)")re"));
    QStringList names;
    for (const QRegularExpressionMatch& match : value.globalMatch(block)) {
        const QString name = match.captured(1);
        names << name;
        QCOMPARE(TBuiltInVersion().Query(KBlock, name), std::optional<QString>(match.captured(2)));
    }
    for (const char* required : {"ProductName", "FileVersion", "LegalCopyright"}) {
        QVERIFY2(names.contains(QLatin1String(required)), required);
    }
}

void TestBuiltInVersion::resourceHeader() {
    const QString text = ResourceText();
    QVERIFY(text.contains(QStringLiteral(R"(VALUE "Translation", 0x0407, 1252)")));
    QString numbers = QStringLiteral(BRIMBAL_PROJECT_VERSION);
    numbers.replace(QLatin1Char('.'), QLatin1Char(','));
    QVERIFY2(text.contains(QStringLiteral("FILEVERSION ") + numbers), qPrintable(numbers));
    QVERIFY(text.contains(QStringLiteral("PRODUCTVERSION ") + numbers));
}

QTEST_APPLESS_MAIN(TestBuiltInVersion)
#include "tst_builtinversion.moc"
