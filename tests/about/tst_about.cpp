// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "About.h"
#include "BuiltInVersion.h"
#include "LayoutCheck.h"
#include "URLLabel.h"
#include "VersionSource.h"

#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace brimbal;

namespace {

const QString KBlock = QStringLiteral("040704E4");
const QString KDesignVersion = QStringLiteral("Brimbal Version (wird zur Laufzeit eingetragen)");
const QString KLegal = QStringLiteral("© 2026 The Brimbal authors");

// Version data from a table of block/field pairs; counts the questions asked.
class TFakeVersion : public IVersionSource {
public:
    bool HasData = true;
    QMap<QPair<QString, QString>, QString> Fields;
    mutable int Queries = 0;

    bool HasVersionData() const override { return HasData; }
    std::optional<QString> Query(const QString& block, const QString& field) const override {
        ++Queries;
        const auto found = Fields.constFind({block, field});
        if (found == Fields.constEnd()) {
            return std::nullopt;
        }
        return *found;
    }
};

TFakeVersion FullVersion() {
    TFakeVersion version;
    version.Fields[{KBlock, "ProductName"}] = "Brimbal";
    version.Fields[{KBlock, "FileVersion"}] = "1.5.0.0";
    version.Fields[{KBlock, "LegalCopyright"}] = KLegal;
    return version;
}

// Runs the dialog modally; while it runs, during() is called once, and then the dialog is closed
// with its OK button unless during() closed it. A dialog still open after ten seconds is ended
// with the answer -1, so that a test fails instead of hanging.
int ExecDialog(TFrmAbout& dialog, const std::function<void()>& during) {
    QTimer::singleShot(0, &dialog, [&dialog, during] {
        if (!QTest::qWaitForWindowExposed(&dialog)) {
            dialog.done(-1);
            return;
        }
        during();
        if (dialog.isVisible()) {
            QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
        }
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&dialog] { dialog.done(-1); });
    guard.start(10000);
    return dialog.exec();
}

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void captions_data();
    void captions();
    void builtInVersionData();
    void fixedTexts();
    void linkTargets();
    void layout_data();
    void layout();
    void buttonKeepsItsPlace_data();
    void buttonKeepsItsPlace();
    void okHasTheFocus();
    void closes_data();
    void closes();
    void secondShowing();
    void linkClick_data();
    void linkClick();

private:
    QList<QUrl> Opened;
};

void TestAbout::init() {
    Opened.clear();
    TURLLabel::SetUrlOpener([this](const QUrl& url) {
        Opened << url;
        return false;
    });
}

void TestAbout::cleanup() {
    TURLLabel::SetUrlOpener({});
}

void TestAbout::captions_data() {
    QTest::addColumn<bool>("hasData");
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QString>("block");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("copy");
    const QString copyDesign = QStringLiteral("Copyright (wird zur Laufzeit eingetragen)");
    QTest::newRow("full data") << true << QStringList() << KBlock << "Brimbal Version 1.5.0.0"
                               << KLegal;
    QTest::newRow("without ProductName") << true << QStringList({"ProductName"}) << KBlock
                                         << KDesignVersion + " Version 1.5.0.0" << KLegal;
    QTest::newRow("without FileVersion")
        << true << QStringList({"FileVersion"}) << KBlock << "Brimbal" << KLegal;
    QTest::newRow("without LegalCopyright") << true << QStringList({"LegalCopyright"}) << KBlock
                                            << "Brimbal Version 1.5.0.0" << copyDesign;
    QTest::newRow("only FileVersion")
        << true << QStringList({"ProductName", "LegalCopyright"}) << KBlock
        << KDesignVersion + " Version 1.5.0.0" << copyDesign;
    QTest::newRow("none of the fields")
        << true << QStringList({"ProductName", "FileVersion", "LegalCopyright"}) << KBlock
        << KDesignVersion << copyDesign;
    QTest::newRow("fields in another block")
        << true << QStringList() << "040904E4" << KDesignVersion << copyDesign;
    QTest::newRow("no version data")
        << false << QStringList() << KBlock << KDesignVersion << copyDesign;
}

void TestAbout::captions() {
    QFETCH(bool, hasData);
    QFETCH(QStringList, missing);
    QFETCH(QString, block);
    QFETCH(QString, version);
    QFETCH(QString, copy);
    TFakeVersion source;
    source.HasData = hasData;
    const TFakeVersion full = FullVersion();
    for (auto field = full.Fields.constBegin(); field != full.Fields.constEnd(); ++field) {
        if (!missing.contains(field.key().second)) {
            source.Fields[{block, field.key().second}] = field.value();
        }
    }
    TFrmAbout dialog(source);
    QCOMPARE(dialog.LVersion()->text(), version);
    QCOMPARE(dialog.LCopy()->text(), copy);
    // The labels size themselves to their captions.
    QCOMPARE(dialog.LVersion()->size(), dialog.LVersion()->sizeHint());
    QCOMPARE(dialog.LCopy()->size(), dialog.LCopy()->sizeHint());
}

