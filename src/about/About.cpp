// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "About.h"

#include "BuiltInVersion.h"
#include "URLLabel.h"
#include "VersionSource.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <initializer_list>

namespace brimbal {

namespace {

// The layout as designed, in pixels of the client area; the group boxes' labels are placed
// relative to their box.
constexpr QSize KClientSize(306, 301);
constexpr QRect KGroupBox3Rect(8, 8, 289, 81);
constexpr QRect KGroupBox1Rect(8, 152, 289, 89);
constexpr QRect KButton1Rect(104, 263, 97, 25);
constexpr int KLabelLeft = 8;
constexpr int KLVersionTop = 16;
constexpr int KLCopyTop = 40;
constexpr int KLabel6Top = 56;
constexpr int KURLLabel1Top = 16;
constexpr int KURLLabel2Top = 40;
constexpr int KURLLabel3Top = 64;
// Room kept between a label and the right or bottom frame of its box when a font needs more
// room than the design gives.
constexpr int KInnerMargin = 8;

// Our home page, its page of new versions, and the article that the third link names.
const QString KHomePage = QStringLiteral("www.example.org");
const QString KNewVersionsPage = QStringLiteral("https://www.example.org/brimbal/versionen/");
const QString KArticlePage =
    QStringLiteral("https://www.example.org/artikel/computerspiele-am-arbeitsplatz");

const QString KVersionBlock = QStringLiteral("040704E4");

template <typename TLabelClass>
TLabelClass* NewLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new TLabelClass(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    return label;
}

// Labels size themselves to their captions.
void SetCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    label->adjustSize();
}

struct TLabelRow {
    QLabel* Label;
    int Top;
};

// Places the labels of a group box at their design places, each moved down only as far as it
// must to clear the box's title and frame (styles that draw the frame below the title need
// more room than the design gives) or the label above it. Answers the size the box needs: its
// design size, or more where the labels do not fit into that.
QSize StackLabels(const QGroupBox* box, std::initializer_list<TLabelRow> rows, QSize design) {
    int bottom = box->contentsRect().top();
    int right = 0;
    for (const TLabelRow& row : rows) {
        row.Label->adjustSize();
        const int top = std::max(row.Top, bottom);
        row.Label->move(KLabelLeft, top);
        bottom = top + row.Label->height();
        right = std::max(right, KLabelLeft + row.Label->width());
    }
    return {std::max(design.width(), right + KInnerMargin),
            std::max(design.height(), bottom + KInnerMargin)};
}

} // namespace

TFrmAbout::TFrmAbout(const IVersionSource& version, QWidget* parent) : QDialog(parent) {
    CreateControls();
    FormCreate(version);
    ArrangeControls();
}

TFrmAbout::TFrmAbout(QWidget* parent) : TFrmAbout(TBuiltInVersion(), parent) {}

void TFrmAbout::Button1Click() {
    reject();
}

void TFrmAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    PlaceButton1();
}

void TFrmAbout::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A new font or style changes the room the captions need (ignored while they are created).
    const bool metricsChanged =
        event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange;
    if (metricsChanged && FURLLabel3 != nullptr) {
        ArrangeControls();
    }
}

