// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The toolkit's floor: a bare Qt Widgets window, one QMainWindow with a QLabel.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setCentralWidget(new QLabel(QStringLiteral("Velmoric Flow Equations")));
    // Where new windows go, at their own size; show() would make them fill a browser's page.
    window.setVisible(true);
    return QApplication::exec();
}
