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

#include <utility>

namespace brimbal {

namespace {

// The window's client size as designed, and the OK button's place, whose distance to the bottom
// edge it keeps.
constexpr QSize KClientSize(306, 301);
constexpr QRect KButton1Design(104, 263, 97, 25);

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

} // namespace

TFrmAbout::TFrmAbout(const IVersionSource& version, QWidget* parent) : QDialog(parent) {
    CreateControls();
    FormCreate(version);
    ArrangeControls();
    // What a screen reader reads as the dialog opens: the group boxes claim their labels, so it
    // would read none of them on its own.
    QStringList texts;
    for (const QLabel* label :
         {FLVersion, FLCopy, FLabel6, static_cast<QLabel*>(FURLLabel1),
          static_cast<QLabel*>(FURLLabel2), static_cast<QLabel*>(FURLLabel3)}) {
        texts << label->text();
    }
    setAccessibleDescription(texts.join(QStringLiteral(". ")));
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
    setWindowTitle(tr("Über Brimbal..."));

    // Created first, so that it comes first in the tab order.
    FButton1 = new QPushButton(tr("OK"), this);
    FButton1->setObjectName(QStringLiteral("Button1"));
    // Enter clicks the default button; Esc closes the dialog as the button does.
    FButton1->setDefault(true);
    connect(FButton1, &QPushButton::clicked, this, &TFrmAbout::Button1Click);

    FGroupBox3 = new QGroupBox(tr("Version"), this);
    FGroupBox3->setObjectName(QStringLiteral("GroupBox3"));
    FLVersion = NewLabel<QLabel>(FGroupBox3, "LVersion",
                                 tr("Brimbal Version (wird zur Laufzeit eingetragen)"));
    QFont bold;
    bold.setBold(true);
    FLVersion->setFont(bold);
    FLCopy = NewLabel<QLabel>(FGroupBox3, "LCopy", tr("Copyright (wird zur Laufzeit eingetragen)"));
    FLabel6 = NewLabel<QLabel>(FGroupBox3, "Label6", tr("Alle Rechte vorbehalten"));

    FGroupBox1 = new QGroupBox(tr("Weitere Informationen"), this);
    FGroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    FURLLabel1 = NewLabel<TURLLabel>(FGroupBox1, "URLLabel1", KHomePage);
    FURLLabel1->SetURL(KHomePage);
    FURLLabel2 = NewLabel<TURLLabel>(FGroupBox1, "URLLabel2", tr("Neue Versionen"));
    FURLLabel2->SetURL(KNewVersionsPage);
    FURLLabel3 = NewLabel<TURLLabel>(FGroupBox1, "URLLabel3",
                                     tr("Computerspiele am Arbeitsplatz erhöhen die Motivation"));
    FURLLabel3->SetURL(KArticlePage);

    // The form's design: the labels within their group boxes, then the boxes and the button.
    FVersionLayout = TDialogLayout({289, 81}, {
                                                  TPlace(FLVersion, 8, 16),
                                                  TPlace(FLCopy, 8, 40).Below(FLVersion),
                                                  TPlace(FLabel6, 8, 56).Below(FLCopy),
                                              });
    FLinksLayout = TDialogLayout({289, 89}, {
                                                TPlace(FURLLabel1, 8, 16),
                                                TPlace(FURLLabel2, 8, 40).Below(FURLLabel1),
                                                TPlace(FURLLabel3, 8, 64).Below(FURLLabel2),
                                            });
    FLayout = TDialogLayout(
        KClientSize,
        {
            TPlace(FGroupBox3, 8, 8, 289, 81),
            TPlace(FGroupBox1, 8, 152, 289, 89).Below(FGroupBox3).SameWidth(FGroupBox3),
            TPlace(FButton1, KButton1Design.x(), KButton1Design.y(), KButton1Design.width(),
                   KButton1Design.height())
                .Below(FGroupBox1),
        });
}

void TFrmAbout::FormCreate(const IVersionSource& version) {
    if (!version.HasVersionData()) {
        return;
    }
    if (const auto productName = version.Query(KVersionBlock, QStringLiteral("ProductName"))) {
        FLVersion->setText(*productName);
    }
    if (const auto fileVersion = version.Query(KVersionBlock, QStringLiteral("FileVersion"))) {
        FLVersion->setText(tr("%1 Version %2").arg(FLVersion->text(), *fileVersion));
    }
    if (const auto legalCopyright =
            version.Query(KVersionBlock, QStringLiteral("LegalCopyright"))) {
        FLCopy->setText(*legalCopyright);
    }
}

void TFrmAbout::ArrangeControls() {
    // Each box first takes the room its labels need, below its title and frame.
    for (const auto& [box, layout] :
         {std::pair(FGroupBox3, &FVersionLayout), std::pair(FGroupBox1, &FLinksLayout)}) {
        box->setMinimumSize(0, 0);
        box->setMinimumSize(layout->Apply(box->contentsRect().top()));
    }
    resize(FLayout.Apply());
    PlaceButton1();
}

void TFrmAbout::PlaceButton1() {
    FButton1->move((width() - FButton1->width()) / 2,
                   height() - (KClientSize.height() - KButton1Design.bottom() - 1) -
                       FButton1->height());
}

} // namespace brimbal
