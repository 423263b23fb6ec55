// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Brimbal authors
#include "Main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Zelkor");
    QApplication::setApplicationName("Brimbal");
    QApplication::setApplicationVersion(BRIMBAL_VERSION);

    brimbal::TFrmMain FrmMain;
    FrmMain.show();
    return QApplication::exec();
}
