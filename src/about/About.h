// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#pragma once

#include "DialogLayout.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace brimbal {

class IVersionSource;
class TURLLabel;

// The About dialog: product name and version, legal notice, a rights line and three links.
// It reads the version data once, when it is created; closing it only hides it, and every later
// showing has the same texts.
class TFrmAbout : public QDialog {
    Q_OBJECT

public:
    // Reads the version data from the source given; the source is not kept.
    explicit TFrmAbout(const IVersionSource& version, QWidget* parent = nullptr);
    // Reads the version data that the build compiled into the program.
    explicit TFrmAbout(QWidget* parent = nullptr);

    // The OK button: closes the dialog with the cancel result.
    void Button1Click();

    QGroupBox* GroupBox3() const { return FGroupBox3; }
    QLabel* LVersion() const { return FLVersion; }
    QLabel* LCopy() const { return FLCopy; }
    QLabel* Label6() const { return FLabel6; }
    QGroupBox* GroupBox1() const { return FGroupBox1; }
    TURLLabel* URLLabel1() const { return FURLLabel1; }
    TURLLabel* URLLabel2() const { return FURLLabel2; }
    TURLLabel* URLLabel3() const { return FURLLabel3; }
    QPushButton* Button1() const { return FButton1; }
    // The controls' designed places: in the window, and in each of the two group boxes.
    const TDialogLayout& Layout() const { return FLayout; }
    const TDialogLayout& VersionLayout() const { return FVersionLayout; }
    const TDialogLayout& LinksLayout() const { return FLinksLayout; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CreateControls();
    // Fills LVersion and LCopy from the version data; a field that is missing leaves its label
    // as it was, and without any version data both keep their design captions.
    void FormCreate(const IVersionSource& version);
    // Sizes the labels to their captions and, where a caption would not fit at its place in
    // the current font, widens or lengthens the group boxes and the window to make room.
    void ArrangeControls();
    // Keeps the OK button centred and at its distance from the bottom edge.
    void PlaceButton1();

    QPushButton* FButton1 = nullptr;
    QGroupBox* FGroupBox3 = nullptr;
    QLabel* FLVersion = nullptr;
    QLabel* FLCopy = nullptr;
    QLabel* FLabel6 = nullptr;
    QGroupBox* FGroupBox1 = nullptr;
    TURLLabel* FURLLabel1 = nullptr;
    TURLLabel* FURLLabel2 = nullptr;
    TURLLabel* FURLLabel3 = nullptr;
    TDialogLayout FLayout;
    TDialogLayout FVersionLayout;
    TDialogLayout FLinksLayout;
};

} // namespace brimbal
