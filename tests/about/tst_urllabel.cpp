// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "URLLabel.h"

#include <QtTest>

using namespace brimbal;

// Every test runs with a recording opener: no test may start the desktop's browser.
class TestURLLabel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void look_data();
    void look();
    void urlIsOnlyStored();
    void click_data();
    void click();
    void noClick_data();
    void noClick();

private:
    QList<QUrl> Opened;
};

void TestURLLabel::init() {
    Opened.clear();
    TURLLabel::SetUrlOpener([this](const QUrl& url) {
        Opened << url;
        return false; // the answer is never looked at
    });
}

void TestURLLabel::cleanup() {
    TURLLabel::SetUrlOpener({});
}

void TestURLLabel::look_data() {
    QTest::addColumn<QFont>("parentFont");
    QTest::newRow("plain parent") << QFont(QStringLiteral("Liberation Sans"), 8);
    QFont styled(QStringLiteral("Liberation Serif"), 13);
    styled.setBold(true);
    styled.setItalic(true);
    styled.setStrikeOut(true);
    QTest::newRow("bold italic struck-out parent") << styled;
}

// Underlined as the only style, family and size from the parent, pure blue, a pointing hand.
void TestURLLabel::look() {
    QFETCH(QFont, parentFont);
    QWidget parent;
    parent.setFont(parentFont);
    TURLLabel label(&parent);
    label.setText(QStringLiteral("Neue Versionen"));

    const QFont font = label.font();
    QVERIFY(font.underline());
    QVERIFY(!font.bold());
    QVERIFY(!font.italic());
    QVERIFY(!font.strikeOut());
    QCOMPARE(font.family(), parentFont.family());
    QCOMPARE(font.pointSize(), parentFont.pointSize());
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);

    // The text on screen is blue too.
    label.adjustSize();
    const QImage image = label.grab().toImage();
    bool blue = false;
    for (int y = 0; y < image.height() && !blue; ++y) {
        for (int x = 0; x < image.width() && !blue; ++x) {
            blue = image.pixelColor(x, y) == QColor(0, 0, 255);
        }
    }
    QVERIFY(blue);
}

void TestURLLabel::urlIsOnlyStored() {
    TURLLabel label;
    label.setText(QStringLiteral("Neue Versionen"));
    label.SetURL(QStringLiteral("https://www.example.org/brimbal/versionen/"));
    QCOMPARE(label.URL(), QStringLiteral("https://www.example.org/brimbal/versionen/"));
    QCOMPARE(label.property("URL").toString(), label.URL());
    QCOMPARE(label.text(), QStringLiteral("Neue Versionen"));
    QVERIFY(Opened.isEmpty());
}

void TestURLLabel::click_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<QUrl>("expected");
    QTest::newRow("bare host name") << "www.example.org" << QUrl("https://www.example.org");
    QTest::newRow("bare host name with blanks")
        << " www.example.org " << QUrl("https://www.example.org");
    QTest::newRow("bare host and path")
        << "example.org/artikel" << QUrl("https://example.org/artikel");
    QTest::newRow("bare host and port")
        << "www.example.org:8080/x" << QUrl("https://www.example.org:8080/x");
    QTest::newRow("bare ftp host name") << "ftp.example.org" << QUrl("https://ftp.example.org");
    QTest::newRow("https address") << "https://www.example.org/brimbal/versionen/"
                                   << QUrl("https://www.example.org/brimbal/versionen/");
    QTest::newRow("http address stays http")
        << "http://www.example.org/alt" << QUrl("http://www.example.org/alt");
    QTest::newRow("mail address") << "mailto:info@example.org" << QUrl("mailto:info@example.org");
}

void TestURLLabel::click() {
    QFETCH(QString, url);
    QFETCH(QUrl, expected);
    TURLLabel label;
    label.setText(QStringLiteral("Link"));
    label.SetURL(url);
    label.adjustSize();
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
    QCOMPARE(Opened, QList<QUrl>({expected}));
    QCOMPARE(label.URL(), url);
}

void TestURLLabel::noClick_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("releaseOutside");
    QTest::newRow("right button") << "www.example.org" << Qt::RightButton << false;
    QTest::newRow("middle button") << "www.example.org" << Qt::MiddleButton << false;
    QTest::newRow("released outside") << "www.example.org" << Qt::LeftButton << true;
    QTest::newRow("empty URL") << "" << Qt::LeftButton << false;
    QTest::newRow("blank URL") << "  " << Qt::LeftButton << false;
}

void TestURLLabel::noClick() {
    QFETCH(QString, url);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, releaseOutside);
    TURLLabel label;
    label.setText(QStringLiteral("Link"));
    label.SetURL(url);
    label.adjustSize();
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    const QPoint inside = label.rect().center();
    const QPoint release = releaseOutside ? QPoint(label.width() + 20, inside.y()) : inside;
    QTest::mousePress(&label, button, {}, inside);
    QTest::mouseRelease(&label, button, {}, release);
    QVERIFY(Opened.isEmpty());

    // A release without a press of its own opens nothing either.
    QTest::mouseRelease(&label, Qt::LeftButton, {}, inside);
    QVERIFY(Opened.isEmpty());
}

QTEST_MAIN(TestURLLabel)
#include "tst_urllabel.moc"
