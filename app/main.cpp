// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The program's entry: the main window in its designed state, then the event loop.
#include "application.h"
#include "ui/main_window/form_main.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();
    Form_Main window;
    window.show();
    return QApplication::exec();
}
