// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The toolkit's floor with a menu bar: the bare window and a command on its menu bar, as the
// program's window has.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("About"));
    window.setCentralWidget(new QLabel(QStringLiteral("Velmoric Flow Equations")));
    window.show();
    return QApplication::exec();
}