// The dialog made from the program's own data shows the project's name and version.
void TestAbout::builtInVersionData() {
    TFrmAbout dialog;
    QCOMPARE(dialog.LVersion()->text(),
             QStringLiteral(BRIMBAL_PROJECT_NAME " Version " BRIMBAL_PROJECT_VERSION));
    QCOMPARE(dialog.LVersion()->text(), QStringLiteral("Brimbal Version 1.5.0.0"));
    const std::optional<QString> legal =
        TBuiltInVersion().Query(KBlock, QStringLiteral("LegalCopyright"));
    QVERIFY(legal.has_value());
    QCOMPARE(dialog.LCopy()->text(), *legal);
}

void TestAbout::fixedTexts() {
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Über Brimbal..."));
    QCOMPARE(dialog.GroupBox3()->title(), QStringLiteral("Version"));
    QCOMPARE(dialog.GroupBox1()->title(), QStringLiteral("Weitere Informationen"));
    QCOMPARE(dialog.Label6()->text(), QStringLiteral("Alle Rechte vorbehalten"));
    QCOMPARE(dialog.URLLabel2()->text(), QStringLiteral("Neue Versionen"));
    QCOMPARE(dialog.URLLabel3()->text(),
             QStringLiteral("Computerspiele am Arbeitsplatz erhöhen die Motivation"));
    QCOMPARE(dialog.Button1()->text(), QStringLiteral("OK"));
    QVERIFY(dialog.LVersion()->font().bold());
    QVERIFY(!dialog.LCopy()->font().bold());
    // The home page's link shows its own address, a host name without a scheme.
    QCOMPARE(dialog.URLLabel1()->text(), dialog.URLLabel1()->URL());
    QVERIFY(QUrl(dialog.URLLabel1()->URL()).scheme().isEmpty());
}

// Every link leads under the reserved example domain; the second and third are full addresses.
void TestAbout::linkTargets() {
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    for (const TURLLabel* link : {dialog.URLLabel1(), dialog.URLLabel2(), dialog.URLLabel3()}) {
        const QUrl address = TURLLabel::WebAddress(link->URL());
        QCOMPARE(address.scheme(), QStringLiteral("https"));
        QVERIFY2(address.host() == "example.org" || address.host().endsWith(".example.org"),
                 qPrintable(link->URL()));
    }
    for (const TURLLabel* link : {dialog.URLLabel2(), dialog.URLLabel3()}) {
        const QUrl url(link->URL(), QUrl::StrictMode);
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QVERIFY2(url.path().length() > 1, qPrintable(link->URL()));
    }
}

void TestAbout::layout_data() {
    AddFontRows();
}

// Every control stays in its place, unless the font needs more room: then the group boxes grow
// and move, but the arrangement stays and nothing is clipped or overlaps.
void TestAbout::layout() {
    QFETCH(QFont, font);
    QFETCH(bool, asDesigned);
    const TFakeVersion source = FullVersion();
    const auto made = MadeWithFont<TFrmAbout>(font, source);
    TFrmAbout& dialog = *made;

    const std::pair<const TDialogLayout*, const QWidget*> layouts[] = {
        {&dialog.Layout(), &dialog},
        {&dialog.VersionLayout(), dialog.GroupBox3()},
        {&dialog.LinksLayout(), dialog.GroupBox1()}};
    for (const auto& [layout, holder] : layouts) {
        const QString fault = LayoutFault(*layout, *holder);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        if (asDesigned) {
            const QString design = DesignFault(*layout, *holder);
            QVERIFY2(design.isEmpty(), qPrintable(design));
        }
    }
    // Each box's labels clear its title and frame; both boxes keep one width; the button stays
    // centred.
    for (const QGroupBox* box : {dialog.GroupBox3(), dialog.GroupBox1()}) {
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            QVERIFY2(label->y() >= box->contentsRect().top(), qPrintable(label->objectName()));
        }
    }
    QCOMPARE(dialog.GroupBox1()->width(), dialog.GroupBox3()->width());
    const QRect button = dialog.Button1()->geometry();
    QCOMPARE(button.x(), (dialog.width() - button.width()) / 2);
}

