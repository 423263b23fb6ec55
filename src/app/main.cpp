// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Main.h"
#include "About.h"
#include "CommandLine.h"
#include "DEnterName.h"
#include "QtTranslations.h"
#include "SignalCloser.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char** argv) {
    // --help and --version answer before anything of the window system exists.
    if (const std::optional<int> exitCode = brimbal::RunCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    brimbal::ReportUnknownArguments(argc, argv);
    brimbal::InstallQtTranslations();
    QApplication::setOrganizationName("Zelkor");
    QApplication::setApplicationName("Brimbal");
    QApplication::setApplicationVersion(BRIMBAL_VERSION);
    QGuiApplication::setDesktopFileName(BRIMBAL_APP_ID);
    QApplication::setWindowIcon(QIcon(":/balls/ball48_1.png"));

    brimbal::TFrmMain FrmMain;
    brimbal::TFrmAbout FrmAbout(&FrmMain);
    brimbal::TDlgEnterName DlgEnterName(&FrmMain);
    FrmMain.SetDialogs(&FrmAbout, &DlgEnterName);

    // Options and scores are saved when the main window closes; every way the program ends
    // goes through that close. A signal closes it and leaves every event loop, including the
    // one of a dialog that may be open.
    brimbal::TSignalCloser closer([&FrmMain] {
        FrmMain.close();
        QCoreApplication::quit();
    });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &FrmMain,
                     [&FrmMain](QSessionManager&) { FrmMain.SaveSettings(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &FrmMain, [&FrmMain] {
        if (FrmMain.isVisible()) {
            FrmMain.close();
        }
    });

    FrmMain.show();
    return QApplication::exec();
}
