// SPDX-FileCopyrightText: 2026 The Velmoric developers
// SPDX-License-Identifier: MIT
// The main window on a real Wayland compositor, through Qt's Wayland platform plugin: it
// appears at its designed size and calculates. wayland_test.sh starts the compositor.
#include "app/application.h"
#include "tests/support/main_window_driver.h"
#include "ui/main_window/form_main.h"
#include "ui/twips.h"

#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

class WaylandTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void appearsAtItsDesignedSizeAndCalculates();
};

void WaylandTest::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
    setUpApplication();
}

void WaylandTest::appearsAtItsDesignedSizeAndCalculates()
{
    Form_Main window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    // The compositor's configure leaves the window as designed: the client area in twips under
    // the menu bar, and the native surface the size of the widget.
    QCOMPARE(window.centralWidget()->size(), twips(0, 0, 3315, 2730).size());
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.windowHandle()->size(), window.size());

    const MainWindowDriver driver(&window);
    driver.choose("Option_PoP");
    driver.type("Text_PoP", QStringLiteral("2"));
    QVERIFY(!driver.calculate().shown);
    QCOMPARE(driver.results(), QStringList({"1.0465", "2", "1.219", "1.6407"}));

    const QDir folder(QStringLiteral(VFE_ARTIFACTS_DIR "/screenshots/wayland"));
    QVERIFY(folder.mkpath(QStringLiteral(".")));
    QVERIFY(window.grab().save(folder.filePath(QStringLiteral("main-window.png"))));
}

QTEST_MAIN(WaylandTest)
#include "wayland_test.moc"