void TestAbout::buttonKeepsItsPlace_data() {
    QTest::addColumn<QSize>("size");
    QTest::newRow("wider and taller") << QSize(500, 420);
    QTest::newRow("odd width") << QSize(401, 333);
    QTest::newRow("smaller") << QSize(250, 280);
}

// The OK button stays centred and at its distance from the bottom; the group boxes stay put.
void TestAbout::buttonKeepsItsPlace() {
    QFETCH(QSize, size);
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize before = dialog.size();
    const QRect button = dialog.Button1()->geometry();
    const QRect box3 = dialog.GroupBox3()->geometry();
    const QRect box1 = dialog.GroupBox1()->geometry();

    dialog.resize(size);
    QTRY_COMPARE(dialog.size(), size);
    QCOMPARE(dialog.Button1()->size(), button.size());
    QCOMPARE(dialog.Button1()->x(), (size.width() - button.width()) / 2);
    QCOMPARE(size.height() - dialog.Button1()->y(), before.height() - button.y());
    QCOMPARE(dialog.GroupBox3()->geometry(), box3);
    QCOMPARE(dialog.GroupBox1()->geometry(), box1);
}

void TestAbout::okHasTheFocus() {
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    dialog.open();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.Button1());
    QVERIFY(dialog.Button1()->isDefault());
}

void TestAbout::closes_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "Return";
    QTest::newRow("keypad Enter") << "Enter";
    QTest::newRow("Escape") << "Escape";
    QTest::newRow("OK button") << "OK";
    QTest::newRow("close box") << "close";
}

// Every way of closing ends the modal loop with the cancel answer and only hides the dialog.
void TestAbout::closes() {
    QFETCH(QString, how);
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    QPointer<TFrmAbout> alive(&dialog);
    bool wasActive = false;
    const int answer = ExecDialog(dialog, [&] {
        dialog.activateWindow();
        wasActive = QTest::qWaitForWindowActive(&dialog);
        if (how == "Return") {
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        } else if (how == "Enter") {
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Enter);
        } else if (how == "Escape") {
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
        } else if (how == "OK") {
            QTest::mouseClick(dialog.Button1(), Qt::LeftButton);
        } else {
            dialog.close();
        }
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(wasActive);
    QCOMPARE(answer, int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!alive.isNull());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

// Closing only hides the dialog: the next showing has the same texts, and nothing is read again.
void TestAbout::secondShowing() {
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    const int queries = source.Queries;
    QCOMPARE(queries, 3);

    QStringList first;
    QCOMPARE(
        ExecDialog(dialog,
                   [&] {
                       first = QStringList({dialog.LVersion()->text(), dialog.LCopy()->text()});
                   }),
        int(QDialog::Rejected));
    QStringList second;
    QCOMPARE(
        ExecDialog(dialog,
                   [&] {
                       second = QStringList({dialog.LVersion()->text(), dialog.LCopy()->text()});
                   }),
        int(QDialog::Rejected));
    QCOMPARE(first, QStringList({"Brimbal Version 1.5.0.0", KLegal}));
    QCOMPARE(second, first);
    QCOMPARE(source.Queries, queries);
}

void TestAbout::linkClick_data() {
    QTest::addColumn<QString>("label");
    QTest::newRow("home page") << "URLLabel1";
    QTest::newRow("new versions") << "URLLabel2";
    QTest::newRow("article") << "URLLabel3";
}

// A click on a link opens its address, and the dialog stays open and modal.
void TestAbout::linkClick() {
    QFETCH(QString, label);
    const TFakeVersion source = FullVersion();
    TFrmAbout dialog(source);
    TURLLabel* link = dialog.findChild<TURLLabel*>(label);
    QVERIFY(link != nullptr);
    // The home page's address is a bare host name, opened as a web address.
    const QUrl expected = label == "URLLabel1" ? QUrl("https://" + link->URL()) : QUrl(link->URL());

    bool modalBefore = false;
    bool openAfter = false;
    bool modalAfter = false;
    const int answer = ExecDialog(dialog, [&] {
        modalBefore = QApplication::activeModalWidget() == &dialog;
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        openAfter = dialog.isVisible();
        modalAfter = QApplication::activeModalWidget() == &dialog && dialog.isModal();
    });
    QVERIFY(modalBefore);
    QCOMPARE(Opened, QList<QUrl>({expected}));
    QVERIFY(openAfter);
    QVERIFY(modalAfter);
    // The dialog was ended by its OK button, not by the click.
    QCOMPARE(answer, int(QDialog::Rejected));
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