void TFrmAbout::CreateControls() {
    setObjectName(QStringLiteral("FrmAbout"));
    setWindowTitle(QStringLiteral("Über Brimbal..."));

    // Created first, so that it comes first in the tab order.
    FButton1 = new QPushButton(QStringLiteral("OK"), this);
    FButton1->setObjectName(QStringLiteral("Button1"));
    FButton1->setGeometry(KButton1Rect);
    // Enter clicks the default button; Esc closes the dialog as the button does.
    FButton1->setDefault(true);
    connect(FButton1, &QPushButton::clicked, this, &TFrmAbout::Button1Click);

    FGroupBox3 = new QGroupBox(QStringLiteral("Version"), this);
    FGroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    FGroupBox3->setGeometry(KGroupBox3Rect);
    FLVersion = NewLabel<QLabel>(FGroupBox3, "LVersion",
                                 QStringLiteral("Brimbal Version (wird zur Laufzeit eingetragen)"));
    QFont bold;
    bold.setBold(true);
    FLVersion->setFont(bold);
    FLCopy = NewLabel<QLabel>(FGroupBox3, "LCopy",
                              QStringLiteral("Copyright (wird zur Laufzeit eingetragen)"));
    FLabel6 = NewLabel<QLabel>(FGroupBox3, "Label6", QStringLiteral("Alle Rechte vorbehalten"));

    FGroupBox1 = new QGroupBox(QStringLiteral("Weitere Informationen"), this);
    FGroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    FGroupBox1->setGeometry(KGroupBox1Rect);
    FURLLabel1 = NewLabel<TURLLabel>(FGroupBox1, "URLLabel1", KHomePage);
    FURLLabel1->SetURL(KHomePage);
    FURLLabel2 = NewLabel<TURLLabel>(FGroupBox1, "URLLabel2", QStringLiteral("Neue Versionen"));
    FURLLabel2->SetURL(KNewVersionsPage);
    FURLLabel3 = NewLabel<TURLLabel>(
        FGroupBox1, "URLLabel3",
        QStringLiteral("Computerspiele am Arbeitsplatz erhöhen die Motivation"));
    FURLLabel3->SetURL(KArticlePage);

    resize(KClientSize);
}

void TFrmAbout::FormCreate(const IVersionSource& version) {
    if (!version.HasVersionData()) {
        return;
    }
    if (const auto productName = version.Query(KVersionBlock, QStringLiteral("ProductName"))) {
        SetCaption(FLVersion, *productName);
    }
    if (const auto fileVersion = version.Query(KVersionBlock, QStringLiteral("FileVersion"))) {
        SetCaption(FLVersion, FLVersion->text() + QStringLiteral(" Version ") + *fileVersion);
    }
    if (const auto legalCopyright =
            version.Query(KVersionBlock, QStringLiteral("LegalCopyright"))) {
        SetCaption(FLCopy, *legalCopyright);
    }
}

void TFrmAbout::ArrangeControls() {
    const QSize box3 = StackLabels(
        FGroupBox3, {{FLVersion, KLVersionTop}, {FLCopy, KLCopyTop}, {FLabel6, KLabel6Top}},
        KGroupBox3Rect.size());
    const QSize box1 = StackLabels(
        FGroupBox1,
        {{FURLLabel1, KURLLabel1Top}, {FURLLabel2, KURLLabel2Top}, {FURLLabel3, KURLLabel3Top}},
        KGroupBox1Rect.size());

    // Both boxes keep one width; what one box grows in height moves everything below it down.
    const int boxWidth = std::max(box3.width(), box1.width());
    const int grow3 = box3.height() - KGroupBox3Rect.height();
    const int grow1 = box1.height() - KGroupBox1Rect.height();
    FGroupBox3->setGeometry(KGroupBox3Rect.left(), KGroupBox3Rect.top(), boxWidth, box3.height());
    FGroupBox1->setGeometry(KGroupBox1Rect.left(), KGroupBox1Rect.top() + grow3, boxWidth,
                            box1.height());

    const QSize buttonHint = FButton1->sizeHint();
    FButton1->resize(std::max(KButton1Rect.width(), buttonHint.width()),
                     std::max(KButton1Rect.height(), buttonHint.height()));
    const int growButton = FButton1->height() - KButton1Rect.height();

    resize(KClientSize.width() + boxWidth - KGroupBox3Rect.width(),
           KClientSize.height() + grow3 + grow1 + growButton);
    PlaceButton1();
}

void TFrmAbout::PlaceButton1() {
    const int bottomGap = KClientSize.height() - KButton1Rect.bottom() - 1;
    FButton1->move((width() - FButton1->width()) / 2, height() - bottomGap - FButton1->height());
}

} // namespace brimbal
