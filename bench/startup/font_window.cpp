// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The bare window, after registering the font that the Windows program carries in its
// resources, as the program does at start: the difference to the bare window is that cost.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/DejaVuSans.ttf"));
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Velmoric Flow Equations")));
    window.show();
    return QApplication::exec();
}
