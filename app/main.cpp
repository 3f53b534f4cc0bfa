// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The program's entry: the main window in its designed state, then the event loop.
#include "application.h"
#include "ui/main_window/form_main.h"

#include <QApplication>
#ifdef Q_OS_WASM
#include <QScreen>
#endif

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();
    Form_Main window;
#ifdef Q_OS_WASM
    // In a browser the page is the desktop, and Qt would centre the window in it: it goes to the
    // top of the page instead, where a page begins, in the middle of its width.
    const QRect page = window.screen()->availableGeometry();
    window.move(page.x() + (page.width() - window.frameGeometry().width()) / 2, page.y());
#endif
    // Where new windows go, at their own size; show() would make them fill a browser's page.
    window.setVisible(true);
    return QApplication::exec();
}
