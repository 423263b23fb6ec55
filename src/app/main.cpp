// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Main.h"
#include "CommandLine.h"
#include "Language.h"
#include "ProgramIcon.h"
#include "SettingsFolder.h"
#include "SignalCloser.h"

#include <QApplication>
#include <QSessionManager>

#include <cstdlib>

namespace {

// The window whose settings are saved should the process end without closing it: Qt ends the
// process with exit() when the connection to the X server breaks.
brimbal::TFrmMain* ExitWindow = nullptr;

void SaveAtExit() {
    if (ExitWindow) {
        ExitWindow->SaveAtExit();
    }
}

} // namespace

int main(int argc, char** argv) {
    // --help and --version answer before anything of the window system exists.
    if (const std::optional<int> exitCode = brimbal::RunCommandLine(argc, argv)) {
        return *exitCode;
    }
    QApplication app(argc, argv);
    brimbal::ReportUnknownArguments(argc, argv);
    brimbal::InstallTranslations(brimbal::DesktopLanguage());
    QApplication::setOrganizationName(brimbal::KSettingsFolder);
    QApplication::setApplicationName("Brimbal");
    QApplication::setApplicationVersion(BRIMBAL_VERSION);
    QGuiApplication::setDesktopFileName(BRIMBAL_APP_ID);
    QApplication::setWindowIcon(brimbal::ProgramIcon());

    // The main window, which makes the About dialog and the name entry after itself.
    brimbal::TFrmMain FrmMain;

    // Options and scores are saved as they change and when the main window closes; every way
    // the program ends goes through that close. A signal closes it and leaves every event loop,
    // including the one of a dialog that may be open.
    brimbal::TSignalCloser closer([&FrmMain] { FrmMain.EndWithoutPlayer(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &FrmMain,
                     [&FrmMain](QSessionManager&) { FrmMain.SaveForSession(); });
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &FrmMain, [&FrmMain] {
        if (FrmMain.isVisible()) {
            FrmMain.EndWithoutPlayer();
        }
    });
    ExitWindow = &FrmMain;
    std::atexit(SaveAtExit);

    FrmMain.show();
    const int result = QApplication::exec();
    ExitWindow = nullptr;
    return result;
}
